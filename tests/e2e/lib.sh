# shellcheck shell=bash
# Helpers shared by the end-to-end tests, sourced by each of them. A test
# runs on a fresh Xvfb display of its own (tests/with_xvfb.sh) without a
# window manager, so focus follows the pointer and nothing decorates or
# moves the windows. Environment: ROBOT_OXEL (the program), CLOSE_WINDOW
# (close_window, a window manager's close box), E2E_ARTIFACTS (optional:
# where a failing test leaves its last screenshot).
set -euo pipefail

: "${ROBOT_OXEL:?path of the robot-oxel executable}"
: "${CLOSE_WINDOW:?path of the close_window helper}"

test_name=$(basename "$0" .sh)
work=$(mktemp -d)
app_pid=          # the running program, if any
main_win=         # its top-level X window
menu_h=           # height of the menu bar, measured
client_x='' client_y='' client_w='' client_h=''   # the GL client area, root coordinates
last_xwd=         # newest root screenshot, kept for a failure report
wait_s=10         # how long a picture or window may take to show up

StopApp()
{
    if [ -n "$app_pid" ] && kill -0 "$app_pid" 2>/dev/null; then
        kill "$app_pid" 2>/dev/null || true
        wait "$app_pid" 2>/dev/null || true
    fi
    app_pid=
}
trap 'StopApp; rm -rf "$work"' EXIT

Fail()
{
    echo "FAIL: $test_name: $*" >&2
    if [ -n "$last_xwd" ] && [ -n "${E2E_ARTIFACTS:-}" ]; then
        mkdir -p "$E2E_ARTIFACTS"
        convert "$last_xwd" "png:$E2E_ARTIFACTS/$test_name.png" 2>/dev/null &&
            echo "  last screenshot: $E2E_ARTIFACTS/$test_name.png" >&2
    fi
    exit 1
}

Step() { echo "ok: $*"; }

NowMs() { date +%s%3N; }

# WaitFor SECONDS COMMAND...: polls until the command succeeds; fails the call otherwise.
WaitFor()
{
    local deadline=$(($(NowMs) + $1 * 1000))
    shift
    until "$@"; do
        [ "$(NowMs)" -lt "$deadline" ] || return 1
        sleep 0.1
    done
}

# Geometry of a window in root coordinates: "X Y WIDTH HEIGHT".
WindowGeometry()
{
    xwininfo -id "$1" | awk '
        /Absolute upper-left X:/ { x = $NF }
        /Absolute upper-left Y:/ { y = $NF }
        /^ *Width:/ { w = $NF }
        /^ *Height:/ { h = $NF }
        END { print x, y, w, h }'
}

IsViewable() { xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }

# The client area is the main window's only child X window, below the menu bar.
ReadClientGeometry()
{
    local children
    children=$(xwininfo -tree -id "$main_win" |
        sed -n 's/.*  \([0-9]*\)x\([0-9]*\)+\(-*[0-9]*\)+\(-*[0-9]*\)  +\(-*[0-9]*\)+\(-*[0-9]*\)$/\1 \2 \3 \4 \5 \6/p')
    [ "$(echo "$children" | wc -l)" -eq 1 ] || Fail "expected one child window (the client area), got: $children"
    local relx
    read -r client_w client_h relx menu_h client_x client_y <<<"$children"
    [ "$relx" -eq 0 ] || Fail "client area starts at x=$relx, not at the window's left edge"
}

# StartApp [ARG...]: starts the program, with the variables in APP_ENV
# (NAME=VALUE) added to its environment; waits for its window and first frame.
APP_ENV=()
StartApp()
{
    env "${APP_ENV[@]}" "$ROBOT_OXEL" "$@" >"$work/stdout" 2>"$work/stderr" &
    app_pid=$!
    main_win=$(timeout "$wait_s" xdotool search --sync --onlyvisible --name '^Robot Oxel$' | head -n 1) ||
        Fail "no visible 'Robot Oxel' window within $wait_s s; stderr: $(cat "$work/stderr")"
    ReadClientGeometry
    PointAtClient
    ExpectPicture "the first frame (the cylinder's centre)" "grey 0 0"
}

# Keys go to the window under the pointer.
PointAtClient() { xdotool mousemove $((client_x + client_w / 2)) $((client_y + client_h / 2)); }

# WaitExit SECONDS: waits for the program to end; exit_code is its code.
exit_code=
AppEnded() { ! kill -0 "$app_pid" 2>/dev/null; }
# shellcheck disable=SC2034 # exit_code is read by the tests
WaitExit()
{
    WaitFor "$1" AppEnded || Fail "the program still runs after $1 s"
    exit_code=0
    wait "$app_pid" || exit_code=$?
    app_pid=
}

Keys() { xdotool key --delay 20 "$@"; }

# Press COUNT KEY: the same key COUNT times, quickly.
Press() { xdotool key --delay 1 --repeat "$1" --repeat-delay 1 "$2"; }

# ShootScreen: a root screenshot, which Crop cuts regions from.
ShootScreen()
{
    xwd -root -silent >"$work/screen.xwd"
    last_xwd=$work/screen.xwd
}

# Crop NAME [X Y W H]: a region of the last screenshot (the client area by
# default) as raw 8-bit RGB in $work/NAME.rgb.
Crop()
{
    local name=$1 x=${2:-$client_x} y=${3:-$client_y} w=${4:-$client_w} h=${5:-$client_h}
    convert "$work/screen.xwd" -crop "${w}x${h}+${x}+${y}" +repage -depth 8 "rgb:$work/$name.rgb"
}

Shoot() { ShootScreen; Crop "$@"; }

Digest() { md5sum <"$work/$1.rgb" | cut -d' ' -f1; }

# Probe NAME QUERIES: checks a client screenshot where the projection puts
# scene points. The shorter client side spans -100..100 units, the origin is
# at the centre, +Y up. Queries, one a line: "grey X Y" (a grey line pixel
# within 1.5 px of the point) or "white X Y" (only white within 2 px).
# Prints the queries that fail and returns non-zero if any does.
Probe()
{
    od -An -tu1 -v -w3 "$work/$1.rgb" | awk -v w="$client_w" -v h="$client_h" -v q="$2" '
        { pixel[NR - 1] = $0 }
        function Kind(i, j,   c, lo, hi) {
            split(pixel[j * w + i], c, " ")
            if (c[1] >= 240 && c[2] >= 240 && c[3] >= 240) return "white"
            lo = c[1]; hi = c[1]
            if (c[2] < lo) lo = c[2]; if (c[2] > hi) hi = c[2]
            if (c[3] < lo) lo = c[3]; if (c[3] > hi) hi = c[3]
            return (lo >= 96 && hi <= 160 && hi - lo <= 16) ? "grey" : "other"
        }
        END {
            scale = (h < w ? h : w) / 200
            n = split(q, lines, "\n"); bad = 0
            for (k = 1; k <= n; k++) {
                if (split(lines[k], f, " ") != 3) continue
                want = f[1]; cx = w / 2 + f[2] * scale; cy = h / 2 - f[3] * scale
                tol = want == "grey" ? 1.5 : 2
                greys = 0; others = 0; seen = 0
                for (j = int(cy - tol - 1); j <= cy + tol; j++)
                    for (i = int(cx - tol - 1); i <= cx + tol; i++) {
                        if (i < 0 || j < 0 || i >= w || j >= h) continue
                        if ((i + 0.5 - cx) ^ 2 > tol ^ 2 || (j + 0.5 - cy) ^ 2 > tol ^ 2) continue
                        seen++
                        kind = Kind(i, j)
                        if (kind == "grey") greys++
                        if (kind != "white") others++
                    }
                ok = seen > 0 && (want == "grey" ? greys > 0 : others == 0)
                if (!ok) {
                    printf "  expected %s at scene (%s, %s), pixel (%.1f, %.1f)\n", want, f[2], f[3], cx, cy
                    bad = 1
                }
            }
            exit bad
        }'
}

# ExpectPicture WHAT QUERIES: waits until the client area settles (two equal
# screenshots in a row) on a frame that passes the queries.
ExpectPicture()
{
    local what=$1 queries=$2 deadline=$(($(NowMs) + wait_s * 1000)) previous='' digest report
    while :; do
        Shoot picture
        digest=$(Digest picture)
        if report=$(Probe picture "$queries") && [ "$digest" = "$previous" ]; then
            Step "$what"
            return 0
        fi
        previous=$digest
        [ "$(NowMs)" -lt "$deadline" ] || Fail "$what: not seen within $wait_s s"$'\n'"$report"
        sleep 0.1
    done
}

# Remember NAME [X Y W H]: waits for the region (the client area by default)
# to settle and keeps it as NAME.
Remember()
{
    local deadline=$(($(NowMs) + wait_s * 1000)) previous='' digest
    while :; do
        Shoot "$@"
        digest=$(Digest "$1")
        [ "$digest" = "$previous" ] && return 0
        previous=$digest
        [ "$(NowMs)" -lt "$deadline" ] || Fail "the picture does not settle"
        sleep 0.1
    done
}

# ExpectSameAs NAME WHAT: waits until the frame is identical to the one kept as NAME.
ExpectSameAs()
{
    local want deadline=$(($(NowMs) + wait_s * 1000))
    want=$(Digest "$1")
    until Shoot picture && [ "$(Digest picture)" = "$want" ]; do
        [ "$(NowMs)" -lt "$deadline" ] || Fail "$2: the frame is not the same as '$1' within $wait_s s"
        sleep 0.1
    done
    Step "$2"
}

# ExpectChangeFrom NAME WHAT: waits until the frame differs from NAME and settles.
ExpectChangeFrom()
{
    local old deadline=$(($(NowMs) + wait_s * 1000))
    old=$(Digest "$1")
    until Shoot picture && [ "$(Digest picture)" != "$old" ]; do
        [ "$(NowMs)" -lt "$deadline" ] || Fail "$2: the frame did not change within $wait_s s"
        sleep 0.1
    done
    Remember changed
    [ "$(Digest changed)" != "$old" ] || Fail "$2: the frame changed back"
    Step "$2"
}

# Scene queries of each model: CylinderQueries, RobotQueries, Arm1Queries, Arm2Queries.
source "$(dirname "${BASH_SOURCE[0]}")/scene_queries.sh"

# Menus. The menu bar's labels are found in its pixels, the popups among the
# root window's children: FLTK shows each popup as an unnamed window whose
# top edge is at the menu bar's bottom.

# MenuLabelCentre INDEX: root x of the centre of the INDEX-th (0-based) label.
MenuLabelCentre()
{
    local x y w h
    read -r x y w h < <(WindowGeometry "$main_win")
    Shoot menubar "$x" "$((y + menu_h / 2))" "$w" 1
    od -An -tu1 -v -w3 "$work/menubar.rgb" | awk -v want="$1" -v x0="$x" '
        BEGIN { last = -100 }
        { dark = ($1 < 100 && $2 < 100 && $3 < 100) }
        dark && !inword { if (NR - 1 - last > 10) { words++; start[words] = NR - 1 }; inword = 1 }
        dark { last = NR - 1; stop[words] = NR - 1 }
        !dark { inword = 0 }
        END { if (want + 1 > words) exit 1; print x0 + int((start[want + 1] + stop[want + 1]) / 2) }'
}

# Geometry "X Y W H" of the open popup with at least MIN_HEIGHT pixels.
FindPopup()
{
    local id x y w h
    for id in $(xwininfo -root -children | awk '/^ +0x[0-9a-f]+ \(has no name\)/ { print $1 }'); do
        IsViewable "$id" || continue
        read -r x y w h < <(WindowGeometry "$id")
        if [ "$y" -eq "$client_y" ] && [ "$h" -ge "$MIN_POPUP_H" ]; then
            echo "$x $y $w $h"
            return 0
        fi
    done
    return 1
}

# WaitPopup MIN_HEIGHT: waits for the popup; sets popup_x/y/w/h.
popup_x='' popup_y='' popup_w='' popup_h=''
WaitPopup()
{
    MIN_POPUP_H=$1
    local geometry
    WaitFor "$wait_s" FindPopup >/dev/null || Fail "no menu popup at least $1 px high opened"
    geometry=$(FindPopup)
    read -r popup_x popup_y popup_w popup_h <<<"$geometry"
}

NoPopup() { MIN_POPUP_H=1; ! FindPopup >/dev/null; }

# The Robot popup has four items in equal rows; File has one.
ROBOT_POPUP_MIN_H=60
RowCentreY() { echo $((popup_y + (2 * $1 + 1) * popup_h / 8)); }

# Which rows of the open Robot popup show a check mark: ink drawn inside the
# white box at the row's left end. Prints the row numbers, one a line.
CheckedRows()
{
    local row
    ShootScreen
    for row in 0 1 2 3; do
        Crop "check$row" $((popup_x + 2)) $((popup_y + row * popup_h / 4)) 20 $((popup_h / 4))
        od -An -tu1 -v -w3 "$work/check$row.rgb" | awk -v row="$row" '
            { i = (NR - 1) % 20; c[i] = ($1 < 100 && $2 < 100 && $3 < 100) ? "ink" : \
                  ($1 >= 240 && $2 >= 240 && $3 >= 240) ? "white" : "other"
              if (i < 19) next
              for (k = 1; k < 19; k++) {
                  if (c[k] != "ink") continue
                  left = 0; right = 0
                  for (m = 0; m < k; m++) if (c[m] == "white") left = 1
                  for (m = k + 1; m < 20; m++) if (c[m] == "white") right = 1
                  if (left && right) inside++
              } }
            END { if (inside >= 5) print row }'
    done
}

# The highlighted row of the open Robot popup, or nothing: the row whose
# middle line is mostly FLTK's dark blue selection colour.
HighlightedRow()
{
    local row
    ShootScreen
    for row in 0 1 2 3; do
        Crop "row$row" "$popup_x" "$(RowCentreY "$row")" "$popup_w" 1
        od -An -tu1 -v -w3 "$work/row$row.rgb" |
            awk -v w="$popup_w" '$3 >= $1 + 60 && $3 >= $2 + 60 { blue++ } END { exit !(blue > w / 2) }' &&
            echo "$row"
    done
    return 0
}

MODEL_NAMES=(Cylinder Arm1 Arm2 Robot_siatka)

OpenRobotMenuByMouse()
{
    local x
    x=$(MenuLabelCentre 1) || Fail "cannot find the menu bar's labels"
    xdotool mousemove "$x" $((client_y - menu_h / 2)) click 1
    WaitPopup $ROBOT_POPUP_MIN_H
}

# Alt+F opens File, Right moves on to the Robot popup.
OpenRobotMenuByKeyboard()
{
    PointAtClient
    Keys alt+f
    MIN_POPUP_H=1
    WaitFor "$wait_s" FindPopup >/dev/null || Fail "Alt+F opened no popup"
    Keys Right
    WaitPopup $ROBOT_POPUP_MIN_H
}

# ChooseModelByMouse INDEX and ChooseModelByKeyboard INDEX (0 Cylinder .. 3 Robot_siatka).
ChooseModelByMouse()
{
    OpenRobotMenuByMouse
    xdotool mousemove $((popup_x + popup_w / 2)) "$(RowCentreY "$1")" click 1
    WaitFor "$wait_s" NoPopup || Fail "the Robot popup stays open after a click on ${MODEL_NAMES[$1]}"
    PointAtClient
}

# Down or Up until the item is highlighted: where the highlight starts (on
# no item, the first, or the one picked last) is the toolkit's business.
ChooseModelByKeyboard()
{
    OpenRobotMenuByKeyboard
    local tries=0 row
    while row=$(HighlightedRow) && [ "$row" != "$1" ]; do
        tries=$((tries + 1))
        [ $tries -le 8 ] || Fail "the arrow keys never highlight ${MODEL_NAMES[$1]}"
        if [ -z "$row" ] || [ "$row" -lt "$1" ]; then Keys Down; else Keys Up; fi
        sleep 0.1
    done
    Keys Return
    WaitFor "$wait_s" NoPopup || Fail "the Robot popup stays open after Enter on ${MODEL_NAMES[$1]}"
}

# About dialog.
about_win=
# OpenAbout [KEY]: Alt+H, then KEY (default a, the item's mnemonic).
OpenAbout()
{
    PointAtClient
    Keys alt+h
    MIN_POPUP_H=1
    WaitFor "$wait_s" FindPopup >/dev/null || Fail "Alt+H opened no popup"
    Keys "${1:-a}"
    about_win=$(timeout "$wait_s" xdotool search --sync --onlyvisible --name '^About OpenGL$' | head -n 1) ||
        Fail "no visible 'About OpenGL' window within $wait_s s"
}

AboutOpen() { IsViewable "$about_win"; }
AboutClosed() { ! AboutOpen; }
