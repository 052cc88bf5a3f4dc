#!/usr/bin/env bash
# The Robot menu, worked with the mouse: each model is drawn as predicted,
# and the popup shows exactly one check mark, on the model shown.
source "$(dirname "$0")/lib.sh"

checked=
OnlyChecked() { checked=$(CheckedRows | tr '\n' ' '); [ "$checked" = "$1 " ]; }

# ExpectChecked ROW: opens the popup, waits for it to be drawn with the one check mark.
ExpectChecked()
{
    OpenRobotMenuByMouse
    WaitFor "$wait_s" OnlyChecked "$1" ||
        Fail "check marks on rows '$checked', expected only on ${MODEL_NAMES[$1]} (row $1)"
    Step "only ${MODEL_NAMES[$1]} is checked"
    Keys Escape
    WaitFor "$wait_s" NoPopup || Fail "Escape leaves the Robot popup open"
    PointAtClient
}

StartApp
ExpectChecked 0

ChooseModelByMouse 3
ExpectPicture "Robot_siatka: the robot at rest" "$(RobotQueries)"
ExpectChecked 3

ChooseModelByMouse 1
ExpectPicture "Arm1: the upper arm link" "$(Arm1Queries)"
ExpectChecked 1

ChooseModelByMouse 2
ExpectPicture "Arm2: the forearm link" "$(Arm2Queries)"
ExpectChecked 2

ChooseModelByMouse 0
ExpectPicture "Cylinder again" "$(CylinderQueries)"
ExpectChecked 0
