#!/usr/bin/env bash
# Drives the real executable on an X server of its own: a query by keyboard and mouse, an
# export, a screenshot, then a close answered as a user would.
# Usage: realwindow_test.sh <quillon> <quillon-demo-service> <screenshot.png>
set -euo pipefail
exe=$1
service_exe=$2
shot=$3
port=18765 # the executable's build-time server address

fail() {
    echo "realwindow: $*" >&2
    exit 1
}

pids=()
work=$(mktemp -d)
cleanup() {
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

display=""
for n in $(seq 97 120); do
    if ! xdpyinfo -display ":$n" >/dev/null 2>&1 && [ ! -e "/tmp/.X11-unix/X$n" ]; then
        display=":$n"
        break
    fi
done
[ -n "$display" ] || fail "no free X display between :97 and :120"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 50); do
    xdpyinfo -display "$display" >/dev/null 2>&1 && break
    sleep 0.1
done
xdpyinfo -display "$display" >/dev/null 2>&1 || fail "Xvfb did not start on $display"
export DISPLAY=$display

if (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; then
    fail "port $port is busy: the executable needs its demo service there"
fi
"$service_exe" --port "$port" >"$work/service.log" 2>&1 &
pids+=($!)
for _ in $(seq 50); do
    (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null && break
    sleep 0.1
done

# The program writes its files beside itself.
app="$work/app"
mkdir "$app"
cp "$exe" "$app/"
for f in ts.mp3 orvo.mp3 skinh.she; do
    cp "$(dirname "$exe")/$f" "$app/"
done
printf '555|顺丰快递\r\n' | iconv -f UTF-8 -t GB18030 >"$app/wlnum.ini"
QT_QPA_PLATFORM=xcb "$app/$(basename "$exe")" >"$work/app.log" 2>&1 &
app_pid=$!
pids+=("$app_pid")

win=$(timeout 20 xdotool search --sync --onlyvisible --name "Quillon V3" | head -1) || true
[ -n "$win" ] || fail "the window did not appear"
geometry=$(xdotool getwindowgeometry "$win" | sed -n 's/.*Geometry: //p')
[ "$geometry" = "642x522" ] || fail "window is $geometry, not 642x522"
sleep 1.5 # the update check runs a second after start

# Positions inside the window, from the placed geometry in app/form1.ui.
click() {
    xdotool mousemove --window "$win" "$1" "$2" click 1
    sleep 0.3
}
click $((16 + 80 + 40)) $((16 + 56 + 10)) # Combo1 in Frame2
xdotool key End Return
sleep 0.3
click $((16 + 80 + 40)) $((16 + 23 + 10)) # Text1 in Frame2
xdotool type --delay 30 1234567890
xdotool key Tab
# Wheel turns over the lists on the way: without the focus they must change nothing.
for at in "$((16 + 80 + 40)) $((16 + 23 + 10))" "$((16 + 80 + 40)) $((16 + 56 + 10))"; do
    xdotool mousemove --window "$win" $at click 4 click 4 click 5
done
sleep 0.3
click $((384 + 60)) $((24 + 44)) # Command1, 开始查询
sleep 1
import -window "$win" "$shot" || fail "screenshot failed"

click $((520 + 52)) $((24 + 20)) # Command3, 导出信息
sleep 0.5
xdotool key Return
sleep 0.5

# Without a window manager, send the close request (WM_DELETE_WINDOW) one would send;
# xdotool's windowclose destroys the window instead. The farewell question is answered 否 (N).
python3 - "$win" <<'PY' || fail "could not send the close request"
import ctypes, sys
x = ctypes.cdll.LoadLibrary("libX11.so.6")
x.XOpenDisplay.restype = ctypes.c_void_p
x.XInternAtom.restype = ctypes.c_ulong
x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
x.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long, ctypes.c_void_p]
x.XFlush.argtypes = [ctypes.c_void_p]
class ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                ("format", ctypes.c_int), ("data", ctypes.c_long * 5), ("pad", ctypes.c_long * 12)]
d = x.XOpenDisplay(None)
ev = ClientMessage(type=33, window=int(sys.argv[1]), format=32,
                   message_type=x.XInternAtom(d, b"WM_PROTOCOLS", 0))
ev.data[0] = x.XInternAtom(d, b"WM_DELETE_WINDOW", 0)
x.XSendEvent(d, int(sys.argv[1]), 0, 0, ctypes.byref(ev))
x.XFlush(d)
PY
box=$(timeout 5 xdotool search --sync --onlyvisible --name "Orvo系列软件" | head -1) || true
[ -n "$box" ] || fail "no farewell question on close"
xdotool windowfocus --sync "$box" 2>/dev/null || true
xdotool key n
status=0
for _ in $(seq 50); do
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$app_pid" 2>/dev/null; then
    fail "the program did not end after the close"
fi
wait "$app_pid" || status=$?
[ "$status" -eq 0 ] || fail "the program ended with code $status"

export_file="$app/物流信息.txt"
[ -f "$export_file" ] || fail "no 物流信息.txt in the program folder"
lines=$(wc -l <"$export_file")
[ "$lines" -ge 3 ] || fail "物流信息.txt has $lines lines"
iconv -f GB18030 -t UTF-8 "$app/wlnum.ini" | grep -qx $'1234567890|中邮物流\r' ||
    fail "wlnum.ini does not hold 1234567890|中邮物流"
[ -s "$shot" ] || fail "no screenshot"
echo "realwindow: passed ($lines exported lines, screenshot $shot)"
