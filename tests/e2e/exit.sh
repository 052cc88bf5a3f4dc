#!/usr/bin/env bash
# Ways the program ends (File/Exit: the other scenarios): a close request with 0;
# no display, or the X server lost, with one line on stderr and a non-zero code.
source "$(dirname "$0")/driver.sh"
start
"$XPROBE" close "$main_win"
expect_exit 0

refused()
{
    local code=0
    "$@" >"$work/stdout" 2>"$work/stderr" || code=$?
    [ "$code" -ne 0 ] && [ "$(wc -l <"$work/stderr")" -eq 1 ] && grep -q '^robot-oxel: .' "$work/stderr" ||
        fail "exit code $code, stderr: $(cat "$work/stderr")"
    ok "code $code, $(cat "$work/stderr")"
}
# shellcheck disable=SC2086 # APP is a command line
refused timeout 10 env -u DISPLAY $APP

server=''
trap 'stop; if [ -n "$server" ]; then kill "$server" 2>/dev/null; fi; rm -rf "$work"' EXIT
for case in idle dialog; do
    mkfifo "$work/fd"
    Xvfb -displayfd 3 -screen 0 800x600x24 -noreset -nolisten tcp 3>"$work/fd" 2>/dev/null &
    server=$!
    read -r display <"$work/fd"
    rm "$work/fd"
    DISPLAY=:$display start
    if [ $case = dialog ]; then DISPLAY=:$display menu alt+h Return; fi
    kill $server
    wait $server 2>/dev/null || true
    server=''
    poll ended || fail "the program runs on after losing its X server"
    code=0
    wait "$app_pid" || code=$?
    app_pid=''
    [ $code -ne 0 ] && [ "$(wc -l <"$work/stderr")" -eq 1 ] || fail "$case: code $code, $(cat "$work/stderr")"
    ok "$case: losing the X server ends the program: $(cat "$work/stderr")"
done
