#!/usr/bin/env bash
# Resident memory 4 s after start: the real program (a portable copy with an empty history), in
# Chinese and in English, with the demo service answering its update check and no sound server to
# reach, and a minimal Qt Widgets window under the same conditions, on a private Xvfb display with
# a tray. Prints each in MiB, the program's as rows of the README's table.
#
# Usage: bench/memory.sh [BUILD_DIR]     (default: build)
# Needs: Xvfb (xvfb), dbus-daemon. Builds nothing: build quillon, quillon-demo-service,
# quillon-tray-host and quillon_bench_minimal_window first.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$root/build}"
minimal="$build/bench/quillon_bench_minimal_window"
service="$build/tools/demo-service/quillon-demo-service"
port=18765 # the build's server address
goal=42

for program in "$minimal" "$service" "$build/quillon"; do
    [[ -x "$program" ]] || { echo "memory: $program is not built" >&2; exit 1; }
done
listening() { (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; }

source "$root/bench/display.sh"
copy="$(portable_copy "$build")"
start_tray "$build"
if listening; then
    echo "memory: a service already listens on port $port; the program talks to that one" >&2
else
    "$service" --port "$port" >/dev/null 2>&1 &
    started+=($!)
    for _ in $(seq 50); do
        listening && break
        sleep 0.1
    done
fi

# resident_mib PROGRAM [ARGUMENT...]: its resident memory 4 s after start, in MiB.
resident_mib() {
    local pid kib
    PULSE_SERVER=unix:/nonexistent "$@" >/dev/null 2>&1 &
    pid=$!
    sleep 4
    kib="$(awk '/^VmRSS:/ { print $2 }' "/proc/$pid/status" 2>/dev/null || true)"
    kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null || true
    [[ -n "$kib" ]] || { echo "memory: $1 ended before 4 s" >&2; exit 1; }
    awk -v k="$kib" 'BEGIN { printf "%.1f", k / 1024 }'
}

minimal_mib="$(resident_mib "$minimal")"
for language in zh en; do
    real_mib="$(resident_mib "$copy" --lang "$language")"
    echo "resident memory 4 s after start, minimal Qt window: $minimal_mib MiB; quillon --lang $language: $real_mib MiB"
    awk -v r="$real_mib" -v m="$minimal_mib" -v g="$goal" -v l="$([[ $language == zh ]] && echo Chinese || echo English)" 'BEGIN {
        printf "| resident memory 4 s after start, in %s, demo service answering, no sound server (the start-up baseline, a minimal window with one CJK label: %.0f MiB) | %.0f MiB | ≤ %d MiB, %s |\n",
            l, m, r, g, r <= g ? "met" : "MISSED" }'
done
