#!/usr/bin/env bash
# Builds the Debian package, installs it with apt on this machine, and starts
# the installed program under Xvfb. Needs root; removes the package after.
set -euo pipefail
cd "$(dirname "$0")/../.."
dir=build-package
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release -DQUOREL_BENCH=OFF >/dev/null
cmake --build "$dir" --target quorel -j"$(nproc)" >/dev/null
(cd "$dir" && cpack -G DEB >/dev/null)
deb=$(ls "$dir"/quorel_*.deb)
echo "package: $deb"
dpkg-deb -f "$deb" Depends

apt-get install -y -qq "./$deb" >/dev/null
trap 'apt-get remove -y -qq quorel >/dev/null 2>&1 || true' EXIT
[ -x /usr/bin/quorel ] || { echo "FAIL: /usr/bin/quorel missing" >&2; exit 1; }
dpkg -L quorel | grep -q '/usr/share/applications/org.quorel.Quorel.desktop'

source tests/e2e/x_session.sh
trap 'cleanup; apt-get remove -y -qq quorel >/dev/null 2>&1 || true' EXIT
start_x
start_window QUOREL /usr/bin/quorel
[ "$(xdotool getwindowname "$window")" = "QUOREL" ] || fail "title"
echo "Debian package: installed and started"
