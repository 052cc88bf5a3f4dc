#!/usr/bin/env bash
# Runs a command on a fresh Xvfb display of its own, so tests never touch the
# user's desktop and can run in parallel. Usage: with_xvfb.sh COMMAND [ARG...]
# XVFB_SCREEN: the screen, WIDTHxHEIGHTxDEPTH, 1024x768x24 by default.
set -euo pipefail

fifo=$(mktemp -u)
mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 "${XVFB_SCREEN:-1024x768x24}" -noreset -nolisten tcp 3>"$fifo" 2>/dev/null &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; wait $xvfb 2>/dev/null; rm -f "$fifo"' EXIT
read -r -t 20 display <"$fifo" || { echo "with_xvfb: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$display"
"$@"
