#!/usr/bin/env bash
# Installs what is missing, builds, starts the demo service and opens the window against it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
bash tools/build.sh

port=18765
build/tools/demo-service/quillon-demo-service --port "$port" &
service=$!
trap 'kill "$service" 2>/dev/null || true' EXIT

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found: running the window under Xvfb (nothing will be visible)."
    xvfb-run -a build/quillon
else
    build/quillon
fi
