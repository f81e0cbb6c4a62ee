#!/usr/bin/env bash
# Installs what building, running and testing Quillon needs on Debian or Ubuntu, if it is missing.
set -euo pipefail

packages=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-base-private-dev qt6-multimedia-dev libqt6multimedia6 libqt6sql6-sqlite
    libgl-dev libbenchmark-dev libxdamage-dev
    fonts-wqy-microhei
    xvfb xauth x11-utils xdotool imagemagick python3 iproute2
    gstreamer1.0-plugins-base gstreamer1.0-plugins-good
    qt6-translations-l10n qt6-l10n-tools
    clang-14 libclang-rt-14-dev clang-format-14
    desktop-file-utils appstream time
    dbus-daemon dbus-bin
    lintian dpkg-dev file
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    export DEBIAN_FRONTEND=noninteractive
    $sudo apt-get update -qq
    $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
