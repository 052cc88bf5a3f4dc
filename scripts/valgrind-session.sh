#!/usr/bin/env bash
# Runs the end-to-end scenarios of keys, dialog and window with the program
# under valgrind's memcheck, each on an Xvfb of its own: any invalid access,
# use of uninitialised memory or definite leak outside the system libraries
# named in tests/sanitizers/valgrind.supp ends the program with code 99,
# which fails its scenario. The logs stay in build-stress/valgrind/; those
# with errors are printed when a scenario fails.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh --tools
logs=$PWD/build-stress/valgrind
rm -rf "$logs"
mkdir -p "$logs"
mkdir -p build-stress
cc -shared -fPIC -O2 tests/sanitizers/keep_loaded.c -o build-stress/keep_loaded.so
# llvmpipe runs fine under valgrind; LIBGL_ALWAYS_SOFTWARE keeps Mesa off any GPU.
# keep_loaded.so keeps Mesa's driver loaded after the display's close, so that
# what its globals hold is not taken for lost and its frames keep their names.
cmake -S . -B build-stress -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DROBOT_OXEL_E2E_WRAPPER="env LIBGL_ALWAYS_SOFTWARE=1 LD_PRELOAD=$PWD/build-stress/keep_loaded.so valgrind --error-exitcode=99 --leak-check=full --show-leak-kinds=definite --errors-for-leak-kinds=definite --num-callers=40 --log-file=$logs/%p.log --suppressions=$PWD/tests/sanitizers/valgrind.supp" >/dev/null
cmake --build build-stress -j"$(nproc)" --target robot-oxel xprobe
E2E_WAIT=120 ctest --test-dir build-stress -R "^e2e.(keys|dialog|window)$" --output-on-failure -j"$(nproc)" || {
    grep -L 'ERROR SUMMARY: 0 errors' "$logs"/*.log | xargs -r cat
    exit 1
}
grep -h 'ERROR SUMMARY\|definitely lost:' "$logs"/*.log | sed 's/^==[0-9]*== *//' | sort | uniq -c
