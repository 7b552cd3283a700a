#!/bin/bash
# 1000 dumps with 5 % CRC errors, over-long and unknown packets injected: the
# last dump's values equal the simulator's RAM truth, every one of them; every
# line is JSON in printable ASCII whose raw numbers agree with the value texts.
# Usage: cli_log_truth_test.sh <varnolux-cli> <varnolux-sim> <project>
cli=$1 sim=$2
. "$(dirname "$0")/cli_log_lib.sh"
log_setup "$3"
sim_start --baud 115200 --run-ms 0 --dumps 1000 --crc-errors 0.05 --overlong 9 --unknown 13 --seed 5

"$cli" log --port "$work/tty" --baud 115200 --count 1000 --format jsonl --radix dec \
    --timeout 60 >"$work/out" 2>"$work/err" || fail "exit status $?"
sim_stop
[ "$(wc -l <"$work/out")" = 1000 ] || fail "expected 1000 dumps"
python3 "$(dirname "$0")/last_dump_is_truth.py" "$work/out" "$work/truth.json" ||
    fail "values differ from the target's"
python3 - "$work/out" <<'PY' || fail "a line is no clean JSON or a raw number is wrong"
import json, math, re, sys
seen = set()
for n, line in enumerate(open(sys.argv[1], "rb").read().split(b"\n")[:-1], 1):
    bad = [b for b in line if b < 0x20 or b >= 0x7F]
    assert not bad, ("line %d has raw bytes %r" % (n, bad[:5]))
    d = json.loads(line)
    assert d["elapsedSeconds"] is None if n == 1 else d["elapsedSeconds"] >= 0, n
    assert d["statusParts"]["link"] == d["status"][0].strip(), d["statusParts"]
    for v in d["values"]:
        # The decimal text is the last word of the value (a byte's character comes first).
        text = v["value"].split()[-1] if v["value"].strip() else ""
        raw = v["raw"]
        assert raw is None or isinstance(raw, (int, float)), v
        if re.fullmatch(r"-?\d+", text):
            assert raw == int(text), (n, v)
        elif re.fullmatch(r"-?\d*\.\d+", text) and raw is not None:
            assert math.isclose(raw, float(text), rel_tol=1e-6), (n, v)
        if len(v["value"]) > 2 and v["value"][0] == v["value"][2] == '"':
            seen.add(v["value"][1])  # a byte's character
# The characters that need escaping all came by.
assert {'"', "\\", "\x7f"} <= seen, sorted(seen)
PY
grep -q 'crc wrong' "$work/sim.log" && fail "a request with a wrong CRC"
echo "PASS cli_log_truth"
