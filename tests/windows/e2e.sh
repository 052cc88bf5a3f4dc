#!/usr/bin/env bash
# robot-oxel.exe under Wine on the display of tests/with_xvfb.sh, worked by
# the shared driver as on Windows: the first frame, scenes reached by the
# Robot menu and keys, the About dialog from Alt+H, Enter, kept open by
# Escape and closed by Enter, and File/Exit with exit code 0.
# Usage: with_xvfb.sh e2e.sh ROBOT-OXEL.EXE, with WINEPREFIX, XPROBE and the
# Wine settings of scripts/windows-test.sh.
exe=$1
# Wine's desktop belongs to the display its wineserver started on.
wineserver -k 2>/dev/null || true
APP=wine SCENES=$(dirname "$0")/../scenes.txt
# shellcheck source=tests/e2e/driver.sh
source "$(dirname "$0")/../e2e/driver.sh"

start "$exe"
for scene in cylinder-side arm1 arm2 waist+90 elbow+180; do reach "$scene"; done

remember posed
menu alt+h Return
poll window "About OpenGL" >/dev/null || fail "Alt+H, Enter opened no 'About OpenGL' dialog"
# Had Escape closed the dialog, Right would reach the main window and turn the view.
press Escape Right Return
poll no_window "About OpenGL" || fail "Enter did not close the About dialog"
expect_same posed "Escape left the About dialog open, Enter closed it"

menu alt+f x
expect_exit 0
