#!/usr/bin/env bash
# Measures Robot Oxel on Mesa (llvmpipe) under an Xvfb of its own and prints
# its tables: each model's frame beside the same stream as vertex arrays, a
# display list and a VBO on the same context; start-up time and peak memory
# beside Mesa's glxgears started the same way; the time from a key press to
# the frame that shows it; then the machine it ran on.
# BENCH_RUNS sets the number of start-ups of each program (default 15).
# --smoke takes every figure once, from a few frames, in the test build
# (scripts/test.sh's): it fails when one cannot be taken and holds no timing.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${1:-}" = --smoke ]; then
    build=build runs=1 keys=4 repetitions=2 min_time=0.001
else
    build=build-bench runs=${BENCH_RUNS:-15} keys=100 repetitions=30 min_time=0.05
fi
bash scripts/install-deps.sh --tools
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)" --target robot-oxel xprobe frame_bench frame_watch >/dev/null

export LIBGL_ALWAYS_SOFTWARE=1
APP=$PWD/$build/robot-oxel XPROBE=$PWD/$build/tests/e2e/xprobe SCENES=$PWD/tests/scenes.txt \
    FRAME_BENCH=$PWD/$build/bench/frame_bench FRAME_WATCH=$PWD/$build/bench/frame_watch \
    RUNS=$runs KEYS=$keys REPETITIONS=$repetitions MIN_TIME=$min_time \
    tests/with_xvfb.sh bash bench/measure.sh

echo
echo "CPU: $(lscpu | sed -n 's/^Model name: *//p'), $(nproc) cores"
tests/with_xvfb.sh glxinfo -B | sed -n 's/^OpenGL \(renderer\|version\) string: /GL \1: /p'
