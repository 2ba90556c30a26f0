#!/usr/bin/env bash
# The real program under a display: the splash opens the board at a click, R starts the
# Routine clock (its display changes from one second to the next), G puts it back at 30:00.
set -euo pipefail
: "${TALLYARD:?path of the tallyard executable}"
: "${DISPLAY:?a display, such as Xvfb}"
work=$(mktemp -d)
export XDG_CONFIG_HOME="$work/config" # a machine where the program has never run
export QT_QPA_PLATFORM=xcb
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

"$TALLYARD" >"$work/log" 2>&1 &
pid=$!

# The splash: the program's only window at first.
splash=""
for _ in $(seq 100); do
  splash=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -n1 || true)
  [ -n "$splash" ] && break
  sleep 0.1
done
[ -n "$splash" ] || fail "no splash window"
xdotool mousemove --window "$splash" 40 40 click 1

board=""
for _ in $(seq 100); do
  board=$(xdotool search --onlyvisible --name '^Tallyard$' 2>/dev/null | head -n1 || true)
  [ -n "$board" ] && break
  sleep 0.1
done
[ -n "$board" ] || fail "the board did not open"
sleep 0.5
xdotool windowfocus --sync "$board" 2>/dev/null || true
xdotool mousemove --window "$board" 300 420

# The Routine display: twips 120,5640 .. 3171,6705 of the board, at 15 twips a pixel.
routine() { import -window "$board" -crop 205x72+8+375 +repage "$1"; }
differ() { [ "$(compare -metric AE "$1" "$2" null: 2>&1 || true)" != "0" ]; }

routine "$work/start.png"
xdotool key r
sleep 0.3
routine "$work/a.png"
sleep 1.1
routine "$work/b.png"
differ "$work/a.png" "$work/b.png" || fail "the Routine display did not change while running"
differ "$work/start.png" "$work/b.png" || fail "the Routine display still shows its start"

xdotool key g
sleep 0.3
routine "$work/reset.png"
differ "$work/start.png" "$work/reset.png" && fail "after G the Routine display is not back at 30:00"
kill -0 "$pid" || fail "the program stopped"
echo "PASS: R runs the Routine clock, G resets it to 30:00"
