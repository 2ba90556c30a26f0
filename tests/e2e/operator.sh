#!/usr/bin/env bash
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

# 1. The splash, and its "&Options" (5295, 2707 twips inside the frame).
start_program
splash=$(wait_window --pid "$pid") || fail "no splash window"
sleep 0.3
import -window "$splash" "$work/splash.png"
[ "$(convert "$work/splash.png" -format '%k' info:)" -gt 50 ] || fail "the splash shows next to nothing"
xdotool mousemove --window "$splash" 352 180 click 1
dialog=$(wait_window --name '^Options$') || fail "the splash's Options did not open the dialog"
activate "$dialog"

# 2. Colors tab, the Routine clock's "Change": the colour dialog's HTML field takes magenta.
xdotool mousemove --window "$dialog" 155 20 click 1
sleep 0.3
xdotool mousemove --window "$dialog" 100 72 click 1
picker=$(wait_window --name '^Select Color$') || fail "Change did not open the colour dialog"
activate "$picker"
xdotool key alt+h ctrl+a
xdotool type '#ff00ff'
xdotool key Return
window_gone '^Select Color$' || fail "the colour dialog did not close"
sleep 0.3
import -window "$dialog" -crop 41x25+24+60 +repage "$work/swatch.png"
[ "$(count_colour "$work/swatch.png" "$magenta")" -gt 500 ] || fail "the Routine swatch is not magenta"

# 3. Keys tab, the Fall key's label, then J; Ok.
xdotool mousemove --window "$dialog" 70 20 click 1
sleep 0.3
xdotool mousemove --window "$dialog" 204 72 click 1
sleep 0.3
xdotool key j
sleep 0.3
xdotool mousemove --window "$dialog" 166 308 click 1
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
routine() { grab "$1" 120 5640 3000 1065; }
fall() { grab "$1" 3585 5640 2310 1065; }
score() { grab "$1" 3469 3000 4455 1575; }
number() { grab "$1" 5760 120 3600 1515; }
routine "$work/r0.png"
[ "$(count_colour "$work/r0.png" "$magenta")" -gt 200 ] || fail "the Routine digits are not magenta"
[ "$(count_colour "$work/r0.png" "$green")" = 0 ] || fail "the Routine digits are still green"

# 5. Routine selected, 1.30 and Enter: the clock shows 1:30 and stands still.
xdotool mousemove --window "$board" 108 411 click 1
sleep 0.3
xdotool type 1.30
xdotool key Return
sleep 0.3
routine "$work/r-entered.png"
differ "$work/r0.png" "$work/r-entered.png" || fail "1.30 and Enter did not set the Routine clock"
sleep 1.1
routine "$work/r1.png"
differ "$work/r-entered.png" "$work/r1.png" && fail "the Routine clock runs after a typed time"

# 6. R runs Routine; J stops it and runs Fall; F (no longer a key) changes nothing;
# J again and Routine goes on; R stops it.
# Each is called just after a key: the key is given time to land before the first shot.
runs() { # runs <region> <name>: its display changes within 1.3 s
  sleep 0.3; "$1" "$work/a.png"; sleep 1.3; "$1" "$work/b.png"
  differ "$work/a.png" "$work/b.png" || fail "$2 does not run"
}
stands() {
  sleep 0.3; "$1" "$work/a.png"; sleep 1.3; "$1" "$work/b.png"
  differ "$work/a.png" "$work/b.png" && fail "$2 does not stand still"
  return 0
}
xdotool key r
runs routine "R: the Routine clock"
stands fall "R: the Fall clock"
xdotool key j
stands routine "J: the Routine clock"
runs fall "J: the Fall clock"
xdotool key f
runs fall "after F, the Fall clock"
xdotool key j
runs routine "J again: the Routine clock"
stands fall "J again: the Fall clock"
xdotool key r
stands routine "R again: the Routine clock"

# 7. The score, 9.85 and Enter; the gymnast number, 123 and Enter.
score "$work/s0.png"
xdotool mousemove --window "$board" 276 252 click 1
sleep 0.3
xdotool type 9.85
xdotool key Return
sleep 0.3
score "$work/s1.png"
differ "$work/s0.png" "$work/s1.png" || fail "9.85 did not reach the score"
number "$work/n0.png"
xdotool mousemove --window "$board" 504 58 click 1
sleep 0.3
xdotool type 123
xdotool key Return
sleep 0.3
number "$work/n1.png"
differ "$work/n0.png" "$work/n1.png" || fail "123 did not reach the gymnast number"

# 8. The chime, and F1: the help window beside the board.
# With a sound server, the chime is a stream of its own on it while it sounds.
streams() { { pactl list short sink-inputs 2>/dev/null || true; } | wc -l; }
before=$(streams)
xdotool key c
if pactl info >/dev/null 2>&1; then
  for _ in $(seq 20); do
    [ "$(streams)" -gt "$before" ] && break
    sleep 0.1
  done
  [ "$(streams)" -gt "$before" ] || fail "C played nothing on the sound server"
else
  echo "no sound server: the chime is not heard"
fi
sleep 0.5
kill -0 "$pid" 2>/dev/null || fail "the chime stopped the program"
xdotool key F1
wait_window --name '^Tallyard Help$' >/dev/null || fail "F1 did not open the help window"
activate "$board"

# 9. The board at 1920 x 1080: the whole design grows by one factor, the LEDs with it.
import -window "$board" "$work/small.png"
xdotool windowsize "$board" 1920 1080
for _ in $(seq 50); do
  [ "$(xdotool getwindowgeometry "$board" | sed -n 's/ *Geometry: //p')" = 1920x1080 ] && break
  sleep 0.1
done
[ "$(xdotool getwindowgeometry "$board" | sed -n 's/ *Geometry: //p')" = 1920x1080 ] || fail "the board is not 1920 x 1080"
sleep 0.8
import -window "$board" "$work/large.png"
small=$(count_colour "$work/small.png" "$magenta")
large=$(count_colour "$work/large.png" "$magenta")
# 1920 x 1080 over 632 x 453 design pixels: a factor of 2.38, 5.7 times the lit area.
[ "$large" -gt $((small * 4)) ] || fail "the Routine digits did not grow with the board: $small then $large pixels"

# 10. G: the clocks at their presets, the score and the gymnast number cleared. Back at the
# design size, the Routine clock shows the typed 1:30 again, pixel for pixel.
xdotool key g
sleep 0.3
import -window "$board" "$work/reset.png"
differ "$work/large.png" "$work/reset.png" || fail "G changed nothing"
xdotool windowsize "$board" 632 453
sleep 0.8
routine "$work/r-reset.png"
differ "$work/r-entered.png" "$work/r-reset.png" && fail "after G the Routine clock is not back at 1:30"
score "$work/s-reset.png"
differ "$work/s0.png" "$work/s-reset.png" && fail "after G the score is not cleared"
number "$work/n-reset.png"
differ "$work/n0.png" "$work/n-reset.png" && fail "after G the gymnast number does not show 0"

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
