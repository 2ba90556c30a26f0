#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tallyard developers
# SPDX-License-Identifier: MIT

# Installs what Tallyard needs to build, run and test on Debian 12. Run as root.
set -euo pipefail
# What building and running the program need.
packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-qpa-plugins libqt6multimedia6 libx11-dev libsndfile1-dev libcsv-dev
  libsdl2-dev libqrencode-dev   # gamepads; the pairing code as a QR code
  qt6-l10n-tools qt6-translations-l10n   # the translations: lrelease, and Qt's own dialog texts
  fonts-liberation fonts-dejavu-core
)
if [ "${1:-}" = "--test" ]; then
  # Tests also need GoogleTest and Google Benchmark, Qt's tools (the Designer plugin, lupdate),
  # a display server with a window manager, a sound server, a keyboard driver and its layouts
  # (setxkbmap), monitors laid out by hand (xrandr), a screenshot tool, the menu-entry checker
  # and the cross compiler that checks the Windows sources, clang with libFuzzer and its
  # sanitizers for the fuzz build, the browsers of the web views, the checkers of the
  # licences, the AppStream data and the manual page, and what builds and checks the Debian
  # packages (debhelper, lintian, hardening-check, blhc, autopkgtest).
  packages+=(libgtest-dev libgmock-dev libbenchmark-dev qt6-tools-dev
             xvfb xauth x11-utils x11-xserver-utils x11-xkb-utils xdotool openbox imagemagick pulseaudio pulseaudio-utils
             desktop-file-utils g++-mingw-w64-x86-64 clang libclang-rt-14-dev python3
             reuse appstream man-db chromium firefox-esr curl clang-format
             dpkg-dev debhelper lintian devscripts blhc autopkgtest)
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update
  apt-get install -y --no-install-recommends "${missing[@]}"
fi
