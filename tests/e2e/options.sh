#!/usr/bin/env bash
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
  wait_active "$dialog" || true
  sleep 0.3
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

# Twips to the dialog's pixels: the Routine key label and the Ok button.
options
xdotool mousemove --window "$dialog" 76 72 click 1
sleep 0.3
xdotool key x
sleep 0.3
xdotool mousemove --window "$dialog" 166 308 click 1
closed || fail "Ok did not close the dialog"
grep -q '^KeyRoutine=88$' "$ini" || fail "the Routine key was not stored as X: $(grep KeyRoutine "$ini")"

sleep 0.5
routine() { grab "$1" 120 5640 3075 1065; }
routine "$work/before.png"
xdotool key x
sleep 1.3
routine "$work/after.png"
differ "$work/before.png" "$work/after.png" || fail "X did not start the Routine clock"
echo "PASS: Options from the board: Enter stores, Esc and the close box do not, X becomes the Routine key"
