#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Los autores de Quorel
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The package is reproducible: two builds of the same commit, in two fresh
# clones at different paths, at different times, under a different umask and
# time zone, give the same bytes. If not, diffoscope says where they differ.
# Usage: reproducible_test.sh [COMMIT] (default HEAD: what is committed).
set -euo pipefail
cd "$(dirname "$0")/../.."
commit=$(git rev-parse "${1:-HEAD}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

build() {  # clone folder, umask, time zone
    local clone=$1
    git clone --quiet . "$clone"
    git -C "$clone" checkout --quiet "$commit"
    echo "== building in $clone (umask $2, TZ=$3)" >&2
    (umask "$2" && cd "$clone" && TZ=$3 bash scripts/package)
}

first=$(build "$work/a" 022 UTC)
sleep 2  # a later second, even on a fast machine
second=$(build "$work/another/longer/path/b" 002 Asia/Kolkata)
first=$work/a/$first
second=$work/another/longer/path/b/$second

sha256sum "$first" "$second"
if cmp -s "$first" "$second"; then
    echo "reproducible: $(basename "$first") is the same from two builds of ${commit:0:12}"
    exit 0
fi
echo "FAIL: two builds of ${commit:0:12} differ" >&2
if command -v diffoscope >/dev/null; then
    diffoscope --no-progress --text - "$first" "$second" | head -n 200 >&2 || true
else
    echo "(install diffoscope-minimal to see where: bash scripts/install-deps ci)" >&2
fi
exit 1
