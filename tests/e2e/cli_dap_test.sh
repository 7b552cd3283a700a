#!/bin/bash
# varnolux-cli dap against the simulator, driven by a DAP client from the
# ecosystem (tests/e2e/dap/dap_test.js): breakpoints on dumpw and plain lines,
# a condition, a log point, setVariable as the exact modify bytes, evaluate,
# continue, disconnect and a pulled line.
# Usage: cli_dap_test.sh <varnolux-cli> <varnolux-sim> <project>
cli=$1 sim=$2
here=$(cd "$(dirname "$0")" && pwd)
. "$here/cli_log_lib.sh"
[ -d "$here/dap/node_modules/@vscode/debugadapter-testsupport" ] ||
    { echo "FAIL: the DAP client is not installed (make deps)"; exit 1; }
log_setup "$3"
sim_start --baud 115200
node "$here/dap/dap_test.js" "$cli" "$work" "$sim_pid" >"$work/out" 2>"$work/err"
status=$?
grep -q "^PASS dap client" "$work/out" || status=1

cat "$work/out"
[ $status = 0 ] || fail "the DAP client test failed"
sim_pid=
# setPoint (an SWord at 12) written as -2: the exact MT_MODIFY bytes.
crc=$(python3 -c '
def crc8(bs):
    c = 0
    for b in bs:
        for _ in range(8):
            f = (c ^ b) & 1
            c >>= 1
            if f: c ^= 0x8C
            b >>= 1
    return c
print("%02X" % crc8([0x02, 0x0B, 0x0C, 0x02, 0x00, 0x0C, 0xFE, 0xFF, 0xFF, 0xFF]))')
bytes=$(awk '/^rx/ {print $2}' "$work/sim.log" | tr '\n' ' ')
[[ "$bytes" == *"02 0B 0C 02 00 0C FE FF FF FF $crc"* ]] || fail "no modify 02 0B 0C 02 00 0C FE FF FF FF $crc"
grep -q 'request MT_MODIFY crc ok' "$work/sim.log" || fail "the target did not take the modify"
echo "PASS cli_dap"
