#!/usr/bin/env bash
# One scripted session, as a person might use the program: every model from
# the Robot menu, 200 keys, the About dialog opened and closed twice (Enter,
# then the close box), File/Exit. ROBOT_OXEL is expected to run the program
# under valgrind, which takes seconds to show the window.
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/../e2e/lib.sh"
wait_s=120

StartApp
ChooseModelByMouse 1
ExpectPicture "Arm1" "$(Arm1Queries)"
ChooseModelByMouse 2
ExpectPicture "Arm2" "$(Arm2Queries)"
ChooseModelByMouse 0
ExpectPicture "Cylinder" "$(CylinderQueries)"
ChooseModelByMouse 3
ExpectPicture "Robot_siatka" "$(RobotQueries)"
Remember rest

# Arrows, joint keys and a few that do nothing, in a fixed order.
mapfile -t keys < <(awk 'BEGIN {
    srand(200); split("Up Down Left Right 1 2 3 4 5 6 space a KP_1", k, " ")
    for (i = 0; i < 200; i++) print k[int(rand() * 13) + 1]
}')
xdotool key --delay 10 "${keys[@]}"
ExpectChangeFrom rest "200 keys move the robot"

OpenAbout
Keys Return
WaitFor "$wait_s" AboutClosed || Fail "Enter did not close the About dialog"
Step "About opened and closed with Enter"
OpenAbout
"$CLOSE_WINDOW" "$about_win"
WaitFor "$wait_s" AboutClosed || Fail "a close request did not close the About dialog"
Step "About opened and closed by a close request"

PointAtClient
Keys alt+f
MIN_POPUP_H=1
WaitFor "$wait_s" FindPopup >/dev/null || Fail "Alt+F opened no popup"
Keys x
WaitExit "$wait_s"
[ "$exit_code" -eq 0 ] || Fail "exit code $exit_code (valgrind's 99: errors or definite leaks in its log)"
Step "File/Exit: the program ended with code 0"
