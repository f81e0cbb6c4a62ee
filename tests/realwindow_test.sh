#!/usr/bin/env bash
# Drives the real executable on an X server of its own, as a user would: a query by keyboard,
# mouse and wheel, a screenshot, an export, then the window system's close answered with 否. The
# program must end by itself with status 0, its sound player must have played the greeting and
# ended with status 0, and neither the program, its player nor the demo service may print a
# sanitizer's report (under the sanitizer build, leaks are checked when each ends). A copy with its
# player, sounds and skin beside it, as a portable copy has them, is run from a scratch folder and
# keeps its files there; an installed one (the package's tree) is run where it is, with a scratch
# home, and keeps them in the user's data folder.
# The run, its demo service and its display live in a network namespace of their own, so that
# whatever holds the executable's port on this machine (tools/run.sh, another checkout's tests)
# cannot meet them. To prove it, while the run lasts a second demo service holds that port on
# this machine unless something holds it already; it ends with this script, however it ends.
# Where no namespace can be made, the machine's port is used when it is free; when it is busy,
# the test skips (status 77) and says why.
# Usage: realwindow_test.sh <quillon> <quillon-demo-service> <screenshot.png> <host:port it asks>
set -euo pipefail
unset LANGUAGE LC_ALL LC_MESSAGES && export LANG=C.UTF-8 # the Chinese interface, whatever the machine speaks
exe=$1 shot=$3 port=${4##*:}
listening() { (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; }
if [ -z "${REALWINDOW_STAGE:-}" ]; then
    [ "${4%:*}" = 127.0.0.1 ] || { echo "realwindow: skipped: the build asks $4, not a demo service here"; exit 77; }
    export REALWINDOW_STAGE=display
    display=(xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$@")
    flags=-n && [ "$(id -u)" -eq 0 ] || flags=-rn
    if ! unshare $flags true 2>/dev/null; then
        listening && echo "realwindow: skipped: no network namespace can be made, and 127.0.0.1:$port is busy" && exit 77
        exec "${display[@]}"
    fi
    # On any exit or stop signal the trap ends the holder and the run, X server included; were
    # this script killed outright, the kernel would still end the holder (its parent-death signal).
    run=
    trap 'kill $(jobs -p) 2>/dev/null || true; [ -z "$run" ] || kill -- -"$run" 2>/dev/null || true' EXIT
    trap 'exit 129' HUP && trap 'exit 130' INT && trap 'exit 143' TERM
    if ! listening; then
        setpriv --pdeathsig TERM "$2" --port "$port" </dev/null >/dev/null 2>&1 &
        for _ in $(seq 50); do listening && break; sleep 0.1; done
        listening || { echo "realwindow: the demo service that holds 127.0.0.1:$port did not start" >&2 && exit 1; }
    fi
    # A process group of its own, for the trap to end; in the background, so that a signal
    # reaches the trap while the run lasts.
    setsid unshare $flags sh -c 'ip link set lo up && exec "$@"' - "${display[@]}" &
    run=$!
    wait "$run" && exit 0 || exit $?
fi
work=$(mktemp -d)
fail() { echo "realwindow: $*" >&2 && cat "$work"/*.log >&2 && exit 1; }
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
"$2" --port "$port" >"$work/service.log" 2>&1 &
for _ in $(seq 50); do listening && break; sleep 0.1; done

if [ -f "$(dirname "$exe")/ts.mp3" ]; then
    data=$work/app && mkdir "$data" && exe=$data/${exe##*/} &&
        cp "$1" "$(dirname "$1")"/{quillon-sound,ts.mp3,orvo.mp3,skinh.she} "$data/"
else
    export HOME=$work/home XDG_DATA_HOME=$work/data && data=$work/data/Quillon installed=1 && mkdir -p "$data"
fi
# The history holds one entry a stray wheel could pick.
printf '555|顺丰快递\r\n' | iconv -f UTF-8 -t GB18030 >"$data/wlnum.ini"
# The program says when each sound's player starts and ends, and with what status.
QT_LOGGING_RULES=quillon.sound.debug=true QT_QPA_PLATFORM=xcb "$exe" >"$work/app.log" 2>&1 & app=$!
win=$(timeout 20 xdotool search --sync --onlyvisible --name "Quillon V3" | head -1) || fail "the window did not appear"
[ "$(xdotool getwindowgeometry "$win" | sed -n 's/.*Geometry: //p')" = 642x522 ] || fail "the window is not 642x522"
# The greeting's player ends before the query's sound would end it; under the sanitizers it starts slowly.
greeted() { grep -o '^quillon.sound: player of orvo.mp3 ended .*' "$work/app.log"; }
for _ in $(seq 100); do greeting=$(greeted) && break; sleep 0.2; done
[ "$greeting" = "quillon.sound: player of orvo.mp3 ended with status 0" ] ||
    fail "the greeting's player did not end with status 0: ${greeting:-no end seen}"
sleep 1.5 # the update check runs a second after start

# Without a window manager, send the close request one would send (WM_DELETE_WINDOW).
close_request() {
    python3 - "$1" <<'PY' || fail "could not send the close request"
import ctypes as C, sys
x, w = C.cdll.LoadLibrary("libX11.so.6"), int(sys.argv[1])
x.XOpenDisplay.restype = C.c_void_p
d = C.c_void_p(x.XOpenDisplay(None))
# A ClientMessage (33) of format 32: on x86-64 each field of the event takes a long of its own.
event = (C.c_long * 24)(33, 0, 1, d.value, w, x.XInternAtom(d, b"WM_PROTOCOLS", 0), 32, x.XInternAtom(d, b"WM_DELETE_WINDOW", 0))
x.XSendEvent(d, w, 0, 0, event) and x.XFlush(d)
PY
}
at() { xdotool mousemove --window "$win" "$1" "$2" "${@:3}"; sleep 0.3; } # positions from app/mainwindow.ui
at 136 82 click 1 && xdotool key End Return && sleep 0.3 # companyBox: the last company, 中邮物流
at 136 49 click 1 && xdotool type --delay 30 1234567890 && xdotool key Tab
at 136 49 click 4 click 4 click 5 # wheel turns over the number box and the company list, which
at 136 82 click 4 click 4 click 5 # have no focus now, must change nothing
at 444 68 click 1 && sleep 1      # 开始查询
import -window "$win" "$shot" || fail "screenshot failed"
at 572 44 click 1 && sleep 0.5 && xdotool key Return && sleep 0.5 # 导出信息, then its box

close_request "$win"
box=$(timeout 5 xdotool search --sync --onlyvisible --name "Orvo系列软件" | head -1) || fail "no farewell question on close"
xdotool windowfocus --sync "$box" key n # 否
# Leak checks take a while.
timeout 30 tail --pid="$app" -f /dev/null && wait "$app" || fail "the program did not end with status 0 after 否: $?"
! grep -E "Sanitizer|runtime error" "$work"/*.log >/dev/null || fail "a sanitizer reported"

[ "$(wc -l <"$data/物流信息.txt")" -ge 3 ] || fail "物流信息.txt lacks the rows"
iconv -f GB18030 -t UTF-8 "$data/wlnum.ini" | grep -qx $'1234567890|中邮物流\r' || fail "wlnum.ini lacks 1234567890|中邮物流"
[ -z "${installed:-}" ] || [ -z "$(find "$(dirname "$exe")" -newer "$work/service.log")" ] ||
    fail "the installed program wrote beside itself"
# In a tray of its own (quillon-tray-host beside the demo service, on a private bus): started hidden,
# as at login, the program says "Quillon" in the tray's tooltip, checks its menu's items, writes
# its login entry, shows its window on a click and on 显示主窗口, hides it on a close once
# 关闭窗口时留在托盘 is checked, and ends by 退出 after the farewell question.
host=$(dirname "$2")/../tray-host/quillon-tray-host && [ -x "$host" ] || host=$(command -v quillon-tray-host || true)
if [ -n "$host" ] && command -v dbus-daemon >/dev/null; then
    export DBUS_SESSION_BUS_ADDRESS=$(dbus-daemon --session --fork --print-address=1 --print-pid=3 3>"$work/bus.pid")
    trap 'kill $(jobs -p) $(cat "$work/bus.pid" 2>/dev/null) 2>/dev/null || true; rm -rf "$work"' EXIT
    export XDG_CONFIG_HOME=$work/config
    "$host" >"$work/host.log" 2>&1 &
    for _ in $(seq 50); do grep -q ready "$work/host.log" && break; sleep 0.1; done
    QT_QPA_PLATFORM=xcb "$exe" --hidden >"$work/tray.log" 2>&1 & app=$!
    dbus() { dbus-send --session --print-reply --dest="${item%%/*}" "$@"; }
    for _ in $(seq 100); do
        item=$(dbus-send --session --print-reply --dest=org.kde.StatusNotifierWatcher /StatusNotifierWatcher \
            org.freedesktop.DBus.Properties.Get string:org.kde.StatusNotifierWatcher \
            string:RegisteredStatusNotifierItems | grep -o '"[^"]*"' | tr -d '"') && [ -n "$item" ] && break
        sleep 0.2
    done
    [ -n "$item" ] || fail "no tray item registered by a start with --hidden"
    dbus /StatusNotifierItem org.freedesktop.DBus.Properties.Get string:org.kde.StatusNotifierItem string:ToolTip |
        grep -q '"Quillon"' || fail "the tray's tooltip does not say Quillon"
    sleep 2 # the update check, and no window meanwhile
    shown() { xdotool search --onlyvisible --name "$1" >/dev/null; }
    ! shown "Quillon V3" || fail "--hidden showed the window"
    # item LABEL: the id and check state of the tray's menu item of that label.
    item_of() {
        dbus /MenuBar com.canonical.dbusmenu.GetLayout int32:0 int32:-1 array:string: | python3 -c 'import re, sys
for chunk in re.split(r"int32 (?=\d+\s+array)", sys.stdin.read())[1:]:  # an item: its id, its properties
    label, state = (re.search(r"string \"%s\"\s+variant\s+\w+ \"?([^\"\n]*)" % k, chunk) for k in ("label", "toggle-state"))
    if label and label.group(1) == sys.argv[1]: print(re.match(r"\d+", chunk).group(0), state and state.group(1))' "$1"
    }
    choose() { # the item clicked as a tray's menu does
        local id && id=$(item_of "$1" | cut -d' ' -f1) && [ -n "$id" ] || fail "no item $1 in the tray's menu"
        dbus /MenuBar com.canonical.dbusmenu.Event int32:"$id" string:clicked variant:int32:0 uint32:0 >/dev/null && sleep 0.5
    }
    choose 关闭窗口时留在托盘 && choose 登录时启动
    [ "$(item_of 关闭窗口时留在托盘 | cut -d' ' -f2)$(item_of 登录时启动 | cut -d' ' -f2)" = 11 ] || fail "the items are not checked"
    grep -qx "Exec=.*--hidden" "$XDG_CONFIG_HOME/autostart/org.example.Quillon.desktop" || fail "no login entry written"
    for show in "dbus /StatusNotifierItem org.kde.StatusNotifierItem.Activate int32:0 int32:0" "choose 显示主窗口"; do
        $show >/dev/null && win=$(timeout 10 xdotool search --sync --onlyvisible --name "Quillon V3" | head -1) ||
            fail "$show showed no window"
        close_request "$win" && sleep 1
        ! shown "Quillon V3" || fail "a close with 关闭窗口时留在托盘 left the window"
        ! shown "Orvo系列软件" && kill -0 "$app" || fail "a close into the tray asked the farewell question or ended"
    done
    # The list alone, from the tray, closes without ending the program that runs in the tray.
    choose 全部快件 && list=$(timeout 10 xdotool search --sync --onlyvisible --name "全部快件" | head -1) || fail "no list"
    close_request "$list" && sleep 1 && kill -0 "$app" || fail "closing the list alone ended the program"
    choose 退出
    box=$(timeout 5 xdotool search --sync --onlyvisible --name "Orvo系列软件" | head -1) || fail "no farewell question on 退出"
    xdotool windowfocus --sync "$box" key n # 否
    timeout 30 tail --pid="$app" -f /dev/null && wait "$app" || fail "the program did not end with status 0 after 退出: $?"
    ! grep -E "Sanitizer|runtime error" "$work"/*.log >/dev/null || fail "a sanitizer reported"
else
    echo "realwindow: the tray part skipped: no quillon-tray-host or dbus-daemon here"
fi
echo "realwindow: passed"
