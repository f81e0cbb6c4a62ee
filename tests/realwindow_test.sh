#!/usr/bin/env bash
# Drives the real executable on an X server of its own, as a user would: a query by keyboard,
# mouse and wheel, a screenshot and an export. A copy with its sounds beside it is run from a
# scratch folder and keeps its files there; an installed one (the package's tree) is run where it
# is, with a scratch home, and keeps them in the user's data folder.
# Usage: realwindow_test.sh <quillon> <quillon-demo-service> <screenshot.png>
set -euo pipefail
[ -n "${REALWINDOW_INNER:-}" ] || REALWINDOW_INNER=1 exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$@"
exe=$1 shot=$3 port=18765 # the executable's build-time server address
fail() { echo "realwindow: $*" >&2; exit 1; }
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
(exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null && fail "port $port is busy: the executable needs its demo service there"
"$2" --port "$port" >"$work/service.log" 2>&1 &
for _ in $(seq 50); do (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null && break; sleep 0.1; done

if [ -f "$(dirname "$exe")/ts.mp3" ]; then
    data=$work/app && mkdir "$data" && cp "$exe" "$(dirname "$exe")"/{ts.mp3,orvo.mp3,skinh.she} "$data/" && exe=$data/${exe##*/}
else
    export HOME=$work/home XDG_DATA_HOME=$work/data && data=$work/data/Quillon installed=1 && mkdir -p "$data"
fi
# The history holds one entry a stray wheel could pick.
printf '555|顺丰快递\r\n' | iconv -f UTF-8 -t GB18030 >"$data/wlnum.ini"
QT_QPA_PLATFORM=xcb "$exe" >"$work/app.log" 2>&1 &
win=$(timeout 20 xdotool search --sync --onlyvisible --name "Quillon V3" | head -1) || fail "the window did not appear"
[ "$(xdotool getwindowgeometry "$win" | sed -n 's/.*Geometry: //p')" = 642x522 ] || fail "the window is not 642x522"
sleep 1.5 # the update check runs a second after start

at() { xdotool mousemove --window "$win" "$1" "$2" "${@:3}"; sleep 0.3; } # positions from app/mainwindow.ui
at 136 82 click 1 && xdotool key End Return && sleep 0.3 # companyBox: the last company, 中邮物流
at 136 49 click 1 && xdotool type --delay 30 1234567890 && xdotool key Tab
at 136 49 click 4 click 4 click 5 # wheel turns over the number box and the company list, which
at 136 82 click 4 click 4 click 5 # have no focus now, must change nothing
at 444 68 click 1 && sleep 1      # 开始查询
import -window "$win" "$shot" || fail "screenshot failed"
at 572 44 click 1 && sleep 0.5 && xdotool key Return && sleep 0.5 # 导出信息, then its box

[ "$(wc -l <"$data/物流信息.txt")" -ge 3 ] || fail "物流信息.txt lacks the rows"
iconv -f GB18030 -t UTF-8 "$data/wlnum.ini" | grep -qx $'1234567890|中邮物流\r' || fail "wlnum.ini lacks 1234567890|中邮物流"
[ -z "${installed:-}" ] || [ -z "$(find "$(dirname "$exe")" -newer "$work/service.log")" ] ||
    fail "the installed program wrote beside itself"
echo "realwindow: passed"
