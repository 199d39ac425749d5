#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Los autores de Quorel
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds the Debian package, installs it with apt on this machine, finds its
# manual pages with man, and starts the installed game under Xvfb the way
# its desktop entry does. Needs root; removes the package after.
set -euo pipefail
cd "$(dirname "$0")/../.."
deb=$(bash scripts/package)
echo "package: $deb"
dpkg-deb -f "$deb" Depends

# Minimal Debian images tell dpkg to drop manual pages; include ours again
# (a later option wins), so the pages the package ships are the ones tested.
install_opts=()
if grep -rqs '^path-exclude=/usr/share/man' /etc/dpkg/dpkg.cfg /etc/dpkg/dpkg.cfg.d/; then
    echo "note: dpkg on this machine excludes /usr/share/man; installing with --path-include"
    install_opts=(-o 'DPkg::Options::=--path-include=/usr/share/man/man6/quorel*')
fi
apt-get install -y -qq --reinstall "${install_opts[@]}" "./$deb" >/dev/null
trap 'apt-get remove -y -qq quorel >/dev/null 2>&1 || true' EXIT
trap 'exit 143' TERM  # through the exit trap, so the package goes
trap 'exit 130' INT

fail() { echo "FAIL: $*" >&2; exit 1; }
[ -x /usr/games/quorel ] || fail "/usr/games/quorel missing"
[ ! -e /usr/bin/quorel ] || fail "/usr/bin/quorel: the game belongs in /usr/games"
dpkg -L quorel | grep -qx /usr/share/applications/org.quorel.Quorel.desktop || fail "desktop entry"

programs=(quorel)
dpkg -L quorel | grep -qx /usr/games/quorel-solucion && programs+=(quorel-solucion)
for p in "${programs[@]}"; do
    page=$(man -w "$p") || fail "man -w $p finds no manual page"
    [ "$page" = "/usr/share/man/man6/$p.6.gz" ] || fail "man -w $p: $page"
    echo "man -w $p: $page"
done
[ "$(env -u DISPLAY -u WAYLAND_DISPLAY /usr/games/quorel --version)" = "quorel (Quorel) 1.0.0" ] ||
    fail "quorel --version without a desktop"
if [[ " ${programs[*]} " == *" quorel-solucion "* ]]; then
    /usr/games/quorel-solucion --version >/dev/null || fail "quorel-solucion --version"
fi

# The desktop entry names the program without a path: a Debian user's PATH
# (login.defs, /etc/profile) has /usr/games, root's does not.
exec_line=$(sed -n 's/^Exec=//p' /usr/share/applications/org.quorel.Quorel.desktop)
user_path=$(sed -n 's/^ENV_PATH[[:space:]]*PATH=//p' /etc/login.defs)
launched=$(PATH=$user_path command -v "${exec_line%% *}") ||
    fail "Exec=$exec_line is not on a user's PATH ($user_path)"
[ "$launched" = /usr/games/quorel ] || fail "Exec=$exec_line starts $launched"
echo "desktop entry: Exec=$exec_line starts $launched"

source tests/e2e/x_session.sh
trap 'cleanup; apt-get remove -y -qq quorel >/dev/null 2>&1 || true' EXIT
start_x
start_window QUOREL "$launched"
[ "$(xdotool getwindowname "$window")" = "QUOREL" ] || fail "title"
echo "Debian package: installed and started"
