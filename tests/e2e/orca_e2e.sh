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
here=$(dirname "$0")
source "$here/x_session.sh"
source "$here/orca_session.sh"
start_orca

case "$mode" in
    desktop)
        start_window QUOREL "$target"
        ;;
    firefox)
        port=$(/usr/bin/python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
        /usr/bin/python3 -m http.server "$port" --bind 127.0.0.1 --directory "$target" \
            >"$workdir/server.log" 2>&1 &
        pids+=($!)
        # A fresh profile that asks nothing and reaches nothing beyond the loopback.
        mkdir -p "$workdir/profile"
        for pref in '"network.proxy.type", 1' '"network.proxy.http", "127.0.0.1"' \
            '"network.proxy.http_port", 9' '"network.proxy.ssl", "127.0.0.1"' \
            '"network.proxy.ssl_port", 9' '"network.proxy.no_proxies_on", "127.0.0.1"' \
            '"browser.shell.checkDefaultBrowser", false' '"browser.aboutwelcome.enabled", false' \
            '"datareporting.policy.dataSubmissionEnabled", false' '"app.update.enabled", false' \
            '"browser.startup.homepage_override.mstone", "ignore"'; do
            echo "user_pref($pref);"
        done >"$workdir/profile/user.js"
        for _ in $(seq 100); do
            (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null && break
            sleep 0.1
        done
        start_window "QUOREL — Mozilla Firefox" firefox-esr --no-remote --profile "$workdir/profile" \
            "http://127.0.0.1:$port/"
        ;;
    *) fail "mode: desktop or firefox" ;;
esac

# The target whole, as the window opens; Orca may read the box's name and its
# text as one utterance or two.
target_heard='Objetivo [^|]*(\| )?250\b'
puzzle_heard='Llegue a 250 con 2 3 5 7 10 100'
expect_heard "the target at start" "$target_heard" 40

# The known puzzle comes again at each Alt+N. A browser's screen reader
# drops a live text that repeats the one it has just announced, so the second
# Alt+N waits for a tick of the clock, whose text comes between, as any new
# puzzle's own words do.
for turn in first second; do
    mark_heard
    keys alt+n
    expect_heard "the new puzzle, $turn Alt+N on the target" "$puzzle_heard"
    sleep 1.2
done
keys Tab Tab
mark_heard
keys alt+n
expect_heard "the new puzzle, Alt+N from the answer" "$target_heard.*$puzzle_heard"

keys Tab Tab
type_text "100+100"
mark_heard
keys alt+h
expect_heard "the verdict box" 'Quorel.*200 / \(ha usado números incorrectos: 100\)'
keys Return

keys ctrl+a
type_text "(100x2)+(5x10)"
mark_heard
keys alt+h
expect_heard "the solved verdict" 'Quorel.*250 / tiempo = 0 minutos y [0-9]+ segundos\.'
mark_heard
keys Return
expect_heard "the name prompt" 'Ha establecido un nuevo récord!.*Introduzca su nombre'

type_text "Ana"
mark_heard
keys Return
expect_heard "the listing, with the name typed" \
    'Quorel.*Ana: 0 minutos y [0-9]+ segundos: 250 = \(100x2\)\+\(5x10\)'
keys Return

if [ "$mode" = firefox ]; then
    # The focus is back on the answer; Nuevo, then the solver's link, follow
    # it (Hecho is disabled). The solver's page opens on its answer, which
    # has the focus; Tab goes on to "Jugar esta partida", then to its first
    # field, where Enter is Calcular.
    keys Tab Tab
    mark_heard
    keys Return
    expect_heard "the solver's page and its answer" 'Fin de la carga de ¿Tenía solución.*250 = 100x5/2' 40
    mark_heard
    keys Tab Tab
    # Enter is the form's only once Orca passes keys to the field.
    expect_heard "the solver's first field, in focus mode" 'Objetivo entrada.*Modo foco' 10
    mark_heard
    keys Return
    expect_heard "the solver's answer, after Calcular" 'Sí: se llega justo a 250\.'
fi

report_heard
echo "screen reader end-to-end ($mode): all heard"
