#!/usr/bin/env bash
# Without an X display the program cannot open its window: it says so in one
# line on stderr and ends with a non-zero code, at once.
source "$(dirname "$0")/lib.sh"

# ExpectRefusal WHAT ENV...: runs the program under `env ENV...`.
ExpectRefusal()
{
    local what=$1 code=0
    shift
    timeout 10 env "$@" "$ROBOT_OXEL" >"$work/stdout" 2>"$work/stderr" || code=$?
    [ "$code" -ne 124 ] || Fail "$what: the program was still running after 10 s"
    [ "$code" -ne 0 ] || Fail "$what: exit code 0"
    [ "$(wc -l <"$work/stderr")" -eq 1 ] && grep -q '^robot-oxel: .' "$work/stderr" ||
        Fail "$what: expected one line 'robot-oxel: ...' on stderr, got: $(cat "$work/stderr")"
    [ ! -s "$work/stdout" ] || Fail "$what: the program wrote to stdout: $(cat "$work/stdout")"
    Step "$what: exit code $code, stderr: $(cat "$work/stderr")"
}

ExpectRefusal "DISPLAY unset" -u DISPLAY
ExpectRefusal "DISPLAY naming no server" DISPLAY=:64999
