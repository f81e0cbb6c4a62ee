#!/usr/bin/env bash
# Installs the build into a temporary prefix and makes the Debian package from the same build;
# checks the package with lintian, that it holds the same files as the install, and its tree
# with the desktops' and software centres' own validators. The package's tree stays in
# <package folder>/root for the real-window run against it.
# Usage: install_test.sh <cmake> <cpack> <build folder> <package folder>
set -euo pipefail
cmake=$1 cpack=$2 build=$3 out=$4
id=org.example.Quillon
failed=0
fail() {
    echo "FAIL: $*"
    failed=1
}
for tool in lintian dpkg-deb dpkg-shlibdeps file desktop-file-validate appstreamcli; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (tools/setup.sh installs it)"; exit 1; }
done

rm -rf "$out" && mkdir -p "$out" && prefix=$out/prefix
"$cmake" --install "$build" --prefix "$prefix" >/dev/null
# A strict umask must not reach the package's folders.
(umask 077 && cd "$build" && "$cpack" -G DEB -B "$out" >"$out/cpack.log") || { cat "$out/cpack.log"; exit 1; }
deb=$(ls "$out"/quillon_*-1_amd64.deb) || exit 1

# No error, not even an overridden one; every warning fixed or overridden with its reason.
lintian --no-override "$deb" 2>/dev/null | grep '^E:' && fail "lintian finds errors"
lintian --fail-on error,warning "$deb" 2>/dev/null || fail "lintian finds warnings that are not overridden"
# Every binary hardened (QUILLON_HARDENING); lintian names what lacks it only among its notes.
lintian -I "$deb" 2>/dev/null | grep -E 'hardening-no-(bindnow|fortify-functions)' && fail "a binary lacks the hardening"

# A plugin is loaded, not linked, so shlibdeps cannot name it: the package must.
dpkg-deb -f "$deb" Depends | grep -qw libqt6sql6-sqlite || fail "Depends lacks Qt's SQLite driver"

dpkg-deb -x "$deb" "$out/root"
diff <(cd "$prefix" && find . | sort) <(cd "$out/root/usr" && find . | sort) ||
    fail "the package and cmake --install hold different files"

# The package's tree, with the desktops' and software centres' own validators (lintian has checked
# the icons' sizes against their folders).
root=$out/root/usr
[[ -x $root/bin/quillon && -x $root/bin/quillon-demo-service ]] || fail "a program is missing"
for file in ts.mp3 orvo.mp3 skinh.she; do
    cmp -s "$root/share/quillon/$file" "$(dirname "$0")/../assets/$file" || fail "share/quillon/$file differs"
done
desktop=$root/share/applications/$id.desktop metainfo=$root/share/metainfo/$id.metainfo.xml
desktop-file-validate "$desktop" && grep -qx "Icon=$id" "$desktop" && grep -qx "Exec=quillon" "$desktop" ||
    fail "the desktop entry"
appstreamcli validate --no-net "$metainfo" && grep -q "<id>$id</id>" "$metainfo" &&
    grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" || fail "the metainfo"
# The tree as a whole: the metainfo's desktop entry and icon found where it points.
appstreamcli validate-tree --no-net "$root" || fail "appstreamcli validate-tree"
exit $failed
