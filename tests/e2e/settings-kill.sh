#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tallyard developers
# SPDX-License-Identifier: MIT

# The program killed (SIGKILL) at random moments while the operator confirms the Options
# dialog again and again: the settings file on disk is always whole, the old one or the new
# one, with the operator's own lines (a note, a hand-set key, another program's keys) kept.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
ensure_window_manager
ini="$XDG_CONFIG_HOME/Tallyard/Tallyard.ini"
mkdir -p "$(dirname "$ini")"
rounds=${E2E_KILL_ROUNDS:-15}

# A hand-grown file: a note on top, T as the Routine key, and a megabyte of other lines, so
# that each save takes long enough to be caught in the middle now and then.
{
  printf '; regional meet\n[KeySettings]\nKeyRoutine=84\n'
  for n in $(seq 6000); do printf '[Other%d]\n; note %d\nKey%d = "a value, with a comma and some length to it"\n\n' $((n % 40)) "$n" "$n"; done
} >"$ini"

# The file reads back whole: the operator's lines kept and, once a save has happened, every one
# of the 21 keys exactly once (until then it is the hand-grown file, which has not all of them).
check_whole() {
  local round=$1 key
  grep -q '^; regional meet$' "$ini" || fail "round $round: the operator's note is gone"
  grep -q '^KeyRoutine=84$' "$ini" || fail "round $round: the hand-set key is gone: $(grep -i keyroutine "$ini")"
  [ "$(grep -c '^Key[0-9]* = ' "$ini")" = 6000 ] || fail "round $round: the other program's keys are not all there"
  [ "$(tail -c 1 "$ini" | od -An -c | tr -d ' ')" = '\n' ] || fail "round $round: the file ends mid-line"
  [ "$saved" -gt 0 ] || return 0
  for key in Color_FormBack Color_Routine Color_ScoreLED Color_GymnastLED Color_LEDBack Color_LEDSelected \
             Color_Border Color_Fall Color_WarmUp LEDSelectedWidth KeyRoutine KeyFall KeyWarmUp KeyReset \
             KeyClear KeyChime BuzzerFile NumLockForce HomePic VisitorPic LEDType; do
    [ "$(grep -c "^$key=" "$ini")" = 1 ] || fail "round $round: $key is not there exactly once"
  done
}

# Each save renames a new file over the old one: a new inode tells that a save happened.
inode=$(stat -c %i "$ini")
saved=0
for round in $(seq "$rounds"); do
  start_program
  open_board
  # The operator: F2 and Enter, over and over at an operator's pace, until the program is
  # killed at a moment drawn at random.
  (
    while kill -0 "$pid" 2>/dev/null; do
      xdotool key F2 2>/dev/null || true
      sleep 0.15
      xdotool key Return 2>/dev/null || true
      sleep 0.1
    done
  ) &
  operator=$!
  sleep "$(awk -v s="$RANDOM" 'BEGIN { srand(s); printf "%.2f", 0.3 + rand() * 2.5 }')"
  kill -KILL "$pid"
  wait "$pid" 2>/dev/null || true
  pid=""
  wait "$operator" 2>/dev/null || true
  [ "$(stat -c %i "$ini")" = "$inode" ] || saved=$((saved + 1))
  inode=$(stat -c %i "$ini")
  check_whole "$round"
done
[ "$saved" -ge $((rounds / 2)) ] || fail "only $saved of $rounds rounds saved the settings before the kill"
echo "PASS: killed $rounds times while confirming Options ($saved rounds saved); the settings file read back whole every time"
