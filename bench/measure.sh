#!/usr/bin/env bash
# The measurements behind scripts/bench.sh, run on the Xvfb that
# tests/with_xvfb.sh starts: each model's frame beside the same stream as
# vertex arrays, a display list and a VBO; start-up and peak memory beside
# glxgears; key-to-frame latency. Prints two Markdown tables, and fails when
# any figure cannot be taken.
# Environment: APP, XPROBE, SCENES (as for the end-to-end tests),
# FRAME_BENCH, FRAME_WATCH, RUNS (start-ups of each program), KEYS (key
# presses), REPETITIONS and MIN_TIME (of each frame benchmark, in seconds).
# shellcheck source=tests/e2e/driver.sh
source "$(dirname "$0")/../tests/e2e/driver.sh"
: "${FRAME_BENCH:?}" "${FRAME_WATCH:?}" "${RUNS:?}" "${KEYS:?}" "${REPETITIONS:?}" "${MIN_TIME:?}"

Median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
Ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
# Need WHAT VALUE: VALUE, which must be a number.
Need() { [[ $2 =~ ^[0-9.]+$ ]] || fail "no figure for $1"; echo "$2"; }

# Frame cost: every way of every model in one run, their repetitions in a
# random interleaving so that a busy moment hits all alike; the median in
# wall-clock time, as llvmpipe rasterises on threads of its own.
"$FRAME_BENCH" --benchmark_repetitions="$REPETITIONS" --benchmark_min_time="$MIN_TIME" \
    --benchmark_enable_random_interleaving=true --benchmark_report_aggregates_only=true \
    --benchmark_format=csv 2>"$work/frames.err" >"$work/frames.csv" ||
    fail "frame_bench: $(cat "$work/frames.err")"
FrameUs() { Need "frame $1" "$(awk -F, -v name="\"$1_median\"" '$1 == name { print $3 / 1000 }' "$work/frames.csv")"; }

# Start-up: the two programs by turns, for the same reason.
for ((run = 0; run < RUNS; run++)); do
    "$FRAME_WATCH" start child "$APP" >>"$work/robot.start" || fail "frame_watch: Robot Oxel"
    "$FRAME_WATCH" start toplevel glxgears >>"$work/gears.start" || fail "frame_watch: glxgears"
done
Pick() { Need "$2 of $1" "$(awk -v key="$2" '$1 == key { print $2 }' "$work/$1.start" | Median)"; }

# Key to frame: Right and Left by turns on the robot, timed to the next drawing.
start >/dev/null
pick 3
expect_frame robot >/dev/null
"$FRAME_WATCH" keys "$client" "$KEYS" Right Left >"$work/keys" || fail "frame_watch: keys"
stop
[ "$(wc -l <"$work/keys")" -eq "$KEYS" ] || fail "frame_watch timed $(wc -l <"$work/keys") of $KEYS keys"
key_median=$(Need "key to frame" "$(awk '{ print $1 }' "$work/keys" | Median)")
key_max=$(awk '{ print $1 }' "$work/keys" | sort -g | tail -n 1)
shown=$(grep -c ' changed$' "$work/keys" || true)

echo "| Frame (DrawScene + glFinish; median of $REPETITIONS) | Robot Oxel | Vertex arrays | Display list | VBO | Ratio to the cheapest |"
echo "|---|---|---|---|---|---|"
for model in Cylinder Arm1 Arm2 Robot_siatka; do
    program=$(FrameUs "program/$model")
    arrays=$(FrameUs "arrays/$model")
    list=$(FrameUs "list/$model")
    vbo=$(FrameUs "vbo/$model")
    cheapest=$(printf '%s\n' "$arrays" "$list" "$vbo" | sort -g | head -n 1)
    printf '| %s | %.0f µs | %.0f µs | %.0f µs | %.0f µs | %s |\n' \
        "$model" "$program" "$arrays" "$list" "$vbo" "$(Ratio "$program" "$cheapest")"
done
echo
echo "| Measure | Robot Oxel | Reference | Ratio | Target |"
echo "|---|---|---|---|---|"
robot_ms=$(Pick robot first_frame_ms)
gears_ms=$(Pick gears first_frame_ms)
printf '| Start to first frame (median of %d) | %.1f ms | glxgears %.1f ms | %s | ≤ 1.2 |\n' \
    "$RUNS" "$robot_ms" "$gears_ms" "$(Ratio "$robot_ms" "$gears_ms")"
robot_kib=$(Pick robot peak_rss_kib)
gears_kib=$(Pick gears peak_rss_kib)
printf '| Peak resident memory (median of %d) | %.1f MiB | glxgears %.1f MiB | %s | ≤ 1.2 |\n' \
    "$RUNS" "$(Ratio "$robot_kib" 1024)" "$(Ratio "$gears_kib" 1024)" "$(Ratio "$robot_kib" "$gears_kib")"
printf '| Key to frame, robot (median of %d; max %.2f ms) | %.2f ms | robot frame %.0f µs | %s of %d keys in the first frame | first frame |\n' \
    "$KEYS" "$key_max" "$key_median" "$(FrameUs program/Robot_siatka)" "$shown" "$KEYS"
