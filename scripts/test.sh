#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tallyard developers
# SPDX-License-Identifier: MIT

# Installs what is missing, builds Tallyard three times (the Debian packages with Debian's
# flags, with the address and undefined-behaviour sanitizers, and the fuzz targets with clang)
# and runs every test under a virtual display and a silent sound server; checks the packages
# as a Debian sponsor would. It leaves no process of its own running.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --test
jobs=$(nproc)

# A display for the unit tests that need real windows and key events.
if [ -z "${DISPLAY:-}" ]; then
  export DISPLAY=:97
  # -noreset: between two test programs no client is left, and a reset would refuse the next one.
  Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp -noreset >/tmp/tallyard-xvfb.log 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
fi
# Qt and the sound server keep their sockets in a private runtime folder.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  export XDG_RUNTIME_DIR=$(mktemp -d /tmp/tallyard-runtime.XXXXXX)
  chmod 700 "$XDG_RUNTIME_DIR"
fi
# A sound server with a null sink, so the buzzer has somewhere to play; one started here is
# stopped at the end, with the display.
pactl info >/dev/null 2>&1 && sound_was_running=1 || sound_was_running=0
scripts/start-sound.sh || echo "sound server not started; sound tests run silent"
finish() {
  [ "$sound_was_running" = 1 ] || pulseaudio --kill 2>/dev/null || true
  [ -z "${xvfb_pid:-}" ] || kill "$xvfb_pid" 2>/dev/null || true
}
trap finish EXIT

status=0
# Cheap checks of the sources first: every file says its licence, and the AppStream data and
# the menu entry are valid.
if ! lint=$(reuse lint 2>&1); then echo "$lint" | tail -n 20; status=1; fi
appstreamcli validate --pedantic scoreboard/resources/org.tallyard.Tallyard.metainfo.xml || status=1
desktop-file-validate scoreboard/resources/org.tallyard.Tallyard.desktop || status=1
run_tests() {
  local dir=$1
  (cd "$dir" && ctest --output-on-failure -j "$jobs") 2>&1 | tee "$dir/ctest.log" || status=1
  # A test that did not run for want of a tool, a service or a user is no pass.
  if grep -q '(Skipped)\|(Not Run)' "$dir/ctest.log"; then
    echo "FAIL: tests were skipped in $dir; install what they need (scripts/install-deps.sh --test)"
    status=1
  fi
}
build_and_test() {
  local dir=$1; shift
  cmake -S . -B "$dir" -G Ninja "$@"
  cmake --build "$dir" -j "$jobs"
  run_tests "$dir"
}
# The plain build is the Debian packages' own, made by dpkg-buildpackage with Debian's flags;
# every test runs in its tree before the packages are checked and installed.
if TALLYARD_CMAKE_FLAGS="-DTALLYARD_WERROR=ON -DTALLYARD_BENCHMARKS=ON" scripts/test-debian.sh build build/debian; then
  run_tests "obj-$(dpkg-architecture -qDEB_HOST_GNU_TYPE)"
  scripts/test-debian.sh check build/debian || status=1
else
  status=1
fi
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
  build_and_test build/sanitize -DCMAKE_BUILD_TYPE=Debug -DTALLYARD_SANITIZE=ON -DTALLYARD_BENCHMARKS=OFF -DTALLYARD_WERROR=ON

# The fuzz targets, built with clang and libFuzzer, each run for 30 s from its seeds.
scripts/fuzz.sh 30 build/fuzz || status=1

exit $status
