#!/usr/bin/env bash
# Start-up time: from process start until the main window's first frame is painted, for a minimal
# Qt Widgets program and for the real program (a portable copy with an empty history) in Chinese
# and in English, each run N times, in turn, on a private Xvfb display with a tray. Prints each
# run, the medians and their ratios, each ratio as a row of the README's table.
#
# Usage: bench/startup.sh [BUILD_DIR]     (default: build; N=10 by default)
# Needs: Xvfb (xvfb), dbus-daemon. Builds nothing: build quillon, quillon-tray-host,
# quillon_bench_minimal_window and quillon_bench_firstframe (libxdamage-dev) first.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$root/build}"
runs="${N:-10}"
minimal="$build/bench/quillon_bench_minimal_window"
firstframe="$build/bench/quillon_bench_firstframe"
goal=1.5

for program in "$minimal" "$firstframe" "$build/quillon"; do
    [[ -x "$program" ]] || { echo "startup: $program is not built" >&2; exit 1; }
done

source "$root/bench/display.sh"
copy="$(portable_copy "$build")"
start_tray "$build"

# frame_ms TITLE PROGRAM: the milliseconds to the first frame of one run.
frame_ms() {
    local line
    line="$("$firstframe" "$@" 2>>"$scratch/errors")" || { echo "startup: no frame from $2:" >&2; tail -n 5 "$scratch/errors" >&2; exit 1; }
    echo "${line##* }"
}

median() {
    sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

minimal_runs=()
zh_runs=()
en_runs=()
for ((i = 1; i <= runs; i++)); do
    minimal_runs+=("$(frame_ms minimal "$minimal")")
    zh_runs+=("$(frame_ms "Quillon V3" "$copy" --lang zh)")
    en_runs+=("$(frame_ms "Quillon V3" "$copy" --lang en)")
done
minimal_ms="$(printf '%s\n' "${minimal_runs[@]}" | median)"
echo "minimal runs: ${minimal_runs[*]} ms"
for language in zh en; do
    declare -n language_runs="${language}_runs"
    real_ms="$(printf '%s\n' "${language_runs[@]}" | median)"
    echo "quillon --lang $language runs: ${language_runs[*]} ms"
    echo "median start to first frame, minimal Qt window: $minimal_ms ms; quillon --lang $language: $real_ms ms"
    awk -v r="$real_ms" -v m="$minimal_ms" -v g="$goal" -v l="$([[ $language == zh ]] && echo Chinese || echo English)" 'BEGIN {
        printf "| start to first painted frame under Xvfb, in %s / a minimal Qt Widgets window with one label in the CJK font | %.2f | ≤ %.1f, %s |\n",
            l, r / m, g, r / m <= g ? "met" : "MISSED" }'
done
