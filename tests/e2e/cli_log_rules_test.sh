#!/bin/bash
# Stop rules in the console against the simulator's thermostat: --until holds
# the target at the first dumpw arrival where the condition is true (the
# truth the simulator leaves is that dump), a script's "wait until" does the
# same, and --trigger records only the dumps around its firing, which replay
# as exactly pre + 1 + post dumps equal to the ones logged live.
# Usage: cli_log_rules_test.sh <varnolux-cli> <varnolux-sim> <project>
cli=$1 sim=$2
. "$(dirname "$0")/cli_log_lib.sh"
log_setup "$3"

# The values of a jsonl dump line as numbers, by label.
cat >"$work/first_true.py" <<'PY'
import json, sys
lines = [json.loads(l) for l in open(sys.argv[1])]
at = int(sys.argv[2])
raw = lambda d: {v["VarLabel"]: v["raw"] for v in d["values"]}
holds = [i for i, d in enumerate(lines)
         if d["DumpId"] == at and raw(d)["temperature"] > raw(d)["setPoint"] + 15]
assert holds and holds[0] == len(lines) - 1, "first true at %r of %d dumps" % (holds[:1], len(lines))
PY

sim_start --baud 115200 --run-ms 0
"$cli" log --port "$work/tty" --baud 115200 --format jsonl --radix dec --timeout 30 \
    --until 'TEMPERATURE > setpoint + 15' --at 5 >"$work/out" 2>"$work/err" || fail "exit status $?"
grep -q "varnolux-cli log: TEMPERATURE > setpoint + 15 holds at DumpID 5, where the target waits" \
    "$work/err" || fail "no word of the firing"
python3 "$work/first_true.py" "$work/out" 5 || fail "--until did not end at the first true dump"
sleep 0.5
sim_stop
python3 "$(dirname "$0")/last_dump_is_truth.py" "$work/out" "$work/truth.json" ||
    fail "the target was not held at the firing dump"

# A condition the project cannot have is refused before a byte is sent.
sim_start --baud 115200 --run-ms 0
"$cli" log --port "$work/tty" --baud 115200 --until 'temprature > 300' >/dev/null 2>"$work/err"
[ $? = 1 ] || fail "a bad --until did not end with 1"
grep -q 'log: --until: column 1: unknown variable "temprature" (did you mean temperature?)' \
    "$work/err" || fail "the refusal does not say where"
# Ten thousand nested parentheses are refused too, not a crash.
"$cli" log --port "$work/tty" --baud 115200 --until "$(printf '%*s' 10000 '' | tr ' ' '(')" \
    >/dev/null 2>"$work/err"
[ $? = 1 ] || fail "a deep --until did not end with 1"
grep -q 'log: --until: column 65: nested deeper than 64 levels' "$work/err" ||
    fail "the deep refusal does not say where: $(head -c 300 "$work/err")"
sim_stop

# wait until in a script.
printf 'wait until temperature > setPoint + 15 at 5 timeout 30\ncontinue\n' >"$work/until.vxt"
sim_start --baud 115200 --run-ms 0
"$cli" test "$work/until.vxt" --port "$work/tty" --baud 115200 >"$work/out" 2>"$work/err" ||
    fail "the script failed: $(cat "$work/out")"
grep -q '^ok   line 1: wait until .*: arrived at DumpID 5 (temperature = .*), held$' "$work/out" ||
    fail "wait until: $(cat "$work/out")"
sim_stop

# Record around the first dump at dump point 5 where tick is 30.
sim_start --baud 115200 --run-ms 0 --dumps 400
"$cli" log --port "$work/tty" --baud 115200 --format jsonl --radix dec --timeout 3 \
    --record "$work/around.pcapng" --trigger 'tick = 30' --at 5 --pre 4 --post 3 \
    >"$work/live" 2>"$work/err"
[ $? = 3 ] || fail "the run did not end at the simulator's silence"
grep -q "1 recordings around --trigger: $work/around-1.pcapng" "$work/err" ||
    fail "the recording is not named"
"$cli" replay "$work/around-1.pcapng" --format jsonl --radix dec >"$work/replayed" 2>"$work/rerr" ||
    fail "the replay failed: $(cat "$work/rerr")"
python3 - "$work/live" "$work/replayed" <<'PY' || fail "the recording is not the dumps around the firing"
import json, sys
live = [json.loads(l) for l in open(sys.argv[1])]
replayed = [json.loads(l) for l in open(sys.argv[2])]
values = lambda d: (d["DumpId"], [(v["VarLabel"], v["value"]) for v in d["values"]])
tick = lambda d: next(v["raw"] for v in d["values"] if v["VarLabel"] == "tick")
fired = next(i for i, d in enumerate(live) if tick(d) == 30 and d["DumpId"] == 5)
assert len(replayed) == 4 + 1 + 3, len(replayed)
assert [values(d) for d in replayed] == [values(d) for d in live[fired - 4:fired + 4]]
PY
echo "PASS cli_log_rules"
