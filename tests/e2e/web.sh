#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tallyard developers
# SPDX-License-Identifier: MIT

# The live web views in a real browser: the program serves on a free loopback port, the
# operator types a score and a name and starts the Routine clock, and headless Chromium opens
# the board and the stream's lower third. The board's page changes with the keys, the lower
# third shows the name and has a transparent background.
set -euo pipefail
command -v chromium >/dev/null || { echo "SKIP: chromium is not installed" >&2; exit 77; }
command -v curl >/dev/null || { echo "SKIP: curl is not installed" >&2; exit 77; }
source "$(dirname "$0")/lib.sh"
ensure_window_manager

start_program --serve 127.0.0.1:0
wait_for 20 grep -q '^http://127.0.0.1:[0-9]*/  ' "$work/log" || fail "--serve listed no address"
base=$(sed -n 's|^\(http://127.0.0.1:[0-9]*\)/  .*|\1|p' "$work/log" | head -n1)
open_board

# Headless Chromium, its own profile, a 16:9 window: shot <path> <file> [more options].
shot() {
  local path=$1 file=$2; shift 2
  timeout 60 chromium --headless --disable-gpu --no-sandbox --no-first-run --user-data-dir="$work/chromium" \
    --hide-scrollbars --timeout=3000 --window-size=1280,720 "$@" --screenshot="$file" "$base$path" \
    >"$work/chromium.log" 2>&1 || fail "chromium did not take $path: $(tail -n3 "$work/chromium.log")"
  [ -s "$file" ] || fail "chromium left no picture of $path"
}
shot / "$work/board-before.png"

click board score_left
xdotool type 9.85
xdotool key Return
click board name
xdotool key ctrl+a
xdotool type 'Ada Lovelace'
# Off the text box, so that R runs the clock instead of joining the name.
click board score_left
xdotool key r
state_has() { curl -s "$base/state" | grep -q "$1"; }
wait_for 5 state_has '"text":"9.850"' || fail "the typed score did not reach /state: $(curl -s "$base/state")"
wait_for 5 state_has '"name":"[^"]*Ada Lovelace' || fail "the typed name did not reach /state"
wait_for 5 state_has '"running":true' || fail "the running Routine clock did not reach /state"

# Chromium may take its picture before the page has drawn the stream's first state (a loaded
# machine): a few tries before the page is said not to follow.
changed() { shot / "$work/board.png" && differ "$work/board-before.png" "$work/board.png"; }
wait_for 30 changed || fail "the board's page did not change with the keys"
shot /overlay "$work/overlay.png" --default-background-color=00000000
# The lower third leaves the top of the picture to the stream: its corners are see-through.
for point in "5,5" "1274,5" "640,100"; do
  alpha=$(convert "$work/overlay.png" -format "%[fx:round(255*p{$point}.a)]" info:)
  [ "$alpha" = 0 ] || fail "the overlay is not transparent at $point (alpha $alpha)"
done
# ... and its lower part shows something.
[ "$(convert "$work/overlay.png" -crop 1280x240+0+480 -format '%[fx:round(1000*maxima.a)]' info:)" -gt 500 ] \
  || fail "the overlay shows nothing in its lower third"
[ -n "${E2E_KEEP:-}" ] && cp "$work"/board.png "$work"/board-before.png "$work"/overlay.png "$E2E_KEEP"/
echo "the board's page and the overlay follow the board at $base"
