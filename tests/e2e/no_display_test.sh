#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Los autores de Quorel
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Without a desktop, neither a Wayland compositor nor an X display, the game
# says so in one line that names both, and exits non-zero, instead of a
# toolkit error. Usage: no_display_test.sh PATH_TO_QUOREL
set -uo pipefail
program=$1
# A runtime folder of its own: no compositor's default socket in it.
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT

check() {  # description, then the environment changes for the run
    local what=$1
    shift
    local out status
    out=$(env -u QT_QPA_PLATFORM "$@" XDG_RUNTIME_DIR="$runtime" "$program" 2>&1)
    status=$?
    [ "$status" -ne 0 ] || { echo "FAIL: $what: exit status 0" >&2; exit 1; }
    [ "$(printf '%s\n' "$out" | wc -l)" -eq 1 ] || { echo "FAIL: $what: '$out'" >&2; exit 1; }
    grep -q "^Quorel necesita un escritorio gráfico" <<<"$out" &&
        grep -q "Wayland" <<<"$out" && grep -q "pantalla X" <<<"$out" || {
        echo "FAIL: $what: '$out'" >&2
        exit 1
    }
    echo "$what: $out (status $status)"
}

check "no DISPLAY, no WAYLAND_DISPLAY" -u DISPLAY -u WAYLAND_DISPLAY
check "an unreachable DISPLAY" -u WAYLAND_DISPLAY DISPLAY=:4095
check "an unreachable compositor, no DISPLAY" -u DISPLAY WAYLAND_DISPLAY=wayland-4095
