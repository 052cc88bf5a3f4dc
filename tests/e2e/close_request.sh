#!/usr/bin/env bash
# A close request (WM_DELETE_WINDOW, what a window manager's close box
# sends) ends the program with code 0, quietly.
source "$(dirname "$0")/lib.sh"

StartApp
"$CLOSE_WINDOW" "$main_win"
WaitExit 5
[ "$exit_code" -eq 0 ] || Fail "exit code $exit_code, expected 0; stderr: $(cat "$work/stderr")"
[ ! -s "$work/stderr" ] || Fail "the program wrote to stderr: $(cat "$work/stderr")"
Step "WM_DELETE_WINDOW ends the program with code 0 and nothing on stderr"
