#!/usr/bin/env bash
# robot-oxel.exe under Wine on the display of tests/with_xvfb.sh: the first
# frame shows the cylinder where the projection puts it, the Robot menu
# (from the keyboard: the popup has no mnemonic) switches to the robot, the
# About dialog ignores Escape and closes on Enter, and File/Exit ends the
# program with exit code 0.
# Usage: with_xvfb.sh e2e_test.sh ROBOT-OXEL.EXE, with WINEPREFIX set to a
# prefix made by wineboot. Runs alone: it restarts the prefix's wineserver,
# so that Wine's desktop process belongs to this display.
set -euo pipefail

exe=$1
: "${WINEPREFIX:?set WINEPREFIX to a prefix made by wineboot -i}"
export WINEDEBUG=-all

work=$(mktemp -d)
app_pid=
trap 'if [ -n "$app_pid" ]; then kill "$app_pid" 2>/dev/null; fi; wineserver -k 2>/dev/null; rm -rf "$work"' EXIT

Fail()
{
    echo "FAILED: $*" >&2
    exit 1
}

NowMs() { date +%s%3N; }

# WaitFor SECONDS COMMAND...: polls until the command succeeds.
WaitFor()
{
    local deadline=$(($(NowMs) + $1 * 1000))
    shift
    until "$@"; do
        [ "$(NowMs)" -lt "$deadline" ] || return 1
        sleep 0.1
    done
}

Visible() { xdotool search --onlyvisible --name "^$1\$" >/dev/null; }

# The GL client area is Wine's one child X window of the main window,
# below the menu bar: sets client_x/y/w/h in root coordinates.
ReadClientArea()
{
    local child
    child=$(xwininfo -tree -id "$main_win" |
        sed -n 's/.*  \([0-9]*\)x\([0-9]*\)+[-0-9]*+[-0-9]*  +\([-0-9]*\)+\([-0-9]*\)$/\1 \2 \3 \4/p')
    [ "$(echo "$child" | wc -l)" -eq 1 ] || Fail "expected one child window (the client area), got: $child"
    read -r client_w client_h client_x client_y <<<"$child"
}

# Probe QUERIES: checks the client area of a fresh screenshot where the
# projection puts scene points (the shorter side spans -100..100 units, the
# origin at the centre, +Y up). Queries, one a line: "grey X Y" (a grey line
# pixel within 1.5 px) or "white X Y" (only white within 2 px). Prints the
# failing queries and returns non-zero if there are any.
Probe()
{
    xwd -root -silent | convert xwd:- -crop "${client_w}x${client_h}+${client_x}+${client_y}" \
        +repage -depth 8 "rgb:$work/client.rgb"
    od -An -tu1 -v -w3 "$work/client.rgb" | awk -v w="$client_w" -v h="$client_h" -v q="$1" '
        { pixel[NR - 1] = $0 }
        function Kind(i, j,   c) {
            split(pixel[j * w + i], c, " ")
            if (c[1] >= 240 && c[2] >= 240 && c[3] >= 240) return "white"
            if (c[1] >= 100 && c[1] <= 160 && c[2] == c[1] && c[3] == c[1]) return "grey"
            return "other"
        }
        END {
            scale = (h < w ? h : w) / 200
            n = split(q, lines, "\n")
            for (k = 1; k <= n; k++) {
                split(lines[k], f, " ")
                cx = w / 2 + f[2] * scale; cy = h / 2 - f[3] * scale
                tol = f[1] == "grey" ? 1.5 : 2
                greys = 0; others = 0
                for (j = int(cy - tol); j <= int(cy + tol); j++)
                    for (i = int(cx - tol); i <= int(cx + tol); i++) {
                        kind = Kind(i, j)
                        greys += kind == "grey"; others += kind != "white"
                    }
                if (f[1] == "grey" ? greys == 0 : others > 0) {
                    printf "  expected %s at scene (%s, %s), pixel (%.1f, %.1f)\n", f[1], f[2], f[3], cx, cy
                    bad = 1
                }
            }
            exit bad
        }'
}

# ExpectPicture WHAT QUERIES: waits up to 10 s for a frame that passes.
ExpectPicture()
{
    local deadline=$(($(NowMs) + 10000)) report
    until report=$(Probe "$2"); do
        [ "$(NowMs)" -lt "$deadline" ] || Fail "$1:"$'\n'"$report"
        sleep 0.2
    done
    echo "ok: $1"
}

source "$(dirname "$0")/../e2e/scene_queries.sh"

wineserver -k 2>/dev/null || true
wine "$exe" >"$work/stdout" 2>"$work/stderr" &
app_pid=$!
main_win=$(timeout 30 xdotool search --sync --onlyvisible --name '^Robot Oxel$' | head -n 1) ||
    Fail "no visible 'Robot Oxel' window within 30 s: $(cat "$work/stderr")"
ReadClientArea
# The window's outer rectangle is 400 x 400 at (50, 50); Wine leaves its
# frame and caption to a window manager, so only the client area is seen.
[ "$client_x" -ge 50 ] && [ "$client_y" -ge 50 ] && [ $((client_x + client_w)) -le 450 ] &&
    [ $((client_y + client_h)) -le 450 ] && [ "$client_w" -gt 300 ] && [ "$client_h" -gt 300 ] ||
    Fail "client area ${client_w}x${client_h} at ($client_x, $client_y) is not inside 400 x 400 at (50, 50)"
echo "ok: client area ${client_w}x${client_h} at ($client_x, $client_y)"
xdotool mousemove $((client_x + client_w / 2)) $((client_y + client_h / 2))
xdotool windowfocus --sync "$main_win"

ExpectPicture "the first frame shows the cylinder end-on" "$(CylinderQueries)"

# F10 selects File, Right moves to Robot, Down opens it on Cylinder.
xdotool key --delay 100 F10 Right Down Down Down Down Return
ExpectPicture "Robot_siatka from the Robot menu shows the robot at rest" "$(RobotQueries)"

xdotool key --delay 100 alt+h Return
WaitFor 10 Visible "About OpenGL" || Fail "Help/About opened no 'About OpenGL' dialog"
echo "ok: Help/About opens the About OpenGL dialog"
xdotool key Escape
sleep 1
Visible "About OpenGL" || Fail "Escape closed the About dialog"
echo "ok: Escape leaves the About dialog open"
xdotool key Return
WaitFor 10 eval '! Visible "About OpenGL"' || Fail "Enter did not close the About dialog"
echo "ok: Enter closes the About dialog"

xdotool key --delay 100 alt+f x
WaitFor 20 eval '! kill -0 "$app_pid" 2>/dev/null' || Fail "File/Exit did not end the program within 20 s"
code=0
wait "$app_pid" || code=$?
app_pid=
[ "$code" -eq 0 ] || Fail "File/Exit ended the program with exit code $code, not 0"
echo "ok: File/Exit ends the program with exit code 0"
