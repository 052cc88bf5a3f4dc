#!/usr/bin/env bash
# Measures Robot Oxel on Mesa (llvmpipe) under an Xvfb of its own and prints
# one table: each model's frame cost against an empty frame, start-up time
# and peak memory beside Mesa's glxgears started the same way, and the time
# from a key press to the frame that shows it; then the machine it ran on.
# BENCH_RUNS sets the number of start-ups of each program (default 15).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh --tools
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-bench -j"$(nproc)" --target robot-oxel xprobe frame_bench frame_watch >/dev/null

export LIBGL_ALWAYS_SOFTWARE=1
APP=$PWD/build-bench/robot-oxel XPROBE=$PWD/build-bench/tests/e2e/xprobe SCENES=$PWD/tests/scenes.txt \
    FRAME_BENCH=$PWD/build-bench/bench/frame_bench FRAME_WATCH=$PWD/build-bench/bench/frame_watch \
    RUNS=${BENCH_RUNS:-15} tests/with_xvfb.sh bash bench/measure.sh

echo
echo "CPU: $(lscpu | sed -n 's/^Model name: *//p'), $(nproc) cores"
tests/with_xvfb.sh glxinfo -B | sed -n 's/^OpenGL \(renderer\|version\) string: /GL \1: /p'
