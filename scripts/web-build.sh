#!/usr/bin/env bash
# Installs what is missing (install-deps.sh --web) and builds the browser
# version with Emscripten into build-web/site: index.html, robot-oxel.js and
# robot-oxel.wasm, all a web server needs, each beside its .gz and .br for
# servers that send them compressed (scripts/web-serve.py). The benchmark's
# floor goes to build-web/floor, in the same form.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh --web
# Debian's Emscripten finds its node modules (acorn) only here.
export NODE_PATH=/usr/share/nodejs
emcmake cmake -S . -B build-web -DCMAKE_BUILD_TYPE=MinSizeRel >/dev/null
cmake --build build-web -j"$(nproc)"
shopt -s nullglob # no floor in a build without benchmarks
for file in build-web/site/* build-web/floor/*; do
    case $file in *.gz | *.br) continue ;; esac
    [ "$file.gz" -nt "$file" ] || gzip -9 -k -n -f "$file"
    [ "$file.br" -nt "$file" ] || brotli -q 11 -k -f "$file"
done
