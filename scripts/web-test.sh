#!/usr/bin/env bash
# Installs what is missing, builds the browser version and works it against
# tests/scenes.txt in Debian's Chromium (headless) and Firefox (in a window on
# the display, or on an Xvfb display of its own when there is none); fails if
# either fails. The browser host's GL subset has native unit tests of its own,
# run by scripts/test.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/web-build.sh
test=(node tests/web/browser_test.mjs build-web/site tests/scenes.txt)
status=0
"${test[@]}" chromium || status=1
if [ -n "${DISPLAY:-}" ]; then
    "${test[@]}" firefox || status=1
else
    xvfb-run -a -s "-screen 0 1280x1024x24" "${test[@]}" firefox || status=1
fi
exit $status
