#!/usr/bin/env bash
# Holds the executable's port on this machine while the real-window tests run, as an open
# tools/run.sh does: they must not need it. `hold` starts a demo service there unless something
# listens already; `release` ends the one it started. Where no network namespace can be made,
# the real-window tests need the port themselves, and it is left free.
# Usage: hold_port.sh hold|release <quillon-demo-service> <host:port> <pid file>
set -euo pipefail
if [ "$1" = release ]; then kill "$(cat "$4" 2>/dev/null)" 2>/dev/null || true; exec rm -f "$4"; fi
# Nothing to do without a namespace (the real-window tests need the port then) or when it is held already.
{ unshare -n true || unshare -rn true; } 2>/dev/null && ! (exec 3<>"/dev/tcp/127.0.0.1/${3##*:}") 2>/dev/null || exit 0
setsid "$2" --port "${3##*:}" </dev/null >/dev/null 2>&1 & echo $! >"$4"
exec timeout 5 bash -c "until (exec 3<>/dev/tcp/127.0.0.1/${3##*:}) 2>/dev/null; do sleep 0.1; done"
