#!/bin/bash
# Automatic rate detection against a target at 19200: found on the fourth rate
# (115200, 9600 and 57600 hear only garbage), status part 2 ends in " A", the
# ROM check is the first request and its CRC is right. At a fixed wrong rate
# the run says that the rate may be wrong and that --baud 0 finds it. With no
# board answering, detection gives up in the console's words with status 3.
# Usage: cli_log_detect_test.sh <varnolux-cli> <varnolux-sim> <project>
cli=$1 sim=$2
. "$(dirname "$0")/cli_log_lib.sh"
log_setup "$3"
sim_start --baud 19200 --run-ms 5

"$cli" log --port "$work/tty" --baud 0 --count 3 --format jsonl --timeout 30 \
    >"$work/out" 2>"$work/err" || fail "exit status $?"
[ "$(wc -l <"$work/out")" = 3 ] || fail "expected 3 dumps"
[ "$(last_json "$work/out" 'd["status"][2]')" = " $work/tty  19200 A" ] || fail "status part 2 names the device"
[ "$(last_json "$work/out" 'd["status"][0]')" = " Comms established" ] || fail "status part 0"
grep -q '^request MT_ROMCHECK crc ok$' "$work/sim.log" || fail "no ROM check"
first=$(grep '^request' "$work/sim.log" | head -1)
[ "$first" = "request MT_ROMCHECK crc ok" ] || fail "first request: $first"
grep -q 'crc wrong' "$work/sim.log" && fail "a request with a wrong CRC"
# The rates the host set on the line, in order (0 before any); the target was heard at the fourth.
rates=$(grep '^host rate' "$work/sim.log" | grep -v ' 0$' | awk '{print $3}' | uniq | tr '\n' ' ')
[ "$rates" = "115200 9600 57600 19200 " ] || fail "rates tried: $rates"

"$cli" log --port "$work/tty" --baud 115200 --timeout 8 >"$work/out" 2>"$work/err"
[ $? = 3 ] || fail "a target at another rate: exit status, not the time-out's 3"
[ "$(grep -c 'the target may talk at another rate than 115200 (--baud 0 finds it)' "$work/err")" = 1 ] ||
    fail "no word, or more than one, on the rate"
sim_stop

# No board answering: detection gives up after its rounds, says so once in the
# console's words naming --port, and ends with the help's status for no dump.
rm -f "$work/tty"
sim_start --silent
"$cli" log --port "$work/tty" --baud 0 --detect-rounds 2 --timeout 60 >"$work/out" \
    2>"$work/err"
[ $? = 3 ] || fail "no board: exit status, not the 3 of no dump"
[ "$(grep -c "no target answered on $work/tty (--port $work/tty) at any rate .* in 2 rounds" \
    "$work/err")" = 1 ] || fail "the failed detection is not told once"
grep -E 'Retry|Cancel|Press|\[Comms\]' "$work/err" && fail "dialog words on the console"
echo "PASS cli_log_detect"
