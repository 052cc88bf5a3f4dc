#!/usr/bin/env bash
# The keypad's digits are not the main keyboard's: they, like the space bar
# and letters, leave the robot as it is. A Right press after them is the
# barrier: once its frame shows, the keys before it have been handled.
source "$(dirname "$0")/lib.sh"

StartApp
ChooseModelByMouse 3
ExpectPicture "the robot at rest" "$(RobotQueries)"
Remember rest
Keys Right
ExpectChangeFrom rest "Right turns the view"
Remember right
Keys Left
ExpectSameAs rest "Left turns it back"

# xdotool switches NumLock on to type the keypad digits.
Keys KP_1 KP_2 KP_3 KP_4 KP_5 KP_6 KP_1 KP_3 KP_5 space a z Right
ExpectChangeFrom rest "the barrier's Right arrived"
ExpectSameAs right "keypad 1 to 6, space and letters changed nothing"

# The same keys on the main keyboard do move joints.
Keys Left 1 3 5 Right
ExpectChangeFrom right "main keyboard 1, 3 and 5 change the picture"
