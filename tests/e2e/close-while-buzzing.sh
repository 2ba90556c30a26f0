#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tallyard developers
# SPDX-License-Identifier: MIT

# The operator sounds the buzzer and closes the board at once, the window manager's way
# (Alt+F4 sends WM_DELETE_WINDOW): the program ends with status 0 and no crash report.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
ensure_window_manager
start_program
open_board
xdotool key c
# With a sound server the buzzer is a stream of its own while it sounds; without one there
# is nothing to see.
if has_sound_server; then
  wait_for 5 sounding || fail "C played nothing on the sound server"
else
  settle
fi
xdotool key alt+F4
wait_exit
[ "$status" = 0 ] || fail "the program ended with status $status"
no_crash_report || fail "the program reported a crash"
echo "PASS: closing the board while the buzzer sounds ends the program cleanly"
