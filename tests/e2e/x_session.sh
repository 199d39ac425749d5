# SPDX-FileCopyrightText: 2026 Los autores de Quorel
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Sourced by the end-to-end tests: a private X server with a window manager,
# and helpers to drive a window with real key and mouse events.
# Everything started here is a child of the test, and is stopped by process
# id on exit, also when the test is ended by a signal. Every wait has a limit
# well below ctest's, so that a hang fails here, with its cleanup, and not
# by ctest's SIGKILL, which no cleanup survives.

set -euo pipefail

# Ends a process started here: TERM, then KILL if it is still there after
# $2 seconds (default 5), and reaps it.
stop_process() {
    local pid=$1 deadline=$((SECONDS + ${2:-5}))
    kill "$pid" 2>/dev/null || true
    while kill -0 "$pid" 2>/dev/null && ((SECONDS < deadline)); do
        sleep 0.1
    done
    if kill -0 "$pid" 2>/dev/null; then
        kill -KILL "$pid" 2>/dev/null || true
    fi
    wait "$pid" 2>/dev/null || true
}

pids=()
cleanup() {
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        stop_process "${pids[i]}"
    done
    rm -rf "${workdir:-}"
}
trap cleanup EXIT
# A signal ends the test through its exit trap, so the cleanup runs.
trap 'exit 129' HUP
trap 'exit 130' INT
trap 'exit 143' TERM

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
# desktop starts them for a screen reader. The bus runs as a child of the
# test (dbus-launch would detach it, and it would outlive a killed test).
start_accessibility_bus() {
    dbus-daemon --session --nofork --print-address=3 3>"$workdir/bus" 2>"$workdir/bus.log" &
    pids+=($!)
    export DBUS_SESSION_BUS_PID=$!
    for _ in $(seq 100); do
        [ -s "$workdir/bus" ] && break
        sleep 0.1
    done
    [ -s "$workdir/bus" ] || fail "the session bus did not start: $(cat "$workdir/bus.log")"
    DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$workdir/bus")
    export DBUS_SESSION_BUS_ADDRESS
    /usr/libexec/at-spi-bus-launcher --launch-immediately >"$workdir/atspi.log" 2>&1 &
    pids+=($!)
    # Asked before it has its name, the bus would start a second launcher
    # of its own, which detaches.
    for _ in $(seq 300); do
        dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
            org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true' &&
            dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
                org.a11y.Bus.GetAddress >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    fail "the accessibility bus did not start: $(cat "$workdir/atspi.log")"
}

# Runs a command with a time limit ($1 seconds), as a child that a signal
# to the test does not wait for; the command's status, 124 at the limit.
run_limited() {
    local limit=$1 status=0
    shift
    timeout -k 5 "$limit" "$@" &
    pids+=($!)
    wait $! || status=$?
    unset 'pids[${#pids[@]}-1]'
    return "$status"
}

# Waits up to $1 seconds for the program to end; false if it is still running.
wait_program_end() {
    local deadline=$((SECONDS + $1))
    while kill -0 "$program_pid" 2>/dev/null; do
        ((SECONDS < deadline)) || return 1
        sleep 0.1
    done
}

# Ends the program by its process id: TERM, then KILL if it is still there
# after 15 s. Sets program_status to its exit status, 143 if TERM ended it.
end_program() {
    kill -TERM "$program_pid" 2>/dev/null || true
    if ! wait_program_end 15; then
        echo "the program did not end on TERM: killed" >&2
        kill -KILL "$program_pid" 2>/dev/null || true
    fi
    program_status=0
    wait "$program_pid" || program_status=$?
}

window_shown() { xwininfo -id "$window" 2>/dev/null | grep -q 'Map State: IsViewable'; }

# Closes the game's window as a player would and checks that the program
# then ends cleanly, with no sanitizer report. The window manager may miss
# an Alt+F4 under load (the key then reaches the game as a plain F4): it is
# sent again while the window stays open, and at last the window manager is
# asked directly to close the window.
close_window_cleanly() {
    local tries=0
    while window_shown && ((tries < 3)); do
        ((tries == 0)) || echo "the window is still open after Alt+F4: again" >&2
        xdotool windowactivate --sync "$window" >/dev/null 2>&1 || true
        keys alt+F4
        tries=$((tries + 1))
        for _ in $(seq 30); do
            window_shown || break
            sleep 0.1
        done
    done
    if window_shown; then
        echo "the window is still open after $tries Alt+F4: closed through the window manager" >&2
        wmctrl -i -c "$window"
    fi
    if ! wait_program_end 30; then
        end_program
        fail "the program did not end when its window closed"
    fi
    wait "$program_pid" || fail "the program exited with status $?"
    if grep -E 'Sanitizer|runtime error' "$workdir/program.log"; then
        fail "sanitizer report"
    fi
}
