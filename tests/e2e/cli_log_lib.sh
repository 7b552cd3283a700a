#!/bin/bash
# Shared steps of the "varnolux-cli log" end-to-end tests: a copy of a project
# with its files in compile order, and the simulator on a pseudo-terminal.
# Usage: . cli_log_lib.sh; then log_setup <project>; sim_start [sim options].
set -u

log_setup() {
    work=$(mktemp -d)
    trap log_cleanup EXIT
    cp -R "$1/." "$work/project"
    cd "$work/project" || exit 1
    local now f
    now=$(date +%s)
    for f in *; do [ -f "$f" ] && touch -d "@$((now - 20))" "$f"; done
    for f in *.lst; do touch -d "@$((now - 10))" "$f"; done
    for f in *.hex; do touch -d "@$now" "$f"; done
}

log_cleanup() {
    if [ -n "${sim_pid:-}" ]; then kill "$sim_pid" 2>/dev/null; wait "$sim_pid" 2>/dev/null; fi
    rm -rf "$work"
}

# Starts the simulator in the project copy; its terminal is linked at $work/tty.
sim_start() {
    "$sim" --link "$work/tty" --log "$work/sim.log" --truth "$work/truth.json" "$@" \
        >"$work/sim.out" 2>"$work/sim.err" &
    sim_pid=$!
    local i
    for i in $(seq 1 100); do
        [ -e "$work/tty" ] && return 0
        sleep 0.05
    done
    echo "FAIL: the simulator did not start"; cat "$work/sim.err"; exit 1
}

# Ends the simulator, which writes its truth file.
sim_stop() {
    kill "$sim_pid"; wait "$sim_pid" 2>/dev/null; sim_pid=
}

fail() {
    echo "FAIL: $*"
    echo "--- cli stderr"; tail -20 "$work/err" 2>/dev/null
    echo "--- simulator log"; grep -v '^rx' "$work/sim.log" 2>/dev/null | tail -20
    exit 1
}

# A JSON lines field of the last line, through python3.
last_json() {
    python3 -c 'import json,sys; d=json.loads(open(sys.argv[1]).read().splitlines()[-1]); print(eval(sys.argv[2]))' "$1" "$2"
}

# Fails unless the simulator received the MT_MODIFY packet whose bytes before
# the CRC-8 are the arguments (hex), followed by its CRC, and took it.
modify_was_sent() {
    local crc bytes
    crc=$(python3 -c '
import sys
c = 0
for b in (int(x, 16) for x in sys.argv[1:]):
    for _ in range(8):
        f = (c ^ b) & 1
        c >>= 1
        if f: c ^= 0x8C
        b >>= 1
print("%02X" % c)' "$@")
    bytes=$(awk '/^rx/ {print $2}' "$work/sim.log" | tr '\n' ' ')
    [[ "$bytes" == *"$* $crc"* ]] || fail "no modify $* $crc"
    grep -q 'request MT_MODIFY crc ok' "$work/sim.log" || fail "the target did not take the modify"
}
