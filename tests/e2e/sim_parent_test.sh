#!/bin/bash
# varnolux-sim ends with the process that started it: a parent that ends after
# a while takes the simulator with it, and one that ended at once (a shell's
# "(varnolux-sim &)") leaves a simulator that sees it is orphaned and ends. A
# simulator left over on a link path never takes that path from a newer one:
# a host would talk to the wrong project's target (another core, another
# layout of the build stamp).
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

# A parent that lives on for two seconds after starting it.
sh -c '"$1" --project "$2" --link "$3" >/dev/null 2>&1 & echo $! >"$4"; sleep 2' \
    sh "$sim" "$project" "$work/child" "$work/child.pid" &
for i in $(seq 50); do [ -e "$work/child" ] && break; sleep 0.1; done
[ -e "$work/child" ] || fail "the simulator of a living parent made no terminal"
pid=$(cat "$work/child.pid")
pids+=("$pid")
ended "$pid" && fail "the simulator ended while its parent lived"
wait_end "$pid" 5 "parent ended after two seconds"

# Two simulators on one link path: the newer owns it, also after the older ends.
"$sim" --project "$project" --link "$work/shared" >"$work/old.out" 2>/dev/null &
old=$!
pids+=("$old")
for i in $(seq 50); do [ -s "$work/old.out" ] && break; sleep 0.1; done
"$sim" --project "$project" --link "$work/shared" >"$work/new.out" 2>/dev/null &
new=$!
pids+=("$new")
for i in $(seq 50); do [ -s "$work/new.out" ] && break; sleep 0.1; done
[ "$(readlink "$work/shared")" = "$(head -n 1 "$work/new.out")" ] ||
    fail "the link does not name the newer simulator's terminal"
kill "$old"
wait "$old" 2>/dev/null
[ "$(readlink "$work/shared")" = "$(head -n 1 "$work/new.out")" ] ||
    fail "the older simulator took the newer one's link with it when it ended"
kill "$new"
wait "$new" 2>/dev/null
[ -e "$work/shared" ] && fail "the last simulator left its link behind"
echo "PASS sim_parent"
