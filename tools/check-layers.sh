#!/usr/bin/env bash
# The layers only look down, in the order of layers.txt (from the bottom up, one layer a line). A
# folder includes nothing of a layer above its own, and no folders include each other in a ring of
# any length. Every folder with C++ sources has its layer, but tests, fuzz targets, benchmarks and
# tools, which may include anything.
set -euo pipefail
cd "$(dirname "$0")/.."
declare -A rank=()
layer=0
while read -r folders; do
    for folder in $folders; do
        rank[$folder]=$layer
    done
    layer=$((layer + 1))
done < <(grep -v -e '^#' -e '^ *$' layers.txt)
failed=0
for folder in $(git ls-files --cached --others --exclude-standard -- '*.cpp' '*.h' | grep / | cut -d/ -f1 | sort -u); do
    case $folder in tests | fuzz | bench | tools) ;;
    *) [ -n "${rank[$folder]:-}" ] || {
        echo "layers: $folder/ holds sources but is in no layer of layers.txt"
        failed=1
    } ;;
    esac
done
edges=$(for folder in "${!rank[@]}"; do # a folder that includes nothing is no failure
    { git grep --untracked -h -o -E '^#include "[a-z]+/' -- "$folder/" || true; } |
        sed -E 's/#include "([a-z]+)\//\1/' | sort -u | sed "s/^/$folder /"
done)
while read -r from to; do
    [ -n "$from" ] && [ "$from" != "$to" ] || continue
    if [ -z "${rank[$to]:-}" ] || [ "${rank[$to]}" -gt "${rank[$from]}" ]; then
        echo "layers: $from/ includes $to/, which is not below it:"
        git grep --untracked -n -E "^#include \"$to/" -- "$from/" | sed 's/^/    /'
        failed=1
    fi
done <<<"$edges"
# tsort names the folders of each ring it meets, each including the next and the last the first.
if ! rings=$(tsort <<<"$edges" 2>&1 >/dev/null); then
    echo "layers: folders include each other in a ring:"
    awk '/contains a loop/ { if (ring) print "   " ring " " first; ring = ""; next }
         { sub(/^tsort: /, ""); if (!ring) first = $0 "/"; ring = ring " " $0 "/ ->" }
         END { print "   " ring " " first }' <<<"$rings"
    failed=1
fi
# Within and across folders, no two files reach each other: a file's header and source are one
# part, and no parts include each other in a ring either.
parts=$(for file in $(git ls-files --cached --others --exclude-standard -- '*.cpp' '*.h' |
    grep -v -E '^(tests|fuzz|bench|tools)/'); do
    { grep -o -E '^#include "[a-z]+/[a-z0-9_]+\.h"' "$file" || true; } |
        sed -E 's/#include "(.*)\.h"/\1/' | grep -v -x "${file%.*}" | sed "s|^|${file%.*} |"
done)
if ! rings=$(tsort <<<"$parts" 2>&1 >/dev/null); then
    echo "layers: files include each other in a ring:"
    grep -v 'contains a loop' <<<"$rings" | sed 's/^tsort: /    /'
    failed=1
fi
[ "$failed" -eq 0 ] && echo "layers: every include looks down"
exit "$failed"
