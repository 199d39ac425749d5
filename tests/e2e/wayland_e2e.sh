#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Los autores de Quorel
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The game on a Wayland session without X: a headless compositor, no DISPLAY
# and no QT_QPA_PLATFORM. The window opens natively, titled QUOREL, with the
# desktop entry's name as its app_id and its client area 392x306, and keeps
# repainting its clock until it is ended; also where Qt alone would keep to
# X. Qt's requests are read from WAYLAND_DEBUG. Driven through the
# accessibility stack, the fixed-puzzle build opens its verdict box as a
# child window of the game's, and the clock ticks on behind it.
# Usage: wayland_e2e.sh PATH_TO_QUOREL PATH_TO_FIXED_PUZZLE_BUILD
program=$1
fixed=$2
source "$(dirname "$0")/x_session.sh"  # the helpers and a private XDG_RUNTIME_DIR; no X
unset DISPLAY QT_QPA_PLATFORM WAYLAND_DISPLAY WAYLAND_SOCKET XDG_SESSION_TYPE XDG_CURRENT_DESKTOP
socket=quorel-test-0

weston --backend=headless-backend.so --socket="$socket" --no-config --idle-time=0 \
    --log="$workdir/weston.log" >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 300); do
    [ -S "$XDG_RUNTIME_DIR/$socket" ] && break
    sleep 0.1
done
[ -S "$XDG_RUNTIME_DIR/$socket" ] || fail "weston did not start: $(tail -n 5 "$workdir/weston.log")"

requests() { grep -c -- "$1" "$workdir/program.log" || true; }

# Waits, generously for a loaded or instrumented build, for a request that
# matches this pattern.
wait_request() {
    for _ in $(seq 600); do
        grep -qE -- "$1" "$workdir/program.log" && return 0
        sleep 0.05
    done
    return 1
}

# Starts this build of the game with these extra variables and waits for
# its window.
start_native() {
    local build=$1
    shift
    env WAYLAND_DISPLAY="$socket" WAYLAND_DEBUG=client "$@" "$build" >"$workdir/program.log" 2>&1 &
    program_pid=$!
    pids+=("$program_pid")
    for _ in $(seq 600); do
        [ "$(requests 'set_title("QUOREL")')" -gt 0 ] && return 0
        kill -0 "$program_pid" 2>/dev/null || fail "the game ended before its window opened"
        sleep 0.05
    done
    fail "no window titled QUOREL"
}

# Ends the game as a session would, and checks that it was still running.
end_game() {
    kill -0 "$program_pid" 2>/dev/null || fail "the game ended by itself"
    end_program
    [ "$program_status" -eq 143 ] || fail "the game ended with status $program_status, not by the signal"
    if grep -E 'Sanitizer|runtime error' "$workdir/program.log"; then
        fail "sanitizer report"
    fi
}

start_native "$program"
grep -F -- '-> xdg_toplevel' "$workdir/program.log" | sed -E 's/^\[[ 0-9.]+\] +//' | sort -u
[ "$(requests 'set_app_id("org.quorel.Quorel")')" -gt 0 ] || fail "app_id is not the desktop entry's"
# The client area: Qt draws its own title bar and borders around it.
wait_request 'damage_buffer\([0-9]+, [0-9]+, 392, 306\)' ||
    fail "the client area is not 392x306"
# The clock repaints every second: new frames keep reaching the compositor.
frames=$(requests 'wl_surface@[0-9]*.commit()')
for _ in $(seq 200); do
    (($(requests 'wl_surface@[0-9]*.commit()') >= frames + 3)) && break
    sleep 0.05
done
(($(requests 'wl_surface@[0-9]*.commit()') >= frames + 3)) || fail "the window stopped repainting"
echo "frames committed: $(requests 'wl_surface@[0-9]*.commit()')"
end_game

# What a screen reader reads, over AT-SPI, natively on Wayland: the tree,
# the clock, a modal box and the ticks behind it.
start_accessibility_bus
start_native "$fixed" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
run_limited 100 /usr/bin/python3 "$(dirname "$0")/atspi_tree.py" --first-box-only ||
    fail "the accessibility checks failed (status $?)"
grep -F -- '-> xdg_toplevel' "$workdir/program.log" | sed -E 's/^\[[ 0-9.]+\] +//' | sort -u
wait_request 'set_title\("Quorel"\)' || fail "no verdict box window"
wait_request 'xdg_toplevel@[0-9]+\.set_parent\(xdg_toplevel@[0-9]+\)' ||
    fail "the verdict box is not the game window's child"
end_game

# On a desktop where Qt would keep to X by itself, still native.
start_native "$program" XDG_CURRENT_DESKTOP=GNOME
[ "$(requests 'set_app_id("org.quorel.Quorel")')" -gt 0 ] || fail "not native on GNOME"
end_game
echo "wayland end-to-end: all checks passed"
