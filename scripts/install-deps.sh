#!/usr/bin/env bash
# Installs the Debian packages needed to build, run and test Robot Oxel.
# With --package, also the tools that build and check the Debian package;
# with --windows, the 32- and 64-bit Windows cross-builds, both halves of Wine
# and the installer tools (scripts/windows-test.sh, scripts/windows-package.sh);
# with --tools, valgrind and glxgears (scripts/valgrind-session.sh, scripts/bench.sh);
# with --lint, clang-format (scripts/format-check.sh);
# with --web, Emscripten, Chromium, Firefox, brotli and the browser tests' node packages (scripts/web*.sh).
# Idempotent: silent, and no apt-get update, when everything is already there.
set -euo pipefail

packages=(
    g++ make cmake pkg-config
    libgl-dev libglu1-mesa-dev libx11-dev libfltk1.3-dev
    fluid  # Debian's FLTK CMake config refers to it; find_package(FLTK) fails without
    libgl1-mesa-dri libglx-mesa0
    libgtest-dev libgmock-dev libbenchmark-dev
    libxdamage-dev libxtst-dev  # bench/frame_watch sees frames drawn and presses keys through X
    xvfb xauth xdotool x11-apps x11-utils x11-xkb-utils imagemagick  # setxkbmap: other layouts
    openbox wmctrl x11-xserver-utils  # a window manager for the desktop test; xrdb sets its scale
)
if [ "${1:-}" = --package ]; then
    # file: CPack's dependency scan needs it before it runs dpkg-shlibdeps.
    packages+=(dpkg-dev file lintian desktop-file-utils man-db groff-base)
fi
if [ "${1:-}" = --lint ]; then
    packages+=(clang-format)
fi
if [ "${1:-}" = --tools ]; then
    # glxgears is the benchmark's yardstick.
    packages+=(valgrind mesa-utils)
fi
if [ "${1:-}" = --web ]; then
    packages+=(emscripten chromium firefox-esr brotli)  # brotli: the build's .br files
    # Any Node.js with npm serves; Debian's if there is none.
    command -v npm >/dev/null || packages+=(nodejs npm)
fi
foreign=() # i386 packages: the 32-bit half of Wine, with Mesa under its opengl32
if [ "${1:-}" = --windows ]; then
    # What each half of Wine loads: Mesa under its opengl32, and X extensions.
    wine_libs=(libgl1 libglx-mesa0 libgl1-mesa-dri libxrender1 libxrandr2 libxcursor1
               libxi6 libxinerama1 libxcomposite1 libxxf86vm1 libxfixes3)
    packages+=(g++-mingw-w64-i686-posix binutils-mingw-w64-i686
               g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
               googletest wine wine64 fonts-wine "${wine_libs[@]}"
               nsis librsvg2-bin)  # the installers, and the icon drawn from the SVG
    foreign=(wine32 "${wine_libs[@]}")
fi

# Only the native (or arch-independent) build counts: with a foreign
# architecture enabled, a package may be listed once per architecture.
native=$(dpkg --print-architecture)
missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Architecture} ${Status}\n' "$p" 2>/dev/null || true)
    grep -qE "^($native|all) install ok installed$" <<<"$status" || missing+=("$p")
done
for p in "${foreign[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p:i386" 2>/dev/null || true)
    [ "$status" = "install ok installed" ] || missing+=("$p:i386")
done
# The browser tests' node packages, as tests/web/package-lock.json pins them.
NodePackages()
{
    local dir
    dir=$(dirname "$0")/../tests/web
    if [ "${1:-}" = --web ] && ! [ "$dir/node_modules/.package-lock.json" -nt "$dir/package-lock.json" ]; then
        npm ci --prefix "$dir" --no-audit --no-fund --silent
    fi
}
[ ${#missing[@]} -eq 0 ] && { NodePackages "${1:-}"; exit 0; }

if [ "$(id -u)" -ne 0 ]; then
    sudo=sudo
else
    sudo=
fi
echo "Installing: ${missing[*]}" >&2
export DEBIAN_FRONTEND=noninteractive
if [ ${#foreign[@]} -gt 0 ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    $sudo dpkg --add-architecture i386
fi
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
NodePackages "${1:-}"
