#!/usr/bin/env bash
# The About dialog: opened from the keyboard, modal, its strings, the ways
# it closes and the one it does not, and keys reaching the main window after.
source "$(dirname "$0")/driver.sh"
start
remember first

about() { menu alt+h Return; poll window "About OpenGL" || fail "Alt+H, Enter opens no About dialog"; }
shut() { poll no_window "About OpenGL" || fail "$1 leaves the About dialog open"; ok "$1 closes the About dialog"; }

dialog=$(about)
read -r _ x y w h <<<"$("$XPROBE" geometry "$dialog")"
# 231 x 270 dialog units at base units of 6 x 13 pixels, rounded as MapDialogRect does.
[ "${w}x$h" = 347x439 ] || fail "the dialog is ${w}x$h, not 347x439"
[ "$(xprop -id "$dialog" WM_TRANSIENT_FOR | grep -o '0x[0-9a-f]*')" = "$(printf 0x%x "$main_win")" ] ||
    fail "the dialog is not transient for the main window"
# Fields in dialog units: vendor, GLU version, the first error slot, the second.
field() { "$XPROBE" ink "$dialog" $(($1 * w / 231)) $(($2 * h / 270)) $(($3 * w / 231)) $((8 * h / 270)); }
shown() { field 61 29 153 && field 61 137 153 && field 18 195 89 && ! field 18 208 89; }
poll shown || fail "the dialog does not show the GL strings and exactly one error line"
ok "About OpenGL: ${w}x${h}, transient, the strings and one error line"

xdotool mousemove $((cx + cw - 5)) $((cy + ch - 5))
look() { a=$("$XPROBE" digest "$dialog") && sleep 0.05 && [ "$a" = "$("$XPROBE" digest "$dialog")" ] && echo "$a" >"$work/dialog"; }
poll look || fail "the About dialog does not settle"
press Right 2 4 Escape
# The sentinel: OK held down shows pushed once the keys before it are handled.
xdotool mousemove $((x + 115 * w / 231)) $((y + 256 * h / 270)) mousedown 1
pushed() { window "About OpenGL" >/dev/null && [ "$("$XPROBE" digest "$dialog")" != "$(cat "$work/dialog")" ]; }
poll pushed || fail "Escape closed the About dialog"
ok "Escape leaves the About dialog open"
xdotool mouseup 1
shut "The OK button"
press Right
expect_change first "Right reaches the main window at once: the keys pressed while About was open did not"
press Left
expect_same first "Left turns it back"

"$XPROBE" close "$(about)"
shut "A close request"
menu alt+f x
expect_exit 0
