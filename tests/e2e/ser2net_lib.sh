#!/bin/bash
# ser2net in front of the simulator's terminal, for the network tests.
# Usage: . ser2net_lib.sh after cli_log_lib.sh; free_port; ser2net_start ...
command -v ser2net >/dev/null || { echo "FAIL: ser2net is not installed (make deps)"; exit 1; }

free_port() {
    python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'
}

# ser2net serving the simulator's terminal on $port: ser2net_start ACCEPTER RATE.
# It counts as started once its port listens; nothing connects before the
# test does, as nothing does before a user's first run.
ser2net_start() {
    cat >"$work/ser2net.yaml" <<YAML
connection: &target
  accepter: $1
  connector: serialdev,$(readlink -f "$work/tty"),${2}n81,local
YAML
    ser2net -n -d -c "$work/ser2net.yaml" -P "$work/ser2net.pid" >"$work/ser2net.log" 2>&1 &
    ser2net_pid=$!
    local listening i
    listening=$(printf ':%04X 00000000:0000 0A' "$port")
    for i in $(seq 1 100); do
        grep -q "$listening" /proc/net/tcp && return 0
        sleep 0.05
    done
    fail "ser2net did not start: $(cat "$work/ser2net.log")"
}
ser2net_stop() {
    [ -n "${ser2net_pid:-}" ] && { kill "$ser2net_pid" 2>/dev/null; wait "$ser2net_pid" 2>/dev/null; }
    ser2net_pid=
}
