#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tallyard developers
# SPDX-License-Identifier: MIT

# The operator is told, in the operator's language, where the audience never looks: with an
# audience window on screen 1 the notice stands on the operator's board on screen 0; with the
# board full-screen on screen 1 and no audience window, in a corner of screen 0. A results
# record that cannot be written (a folder) is a lasting notice: its amber mark is looked for
# on each screen. E2E_SHOTS=<folder> keeps the pictures.
set -euo pipefail
E2E_SCREENS="1280x1024 1280x1024"
source "$(dirname "$0")/lib.sh"
ensure_window_manager
on1() { DISPLAY="$own_display.1" "$@"; }
lasting='#E08A00'
mkdir -p "$work/folder"
shot() { # shot <screen> <file>
  DISPLAY="$own_display.$1" import -window root "$2"
  [ -z "${E2E_SHOTS:-}" ] || { mkdir -p "$E2E_SHOTS"; cp "$2" "$E2E_SHOTS/"; }
}
marks() { count_colour "$1" "$lasting"; }

# The words each language says the record cannot be written with.
declare -A words=([en]="cannot be written" [de]="kann nicht geschrieben werden" [fr]="ne peut pas être écrit"
                  [es]="no se puede escribir")
declare -A locales=([en]=C.UTF-8 [de]=de_DE.UTF-8 [fr]=fr_FR.UTF-8 [es]=es_ES.UTF-8)
declare -A numbers=([en]="4 1" [de]="4 2" [fr]="4 3" [es]="4 4")
for lang in en de fr es; do
  # 1. The board on screen 0 is the operator's, the audience window on screen 1.
  LANG=${locales[$lang]} LANGUAGE= LC_ALL= start_program --audience-screen 1 --results "$work/folder"
  open_board
  on1 wait_window --screen 1 --name '^Tallyard$' >/dev/null || fail "$lang: no audience window"
  grep -q "${words[$lang]}" "$work/log" || fail "$lang: the record's problem was not said in the operator's language"
  wait_for 5 eval '[ "$(shot 0 "$work/operator-$lang.png"; marks "$work/operator-$lang.png")" -gt 0 ]' \
    || fail "$lang: the operator's board shows no notice"
  shot 1 "$work/audience-$lang.png"
  [ "$(marks "$work/audience-$lang.png")" -eq 0 ] || fail "$lang: the notice is on the audience window"
  # The board keeps the keyboard: a number typed now lands on it.
  grab board number "$work/number-before.png"
  xdotool key ${numbers[$lang]} Return
  changes board number "$work/number-before.png" "$work/number-after.png" || fail "$lang: the board lost the keyboard"
  kill "$pid"; wait "$pid" 2>/dev/null || true; pid=""

  # 2. The board faces the hall on screen 1 by itself: the notice in a corner of screen 0.
  LANG=${locales[$lang]} LANGUAGE= LC_ALL= start_program --screen 1 --fullscreen --results "$work/folder"
  splash=$(on1 wait_window --screen 1 --pid "$pid") || fail "$lang: no splash on screen 1"
  on1 xdotool mousemove --window "$splash" 40 40 click 1
  on1 wait_window --screen 1 --name '^Tallyard$' >/dev/null || fail "$lang: the board did not open on screen 1"
  sleep 0.5
  wait_for 5 eval '[ "$(shot 0 "$work/corner-$lang.png"; marks "$work/corner-$lang.png")" -gt 0 ]' \
    || fail "$lang: no notice on screen 0"
  shot 1 "$work/hall-$lang.png"
  [ "$(marks "$work/hall-$lang.png")" -eq 0 ] || fail "$lang: the notice is on the board that faces the hall"
  kill "$pid"; wait "$pid" 2>/dev/null || true; pid=""
done
echo "PASS: the notice stood where the operator looks in English, German, French and Spanish, never on the audience's screen"
