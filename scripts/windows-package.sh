#!/usr/bin/env bash
# Installs what is missing (install-deps.sh --windows), builds the 32- and
# 64-bit Windows programs with MinGW-w64 into build-win32/ and build-win64/,
# and packs each into an installer and a portable zip, whose paths it prints.
# Arguments are passed on to CMake (windows-test.sh adds the tests).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh --windows
for arch in i686:32 x86_64:64; do
    dir=build-win${arch#*:}
    cmake -S . -B "$dir" -DCMAKE_TOOLCHAIN_FILE="cmake/mingw-${arch%:*}.cmake" \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo -DROBOT_OXEL_TESTS=OFF "$@" >/dev/null
    cmake --build "$dir" -j"$(nproc)"
    (cd "$dir" && cpack >/dev/null)
    ls "$dir"/robot-oxel-*-win${arch#*:}.{exe,zip}
done
