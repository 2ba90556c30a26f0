#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tallyard developers
# SPDX-License-Identifier: MIT

# The Options dialog from the board, as an operator uses it under a window manager: F2
# opens it with the focus on Ok, so Enter stores every setting; Esc and the window
# manager's close store nothing; the Routine key reassigned to X starts the clock with X.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
ensure_window_manager
start_program
open_board
ini="$XDG_CONFIG_HOME/Tallyard/Tallyard.ini"

options() {
  xdotool key F2
  dialog=$(wait_window --name '^Options$') || fail "F2 did not open the Options dialog"
  wait_active "$dialog" || fail "the Options dialog did not take the focus"
}
closed() { window_gone '^Options$'; }

options
xdotool key Escape
closed || fail "Esc did not close the dialog"
[ -e "$ini" ] && fail "Esc wrote settings"

options
xdotool key alt+F4
closed || fail "the window manager's close did not close the dialog"
[ -e "$ini" ] && fail "the close box wrote settings"

options
xdotool key Return
closed || fail "Enter did not confirm the dialog"
[ "$(grep -c '=' "$ini")" = 21 ] || fail "OK did not store all 21 settings: $(cat "$ini")"

# The Routine key's label asks for a key, and shows the X pressed.
options
grab options key_routine "$work/key-before.png"
click options key_routine
changes options key_routine "$work/key-before.png" "$work/key-asked.png" || fail "the Routine key's label asked for no key"
xdotool key x
changes options key_routine "$work/key-asked.png" "$work/key-x.png" || fail "the Routine key's label did not take X"
click options ok
closed || fail "Ok did not close the dialog"
grep -q '^KeyRoutine=88$' "$ini" || fail "the Routine key was not stored as X: $(grep KeyRoutine "$ini")"

wait_active "$board" || fail "the board did not take the focus back"
grab board routine "$work/before.png"
xdotool key x
changes board routine "$work/before.png" "$work/after.png" || fail "X did not start the Routine clock"
echo "PASS: Options from the board: Enter stores, Esc and the close box do not, X becomes the Routine key"
