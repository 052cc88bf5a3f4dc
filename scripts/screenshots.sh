#!/usr/bin/env bash
# Builds Robot Oxel (in build/, or $BUILD_DIR) and takes the README's
# screenshots on a private Xvfb display: each model as the window shows it,
# and the About dialog. They land in docs/images/ as small palette PNGs.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "${1:-}" != --on-display ]; then
    bash scripts/install-deps.sh
    build=${BUILD_DIR:-build}
    cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$build" -j"$(nproc)" --target robot-oxel xprobe
    mkdir -p docs/images
    exec tests/with_xvfb.sh env APP="$PWD/$build/robot-oxel" XPROBE="$PWD/$build/tests/e2e/xprobe" \
        SCENES="$PWD/tests/scenes.txt" bash "$0" --on-display
fi

# The end-to-end driver starts the program and works its menus.
# shellcheck source-path=SCRIPTDIR/..
source tests/e2e/driver.sh

# save NAME WINDOW: that window, once its picture has settled, as docs/images/NAME.png.
save()
{
    local x y w h
    remember shot
    read -r _ x y w h <<<"$("$XPROBE" geometry "$2")"
    xwd -root -silent | convert xwd:- -crop "${w}x${h}+${x}+${y}" +repage -strip -colors 32 "png8:docs/images/$1.png"
    echo "docs/images/$1.png"
}

# Seen a little from above and from the right, the solids show their depth.
turn() { press Down*6 Right*8; }

start
turn
save cylinder "$main_win"
pick 1
turn
save arm1 "$main_win"
pick 2
turn
save arm2 "$main_win"
# Waist 30, shoulder -30, elbow -60: the arm reaches out and up.
pick 3
press 2*30 3*30 5*60 Down*4 Right*3
save robot "$main_win"
menu alt+h Return
save about "$(poll window "About OpenGL")"
