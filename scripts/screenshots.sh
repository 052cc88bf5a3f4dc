#!/usr/bin/env bash
# Builds Robot Oxel (in build/, or $BUILD_DIR) and takes the README's screenshots on a private Xvfb
# display: each model as the window shows it, and the About dialog. They
# land in docs/images/ as small palette PNGs.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "${1:-}" != --on-display ]; then
    bash scripts/install-deps.sh
    build=${BUILD_DIR:-build}
    cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$build" -j"$(nproc)" --target robot-oxel close_window
    mkdir -p docs/images
    exec tests/with_xvfb.sh env ROBOT_OXEL="$PWD/$build/robot-oxel" \
        CLOSE_WINDOW="$PWD/$build/tests/e2e/close_window" bash "$0" --on-display
fi

# The end-to-end tests' helpers start the program and work its menus.
# shellcheck source-path=SCRIPTDIR/..
source tests/e2e/lib.sh

# Save NAME X Y W H: that part of the screen as docs/images/NAME.png.
Save()
{
    convert "$work/screen.xwd" -crop "${4}x${5}+${2}+${3}" +repage -strip -colors 32 "png8:docs/images/$1.png"
    echo "docs/images/$1.png"
}

# SaveWindow NAME: the whole main window, menu bar included, once it has settled.
SaveWindow()
{
    local x y w h
    read -r x y w h < <(WindowGeometry "$main_win")
    Remember window "$x" "$y" "$w" "$h"
    Save "$1" "$x" "$y" "$w" "$h"
}

# Seen a little from above and from the right, the solids show their depth.
TurnForDepth() { Press 6 Down; Press 8 Right; }

StartApp
TurnForDepth
SaveWindow cylinder

ChooseModelByMouse 1
TurnForDepth
SaveWindow arm1

ChooseModelByMouse 2
TurnForDepth
SaveWindow arm2

# Waist 30, shoulder -30, elbow -60: the arm reaches out and up.
ChooseModelByMouse 3
Press 30 2
Press 30 3
Press 60 5
Press 4 Down
Press 3 Right
SaveWindow robot

OpenAbout
read -r x y w h < <(WindowGeometry "$about_win")
Remember about "$x" "$y" "$w" "$h"
Save about "$x" "$y" "$w" "$h"
