#!/usr/bin/env bash
# Under a window manager (openbox) on a desktop of DPI dots per inch (96 or
# 192): the frame where and as large as Win32 makes it, keys working from the
# start, About placed and marked as a modal dialog, minimise and restore,
# closing through the window manager, and a client area destroyed behind the
# program's back reported, with exit 0.
# Usage: desktop.sh DPI, on a display large enough for the scaled windows.
source "$(dirname "$0")/driver.sh"
s=$(($1 / 96))
echo "Xft.dpi: $1" | xrdb -nocpp -merge

openbox --startup "touch $work/wm" >/dev/null 2>&1 &
wm=$!
trap 'stop; kill $wm 2>/dev/null; rm -rf "$work"' EXIT
poll test -e "$work/wm" || fail "openbox does not start"

# outer WINDOW: "X Y W H" of WINDOW with the frame its window manager puts round it.
outer()
{
    local l r t b x y w h
    IFS=', ' read -r l r t b < <(xprop -id "$1" -notype _NET_FRAME_EXTENTS | cut -d= -f2)
    read -r _ x y w h <<<"$("$XPROBE" geometry "$1")"
    echo "$((x - l)) $((y - t)) $((w + l + r)) $((h + t + b))"
}
# near VALUE TARGET: within an eighth of TARGET, as font metrics allow.
near() { [ $((8 * $1)) -ge $((7 * $2)) ] && [ $((8 * $1)) -le $((9 * $2)) ]; }

start
remember first
read -r ox oy ow oh <<<"$(outer "$main_win")"
[ "$ox $oy $ow $oh" = "$((50 * s)) $((50 * s)) $((400 * s)) $((400 * s))" ] ||
    fail "the window with its frame is ${ow}x$oh at ($ox, $oy)"
read -r _ x y w h <<<"$("$XPROBE" geometry "$main_win")"
[ "$cx $cw $((cy + ch))" = "$x $w $((y + h))" ] && near $((cy - y)) $((25 * s)) ||
    fail "the client area is ${cw}x$ch at ($cx, $cy) in ${w}x$h at ($x, $y)"
[ "$(xprop -id "$main_win" -notype WM_CLASS)" = 'WM_CLASS = "robot-oxel", "Robot Oxel"' ] ||
    fail "$(xprop -id "$main_win" WM_CLASS)"
ok "${ow}x$oh at ($ox, $oy) with the frame; the menu bar $((cy - y)) px; the client ${cw}x$ch"

xdotool mousemove 0 0
press Right
expect_change first "keys reach the window from the start, without a click"
press Left
xdotool windowminimize "$main_win"
poll no_window "Robot Oxel" || fail "the window does not minimise"
wmctrl -i -a "$main_win"
poll window "Robot Oxel" >/dev/null || fail "the window is not restored"
expect_same first "minimised and restored, the same frame"

menu alt+h Return
dialog=$(poll window "About OpenGL") || fail "no About dialog"
read -r dx dy _ <<<"$(outer "$dialog")"
read -r _ _ _ w h <<<"$("$XPROBE" geometry "$dialog")"
[ "$dx $dy" = "$cx $cy" ] && near "$w" $((347 * s)) && near "$h" $((439 * s)) ||
    fail "About ${w}x$h, its frame at ($dx, $dy), the owner's client area at ($cx, $cy)"
read -r type state owner < <(xprop -id "$dialog" -notype _NET_WM_WINDOW_TYPE _NET_WM_STATE \
    WM_TRANSIENT_FOR | sed 's/.* //' | paste -sd' ')
[ "$type $state $((owner))" = "_NET_WM_WINDOW_TYPE_DIALOG _NET_WM_STATE_MODAL $main_win" ] ||
    fail "About is '$type $state' for $owner"
ok "About ${w}x$h, its frame at the owner's client origin, a modal dialog of the main window"
wmctrl -i -c "$dialog"
poll no_window "About OpenGL" || fail "the window manager's close leaves About open"
press Right
expect_change first "keys reach the main window once About is closed"
wmctrl -i -c "$main_win"
expect_exit 0

start
xdotool windowclose "$client" # behind the program's back: it can draw no more
press Right
poll grep -q '^robot-oxel: X11: another client destroyed' "$work/stderr" || fail "the loss is not shown"
wmctrl -i -c "$main_win"
poll ended || fail "the close box does not end the program"
code=0; wait "$app_pid" || code=$?; app_pid=''
[ $code -eq 0 ] || fail "exit code $code after its client area was destroyed"
ok "a client area destroyed by another client is shown, and the program ends with 0"
