#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Los autores de Quorel
#
# SPDX-License-Identifier: GPL-3.0-or-later

# A screen reader's view of the game through the real accessibility stack:
# a session bus, the AT-SPI bus and registry, and Qt's bridge, under Xvfb.
# atspi_tree.py reads and drives the game as a screen reader would.
# Usage: atspi_e2e.sh PATH_TO_FIXED_PUZZLE_BUILD
program=$1
source "$(dirname "$0")/x_session.sh"
start_x

start_accessibility_bus

# Qt's bridge goes on without a desktop's accessibility setting.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
start_window QUOREL "$program"
# A limit of its own, so that a hang ends here, with the cleanup, within
# ctest's 180 s.
run_limited 100 /usr/bin/python3 "$(dirname "$0")/atspi_tree.py" ||
    fail "the accessibility checks failed (status $?)"

close_window_cleanly
echo "accessibility end-to-end: all checks passed"
