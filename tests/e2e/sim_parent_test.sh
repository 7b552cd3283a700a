#!/bin/bash
# varnolux-sim ends with the process that started it: a parent that ends after
# a while takes the simulator with it, and one that ended at once (a shell's
# "(varnolux-sim &)") leaves a simulator that sees it is orphaned and ends.
# Usage: sim_parent_test.sh <varnolux-sim> <project>
set -u
sim=$1 project=$2
work=$(mktemp -d)
pids=()
cleanup() {
    local p
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*"
    exit 1
}

# ended PID: the process is gone or a zombie nobody has reaped yet.
ended() {
    [ ! -e "/proc/$1" ] || [ "$(awk '{print $3}' "/proc/$1/stat" 2>/dev/null)" = Z ]
}

# wait_end PID SECONDS WHAT
wait_end() {
    local i
    for i in $(seq 1 $(($2 * 10))); do
        ended "$1" && return 0
        sleep 0.1
    done
    fail "$3: the simulator (pid $1) still runs after $2 s"
}

# A parent that ended before the simulator got going.
pid=$( ("$sim" --project "$project" --link "$work/orphan" >/dev/null 2>"$work/orphan.err" &
    echo $!))
pids+=("$pid")
wait_end "$pid" 5 "parent ended at once"
grep -q "has already ended" "$work/orphan.err" || fail "no word why it ended: $(cat "$work/orphan.err")"

# A parent that lives on for a second after starting it.
pid=$(sh -c '"$1" --project "$2" --link "$3" >/dev/null 2>&1 & echo $!; sleep 1' \
    sh "$sim" "$project" "$work/child" | head -n 1)
pids+=("$pid")
[ -e "$work/child" ] || sleep 0.5
[ -e "$work/child" ] || fail "the simulator of a living parent made no terminal"
wait_end "$pid" 5 "parent ended after a second"
echo "PASS sim_parent"
