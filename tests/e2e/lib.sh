# Shared by the end-to-end scripts: the real program on a real desktop (a display with a
# window manager), found and watched through the window system as an operator sees it.
# Sourced; expects TALLYARD (the executable).
: "${TALLYARD:?path of the tallyard executable}"

work=$(mktemp -d)
export XDG_CONFIG_HOME="$work/config" # a machine where the program has never run
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

# Waits for a visible window: wait_window <xdotool search arguments...>; prints its id.
wait_window() {
  local id=""
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible "$@" 2>/dev/null | head -n1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}

# Clicks the splash and waits for the board; sets $board.
open_board() {
  local splash
  splash=$(wait_window --pid "$pid") || fail "no splash window"
  xdotool mousemove --window "$splash" 40 40 click 1
  board=$(wait_window --screen 0 --name '^Tallyard$') || fail "the board did not open"
  # The window manager gives the new board the focus by itself; wait for that, as an
  # operator would glance at the board before the first key.
  wait_active "$board" || fail "the board did not become the active window"
  sleep 0.3
}

# Brings a window forward with the focus, and gives it a moment to settle.
activate() { xdotool windowactivate --sync "$1" 2>/dev/null || true; sleep 0.3; }

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

# A region of the board in twips (left top width height), at 15 twips a pixel.
grab() {
  local file=$1 l=$2 t=$3 w=$4 h=$5
  import -window "$board" -crop "$((w / 15))x$((h / 15))+$((l / 15))+$((t / 15))" +repage "$file"
}
# Pixels of a colour (#RRGGBB) in a picture.
count_colour() { convert "$1" -fill black +opaque "$2" -fill white -opaque "$2" -format '%[fx:round(mean*w*h)]' info:; }
differ() { [ "$(compare -metric AE "$1" "$2" null: 2>&1 || true)" != "0" ]; }

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

# What a crash or a sanitizer leaves in the program's output.
no_crash_report() {
  ! grep -E -q 'AddressSanitizer|runtime error:|Segmentation|Aborted|core dumped|terminate called' "$work/log"
}
