#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tallyard developers
# SPDX-License-Identifier: MIT

# The board in the hall, on a display of two screens (Xvfb gives each X screen to Qt as a
# screen of its own): full-screen on screen 1; the audience window on screen 1 beside the
# board on screen 0, live and without the operator's selection outline or text cursor; a
# screen that is not there.
set -euo pipefail
E2E_SCREENS="1280x1024 1920x1080"
source "$(dirname "$0")/lib.sh"
ensure_window_manager
on1() { DISPLAY="$own_display.1" "$@"; }
# xdotool searches every screen unless told one.
geometry() { "$@" | tr -d ' ' | sed -n 's/^\(Position\|Geometry\)://p' | sed 's/(screen:.*)//' | tr '\n' ' '; }
# Waits up to 5 s for a window to cover screen 1 exactly.
covers_screen1() {
  for _ in $(seq 50); do
    [ "$(geometry on1 xdotool getwindowgeometry "$1")" = "0,0 1920x1080 " ] && return 0
    sleep 0.1
  done
  return 1
}

# A visible outline, 3 wide, so that its absence on the audience window means something.
mkdir -p "$XDG_CONFIG_HOME/Tallyard"
printf '[ColorSettings]\nColor_LEDSelected=16711935\nLEDSelectedWidth=3\n' >"$XDG_CONFIG_HOME/Tallyard/Tallyard.ini"
outline='#FF00FF'

# 1. --screen 1 --fullscreen: the splash and the board on screen 1, the board covering it.
start_program --screen 1 --fullscreen
splash=$(on1 wait_window --screen 1 --pid "$pid") || fail "no splash on screen 1"
on1 xdotool mousemove --window "$splash" 40 40 click 1
board1=$(on1 wait_window --screen 1 --name '^Tallyard$') || fail "the board did not open on screen 1"
covers_screen1 "$board1" || fail "the full-screen board does not cover screen 1: $(geometry on1 xdotool getwindowgeometry "$board1")"
kill "$pid"; wait "$pid" 2>/dev/null || true; pid=""

# 2. --audience-screen 1: the board on screen 0, a frameless full-screen copy on screen 1.
start_program --audience-screen 1
open_board
audience=$(on1 wait_window --screen 1 --name '^Tallyard$') || fail "no audience window on screen 1"
covers_screen1 "$audience" || fail "the audience window does not cover screen 1: $(geometry on1 xdotool getwindowgeometry "$audience")"
# Motif hints: flags, functions, decorations, ...; decorations 0 is no frame.
[ "$(on1 xprop -id "$audience" _MOTIF_WM_HINTS | sed 's/.*= //' | awk -F', ' '{print $3}')" = 0x0 ] \
  || fail "the audience window has a frame"
on1 xprop -id "$audience" _NET_WM_STATE | grep -q _NET_WM_STATE_FULLSCREEN || fail "the audience window is not full-screen"
xdotool search --screen 0 --onlyvisible --name '^Tallyard$' | grep -qx "$board" || fail "the board left screen 0"
shot_audience() { on1 import -window root "$1"; }

# 3. R on the board: once the board's Routine digits change, the audience's follow.
grab board routine "$work/board-start.png"
shot_audience "$work/audience-start.png"
xdotool key r
changes board routine "$work/board-start.png" "$work/board-now.png" || fail "R did not run the Routine clock"
audience_follows() { shot_audience "$work/audience-now.png" && differ "$work/audience-start.png" "$work/audience-now.png"; }
wait_for 2 audience_follows || fail "the audience window did not follow the Routine clock"
xdotool key r # stopped again, so that the audience window holds still below

# 4. The outline: on the board around the selected display, nowhere on the audience window.
# A Tab onto a text box shows no outline, so each is given a moment.
for _ in $(seq 8); do
  import -window "$board" "$work/board.png"
  [ "$(count_colour "$work/board.png" "$outline")" -gt 0 ] && break
  xdotool key Tab
  settle
done
[ "$(count_colour "$work/board.png" "$outline")" -gt 0 ] || fail "no outline on the board to compare with"
# What must not show cannot be waited for: the audience window is looked at after a moment.
settle
shot_audience "$work/audience.png"
[ "$(count_colour "$work/audience.png" "$outline")" = 0 ] || fail "the selection outline shows on the audience window"

# 5. A typed name: on the audience window, with no text cursor blinking there. The name box
# takes the focus at a click (nothing of that shows on the audience window).
click board name
settle
shot_audience "$work/before-typing.png"
xdotool type --delay 50 "Ada"
# The name reaches the audience window, which then holds still.
typed_steady() {
  shot_audience "$work/typed-a.png"; sleep 0.2; shot_audience "$work/typed.png"
  differ "$work/before-typing.png" "$work/typed.png" && ! differ "$work/typed-a.png" "$work/typed.png"
}
wait_for 5 typed_steady || fail "the typed name did not reach the audience window, or it does not hold still"
# A blink is watched for over more than a second.
board_blinks=no audience_blinks=no
import -window "$board" "$work/b0.png"
for i in 1 2 3 4 5 6 7 8; do
  sleep 0.2
  shot_audience "$work/a$i.png"
  import -window "$board" "$work/b$i.png"
  differ "$work/typed.png" "$work/a$i.png" && audience_blinks=yes
  differ "$work/b0.png" "$work/b$i.png" && board_blinks=yes
done
# Under load the board's blink may fall between the shots; it is reported, not required.
[ "$board_blinks" = yes ] || echo "note: no blink of the board's cursor was caught"
[ "$audience_blinks" = no ] || fail "a text cursor shows on the audience window"

# Closing the board ends the program, audience window and all.
xdotool windowactivate --sync "$board" key alt+F4
wait_exit
[ "$status" = 0 ] || fail "closing the board ended the program with status $status"
no_crash_report || fail "the program reported a crash"

# 6. A screen that is not there: said to the operator, and the board opens alone.
start_program --audience-screen 5
open_board
grep -q 'There is no screen 5 for the audience window' "$work/log" || fail "no message for the missing screen"
# A window that must not open cannot be waited for: screen 1 is looked at after a moment.
settle
[ -z "$(on1 xdotool search --screen 1 --onlyvisible --name '^Tallyard$' 2>/dev/null || true)" ] || fail "a window opened on screen 1"
echo "PASS: full-screen on screen 1; a live audience window on screen 1 without outline or cursor; a missing screen reported"
