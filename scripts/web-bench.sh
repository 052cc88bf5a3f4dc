#!/usr/bin/env bash
# Builds the browser version and its floor (bench/web) and measures them in
# Debian's headless Chromium (bench/web_measure.mjs): sizes, start-up against
# the floor unthrottled and on Slow 4G, key to frame. BENCH_RUNS sets the
# number of page loads of each page each way (default 15). --smoke takes
# every figure once (one load of each, four keys) and holds none to a bound.
set -euo pipefail
cd "$(dirname "$0")/.."
loads=${BENCH_RUNS:-15} keys=100
if [ "${1:-}" = --smoke ]; then
    loads=1 keys=4
fi
bash scripts/web-build.sh >/dev/null
node bench/web_measure.mjs build-web/site build-web/floor "$loads" "$keys"
echo "CPU: $(lscpu | sed -n 's/^Model name: *//p'), $(nproc) cores"
