# SPDX-FileCopyrightText: 2026 Los autores de Quorel
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Sourced after x_session.sh: the screen reader Orca on a private X session,
# speaking Spanish through speech-dispatcher and espeak-ng into a null sound
# device, and helpers that wait for what it says. Everything is a child of
# the test, in the test's own folder and home.

orca_log="$workdir/orca.log"
orca_py="$(dirname "${BASH_SOURCE[0]}")/orca.py"
heard_from=0
missed=()

start_orca() {
    start_x
    start_accessibility_bus
    export HOME="$workdir/home" LANG=es_ES.UTF-8 LC_ALL=es_ES.UTF-8 LANGUAGE=es
    export GNOME_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
    mkdir -p "$HOME/.config/speech-dispatcher" "$workdir/speech-dispatcher"
    # Orca's messages and speech in Spanish, with the locale built here if
    # the machine has none.
    if ! locale -a 2>/dev/null | grep -qi '^es_ES\.utf-\?8$'; then
        localedef -i es_ES -f UTF-8 "$workdir/locale/es_ES.UTF-8" 2>/dev/null ||
            fail "no Spanish locale (the package locales is missing)"
        export LOCPATH="$workdir/locale"
    fi
    printf 'pcm.!default { type null }\n' >"$HOME/.asoundrc"
    printf '%s\n' 'AudioOutputMethod "alsa"' 'AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"' \
        'DefaultModule espeak-ng' 'DefaultLanguage "es"' \
        >"$HOME/.config/speech-dispatcher/speechd.conf"
    # The desktop's switch that programs read before they speak to a
    # screen reader.
    dbus-send --session --dest=org.a11y.Bus /org/a11y/bus org.freedesktop.DBus.Properties.Set \
        string:org.a11y.Status string:IsEnabled variant:boolean:true ||
        fail "the accessibility bus took no IsEnabled"
    speech-dispatcher -s -t 0 -c unix_socket -S "$workdir/speech-dispatcher/speechd.sock" \
        -L "$workdir/speech-dispatcher" >"$workdir/speechd.log" 2>&1 &
    pids+=($!)
    /usr/bin/python3 "$orca_py" run "$orca_log" >"$workdir/orca.out" 2>&1 &
    pids+=($!)
    wait_heard 'Lector de pantalla activado' 60 || fail "Orca did not start"
}

# What Orca has said since the last mark.
heard() { /usr/bin/python3 "$orca_py" heard "$orca_log" "$heard_from"; }

# From here on: what expect_heard looks at.
mark_heard() { heard_from=$(wc -l <"$orca_log"); }

# Whether what was said since the mark matches the extended regular expression $1 within $2 seconds.
wait_heard() {
    local deadline=$((SECONDS + $2))
    while ((SECONDS < deadline)); do
        heard | grep -Eq -- "$1" && return 0
        sleep 0.3
    done
    return 1
}

# As wait_heard, $3 seconds (default 20), for what is named $1. A miss is
# recorded with what was heard, and the test goes on, so that one run shows
# every miss.
expect_heard() {
    wait_heard "$2" "${3:-20}" && return 0
    missed+=("$1: wanted /$2/, heard: $(heard)")
}

# Fails the test if anything was missed. QUOREL_ORCA_LOG=FILE keeps Orca's
# whole log there, for a look at why.
report_heard() {
    [ -z "${QUOREL_ORCA_LOG:-}" ] || cp "$orca_log" "$QUOREL_ORCA_LOG"
    if ((${#missed[@]} > 0)); then
        printf 'not heard: %s\n' "${missed[@]}" >&2
        fail "${#missed[@]} things were not heard"
    fi
}
