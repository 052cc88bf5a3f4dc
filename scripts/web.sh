#!/usr/bin/env bash
# Installs what is missing, builds the browser version and serves it on
# 127.0.0.1 (port PORT, default 8000) until interrupted, compressed where the
# browser accepts it (scripts/web-serve.py).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/web-build.sh
port=${PORT:-8000}
echo "Robot Oxel: open the address below in a browser (Ctrl+C stops the server)"
exec python3 scripts/web-serve.py build-web/site "$port"
