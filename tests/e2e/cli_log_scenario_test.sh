#!/bin/bash
# An independent truth for the link end to end: the simulator holds values that
# are written by hand (tests/fixtures/demo_scenario.txt) at the addresses a
# person reads in the listing (every type, array elements, a string, and a
# variable the assembler's block moved), and the values the host shows must be
# exactly those. A fault in the host's reading of the listing would show the
# simulator's own values instead, which a host-against-host comparison cannot
# see.
# Usage: cli_log_scenario_test.sh <varnolux-cli> <varnolux-sim> <demo project>
cli=$1 sim=$2
fixtures=$(cd "$(dirname "$0")/../fixtures" && pwd)
. "$(dirname "$0")/cli_log_lib.sh"
log_setup "$3"

# The assembler's block puts badReads at 90 (0x5A) instead of the section's 0x56.
sed -i 's/badReads=86/badReads=90/' Thermo.lst
grep -q 'badReads=90' Thermo.lst || fail "the listing was not changed"
touch -d "@$(($(stat -c %Y Thermo.hex) - 10))" Thermo.lst  # still older than the object

sim_start --baud 115200 --run-ms 0 --scenario "$fixtures/demo_scenario.txt"
"$cli" log --port "$work/tty" --baud 115200 --count 3 --format jsonl --radix dec \
    --timeout 60 >"$work/out" 2>"$work/err" || fail "exit status $?"
sim_stop

python3 - "$work/out" <<'PY' || fail "shown values differ from the scenario"
import json, sys
last = json.loads(open(sys.argv[1]).read().splitlines()[-1])
shown = {v["VarLabel"]: v["value"] for v in last["values"]}
# The texts as the program writes them: a byte in decimal shows its character
# in quotes (two blanks for one that cannot be shown) and its value.
expected = {
    "heating": "1", "fault": "0", "tick": "4660", "state": '"  "     200', "trim": "-7",
    "setPoint": "321", "diff": "-1234", "uptime": "4000000000", "drift": "-2000000000",
    "gain": " 2.5", "cmdBuf#1": '"B"       66', "history#1": "-300", "counts#1": "123456789",
    "readings#1": "-.125", "greeting#0": '"H"       72', "greeting#1": '"i"     105',
    "greeting#2": '"!"       33', "_time": "65535", "i": '"  "       17',
    "badReads": '"*"       42',
}
wrong = {k: (shown.get(k), v) for k, v in expected.items() if shown.get(k) != v}
if wrong:
    print("label: (shown, expected)", wrong)
    sys.exit(1)
PY
echo "PASS cli_log_scenario"
