#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Los autores de Quorel
#
# SPDX-License-Identifier: GPL-3.0-or-later

# A blind player's game, heard through the screen reader Orca itself: the
# known puzzle (250 from 2 3 5 7 10 100) played by keyboard alone, on the
# desktop or in Firefox, and what Orca says at each step: the whole target at
# start and after Alt+N, with the focus on the target or not; each box as it
# opens; a name typed at the prompt reaching its field; in the browser, the
# solver page's answer as it comes.
# Usage: orca_e2e.sh desktop PATH_TO_FIXED_PUZZLE_BUILD
#        orca_e2e.sh firefox PATH_TO_FIXED_PUZZLE_SITE
mode=$1 target=$2
source "$(dirname "$0")/x_session.sh"
source "$(dirname "$0")/orca_session.sh"
start_orca

if [ "$mode" = desktop ]; then
    start_window QUOREL "$target"
else
    /usr/bin/python3 -u -m http.server 0 --bind 127.0.0.1 --directory "$target" \
        >"$workdir/server.log" 2>&1 &
    pids+=($!)
    for _ in $(seq 100); do
        port=$(grep -o 'port [0-9]*' "$workdir/server.log" | cut -d' ' -f2) && break
        sleep 0.1
    done
    # A fresh profile that asks nothing and reaches nothing beyond the loopback.
    mkdir -p "$workdir/profile"
    printf 'user_pref("%s", %s);\n' network.proxy.type 1 network.proxy.http '"127.0.0.1"' \
        network.proxy.http_port 9 network.proxy.ssl '"127.0.0.1"' network.proxy.ssl_port 9 \
        network.proxy.no_proxies_on '"127.0.0.1"' browser.shell.checkDefaultBrowser false \
        browser.aboutwelcome.enabled false datareporting.policy.dataSubmissionEnabled false \
        browser.startup.homepage_override.mstone '"ignore"' >"$workdir/profile/user.js"
    start_window "QUOREL — Mozilla Firefox" firefox-esr --no-remote \
        --profile "$workdir/profile" "http://127.0.0.1:$port/"
fi

# Presses the keys $3..., then waits for what is named $1 to be heard as $2.
heard_after() {
    local what=$1 pattern=$2
    shift 2
    mark_heard
    keys "$@"
    expect_heard "$what" "$pattern"
}

# Orca's words for a text field and, in a browser, its switch to focus mode,
# before which a key typed is one of its own commands, as for a player who
# types before hearing the field.
if [ "$mode" = desktop ]; then field=' texto' typing=''; else field=' entrada' typing='.*Modo foco'; fi
# The target whole; Orca may read the box's name and its text as one
# utterance or two.
target_heard='Objetivo [^|]*(\| )?250\b'
puzzle_heard='Llegue a 250 con 2 3 5 7 10 100'
expect_heard "the target at start" "$target_heard" 40
# The known puzzle comes again at each Alt+N, and a browser's screen reader
# drops a live text that repeats the one just announced: each Alt+N after
# the first waits for a tick of the clock, whose text comes between, as any
# new puzzle's own words do.
heard_after "the new puzzle, first Alt+N on the target" "$puzzle_heard" alt+n
sleep 1.2
heard_after "the new puzzle, second Alt+N on the target" "$puzzle_heard" alt+n
sleep 1.2
keys Tab Tab
heard_after "the new puzzle, Alt+N from the answer" "$target_heard.*$puzzle_heard" alt+n

heard_after "the answer's field" "Respuesta$field" Tab Tab
type_text "100+100"
heard_after "the verdict box" 'Quorel.*200 / \(ha usado números incorrectos: 100\)' alt+h
heard_after "the answer's field again" "Respuesta$field.*100\+100$typing" Return
keys ctrl+a
type_text "(100x2)+(5x10)"
heard_after "the solved verdict" 'Quorel.*250 / tiempo = 0 minutos y [0-9]+ segundos\.' alt+h
heard_after "the name prompt" "Ha establecido un nuevo récord!.*Introduzca su nombre$field$typing" \
    Return
type_text "Ana"
heard_after "the listing, with the name typed" \
    'Quorel.*Ana: 0 minutos y [0-9]+ segundos: 250 = \(100x2\)\+\(5x10\)' Return
keys Return

if [ "$mode" = firefox ]; then
    # The focus is back on the answer; Nuevo, then the solver's link, follow
    # it (Hecho is disabled). The solver's page opens on its answer, which
    # has the focus; two Tabs on, past "Jugar esta partida", is its first
    # field, where Enter is Calcular once Orca passes keys to the field.
    keys Tab Tab
    mark_heard
    keys Return
    expect_heard "the solver's page and its answer" 'Fin de la carga de ¿Tenía.*250 = 100x5/2' 40
    heard_after "the solver's first field, in focus mode" 'Objetivo entrada.*Modo foco' Tab Tab
    heard_after "the solver's answer, after Calcular" 'Sí: se llega justo a 250\.' Return
fi

report_heard
echo "screen reader end-to-end ($mode): all heard"
