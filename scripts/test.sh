#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test. Tests that need a
# display start an Xvfb of their own, so none is needed here.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
ctest --test-dir build --output-on-failure -j"$(nproc)"
