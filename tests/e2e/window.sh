#!/usr/bin/env bash
# The main window: its title, place and size whatever the arguments, and the
# picture kept round and centred on resizing.
source "$(dirname "$0")/driver.sh"
start --some-arg -iconic -geometry 100x100+0+0 -title Other
remember first
read -r _ x y w h <<<"$("$XPROBE" geometry "$main_win")"
[ "$(xdotool getwindowname "$main_win") $x $y $w $h" = "Robot Oxel 50 50 400 400" ] ||
    fail "the window is '$(xdotool getwindowname "$main_win")' ${w}x${h} at ($x, $y)"
[ "$cx $cw $((cy + ch))" = "50 400 450" ] && [ $((cy - y)) -ge 18 ] ||
    fail "the client area is ${cw}x${ch} at ($cx, $cy)"
ok "'Robot Oxel', 400x400 at (50, 50), whatever the arguments; the client below the menu bar"

client_is() { [ "$("$XPROBE" geometry "$client" | cut -d' ' -f4-)" = "$1 $2" ]; }
resize()
{
    xdotool windowsize "$main_win" "$1" $(($2 + cy - y))
    poll client_is "$1" "$2" || fail "the client area is not ${1}x$2 after a resize"
    expect_frame cylinder
}
resize 600 300
resize 300 600
resize 400 $((ch))
expect_same first "back at its first size, the first frame"

menu alt+f x
expect_exit 0
