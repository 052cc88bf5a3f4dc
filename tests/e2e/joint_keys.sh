#!/usr/bin/env bash
# Keys 1 to 6 move the robot's waist, shoulder and elbow by 1 degree each:
# turning a joint by 90 or 180 degrees moves the links to the predicted
# place, and as many presses of the partner key bring back the same frame.
source "$(dirname "$0")/lib.sh"

# TurnJoint KEY BACK COUNT WHAT QUERIES: COUNT x KEY gives the picture,
# COUNT x BACK the rest pose again.
TurnJoint()
{
    Press "$3" "$1"
    ExpectPicture "$3 x key $1: $4" "$5"
    Press "$3" "$2"
    ExpectSameAs rest "$3 x key $2 brings back the rest pose"
}

StartApp
ChooseModelByMouse 3
ExpectPicture "the robot at rest" "$(RobotQueries)"
Remember rest

# The waist turns everything above the column about the vertical; a quarter
# turn brings the forearm, seen broadside, to x = 60 or -60.
TurnJoint 2 1 90 "waist +90, the forearm hangs at x = 60" \
    "grey 60 -35
grey 52.5 -10
white 20 -20"
TurnJoint 1 2 90 "waist -90, the forearm hangs at x = -60" \
    "grey -60 -35
grey -52.5 -10
white 20 -20"

# The shoulder turns the upper arm about the horizontal axle: from pointing
# at the viewer to pointing up (-90) or down (+90).
TurnJoint 3 4 90 "shoulder -90, the upper arm points up" \
    "grey 30 50
grey 20 50
white 20 -20"
TurnJoint 4 3 90 "shoulder +90, the upper arm points down" \
    "grey 30 -40
grey 20 -40"

# The elbow turns the forearm from hanging down to pointing up, either way round.
TurnJoint 6 5 180 "elbow +180, the forearm points up" \
    "grey 20 50
grey 15 65
white 20 -20
white 15 -35"
TurnJoint 5 6 180 "elbow -180, the forearm points up" \
    "grey 20 50
grey 15 65
white 20 -20
white 15 -35"
