#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Los autores de Quorel
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds the Debian package and holds it and the source tree to Debian's and
# REUSE's rules: lintian at every level up to pedantic (experimental tags are
# shown, not counted) and `reuse lint`. Any finding fails.
set -euo pipefail
cd "$(dirname "$0")/../.."
deb=$(bash scripts/package)

echo "lintian $deb"
# lintian warns that it runs as root; that says nothing about the package.
lintian --fail-on error,warning,info,pedantic --display-info --pedantic --display-experimental \
    --info "$deb" 2> >(grep -v 'running with root privileges' >&2)
echo "lintian: no tags"

reuse lint || {
    cat >&2 <<'HINT'
FAIL: reuse lint. A file without licence information gets it with
  reuse annotate --copyright 'Los autores de Quorel' --year 2026 \
      --license GPL-3.0-or-later --skip-existing FILE...
(add --style python for a script or configuration file without extension).
HINT
    exit 1
}
echo "reuse lint: compliant"
