#!/usr/bin/env bash
# Installs what is missing, builds and runs every test: the layer check, the whole suite under
# AddressSanitizer and UndefinedBehaviorSanitizer, a short fuzz run, then the whole suite on the
# plain build.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
bash tools/check-layers.sh
bash tools/build.sh
bash tools/sanitize.sh
bash tools/fuzz.sh short 10
ctest --preset default
