#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Los autores de Quorel
#
# SPDX-License-Identifier: GPL-3.0-or-later

# On a high-density screen (scale factor 2) the window and every control
# scale together: the window is twice the size, and scaled back down it looks
# like the window at scale 1, so nothing new overlaps.
# Usage: scale_e2e.sh PATH_TO_FIXED_PUZZLE_BUILD
program=$1
source "$(dirname "$0")/x_session.sh"
start_x

shot() {  # scale, output file
    QT_SCALE_FACTOR=$1 start_window QUOREL "$program"
    local size
    size=$(xdotool getwindowgeometry "$window" | awk '/Geometry/ {print $2}')
    echo "$size" >"$2.size"
    # Everything above the clock, which moves on by itself.
    import -window "$window" -crop "$((392 * $1))x$((260 * $1))+0+0" +repage "$2"
    end_program
}

shot 1 "$workdir/one.png"
shot 2 "$workdir/two.png"
[ "$(cat "$workdir/one.png.size")" = "392x306" ] || fail "size at 1: $(cat "$workdir/one.png.size")"
[ "$(cat "$workdir/two.png.size")" = "784x612" ] || fail "size at 2: $(cat "$workdir/two.png.size")"

/usr/bin/convert "$workdir/two.png" -resize 50% "$workdir/two_down.png"
# Root mean square difference, 0 (same) to 1; text is drawn anew at each
# size, so small differences remain where the glyphs are.
difference=$( (compare -metric RMSE "$workdir/one.png" "$workdir/two_down.png" null: 2>&1 || true) |
    sed -E 's/.*\(([0-9.e-]+)\).*/\1/')
echo "scale 2 against scale 1: RMSE $difference"
awk "BEGIN {exit !($difference < 0.06)}" || fail "the window at scale 2 differs from scale 1 ($difference)"
# The same measure tells a real difference: the scale-1 window moved by 8 pixels.
/usr/bin/convert "$workdir/one.png" -roll +8+0 "$workdir/moved.png"
moved=$( (compare -metric RMSE "$workdir/one.png" "$workdir/moved.png" null: 2>&1 || true) |
    sed -E 's/.*\(([0-9.e-]+)\).*/\1/')
echo "a window moved by 8 pixels: RMSE $moved"
awk "BEGIN {exit !($moved > 0.06)}" || fail "the comparison cannot tell a moved control ($moved)"
echo "scale end-to-end: all checks passed"
