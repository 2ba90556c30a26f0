#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tallyard developers
# SPDX-License-Identifier: MIT

# The meet through a crash, again and again: an operator steps through a start list of 30
# gymnasts with Page Down and Page Up, commits a score for each and starts and stops the
# Routine clock, and the program is killed (SIGKILL) at a random moment and started again.
# Every score committed a second before a kill is in the results record exactly once, no
# row is torn, and each restart brings back the board the state file held: the texts, the
# number and the score as they were, each clock where it would be had the program run on.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
ensure_window_manager
rounds=${E2E_MEET_ROUNDS:-50}
list="$work/list.csv" record="$work/record.csv"
state="$XDG_STATE_HOME/Tallyard/board.json"
{
  echo "number;name;team"
  for n in $(seq 101 130); do echo "$n;Gymnast $n;\"Club, $((n % 4))\""; done
} >"$list"
echo 0 >"$work/count"
: >"$work/attempts"
: >"$work/committed"
: >"$work/committed.round"

now_ms() { date +%s%3N; }

# checker restore <state before the kill> <state after the restart>; checker record <record>
# <attempted scores> <"ms score" lines committed in the round> <ms of the round's kill>.
checker() {
  python3 - "$@" <<'PY'
import json, sys
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
    record, attempts, committed, killed = sys.argv[2], sys.argv[3], sys.argv[4], int(sys.argv[5])
    raw = open(record, "rb").read()
    if raw and not raw.endswith(b"\r\n"):
        sys.exit("the record ends in a torn row")
    lines = raw.decode("utf-8").split("\r\n")[:-1]
    if not lines or lines[0] != "time,event,number,name,team,score":
        sys.exit(f"the record's header is {lines[:1]}")
    seen = {}
    for line in lines[1:]:
        fields = line.rsplit(",", 1)
        if len(fields) != 2 or not line.count(",") >= 5:
            sys.exit(f"a torn row: {line!r}")
        seen[fields[1]] = seen.get(fields[1], 0) + 1
    tried = set(open(attempts).read().split())
    for score, n in seen.items():
        if n > 1:
            sys.exit(f"{score} is in the record {n} times")
        if score not in tried:
            sys.exit(f"{score} is in the record but was never typed")
    for line in open(committed):
        at, score = line.split()
        if int(at) <= killed - 1000 and score not in seen:
            sys.exit(f"{score}, committed {killed - int(at)} ms before the kill, is not in the record")
PY
}

operator() {
  local n score
  while kill -0 "$pid" 2>/dev/null; do
    n=$(($(cat "$work/count") + 1))
    echo "$n" >"$work/count"
    # Down the list and back up, past both its ends.
    if [ $((n % 70)) -lt 35 ]; then xdotool key Next; else xdotool key Prior; fi
    click board score_left
    score=$(printf '9.%03d' "$n")
    xdotool type "$score"
    echo "$score" >>"$work/attempts"
    xdotool key Return
    echo "$(now_ms) $score" >>"$work/committed.round"
    [ $((n % 3)) -eq 0 ] && xdotool key r
    sleep 0.2
  done
}

killed=0
for round in $(seq "$rounds"); do
  start_program --start-list "$list" --results "$record"
  open_board
  if [ -f "$work/before.json" ]; then
    wait_for 5 grep -q "restored the board of" "$work/log" || fail "round $round: the board was not restored"
    # The restored board is kept at once: the state file then holds what the board shows.
    wait_for 5 eval '! cmp -s "$state" "$work/before.json"' || fail "round $round: the restored board was not kept"
    sleep 0.1
    problem=$(checker restore "$work/before.json" "$state" 2>&1) || fail "round $round: $problem"
  fi
  wait_for 5 test -f "$state" || fail "round $round: the board's state was not kept"
  operator &
  operator_pid=$!
  sleep "$(awk -v s="$RANDOM" 'BEGIN { srand(s); printf "%.2f", 0.5 + rand() * 2 }')"
  kill -KILL "$pid"
  killed=$(now_ms)
  wait "$pid" 2>/dev/null || true
  pid=""
  wait "$operator_pid" 2>/dev/null || true
  [ -f "$state" ] || fail "round $round: no state file after $(cat "$work/count") steps"
  python3 -c 'import json, sys; json.load(open(sys.argv[1]))' "$state" 2>/dev/null || fail "round $round: the state file is torn"
  cp "$state" "$work/before.json"
  # The scores of this round, against this round's kill.
  problem=$(checker record "$record" "$work/attempts" "$work/committed.round" "$killed" 2>&1) || fail "round $round: $problem"
  cat "$work/committed.round" >>"$work/committed"
  : >"$work/committed.round"
done
rows=$(($(wc -l <"$record") - 1))
echo "PASS: killed $rounds times; $rows of $(wc -l <"$work/committed") committed scores in the record, none twice, none torn; the board came back each time"
