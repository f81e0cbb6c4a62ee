#!/usr/bin/env bash
# The layers only look down: common/ <- platform/ <- tracking/ history/ monitor/ search/ outlet/ overview/
# <- app/.
# A folder includes nothing of a folder above it, and of a folder beside it only what does not
# include it in turn. Tests, fuzz targets, benchmarks and tools may include anything.
set -euo pipefail
cd "$(dirname "$0")/.."
rank() {
    case $1 in
    common) echo 0 ;;
    platform) echo 1 ;;
    tracking | history | monitor | search | outlet | overview) echo 2 ;;
    app) echo 3 ;;
    *) echo "" ;;
    esac
}
edges=$(for folder in common platform tracking history monitor search outlet overview app; do
    git grep --untracked -h -o -E '^#include "[a-z]+/' -- "$folder/" | sed -E 's/#include "([a-z]+)\//\1/' | sort -u |
        sed "s/^/$folder /"
done)
failed=0
while read -r from to; do
    [ "$from" = "$to" ] || [ -z "$(rank "$to")" ] && continue
    if [ "$(rank "$to")" -gt "$(rank "$from")" ] ||
        { [ "$(rank "$to")" -eq "$(rank "$from")" ] && grep -qx "$to $from" <<<"$edges"; }; then
        echo "layers: $from/ includes $to/, which is not below it:"
        git grep --untracked -n -E "^#include \"$to/" -- "$from/" | sed 's/^/    /'
        failed=1
    fi
done <<<"$edges"
[ "$failed" -eq 0 ] && echo "layers: every include looks down"
exit "$failed"
