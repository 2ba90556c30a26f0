#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tallyard developers
# SPDX-License-Identifier: MIT

# The meet through a crash, again and again: an operator steps through a start list of 30
# gymnasts with Page Down and Page Up, commits a score for each, starts and stops the
# Routine clock, and within 0.3 s of a score the board has shown, the program is killed
# (SIGKILL) and started again. Every score the board showed is in the results record exactly
# once, no row is torn, and each restart brings back on the screen what the record's last
# row says (the number and the score, pixel for pixel as they were shown), with each clock
# where it would be had the program run on.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
ensure_window_manager
rounds=${E2E_MEET_ROUNDS:-30}
list="$work/list.csv" record="$work/record.csv"
state="$XDG_STATE_HOME/Tallyard/board.json"
{
  echo "number;name;team"
  for n in $(seq 101 130); do echo "$n;Gymnast $n;\"Club, $((n % 4))\""; done
} >"$list"
echo 0 >"$work/count"
: >"$work/committed"
# checker restore <state before the kill> <state after the restart>; checker record <record>
# <the scores the board showed, in order>: prints the last row's number and score.
checker() {
  python3 - "$@" <<'PY'
import csv, io, json, sys
what = sys.argv[1]
if what == "restore":
    before, after = (json.load(open(p)) for p in sys.argv[2:4])
    for key in ("event", "name", "team", "number", "score"):
        if before.get(key) != after.get(key):
            sys.exit(f"{key} was {before.get(key)!r}, came back as {after.get(key)!r}")
    for name, old in before["clocks"].items():
        new = after["clocks"][name]
        if old["preset"] != new["preset"]:
            sys.exit(f"the {name} preset was {old['preset']}, came back as {new['preset']}")
        expected = old["seconds"]
        if old["running"]:
            elapsed = (new["takenAt"] - old["takenAt"]) / 1000
            expected = max(0.0, expected + (elapsed if old["countsUp"] else -elapsed))
        if abs(new["seconds"] - expected) > 0.2:
            sys.exit(f"the {name} clock shows {new['seconds']:.2f} s, not {expected:.2f} s")
        if old["running"] != new["running"] and expected > 0:
            sys.exit(f"the {name} clock came back {'running' if new['running'] else 'standing'}")
elif what == "record":
    record, committed = sys.argv[2], sys.argv[3]
    raw = open(record, "rb").read()
    if raw and not raw.endswith(b"\r\n"):
        sys.exit("the record ends in a torn row")
    rows = list(csv.reader(io.StringIO(raw.decode("utf-8"), newline="")))
    if not rows or rows[0] != ["time", "event", "number", "name", "team", "score"]:
        sys.exit(f"the record's header is {rows[:1]}")
    seen = {}
    for row in rows[1:]:
        if len(row) != 6:
            sys.exit(f"a torn row: {row!r}")
        seen[row[5]] = seen.get(row[5], 0) + 1
    shown = open(committed).read().split()
    lost = [score for score in shown if score not in seen]
    if lost:
        sys.exit(f"{len(lost)} of {len(shown)} scores the board showed are not in the record: {lost}")
    for score, n in seen.items():
        if n > 1:
            sys.exit(f"{score} is in the record {n} times")
        if score not in shown:
            sys.exit(f"{score} is in the record but the board never showed it")
    last = rows[-1]
    if last[5] != shown[-1]:
        sys.exit(f"the record's last row holds {last[5]}, the board last showed {shown[-1]}")
    print(last[2], last[5])
PY
}


for round in $(seq "$rounds"); do
  start_program --start-list "$list" --results "$record"
  open_board
  # A score cleared, as a fresh board shows it.
  [ -f "$work/score-clear.png" ] || grab board score "$work/score-clear.png"
  if [ -f "$work/before.json" ]; then
    wait_for 5 grep -q "Restored the board of" "$work/log" || fail "round $round: the board was not restored"
    # What the record's last row says is what the screen shows again.
    returns_to board number "$work/number-shown.png" "$work/number-now.png" \
      || fail "round $round: the restored board shows another number than the record's last row ($last)"
    returns_to board score "$work/score-shown.png" "$work/score-now.png" \
      || fail "round $round: the restored board shows another score than the record's last row ($last)"
    # The restored board is kept at once: the state file then holds what the board shows.
    wait_for 5 eval '! cmp -s "$state" "$work/before.json"' || fail "round $round: the restored board was not kept"
    problem=$(checker restore "$work/before.json" "$state" 2>&1) || fail "round $round: $problem"
  fi
  # A few gymnasts, down the list and back up past both its ends, each with a score.
  for _ in $(seq $((RANDOM % 3 + 1))); do
    n=$(($(cat "$work/count") + 1))
    echo "$n" >"$work/count"
    if [ $((n % 70)) -lt 35 ]; then xdotool key Next; else xdotool key Prior; fi
    [ $((n % 3)) -eq 0 ] && xdotool key r
    commit_score "$(printf '9.%03d' "$n")"
  done
  grab board number "$work/number-shown.png"
  cp "$work/score-after.png" "$work/score-shown.png"
  sleep "$(awk -v s="$RANDOM" 'BEGIN { srand(s); printf "%.3f", rand() * 0.3 }')"
  kill -KILL "$pid"
  wait "$pid" 2>/dev/null || true
  pid=""
  [ -f "$state" ] || fail "round $round: no state file"
  python3 -c 'import json, sys; json.load(open(sys.argv[1]))' "$state" 2>/dev/null || fail "round $round: the state file is torn"
  cp "$state" "$work/before.json"
  last=$(checker record "$record" "$work/committed" 2>&1) || fail "round $round: $last"
done
echo "PASS: killed $rounds times within 0.3 s of a score; all $(wc -l <"$work/committed") scores the board showed in the record once, none torn; each restart showed the record's last row"
