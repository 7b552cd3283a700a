#!/bin/bash
# A network port where nothing answers the connect (a loopback listener whose
# backlog is full): the log says once, within the connect's bound and not
# after the system's minutes, which host and TCP port did not answer; with
# --reconnect it waits for the port and logs once the listener accepts.
# Usage: cli_log_silent_port_test.sh <varnolux-cli> <varnolux-sim> <project>
cli=$1 sim=$2
here=$(dirname "$(readlink -f "$0")")
. "$here/cli_log_lib.sh"
log_setup "$3"

listener_start() {
    rm -f "$work/port" "$work/go"
    python3 "$here/silent_listener.py" "$work/port" "$work/go" "$work/tty" 19200 \
        2>"$work/listener.err" &
    listener_pid=$!
    for _ in $(seq 1 100); do
        [ -s "$work/port" ] && break
        sleep 0.05
    done
    [ -s "$work/port" ] || fail "the listener did not start: $(cat "$work/listener.err")"
    port=$(cat "$work/port")
}
listener_stop() {
    [ -n "${listener_pid:-}" ] && { kill "$listener_pid" 2>/dev/null; wait "$listener_pid" 2>/dev/null; }
    listener_pid=
}
trap 'listener_stop; log_cleanup' EXIT

sim_start --baud 19200 --run-ms 0
listener_start
address="tcp://127.0.0.1:$port"
no_answer="(host 127.0.0.1, TCP port $port): no answer within 5 seconds"

# Without --reconnect: one message naming host and port, status 2, well before
# the system's own time-out (over two minutes on Linux).
started=$(date +%s)
"$cli" log --port "$address" --baud 19200 --count 1 --timeout 5 >/dev/null 2>"$work/err"
status=$?
took=$(($(date +%s) - started))
[ "$status" = 2 ] || fail "status $status, not 2"
[ "$(grep -c "$no_answer" "$work/err")" = 1 ] || fail "not one message of the port that did not answer"
[ "$took" -lt 20 ] || fail "the run took $took s to give up"

# With --reconnect: said once, waited for, and logged from once the listener accepts.
"$cli" log --port "$address" --baud 19200 --reconnect --count 3 --format jsonl --timeout 60 \
    >"$work/out" 2>"$work/err" &
cli_pid=$!
for _ in $(seq 1 200); do
    grep -q "no answer within" "$work/err" && break
    sleep 0.1
done
grep -q "$no_answer" "$work/err" || fail "--reconnect: no word of the port that did not answer"
sleep 6  # a retry or two that find no answer either
touch "$work/go"
wait "$cli_pid" || fail "--reconnect: exit status $? once the listener accepted"
[ "$(wc -l <"$work/out")" = 3 ] || fail "--reconnect: expected 3 dumps, got $(wc -l <"$work/out")"
[ "$(grep -c "no answer within" "$work/err")" = 1 ] || fail "--reconnect: the silence was told more than once"
grep -q "$address is back" "$work/err" || fail "--reconnect: the return was not told"
echo "PASS cli_log_silent_port"
