#!/bin/bash
# A target that stops talking for two seconds and comes back: the log goes on
# with the next dumps, and the transition label shows the long run.
# Usage: cli_log_silence_test.sh <varnolux-cli> <varnolux-sim> <project>
cli=$1 sim=$2
. "$(dirname "$0")/cli_log_lib.sh"
log_setup "$3"
sim_start --baud 57600 --run-ms 5 --silence-after 3 --silence-ms 2000

"$cli" log --port "$work/tty" --baud 57600 --count 6 --format csv --timeout 20 \
    >"$work/out" 2>"$work/err" || fail "exit status $?"
python3 - "$work/out" <<'PY' || fail "CSV records"
import csv, sys
data = open(sys.argv[1], newline="").read()
assert data.endswith("\n") and "\r" not in data, "records end in one LF on Linux"
rows = list(csv.reader(data.splitlines(True)))
assert rows[0] == ["DumpId", "PreviousDumpId", "elapsed", "VarLabel", "value", "previous",
                   "raw", "previousRaw", "elapsedSeconds"], rows[0]
assert all(len(r) == 9 for r in rows), [r for r in rows if len(r) != 9][:3]
dumps = []
for r in rows[1:]:
    if not dumps or dumps[-1][0] != r[0]:
        dumps.append((r[0], r[2], r[8]))
assert len(dumps) >= 6, dumps
# The fourth dump came after the silence: about two seconds of run time or
# more (the target counts its silence from before the host's answer, which a
# loaded machine may take a few milliseconds to write).
dump_id, text, seconds = dumps[3]
assert text.endswith(" secs") and 1.9 <= float(text.split()[0]) < 10, text
assert abs(float(seconds) - float(text.split()[0])) < 0.001, (text, seconds)
PY
grep -q '^silence ends$' "$work/sim.log" || fail "the target never fell silent"
echo "PASS cli_log_silence"
