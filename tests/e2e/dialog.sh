#!/usr/bin/env bash
# The About dialog as the X host shows it: its size in pixels, its strings,
# Escape ignored (FLTK's windows close on it), and the keys back with the main window.
source "$(dirname "$0")/driver.sh"
start
remember first

menu alt+h Return
dialog=$(poll window "About OpenGL") || fail "Alt+H, Enter opens no About dialog"
read -r _ _ _ w h <<<"$("$XPROBE" geometry "$dialog")"
# 231 x 270 dialog units at base units of 6 x 13 pixels, rounded as MapDialogRect does.
[ "${w}x$h" = 347x439 ] || fail "the dialog is ${w}x$h, not 347x439"
# Fields in dialog units: the vendor, GLU's version, the first error line.
field() { "$XPROBE" ink "$dialog" $(($1 * w / 231)) $(($2 * h / 270)) $(($3 * w / 231)) $((8 * h / 270)); }
shown() { field 61 29 153 && field 61 137 153 && field 18 195 89; }
poll shown || fail "the dialog does not show the GL strings"
ok "About OpenGL: ${w}x${h}, the GL strings shown"

# Had Escape closed the dialog, Right would turn the view and Return reach the main window.
press Escape Right Return
poll no_window "About OpenGL" || fail "Return leaves the About dialog open"
expect_same first "Escape leaves About open, Return closes it"
press Right
expect_change first "Right reaches the main window once About is closed"
menu alt+f x
expect_exit 0
