#!/usr/bin/env bash
# Drives the real executable on an X server of its own, as a user would: a query by keyboard,
# mouse and wheel, a screenshot, an export, then the window system's close answered with 否.
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

# A portable copy keeps its files beside itself; its history holds one entry a stray wheel could pick.
mkdir "$work/app"
cp "$exe" "$(dirname "$exe")"/{ts.mp3,orvo.mp3,skinh.she} "$work/app/"
printf '555|顺丰快递\r\n' | iconv -f UTF-8 -t GB18030 >"$work/app/wlnum.ini"
QT_QPA_PLATFORM=xcb "$work/app/$(basename "$exe")" >"$work/app.log" 2>&1 &
app=$!
win=$(timeout 20 xdotool search --sync --onlyvisible --name "Quillon V3" | head -1) || fail "the window did not appear"
[ "$(xdotool getwindowgeometry "$win" | sed -n 's/.*Geometry: //p')" = 642x522 ] || fail "the window is not 642x522"
sleep 1.5 # the update check runs a second after start

at() { xdotool mousemove --window "$win" "$1" "$2" "${@:3}"; sleep 0.3; } # positions from app/form1.ui
at 136 82 click 1 && xdotool key End Return && sleep 0.3 # Combo1: the last company, 中邮物流
at 136 49 click 1 && xdotool type --delay 30 1234567890 && xdotool key Tab
at 136 49 click 4 click 4 click 5 # wheel turns over the number box and the company list, which
at 136 82 click 4 click 4 click 5 # have no focus now, must change nothing
at 444 68 click 1 && sleep 1      # 开始查询
import -window "$win" "$shot" || fail "screenshot failed"
at 572 44 click 1 && sleep 0.5 && xdotool key Return && sleep 0.5 # 导出信息, then its box

# Without a window manager, send the close request one would send (WM_DELETE_WINDOW).
python3 - "$win" <<'PY' || fail "could not send the close request"
import ctypes, sys
x = ctypes.cdll.LoadLibrary("libX11.so.6"); x.XOpenDisplay.restype = ctypes.c_void_p
x.XInternAtom.restype = ctypes.c_ulong; x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
x.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long, ctypes.c_void_p]
class Message(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int), ("display", ctypes.c_void_p),
                ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong), ("format", ctypes.c_int), ("data", ctypes.c_long * 17)]
d, w = x.XOpenDisplay(None), int(sys.argv[1])
m = Message(type=33, window=w, format=32, message_type=x.XInternAtom(d, b"WM_PROTOCOLS", 0))
m.data[0] = x.XInternAtom(d, b"WM_DELETE_WINDOW", 0)
x.XSendEvent(d, w, 0, 0, ctypes.byref(m)); x.XFlush.argtypes = [ctypes.c_void_p]; x.XFlush(d)
PY
box=$(timeout 5 xdotool search --sync --onlyvisible --name "Orvo系列软件" | head -1) || fail "no farewell question on close"
xdotool windowfocus --sync "$box" 2>/dev/null || true
xdotool key n
for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app" 2>/dev/null && fail "the program did not end after the close"
wait "$app" || fail "the program ended with code $?"
[ "$(wc -l <"$work/app/物流信息.txt")" -ge 3 ] || fail "物流信息.txt lacks the rows"
iconv -f GB18030 -t UTF-8 "$work/app/wlnum.ini" | grep -qx $'1234567890|中邮物流\r' || fail "wlnum.ini lacks 1234567890|中邮物流"
echo "realwindow: passed"
