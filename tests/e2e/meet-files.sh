#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tallyard developers
# SPDX-License-Identifier: MIT

# The results record through what happens to it at a meet, on a 64 KiB disk of its own: a
# spreadsheet saves over it while the program runs, the disk fills in the middle of a row and
# is freed again, somebody deletes it. Every score the board showed as committed is in the
# file at the named path exactly once, after whole rows only, and each event is said.
set -euo pipefail
# The disk is a tmpfs: mounted as root, or in a user and mount namespace of its own.
if [ "$(id -u)" -ne 0 ] && [ -z "${TALLYARD_E2E_NAMESPACE:-}" ]; then
  exec env TALLYARD_E2E_NAMESPACE=1 unshare --map-root-user --mount bash "$0" "$@"
fi
source "$(dirname "$0")/lib.sh"
ensure_window_manager
disk="$work/disk"
mkdir -p "$disk"
mount -t tmpfs -o size=64k tallyard-e2e "$disk" || fail "cannot mount a tmpfs of 64 KiB"
trap 'umount "$disk" 2>/dev/null; cleanup' EXIT
record="$disk/results.csv"
page=4096

start_program --results "$record"
open_board
grab board score "$work/score-clear.png"

rows_with() { tr -d "\r" <"$record" 2>/dev/null | grep -c ",$1\$" || true; }
rows_are() { [ "$(rows_with "$1")" = "$2" ]; }
# Only whole rows: a header, then rows of six fields, each ended by CRLF.
whole_rows() {
  python3 - "$record" <<'PY'
import csv, io, sys
raw = open(sys.argv[1], "rb").read()
if raw and not raw.endswith(b"\r\n"):
    sys.exit(f"the record ends in a torn row: {raw[-40:]!r}")
rows = list(csv.reader(io.StringIO(raw.decode("utf-8"), newline="")))
if rows and rows[0] != ["time", "event", "number", "name", "team", "score"]:
    sys.exit(f"the header is {rows[0]}")
for row in rows[1:]:
    if len(row) != 6:
        sys.exit(f"a torn row: {row}")
PY
}

# 1. Two scores, then a spreadsheet's save: a new file renamed over the record. The saved
# file is one row short of its second page's end, so that the disk can fill mid-row later.
commit_score 9.101
commit_score 9.102
wait_for 5 rows_are 9.102 1 || fail "9.102 did not reach the record: $(cat "$record")"
row_length=$(tail -n1 "$record" | wc -c)
python3 - "$record" "$work/saved.csv" "$((2 * page - row_length - 10))" <<'PY'
import sys
old, new, size = sys.argv[1], sys.argv[2], int(sys.argv[3])
data = open(old, "rb").read()
pad = size - len(data) - len("2026-01-01T00:00:00.000+00:00,Padding,1,,,0.000\r\n")
open(new, "wb").write(data + b"2026-01-01T00:00:00.000+00:00,Padding,1," + b"x" * pad + b",,0.000\r\n")
PY
mv "$work/saved.csv" "$record.saving" && mv "$record.saving" "$record"
commit_score 9.103
wait_for 5 rows_are 9.103 1 || fail "9.103 did not reach the record saved over"
grep -q "was replaced" "$work/log" || fail "the save over the record was not said"

# 2. The disk full: the next row would cross into a page there is no room for.
dd if=/dev/zero of="$disk/filler" bs=$page 2>/dev/null || true
commit_score 9.104
commit_score 9.105
wait_for 5 grep -q "No space left on device" "$work/log" || fail "the full disk was not said with its reason"
whole_rows || fail "a torn row on the full disk"
[ "$(rows_with 9.104)" = 0 ] || fail "9.104 is in the record though the disk was full"
rm "$disk/filler"
# The writer tries again by itself.
wait_for 10 rows_are 9.105 1 || fail "the waiting rows did not follow once there was room"
grep -q "written again" "$work/log" || fail "the record's recovery was not said"
whole_rows || fail "a torn row after the disk was freed"
for score in 9.101 9.102 9.103 9.104 9.105; do
  [ "$(rows_with "$score")" = 1 ] || fail "$score is in the record $(rows_with "$score") times"
done

# 3. The record deleted: made again with its header.
rm "$record"
commit_score 9.106
wait_for 5 test -f "$record" || fail "the deleted record was not made again"
wait_for 5 rows_are 9.106 1 || fail "9.106 did not reach the record made again"
grep -q "was deleted" "$work/log" || fail "the deletion was not said"
head -n1 "$record" | tr -d '\r' | grep -qx "time,event,number,name,team,score" || fail "the record made again has no header"

kill "$pid"; wait "$pid" 2>/dev/null || true; pid=""
whole_rows || fail "a torn row"
# Those before the deletion went with the deleted file.
[ "$(rows_with 9.106)" = 1 ] || fail "9.106 is in the record $(rows_with 9.106) times"
no_crash_report || fail "the program crashed"
echo "PASS: a save over the record, a full disk and a deletion: every score at the named path once, only whole rows"
