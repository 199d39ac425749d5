# SPDX-FileCopyrightText: 2026 Los autores de Quorel
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Sourced by the end-to-end tests: a private X server with a window manager,
# and helpers to drive a window with real key and mouse events.
# Everything started here is stopped by process id on exit.

set -euo pipefail

pids=()
cleanup() {
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill "${pids[i]}" 2>/dev/null || true
        wait "${pids[i]}" 2>/dev/null || true
    done
    rm -rf "${workdir:-}"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    if [ -s "${workdir:-}/program.log" ]; then
        echo "--- the program's output:" >&2
        tail -n 40 "$workdir/program.log" >&2
    fi
    exit 1
}

workdir=$(mktemp -d)
export XDG_RUNTIME_DIR="$workdir"

start_x() {
    local scale_args=("$@")
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset "${scale_args[@]}" \
        3>"$workdir/display" 2>"$workdir/xvfb.log" &
    pids+=($!)
    for _ in $(seq 100); do
        [ -s "$workdir/display" ] && break
        sleep 0.1
    done
    [ -s "$workdir/display" ] || fail "Xvfb did not start"
    export DISPLAY=":$(head -n1 "$workdir/display")"
    openbox >"$workdir/openbox.log" 2>&1 &
    pids+=($!)
    # The window manager is up once it has announced itself on the root window.
    for _ in $(seq 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
        sleep 0.1
    done
    fail "the window manager did not start"
}

# Starts a program and waits for its visible window with this exact title.
start_window() {
    local title=$1
    shift
    "$@" >"$workdir/program.log" 2>&1 &
    program_pid=$!
    pids+=("$program_pid")
    window=$(wait_window "$title")
    xdotool windowactivate --sync "$window" >/dev/null 2>&1 || true
    sleep 0.3
}

keys() { xdotool key --delay 40 "$@"; sleep 0.2; }
type_text() { xdotool type --delay 40 "$1"; sleep 0.2; }

# The text of the focused box, through the clipboard.
copy_focused() {
    printf 'sin copiar' | xclip -selection clipboard -i
    keys ctrl+a ctrl+c
    xclip -selection clipboard -o 2>/dev/null || true
}

# A fingerprint of a rectangle of the window (w h x y).
region_sum() { import -window "$window" -crop "${1}x${2}+${3}+${4}" png:- | md5sum | cut -c1-32; }

# The visible window whose title is exactly this (xdotool's own search
# ignores case, and "Quorel" must not find "QUOREL").
find_window() {
    local id
    for id in $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null || true); do
        if [ "$(xdotool getwindowname "$id" 2>/dev/null)" = "$1" ]; then
            echo "$id"
            return 0
        fi
    done
}

# Waits for a visible window with this exact title and prints its id.
wait_window() {
    local found=""
    for _ in $(seq 200); do
        found=$(find_window "$1")
        [ -n "$found" ] && break
        sleep 0.05
    done
    [ -n "$found" ] || fail "no window titled '$1'"
    sleep 0.3
    echo "$found"
}

# Waits until no visible window has this exact title.
wait_gone() {
    for _ in $(seq 100); do
        [ -z "$(find_window "$1")" ] && return 0
        sleep 0.05
    done
    fail "window '$1' is still open"
}

# The text a message box copies with Ctrl+C.
copy_box() {
    printf 'sin copiar' | xclip -selection clipboard -i
    keys ctrl+c
    xclip -selection clipboard -o 2>/dev/null || true
}

# A session bus of its own, and the accessibility bus launched on it, as a
# desktop starts them for a screen reader.
start_accessibility_bus() {
    eval "$(dbus-launch --sh-syntax)"
    pids+=("$DBUS_SESSION_BUS_PID")
    /usr/libexec/at-spi-bus-launcher --launch-immediately >"$workdir/atspi.log" 2>&1 &
    pids+=($!)
    for _ in $(seq 300); do
        dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
            org.a11y.Bus.GetAddress >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    fail "the accessibility bus did not start: $(cat "$workdir/atspi.log")"
}

# Closes the game's window as a player would and checks that the program
# then ends cleanly, with no sanitizer report.
close_window_cleanly() {
    xdotool windowactivate --sync "$window" >/dev/null 2>&1 || true
    keys alt+F4
    wait "$program_pid" || fail "the program exited with status $?"
    if grep -E 'Sanitizer|runtime error' "$workdir/program.log"; then
        fail "sanitizer report"
    fi
}
