#!/usr/bin/env bash
# Starts COMMAND (the installed program) on $DISPLAY, waits for its window,
# checks it stays up, then quits through File/Exit and expects exit code 0.
# Usage: run-installed.sh COMMAND [ARG...]
set -euo pipefail

"$@" &
pid=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Robot Oxel$' | head -n 1) || {
    echo "no visible window named 'Robot Oxel' within 20 s" >&2
    kill "$pid" 2>/dev/null
    exit 1
}
sleep 2
kill -0 "$pid" 2>/dev/null || { echo "the program ended by itself" >&2; exit 1; }

# Keyboard focus follows the pointer on a bare Xvfb.
xdotool mousemove --window "$window" 200 200
xdotool key --delay 200 alt+f x
for _ in $(seq 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.2
done
if kill -0 "$pid" 2>/dev/null; then
    echo "File/Exit did not end the program" >&2
    kill "$pid"
    exit 1
fi
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || { echo "the program exited with code $status" >&2; exit 1; }
