#!/usr/bin/env bash
# Resizing keeps the picture undistorted and centred: the shorter client
# side still spans -100..100 units, so the cylinder's rim stays a circle
# (30 px in radius once that side is 300 px) about the new client centre.
source "$(dirname "$0")/lib.sh"

# ResizeClient WIDTH HEIGHT: the window sized so that its client area is WIDTH x HEIGHT.
ClientIs() { ReadClientGeometry; [ "$client_w $client_h" = "$1 $2" ]; }
ResizeClient()
{
    xdotool windowsize "$main_win" "$1" $(($2 + menu_h))
    WaitFor "$wait_s" ClientIs "$1" "$2" ||
        Fail "the client area is ${client_w}x${client_h} after resizing, expected ${1}x${2}"
    PointAtClient
}

StartApp
Remember start

ResizeClient 600 300
ExpectPicture "600 x 300: the rim is a circle of radius 30 px about (300, 150)" "$(CylinderQueries)
white -100 0
white 100 0
white -190 90
white 190 -90"

ResizeClient 300 600
ExpectPicture "300 x 600: the rim is a circle of radius 30 px about (150, 300)" "$(CylinderQueries)
white 0 -100
white 0 100
white -90 190
white 90 -190"

ResizeClient 400 $((400 - menu_h))
ExpectSameAs start "back at 400 x 400 the frame is the first one again"
