#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tallyard developers
# SPDX-License-Identifier: MIT

# Makes the Debian packages from a build tree, checks them with lintian (no error, no
# warning), installs them with apt as a user would, runs the installed program, reads its
# manual page and builds the example host against the installed Quellin, then removes the
# packages again and checks that nothing of theirs is left. Needs root (the test command runs
# as root).
#   scripts/test-package.sh <build folder>
set -euo pipefail
build=$(cd "$1" && pwd)
root=$(cd "$(dirname "$0")/.." && pwd)
if [ "$(id -u)" -ne 0 ]; then
  echo "SKIP: installing packages needs root"
  exit 0
fi
fail() { echo "FAIL: $*"; exit 1; }
packages=(tallyard libquellin1 libquellin-dev)
remove() { apt-get remove -y -q "${packages[@]}" >/dev/null 2>&1 || true; }

cd "$build"
rm -f ./*.deb
cpack -G DEB >/dev/null
debs=()
for p in "${packages[@]}"; do
  debs+=("$(ls "${p}"_*.deb)") || fail "cpack made no $p package"
done
# lintian's own complaint about running as root is not about the packages.
lintian --fail-on error,warning "${debs[@]}" 2> >(grep -v 'running with root privileges' >&2) \
  || fail "lintian finds errors or warnings in ${debs[*]}"

remove
trap remove EXIT
DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${debs[@]/#/./}" >/dev/null

version=$(dpkg-query -W -f='${Version}' tallyard)
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
[ "$(env -u DISPLAY /usr/bin/tallyard --version)" = "Tallyard $version" ] || fail "tallyard --version"
# The translations travel inside the program: a German system reads German help.
env -u DISPLAY LANG=de_DE.UTF-8 /usr/bin/tallyard --help | grep -q "Anzeigetafel" || fail "tallyard --help is not German under de_DE"
[ -f /usr/lib/tallyard/chime2.wav ] && [ -f /usr/lib/tallyard/tallyardhelpfile.rtf ] \
  || fail "the sound or the help is not beside the installed program"
# Quellin's libraries are in the multiarch folder, in the loader's cache (the ldconfig trigger ran).
[ "$(dpkg-query -S "/usr/lib/$multiarch/libquellin.so.1")" = "libquellin1: /usr/lib/$multiarch/libquellin.so.1" ] \
  || fail "libquellin.so.1 is not libquellin1's, in /usr/lib/$multiarch"
grep -qE "libquellin\.so\.1 .*=> (/usr)?/lib/$multiarch/" <<<"$(ldconfig -p)" || fail "the loader's cache lacks libquellin.so.1"
[[ "$(zcat /usr/share/doc/tallyard/changelog.gz)" == "tallyard ($version) "* ]] \
  || fail "the changelog's newest entry is not for $version"
entry=/usr/share/applications/org.tallyard.Tallyard.desktop
[ -f "$entry" ] && [ -f /usr/share/metainfo/org.tallyard.Tallyard.metainfo.xml ] || fail "no menu entry or AppStream data"
desktop-file-validate "$entry" || fail "the menu entry is not valid"
# The menu entry starts the program by the name it installs.
exec_line=$(sed -n 's/^Exec=//p' "$entry")
command -v "${exec_line%% *}" >/dev/null || fail "the menu entry's Exec=$exec_line is not on the PATH"
# man finds the page by its name, and formats it without a warning.
[ "$(man -w tallyard)" = /usr/share/man/man1/tallyard.1.gz ] || fail "man does not find tallyard(1)"
warnings=$(man --warnings tallyard 2>&1 >/dev/null) || fail "man tallyard"
[ -z "$warnings" ] || fail "the manual page has warnings: $warnings"

work=$(mktemp -d)
cmake -S "$root/examples/countdown" -B "$work" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$work" >/dev/null
[ "$(QT_QPA_PLATFORM=offscreen "$work/quellin-countdown" --seconds 1 --quit-at-zero 2>/dev/null)" = $'1\n0' ] \
  || fail "the example host against the installed package"
rm -rf "$work"

apt-get remove -y -q "${packages[@]}" >/dev/null
trap - EXIT
left=$(for deb in "${debs[@]}"; do dpkg-deb --fsys-tarfile "$deb" | tar -t; done | grep -v '/$' \
  | sed 's/^\.//' | while read -r f; do [ -e "$f" ] || [ -L "$f" ] && echo "$f"; done || true)
[ -z "$left" ] || fail "removing the packages left behind: $left"
echo "PASS: ${debs[*]} pass lintian, install with apt, run, build a host, and remove cleanly"
