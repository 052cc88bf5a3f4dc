#!/usr/bin/env bash
# Builds the browser version and measures it in Debian's headless Chromium
# (bench/web_measure.mjs): sizes, start-up against a blank WebGL page, key
# to frame. BENCH_RUNS sets the number of page loads of each (default 15).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/web-build.sh >/dev/null
node bench/web_measure.mjs build-web/site "${BENCH_RUNS:-15}"
echo "CPU: $(lscpu | sed -n 's/^Model name: *//p'), $(nproc) cores"
