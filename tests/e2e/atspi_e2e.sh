#!/usr/bin/env bash
# A screen reader's view of the game through the real accessibility stack:
# a session bus, the AT-SPI bus and registry, and Qt's bridge, under Xvfb.
# atspi_tree.py reads and drives the game as a screen reader would.
# Usage: atspi_e2e.sh PATH_TO_FIXED_PUZZLE_BUILD
program=$1
source "$(dirname "$0")/x_session.sh"
start_x

# A session bus of its own, and the accessibility bus launched on it.
eval "$(dbus-launch --sh-syntax)"
pids+=("$DBUS_SESSION_BUS_PID")
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$workdir/atspi.log" 2>&1 &
pids+=($!)
for _ in $(seq 300); do
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
        >/dev/null 2>&1 && break
    sleep 0.1
done
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
    >/dev/null 2>&1 || fail "the accessibility bus did not start: $(cat "$workdir/atspi.log")"

# Qt's bridge goes on without a desktop's accessibility setting.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
start_window QUOREL "$program"
/usr/bin/python3 "$(dirname "$0")/atspi_tree.py" || fail "the accessibility checks failed"

xdotool windowactivate --sync "$window" >/dev/null 2>&1 || true
keys alt+F4
wait "$program_pid" || fail "the program exited with status $?"
if grep -E 'Sanitizer|runtime error' "$workdir/program.log"; then
    fail "sanitizer report"
fi
echo "accessibility end-to-end: all checks passed"
