# Sourced by the measurements that need a screen. Starts Xvfb on a display no one uses (Xvfb
# picks it and says which; -noreset, as the measured programs come and go), exports DISPLAY, and
# on exit ends what the caller started (its ids in `started`), then Xvfb, and removes the scratch
# folder `scratch`.
# Needs: Xvfb (xvfb).

command -v Xvfb >/dev/null || { echo "display: Xvfb is not installed" >&2; exit 1; }
started=()
scratch="$(mktemp -d)"
xvfb_pid=""
clean_up() {
    local pid
    for pid in "${started[@]}" $xvfb_pid; do
        kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null || true
    done
    rm -rf "$scratch"
}
trap clean_up EXIT
trap 'exit 130' INT TERM

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$scratch/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
    [[ -s "$scratch/display" ]] && break
    sleep 0.05
done
[[ -s "$scratch/display" ]] || { echo "display: Xvfb did not come up" >&2; exit 1; }
export DISPLAY=":$(head -n 1 "$scratch/display")"

# A tray, as a desktop with one has: a private session bus with quillon-tray-host on it, which the
# programs measured find there. Each measurement runs with it.
start_tray() {
    local host="$1/tools/tray-host/quillon-tray-host"
    [[ -x "$host" ]] || { echo "display: $host is not built" >&2; exit 1; }
    command -v dbus-daemon >/dev/null || { echo "display: dbus-daemon is not installed" >&2; exit 1; }
    DBUS_SESSION_BUS_ADDRESS="$(dbus-daemon --session --fork --print-address=1 --print-pid=3 3>"$scratch/bus.pid")"
    export DBUS_SESSION_BUS_ADDRESS
    started+=("$(cat "$scratch/bus.pid")")
    "$host" >"$scratch/tray-host.log" 2>&1 &
    started+=($!)
    for _ in $(seq 50); do
        grep -q ready "$scratch/tray-host.log" && return
        sleep 0.1
    done
    echo "display: the tray host did not start" >&2 && exit 1
}

# A portable copy of the program in the scratch folder, with its sound player, sounds and skin and an empty
# history, so that a history left in the build tree does not weigh on the figures; prints its path.
portable_copy() {
    local build="$1"
    mkdir -p "$scratch/program"
    cp "$build/quillon" "$build/quillon-sound" "$build"/{ts.mp3,orvo.mp3,skinh.she} "$scratch/program/"
    echo "$scratch/program/quillon"
}
