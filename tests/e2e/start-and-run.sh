#!/usr/bin/env bash
# The real program on a desktop with a window manager: the splash opens the board at a
# click, and the operator's very first key, R, starts the Routine clock (its display changes
# from one second to the next) and types nothing into the event name; G puts it back at 30:00.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
ensure_window_manager
start_program
open_board

# Twip rectangles of the board at its design size.
routine() { grab "$1" 120 5640 3075 1065; }
event_name() { grab "$1" 120 360 4695 855; }

routine "$work/start.png"
event_name "$work/event-before.png"
xdotool key r
sleep 0.3
routine "$work/a.png"
event_name "$work/event-after.png"
sleep 1.1
routine "$work/b.png"
differ "$work/event-before.png" "$work/event-after.png" && fail "the first R went into the event name"
differ "$work/a.png" "$work/b.png" || fail "the first R did not start the Routine clock"
differ "$work/start.png" "$work/b.png" || fail "the Routine display still shows its start"

xdotool key g
sleep 0.3
routine "$work/reset.png"
differ "$work/start.png" "$work/reset.png" && fail "after G the Routine display is not back at 30:00"
kill -0 "$pid" || fail "the program stopped"
echo "PASS: the first R runs the Routine clock, G resets it to 30:00"
