#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Los autores de Quorel
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Start-up of the game against minimal Qt Widgets windows built the same way
# (each with the same first-paint probe): time from launch to the end of the
# first paint, and peak memory, medians over N starts each, alternating, in
# one X session.
# Usage: bench/startup.sh [N]   (default 15)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-15}
dir=build-bench
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$dir" --target quorel_probe minimal_window_probe minimal_text_window_probe -j"$(nproc)" >/dev/null
source tests/e2e/x_session.sh
start_x

# Prints "milliseconds kilobytes" for one start: the time until the probe
# reports the first paint, and the peak resident memory once it has settled.
measure() {
    local program=$1
    local start painted=""
    : >"$workdir/probe"
    start=$(date +%s%N)
    "$program" 2>"$workdir/probe" >/dev/null &
    local pid=$!
    for _ in $(seq 2000); do
        painted=$(awk '/^first-paint/ {print $2}' "$workdir/probe")
        [ -n "$painted" ] && break
        sleep 0.01
    done
    [ -n "$painted" ] || fail "$program did not paint"
    sleep 0.5
    local peak
    peak=$(awk '/VmHWM/ {print $2}' "/proc/$pid/status")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    awk -v a="$start" -v b="$painted" -v k="$peak" 'BEGIN {printf "%.1f %d\n", (b - a) / 1e6, k}'
}

median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2}'; }

: >"$workdir/game"
: >"$workdir/minimal"
: >"$workdir/text"
for _ in $(seq "$runs"); do
    measure "$dir/bench/quorel_probe" >>"$workdir/game"
    measure "$dir/bench/minimal_window_probe" >>"$workdir/minimal"
    measure "$dir/bench/minimal_text_window_probe" >>"$workdir/text"
done

report() {  # label, file of the yardstick
    local ms kb game_ms game_kb
    game_ms=$(cut -d' ' -f1 "$workdir/game" | median)
    game_kb=$(cut -d' ' -f2 "$workdir/game" | median)
    ms=$(cut -d' ' -f1 "$2" | median)
    kb=$(cut -d' ' -f2 "$2" | median)
    echo "against $1: first paint ${game_ms} ms / ${ms} ms = $(awk "BEGIN{printf \"%.3f\", $game_ms/$ms}")," \
        "peak memory ${game_kb} KiB / ${kb} KiB = $(awk "BEGIN{printf \"%.3f\", $game_kb/$kb}")"
}
echo "starts each: $runs (medians)"
report "the minimal window" "$workdir/minimal"
report "the minimal window with one label" "$workdir/text"
