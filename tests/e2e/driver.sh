# shellcheck shell=bash
# The end-to-end driver, sourced by each scenario: the program on the current
# X display, worked with real keys (xdotool) and checked by what the X server
# shows (xprobe), the Linux program and the Windows one under Wine alike.
#   APP      the command that starts the program (split into words)
#   XPROBE   tests/e2e/xprobe
#   SCENES   tests/scenes.txt, the scene predictions
#   E2E_ARTIFACTS  optional: where a failure leaves its screenshot
set -euo pipefail
: "${APP:?the command that starts the program}" "${XPROBE:?path of xprobe}" "${SCENES:?path of scenes.txt}"

test_name=$(basename "$0" .sh)
work=$(mktemp -d)
app_pid=''   # the running program
main_win=''  # its top-level window
client=''    # its client area's window
wait_s=${E2E_WAIT:-10}

stop() { if [ -n "$app_pid" ]; then kill "$app_pid" 2>/dev/null || true; wait "$app_pid" 2>/dev/null || true; fi; app_pid=''; }
trap 'stop; rm -rf "$work"' EXIT

fail()
{
    echo "FAIL: $test_name: $*" >&2
    if [ -n "${E2E_ARTIFACTS:-}" ] && mkdir -p "$E2E_ARTIFACTS"; then
        xwd -root -silent | convert xwd:- "$E2E_ARTIFACTS/$test_name.png" 2>/dev/null || true
    fi
    exit 1
}
ok() { echo "ok: $*"; }

# poll COMMAND...: retries for up to wait_s seconds; false if it never succeeds.
poll()
{
    local deadline=$((SECONDS + wait_s))
    until "$@"; do [ $SECONDS -lt $deadline ] || return 1; sleep 0.1; done
}

# window TITLE: the id of the visible window with that exact title.
window() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 | grep .; }
no_window() { ! window "$1" >/dev/null; }

# start [ARG...]: the program, its window, its client area and its first frame.
start()
{
    # shellcheck disable=SC2086 # APP is a command line
    $APP "$@" >"$work/stdout" 2>"$work/stderr" &
    app_pid=$!
    main_win=$(poll window "Robot Oxel") || fail "no 'Robot Oxel' window: $(cat "$work/stderr")"
    client=$(poll "$XPROBE" client "$main_win") || fail "no client area in the main window"
    read -r client cx cy cw ch <<<"$client"
    xdotool mousemove $((cx + cw / 2)) $((cy + ch / 2))
    expect_frame cylinder
}

# press KEY[*COUNT]...: xdotool key names, each COUNT times.
press()
{
    local key count
    for key in "$@"; do
        count=1
        if [[ $key == *\** ]]; then count=${key##*\*} key=${key%\**}; fi
        xdotool key --delay 5 --repeat "$count" --repeat-delay 5 "$key"
    done
}

popup() { "$XPROBE" popup; }
no_popup() { ! popup >/dev/null; }

# menu KEY...: keys into the menus, each once the popups have changed and settled.
popup_state() { local p; if p=$(popup); then echo "$p $("$XPROBE" digest "${p%% *}")"; else echo none; fi; }
popups_moved() { local now; now=$(popup_state) && [ "$now" != "$1" ] && sleep 0.05 && [ "$(popup_state)" = "$now" ]; }
menu()
{
    local key before
    for key in "$@"; do
        before=$(popup_state)
        press "$key"
        if [ "$key" = F10 ]; then poll no_popup; else poll popups_moved "$before"; fi ||
            fail "the menus do not answer $key"
    done
}

# pick MODEL: the Robot menu's item MODEL (0 Cylinder .. 3 Robot_siatka) by keyboard.
pick()
{
    local downs=()
    for ((k = 0; k < $1; k++)); do downs+=(Down); done
    menu alt+f Right "${downs[@]}" Return
}

# expect_frame SCENE: waits for a settled frame that passes the scene's predictions.
settled() { local a b; a=$("$XPROBE" digest "$client") && sleep 0.05 && b=$("$XPROBE" digest "$client") && [ "$a" = "$b" ]; }
frame_is() { settled && "$XPROBE" scene "$client" "$SCENES" "$1" >"$work/report"; }
expect_frame() { poll frame_is "$1" || fail "frame is not '$1':"$'\n'"$(cat "$work/report")"; ok "frame '$1'"; }

# The scenes of the table, in its order.
scenes() { awk '$1 == "scene" { print $2 }' "$SCENES"; }

# reach SCENE: picks the scene's model, presses its keys and expects its
# frame; then each key's partner as often brings back the model at rest.
declare -A partner=([1]=2 [2]=1 [3]=4 [4]=3 [5]=6 [6]=5 [Left]=Right [Right]=Left [Up]=Down [Down]=Up)
reach()
{
    local model keys undo=() key
    read -r model keys < <(awk -v s="$1" '$1 == "scene" && $2 == s { $1 = $2 = ""; print }' "$SCENES")
    pick "$model"
    # shellcheck disable=SC2086 # the keys are words
    press $keys
    expect_frame "$1"
    for key in $keys; do undo+=("${partner[${key%\**}]}*${key#*\*}"); done
    press "${undo[@]}"
    expect_frame "$(awk -v m="$model" '$1 == "scene" && $3 == m && NF == 3 { print $2; exit }' "$SCENES")"
}

# remember NAME; expect_same NAME WHAT; expect_change NAME WHAT: whole frames.
remember() { poll settled || fail "the frame does not settle"; "$XPROBE" digest "$client" >"$work/$1"; }
same_as() { settled && [ "$("$XPROBE" digest "$client")" = "$(cat "$work/$1")" ]; }
expect_same() { poll same_as "$1" || fail "$2: not the frame '$1'"; ok "$2"; }
changed_from() { settled && [ "$("$XPROBE" digest "$client")" != "$(cat "$work/$1")" ]; }
expect_change() { poll changed_from "$1" || fail "$2: still the frame '$1'"; ok "$2"; }

# expect_exit CODE: the program ends with CODE and nothing on stderr.
ended() { ! kill -0 "$app_pid" 2>/dev/null; }
expect_exit()
{
    local code=0
    poll ended || fail "the program still runs"
    wait "$app_pid" || code=$?
    app_pid=''
    [ "$code" -eq "$1" ] || fail "exit code $code, expected $1; stderr: $(cat "$work/stderr")"
    [ "$1" -ne 0 ] || [ ! -s "$work/stderr" ] || fail "stderr: $(cat "$work/stderr")"
    ok "exit code $code"
}
