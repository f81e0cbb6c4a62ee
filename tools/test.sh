#!/usr/bin/env bash
# Installs what is missing, builds and runs every test: the layer and format checks, the documents
# against the sources and the build, the English translation against the sources' texts, the
# suite's tests but the package's and the benchmarks under
# AddressSanitizer and UndefinedBehaviorSanitizer (`ctest --preset asan -N` lists them), a short
# fuzz run, then the whole suite on the plain build (`ctest --preset default -N`).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
bash tools/check-layers.sh
bash tools/check-format.sh
bash tools/build.sh
bash tools/check-docs.sh
bash tools/check-translations.sh
bash tools/sanitize.sh
bash tools/fuzz.sh short 10
ctest --preset default
