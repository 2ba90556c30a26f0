#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tallyard developers
# SPDX-License-Identifier: MIT

# The Debian packages, as a sponsor would check them. Needs root (the test command runs as root).
#   scripts/test-debian.sh build <folder>
#     dpkg-buildpackage makes the source package and the binary packages from the tree, with
#     Debian's hardening flags (the tests are left to the caller, who runs every one of them in
#     the build tree obj-<triplet>); the packages, the source and the build log go to <folder>.
#   scripts/test-debian.sh check <folder>
#     lintian (pedantic) on the source and the binaries, blhc on the build log, hardening-check
#     on every ELF file, autopkgtest with the installed packages, and their removal leaving
#     nothing behind.
set -euo pipefail
mode=$1
out=$(mkdir -p "$2" && cd "$2" && pwd)
root=$(cd "$(dirname "$0")/.." && pwd)
parent=$(dirname "$root")
fail() { echo "FAIL: $*"; exit 1; }
version=$(dpkg-parsechangelog -l "$root/debian/changelog" -S Version)
arch=$(dpkg-architecture -qDEB_HOST_ARCH)
packages=(tallyard libquellin1 libquellin-dev)

if [ "$mode" = build ]; then
  cd "$root"
  rm -f "$out"/*
  # The source package first, from a tree that holds no build yet.
  dpkg-buildpackage -S -us -uc -d >"$out/source.log" 2>&1 || { tail -n 30 "$out/source.log"; fail "dpkg-buildpackage -S"; }
  DEB_BUILD_OPTIONS="nocheck parallel=$(nproc)" dpkg-buildpackage -b -us -uc \
    >"$out/build.log" 2>&1 || { tail -n 60 "$out/build.log"; fail "dpkg-buildpackage -b"; }
  # dpkg-buildpackage leaves its results beside the tree.
  for f in "$parent/tallyard_${version}".{dsc,tar.xz} "$parent/tallyard_${version}_source".{changes,buildinfo} \
           "$parent/tallyard_${version}_${arch}".{changes,buildinfo} "$parent"/*_"${version}_${arch}".deb; do
    [ -e "$f" ] && mv "$f" "$out/"
  done
  for p in "${packages[@]}"; do
    [ -f "$out/${p}_${version}_${arch}.deb" ] || fail "no ${p} package"
  done
  echo "PASS: dpkg-buildpackage made the source package and ${packages[*]} with their -dbgsym packages"
  exit 0
fi

[ "$mode" = check ] || fail "the mode is build or check"
[ "$(id -u)" -eq 0 ] || fail "installing the packages needs root"
cd "$out"
# lintian's own complaint about running as root is not about the packages.
for changes in "tallyard_${version}_source.changes" "tallyard_${version}_${arch}.changes"; do
  tags=$(lintian --pedantic --info --display-experimental "$changes" 2> >(grep -v 'running with root privileges' >&2)) \
    || fail "lintian on $changes"
  [ -z "$tags" ] || fail "lintian finds in $changes:"$'\n'"$tags"
done
# Every compiler and linker call of the build had Debian's flags.
blhc --all --arch="$arch" build.log || fail "blhc finds flags missing in the build log"
# Every ELF file of the packages is hardened.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for deb in *_"${version}_${arch}".deb; do
  case $deb in *-dbgsym_*) continue ;; esac
  dpkg-deb -x "$deb" "$work/tree"
done
elves=0
while IFS= read -r -d '' f; do
  head -c 4 "$f" | grep -q $'\x7fELF' || continue
  elves=$((elves + 1))
  # Debian 12's C start files (crti.o, crtn.o) carry no CET note, so no program linked there
  # shows control-flow protection, /usr/bin/ls neither; and a library whose every memcpy has
  # a size known only at run time has nothing _FORTIFY_SOURCE can check (blhc above shows the
  # flag on every compile): that answer, and only that one, is no failure.
  if ! report=$(hardening-check --nocfprotection "$f"); then
    grep -v ': yes\|(ignored)\|unknown, no -fstack-clash\|^/' <<<"$report" \
      | grep -qv 'Fortify Source functions: no, only unprotected functions found!' \
      && fail "hardening-check $f:"$'\n'"$report"
  fi
  ! readelf -d "$f" | grep -qE 'RPATH|RUNPATH' || fail "$f carries a search path"
done < <(find "$work/tree" -type f -print0)
[ "$elves" -ge 6 ] || fail "only $elves ELF files in the packages"

# autopkgtest installs the packages, runs debian/tests and leaves them installed.
remove() { apt-get remove -y -q "${packages[@]}" >/dev/null 2>&1 || true; }
trap 'remove; rm -rf "$work"' EXIT
autopkgtest -B ./*_"${version}_${arch}".deb "$root" -- null >autopkgtest.log 2>&1 \
  || { tail -n 40 autopkgtest.log; fail "autopkgtest"; }
# The installed program opens its own manual page without a warning, and its menu entry starts
# it by the name it is installed under.
[ "$(man -w tallyard)" = /usr/share/man/man1/tallyard.1.gz ] || fail "man does not find tallyard(1)"
warnings=$(man --warnings tallyard 2>&1 >/dev/null) || fail "man tallyard"
[ -z "$warnings" ] || fail "the manual page has warnings: $warnings"
exec_line=$(sed -n 's/^Exec=//p' /usr/share/applications/org.tallyard.Tallyard.desktop)
command -v "${exec_line%% *}" >/dev/null || fail "the menu entry's Exec=$exec_line is not on the PATH"
grep -qE "libquellin\.so\.1 .*=> (/usr)?/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/" <<<"$(ldconfig -p)" \
  || fail "the loader's cache lacks libquellin.so.1"
apt-get remove -y -q "${packages[@]}" >/dev/null
trap 'rm -rf "$work"' EXIT
left=$(for deb in "${packages[@]/%/_${version}_${arch}.deb}"; do dpkg-deb --fsys-tarfile "$deb" | tar -t; done \
  | grep -v '/$' | sed 's/^\.//' | while read -r f; do [ -e "$f" ] || [ -L "$f" ] && echo "$f"; done || true)
[ -z "$left" ] || fail "removing the packages left behind: $left"
echo "PASS: lintian, blhc and hardening-check find nothing; autopkgtest passes; the packages remove cleanly"
