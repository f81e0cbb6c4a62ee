#!/usr/bin/env bash
# Runs test_tray on a private session bus and an X server of its own, the platform Qt takes a
# StatusNotifierItem tray on. Skips (status 77), saying why, where either cannot be had.
# Usage: tray_test.sh <test_tray>
set -euo pipefail
for tool in dbus-run-session xvfb-run; do
    command -v "$tool" >/dev/null || { echo "tray: skipped: $tool is not installed"; exit 77; }
done
export QT_QPA_PLATFORM=xcb
exec dbus-run-session -- xvfb-run -a -s "-screen 0 640x480x24" "$1"
