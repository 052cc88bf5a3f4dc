#!/usr/bin/env bash
# When the X server goes away under it, the program ends within seconds with
# a one-line message and a non-zero code, whether idle, with the About
# dialog open or inside a menu. Each round kills an Xvfb of the test's own.
source "$(dirname "$0")/lib.sh"

server_pid=
trap 'StopApp; [ -z "$server_pid" ] || kill "$server_pid" 2>/dev/null; rm -rf "$work"' EXIT

StartServer()
{
    rm -f "$work/displayfd"
    mkfifo "$work/displayfd"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -noreset -nolisten tcp 3>"$work/displayfd" 2>/dev/null &
    server_pid=$!
    local display
    read -r -t 20 display <"$work/displayfd" || Fail "Xvfb did not start"
    export DISPLAY=":$display"
}

# KillServerAndExpectEnd WHAT
KillServerAndExpectEnd()
{
    kill "$server_pid"
    wait "$server_pid" 2>/dev/null || true
    server_pid=
    WaitExit 5
    [ "$exit_code" -ne 0 ] || Fail "$1: exit code 0 after losing the X server"
    [ "$(wc -l <"$work/stderr")" -eq 1 ] && grep -q '^robot-oxel: .' "$work/stderr" ||
        Fail "$1: expected one line 'robot-oxel: ...' on stderr, got: $(cat "$work/stderr")"
    Step "$1: exit code $exit_code, stderr: $(cat "$work/stderr")"
}

StartServer
StartApp
KillServerAndExpectEnd "idle"

StartServer
StartApp
OpenAbout
KillServerAndExpectEnd "About dialog open"

StartServer
StartApp
OpenRobotMenuByMouse
KillServerAndExpectEnd "Robot menu open"
