#!/usr/bin/env bash
# Every C++ source, tracked or not yet added, is laid out as clang-format-14 lays it out
# (.clang-format at the top).
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files --cached --others --exclude-standard -- '*.cpp' '*.h' | while read -r f; do
    [ -f "$f" ] && echo "$f"
done)
clang-format-14 --dry-run -Werror "${files[@]}"
echo "format: every source is laid out as .clang-format says"
