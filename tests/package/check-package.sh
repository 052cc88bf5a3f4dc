#!/usr/bin/env bash
# Checks a built robot-oxel .deb: its fields, files and dependencies, lintian,
# the menu entry and the manual page; then what it pulls onto a minimal Debian,
# and a real install with apt, a start of the installed program the way the
# menu entry starts it, and its removal. Needs root (or sudo) for apt.
# Usage: check-package.sh robot-oxel_VERSION_ARCH.deb
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
deb=$(realpath "$1")
if [ "$(id -u)" -ne 0 ]; then sudo=sudo; else sudo=; fi
export DEBIAN_FRONTEND=noninteractive

scratch=$(mktemp -d)
chmod 755 "$scratch"  # apt's sandbox user reads the .deb from here
installed_here=
Cleanup() {
    [ -n "$installed_here" ] && $sudo apt-get remove -y -qq robot-oxel >/dev/null 2>&1
    rm -rf "$scratch"
}
trap Cleanup EXIT

passed=0
failed=0
Pass() { echo "ok: $*"; passed=$((passed + 1)); }
Fail() { echo "FAIL: $*"; failed=$((failed + 1)); }
Check() {  # Check DESCRIPTION COMMAND...: passes when COMMAND succeeds
    local what=$1
    shift
    if "$@"; then Pass "$what"; else Fail "$what"; fi
}

Field() { dpkg-deb -f "$deb" "$1"; }
Check "package is named robot-oxel" test "$(Field Package)" = robot-oxel
Check "section is graphics" test "$(Field Section)" = graphics
Check "maintainer is the developers" test "$(Field Maintainer)" = "Robot Oxel developers"
Check "description has a synopsis and a long text" \
    test -n "$(Field Description | sed -n 1p)" -a "$(Field Description | wc -l)" -ge 3

root=$scratch/root
dpkg -x "$deb" "$root"
Check "/usr/bin/robot-oxel is an executable ELF file" \
    bash -c '[ -x "$1" ] && file -b "$1" | grep -q "^ELF .* executable"' _ "$root/usr/bin/robot-oxel"
desktop=$root/usr/share/applications/robot-oxel.desktop
manpage=$root/usr/share/man/man1/robot-oxel.1.gz
Check "menu entry is installed" test -f "$desktop"
Check "manual page is installed gzipped" gzip -t "$manpage"
Check "icon is installed" test -f "$root/usr/share/icons/hicolor/scalable/apps/robot-oxel.svg"
Check "copyright file is installed" test -f "$root/usr/share/doc/robot-oxel/copyright"
# Both are written by hand: a version bump must reach them too.
version=$(Field Version)
Check "changelog's latest entry is version $version" \
    bash -c 'zcat "$1" | head -n 1 | grep -qF "robot-oxel ($2)"' _ "$root/usr/share/doc/robot-oxel/changelog.gz" "$version"
Check "manual page names version $version" \
    bash -c 'zcat "$1" | grep -q "^\.TH .*\"Robot Oxel $2\""' _ "$manpage" "$version"

# The dependencies, as names without versions or alternatives' bars.
depends=" $(Field Depends | tr ',|' '\n\n' | sed 's/(.*)//; s/ //g' | sort -u | tr '\n' ' ') "
echo "Depends: $(Field Depends)"
for p in libc6 libstdc++6 libfltk1.3 libglu1-mesa; do
    Check "depends on $p" grep -q " $p " <<<"$depends"
done
Check "depends on an OpenGL library" grep -qE ' (libgl1|libopengl0) ' <<<"$depends"
Check "depends on no -dev package" bash -c '! grep -q -- "-dev " <<<"$1"' _ "$depends"
# Every library the program loads must come from a package it depends on.
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
for soname in $(objdump -p "$root/usr/bin/robot-oxel" | awk '$1 == "NEEDED" {print $2}'); do
    owner=$(dpkg -S "*/$multiarch/$soname" 2>/dev/null | sed -n '1s/[:,].*//p')
    Check "$soname comes from a dependency (${owner:-no package})" \
        grep -q " ${owner:-none} " <<<"$depends"
done

lintian_out=$scratch/lintian.txt
if lintian --display-info --pedantic --display-experimental --fail-on error,warning "$deb" >"$lintian_out" 2>&1; then
    Pass "lintian finds no error or warning"
else
    Fail "lintian finds errors or warnings"
fi
grep -v 'running with root privileges' "$lintian_out" || true

validate_out=$scratch/validate.txt
desktop-file-validate "$desktop" >"$validate_out" 2>&1 || true
cat "$validate_out"
Check "desktop-file-validate finds no error or warning" \
    bash -c '! grep -qE "(error|warning):" "$1"' _ "$validate_out"
Check "menu entry is in Graphics and Education" grep -qx 'Categories=Graphics;Education;' "$desktop"
Check "menu entry is named Robot Oxel" grep -qx 'Name=Robot Oxel' "$desktop"

groff_err=$scratch/groff.txt
zcat "$manpage" | groff -ww -man -Tutf8 -z 2>"$groff_err" || echo "groff exited non-zero" >>"$groff_err"
cat "$groff_err"
Check "groff renders the manual page without warnings" test ! -s "$groff_err"
man_err=$scratch/man.txt
LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$manpage" 2>"$man_err" >/dev/null ||
    echo "man exited non-zero" >>"$man_err"
cat "$man_err"
Check "man renders the manual page without warnings" test ! -s "$man_err"

# What apt would pull onto a minimal Debian: the closure of the required
# packages, with and without robot-oxel, each solved from an empty system.
cp "$deb" "$scratch/"
local_deb=$scratch/$(basename "$deb")
chmod 644 "$local_deb"
compgen -G '/var/lib/apt/lists/*_Packages*' >/dev/null || $sudo apt-get update -qq
base=$(dpkg-query -W -f='${Package} ${Priority} ${db:Status-Status}\n' |
    awk '$2 == "required" && $3 == "installed" {print $1}')
Simulate() {
    apt-get install -s -o Dir::State::status=/dev/null "$@" | awk '$1 == "Inst" {print $2}' | sort
}
Simulate $base >"$scratch/base.txt" || true
Simulate $base "$local_deb" >"$scratch/with.txt" || true
pulled=$(comm -13 "$scratch/base.txt" "$scratch/with.txt" | tr '\n' ' ')
echo "A minimal Debian pulls: $pulled"
Check "apt can install it on a minimal Debian" grep -q ' robot-oxel ' <<<" $pulled"
# Only libraries and the data files of libraries: no headers, no tools.
others=$(tr ' ' '\n' <<<"$pulled" |
    grep -vE '^(robot-oxel|lib.*|fonts-.*|.*-(data|common|config))$' | grep -v '^$' | tr '\n' ' ' || true)
Check "it pulls only run-time libraries (not: ${others:-none})" test -z "${others// /}"
Check "it pulls no -dev package" bash -c '! grep -qE -- "-dev(-bin)? " <<<"$1 "' _ "$pulled"

# The real thing: install, start from the menu entry's command, remove.
if $sudo apt-get install -y -qq "$local_deb" >"$scratch/apt.txt" 2>&1; then
    installed_here=1
    Pass "apt-get installs the package"
else
    cat "$scratch/apt.txt"
    Fail "apt-get installs the package"
fi
Check "dpkg lists robot-oxel as installed" \
    test "$(dpkg-query -W -f='${db:Status-Status}' robot-oxel 2>/dev/null)" = installed
exec_line=$(sed -n 's/^Exec=//p' /usr/share/applications/robot-oxel.desktop 2>/dev/null | sed 's/ *%[fFuUick]//g')
Check "menu entry starts /usr/bin/robot-oxel" test "$(command -v "${exec_line%% *}")" = /usr/bin/robot-oxel
if bash "$here/../with_xvfb.sh" bash "$here/run-installed.sh" $exec_line; then
    Pass "installed program shows its window and exits 0 from File/Exit"
else
    Fail "installed program shows its window and exits 0 from File/Exit"
fi
if $sudo apt-get remove -y -qq robot-oxel >"$scratch/apt.txt" 2>&1; then
    installed_here=
    Pass "apt-get removes the package"
else
    cat "$scratch/apt.txt"
    Fail "apt-get removes the package"
fi
Check "/usr/bin/robot-oxel is gone" test ! -e /usr/bin/robot-oxel
Check "menu entry is gone" test ! -e /usr/share/applications/robot-oxel.desktop
Check "manual page is gone" test ! -e /usr/share/man/man1/robot-oxel.1.gz

echo "package: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
