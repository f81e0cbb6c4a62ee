#!/usr/bin/env bash
# Start-up time: from process start until the main window is mapped on screen, for a minimal
# Qt Widgets program and for the real program, each run N times on a private Xvfb display.
# Prints the median of each and their ratio.
#
# Usage: bench/startup.sh [BUILD_DIR]     (default: build; N=10 and DISPLAY_NUMBER=99 by default)
# Needs: Xvfb (xvfb), xev, xprop and xdpyinfo (x11-utils). Build quillon and
# quillon_bench_minimal_window first.
#
# The map is seen through xev's event stream on the root window, so the figure is not rounded
# to a polling interval (xdotool's --sync polls every half second).
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$root/build}"
runs="${N:-10}"
display=":${DISPLAY_NUMBER:-99}"
minimal="$build/bench/quillon_bench_minimal_window"
real="$build/quillon"

for tool in Xvfb xev xprop xdpyinfo; do
    command -v "$tool" >/dev/null || { echo "startup: $tool is not installed" >&2; exit 1; }
done
for program in "$minimal" "$real"; do
    [[ -x "$program" ]] || { echo "startup: $program is not built" >&2; exit 1; }
done
if xdpyinfo -display "$display" >/dev/null 2>&1; then
    echo "startup: display $display is already in use; set DISPLAY_NUMBER" >&2
    exit 1
fi

xvfb_pid=""
xev_pid=""
app_pid=""
cleanup() {
    local pid
    for pid in "$app_pid" "$xev_pid" "$xvfb_pid"; do
        if [[ -n "$pid" ]] && kill "$pid" 2>/dev/null; then
            wait "$pid" 2>/dev/null || true
        fi
    done
}
trap cleanup EXIT
trap 'exit 130' INT TERM

Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
    xdpyinfo -display "$display" >/dev/null 2>&1 && break
    sleep 0.05
done
xdpyinfo -display "$display" >/dev/null 2>&1 || { echo "startup: Xvfb did not come up" >&2; exit 1; }
export DISPLAY="$display"

# Every window mapped on the display, as it happens.
coproc XEV { exec xev -root -event substructure; }
xev_pid=$XEV_PID
sleep 0.3 # let xev select its events before the first program starts

now_ns() { date +%s%N; }

# measure PROGRAM TITLE_REGEX: sets ms to the milliseconds until a window whose title matches
# is mapped. Runs in this shell, not a subshell, so that it reads the one xev stream.
ms=""
measure() {
    local program="$1" title="$2" start stop line window name
    ms=""
    start=$(now_ns)
    "$program" >/dev/null 2>&1 &
    app_pid=$!
    while [[ -z "$ms" ]]; do
        # A program that never shows its window ends the measurement after 30 s.
        if ! read -r -t 30 -u "${XEV[0]}" line; then
            echo "startup: no window from $program" >&2
            return 1
        fi
        [[ "$line" == MapNotify* ]] || continue
        read -r -t 5 -u "${XEV[0]}" line || return 1
        stop=$(now_ns)
        [[ "$line" == *"override NO"* ]] || continue # menus and tooltips
        window="$(sed -n 's/.*window \(0x[0-9a-f]*\).*/\1/p' <<<"$line")"
        name="$(xprop -id "$window" _NET_WM_NAME WM_NAME 2>/dev/null || true)"
        grep -Eq "$title" <<<"$name" && ms=$(((stop - start) / 1000000))
    done
    kill "$app_pid" 2>/dev/null || true
    wait "$app_pid" 2>/dev/null || true
    app_pid=""
    # Drain the unmap and destroy events of this run.
    while read -r -t 0.2 -u "${XEV[0]}" line; do :; done
}

median() {
    sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# run_series LABEL PROGRAM TITLE_REGEX: sets result to the median of N runs.
result=""
run_series() {
    local label="$1" program="$2" title="$3" i all=()
    for ((i = 1; i <= runs; i++)); do
        measure "$program" "$title" || exit 1
        all+=("$ms")
    done
    echo "$label runs: ${all[*]} ms"
    result="$(printf '%s\n' "${all[@]}" | median)"
}

run_series minimal "$minimal" '"minimal"'
minimal_ms="$result"
run_series quillon "$real" '"Quillon V3 - '
real_ms="$result"

echo "median start-up, minimal Qt window: $minimal_ms ms"
echo "median start-up, quillon:           $real_ms ms"
awk -v r="$real_ms" -v m="$minimal_ms" 'BEGIN { printf "ratio quillon / minimal:            %.2f\n", r / m }'
