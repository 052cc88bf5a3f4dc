# shellcheck shell=bash
# Where each model's lines fall, in scene units, for a probe of the picture
# (one query a line: "grey X Y" or "white X Y"). Shared by the end-to-end
# tests of the Linux program and of the Windows build under Wine.

# Scene queries of each model, unrotated and with the robot at rest.

# Cylinder of radius 20 seen end-on: grey on the rim between its 16 corners
# (where no spoke of the caps runs), white just outside and between spokes.
CylinderQueries()
{
    awk 'BEGIN {
        pi = atan2(0, -1); step = pi / 8
        for (k = 0; k < 16; k++) {
            a = (k + 0.5) * step
            printf "grey %.3f %.3f\n", 20 * cos(step / 2) * sin(a), 20 * cos(step / 2) * cos(a)
            printf "white %.3f %.3f\n", 25 * sin(a), 25 * cos(a)
            printf "white %.3f %.3f\n", 14 * sin(a), 14 * cos(a)
        }
        print "grey 0 0"
        print "white 60 60"; print "white -60 -60"; print "white -95 90"; print "white 95 -90"
    }'
}

# The robot at rest: base plate y -50..-45 (radius 30), column and turret
# x -10..10 up to y 15, shoulder axle x -20..20 about y 15, upper arm
# edge-on at x 20..30, forearm hanging down at x 10..20 to y -35.
RobotQueries()
{
    cat <<'EOF'
grey -25 -50
grey 25 -50
grey -25 -45
grey -10 -25
grey 10 -25
grey -20 15
grey -15 25
grey 30 10
grey 20 -20
grey 15 -35
white -25 -30
white 25 -25
white -35 -47
white 0 -60
white 0 60
white -50 0
white 60 0
EOF
}

# Upper arm link: pivot half disc of radius 15 on +X, body tapering to the
# far half disc of radius 10 about (-60, 0); only the outline is drawn.
Arm1Queries()
{
    cat <<'EOF'
grey 14.43 -2.87
grey 0 0
grey -30 12.5
grey -30 -12.5
grey -69.62 1.91
white -30 0
white -30 20
white -30 -20
white 20 0
white -76 0
EOF
}

# Forearm link: pivot half disc of radius 10 on +X, body tapering to the
# flat end face at x = -50.
Arm2Queries()
{
    cat <<'EOF'
grey 9.62 -1.91
grey -25 7.5
grey -25 -7.5
grey -50 0
white -25 0
white -25 14
white -58 0
white 15 0
EOF
}
