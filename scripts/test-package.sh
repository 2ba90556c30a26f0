#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tallyard developers
# SPDX-License-Identifier: MIT

# Makes the Debian packages from a build tree, installs them with apt as a user would, runs
# the installed program and builds the example host against the installed Quellin, then
# removes both packages again. Needs root (the test command runs as root).
#   scripts/test-package.sh <build folder>
set -euo pipefail
build=$(cd "$1" && pwd)
root=$(cd "$(dirname "$0")/.." && pwd)
if [ "$(id -u)" -ne 0 ]; then
  echo "SKIP: installing packages needs root"
  exit 0
fi
fail() { echo "FAIL: $*"; exit 1; }

cd "$build"
rm -f ./*.deb
cpack -G DEB >/dev/null
program=$(ls tallyard_*.deb) development=$(ls libquellin-dev_*.deb)
apt-get remove -y -q tallyard libquellin-dev >/dev/null 2>&1 || true
trap 'apt-get remove -y -q tallyard libquellin-dev >/dev/null 2>&1 || true' EXIT
DEBIAN_FRONTEND=noninteractive apt-get install -y -q "./$program" "./$development" >/dev/null

version=$(dpkg-query -W -f='${Version}' tallyard)
[ "$(env -u DISPLAY /usr/bin/tallyard --version)" = "Tallyard $version" ] || fail "tallyard --version"
[ -f /usr/lib/tallyard/chime2.wav ] && [ -f /usr/lib/tallyard/tallyardhelpfile.rtf ] \
  || fail "the sound or the help is not beside the installed program"
[ -f /usr/share/applications/tallyard.desktop ] || fail "no menu entry"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate /usr/share/applications/tallyard.desktop || fail "the menu entry is not valid"
fi
# The menu entry starts the program by the name it installs.
exec_line=$(sed -n 's/^Exec=//p' /usr/share/applications/tallyard.desktop)
command -v "${exec_line%% *}" >/dev/null || fail "the menu entry's Exec=$exec_line is not on the PATH"

work=$(mktemp -d)
cmake -S "$root/examples/countdown" -B "$work" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$work" >/dev/null
[ "$(QT_QPA_PLATFORM=offscreen "$work/quellin-countdown" --seconds 1 --quit-at-zero 2>/dev/null)" = $'1\n0' ] \
  || fail "the example host against the installed package"
rm -rf "$work"

apt-get remove -y -q tallyard libquellin-dev >/dev/null
trap - EXIT
[ ! -e /usr/bin/tallyard ] && [ ! -e /usr/lib/tallyard ] || fail "removing the package left the program behind"
echo "PASS: $program and $development install with apt, run, build a host, and remove cleanly"
