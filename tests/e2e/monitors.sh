#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tallyard developers
# SPDX-License-Identifier: MIT

# Two monitors on one X screen, the primary on the right (a laptop with the projector set up
# as the main display): the splash and the board open centred on the primary monitor, and
# --screen 1 puts the splash on the other one.
set -euo pipefail
E2E_SCREENS="3200x1080"
source "$(dirname "$0")/lib.sh"
xrandr --setmonitor LEFT 1280/338x1024/270+0+0 none >/dev/null
xrandr --setmonitor '*RIGHT' 1920/508x1080/286+1280+0 none >/dev/null
xrandr --delmonitor screen >/dev/null 2>&1 || true
ensure_window_manager

# The centre of a window, "x y", from the window system.
centre() {
  xdotool getwindowgeometry "$1" | awk '/Position/ {split($2, p, ",")} /Geometry/ {split($2, s, "x")}
    END {print p[1] + int(s[1] / 2), p[2] + int(s[2] / 2)}'
}
# Waits up to 5 s for a window's centre to lie within 40 pixels across of x (the window
# manager may still be placing it).
centred_at() {
  local c
  for _ in $(seq 50); do
    c=$(centre "$1")
    [ "${c% *}" -gt $(($2 - 40)) ] && [ "${c% *}" -lt $(($2 + 40)) ] && return 0
    sleep 0.1
  done
  echo "$c"
  return 1
}

start_program
splash=$(wait_window --pid "$pid") || fail "no splash window"
where=$(centred_at "$splash" 2240) || fail "the splash is not centred on the primary monitor (1280..3200): its centre is $where"
open_board
where=$(centred_at "$board" 2240) || fail "the board is not centred on the primary monitor: its centre is $where"
kill "$pid"; wait "$pid" 2>/dev/null || true; pid=""

start_program --screen 1
splash=$(wait_window --pid "$pid") || fail "no splash window with --screen 1"
where=$(centred_at "$splash" 640) || fail "--screen 1 did not put the splash on the left monitor: its centre is $where"
echo "PASS: two monitors, the primary on the right: splash and board centred on it, --screen 1 on the other"
