#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Los autores de Quorel
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The game takes no command line: the toolkit's own options change neither its
# title, nor its size, nor its look. The desktop's environment still applies.
# Usage: no_command_line_e2e.sh PATH_TO_FIXED_PUZZLE_BUILD
program=$1
source "$(dirname "$0")/x_session.sh"
start_x

shot() {  # output file, then the command line's arguments
    local out=$1
    shift
    start_window QUOREL "$program" "$@"
    xdotool getwindowgeometry "$window" | awk '/Geometry/ {print $2}' >"$out.size"
    [ -z "$(find_window Hola)" ] || fail "a window titled Hola with: $*"
    # Everything above the clock, which moves on by itself.
    import -window "$window" -crop 392x260+0+0 +repage "$out"
    end_program
}

rmse() { (compare -metric RMSE "$1" "$2" null: 2>&1 || true) | sed -E 's/.*\(([0-9.e-]+)\).*/\1/'; }

shot "$workdir/plain.png"
shot "$workdir/options.png" -qwindowtitle Hola -qwindowgeometry 800x600+0+0 -style windows -reverse
QT_STYLE_OVERRIDE=windows shot "$workdir/env.png"

for f in plain options env; do
    [ "$(cat "$workdir/$f.png.size")" = "392x306" ] || fail "size of $f: $(cat "$workdir/$f.png.size")"
done
same=$(rmse "$workdir/plain.png" "$workdir/options.png")
echo "with the toolkit's options against without: RMSE $same"
awk "BEGIN {exit !($same < 0.01)}" || fail "the toolkit's options changed the window ($same)"
# The same measure sees a change of style, made through the environment.
styled=$(rmse "$workdir/plain.png" "$workdir/env.png")
echo "another style from the environment: RMSE $styled"
awk "BEGIN {exit !($styled > 0.01)}" || fail "the environment's style did not apply ($styled)"
echo "no command line: all checks passed"
