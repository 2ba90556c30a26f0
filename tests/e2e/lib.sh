# SPDX-FileCopyrightText: 2026 The Tallyard developers
# SPDX-License-Identifier: MIT

# Shared by the end-to-end scripts: the real program on a real desktop (a display with a
# window manager), found and watched through the window system as an operator sees it.
# Sourced; expects TALLYARD (the executable). Ends with 77 (skipped, to CTest) on a machine
# without the tools it drives the desktop with.
: "${TALLYARD:?path of the tallyard executable}"
for tool in Xvfb xdotool xprop import convert compare; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed" >&2; exit 77; }
done

work=$(mktemp -d)
export XDG_CONFIG_HOME="$work/config" # a machine where the program has never run
export XDG_DATA_HOME="$work/data" XDG_STATE_HOME="$work/state" # nor kept a record or a board
export QT_QPA_PLATFORM=xcb
pid=""
wm_pid=""
xvfb_pid=""
# Everything started here goes, whatever is already gone; the display last, and waited for,
# so that the next script never meets a server on its way out.
cleanup() {
  set +e
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null
  kill "$xvfb_pid" 2>/dev/null
  wait "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# Every script runs on a private Xvfb display, $own_display, so that nothing one script left
# on a display (a window, a dead window manager's marks) meets the next. A script that needs
# other screens lists their sizes in E2E_SCREENS ("1280x1024 1920x1080") before sourcing: one
# X screen each. Xvfb picks a free display number itself and writes it once it accepts clients.
E2E_SCREENS=${E2E_SCREENS:-1280x1024}
screens=()
for size in $E2E_SCREENS; do screens+=(-screen "$((${#screens[@]} / 3))" "${size}x24"); done
Xvfb -displayfd 3 "${screens[@]}" -nolisten tcp -noreset 3>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "FAIL: Xvfb did not start" >&2; exit 1; }
own_display=":$(tr -d '\n' <"$work/display")"
export DISPLAY="$own_display.0"

fail() {
  echo "FAIL: $*" >&2
  # What the desktop held then: the program's state and the windows shown.
  [ -n "$pid" ] && echo "  program $pid: $(ps -o stat=,etime= -p "$pid" 2>/dev/null || echo gone)" >&2
  for w in $(xdotool search --onlyvisible --name . 2>/dev/null || true); do
    echo "  window $w: $(xdotool getwindowname "$w" 2>/dev/null || true)" >&2
  done
  [ -s "$work/log" ] && sed 's/^/  program: /' "$work/log" >&2
  exit 1
}

# An operator's desktop has a window manager; start openbox (its own default keys, Alt+F4
# closes) when the display has none. A window manager that has gone leaves its mark on the
# root window; only a mark whose window is alive and points at itself counts.
has_window_manager() {
  local check
  check=$(xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | awk '/window id/ {print $NF}')
  [ -n "$check" ] &&
    [ "$(xprop -id "$check" _NET_SUPPORTING_WM_CHECK 2>/dev/null | awk '/window id/ {print $NF}')" = "$check" ]
}
# An openbox that ends before it takes the display is started again.
ensure_window_manager() {
  has_window_manager && return 0
  command -v openbox >/dev/null || fail "no window manager on the display and openbox is not installed"
  for _ in 1 2 3; do
    XDG_CONFIG_HOME="$work/wm" setsid openbox --sm-disable >"$work/wm.log" 2>&1 &
    wm_pid=$!
    for _ in $(seq 100); do
      has_window_manager && return 0
      kill -0 "$wm_pid" 2>/dev/null || break
      sleep 0.1
    done
    sleep 0.5
  done
  fail "openbox did not start: $(cat "$work/wm.log")"
}

start_program() {
  "$TALLYARD" "$@" >"$work/log" 2>&1 &
  pid=$!
}

# Waits up to 20 s (a sanitizer build on a busy machine starts slowly) for a visible window:
# wait_window <xdotool search arguments...>; prints its id. The operator's notices, a window
# of their own, are no form.
wait_window() {
  local id
  for _ in $(seq 200); do
    for id in $(xdotool search --onlyvisible "$@" 2>/dev/null || true); do
      [ "$(xdotool getwindowname "$id" 2>/dev/null)" = "Tallyard notices" ] && continue
      echo "$id"
      return 0
    done
    sleep 0.1
  done
  return 1
}

# Polls until a command succeeds, for at most the given seconds: wait_for <seconds> <command...>.
wait_for() {
  local deadline=$(($(date +%s%N) + $1 * 1000000000)); shift
  until "$@"; do
    [ "$(date +%s%N)" -lt "$deadline" ] || return 1
    sleep 0.05
  done
}

# Where things are, in twips: left top width height. The board's elements at its design size,
# a client area of 9480 x 6795 twips; a larger board scales the whole design by one factor and
# centres it, as the board itself does.
board_design_width=9480
board_design_height=6795
declare -A board_elements=(
  [event]="120 360 4695 855"
  [number]="5760 120 3600 1515"
  [name]="0 1710 4695 1170"
  [team]="4680 1710 4695 1170"
  [score]="3469 3000 4455 1575"
  [score_left]="3589 3120 1110 1335"
  [routine]="120 5640 3000 1065"
  [fall]="3585 5640 2310 1065"
  [warmup]="6360 5640 3000 1065"
)
# The start-up panel and the Options dialog keep their size, 15 twips a pixel. Options: the
# tab headers, then the elements of the Keys and the Colors tab, each where its tab shows it.
declare -A splash_elements=(
  [panel]="240 240 5775 735"
  [help]="3240 2520 1215 375"
  [options]="4680 2520 1215 375"
)
declare -A options_elements=(
  [keys_tab]="600 180 900 240"
  [colors_tab]="1875 180 900 240"
  [key_routine]="480 900 1335 375"
  [key_fall]="2400 900 1335 375"
  [routine_colour]="360 900 615 375"
  [routine_colour_change]="1140 900 735 375"
  [ok]="1958 4440 1080 375"
)

# The window of a kind of form: the board ($board), the Options dialog ($dialog), the
# start-up panel ($splash).
window_of() {
  case $1 in
    board) echo "$board" ;;
    options) echo "$dialog" ;;
    splash) echo "$splash" ;;
  esac
}
# An element's pixels in its window as the window is now: "x y width height".
pixels_of() {
  local kind=$1 name=$2 twips size=""
  case $kind in
    board) twips=${board_elements[$name]}
           size=$(xdotool getwindowgeometry "$board" | sed -n 's/ *Geometry: //p' | tr x ' ') ;;
    options) twips=${options_elements[$name]} ;;
    splash) twips=${splash_elements[$name]} ;;
  esac
  [ -n "$twips" ] || fail "no element $name on the $kind"
  awk -v t="$twips" -v s="$size" -v dw="$board_design_width" -v dh="$board_design_height" 'BEGIN {
    split(t, r, " "); f = 1; ox = 0; oy = 0
    if (s != "") {
      split(s, c, " "); w = c[1] * 15; h = c[2] * 15
      if (w / dw >= h / dh) { f = h / dh; ox = (w - dw * f) / 2 } else { f = w / dw; oy = (h - dh * f) / 2 }
    }
    printf "%d %d %d %d\n", (ox + r[1] * f) / 15 + 0.5, (oy + r[2] * f) / 15 + 0.5, r[3] * f / 15 + 0.5, r[4] * f / 15 + 0.5
  }'
}
# Clicks the middle of an element: click <kind> <name>.
click() {
  local x y w h
  read -r x y w h < <(pixels_of "$1" "$2")
  xdotool mousemove --window "$(window_of "$1")" $((x + w / 2)) $((y + h / 2)) click 1
}
# A picture of an element: grab <kind> <name> <file>.
grab() {
  local x y w h
  read -r x y w h < <(pixels_of "$1" "$2")
  import -window "$(window_of "$1")" -crop "${w}x${h}+${x}+${y}" +repage "$3"
}
# Pixels of a colour (#RRGGBB) in a picture.
count_colour() { convert "$1" -fill black +opaque "$2" -fill white -opaque "$2" -format '%[fx:round(mean*w*h)]' info:; }
differ() { [ "$(compare -metric AE "$1" "$2" null: 2>&1 || true)" != "0" ]; }
# Waits up to 5 s for an element to look other than in a picture (changes) or the same as it
# (returns_to): changes <kind> <name> <picture> <file>; the last look is left in file.
changes() { wait_for 5 _grab_differs "$@"; }
returns_to() { wait_for 5 _grab_matches "$@"; }
_grab_differs() { grab "$1" "$2" "$4" && differ "$3" "$4"; }
_grab_matches() { grab "$1" "$2" "$4" && ! differ "$3" "$4"; }
# A clock that stands still can only be shown by watching it for more than a second.
stands_still() { # stands_still <kind> <name>
  grab "$1" "$2" "$work/still-a.png"; sleep 1.3; grab "$1" "$2" "$work/still-b.png"
  ! differ "$work/still-a.png" "$work/still-b.png"
}
# A key whose effect nothing on the screen shows (a focus move under an invisible outline, a
# clock stopped) is given a moment to land before the next look.
settle() { sleep 0.3; }

# Clicks the splash and waits for the board; sets $board.
open_board() {
  splash=$(wait_window --pid "$pid") || fail "no splash window"
  click splash panel
  board=$(wait_window --screen 0 --name '^Tallyard$') || fail "the board did not open"
  # The window manager gives the new board the focus by itself; wait for that. The board
  # then sends itself a Tab onto the gymnast number, unseen: the outline has the board's
  # colour until the operator chooses another.
  wait_active "$board" || fail "the board did not become the active window"
  settle
}

# Brings a window forward with the focus: keys sent after it reach that window.
activate() { xdotool windowactivate --sync "$1" 2>/dev/null || true; wait_active "$1" || true; }

# Waits up to 5 s for a window to become the active one.
wait_active() {
  for _ in $(seq 50); do
    [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ] && return 0
    sleep 0.1
  done
  return 1
}

# Waits up to 5 s for no visible window to have a name matching the pattern.
window_gone() {
  for _ in $(seq 50); do
    xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  return 1
}

# The program's own sound streams on the sound server (0 without one).
own_streams() {
  { pactl list sink-inputs 2>/dev/null || true; } | grep -c "application.process.id = \"$pid\"" || true
}
has_sound_server() { pactl info >/dev/null 2>&1; }
sounding() { [ "$(own_streams)" -gt 0 ]; }

# Waits up to 10 s for the program to end; sets $status (143 when it had to be stopped).
wait_exit() {
  local state
  for _ in $(seq 100); do
    state=$(ps -o stat= -p "$pid" 2>/dev/null || true)
    [ -z "$state" ] || [[ "$state" == Z* ]] && break
    sleep 0.1
  done
  [ -z "$state" ] || [[ "$state" == Z* ]] || kill "$pid" 2>/dev/null || true
  status=0
  wait "$pid" || status=$?
  pid=""
}

# Commits a score as the operator does (commit_score 9.85) and waits until the board shows it;
# then it counts: it goes to $work/committed. The score is cleared first (Delete) and seen
# cleared, as $work/score-clear.png shows a cleared score, so that the change looked for can
# only be the commit, not a clear still on its way.
commit_score() {
  click board score_left
  xdotool key Delete
  returns_to board score "$work/score-clear.png" "$work/score-before.png" || fail "the score was not cleared before $1"
  xdotool type "$1"
  xdotool key Return
  changes board score "$work/score-clear.png" "$work/score-after.png" || fail "the board did not take $1"
  echo "$1" >>"$work/committed"
}

# What a crash or a sanitizer leaves in the program's output.
no_crash_report() {
  ! grep -E -q 'AddressSanitizer|runtime error:|Segmentation|Aborted|core dumped|terminate called' "$work/log"
}
