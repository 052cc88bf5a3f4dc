#!/usr/bin/env bash
# 10,000 key presses sent to the real program as fast as the X server takes
# them lose nothing: the picture they leave is the one a fresh run shows
# after only their net effect. Then another flood with File/Exit right
# behind it: the program must be gone within a second of the last key.
# ROBOT_OXEL_FLOOD_SEED repeats a run's key sequence.
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/../e2e/lib.sh"

seed=${ROBOT_OXEL_FLOOD_SEED:-$((RANDOM * 32768 + RANDOM))}
echo "key flood: seed $seed (set ROBOT_OXEL_FLOOD_SEED to repeat)"
FloodFail() { Fail "$* (seed $seed)"; }

count=10000
batch=500         # keys per xdotool call, well inside the argument limit
exit_limit_ms=1000

# Keys: the four arrows and the six joint keys, uniformly.
awk -v seed="$seed" -v n="$count" 'BEGIN {
    srand(seed); split("Up Down Left Right 1 2 3 4 5 6", k, " ")
    for (i = 0; i < n; i++) print k[int(rand() * 10) + 1]
}' >"$work/keys"

# What the keys should leave: each rotation truncated and reduced by 360
# after every key, as the program does; the joints simply add up.
read -r rot_x rot_y waist shoulder elbow < <(awk '
    function Wrap(v) { v = int(v); return v % 360 }
    /^Up$/ { x -= 5 } /^Down$/ { x += 5 } /^Left$/ { y -= 5 } /^Right$/ { y += 5 }
    /^1$/ { w-- } /^2$/ { w++ } /^3$/ { s-- } /^4$/ { s++ } /^5$/ { e-- } /^6$/ { e++ }
    { x = Wrap(x); y = Wrap(y) }
    END { print x + 0, y + 0, w + 0, s + 0, e + 0 }' "$work/keys")
echo "key flood: predicted view $rot_x, $rot_y; waist $waist, shoulder $shoulder, elbow $elbow"

# Repeat COUNT KEY_IF_POSITIVE KEY_IF_NEGATIVE: |COUNT| presses of one of them.
Repeat()
{
    local n=$1 key=$2
    if [ "$n" -lt 0 ]; then n=$((-n)); key=$3; fi
    for ((i = 0; i < n; i++)); do echo "$key"; done
}

# SendKeys FILE [EXTRA...]: every key in the file, then the extra ones, in
# batches without any delay; returns once the X server has taken them all.
SendKeys()
{
    local file=$1
    shift
    split -l "$batch" "$file" "$work/batch."
    local part
    for part in "$work"/batch.*; do
        # shellcheck disable=SC2046 # one key name a word
        xdotool key --delay 0 $(cat "$part")
        rm -f "$part"
    done
    [ $# -eq 0 ] || xdotool key --delay 0 "$@"
}

# shellcheck disable=SC2119 # the program is started without arguments
StartRobot()
{
    StartApp
    ChooseModelByMouse 3
    ExpectPicture "the robot at rest" "$(RobotQueries)"
    Remember rest
}

# The reference: a fresh run given only the net effect of the keys.
{
    Repeat $((rot_x / 5)) Down Up
    Repeat $((rot_y / 5)) Right Left
    Repeat "$waist" 2 1
    Repeat "$shoulder" 4 3
    Repeat "$elbow" 6 5
} >"$work/net"
StartRobot
SendKeys "$work/net"
Remember net
[ "$(Digest net)" != "$(Digest rest)" ] || FloodFail "the net keys left the rest pose; no picture to compare"
# One key more must show, or the comparison below could not see a lost key.
xdotool key 1
ExpectChangeFrom net "one waist key more changes the reference picture"
StopApp

StartRobot
start=$(NowMs)
SendKeys "$work/keys"
sent=$(NowMs)
Step "$count keys sent in $((sent - start)) ms"
wait_s=30
ExpectSameAs net "after $count keys the picture is the one their net effect gives"
Step "the picture settled within $(($(NowMs) - sent)) ms of the last key (screenshot polling included)"

# File/Exit (Alt+F, X) queued right behind a second flood.
SendKeys "$work/keys" alt+f x
sent=$(NowMs)
WaitFor 10 AppEnded || FloodFail "the program still runs 10 s after File/Exit"
ended=$(NowMs)
WaitExit 1
[ "$exit_code" -eq 0 ] || FloodFail "exit code $exit_code after File/Exit; stderr: $(cat "$work/stderr")"
[ $((ended - sent)) -le $exit_limit_ms ] ||
    FloodFail "File/Exit behind $count keys took $((ended - sent)) ms, over $exit_limit_ms ms"
Step "File/Exit right behind $count more keys ended the program $((ended - sent)) ms after the last key"
