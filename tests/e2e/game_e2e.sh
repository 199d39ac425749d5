#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Los autores de Quorel
#
# SPDX-License-Identifier: GPL-3.0-or-later

# A whole game with real keys, on the known puzzle 250 from 2 3 5 7 10 100:
# a miss, then a solve, the name prompt and the listing of best times.
# Usage: game_e2e.sh PATH_TO_FIXED_PUZZLE_BUILD
program=$1
source "$(dirname "$0")/x_session.sh"

start_x
start_window QUOREL "$program"
[ "$(copy_focused)" = "250" ] || fail "not the known puzzle"

# A miss: left to right, 2+3x10 is 50. The box is read through Ctrl+C.
keys Tab Tab
type_text "2+3x10"
keys alt+h
wait_window Quorel >/dev/null
box=$(copy_box)
grep -qx "Quorel" <<<"$box" || fail "verdict box title: $box"
grep -qx "50" <<<"$box" || fail "verdict box text: $box"
keys Return
wait_gone Quorel

# Past 30 tokens an answer has no value, even one that would solve.
keys ctrl+a
type_text "(100x2)+(5x10)$(printf ')%.0s' {1..20})"  # 31 tokens
keys alt+h
wait_window Quorel >/dev/null
box=$(copy_box)
grep -qx "respuesta demasiado larga" <<<"$box" || fail "too long answer: $box"
grep -q "tiempo" <<<"$box" && fail "a too long answer got a time line: $box"
keys Return
wait_gone Quorel

# The solve. The focus is back in the answer box.
keys ctrl+a
type_text "(100x2)+(5x10)"
keys alt+h
wait_window Quorel >/dev/null
box=$(copy_box)
grep -qx "250" <<<"$box" || fail "verdict value: $box"
grep -qE "^tiempo = 0 minutos y [0-9]+ segundos\.$" <<<"$box" || fail "verdict time: $box"
keys Return

# The name prompt, then the listing.
wait_window "Ha establecido un nuevo récord!" >/dev/null
keys alt+h  # out of habit: it types nothing into the name
type_text "Ana"
keys Return
wait_window Quorel >/dev/null
listing=$(copy_box)
grep -qE "^Ana: 0 minutos y [0-9]+ segundos: 250 = \(100x2\)\+\(5x10\)$" <<<"$listing" ||
    fail "listing: $listing"
keys Return
wait_gone Quorel

# A solved puzzle takes no second submission.
keys alt+h
sleep 0.8
[ -z "$(find_window Quorel)" ] ||
    fail "Hecho still answered after the solve"

# Nuevo opens the next puzzle; its solve offers the last name as default.
keys alt+n
sleep 0.3
keys Tab Tab
type_text "(100x2)+(5x10)-3"
keys alt+h
wait_window Quorel >/dev/null
box=$(copy_box)
grep -qE "más 30 segundos de penalización\.$" <<<"$box" || fail "penalty: $box"
keys Return
wait_window "Ha establecido un nuevo récord!" >/dev/null
keys Return  # accept the default: Ana, as stored
wait_window Quorel >/dev/null
listing=$(copy_box)
[ "$(grep -c '^Ana: ' <<<"$listing")" = 2 ] || fail "second listing: $listing"
grep -q "250 aprox. (100x2)+(5x10)-3" <<<"$listing" || fail "approximate solution: $listing"
keys Return
wait_gone Quorel

# Closing the window ends the program cleanly.
close_window_cleanly
echo "game end-to-end: all checks passed"
