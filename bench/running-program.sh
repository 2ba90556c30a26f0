#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tallyard developers
# SPDX-License-Identifier: MIT

# The whole program running as in the hall, against a bare Qt program in the same run: on an
# X display of its own under openbox, the board full-screen with the Routine and Warm-Up clocks
# running (the meet's record and state kept, as on a plain start), then the bare window of
# the same size repainting a box each second from a 50 ms timer. Each is measured for
# SECONDS (60) after a few seconds of settling: the process's CPU time and its peak memory.
# A second program (another build's tallyard, such as the one before a change) is measured
# the same way in the same run when given.
#   bench/running-program.sh <build folder> [seconds] [other tallyard]
set -euo pipefail
build=$(cd "$1" && pwd)
seconds=${2:-60}
other=${3:-}
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")" QT_QPA_PLATFORM=xcb
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_STATE_HOME="$work/state"
openbox --sm-disable >/dev/null 2>&1 &
sleep 1
ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
peak() { awk '/VmHWM/ {print $2}' "/proc/$1/status"; }
measure() { # measure <pid>: CPU ticks over the window, then peak kB
  sleep 3
  local before after
  before=$(ticks "$1")
  sleep "$seconds"
  after=$(ticks "$1")
  echo "$((after - before)) $(peak "$1")"
}

# The board full-screen, its splash clicked away, the Routine and Warm-Up clocks started.
run_board() { # run_board <tallyard>: prints CPU ticks and peak kB
  rm -rf "$work/state" "$work/data"
  "$1" --fullscreen >"$work/tallyard.log" 2>&1 &
  local board=$!
  sleep 2
  xdotool mousemove 960 500 click 1
  sleep 1
  xdotool key r w
  measure $board
  kill $board
  wait $board 2>/dev/null || true
}
read -r board_ticks board_peak < <(run_board "$build/bin/tallyard")
if [ -n "$other" ]; then
  read -r other_ticks other_peak < <(run_board "$other")
fi

"$build/bin/bare_window" --tick &
bare=$!
read -r bare_ticks bare_peak < <(measure $bare)
kill $bare

hz=$(getconf CLK_TCK)
report() { # report <name> <ticks> <peak kB>
  awk -v name="$1" -v b="$2" -v bp="$3" -v r="$bare_ticks" -v rp="$bare_peak" -v hz="$hz" -v s="$seconds" 'BEGIN {
    printf "%-12s %5d ms CPU in %d s (%.2f x the bare window), peak %.1f MB (%.2f x)\n", name, b * 1000 / hz, s,
      (r > 0 ? b / r : 0), bp / 1024, (rp > 0 ? bp / rp : 0) }'
}
report "bare window" "$bare_ticks" "$bare_peak"
report "program" "$board_ticks" "$board_peak"
[ -z "$other" ] || report "other" "$other_ticks" "$other_peak"
