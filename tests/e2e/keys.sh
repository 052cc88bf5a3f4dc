#!/usr/bin/env bash
# The keys and the Robot menu on a French keyboard, whose top row types
# & é " ' ( - (the digits with Shift): an idle program, every scene of the
# table reached and left again, one check mark, a pick by mouse, the top row
# by X keycode, a layout changed under the running program.
source "$(dirname "$0")/driver.sh"
setxkbmap fr
start
# The pointer away: with no window manager the program takes the focus itself, as ShowWindow does.
xdotool mousemove 0 0
cpu() { awk '{ print $14 + $15 }' "/proc/$app_pid/stat"; } # clock ticks of CPU time, utime + stime
# A program that repaints for ever takes over 140; under valgrind a settling one takes up to 20.
ticks=$(cpu); sleep 2; ticks=$(($(cpu) - ticks))
[ $ticks -le 40 ] || fail "idle, the program took $ticks ticks in 2 s"
ok "idle, the program stays off the CPU"

for scene in $(scenes); do reach "$scene"; done

# The Robot popup by keyboard starts on its first item; Up moves to the last.
# Polled: Up redraws the popup, which valgrind makes slow.
marks_are() { [ "$("$XPROBE" marks "$(popup | cut -d' ' -f1)" 4 | tr -d '\n')" = "$1" ]; }
marks()
{
    menu alt+f Right
    if [ "$1" -ne 3 ]; then press Up; fi
    poll marks_are "$1" || fail "the Robot popup does not show one mark, beside item $1"
    menu Escape
    press Escape
}
for model in 0 1 2 3; do
    pick $model
    marks $model
done
ok "each model picked shows one mark, beside its item"

# Arm2 clicked, the third of the popup's four equal rows.
menu alt+f Right
read -r _ x y w h <<<"$(popup)"
xdotool mousemove $((x + w / 2)) $((y + 5 * h / 8)) click 1
poll no_popup || fail "a click on an item leaves the popup open"
expect_frame arm2

pick 3
press 11*90
expect_frame waist+90
menu alt+h a
poll window "About OpenGL" >/dev/null || fail "Alt+H, A opens no About dialog on a French keyboard"
press Return
poll no_window "About OpenGL" || fail "Return leaves About open"
# The key X by its keycode: a Russian layout types ch on it, and Windows reports 'X'.
setxkbmap ru
menu F10 Down 53
expect_exit 0
