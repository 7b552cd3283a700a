#!/bin/bash
# Session recordings end to end: the simulator with faults (CRC errors, a
# silence, line noise, a hold) logged with --record; the replay prints the same
# bytes; tshark reads the file as pcapng; a file cut anywhere in its last block
# replays what came before it; files that are no recording of the project are
# refused with one message each.
# Usage: cli_replay_test.sh <varnolux-cli> <varnolux-sim> <demo project>
cli=$(realpath "$1") sim=$(realpath "$2")
here=$(realpath "$(dirname "$0")")
. "$here/cli_log_lib.sh"
log_setup "$3"
rec=$work/session.pcapng

sim_start --baud 57600 --run-ms 5 --crc-errors 0.15 --silence-after 3 --silence-ms 400 \
    --garbage 4 --seed 7
"$cli" log --port "$work/tty" --baud 0 --count 8 --format jsonl --hold 12 --release-ms 150 \
    --timeout 30 --record "$rec" >"$work/live" 2>"$work/err" || fail "log exit status $?"
sim_stop
[ "$(wc -l <"$work/live")" -eq 8 ] || fail "the live run logged $(wc -l <"$work/live") dumps"
# The replay, from another folder: the project is found by the recording's name in the current one.
cd "$work/project"
"$cli" replay "$rec" --format jsonl >"$work/replayed" 2>"$work/err" || fail "replay exit status $?"
cmp "$work/live" "$work/replayed" || fail "the replay differs from the live run"
grep -q '^varnolux-cli replay: 8 dumps' "$work/err" || fail "replay summary"
# The ROM check, the CRC errors and the hold are answered as the live link answered them.
grep -q 'answers differ' "$work/err" && fail "the replay answered otherwise than the live run"

# The same from elsewhere: beside the recording, and named with --project.
cp "$rec" "$work/project/beside.pcapng"
(cd / && "$cli" replay "$work/project/beside.pcapng" --format jsonl) >"$work/beside" 2>/dev/null \
    || fail "replay beside the project"
cmp -s "$work/live" "$work/beside" || fail "replay of a recording beside the project"
(cd / && "$cli" replay "$rec" --project "$work/project" --format jsonl) >"$work/named" 2>/dev/null \
    || fail "replay with --project"
cmp -s "$work/live" "$work/named" || fail "replay with --project differs"

# A range, and the differences between two dumps, against the live values.
"$cli" replay "$rec" --format jsonl --from 3 --to 5 >"$work/range" 2>/dev/null || fail "range"
sed -n 3,5p "$work/live" | cmp -s - "$work/range" || fail "--from 3 --to 5 is not dumps 3 to 5"
"$cli" replay "$rec" --diff 2 7 >"$work/diff" 2>"$work/err" || fail "diff exit status $?"
python3 - "$work/live" "$work/diff" <<'PY' || fail "the diff of dumps 2 and 7"
import json, sys
dumps = [json.loads(l) for l in open(sys.argv[1])]
a = {v["VarLabel"]: v["value"] for v in dumps[1]["values"]}
b = {v["VarLabel"]: v["value"] for v in dumps[6]["values"]}
lines = open(sys.argv[2]).read().splitlines()
assert lines[0] == "VarLabel\tdump 2 (DumpID %d)\tdump 7 (DumpID %d)" % (
    dumps[1]["DumpId"], dumps[6]["DumpId"]), lines[0]
want = ["%s\t%s\t%s" % (k, a[k], b.get(k, "")) for k in a if a[k] != b.get(k, "")]
assert want, "dumps 2 and 7 are the same: the test shows nothing"
assert lines[1:] == want, (lines[1:], want)
PY
"$cli" replay "$rec" --diff 0 1 >"$work/out" 2>"$work/err"
[ $? -eq 1 ] && grep -q 'dumps are numbered from 1' "$work/err" || fail "--diff 0 1"

# tshark, a reader that is not ours, finds every block and both directions.
command -v tshark >/dev/null || fail "tshark is not installed (scripts/ensure-deps.sh)"
python3 - "$rec" >"$work/ours" <<'PY'
import struct, sys
d = open(sys.argv[1], "rb").read()
at, counts = 0, {"1": [0, 0], "0": [0, 0]}  # p2p_dir 1 received (inbound), 0 sent
types, answers = [], b""
while at < len(d):
    t, n = struct.unpack_from("<II", d, at)
    types.append(t)
    if t == 6:
        length = struct.unpack_from("<I", d, at + 20)[0]
        flags = struct.unpack_from("<I", d, at + 28 + ((length + 3) & ~3) + 4)[0]
        c = counts["1" if flags == 1 else "0"]
        c[0] += 1
        c[1] += length
        if flags == 2:
            answers += d[at + 28:at + 28 + length]
    at += n
assert types[:2] == [0x0A0D0D0A, 1] and set(types[2:]) == {6}, types[:3]
# The faults are in the recording: CRC errors answered "e", the hold answered "a".
assert b"e" in answers and b"a" in answers, set(answers)
for k in sorted(counts):
    print(k, *counts[k])
PY
tshark -r "$rec" -T fields -e frame.p2p_dir -e frame.len 2>/dev/null \
    | awk '{n[$1]++; b[$1]+=$2} END {for (k in n) print k, n[k], b[k]}' | sort >"$work/theirs"
[ -s "$work/theirs" ] || fail "tshark read nothing"
cmp "$work/ours" "$work/theirs" || { cat "$work/ours" "$work/theirs"; fail "tshark counts differ"; }
capinfos "$rec" 2>/dev/null | grep -q 'Capture comment: *varnolux.base=Thermo' \
    || fail "tshark does not see the project facts"

# Cut at every byte of the last block: the dumps before it, and the cut reported.
python3 - "$rec" "$work/cuts" <<'PY'
import os, struct, sys
d = open(sys.argv[1], "rb").read()
at, last = 0, 0
while at < len(d):
    last = at
    at += struct.unpack_from("<I", d, at + 4)[0]
os.makedirs(sys.argv[2])
for cut in range(last, len(d)):
    open(os.path.join(sys.argv[2], "%06d" % cut), "wb").write(d[:cut])
PY
first=$(ls "$work/cuts" | head -1)
"$cli" replay "$work/cuts/$first" --format jsonl >"$work/before" 2>"$work/err" || fail "the file without its last block"
grep -q 'is cut' "$work/err" && fail "a file that ends between blocks is no cut file"
[ "$(wc -l <"$work/before")" -ge 7 ] || fail "the file without its last block lost more than one dump"
for f in "$work"/cuts/*; do
    [ "$f" = "$work/cuts/$first" ] && continue
    "$cli" replay "$f" --format jsonl >"$work/out" 2>"$work/err" || fail "cut $(basename "$f"): status $?"
    cmp -s "$work/before" "$work/out" || fail "cut $(basename "$f"): other dumps than before the block"
    [ "$(grep -c "is cut at byte $((10#$first))" "$work/err")" -eq 1 ] \
        || fail "cut $(basename "$f"): the cut is not reported"
done

# One clear message each: not a recording, empty, another project's recording.
: >"$work/empty.pcapng"
check_refused() {  # FILE TEXT [options]
    local file=$1 text=$2; shift 2
    "$cli" replay "$file" "$@" >"$work/out" 2>"$work/err"
    local status=$?
    [ $status -eq 2 ] || fail "$file: status $status"
    [ "$(wc -l <"$work/err")" -eq 1 ] && grep -qF "$text" "$work/err" \
        || { cat "$work/err"; fail "$file: not the one message \"$text\""; }
    [ ! -s "$work/out" ] || fail "$file: printed dumps"
}
check_refused "$work/project/Thermo.lst" "is not a Varnolux session recording"
check_refused "$work/empty.pcapng" "is empty"
mkdir "$work/other" && cp -R "$here/../fixtures/core14/." "$work/other/"
check_refused "$rec" 'is a recording of the project "Thermo"' --project "$work/other"

# A listing that changed since: one warning, and the replay goes on. Only a
# new time on the same bytes is no change.
touch -d "@$(($(stat -c %Y Thermo.lst) + 3600))" Thermo.lst
"$cli" replay "$rec" --format jsonl >"$work/out" 2>"$work/err" || fail "touched listing: status $?"
! grep -q 'is not the one recorded' "$work/err" || fail "touched listing: a warning"
printf '; edited\r\n' >>Thermo.lst
"$cli" replay "$rec" --format jsonl >"$work/out" 2>"$work/err" || fail "changed listing: status $?"
[ "$(grep -c 'is not the one recorded (its size and time differ)' "$work/err")" -eq 1 ] \
    || fail "changed listing: not one warning"
[ "$(wc -l <"$work/out")" -eq 8 ] || fail "changed listing: not replayed"
echo "PASS cli_replay"
