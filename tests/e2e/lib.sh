# shellcheck shell=bash
# Helpers for the end-to-end tests under Wine. Sourced by run-wine-tests.sh for
# every test function; the runner exports VARNOLUX_EXE, UIPROBE_EXE, E2E_WORK (an
# empty folder of this test), WINEPREFIX, WINEDEBUG and DISPLAY.
#
# A test is a bash function named test_* in a file tests/e2e/wine_*.sh. It runs
# under "set -e -o pipefail": the first failing command ends it (the helpers below
# print why); every wait has a time-out.

# shellcheck source-path=SCRIPTDIR source=private_wine_lib.sh
. "$(dirname "${BASH_SOURCE[0]}")/private_wine_lib.sh"

REPO_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
readonly REPO_ROOT
MAIN_CLASS=VarnoluxMain_Class
# The main window's variable list and its Continuous box.
readonly MAIN_LIST=101 MAIN_CONTINUOUS=120
VARNOLUX_PID=""

fail() {
    echo "FAILED: $*" >&2
    return 1
}

# probe ARGS...: runs uiprobe; its output on stdout, its complaints on stderr.
probe() {
    timeout -k 5 30 wine "$UIPROBE_EXE" "$@"
}

# assert_eq EXPECTED ACTUAL WHAT
assert_eq() {
    [ "$1" == "$2" ] && return 0
    fail "$3: expected '$1', got '$2'"
}

# crlf TEXT...: the lines joined with CR LF, as a settings file written on Windows.
crlf() {
    printf '%s\r\n' "$@"
}

# run_folder [INI_FILE]: a new folder with Varnolux.exe, two complete projects (so
# the program waits for a choice and reads no project file) and, when given, the
# settings file. Prints the folder's path.
run_folder() {
    local dir
    dir=$(mktemp -d "$E2E_WORK/run.XXXXXX") || return 1
    cp "$VARNOLUX_EXE" "$dir/Varnolux.exe" || return 1
    local base
    for base in alpha beta; do
        : >"$dir/$base.bas"
        : >"$dir/$base.lst"
        : >"$dir/$base.hex"
    done
    if [ $# -ge 1 ]; then cp "$1" "$dir/Varnolux.ini" || return 1; fi
    echo "$dir"
}

# A settings file that only skips the COM port question.
quiet_ini() {
    crlf "[Comms]" "DontAsk=1" >"$1"
}

# quiet_run_folder: run_folder with a settings file that only skips the COM
# port question. Prints the folder's path.
quiet_run_folder() {
    quiet_ini "$E2E_WORK/quiet.ini" || return 1
    run_folder "$E2E_WORK/quiet.ini"
}

# start_varnolux DIR [ARGS...]: starts the program in DIR in the background and
# waits until its main window is shown (20 s). Sets VARNOLUX_PID.
start_varnolux() {
    local dir=$1
    shift
    (cd "$dir" && exec wine ./Varnolux.exe "$@") >"$E2E_WORK/varnolux.out" 2>&1 &
    VARNOLUX_PID=$!
    probe wait-visible "$MAIN_CLASS" 20 || fail "the main window was not shown"
}

# run_varnolux DIR SECONDS [ARGS...]: runs the program in the foreground and prints
# its exit code as the shell sees it (0..255; 124 when it did not end in time).
run_varnolux() {
    local dir=$1 seconds=$2
    shift 2
    (cd "$dir" && timeout -k 5 "$seconds" wine ./Varnolux.exe "$@") >/dev/null 2>&1
    echo $?
}

# wait_exit PID SECONDS: waits for a background process started by this test;
# fails when it is still running after SECONDS.
wait_exit() {
    local pid=$1 tenths=$(($2 * 10))
    while kill -0 "$pid" 2>/dev/null; do
        if [ "$tenths" -le 0 ]; then
            fail "process $pid still running after $2 s"
            return 1
        fi
        sleep 0.1
        tenths=$((tenths - 1))
    done
    wait "$pid" 2>/dev/null
    return 0
}

# ini_value FILE SECTION KEY: the value as the private-profile functions read it
# (section and key without regard to case, blanks around the value removed).
ini_value() {
    tr -d '\r' <"$1" | awk -v section="$2" -v key="$3" '
        BEGIN { section = tolower(section); key = tolower(key) }
        /^[ \t]*\[/ {
            name = $0
            sub(/^[ \t]*\[/, "", name)
            sub(/\].*$/, "", name)
            inside = tolower(name) == section
            next
        }
        inside {
            eq = index($0, "=")
            if (eq == 0) next
            k = substr($0, 1, eq - 1)
            gsub(/^[ \t]+|[ \t]+$/, "", k)
            if (tolower(k) != key) next
            v = substr($0, eq + 1)
            gsub(/^[ \t]+|[ \t]+$/, "", v)
            print v
            found = 1
            exit
        }
        END { exit found ? 0 : 1 }'
}

# The native simulator and console front end: VARNOLUX_SIM and VARNOLUX_CLI, or
# build/native/ beside the Windows build.
readonly SIM=${VARNOLUX_SIM:-$(dirname "$VARNOLUX_EXE")/../native/varnolux-sim}
readonly NATIVE_CLI=${VARNOLUX_CLI:-$(dirname "$VARNOLUX_EXE")/../native/varnolux-cli}
SIM_PID=""

# demo_folder: a new folder with the demo project, the program and fresh file
# times. Prints the folder's path.
demo_folder() {
    local dir
    dir=$(mktemp -d "$E2E_WORK/demo.XXXXXX") || return 1
    cp -R "$REPO_ROOT/examples/demo/." "$dir/" || return 1
    cp "$VARNOLUX_EXE" "$dir/Varnolux.exe" || return 1
    sh "$dir/set-file-times.sh" "$dir" || return 1
    echo "$dir"
}

# quiet_demo_folder: demo_folder whose settings ask no COM port question.
quiet_demo_folder() {
    local dir
    dir=$(demo_folder) || return 1
    crlf "[Comms]" "DontAsk=1" >>"$dir/Varnolux.ini"
    echo "$dir"
}

# start_sim DIR ARGS...: the simulator on the project in DIR, its terminal
# mapped to COM1 of the Wine prefix; log and truth files in E2E_WORK.
start_sim() {
    local dir=$1
    shift
    [ -x "$SIM" ] || fail "no simulator at $SIM"
    "$SIM" --project "$dir" --link "$E2E_WORK/com1" --log "$E2E_WORK/sim.log" \
        --truth "$E2E_WORK/truth.json" "$@" >"$E2E_WORK/sim.out" 2>&1 &
    SIM_PID=$!
    map_com1 "$E2E_WORK/com1" || fail "the simulator made no terminal"
}

# follow_com1_link: COM1 mapped to the simulator's link path itself rather than
# to the terminal it points at, so that a simulator started again later (see
# restart_sim) is found on COM1 without mapping it again, which would wait for
# the program to end. Call it before the program starts.
follow_com1_link() {
    wine reg add 'HKLM\Software\Wine\Ports' /v COM1 /t REG_SZ /d "$E2E_WORK/com1" /f >/dev/null 2>&1
    timeout -k 5 60 wineserver -w >/dev/null 2>&1
}

# restart_sim DIR ARGS...: a new simulator on the same link path, which COM1
# follows after follow_com1_link.
restart_sim() {
    local dir=$1
    shift
    "$SIM" --project "$dir" --link "$E2E_WORK/com1" --log "$E2E_WORK/sim.log" \
        --truth "$E2E_WORK/truth.json" "$@" >"$E2E_WORK/sim.out" 2>&1 &
    SIM_PID=$!
    wait_for 10 test -e "$E2E_WORK/com1" || fail "the simulator made no terminal"
}

stop_sim() {
    [ -n "$SIM_PID" ] && kill "$SIM_PID" 2>/dev/null && wait "$SIM_PID" 2>/dev/null
    SIM_PID=""
    return 0
}

# wait_for SECONDS COMMAND...: polls every 0.2 s until the command succeeds.
wait_for() {
    local tenths=$(($1 * 5))
    shift
    while ! "$@" 2>/dev/null; do
        [ "$tenths" -le 0 ] && return 1
        sleep 0.2
        tenths=$((tenths - 1))
    done
}

# replay_bar_shown: the replay bar (control 3000) is shown docked in the main window.
replay_bar_shown() {
    [ "$(probe visible "$MAIN_CLASS" 3000)" == 1 ]
}

# continuous_dumps COUNT: clicks the main window's Continuous box and waits
# (60 s) until the simulator, started with --dumps COUNT, has made them.
continuous_dumps() {
    probe click "$MAIN_CLASS" "$MAIN_CONTINUOUS"
    wait_for 60 test -s "$E2E_WORK/truth.json" || fail "the simulator did not complete $1 dumps"
}

# run_dumps DIR COUNT [SIM ARGS...]: the simulator for COUNT dumps and the
# program, both on the project in DIR, through continuous_dumps.
run_dumps() {
    local dir=$1 count=$2
    shift 2
    start_sim "$dir" --dumps "$count" "$@"
    start_varnolux "$dir"
    continuous_dumps "$count"
}

# Rows of the list whose value differs from the target's RAM truth, one per line.
values_against_truth() {
    probe rows "$MAIN_CLASS" "$MAIN_LIST" >"$E2E_WORK/rows.txt"
    python3 - "$E2E_WORK/truth.json" "$E2E_WORK/rows.txt" <<'PY'
import json, sys
truth = {v["VarLabel"]: v["value"] for v in json.load(open(sys.argv[1]))["values"]}
rows = [line.rstrip("\n").split("\t") for line in open(sys.argv[2], encoding="latin-1")]
shown = 0
for cells in rows:
    if len(cells) < 5:
        continue
    label, value = cells[1].strip(), cells[4]
    if value.strip() == "":
        continue  # an array's own row
    shown += 1
    if truth.get(label) != value:
        print("%s: list %r, target %r" % (label, value, truth.get(label)))
if shown == 0:
    print("no row shows a value")
PY
}

# main_row LABEL: the main list's row whose Label cell is LABEL.
main_row() {
    probe rows "$MAIN_CLASS" "$MAIN_LIST" |
        awk -F '\t' -v label="$1" '$2 == label { print NR - 1; exit }'
}

# modify_value ROW TEXT: the Modify window opened on the Value cell of the main
# list's ROW by a double click, TEXT typed and OK pressed; waits for it to close.
modify_value() {
    probe dblclick-cell "$MAIN_CLASS" "$MAIN_LIST" "$1" 4
    probe wait-visible ModifyForm_Class 10 || fail "the Modify window did not open"
    probe set-text ModifyForm_Class 4601 "$2"
    probe click ModifyForm_Class 4602
    probe wait-gone ModifyForm_Class 10 || fail "the Modify window stayed open"
}

# list_differs DUMP JSONL: what the main list shows that is not dump DUMP (from
# 1) of the log; nothing when every variable outside arrays shows its value.
list_differs() {
    probe rows "$MAIN_CLASS" "$MAIN_LIST" >"$E2E_WORK/rows.txt"
    python3 - "$1" "$2" "$E2E_WORK/rows.txt" <<'PY'
import json, sys
dumps = [json.loads(line) for line in open(sys.argv[2])]
want = {v["VarLabel"]: " ".join(v["value"].split()) for v in dumps[int(sys.argv[1]) - 1]["values"]}
shown = {}
for line in open(sys.argv[3], encoding="latin-1"):
    cells = line.rstrip("\n").split("\t")
    if len(cells) >= 5:
        shown[cells[1].strip()] = " ".join(cells[4].split())
# Arrays are shown contracted: their elements are not in the list.
arrays = {k.split("#")[0] for k in want if "#" in k}
compared = [k for k in want if "#" not in k and k not in arrays]
wrong = ["%s: shown %r, dump %s %r" % (k, shown.get(k), sys.argv[1], want[k])
         for k in compared if shown.get(k) != want[k]]
if len(compared) < 10:
    wrong.append("only %d variables compared" % len(compared))
print("; ".join(wrong[:6]))
PY
}

list_shows_dump() {
    [ -z "$(list_differs "$1" "$2")" ]
}

# log_natively DIR COUNT FILE [LOG ARGS...]: COUNT dumps of a second simulator
# on the project in DIR as the native varnolux-cli logs them, one JSON line per
# dump, into FILE.
log_natively() {
    local dir=$1 count=$2 out=$3
    shift 3
    "$SIM" --project "$dir" --link "$E2E_WORK/com2" --dumps "$count" >/dev/null 2>&1 &
    local sim2=$!
    wait_for 10 test -e "$E2E_WORK/com2" || fail "the second simulator made no terminal"
    (cd "$dir" && timeout -k 5 60 "$NATIVE_CLI" log --port "$E2E_WORK/com2" --baud 115200 \
        --count "$count" --format jsonl --radix dec --timeout 30 "$@") >"$out" 2>"$E2E_WORK/cli.err"
    local rc=$?
    kill "$sim2" 2>/dev/null
    wait "$sim2" 2>/dev/null
    [ $rc -eq 0 ] || fail "varnolux-cli log ended with $rc: $(cat "$E2E_WORK/cli.err")"
}

# demo_reference COUNT FILE: the demo's first COUNT dumps as varnolux-cli logs
# them from a second simulator, one JSON line per dump.
demo_reference() {
    local dir
    dir=$(demo_folder) || return 1
    log_natively "$dir" "$1" "$2"
}

