#!/usr/bin/env bash
# The main window is titled "Robot Oxel", 400 x 400 at (50, 50), a menu bar
# across its top and the client area below it, with or without arguments:
# the program takes no options, not even the toolkit's own.
source "$(dirname "$0")/lib.sh"

CheckWindow()
{
    local title x y w h
    title=$(xdotool getwindowname "$main_win")
    [ "$title" = "Robot Oxel" ] || Fail "$1: title '$title'"
    read -r x y w h < <(WindowGeometry "$main_win")
    [ "$x $y $w $h" = "50 50 400 400" ] || Fail "$1: window ${w}x${h} at ($x, $y), expected 400x400 at (50, 50)"
    [ "$menu_h" -ge 18 ] && [ "$menu_h" -le 40 ] || Fail "$1: menu bar $menu_h px high"
    [ "$client_x $client_y $client_w $client_h" = "50 $((50 + menu_h)) 400 $((400 - menu_h))" ] ||
        Fail "$1: client area ${client_w}x${client_h} at ($client_x, $client_y)"
    # The menu bar is drawn (not white) with its labels (dark text).
    Shoot menubar 50 50 400 "$menu_h"
    od -An -tu1 -v -w3 "$work/menubar.rgb" | awk '
        $1 >= 240 && $2 >= 240 && $3 >= 240 { white++ }
        $1 < 100 && $2 < 100 && $3 < 100 { dark++ }
        END { exit !(white < NR / 10 && dark > 50) }' || Fail "$1: no menu bar drawn above the client area"
    Step "$1: 'Robot Oxel', 400x400 at (50, 50), menu bar $menu_h px, client ${client_w}x${client_h}"
}

StartApp
CheckWindow "no arguments"
StopApp

StartApp --some-arg -iconic -geometry 100x100+0+0 -title Other
CheckWindow "with arguments"
ExpectPicture "with arguments: the cylinder as usual" "$(CylinderQueries)"
