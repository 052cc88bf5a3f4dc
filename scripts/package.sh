#!/usr/bin/env bash
# Builds the Debian package of Robot Oxel in build-pkg and prints its path.
# With --check, then checks the package: its files and dependencies, lintian,
# the menu entry and manual page, and an install, start and removal with apt.
set -euo pipefail
case "${1:-}" in
    "" | --check) ;;
    *) echo "usage: scripts/package.sh [--check]" >&2; exit 2 ;;
esac
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh --package

# Debian's own flags: full hardening, and no links to libraries the program
# does not use, which would otherwise turn into needless dependencies.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
export DEB_LDFLAGS_MAINT_APPEND=-Wl,--as-needed
cppflags=$(dpkg-buildflags --get CPPFLAGS)
cmake -S . -B build-pkg \
    -DCMAKE_BUILD_TYPE=None \
    -DCMAKE_INSTALL_PREFIX=/usr \
    -DCMAKE_C_FLAGS="$cppflags $(dpkg-buildflags --get CFLAGS)" \
    -DCMAKE_CXX_FLAGS="$cppflags $(dpkg-buildflags --get CXXFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" \
    -DROBOT_OXEL_TESTS=OFF -DROBOT_OXEL_BENCH=OFF >/dev/null
cmake --build build-pkg -j2
rm -f build-pkg/robot-oxel_*.deb
(cd build-pkg && cpack -G DEB)
deb=$(ls build-pkg/robot-oxel_*.deb)
echo "$deb"

if [ "${1:-}" = --check ]; then
    bash tests/package/check-package.sh "$deb"
fi
