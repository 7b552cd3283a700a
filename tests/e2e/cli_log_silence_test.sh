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
head -1 "$work/out" | grep -q '^DumpId,PreviousDumpId,elapsed,VarLabel,value,previous$' \
    || fail "CSV header"
[ "$(cut -d, -f1 "$work/out" | tail -n +2 | uniq | wc -l)" -ge 6 ] || fail "expected 6 dumps"
# The fourth dump came after the silence: more than two seconds of run time.
elapsed=$(awk -F, 'NR > 1 && $1 != last { n++; last = $1; if (n == 4) print $3 }' "$work/out")
case "$elapsed" in
    [2-9].*" secs") ;;
    *) fail "elapsed after the silence: '$elapsed'" ;;
esac
grep -q '^silence ends$' "$work/sim.log" || fail "the target never fell silent"
echo "PASS cli_log_silence"
