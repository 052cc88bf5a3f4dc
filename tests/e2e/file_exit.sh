#!/usr/bin/env bash
# File/Exit (Alt+F, X) closes the window and ends the program with code 0,
# quietly.
source "$(dirname "$0")/lib.sh"

StartApp
Keys alt+f
MIN_POPUP_H=1
WaitFor "$wait_s" FindPopup >/dev/null || Fail "Alt+F opened no popup"
Keys x
WaitExit 5
[ "$exit_code" -eq 0 ] || Fail "exit code $exit_code, expected 0; stderr: $(cat "$work/stderr")"
[ ! -s "$work/stderr" ] || Fail "the program wrote to stderr: $(cat "$work/stderr")"
Step "File/Exit ends the program with code 0 and nothing on stderr"
