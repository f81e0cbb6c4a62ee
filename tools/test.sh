#!/usr/bin/env bash
# Installs what is missing, builds and runs every test: the whole suite under AddressSanitizer
# and UndefinedBehaviorSanitizer, a short run of every fuzz target, then the whole suite on the
# plain build.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
bash tools/build.sh
bash tools/sanitize.sh
bash tools/fuzz.sh short 20
ctest --preset default
