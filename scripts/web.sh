#!/usr/bin/env bash
# Installs what is missing, builds the browser version and serves it on
# 127.0.0.1 (port PORT, default 8000) until interrupted.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/web-build.sh
port=${PORT:-8000}
echo "Robot Oxel: open http://127.0.0.1:$port/ in a browser (Ctrl+C stops the server)"
exec python3 -m http.server "$port" --bind 127.0.0.1 --directory build-web/site
