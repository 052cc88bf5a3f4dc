#!/usr/bin/env bash
# Checks a built robot-oxel .deb as Debian and a user would: lintian, the
# menu entry, the manual page, no -dev dependency, and a real install with
# apt, a start from the menu entry's command, File/Exit and a removal that
# leaves nothing behind. Needs root (or sudo). Usage: check-package.sh DEB
set -euo pipefail
tests=$(cd "$(dirname "$0")/.." && pwd)
deb=$(realpath "$1")
if [ "$(id -u)" -ne 0 ]; then sudo=sudo; else sudo=; fi
scratch=$(mktemp -d)
chmod 755 "$scratch" # apt's sandbox user reads the .deb from here
trap '$sudo apt-get remove -y -qq robot-oxel >/dev/null 2>&1 || true; rm -rf "$scratch"' EXIT
fail() { echo "FAIL: package: $*" >&2; exit 1; }

lintian --pedantic --fail-on error,warning "$deb" || fail "lintian"
dpkg -x "$deb" "$scratch/root"
desktop-file-validate "$scratch/root/usr/share/applications/robot-oxel.desktop" || fail "desktop entry"
[ -z "$(zcat "$scratch/root/usr/share/man/man1/robot-oxel.1.gz" | groff -ww -man -Tutf8 -z 2>&1)" ] ||
    fail "the manual page renders with warnings"
! dpkg-deb -f "$deb" Depends | grep -q -- '-dev\b' || fail "a -dev dependency: $(dpkg-deb -f "$deb" Depends)"

cp "$deb" "$scratch/" && chmod 644 "$scratch/$(basename "$deb")"
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "$scratch/$(basename "$deb")" >/dev/null ||
    fail "apt-get install"
cc "$tests/e2e/xprobe.c" -o "$scratch/xprobe" -lX11 -lm
command=$(sed -n 's/^Exec=//p' /usr/share/applications/robot-oxel.desktop)
[ "$(command -v "${command%% *}")" = /usr/bin/robot-oxel ] || fail "the menu entry runs '$command'"
APP=$command XPROBE=$scratch/xprobe SCENES=$tests/scenes.txt "$tests/with_xvfb.sh" \
    bash -c 'source "$1/e2e/driver.sh"; start; menu alt+f x; expect_exit 0' _ "$tests"
files=$(dpkg -L robot-oxel)
$sudo apt-get remove -y -qq robot-oxel >/dev/null || fail "apt-get remove"
left=$(while read -r f; do if [ -f "$f" ]; then echo "$f"; fi; done <<<"$files")
[ -z "$left" ] || fail "files left behind: $left"
echo "package: lintian, menu entry, manual page, dependencies, install, start, File/Exit and removal"
