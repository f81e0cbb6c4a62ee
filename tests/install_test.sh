#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks the layout desktops and software
# centres expect, with their own validators.
# Usage: install_test.sh <cmake> <build folder>
set -euo pipefail

cmake=$1
build=$2
id=org.example.Quillon
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

"$cmake" --install "$build" --prefix "$prefix" >/dev/null

failed=0
fail() {
    echo "FAIL: $*"
    failed=1
}

[[ -x $prefix/bin/quillon ]] || fail "bin/quillon missing or not executable"
for file in ts.mp3 orvo.mp3 skinh.she; do
    cmp -s "$prefix/share/quillon/$file" "$(dirname "$0")/../assets/$file" || fail "share/quillon/$file differs or is missing"
done

for size in 16 32 48 64 128 256; do
    icon=$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png
    if [[ ! -f $icon ]]; then
        fail "icon $size missing"
        continue
    fi
    # The PNG header: width and height as big-endian words at bytes 16 and 20.
    read -r width height < <(od -An -tu1 -j16 -N8 "$icon" |
        awk '{ print $1*16777216 + $2*65536 + $3*256 + $4, $5*16777216 + $6*65536 + $7*256 + $8 }')
    [[ $width == "$size" && $height == "$size" ]] || fail "icon $size is ${width}x$height"
done

desktop=$prefix/share/applications/$id.desktop
metainfo=$prefix/share/metainfo/$id.metainfo.xml
if [[ -f $desktop ]]; then
    desktop-file-validate "$desktop" || fail "desktop-file-validate"
    grep -qx "Icon=$id" "$desktop" || fail "the desktop entry names another icon"
    grep -qx "Exec=quillon" "$desktop" || fail "the desktop entry starts another program"
else
    fail "desktop entry missing"
fi
if [[ -f $metainfo ]]; then
    appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate"
    grep -q "<id>$id</id>" "$metainfo" || fail "the metainfo has another id"
    grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
        fail "the metainfo launches another desktop entry"
else
    fail "metainfo missing"
fi
# The tree as a whole: the metainfo's desktop entry and icon found where it points.
appstreamcli validate-tree --no-net "$prefix" || fail "appstreamcli validate-tree"

exit $failed
