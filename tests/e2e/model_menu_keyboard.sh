#!/usr/bin/env bash
# The Robot menu, worked from the keyboard (Alt+F, Right to the Robot popup,
# Down to the item, Enter): each model is drawn as predicted.
source "$(dirname "$0")/lib.sh"

StartApp
Shoot cylinder
Probe cylinder "$(RobotQueries | grep '^grey -25 -50')" >/dev/null &&
    Fail "the cylinder already shows the robot's base plate line at y = -50"

ChooseModelByKeyboard 3
ExpectPicture "Robot_siatka: the robot at rest, base plate line at y = -50" "$(RobotQueries)"
ChooseModelByKeyboard 1
ExpectPicture "Arm1: the upper arm link" "$(Arm1Queries)"
ChooseModelByKeyboard 2
ExpectPicture "Arm2: the forearm link" "$(Arm2Queries)"
ChooseModelByKeyboard 0
ExpectPicture "Cylinder again" "$(CylinderQueries)"
