#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Los autores de Quorel
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The clock counts the seconds a stopped game missed: the game is stopped
# (SIGSTOP) for 10 s and continued, then solves the known puzzle; its time
# counts the stop.
# Usage: clock_e2e.sh PATH_TO_FIXED_PUZZLE_BUILD
program=$1
source "$(dirname "$0")/x_session.sh"

stopped=10
start_x
started=$(date +%s%N)
start_window QUOREL "$program"
sleep 1
kill -STOP "$program_pid"
sleep "$stopped"
kill -CONT "$program_pid"
sleep 1.5

keys Tab Tab
type_text "(100x2)+(5x10)"
keys alt+h
wait_window Quorel >/dev/null
box=$(copy_box)
wall=$((($(date +%s%N) - started) / 1000000000))
seconds=$(sed -n 's/^tiempo = 0 minutos y \([0-9]*\) segundos\.$/\1/p' <<<"$box")
[ -n "$seconds" ] || fail "verdict time: $box"
echo "clock: $seconds s after a ${stopped} s stop; $wall s of wall time since the start"
# At least the stop and the seconds around it; never more than really passed.
[ "$seconds" -ge $((stopped + 2)) ] || fail "the clock lost the stop: $seconds s"
[ "$seconds" -le "$wall" ] || fail "the clock ran ahead: $seconds s in $wall s"
keys Return

wait_window "Ha establecido un nuevo récord!" >/dev/null
keys Return
wait_window Quorel >/dev/null
keys Return
wait_gone Quorel
close_window_cleanly
echo "clock across a stop: all checks passed"
