#!/usr/bin/env bash
# Help/About opens the modal "About OpenGL" dialog over the main window.
# Escape leaves it open; Enter, the OK button and a close request end it;
# while it is open the main window takes no keys.
source "$(dirname "$0")/lib.sh"

StartApp
Remember start
Keys Right
ExpectChangeFrom start "Right turns the view"
Remember right
Keys Left
ExpectSameAs start "Left turns it back"

OpenAbout
Step "Alt+H, A opens 'About OpenGL'"
read -r dx dy dw dh < <(WindowGeometry "$about_win")
[ $((dw - 346)) -ge -6 ] && [ $((dw - 346)) -le 6 ] && [ $((dh - 438)) -ge -6 ] && [ $((dh - 438)) -le 6 ] ||
    Fail "the dialog is ${dw}x${dh}, expected about 346x438 (231 x 270 dialog units)"
Step "the dialog is ${dw}x${dh} at ($dx, $dy)"
owner=$(xprop -id "$about_win" WM_TRANSIENT_FOR | sed -n 's/.*window id # \(0x[0-9a-f]*\).*/\1/p')
[ -n "$owner" ] && [ $((owner)) -eq $((main_win)) ] ||
    Fail "WM_TRANSIENT_FOR is '$owner', expected the main window $(printf 0x%x "$main_win")"
Step "the dialog is transient for the main window"

# Keys go to the window under the pointer: first the dialog.
xdotool mousemove $((dx + dw / 2)) $((dy + dh / 2))
Keys Escape
# Nothing to wait for when nothing should happen: give Escape a generous second.
sleep 1
AboutOpen || Fail "Escape closed the dialog"
Step "Escape leaves the dialog open"
Keys Return
WaitFor "$wait_s" AboutClosed || Fail "Enter did not close the dialog"
Step "Enter closes the dialog"

# As on Windows, a popup opened with Alt+letter starts with its first item highlighted.
OpenAbout Return
Step "Alt+H, Enter opens it too"
"$CLOSE_WINDOW" "$about_win"
WaitFor "$wait_s" AboutClosed || Fail "WM_DELETE_WINDOW did not close the dialog"
kill -0 "$app_pid" || Fail "closing the dialog ended the program"
Step "a close request (WM_DELETE_WINDOW) closes the dialog, the program goes on"

# Keys typed at the main window's uncovered strip, or sent to it directly, do nothing.
OpenAbout
read -r dx dy dw dh < <(WindowGeometry "$about_win")
[ $((dx + dw)) -lt $((client_x + client_w - 4)) ] || Fail "the dialog covers the whole client area's width"
strip_x=$(((dx + dw + client_x + client_w) / 2))
xdotool mousemove "$strip_x" $((client_y + client_h / 2))
Keys Right Right 2 4 6
# xdotool warns that the focus is PointerRoot, as it is without a window manager.
xdotool key --window "$main_win" Down Down 1 3 5 2>"$work/xdotool.err" || Fail "$(cat "$work/xdotool.err")"
# The OK button: 50 x 14 dialog units at (90, 249).
xdotool mousemove $((dx + 115 * dw / 231)) $((dy + 256 * dh / 270)) click 1
WaitFor "$wait_s" AboutClosed || Fail "clicking OK did not close the dialog"
Step "the OK button closes the dialog"
# The barriers: the same ways of sending keys reach the main window now.
xdotool mousemove "$strip_x" $((client_y + client_h / 2))
Keys Right
ExpectChangeFrom start "Right typed at the same spot turns the view now"
ExpectSameAs right "keys sent to the main window while the dialog was open changed nothing"
xdotool key --window "$main_win" Left 2>"$work/xdotool.err" || Fail "$(cat "$work/xdotool.err")"
ExpectSameAs start "Left sent to the main window turns it back now"
