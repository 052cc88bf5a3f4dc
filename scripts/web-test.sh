#!/usr/bin/env bash
# Installs what is missing, builds the browser version and works it in
# Debian's headless Chromium against tests/scenes.txt. The browser host's GL
# subset has native unit tests of its own, run by scripts/test.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/web-build.sh
node tests/web/browser_test.mjs build-web/site tests/scenes.txt
