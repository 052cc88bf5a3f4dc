#!/usr/bin/env bash
# Installs what is missing, builds both Windows programs with their tests and
# packages (windows-package.sh), and tests each under its own half of Wine in
# a fresh prefix: the tests of build-win32/ and build-win64/ (ctest), then
# the installer, each on an Xvfb display of its own; and that the 64-bit
# installer refuses 32-bit Windows.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh --windows

# No Mono or Gecko, and no menu entries written into the home folder. The
# prefixes are made while the programs build.
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=d"
declare -A prefix boot
cleanup() { local p; for p in "${prefix[@]}"; do WINEPREFIX=$p wineserver -k 2>/dev/null || true; rm -rf "$p"; done; }
trap cleanup EXIT
for bits in 32 64; do
    prefix[$bits]=$(mktemp -d)
    WINEPREFIX=${prefix[$bits]} WINEARCH=win$bits wineboot -i >"${prefix[$bits]}/boot.log" 2>&1 &
    boot[$bits]=$!
done

bash scripts/windows-package.sh -DROBOT_OXEL_TESTS=ON
# The Linux build's xprobe reads the pixels of Wine's windows like any other.
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target xprobe >/dev/null
export XPROBE=$PWD/build/tests/e2e/xprobe

for bits in 32 64; do
    export WINEPREFIX=${prefix[$bits]}
    wait "${boot[$bits]}" || { cat "$WINEPREFIX/boot.log" >&2; exit 1; }
    ctest --test-dir build-win$bits --output-on-failure
    bash tests/with_xvfb.sh bash tests/windows/installer.sh build-win$bits/robot-oxel-*-win$bits.exe
done
# The 64-bit installer on 32-bit Windows, which it refuses.
WINEPREFIX=${prefix[32]} bash tests/with_xvfb.sh bash tests/windows/installer.sh build-win64/robot-oxel-*-win64.exe
