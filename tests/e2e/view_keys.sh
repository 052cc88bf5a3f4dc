#!/usr/bin/env bash
# The arrow keys turn the whole view in steps of 5 degrees: a quarter turn
# shows the cylinder from its side on the predicted side of the centre, and
# a full turn of 72 steps brings back the very same frame.
source "$(dirname "$0")/lib.sh"

# Cylinder of radius 20 and height 20 seen from its side: a 20 x 40 outline
# beside the centre. AXIS is the screen axis its height lies along, SIGN the
# side (+1 right or up, -1 left or down).
SideViewQueries()
{
    awk -v axis="$1" -v s="$2" 'function P(kind, along, across) {
            if (axis == "x") printf "%s %s %s\n", kind, s * along, across
            else printf "%s %s %s\n", kind, across, s * along
        }
        BEGIN {
            P("grey", 0, -10); P("grey", 20, -10); P("grey", 10, 20); P("grey", 10, -20)
            P("grey", 0, 10); P("grey", 20, 10)
            P("white", -10, 0); P("white", 30, 0); P("white", 10, 25); P("white", 10, -25)
            P("white", 10, 3.8)
        }'
}

StartApp
Remember start
ExpectPicture "the cylinder end-on" "$(CylinderQueries)"

Press 18 Right
ExpectPicture "18 x Right: the cylinder's side, to the right of the centre" "$(SideViewQueries x 1)"
Press 36 Left
ExpectPicture "36 x Left: the cylinder's side, to the left of the centre" "$(SideViewQueries x -1)"
Press 18 Right
ExpectSameAs start "back to the start after as many Right as Left"

Press 18 Up
ExpectPicture "18 x Up: the cylinder's side, above the centre" "$(SideViewQueries y 1)"
Press 36 Down
ExpectPicture "36 x Down: the cylinder's side, below the centre" "$(SideViewQueries y -1)"
Press 18 Up
ExpectSameAs start "back to the start after as many Up as Down"

Press 72 Right
ExpectSameAs start "72 x Right (a full turn) gives the very same frame"

# The 72nd Up reaches -360, which wraps to 0: 73 presses are one.
Press 1 Up
ExpectChangeFrom start "one Up changes the frame"
Remember oneUp
Press 1 Down
ExpectSameAs start "one Down undoes it"
Press 73 Up
ExpectSameAs oneUp "73 x Up gives the same frame as one Up"
