#!/usr/bin/env bash
# Ways the program ends on failure: no display, or the X server lost (idle or
# with About open), each with one line on stderr and a non-zero code.
source "$(dirname "$0")/driver.sh"

# shellcheck disable=SC2086 # APP is a command line
timeout 10 env -u DISPLAY $APP >"$work/stdout" 2>"$work/stderr" && fail "the program ran without a display"
[ "$(wc -l <"$work/stderr")" -eq 1 ] && grep -q '^robot-oxel: .' "$work/stderr" || fail "stderr: $(cat "$work/stderr")"
ok "no display: $(cat "$work/stderr")"

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
