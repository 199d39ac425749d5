#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Los autores de Quorel
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Without a desktop, neither a Wayland compositor nor an X display:
# - --help and --version (and -h) print on standard output and exit 0,
#   wherever they stand before "--";
# - anything else starts the game, which says in one line that names both
#   kinds of desktop that there is none, and exits non-zero, instead of a
#   toolkit error.
# Usage: no_display_test.sh PATH_TO_QUOREL
set -uo pipefail
program=$1
# A runtime folder of its own: no compositor's default socket in it.
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

run() {  # environment changes and arguments, separated by --; sets out, err, status
    local envs=()
    while [ "$1" != -- ]; do envs+=("$1"); shift; done
    shift
    out=$(env -u QT_QPA_PLATFORM "${envs[@]}" XDG_RUNTIME_DIR="$runtime" "$program" "$@" \
        2>"$runtime/err")
    status=$?
    err=$(cat "$runtime/err")
}

no_desktop=(-u DISPLAY -u WAYLAND_DISPLAY)

check_refused() {  # description, then as for run
    local what=$1
    shift
    run "$@"
    [ "$status" -ne 0 ] || fail "$what: exit status 0"
    [ -z "$out" ] || fail "$what: standard output '$out'"
    [ "$(printf '%s\n' "$err" | wc -l)" -eq 1 ] || fail "$what: '$err'"
    grep -q "^Quorel necesita un escritorio gráfico" <<<"$err" &&
        grep -q "Wayland" <<<"$err" && grep -q "pantalla X" <<<"$err" || fail "$what: '$err'"
    echo "$what: $err (status $status)"
}

check_refused "no DISPLAY, no WAYLAND_DISPLAY" "${no_desktop[@]}" --
check_refused "an unreachable DISPLAY" -u WAYLAND_DISPLAY DISPLAY=:4095 --
check_refused "an unreachable compositor, no DISPLAY" -u DISPLAY WAYLAND_DISPLAY=wayland-4095 --
# Other arguments are not options of the game: it starts as without them.
for args in "--ayuda" "-v" "-- --help" "-- --version" "--help=no"; do
    # shellcheck disable=SC2086 # each case is a list of arguments
    check_refused "quorel $args" "${no_desktop[@]}" -- $args
done

# What each command line prints: the first of --help (-h) and --version wins.
for case in "help --help" "help -h" "help --ayuda --help" "help -style windows -h --version" \
    "version --version" "version -v --version -h"; do
    want=${case%% *} args=${case#* }
    # shellcheck disable=SC2086
    run "${no_desktop[@]}" -- $args
    [ "$status" -eq 0 ] && [ -z "$err" ] || fail "quorel $args: status $status, stderr '$err'"
    if [ "$want" = version ]; then
        [ "$out" = "quorel (Quorel) 1.0.0" ] || fail "quorel $args: '$out'"
    else
        for line in "Uso: quorel" "Alt+H" "Alt+N" "man quorel" "quorel-solucion"; do
            grep -qF -- "$line" <<<"$out" || fail "quorel $args: no '$line' in '$out'"
        done
    fi
    echo "quorel $args: $(head -n 1 <<<"$out")"
done
# Output that cannot be written is a failure, not a silent success.
env "${no_desktop[@]}" "$program" --help >/dev/full 2>/dev/null && fail "quorel --help >/dev/full: status 0"
echo "no desktop: all checks passed"
