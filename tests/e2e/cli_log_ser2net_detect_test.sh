#!/bin/bash
# Rate detection through ser2net as a user meets it: ser2net freshly started
# in front of the target, nothing connected to it before, its line configured
# at another rate than the target's, and "varnolux-cli log --baud 0
# --detect-rounds 1" run as typed (no --timeout). Ten runs in a row for each
# pair of rates, each finding the target's rate on the first round.
# Usage: cli_log_ser2net_detect_test.sh <varnolux-cli> <varnolux-sim> <project>
cli=$1 sim=$2
. "$(dirname "$0")/cli_log_lib.sh"
. "$(dirname "$0")/ser2net_lib.sh"
log_setup "$3"
trap 'ser2net_stop; log_cleanup' EXIT

# TARGET_RATE SERVER_RATE: the target behind ser2net's line at the other rate.
for rates in "19200 9600" "57600 115200"; do
    read -r target server <<<"$rates"
    for run in $(seq 1 10); do
        port=$(free_port)
        sim_start --baud "$target" --run-ms 0
        ser2net_start "telnet(rfc2217),tcp,127.0.0.1,$port" "$server"
        timeout 60 "$cli" log --port "rfc2217://127.0.0.1:$port" --baud 0 --detect-rounds 1 \
            --count 1 >"$work/out" 2>"$work/err"
        status=$?
        ser2net_stop
        sim_stop
        where="target at $target behind $server, run $run"
        [ "$status" = 0 ] || fail "$where: exit status $status"
        grep -q "the target talks at $target" "$work/err" || fail "$where: the rate was not found"
        [ "$(grep -c "^DumpID" "$work/out")" = 1 ] || fail "$where: no dump"
    done
done
echo "PASS cli_log_ser2net_detect"
