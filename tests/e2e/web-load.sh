#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tallyard developers
# SPDX-License-Identifier: MIT

# The web views under load on loopback: 256 live viewers from sixteen addresses (a hall's
# devices), while the operator runs the clocks and types scores. Every viewer sees every change
# the board made, in order and none missing, each key's change reaching all of them. Reports
# the time from the key on the board to a viewer reading the change (p50, p99, max), the
# program's memory with the viewers and its CPU beside the same minute of keys with nobody
# watching: figures to read, not to pass or fail on (a sanitizer build beside another test is
# slower by nature); web_bench measures against its baseline.
set -euo pipefail
command -v python3 >/dev/null || { echo "SKIP: python3 is not installed" >&2; exit 77; }
source "$(dirname "$0")/lib.sh"
ensure_window_manager
phase=${WEB_LOAD_SECONDS:-20}
presses=40

start_program --serve 127.0.0.1:0
wait_for 20 grep -q '^http://127.0.0.1:[0-9]*/  ' "$work/log" || fail "--serve listed no address"
port=$(sed -n 's|^http://127.0.0.1:\([0-9]*\)/  .*|\1|p' "$work/log" | head -n1)
open_board

now_ms() { date +%s%3N; }
ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
rss_kb() { awk '/VmRSS/ {print $2}' "/proc/$pid/status"; }
# The operator: the Routine clock on and off, a score typed, the Fall clock, for the given seconds.
operate() {
  local deadline=$(($(date +%s) + $1)) i=0
  while [ "$(date +%s)" -lt "$deadline" ]; do
    i=$((i + 1))
    xdotool key r
    sleep 0.4
    click board score_left
    xdotool type "$((i % 10)).$((i % 7))5"
    xdotool key Return
    sleep 0.4
    xdotool key f
    sleep 0.3
    xdotool key f r
    sleep 0.3
  done
}

# 1. The board alone, nobody watching.
before=$(ticks)
operate "$phase"
alone=$(($(ticks) - before))
rss_alone=$(rss_kb)

# 2. The viewers.
python3 - "$port" "$work" >"$work/load.out" 2>&1 <<'PY' &
import json, os, selectors, socket, sys, time
port, work = int(sys.argv[1]), sys.argv[2]
sel = selectors.DefaultSelector()
clients = []
for i in range(256):
    s = socket.socket()
    s.bind((f"127.0.0.{2 + i % 16}", 0))
    s.connect(("127.0.0.1", port))
    s.sendall(b"GET /events HTTP/1.1\r\nHost: x\r\nAccept: text/event-stream\r\n\r\n")
    c = {"sock": s, "buf": b"", "versions": [], "arrived": {}}
    clients.append(c)
# Each viewer reads its snapshot first; the operator starts once all have it.
for c in clients:
    while b"event: state" not in c["buf"] or b"\n\n" not in c["buf"].split(b"event: state", 1)[1]:
        data = c["sock"].recv(65536)
        if not data:
            print("FAIL: a viewer was turned away"); sys.exit(1)
        c["buf"] += data
    c["sock"].setblocking(False)
    sel.register(c["sock"], selectors.EVENT_READ, c)
def take(c, now):
    while b"\n\n" in c["buf"]:
        msg, c["buf"] = c["buf"].split(b"\n\n", 1)
        if b"event: state" not in msg:
            continue
        state = json.loads(msg.split(b"data: ", 1)[1])
        c["versions"].append(state["version"])
        c["arrived"].setdefault(state["version"], now)
for c in clients:
    take(c, time.time() * 1000)
# The version all hold now: the operator's next key makes the one after it.
open(os.path.join(work, "ready-version"), "w").write(str(max(c["versions"][-1] for c in clients)))
os.rename(os.path.join(work, "ready-version"), os.path.join(work, "ready"))
# Ends with the script too: a script that failed removes its work folder and never says done.
give_up = time.time() + 600
while not os.path.exists(os.path.join(work, "done")):
    if not os.path.isdir(work) or time.time() > give_up:
        print("FAIL: the script went away"); sys.exit(1)
    for key, _ in sel.select(0.05):
        c = key.data
        data = c["sock"].recv(65536)
        if not data:
            print("FAIL: a viewer was closed"); sys.exit(1)
        c["buf"] += data
        take(c, time.time() * 1000)
# The latency of each press of R: from the key to each viewer's reading of the change it made.
first = int(open(os.path.join(work, "ready")).read()) + 1
keys = [int(x) for x in open(os.path.join(work, "keys")).read().split()]
lat = []
for k, at in enumerate(keys):
    for c in clients:
        if first + k in c["arrived"]:
            lat.append(c["arrived"][first + k] - at)
lat.sort()
last = max(c["versions"][-1] for c in clients)
bad = sum(1 for c in clients if c["versions"][-1] != last or c["versions"] != list(range(c["versions"][0], last + 1)))
expected = len(keys) * len(clients)
p99 = lat[int(len(lat) * 0.99)] if lat else float("nan")
print(f"viewers {len(clients)}, changes {last - clients[0]['versions'][0]}, viewers missing a change {bad}; "
      f"from the key on the board: {len(lat)} of {expected} readings, ms p50 {lat[len(lat) // 2]:.1f} "
      f"p99 {p99:.1f} max {lat[-1]:.1f}")
if bad or len(lat) != expected:
    print("FAIL"); sys.exit(1)
PY
viewers=$!
wait_for 30 test -e "$work/ready" || fail "the viewers did not all get the board's state: $(cat "$work/load.out")"
rss_viewers=$(rss_kb)

# 3. Each press of R is one change: the time of each key (the viewers know the version before).
for _ in $(seq "$presses"); do
  now_ms >>"$work/keys"
  xdotool key r
  sleep 0.3
done

# 4. The same keys as alone, with everyone watching.
before=$(ticks)
operate "$phase"
watched=$(($(ticks) - before))
rss_end=$(rss_kb)
touch "$work/done"
wait "$viewers" || fail "the viewers: $(cat "$work/load.out")"
kill -0 "$pid" || fail "the board ended under load"
cat "$work/load.out"
hz=$(getconf CLK_TCK)
echo "the program's CPU in ${phase} s of keys: $((alone * 1000 / hz)) ms alone, $((watched * 1000 / hz)) ms with 256 viewers"
echo "its memory: $((rss_alone / 1024)) MB alone, $((rss_viewers / 1024)) MB with the viewers connected, $((rss_end / 1024)) MB at the end"
