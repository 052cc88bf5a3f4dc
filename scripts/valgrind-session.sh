#!/usr/bin/env bash
# Runs one scripted session of robot-oxel (tests/stress/valgrind_session.sh)
# under valgrind's memcheck on an Xvfb of its own, and fails on any invalid
# access, use of uninitialised memory or definite leak outside the system
# libraries named in tests/sanitizers/valgrind.supp. Then lists what is
# still allocated at exit by who allocated it: the program's own code must
# have nothing left. The full log stays in build-stress/valgrind-session.log.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh --tools
root=$PWD

cmake -S . -B build-stress -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-stress -j"$(nproc)" --target robot-oxel close_window

log=$root/build-stress/valgrind-session.log
wrapper=$root/build-stress/robot-oxel-valgrind
# llvmpipe runs fine under valgrind; LIBGL_ALWAYS_SOFTWARE keeps Mesa off any GPU.
cat >"$wrapper" <<WRAPPER
#!/bin/sh
LIBGL_ALWAYS_SOFTWARE=1 exec valgrind --tool=memcheck --error-exitcode=99 \\
    --leak-check=full --show-leak-kinds=all --errors-for-leak-kinds=definite \\
    --num-callers=40 --fullpath-after= --log-file="$log" \\
    --suppressions="$root/tests/sanitizers/valgrind.supp" "$root/build-stress/robot-oxel"
WRAPPER
chmod +x "$wrapper"

rm -f "$log"
ROBOT_OXEL=$wrapper CLOSE_WINDOW=$root/build-stress/tests/e2e/close_window \
    tests/with_xvfb.sh bash tests/stress/valgrind_session.sh

grep -E 'ERROR SUMMARY|(definitely|indirectly|possibly) lost:|still reachable:|suppressed:' "$log" |
    sed 's/^==[0-9]*== *//'

# Who allocated each block left at exit: the first frame below the allocator,
# strdup and the C++ library; the program's own code is in app/, platform/, render/
# and geometry/.
awk -v own="$root/(app|platform|render|geometry)/" '
    / are (definitely|indirectly|possibly) lost| are still reachable/ {
        bytes = $2; gsub(/,/, "", bytes); open = 1; owner = ""; next
    }
    open && /^==[0-9]+== +(at|by) / {
        if (owner != "" || $0 ~ /vgpreload_memcheck|libstdc\+\+| strn?dup /) next
        if ($0 ~ own) owner = "the program"
        else if (match($0, /\(in [^)]*\)/)) owner = substr($0, RSTART + 4, RLENGTH - 5)
        else if (match($0, /\([^():]*:[0-9]+\)/)) owner = substr($0, RSTART + 1, RLENGTH - 2)
        else owner = "?"
        sub(/.*\//, "", owner)
        sub(/:[0-9]+$/, "", owner)
        next
    }
    open && /^==[0-9]+== *$/ { left[owner == "" ? "?" : owner] += bytes; open = 0 }
    END { for (o in left) printf "%10d bytes  %s\n", left[o], o }' "$log" | sort -rn >"$log.owners"
echo "Left allocated at exit, by allocator:"
cat "$log.owners"
if grep -q ' the program$' "$log.owners"; then
    echo "valgrind session: the program's own code left memory allocated; see $log" >&2
    exit 1
fi
echo "valgrind session: no memory errors, no definite leaks, nothing of the program's own left at exit"
