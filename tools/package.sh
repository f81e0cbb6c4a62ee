#!/usr/bin/env bash
# Installs what is missing, builds the default preset and makes the Debian package from that build
# (CPack's DEB generator, no second build): build/quillon_<version>-1_<arch>.deb.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
bash tools/build.sh
cd build
cpack -G DEB
echo "Install it with: sudo apt install ./build/$(ls quillon_*.deb | tail -1)"
