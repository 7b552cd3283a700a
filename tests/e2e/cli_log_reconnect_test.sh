#!/bin/bash
# A pulled line: with --reconnect the log says once that the port is lost,
# waits for it without using the processor, and goes on by itself when the
# target is back, the next dumps equal to the target's values. Without it the
# run ends with status 3; a port that is not there at all ends it with status 2.
# Usage: cli_log_reconnect_test.sh <varnolux-cli> <varnolux-sim> <project>
cli=$1 sim=$2
. "$(dirname "$0")/cli_log_lib.sh"
log_setup "$3"

# Processor time (user + system, in clock ticks) of a process.
cpu_ticks() {
    awk '{ print $14 + $15 }' "/proc/$1/stat"
}

# A port that does not exist: one message with the port, the setting, status 2.
"$cli" log --port "$work/nothing" --baud 57600 --count 1 --timeout 5 >/dev/null 2>"$work/err"
status=$?
[ "$status" = 2 ] || fail "a missing port gave status $status, not 2"
[ "$(grep -c "$work/nothing cannot be opened" "$work/err")" = 1 ] || fail "no missing-port message"
grep -q '\[Comms\] Port=' "$work/err" || fail "the message does not name [Comms] Port="
grep -q 'waiting for the target' "$work/err" && fail "it says it waits for a port it cannot open"

# Without --reconnect a pulled line ends the run with status 3.
sim_start --baud 57600 --run-ms 5 --pull-after 2
"$cli" log --port "$work/tty" --baud 57600 --timeout 30 >/dev/null 2>"$work/err"
status=$?
[ "$status" = 3 ] || fail "a pulled line gave status $status, not 3"
grep -q 'lost (--reconnect waits for it)' "$work/err" || fail "the lost port was not told"
wait "$sim_pid" 2>/dev/null
sim_pid=

# With --reconnect: pulled after 5 dumps, back with 10 more.
sim_start --baud 57600 --run-ms 5 --pull-after 5
"$cli" log --port "$work/tty" --baud 0 --reconnect --count 15 --format jsonl --radix dec \
    --timeout 60 >"$work/out" 2>"$work/err" &
cli_pid=$!
for _ in $(seq 1 200); do
    grep -q 'lost: waiting for it to come back' "$work/err" && break
    sleep 0.1
done
grep -q 'lost: waiting for it to come back' "$work/err" || fail "no word of the lost port"
wait "$sim_pid" 2>/dev/null
sim_pid=
# Waiting takes (next to) no processor time: under 10 % of one core over 3 s.
before=$(cpu_ticks "$cli_pid")
sleep 3
used=$(($(cpu_ticks "$cli_pid") - before))
hz=$(getconf CLK_TCK)
[ $((used * 100)) -lt $((hz * 3 * 10)) ] || fail "waiting used $used ticks of $((hz * 3)) in 3 s"
kill -0 "$cli_pid" 2>/dev/null || fail "the log ended while waiting"

sim_start --baud 57600 --run-ms 5 --dumps 10
wait "$cli_pid" || fail "exit status $? after the port came back"
[ "$(wc -l <"$work/out")" = 15 ] || fail "expected 15 dumps, got $(wc -l <"$work/out")"
for _ in $(seq 1 50); do [ -s "$work/truth.json" ] && break; sleep 0.1; done
python3 "$(dirname "$0")/last_dump_is_truth.py" "$work/out" "$work/truth.json" ||
    fail "values after the reconnection differ from the target's"
[ "$(grep -c 'lost: waiting for it to come back' "$work/err")" = 1 ] || fail "lost told more than once"
grep -q 'is back' "$work/err" || fail "the return was not told"
grep -q 'LinkThreadMain' "$work/err" && fail "a failure box was shown for the pulled line"
echo "PASS cli_log_reconnect"
