#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tallyard developers
# SPDX-License-Identifier: MIT

# An operator's evening at the board, start to end, on a large screen under a window manager:
# the splash, "&Options" (the Routine clock magenta, the Fall key J), the board (a typed time
# on Routine, run, swap to Fall and back, stop, a score, a gymnast number, the chime, F1),
# the board at 1920 x 1080, reset, quit. Screenshots say what changed and what did not, and
# the settings file holds exactly what the dialog stored.
set -euo pipefail
E2E_SCREENS="2560x1440"
source "$(dirname "$0")/lib.sh"
ensure_window_manager
ini="$XDG_CONFIG_HOME/Tallyard/Tallyard.ini"
magenta='#FF00FF' # 16711935 stored: the low byte is red
green='#00C000'   # the Routine clock's colour until then

# 1. The splash, and its "&Options".
start_program
splash=$(wait_window --pid "$pid") || fail "no splash window"
painted() { import -window "$splash" "$work/splash.png" && [ "$(convert "$work/splash.png" -format '%k' info:)" -gt 50 ]; }
wait_for 5 painted || fail "the splash shows next to nothing"
click splash options
dialog=$(wait_window --name '^Options$') || fail "the splash's Options did not open the dialog"
activate "$dialog"

# 2. Colors tab, the Routine clock's "Change": the colour dialog's HTML field takes magenta.
grab options routine_colour "$work/swatch-keys-tab.png"
click options colors_tab
changes options routine_colour "$work/swatch-keys-tab.png" "$work/swatch-green.png" || fail "the Colors tab did not show"
click options routine_colour_change
picker=$(wait_window --name '^Select Color$') || fail "Change did not open the colour dialog"
activate "$picker"
xdotool key alt+h ctrl+a
xdotool type '#ff00ff'
xdotool key Return
window_gone '^Select Color$' || fail "the colour dialog did not close"
magenta_swatch() { grab options routine_colour "$work/swatch.png" && [ "$(count_colour "$work/swatch.png" "$magenta")" -gt 500 ]; }
wait_for 5 magenta_swatch || fail "the Routine swatch is not magenta"

# 3. Keys tab, the Fall key's label, then J; Ok.
grab options key_fall "$work/fall-key-colors-tab.png"
click options keys_tab
changes options key_fall "$work/fall-key-colors-tab.png" "$work/fall-key.png" || fail "the Keys tab did not show"
click options key_fall
changes options key_fall "$work/fall-key.png" "$work/fall-key-asked.png" || fail "the Fall key's label asked for no key"
xdotool key j
changes options key_fall "$work/fall-key-asked.png" "$work/fall-key-j.png" || fail "the Fall key's label did not take J"
click options ok
window_gone '^Options$' || fail "Ok did not close the dialog"
[ -f "$ini" ] || fail "Ok stored nothing"
expected="Color_FormBack=4210752 Color_Routine=16711935 Color_ScoreLED=33023 Color_GymnastLED=49152
Color_LEDBack=0 Color_LEDSelected=4210752 Color_Border=16777215 Color_Fall=255 Color_WarmUp=65535
LEDSelectedWidth=0 KeyRoutine=82 KeyFall=74 KeyWarmUp=87 KeyReset=71 KeyClear=46 KeyChime=67
NumLockForce=0 HomePic= VisitorPic= LEDType=0"
stored=$(grep '=' "$ini" | grep -v '^BuzzerFile=' | sort)
[ "$stored" = "$(tr ' ' '\n' <<<"$expected" | sort)" ] || fail "the settings file is not what the dialog set: $(cat "$ini")"
grep -q '^BuzzerFile=.*chime2\.wav$' "$ini" || fail "the buzzer sound was not stored: $(grep BuzzerFile "$ini")"
[ "$(grep -c '=' "$ini")" = 21 ] || fail "not 21 settings: $(cat "$ini")"
cp "$ini" "$work/stored.ini"

# 4. The board: the Routine digits magenta.
open_board
grab board routine "$work/r0.png"
[ "$(count_colour "$work/r0.png" "$magenta")" -gt 200 ] || fail "the Routine digits are not magenta"
[ "$(count_colour "$work/r0.png" "$green")" = 0 ] || fail "the Routine digits are still green"

# 5. Routine selected, 1.30 and Enter: the clock shows 1:30 and stands still. (The click
# reaches the board before the keys typed after it.)
click board routine
xdotool type 1.30
xdotool key Return
changes board routine "$work/r0.png" "$work/r-entered.png" || fail "1.30 and Enter did not set the Routine clock"
stands_still board routine || fail "the Routine clock runs after a typed time"

# 6. R runs Routine; J stops it and runs Fall; F (no longer a key) changes nothing; J again
# and Routine goes on; R stops it. A clock that starts shows that its key has landed, so
# that is looked at first.
runs() { # runs <element> <what>: its display changes
  grab board "$1" "$work/a.png"
  changes board "$1" "$work/a.png" "$work/b.png" || fail "$2 does not run"
}
stands() { stands_still board "$1" || fail "$2 does not stand still"; }
xdotool key r
runs routine "R: the Routine clock"
stands fall "R: the Fall clock"
xdotool key j
runs fall "J: the Fall clock"
stands routine "J: the Routine clock"
# F is no key now: had it swapped the clocks, the J after it would leave Fall running.
xdotool key f j
runs routine "after F, J again: the Routine clock"
stands fall "after F, J again: the Fall clock"
xdotool key r

# 7. The score, 9.85 and Enter; the gymnast number, 123 and Enter. Once the score shows, the
# R before it has landed too.
grab board score "$work/s0.png"
click board score_left
xdotool type 9.85
xdotool key Return
changes board score "$work/s0.png" "$work/s1.png" || fail "9.85 did not reach the score"
stands routine "R again: the Routine clock"
grab board number "$work/n0.png"
click board number
xdotool type 123
xdotool key Return
changes board number "$work/n0.png" "$work/n1.png" || fail "123 did not reach the gymnast number"

# 8. The chime, and F1: the help window beside the board.
# With a sound server, the chime is a stream of the program's own while it sounds.
xdotool key c
if has_sound_server; then
  wait_for 5 sounding || fail "C played nothing on the sound server"
  quiet() { ! sounding; }
  wait_for 10 quiet || fail "the chime did not end"
else
  echo "no sound server: the chime is not heard"
  settle
fi
kill -0 "$pid" 2>/dev/null || fail "the chime stopped the program"
xdotool key F1
wait_window --name '^Tallyard Help$' >/dev/null || fail "F1 did not open the help window"
activate "$board"

# 9. The board at 1920 x 1080: the whole design grows by one factor, the LEDs with it.
import -window "$board" "$work/small.png"
small=$(count_colour "$work/small.png" "$magenta")
xdotool windowsize "$board" 1920 1080
board_size() { xdotool getwindowgeometry "$board" | sed -n 's/ *Geometry: //p'; }
sized() { [ "$(board_size)" = "$1" ]; }
wait_for 5 sized 1920x1080 || fail "the board is not 1920 x 1080: $(board_size)"
# 1920 x 1080 over 632 x 453 design pixels: a factor of 2.38, 5.7 times the lit area.
grown() { import -window "$board" "$work/large.png" && [ "$(count_colour "$work/large.png" "$magenta")" -gt $((small * 4)) ]; }
wait_for 5 grown || fail "the Routine digits did not grow with the board: $small then $(count_colour "$work/large.png" "$magenta") pixels"

# 10. G: the clocks at their presets, the score and the gymnast number cleared. Back at the
# design size, the Routine clock shows the typed 1:30 again, pixel for pixel.
xdotool key g
reset_shown() { import -window "$board" "$work/reset.png" && differ "$work/large.png" "$work/reset.png"; }
wait_for 5 reset_shown || fail "G changed nothing"
xdotool windowsize "$board" $((board_design_width / 15)) $((board_design_height / 15))
wait_for 5 sized "$((board_design_width / 15))x$((board_design_height / 15))" || fail "the board is not back at its design size: $(board_size)"
returns_to board routine "$work/r-entered.png" "$work/r-reset.png" || fail "after G the Routine clock is not back at 1:30"
returns_to board score "$work/s0.png" "$work/s-reset.png" || fail "after G the score is not cleared"
returns_to board number "$work/n0.png" "$work/n-reset.png" || fail "after G the gymnast number does not show 0"

# 11. Quit with the window manager's close: the board first, the program goes on while the
# help window is open; then the help window, and the program ends cleanly and writes nothing.
activate "$board"
xdotool key alt+F4
window_gone '^Tallyard$' || fail "the window manager's close did not close the board"
kill -0 "$pid" 2>/dev/null || fail "the program ended with the help window still open"
activate "$(wait_window --name '^Tallyard Help$')"
xdotool key alt+F4
wait_exit
[ "$status" = 0 ] || fail "the program ended with status $status"
no_crash_report || fail "the program reported a crash"
cmp -s "$ini" "$work/stored.ini" || fail "the settings file changed after Ok: $(cat "$ini")"
echo "PASS: an operator's run: Options from the splash, the board driven by its keys, 1920 x 1080, reset, quit"
