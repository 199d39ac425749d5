#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Los autores de Quorel
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The real program in a real X server: the window appears, the clock runs,
# keys and mouse reach it, Alt+N draws a new puzzle, closing ends it.
# The desktop ties the window to its entry, and so to the game's icon.
# Usage: window_e2e.sh PATH_TO_QUOREL PATH_TO_DESKTOP_ENTRY
program=$1
entry=$2
source "$(dirname "$0")/x_session.sh"

start_x
start_window QUOREL "$program"
[ "$(xdotool getwindowname "$window")" = "QUOREL" ] || fail "title"

# WM_CLASS: instance, then class; the class is the entry's StartupWMClass.
wm_class=$(xprop -id "$window" WM_CLASS)
echo "$wm_class"
startup_class=$(sed -n 's/^StartupWMClass=//p' "$entry")
[ -n "$startup_class" ] || fail "the desktop entry has no StartupWMClass"
[[ "$wm_class" == *", \"$startup_class\"" ]] || fail "WM_CLASS does not match StartupWMClass=$startup_class"

# The clock label changes once a second.
first=$(region_sum 133 40 133 267)
sleep 2.2
second=$(region_sum 133 40 133 267)
[ "$first" != "$second" ] || fail "the clock did not advance"

# The focus starts in the target box.
target=$(copy_focused)
[[ "$target" =~ ^[0-9]+$ ]] && ((target >= 100 && target <= 1000)) || fail "target '$target'"
keys Tab
numbers=$(copy_focused)
[[ "$numbers" =~ ^([0-9]+\ ){6}$ ]] || fail "numbers '$numbers'"

# Typing reaches the answer box, and only it.
keys Tab
type_text "(100x2)+5"
[ "$(copy_focused)" = "(100x2)+5" ] || fail "typing did not reach the answer box"

# Alt+N: a new puzzle, the answer box emptied, the focus back on the target.
keys alt+n
sleep 0.3
target2=$(copy_focused)
[[ "$target2" =~ ^[0-9]+$ ]] || fail "focus after Alt+N is not on the target ('$target2')"
keys Tab
numbers2=$(copy_focused)
[ "$target $numbers" != "$target2 $numbers2" ] || fail "Alt+N drew the same puzzle"
keys Tab
type_text "7"
[ "$(copy_focused)" = "7" ] || fail "Alt+N did not empty the answer box"

# A mouse click on "Nuevo" (233,200 133x40) does the same.
xdotool mousemove --window "$window" 300 220 click 1
sleep 0.5
[[ "$(copy_focused)" =~ ^[0-9]+$ ]] || fail "click on Nuevo did not start a new puzzle"

# Closing the window ends the program at once.
close_window_cleanly
echo "window end-to-end: all checks passed"
