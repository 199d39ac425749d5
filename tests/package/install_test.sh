#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Los autores de Quorel
# SPDX-License-Identifier: GPL-3.0-or-later
#
# `cmake --install` puts the programs in games/ (Debian's /usr/games), the
# manual pages, desktop entry, icon, metainfo and the package's documents
# where they are looked for, and the installed files validate.
# Usage: install_test.sh BUILD_DIR
set -euo pipefail
build=$1
prefix=$(mktemp -d)
stripped=$(mktemp -d)
trap 'rm -rf "$prefix" "$stripped"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
cmake --install "$build" --prefix "$prefix" >/dev/null

programs=(quorel)
# The companion program is shipped whenever this build has it.
[ -x "$build/quorel-solucion" ] && programs+=(quorel-solucion)

for f in share/applications/org.quorel.Quorel.desktop \
    share/icons/hicolor/scalable/apps/org.quorel.Quorel.svg \
    share/metainfo/org.quorel.Quorel.metainfo.xml \
    share/doc/quorel/copyright share/doc/quorel/changelog.gz; do
    [ -f "$prefix/$f" ] || fail "$f not installed"
done
for p in "${programs[@]}"; do
    [ -x "$prefix/games/$p" ] || fail "games/$p not installed or not executable"
    gzip -t "$prefix/share/man/man6/$p.6.gz" || fail "man6/$p.6.gz missing or not gzip"
done
[ ! -e "$prefix/bin" ] || fail "bin/ installed: the programs belong in games/"
# A manual page whose program is not installed documents nothing.
for page in "$prefix"/share/man/man6/*.6.gz; do
    name=$(basename "$page" .6.gz)
    [ -x "$prefix/games/$name" ] || fail "man6/$name.6.gz installed without games/$name"
done

desktop-file-validate "$prefix/share/applications/org.quorel.Quorel.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/org.quorel.Quorel.metainfo.xml"
grep -q '^Categories=Game;LogicGame;$' "$prefix/share/applications/org.quorel.Quorel.desktop" ||
    fail "desktop entry categories"
grep -q '<project_license>GPL-3.0-or-later</project_license>' \
    "$prefix/share/metainfo/org.quorel.Quorel.metainfo.xml" || fail "metainfo project_license"

# The version is written once, in CMakeLists.txt; the changelog's latest
# entry, the manual pages' headers and the metainfo's latest release must
# name it, so that none of them drifts apart from the package.
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
top=$(zcat "$prefix/share/doc/quorel/changelog.gz" | head -n1)
[[ "$top" == "quorel ($version) "* ]] || fail "changelog starts '$top', project version $version"
for page in "$prefix"/share/man/man6/*.6.gz; do
    header=$(zcat "$page" | grep -m1 '^\.TH ')
    [[ "$header" == *" \"Quorel $version\" "* ]] || fail "$(basename "$page"): '$header', project version $version"
done
release=$(grep -m1 -o '<release version="[^"]*"' "$prefix/share/metainfo/org.quorel.Quorel.metainfo.xml")
[ "$release" = "<release version=\"$version\"" ] || fail "metainfo's latest $release, project version $version"

# A stripped install keeps neither symbols nor the compiler's notes.
cmake --install "$build" --prefix "$stripped" --strip >/dev/null
for p in "${programs[@]}"; do
    sections=$(readelf -S -W "$stripped/games/$p")
    for s in .symtab .comment .debug_info; do
        ! grep -qF " $s " <<<"$sections" || fail "stripped games/$p still has $s"
    done
done
echo "install layout (${programs[*]}): all checks passed"
