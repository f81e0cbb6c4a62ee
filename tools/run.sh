#!/usr/bin/env bash
# Installs what is missing, builds, starts the demo service and opens the window against it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
bash tools/build.sh

# The build asks 127.0.0.1:18765. Another program there would answer the window in the demo
# service's place, so a taken port stops the run and says what holds it, where ss can tell.
port=18765
listening() { (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; }
taken() {
    holder=$(ss -Hltnp "sport = :$port" 2>/dev/null | grep -o '"[^"]*",pid=[0-9]*' | head -1 |
        sed 's/"\(.*\)",pid=/\1, pid /' || true)
    echo "Port $port on 127.0.0.1 is taken${holder:+ (by $holder)}: the window is not opened against it." >&2
    echo "End what holds it (another tools/run.sh?), then run again." >&2
    exit 1
}
listening && taken
build/tools/demo-service/quillon-demo-service --port "$port" &
service=$!
trap 'kill "$service" 2>/dev/null || true' EXIT
# Taken in the meantime, the service ends at once; the window waits until the service listens.
until ss -Hltnp "sport = :$port" | grep "pid=$service," >/dev/null; do
    kill -0 "$service" 2>/dev/null || taken
    sleep 0.1
done

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found: running the window under Xvfb (nothing will be visible)."
    xvfb-run -a build/quillon
else
    build/quillon
fi
