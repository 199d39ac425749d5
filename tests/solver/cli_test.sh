#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Los autores de Quorel
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The installed program's streams and exit statuses, as a shell sees them.
set -uo pipefail
program=$1
readme=${2:-}
failures=0
errors=$(mktemp)
trap 'rm -f "$errors"' EXIT

# expect STATUS STDOUT STDERR-FIRST-LINE -- ARGS...
expect() {
    local status=$1 out=$2 err=$3
    shift 4
    local got_out got_err got_status
    got_out=$("$program" "$@" 2>"$errors")
    got_status=$?
    got_err=$(head -n 1 "$errors")
    if [[ $got_status != "$status" || $got_out != "$out" || $got_err != "$err" ]]; then
        echo "FAIL: $*"
        echo "  status $got_status (want $status)"
        echo "  stdout [$got_out] (want [$out])"
        echo "  stderr [$got_err] (want [$err])"
        failures=$((failures + 1))
    fi
}

expect 0 $'Sí: se llega justo a 250.\n250 = 100x5/2' "" -- 250 2 3 5 7 10 100
expect 1 $'No: la mejor respuesta queda a 997 del objetivo 1000, y el juego solo da por resuelta una respuesta a 5 o menos.\n3 = 2+1' "" -- 1000 1 2
expect 2 "" "quorel-solucion: el número «0» no está entre 1 y 32767" -- 250 0
expect 2 "" "quorel-solucion: opción desconocida: «--nada»" -- --nada
expect 0 $'Fichas: 5 - 5 x 3\nIgnora: nada\nPasos:\n  empieza con 5\n  5 - 5 = 0\n  el resultado es 0, así que el juego empieza de nuevo con 3 (el 3 no se multiplica: el signo x queda para el número siguiente)\nResultado: 3' "" -- --pasos 5-5x3
expect 0 "quorel-solucion (Quorel) 1.0.0" "" -- --version

# The README's examples: each "    $ quorel-solucion ARGS" block shows what the
# program prints for them.
if [ -n "$readme" ]; then
    shown=0
    while IFS= read -r args; do
        want=$(awk -v cmd="    \$ quorel-solucion $args" '
            $0 == cmd {on = 1; next}
            on && /^    / && !/^    \$/ {sub(/^    /, ""); print; next}
            on {exit}' "$readme")
        # shellcheck disable=SC2086 # the README's arguments, split as a shell would
        got=$("$program" $args 2>&1)
        if [ "$got" != "$want" ]; then
            echo "FAIL: README example quorel-solucion $args"
            echo "  shown [$want]"
            echo "  printed [$got]"
            failures=$((failures + 1))
        fi
        shown=$((shown + 1))
    done < <(sed -n 's/^    \$ quorel-solucion //p' "$readme")
    [ "$shown" -ge 2 ] || { echo "FAIL: the README shows $shown examples"; failures=$((failures + 1)); }
fi

exit $((failures > 0))
