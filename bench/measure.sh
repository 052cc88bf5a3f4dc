#!/usr/bin/env bash
# The measurements behind scripts/bench.sh, run on the Xvfb that
# tests/with_xvfb.sh starts: frame cost, start-up and peak memory beside
# glxgears, and key-to-frame latency. Prints one Markdown table.
# Environment: APP, XPROBE, SCENES (as for the end-to-end tests),
# FRAME_BENCH, FRAME_WATCH, RUNS (start-ups of each program).
# shellcheck source=tests/e2e/driver.sh
source "$(dirname "$0")/../tests/e2e/driver.sh"
: "${FRAME_BENCH:?}" "${FRAME_WATCH:?}" "${RUNS:?}"

Median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
Ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

# Frame cost: the median of 10 repetitions, in wall-clock time, as llvmpipe
# rasterises on threads of its own.
"$FRAME_BENCH" --benchmark_repetitions=10 --benchmark_min_time=0.2 \
    --benchmark_report_aggregates_only=true --benchmark_format=csv 2>/dev/null >"$work/frames.csv"
FrameUs() { awk -F, -v name="\"$1_median\"" '$1 == name { print $3 / 1000 }' "$work/frames.csv"; }
empty=$(FrameUs EmptyFrame)
[ -n "$empty" ] || fail "frame_bench gave no empty frame time"
# The same on one thread, where wall-clock time is the work done, split up.
LP_NUM_THREADS=0 "$FRAME_BENCH" --benchmark_repetitions=10 --benchmark_min_time=0.2 \
    --benchmark_report_aggregates_only=true --benchmark_format=csv 2>/dev/null >"$work/split.csv"
SplitUs() { awk -F, -v name="\"$1_median\"" '$1 == name { print $3 / 1000 }' "$work/split.csv"; }

# Start-up: the two programs by turns, so that a busy moment hits both alike.
for ((run = 0; run < RUNS; run++)); do
    "$FRAME_WATCH" start child "$APP" >>"$work/robot.start"
    "$FRAME_WATCH" start toplevel glxgears >>"$work/gears.start"
done
Pick() { awk -v key="$2" '$1 == key { print $2 }' "$work/$1.start" | Median; }

# Key to frame: Right and Left by turns on the robot, timed to the next drawing.
start >/dev/null
pick 3
expect_frame robot >/dev/null
"$FRAME_WATCH" keys "$client" 100 Right Left >"$work/keys"
stop
key_median=$(awk '{ print $1 }' "$work/keys" | Median)
key_max=$(awk '{ print $1 }' "$work/keys" | sort -g | tail -n 1)
shown=$(grep -c ' changed$' "$work/keys" || true)
robot_frame=$(FrameUs SceneFrame/3)

echo "| Measure | Robot Oxel | Reference | Ratio | Target |"
echo "|---|---|---|---|---|"
models=(Cylinder Arm1 Arm2 Robot_siatka)
for model in 0 1 2 3; do
    us=$(FrameUs "SceneFrame/$model")
    printf '| Frame: %s (DrawScene + glFinish) | %.0f µs | empty frame %.0f µs | %s | ≤ 1.5 |\n' \
        "${models[$model]}" "$us" "$empty" "$(Ratio "$us" "$empty")"
done
robot_ms=$(Pick robot first_frame_ms)
gears_ms=$(Pick gears first_frame_ms)
printf '| Start to first frame (median of %d) | %.1f ms | glxgears %.1f ms | %s | ≤ 1.2 |\n' \
    "$RUNS" "$robot_ms" "$gears_ms" "$(Ratio "$robot_ms" "$gears_ms")"
robot_kib=$(Pick robot peak_rss_kib)
gears_kib=$(Pick gears peak_rss_kib)
printf '| Peak resident memory (median of %d) | %.1f MiB | glxgears %.1f MiB | %s | ≤ 1.2 |\n' \
    "$RUNS" "$(Ratio "$robot_kib" 1024)" "$(Ratio "$gears_kib" 1024)" "$(Ratio "$robot_kib" "$gears_kib")"
printf '| Key to frame, robot (median of 100; max %.2f ms) | %.2f ms | robot frame %.0f µs | %s of 100 keys in the first frame | first frame |\n' \
    "$key_max" "$key_median" "$robot_frame" "$shown"

echo
echo "Where the robot's frame goes, llvmpipe on one thread (LP_NUM_THREADS=0):"
echo
echo "| Frame | Time |"
echo "|---|---|"
printf '| Empty (glClear + glFinish) | %.0f µs |\n' "$(SplitUs EmptyFrame)"
printf '| Robot_siatka shrunk to a point: same calls and vertices, almost no pixels | %.0f µs |\n' "$(SplitUs RobotFrameVariant/1)"
printf '| Robot_siatka filled instead of outlined | %.0f µs |\n' "$(SplitUs RobotFrameVariant/0)"
printf '| Robot_siatka as drawn: outlines of both faces | %.0f µs |\n' "$(SplitUs SceneFrame/3)"
