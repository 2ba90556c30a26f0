#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tallyard developers
# SPDX-License-Identifier: MIT

# The real program's web views under a storm of bad input: random bytes, heads cut short or
# far too long, unknown methods, bodies, heads that trickle in a byte at a time, and one
# client holding as many connections as it can. A fresh viewer is still served, the board
# still takes the operator's keys, and the program runs on.
set -euo pipefail
command -v python3 >/dev/null || { echo "SKIP: python3 is not installed" >&2; exit 77; }
command -v curl >/dev/null || { echo "SKIP: curl is not installed" >&2; exit 77; }
source "$(dirname "$0")/lib.sh"
ensure_window_manager
start_program --serve 127.0.0.1:0 --no-results
wait_for 20 grep -q '^http://127.0.0.1:[0-9]*/  ' "$work/log" || fail "--serve listed no address"
port=$(sed -n 's|^http://127.0.0.1:\([0-9]*\)/  .*|\1|p' "$work/log" | head -n1)
open_board

python3 - "$port" >"$work/storm.out" 2>&1 <<'PY' || echo "FAIL: the storm stopped: $?" >>"$work/storm.out"
import random, socket, sys, time
port = int(sys.argv[1])
random.seed(20261209)
kinds = [
    lambda: bytes(random.getrandbits(8) for _ in range(random.randint(1, 3000))),
    lambda: b"GET / HTTP/1.1\r\nHost: x",
    lambda: b"BREW /pot HTTP/1.1\r\nHost: x\r\n\r\n",
    lambda: b"GET " + b"/" * 5000 + b" HTTP/1.1\r\n\r\n",
    lambda: b"GET / HTTP/1.1\r\n" + b"h" * 9000 + b"\r\n\r\n",
    lambda: b"POST /state HTTP/1.1\r\nHost: x\r\nContent-Length: 99999999\r\n\r\n" + b"x" * 4000,
    lambda: b"GET /../../etc/passwd HTTP/1.1\r\nHost: x\r\n\r\n",
    lambda: b"\r\n\r\n\r\n",
]
open_sockets = []
sent = 0
for round in range(250):
    for kind in kinds:
        try:
            s = socket.create_connection(("127.0.0.1", port), timeout=2)
            s.setblocking(False)
            try:
                s.send(kind())
            except OSError:
                pass
            open_sockets.append(s)
            sent += 1
        except OSError:
            pass
    if len(open_sockets) > 200:
        for s in open_sockets[:100]:
            s.close()
        del open_sockets[:100]
# One client holding all it can, trickling a byte now and then.
greedy = []
for _ in range(300):
    try:
        s = socket.create_connection(("127.0.0.1", port), timeout=2)
        s.send(b"G")
        greedy.append(s)
    except OSError:
        break
time.sleep(1)
print(f"sent {sent} bad connections; one client holds {len(greedy)}")
# While it holds them, another client is served.
other = socket.socket()
other.bind(("127.0.0.2", 0))
other.settimeout(5)
other.connect(("127.0.0.1", port))
other.sendall(b"GET /state HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\n")
answer = b""
while True:
    data = other.recv(65536)
    if not data:
        break
    answer += data
if not answer.startswith(b"HTTP/1.1 200"):
    print("FAIL: another client was not served while one held its connections:", answer[:80]); sys.exit(1)
for s in open_sockets + greedy:
    s.close()
PY
cat "$work/storm.out"
grep -q FAIL "$work/storm.out" && fail "$(cat "$work/storm.out")"
kill -0 "$pid" || fail "the program ended in the storm"
[ "$(curl -s -o /dev/null -w '%{http_code}' "http://127.0.0.1:$port/state")" = 200 ] || fail "/state is not served after the storm"
# The board runs on: a gymnast number typed shows.
grab board number "$work/number-before.png"
click board number
xdotool type 42
xdotool key Return
changes board number "$work/number-before.png" "$work/number-after.png" || fail "the board did not take a key after the storm"
no_crash_report || fail "the program reported a crash"
echo "the web views took the storm; another client was served throughout and the board ran on"
