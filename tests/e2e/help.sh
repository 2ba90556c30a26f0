#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tallyard developers
# SPDX-License-Identifier: MIT

# The help window as an operator meets it under a window manager: the start-up panel's Help
# opens it before the board exists; F1 on the board brings the same one window forward, also
# from minimised;
# the board runs and takes its keys beside it; a copy of the program without the help
# document beside it still opens the window.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
ensure_window_manager
start_program
splash=$(wait_window --pid "$pid") || fail "no splash window"
help_windows() { xdotool search --onlyvisible --name '^Tallyard Help$' 2>/dev/null | wc -l; }

click splash help
wait_window --name '^Tallyard Help$' >/dev/null || fail "the panel's Help did not open the help window"
# The help window lies over the panel; the operator brings the panel forward and clicks it.
xdotool windowactivate --sync "$splash" 2>/dev/null || xdotool windowraise "$splash"
click splash panel
board=$(wait_window --name '^Tallyard$') || fail "the board did not open"
activate "$board"

# F1 brings the one help window forward: it becomes the active window, and no second one opens.
help=$(xdotool search --onlyvisible --name '^Tallyard Help$' | head -n1)
xdotool key F1
wait_active "$help" || fail "F1 did not bring the help window forward"
[ "$(help_windows)" = 1 ] || fail "F1 made a second help window"
# Minimised, F1 brings it back.
xdotool windowminimize --sync "$help"
[ "$(help_windows)" = 0 ] || fail "the help window did not minimise"
activate "$board"
xdotool key F1
wait_window --name '^Tallyard Help$' >/dev/null || fail "F1 did not bring the minimised help window back"
# Back on the board, its keys work while the help stays open.
activate "$board"
grab board routine "$work/a.png"
xdotool key r
changes board routine "$work/a.png" "$work/b.png" || fail "the board did not run the Routine clock beside the help"
[ "$(help_windows)" = 1 ] || fail "the help window went away"
kill "$pid"; wait "$pid" 2>/dev/null || true; pid=""

# A copy of the program in a folder without the help document.
mkdir -p "$work/bare"
cp "$TALLYARD" "$work/bare/tallyard"
TALLYARD="$work/bare/tallyard" start_program
splash=$(wait_window --pid "$pid") || fail "the copy showed no splash"
click splash help
wait_window --name '^Tallyard Help$' >/dev/null || fail "without its document the help window did not open"
kill -0 "$pid" || fail "the copy stopped"
echo "PASS: one help window from the panel and from F1, the board running beside it, and without its document"
