#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tallyard developers
# SPDX-License-Identifier: MIT

# The real program on a desktop with a window manager: the splash opens the board at a
# click, and the operator's very first key, R, starts the Routine clock (its display changes
# from one second to the next) and types nothing into the event name; G puts it back at 30:00.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
ensure_window_manager
start_program
open_board

grab board routine "$work/start.png"
grab board event "$work/event-before.png"
xdotool key r
changes board routine "$work/start.png" "$work/a.png" || fail "the first R did not start the Routine clock"
changes board routine "$work/a.png" "$work/b.png" || fail "the Routine clock stopped after its first second"
# The R has landed: the display it started has changed.
grab board event "$work/event-after.png"
differ "$work/event-before.png" "$work/event-after.png" && fail "the first R went into the event name"

xdotool key g
returns_to board routine "$work/start.png" "$work/reset.png" || fail "after G the Routine display is not back at 30:00"
kill -0 "$pid" || fail "the program stopped"
echo "PASS: the first R runs the Routine clock, G resets it to 30:00"
