#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Los autores de Quorel
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The manual pages format without a warning from groff (what lintian runs),
# give man-db's index a "name - summary" line for their own program, and
# document the same options as the program's --help when it is built.
# Usage: man_test.sh MAN_SOURCE_DIR BUILD_DIR
set -euo pipefail
pages=$1
build=$2
fail() { echo "FAIL: $*" >&2; exit 1; }

checked=()
for page in "$pages"/*.6; do
    name=$(basename "$page" .6)
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "$name.6: $warnings"
    whatis=$(lexgrog "$page") || fail "$name.6: lexgrog finds no NOMBRE line"
    [[ "$whatis" == *": \"$name - "?* ]] || fail "$name.6: index line $whatis"

    program=$build/$name
    if [ -x "$program" ]; then
        # Long options, as the program prints them and as the page writes
        # them. A usage text need not list --help and --version themselves.
        help=$(timeout 20 "$program" --help 2>&1) || fail "$name --help: exit status $?"
        from_help=$( (grep -oE -- '--[a-z][a-z-]*' <<<"$help" || true; printf '%s\n' --help --version) |
            sort -u)
        from_page=$(grep -oE '\\-\\-[a-z][a-z\\-]*' "$page" | sed 's/\\-/-/g' | sort -u || true)
        [ "$from_help" = "$from_page" ] ||
            fail "$name.6 and --help name different options (< page, > --help):"$'\n'"$(diff <(echo "$from_page") <(echo "$from_help"))"
        checked+=("$name (--help options)")
    else
        checked+=("$name")
    fi
done
[ ${#checked[@]} -gt 0 ] || fail "no manual pages in $pages"
echo "manual pages: ${checked[*]}: all checks passed"
