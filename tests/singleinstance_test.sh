#!/usr/bin/env bash
# Two starts on one data folder: the second asks the first to show itself and ends with status 0
# while the first runs on; the lock of a killed first is taken over by the next start. The socket
# lives in a private runtime folder, else beside the lock, never in the shared temporary folder. A
# start that cannot answer is named by its PID, and its lock is not to be deleted.
# Usage: singleinstance_test.sh <quillon>
set -euo pipefail
unset LANGUAGE LC_ALL LC_MESSAGES && export LANG=C.UTF-8 # the Chinese interface, whatever the machine speaks
work=$(mktemp -d) && export TMPDIR=$work/tmp && mkdir -m 700 "$TMPDIR" "$work/run"
trap 'kill -CONT $(jobs -p) 2>/dev/null || true; kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
fail() { echo "singleinstance: $*" >&2 && cat "$work/app.log" >&2 && exit 1; }
cp "$1" "$work/" && exe=$work/${1##*/} # a portable copy keeps its files beside itself
holder() { for _ in $(seq 100); do [ "$(head -1 "$work/quillon.lock" 2>/dev/null)" = "$1" ] && return; sleep 0.1; done; false; }
second() { timeout 10 "$exe" >>"$work/app.log" 2>&1 || fail "a second start did not end with status 0: $?"; }
sockets() { find "$@" -type s | wc -l; }

# --help and --version print their text and end with status 0 before the folder is claimed.
timeout 10 "$exe" --version 2>>"$work/app.log" | grep -q '^Quillon [0-9]' || fail "--version did not print the version"
[ "$(timeout 10 "$exe" --lang en --help 2>>"$work/app.log" | grep -c -e '--hidden' -e '--lang')" = 2 ] &&
    [ ! -e "$work/quillon.lock" ] || fail "--help did not end with its text, or claimed the folder"
# Its language: English where the desktop's first language is English, else Chinese; --lang over both.
helps() { env -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG="$1" timeout 10 "$exe" ${2:+--lang "$2"} --help \
    2>>"$work/app.log" | grep -q "$3" || fail "LANG=$1 ${2:+--lang $2}: --help not in the language expected"; }
helps en_US.UTF-8 '' 'Start hidden' && helps C.UTF-8 '' '窗口不显示' && helps en_US.UTF-8 zh '窗口不显示'

for runtime in "$work/run" ""; do
    if [ -n "$runtime" ]; then export XDG_RUNTIME_DIR=$runtime; else unset XDG_RUNTIME_DIR; fi
    "$exe" >>"$work/app.log" 2>&1 & first=$!
    holder $first || fail "the first start holds no lock"
    second && kill -0 $first 2>/dev/null || fail "the first start ended"
    [ "$(sockets "${runtime:-$work}" -maxdepth 1) $(sockets "$TMPDIR")" = "1 0" ] || fail "no socket in ${runtime:-$work} alone"
    kill -9 $first && wait $first 2>/dev/null || true
    "$exe" >>"$work/app.log" 2>&1 & next=$!
    holder $next || fail "the killed start's lock was not taken over"
    second && kill -0 $next 2>/dev/null || fail "the start after the kill ended"
    [ -n "$runtime" ] || break
    kill -9 $next && wait $next 2>/dev/null || true
done

# A stopped first cannot answer: the second's box, logged too, names it and stays open.
kill -STOP $next
"$exe" >"$work/box.log" 2>&1 & box=$!
for _ in $(seq 150); do grep -q "进程号 $next，" "$work/box.log" && break; sleep 0.1; done
cat "$work/box.log" >>"$work/app.log"
grep -q "kill $next）" "$work/box.log" && ! grep -q 删除 "$work/box.log" && kill -0 $box || fail "no box naming $next"
echo "singleinstance: passed"
