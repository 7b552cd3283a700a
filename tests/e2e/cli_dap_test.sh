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
modify_was_sent 02 0B 0C 02 00 0C FE FF FF FF
echo "PASS cli_dap"
