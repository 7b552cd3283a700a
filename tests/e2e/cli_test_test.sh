#!/bin/bash
# varnolux-cli test against the simulator: the demo's passing and failing
# scripts with their JUnit reports, a set reaching the target's RAM as the
# exact modify bytes and the next dump showing it, a wait counting three
# arrivals at a dumpw point, a time-out, a script error that sends nothing,
# and a reset.
# Usage: cli_test_test.sh <varnolux-cli> <varnolux-sim> <project>
cli=$1 sim=$2
. "$(dirname "$0")/cli_log_lib.sh"
log_setup "$3"

run() {  # run EXPECTED-STATUS SCRIPT-FILE [options]
    local want=$1 script=$2; shift 2
    "$cli" test "$script" --port "$work/tty" --baud 115200 "$@" >"$work/out" 2>"$work/err"
    local got=$?
    [ "$got" = "$want" ] || { cat "$work/out"; fail "$script: exit status $got, not $want"; }
}

junit() {  # junit FILE TESTS FAILURES ERRORS
    python3 - "$@" <<'PY' || fail "JUnit report $1"
import sys, xml.etree.ElementTree as ET
root = ET.parse(sys.argv[1]).getroot()
suite = root.find("testsuite")
cases = suite.findall("testcase")
want = [int(x) for x in sys.argv[2:5]]
got = [len(cases), len([c for c in cases if c.find("failure") is not None]),
       len([c for c in cases if c.find("error") is not None])]
assert got == want, (got, want)
assert [int(suite.get(k)) for k in ("tests", "failures", "errors")] == want
PY
}

# A script in error: reported with line and column, and not a byte sent.
sim_start --baud 115200
printf 'wait 5\n# a comment\nexpect tick > 0 && nosuch == 1\n' >"$work/bad.vxt"
run 2 "$work/bad.vxt"
grep -q "bad.vxt:3:20: unknown variable \"nosuch\"" "$work/err" || fail "no line and column: $(cat "$work/err")"
sleep 0.5
grep -q '^rx' "$work/sim.log" && fail "bytes were sent for an invalid script"
printf 'expect tick + 1.5\n' >"$work/type.vxt"
run 2 "$work/type.vxt"
grep -q "type.vxt:1:8: expect needs a comparison" "$work/err" || fail "type mismatch: $(cat "$work/err")"
printf 'set state = 256\n' >"$work/range.vxt"
run 2 "$work/range.vxt"
grep -q "range.vxt:1:13: 256 is outside state's range 0 to 255" "$work/err" || fail "range: $(cat "$work/err")"

# The demo's scripts.
run 0 passing.vxt --junit "$work/pass.xml"
junit "$work/pass.xml" 5 0 0
run 1 failing.vxt --junit "$work/fail.xml"
junit "$work/fail.xml" 3 2 0
grep -q 'FAIL line 4: expect state == 1 (DumpID 5: state = ' "$work/out" || fail "failure line"
run 1 failing.vxt --fail-fast --junit "$work/fast.xml"
python3 -c 'import sys,xml.etree.ElementTree as E; c=E.parse(sys.argv[1]).findall(".//testcase"); assert len(c)==3 and c[2].find("skipped") is not None' \
    "$work/fast.xml" || fail "--fail-fast leaves the rest skipped"

# wait count 3 on the dumpw point 150: three arrivals from the wait on.
printf 'wait 150\nwait 150 count 3\nexpect tick >= 0\n' >"$work/count.vxt"
before=$(grep -c '^dump point 150' "$work/sim.log")
run 0 "$work/count.vxt"
after=$(grep -c '^dump point 150' "$work/sim.log")
[ $((after - before)) = 4 ] || fail "wait 150 then count 3: $((after - before)) arrivals"
grep -q 'wait 150 count 3: arrived, held' "$work/out" || fail "not held at 150"

# A time-out: dump point 151 with the target silent.
printf 'wait 151 timeout 1\nexpect tick > 0\n' >"$work/silent.vxt"
sim_stop
sim_start --baud 115200 --silence-after 1 --silence-ms 60000
run 3 "$work/silent.vxt" --junit "$work/silent.xml"
junit "$work/silent.xml" 2 0 1
grep -q 'STOP line 1: wait 151 timeout 1: time-out after 1 s' "$work/out" || fail "time-out line"
sim_stop

# set: the modify sent at the next "c" carries the exact bytes, and the dump
# that follows shows the value (setPoint is an SWord at 12).
sed -i 's/^\[Preferences\]/[Preferences]\nUpdatesBefore=1\nUpdatesAfter=0/' Varnolux.ini
sim_start --baud 115200
printf 'wait 5\nset setPoint = -2\ncontinue\nwait 150\nexpect setPoint == -2 || changed(setPoint)\n' >"$work/set.vxt"
run 0 "$work/set.vxt"
grep -q 'set setPoint: DumpID 12 shows -2' "$work/out" || { cat "$work/out"; fail "the next dump does not show the value"; }
modify_was_sent 02 0B 0C 02 00 0C FE FF FF FF

# reset: the target starts again at dump point 1.
printf 'wait 12\nreset\nwait 1 timeout 5\nexpect tick >= 0\n' >"$work/reset.vxt"
run 0 "$work/reset.vxt"
grep -q 'request MT_RESET crc ok' "$work/sim.log" || fail "no reset request"
tail -n 20 "$work/sim.log" | grep -q '^restart' || grep -q '^restart' "$work/sim.log" || fail "the target did not restart"
echo "PASS cli_test"
