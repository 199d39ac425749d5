#!/usr/bin/env bash
# `cmake --install` puts the program, desktop entry, icon and metainfo where
# desktops look for them, and the installed files validate.
# Usage: install_test.sh BUILD_DIR
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

for f in bin/quorel \
    share/applications/org.quorel.Quorel.desktop \
    share/icons/hicolor/scalable/apps/org.quorel.Quorel.svg \
    share/metainfo/org.quorel.Quorel.metainfo.xml; do
    [ -f "$prefix/$f" ] || { echo "FAIL: $f not installed" >&2; exit 1; }
done
[ -x "$prefix/bin/quorel" ] || { echo "FAIL: quorel is not executable" >&2; exit 1; }
desktop-file-validate "$prefix/share/applications/org.quorel.Quorel.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/org.quorel.Quorel.metainfo.xml"
grep -q '^Categories=Game;LogicGame;$' "$prefix/share/applications/org.quorel.Quorel.desktop"
echo "install layout: all checks passed"
