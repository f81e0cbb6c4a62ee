#!/usr/bin/env bash
# Peak resident memory of the fault matrix (tests/test_faults), the 50 MB answers included:
# runs it once under GNU time and prints "Maximum resident set size" in MB.
#
# Usage: bench/faultmatrix-memory.sh [BUILD_DIR]     (default: build; build test_faults first)
# Needs: /usr/bin/time (package "time"; the shell's own `time` does not report memory).
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$root/build}"
program="$build/tests/test_faults"

[[ -x /usr/bin/time ]] || { echo "faultmatrix-memory: /usr/bin/time is not installed (package time)" >&2; exit 1; }
[[ -x "$program" ]] || { echo "faultmatrix-memory: $program is not built" >&2; exit 1; }

report="$(mktemp)"
trap 'rm -f "$report"' EXIT

status=0
QT_QPA_PLATFORM=offscreen /usr/bin/time -v -o "$report" "$program" >/dev/null 2>&1 || status=$?
if ((status != 0)); then
    echo "faultmatrix-memory: test_faults failed (exit $status)" >&2
    exit "$status"
fi

kbytes="$(sed -n 's/^[[:space:]]*Maximum resident set size (kbytes): \([0-9]*\)$/\1/p' "$report")"
[[ -n "$kbytes" ]] || { echo "faultmatrix-memory: no peak memory in the report of time" >&2; exit 1; }
awk -v k="$kbytes" 'BEGIN { printf "peak resident memory of test_faults: %.1f MB\n", k / 1024 }'
