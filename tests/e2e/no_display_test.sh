#!/usr/bin/env bash
# Without a desktop the game says so in one line and exits non-zero, instead
# of a toolkit error. Usage: no_display_test.sh PATH_TO_QUOREL
set -uo pipefail
program=$1

check() {  # description, then the environment changes for the run
    local what=$1
    shift
    local out status
    out=$(env -u QT_QPA_PLATFORM "$@" "$program" 2>&1)
    status=$?
    [ "$status" -ne 0 ] || { echo "FAIL: $what: exit status 0" >&2; exit 1; }
    [ "$(printf '%s\n' "$out" | wc -l)" -eq 1 ] || { echo "FAIL: $what: '$out'" >&2; exit 1; }
    grep -q "^Quorel necesita un escritorio gráfico" <<<"$out" || {
        echo "FAIL: $what: '$out'" >&2
        exit 1
    }
    echo "$what: $out (status $status)"
}

check "no DISPLAY" -u DISPLAY -u WAYLAND_DISPLAY
check "an unreachable DISPLAY" -u WAYLAND_DISPLAY DISPLAY=:4095
