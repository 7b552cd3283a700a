#!/bin/bash
# varnolux-cli log through ser2net, the simulator's terminal served on a
# loopback port: over RFC 2217 the rate is detected on the server and the
# values equal the target's; over raw TCP the server's rate holds whatever
# --baud says; a refused port and a dropped connection give one message each.
# Usage: cli_log_network_test.sh <varnolux-cli> <varnolux-sim> <project>
cli=$1 sim=$2
. "$(dirname "$0")/cli_log_lib.sh"
. "$(dirname "$0")/ser2net_lib.sh"
log_setup "$3"
trap 'ser2net_stop; log_cleanup' EXIT

# RFC 2217: the target at 57600, found by trying the rates on the server.
port=$(free_port)
sim_start --baud 57600 --run-ms 0 --dumps 40
ser2net_start "telnet(rfc2217),tcp,127.0.0.1,$port" 115200
address="rfc2217://127.0.0.1:$port"
"$cli" log --port "$address" --baud 0 --detect-rounds 1 --count 40 --format jsonl --radix dec --timeout 30 \
    --record "$work/remote.pcapng" >"$work/out" 2>"$work/err" || fail "rfc2217: exit status $?"
sim_stop
ser2net_stop
grep -q "the target talks at 57600" "$work/err" || fail "rfc2217: the rate was not detected"
python3 "$(dirname "$0")/last_dump_is_truth.py" "$work/out" "$work/truth.json" "$address  57600 A" ||
    fail "rfc2217: values differ from the target's"
grep -aq "$address" "$work/remote.pcapng" || fail "the recording does not name $address"

# Raw TCP: the server's line runs at 19200, the target's rate; --baud 9600 is not applied.
port=$(free_port)
sim_start --baud 19200 --run-ms 0 --dumps 20
ser2net_start "tcp,127.0.0.1,$port" 19200
address="tcp://127.0.0.1:$port"
"$cli" log --port "$address" --baud 9600 --count 20 --format jsonl --radix dec --timeout 30 \
    >"$work/out" 2>"$work/err" || fail "tcp: exit status $?"
sim_stop
ser2net_stop
python3 "$(dirname "$0")/last_dump_is_truth.py" "$work/out" "$work/truth.json" \
    "$address  server's rate, Baud=9600 not applied" || fail "tcp: values differ from the target's"

# A dropped connection: ser2net ends while the target talks; one word of the close, and
# without --reconnect the run ends as for a lost port.
port=$(free_port)
sim_start --baud 19200 --run-ms 100
ser2net_start "tcp,127.0.0.1,$port" 19200
address="tcp://127.0.0.1:$port"
"$cli" log --port "$address" --format jsonl --timeout 3 >"$work/out" 2>"$work/err" &
cli_pid=$!
for i in $(seq 1 100); do
    [ -s "$work/out" ] && [ "$(wc -l <"$work/out")" -ge 3 ] && break
    sleep 0.1
done
ser2net_stop
wait "$cli_pid"
status=$?
[ "$status" = 3 ] || fail "dropped: exit status $status, not 3 (the port was lost)"
[ "$(grep -c "The connection to $address was closed" "$work/err")" = 1 ] ||
    fail "dropped: not one word of the close"
grep -q "$address lost (--reconnect waits for it)" "$work/err" || fail "dropped: no word of --reconnect"
sim_stop

# A refused port: nothing listens there any more.
"$cli" log --port "rfc2217://127.0.0.1:$port" --timeout 5 >"$work/out" 2>"$work/err"
status=$?
[ "$status" = 2 ] || fail "refused: exit status $status, not 2"
[ "$(grep -c "127.0.0.1:$port" "$work/err")" = 1 ] || fail "refused: not one message naming the address"
grep -q "(host 127.0.0.1, TCP port $port): Connection refused" "$work/err" ||
    fail "refused: the message does not say why"
echo "PASS cli_log_network"
