#!/usr/bin/env bash
# A Windows installer under Wine on the display of tests/with_xvfb.sh: the
# silent install puts the program, LICENSE.txt and README.txt (CRLF) into
# Program Files and a Start-menu shortcut "Robot Oxel" to the program, which
# started from there shows the cylinder and ends by File/Exit with code 0; the
# silent uninstall leaves nothing behind but NSIS's own copy of it in Temp,
# which Windows removes at reboot. On 32-bit Windows the 64-bit installer
# fails and leaves nothing.
# Usage: with_xvfb.sh installer.sh robot-oxel-VERSION-winNN.exe, with
# WINEPREFIX, XPROBE and WINEDEBUG=-all, as scripts/windows-test.sh sets them.
installer=$1
export WINEDLLOVERRIDES=winemenubuilder.exe=d # no menu entries in the home folder
# Wine's desktop belongs to the display its wineserver started on.
wineserver -k 2>/dev/null || true
APP=wine SCENES=$(dirname "$0")/../scenes.txt
# shellcheck source=tests/e2e/driver.sh
source "$(dirname "$0")/../e2e/driver.sh"

dir='C:\Program Files\Robot Oxel'
# Files (not through the prefix's links into the home folder) and registry keys, once Wine has saved them.
traces() { wineserver -w; find "$WINEPREFIX/drive_c" -path '*/Temp' -prune -o -print | sort; grep -i 'robot oxel' "$WINEPREFIX"/*.reg || true; }
traces >"$work/before"
nothing_left() { traces >"$work/after"; diff "$work/before" "$work/after" >&2 || fail "$1 left the above behind"; ok "$1 left nothing"; }

if [[ $installer == *-win64.exe && ! -d $WINEPREFIX/drive_c/windows/syswow64 ]]; then
    wine "$installer" /S && fail "the 64-bit installer installed on 32-bit Windows"
    nothing_left "the refused install" && exit 0
fi
wine "$installer" /S || fail "the silent install failed"
for f in LICENSE.txt README.txt; do
    file=$(winepath -u "$dir\\$f")
    [ -f "$file" ] && ! grep -qv $'\r$' "$file" || fail "no $dir\\$f with Windows' line endings"
done
lnk=$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start\ Menu/Programs/Robot\ Oxel/Robot\ Oxel.lnk
target=$(strings "$lnk" | grep -Fx "$dir\\robot-oxel.exe") || fail "no shortcut 'Robot Oxel' to $dir\\robot-oxel.exe"
ok "installed: files and shortcut"

start "$target"
menu alt+f x
expect_exit 0

wine "$dir\\Uninstall.exe" /S || fail "the silent uninstall failed"
nothing_left "the uninstall"
