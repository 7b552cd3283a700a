#!/bin/bash
# 1000 dumps with 5 % CRC errors, over-long and unknown packets injected: the
# last dump's values equal the simulator's RAM truth, every one of them.
# Usage: cli_log_truth_test.sh <varnolux-cli> <varnolux-sim> <project>
cli=$1 sim=$2
. "$(dirname "$0")/cli_log_lib.sh"
log_setup "$3"
sim_start --baud 115200 --run-ms 0 --dumps 1000 --crc-errors 0.05 --overlong 9 --unknown 13 --seed 5

"$cli" log --port "$work/tty" --baud 115200 --count 1000 --format jsonl --radix dec \
    --timeout 60 >"$work/out" 2>"$work/err" || fail "exit status $?"
sim_stop
[ "$(wc -l <"$work/out")" = 1000 ] || fail "expected 1000 dumps"
python3 - "$work/out" "$work/truth.json" <<'PY' || fail "values differ from the target's"
import json, sys
last = json.loads(open(sys.argv[1]).read().splitlines()[-1])
truth = json.load(open(sys.argv[2]))
host = {v["VarLabel"]: v["value"] for v in last["values"]}
target = {v["VarLabel"]: v["value"] for v in truth["values"]}
assert last["DumpId"] == truth["DumpId"], (last["DumpId"], truth["DumpId"])
assert len(target) > 20, len(target)
diff = {k: (host.get(k), t) for k, t in target.items() if host.get(k) != t}
if diff:
    print(diff)
    sys.exit(1)
PY
grep -q 'crc wrong' "$work/sim.log" && fail "a request with a wrong CRC"
echo "PASS cli_log_truth"
