#!/usr/bin/env bash
# The first frame shows the cylinder end-on: its rim of radius 20 around the
# client area's centre, grey on white, and nothing else.
source "$(dirname "$0")/lib.sh"

StartApp
ExpectPicture "the cylinder's rim and spokes at the predicted pixels" "$(CylinderQueries)"
