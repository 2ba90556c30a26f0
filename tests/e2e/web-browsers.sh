#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tallyard developers
# SPDX-License-Identifier: MIT

# The web views in two browser engines, Chromium and Firefox ESR, each a real window on the
# display beside the board: the board page, the overlay and a clock show the typed score, the
# typed name and the running clock (read from the page's title, which says what it shows); the
# clock page's seconds move between two pictures a second apart; eight clock frames in one
# window all live (a browser keeps six connections to a server); and a page left open while
# the program stops and starts again on the same port comes back by itself and shows the next
# change. E2E_KEEP=<folder> keeps the pictures, at 1920 x 1080, 1280 x 720 and a phone's 390 x 844.
set -euo pipefail
for tool in chromium firefox-esr curl python3; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed" >&2; exit 77; }
done
E2E_SCREENS=${E2E_SCREENS:-2400x1400}
source "$(dirname "$0")/lib.sh"
ensure_window_manager
port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
base="http://127.0.0.1:$port"

serve() {
  start_program --serve "127.0.0.1:$port" --no-results
  wait_for 20 grep -q "^$base/  " "$work/log" || fail "--serve did not serve on $port"
  open_board
  board_window=$board
}
serve
click board score_left
xdotool type 9.85
xdotool key Return
click board name
xdotool key ctrl+a
xdotool type 'Ada Lovelace'
click board score_left
xdotool key r
shown_score=9.850
state_has() { curl -s "$base/state" | grep -q "$1"; }
wait_for 5 state_has '"name":"Ada Lovelace"' || fail "the typed name did not reach /state"

browser_pid=""
# open <engine> <url> <width> <height>: a window of its own, the page alone in it; sets $win.
open_page() {
  local engine=$1 url=$2 width=$3 height=$4 profile="$work/profile-$1-$RANDOM"
  mkdir -p "$profile"
  case $engine in
    chromium)
      chromium --no-sandbox --no-first-run --disable-background-networking --disable-component-update \
        --disable-sync --disable-gpu --user-data-dir="$profile" --window-position=0,0 \
        --window-size="$width,$height" --app="$url" >"$work/browser.log" 2>&1 &
      ;;
    firefox)
      cat >"$profile/user.js" <<'JS'
user_pref("browser.shell.checkDefaultBrowser", false);
user_pref("browser.startup.homepage_override.mstone", "ignore");
user_pref("datareporting.policy.dataSubmissionEnabled", false);
user_pref("toolkit.telemetry.reportingpolicy.firstRun", false);
user_pref("browser.aboutwelcome.enabled", false);
user_pref("app.update.enabled", false);
user_pref("network.proxy.type", 0);
JS
      MOZ_ENABLE_WAYLAND=0 firefox-esr --no-remote --new-instance --profile "$profile" --width "$width" \
        --height "$height" "$url" >"$work/browser.log" 2>&1 &
      ;;
  esac
  browser_pid=$!
  win=$(wait_window --all --pid "$browser_pid" --name 'Tallyard') || fail "$engine opened no window for $url"
  xdotool windowsize "$win" "$width" "$height" 2>/dev/null || true
}
close_page() {
  kill "$browser_pid" 2>/dev/null || true
  wait "$browser_pid" 2>/dev/null || true
  browser_pid=""
}
title_of() { xdotool getwindowname "$win" 2>/dev/null || true; }
title_has() { title_of | grep -q -- "$1"; }
keep() { [ -z "${E2E_KEEP:-}" ] || { mkdir -p "$E2E_KEEP"; cp "$1" "$E2E_KEEP/"; }; }
# Pixels of the window that are not black in a picture's given part.
lit() { convert "$1" -crop "$2" -threshold 8% -format '%[fx:round(mean*w*h)]' info:; }

for engine in chromium firefox; do
  # The board, the overlay and a clock, each showing what the board shows.
  for path in / /overlay "/clock?clock=routine"; do
    open_page "$engine" "$base$path" 1280 720
    case $path in
      /clock*) wait_for 20 title_has 'Routine [0-9]*:[0-9][0-9]' || fail "$engine: the clock page shows no running clock: $(title_of)" ;;
      *) wait_for 20 title_has "$shown_score" || fail "$engine: $path does not show the typed score: $(title_of)"
         title_has 'Ada Lovelace' || fail "$engine: $path does not show the typed name: $(title_of)" ;;
    esac
    import -window "$win" "$work/$engine-$(echo "$path" | tr -c 'a-z\n' '_' | head -c 12).png"
    keep "$work/$engine-$(echo "$path" | tr -c 'a-z\n' '_' | head -c 12).png"
    if [[ $path == /clock* ]]; then
      # Smoothly: two pictures a second apart show the seconds moving.
      first=$(title_of)
      import -window "$win" "$work/clock-a.png"
      sleep 1.1
      import -window "$win" "$work/clock-b.png"
      differ "$work/clock-a.png" "$work/clock-b.png" || fail "$engine: the clock page's seconds stood still"
      [ "$(title_of)" != "$first" ] || fail "$engine: the clock page's title stood still at $first"
    fi
    close_page
  done

  # Eight clock frames in one window, more than a browser keeps connections to one server.
  frames="$work/frames-$engine.html"
  {
    echo '<!DOCTYPE html><html><body style="margin:0;background:#000;display:grid;grid-template-columns:repeat(4,25%)">'
    for i in $(seq 8); do
      echo "<iframe src=\"$base/clock?clock=routine&amp;frame=$i\" style=\"width:100%;height:320px;border:0\"></iframe>"
    done
    echo '<title>Tallyard frames</title></body></html>'
  } >"$frames"
  open_page "$engine" "file://$frames" 1600 700
  sleep 8
  import -window "$win" "$work/frames-$engine.png"
  keep "$work/frames-$engine.png"
  for i in $(seq 0 7); do
    part="380x300+$((i % 4 * 400 + 10))+$((i / 4 * 320 + 10))"
    [ "$(lit "$work/frames-$engine.png" "$part")" -gt 500 ] || fail "$engine: clock frame $((i + 1)) of 8 is blank"
  done
  close_page

  # The program stops and starts again on the same port: the open page comes back by itself.
  open_page "$engine" "$base/" 1280 720
  wait_for 20 title_has "$shown_score" || fail "$engine: the board page did not load"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  pid=""
  wait_for 10 title_has '.' # the page stays
  sleep 6
  import -window "$win" "$work/waiting-$engine.png"
  keep "$work/waiting-$engine.png"
  serve
  shown_score=$([ "$engine" = chromium ] && echo 8.125 || echo 7.625)
  click board score_left
  xdotool type "$shown_score"
  xdotool key Return
  wait_for 30 title_has "$shown_score" || fail "$engine: the page did not come back after the program started again: $(title_of)"
  close_page
done

# The sizes a hall has, in Chromium: a TV, a stream's canvas, a phone held upright.
for size in 1920x1080 1280x720 390x844; do
  open_page chromium "$base/" "${size%x*}" "${size#*x}"
  wait_for 20 title_has "$shown_score" || fail "the board page at $size did not load"
  sleep 1
  import -window "$win" "$work/board-$size.png"
  keep "$work/board-$size.png"
  close_page
done
echo "Chromium and Firefox show the board, the overlay and a running clock; eight frames live; a page comes back after a restart"
