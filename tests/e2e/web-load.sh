#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tallyard developers
# SPDX-License-Identifier: MIT

# The web views under load on loopback: 200 live viewers for 60 s (WEB_LOAD_SECONDS) while the
# operator runs the clocks and types scores. Every viewer sees every change the board made,
# in order and none missing, and the 99th percentile of the time from the server taking a
# change to a viewer reading it stays within 100 ms. Prints the figures.
set -euo pipefail
command -v python3 >/dev/null || { echo "SKIP: python3 is not installed" >&2; exit 77; }
source "$(dirname "$0")/lib.sh"
ensure_window_manager
seconds=${WEB_LOAD_SECONDS:-60}

start_program --serve 127.0.0.1:0
wait_for 20 grep -q '^http://127.0.0.1:[0-9]*/  ' "$work/log" || fail "--serve listed no address"
port=$(sed -n 's|^http://127.0.0.1:\([0-9]*\)/  .*|\1|p' "$work/log" | head -n1)
open_board

python3 - "$port" "$seconds" "$work/ready" >"$work/load.out" 2>&1 <<'PY' &
import json, selectors, socket, sys, time
port, seconds = int(sys.argv[1]), float(sys.argv[2])
sel = selectors.DefaultSelector()
clients = []
for i in range(200):
    s = socket.create_connection(("127.0.0.1", port))
    s.sendall(b"GET /events HTTP/1.1\r\nHost: x\r\nAccept: text/event-stream\r\n\r\n")
    s.setblocking(False)
    c = {"sock": s, "buf": b"", "versions": [], "lat": []}
    clients.append(c)
    sel.register(s, selectors.EVENT_READ, c)
# The server's clock is the civil local time in milliseconds.
offset = time.localtime().tm_gmtoff * 1000
# Each viewer reads its snapshot first; the operator starts once all have it.
for c in clients:
    c["sock"].setblocking(True)
    while b"\n\n" not in c["buf"].split(b"event: state", 1)[-1] or b"event: state" not in c["buf"]:
        c["buf"] += c["sock"].recv(65536)
    c["sock"].setblocking(False)
open(sys.argv[3], "w").close()
end = time.time() + seconds
worst = {}
while time.time() < end:
    for key, _ in sel.select(0.05):
        c = key.data
        data = c["sock"].recv(65536)
        if not data:
            print("FAIL: a viewer was closed"); sys.exit(1)
        now = time.time() * 1000 + offset
        c["buf"] += data
        while b"\n\n" in c["buf"]:
            msg, c["buf"] = c["buf"].split(b"\n\n", 1)
            if b"event: state" not in msg:
                continue
            state = json.loads(msg.split(b"data: ", 1)[1])
            c["versions"].append(state["version"])
            if len(c["versions"]) > 1:
                c["lat"].append(now - state["now"])
                worst[state["version"]] = max(worst.get(state["version"], 0), now - state["now"])
last = max(c["versions"][-1] for c in clients)
bad = 0
for c in clients:
    v = c["versions"]
    if v[-1] != last or v != list(range(v[0], v[-1] + 1)):
        bad += 1
lat = sorted(x for c in clients for x in c["lat"])
changes = last - min(c["versions"][0] for c in clients)
p99 = lat[int(len(lat) * 0.99)] if lat else float("nan")
print(f"viewers 200, changes {changes}, messages {len(lat)}, latency ms p50 {lat[len(lat)//2]:.1f} p99 {p99:.1f} max {lat[-1]:.1f}, viewers missing a change {bad}")
print("slowest changes (version: ms):", ", ".join(f"{v}: {ms:.0f}" for v, ms in sorted(worst.items(), key=lambda x: -x[1])[:5]))
if bad or changes < 20 or p99 > 100:
    print("FAIL"); sys.exit(1)
PY
viewers=$!
# The operator: the Routine clock on and off, a score typed, the Fall clock, for the whole run.
wait_for 30 test -e "$work/ready" || fail "the viewers did not all get the board's state: $(cat "$work/load.out")"
deadline=$(($(date +%s) + seconds - 2))
i=0
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
wait "$viewers" || fail "the viewers: $(cat "$work/load.out")"
kill -0 "$pid" || fail "the board ended under load"
cat "$work/load.out"
