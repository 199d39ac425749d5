#!/usr/bin/env bash
# Start-up of the game against a minimal Qt Widgets window built the same way:
# time from launch until the window is shown on the X server, and peak memory,
# medians over N starts each, alternating, in one X session.
# Usage: bench/startup.sh [N]   (default 15)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-15}
dir=build-bench
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$dir" --target quorel minimal_window minimal_text_window -j"$(nproc)" >/dev/null
source tests/e2e/x_session.sh
start_x

# Prints "milliseconds kilobytes" for one start of a program whose window has
# this title: the time until the window is shown (polled every 10 ms), and the
# peak resident memory once it has painted and settled.
measure() {
    local title=$1 program=$2
    local start end found=""
    start=$(date +%s%N)
    "$program" >/dev/null 2>&1 &
    local pid=$!
    for _ in $(seq 2000); do
        found=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -n1 || true)
        [ -n "$found" ] && break
        sleep 0.01
    done
    end=$(date +%s%N)
    [ -n "$found" ] || fail "$title did not appear"
    sleep 0.5
    local peak
    peak=$(awk '/VmHWM/ {print $2}' "/proc/$pid/status")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    echo "$(((end - start) / 1000000)) $peak"
}

median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2}'; }

: >"$workdir/game"
: >"$workdir/minimal"
: >"$workdir/text"
for _ in $(seq "$runs"); do
    measure QUOREL "$dir/quorel" >>"$workdir/game"
    measure MINIMAL "$dir/bench/minimal_window" >>"$workdir/minimal"
    measure MINIMALTEXT "$dir/bench/minimal_text_window" >>"$workdir/text"
done

report() {  # label, file of the yardstick
    local ms kb game_ms game_kb
    game_ms=$(cut -d' ' -f1 "$workdir/game" | median)
    game_kb=$(cut -d' ' -f2 "$workdir/game" | median)
    ms=$(cut -d' ' -f1 "$2" | median)
    kb=$(cut -d' ' -f2 "$2" | median)
    echo "against $1: window shown ${game_ms} ms / ${ms} ms = $(awk "BEGIN{printf \"%.3f\", $game_ms/$ms}")," \
        "peak memory ${game_kb} KiB / ${kb} KiB = $(awk "BEGIN{printf \"%.3f\", $game_kb/$kb}")"
}
echo "starts each: $runs (medians)"
report "the minimal window" "$workdir/minimal"
report "the minimal window with one label" "$workdir/text"
