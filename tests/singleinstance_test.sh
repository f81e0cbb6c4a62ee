#!/usr/bin/env bash
# Two starts on one data folder: the second asks the first to show itself and ends with status 0
# while the first runs on; the lock of a killed first is taken over by the next start.
# Usage: singleinstance_test.sh <quillon>
set -euo pipefail
work=$(mktemp -d) && export TMPDIR=$work # the socket of a killed start goes with the folder
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
fail() { echo "singleinstance: $*" >&2 && cat "$work/app.log" >&2 && exit 1; }
cp "$1" "$work/" && exe=$work/${1##*/} # a portable copy keeps its files beside itself
holder() { for _ in $(seq 100); do [ "$(head -1 "$work/quillon.lock" 2>/dev/null)" = "$1" ] && return; sleep 0.1; done; false; }
second() { timeout 10 "$exe" >>"$work/app.log" 2>&1 || fail "a second start did not end with status 0: $?"; }

"$exe" >>"$work/app.log" 2>&1 & first=$!
holder $first || fail "the first start holds no lock"
second && kill -0 $first 2>/dev/null || fail "the first start ended"
kill -9 $first && wait $first 2>/dev/null || true
"$exe" >>"$work/app.log" 2>&1 & next=$!
holder $next || fail "the killed start's lock was not taken over"
second && kill -0 $next 2>/dev/null || fail "the start after the kill ended"
echo "singleinstance: passed"
