#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Los autores de Quorel
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Time of a first start from source: a fresh clone of this checkout's
# committed state (or of REF), then `bash scripts/play` in it, under Xvfb,
# until the game window is on the screen. The packages must be installed.
# Usage: bench/first_play.sh [REF]
set -euo pipefail
cd "$(dirname "$0")/.."
source tests/e2e/x_session.sh
git clone --quiet . "$workdir/clone"
git -C "$workdir/clone" checkout --quiet "${1:-HEAD}"
start_x
echo "load before: $(uptime)"
start=$(date +%s%N)
bash "$workdir/clone/scripts/play" >"$workdir/play.log" 2>&1 &
program_pid=$!
pids+=("$program_pid")
for _ in $(seq 6000); do
    [ -n "$(find_window QUOREL)" ] && break
    kill -0 "$program_pid" 2>/dev/null || fail "scripts/play ended: $(tail -n 20 "$workdir/play.log")"
    sleep 0.1
done
[ -n "$(find_window QUOREL)" ] || fail "no window after 10 minutes"
end=$(date +%s%N)
echo "load after: $(uptime)"
echo "objects compiled: $(grep -c 'Building CXX object' "$workdir/play.log")"
awk -v a="$start" -v b="$end" 'BEGIN {printf "first bash scripts/play: window after %.1f s\n", (b - a) / 1e9}'
