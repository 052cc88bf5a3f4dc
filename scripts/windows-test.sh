#!/usr/bin/env bash
# Installs what is missing (install-deps.sh --windows), cross-builds the
# 32-bit Windows program and its tests with MinGW-w64 into build-win/, and
# runs them under Wine: the tests of the Windows build, the unit tests, and
# the program itself on an Xvfb display of its own.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh --windows
cmake -S . -B build-win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-win -j"$(nproc)"

# A fresh Wine prefix for this run; Mono and Gecko are not wanted.
WINEPREFIX=$(mktemp -d)
export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
trap 'wineserver -k 2>/dev/null || true; rm -rf "$WINEPREFIX"' EXIT
wineboot -i >"$WINEPREFIX.log" 2>&1 || { cat "$WINEPREFIX.log" >&2; exit 1; }
rm -f "$WINEPREFIX.log"
ctest --test-dir build-win --output-on-failure
