#!/usr/bin/env bash
# Builds everything in build-asan with AddressSanitizer (leaks included) and
# UndefinedBehaviorSanitizer, and runs every test there. Any report fails the
# run; tests/sanitizers/lsan.supp silences leaks inside system libraries only,
# and keep_loaded.c keeps those libraries loaded to the end so that they can be named.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

flags="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_FLAGS="$flags" -DCMAKE_CXX_FLAGS="$flags" \
    -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
cmake --build build-asan -j"$(nproc)"
cc -shared -fPIC -O2 tests/sanitizers/keep_loaded.c -o build-asan/keep_loaded.so

# The preloaded library comes before ASan's runtime, which is loaded and initialised all the same.
export LD_PRELOAD=$PWD/build-asan/keep_loaded.so
export ASAN_OPTIONS="verify_asan_link_order=0:abort_on_error=1:detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_string_checks=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/sanitizers/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
ctest --test-dir build-asan --output-on-failure -j"$(nproc)"
