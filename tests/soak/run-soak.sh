#!/usr/bin/env bash
# The soak: Varnolux.exe under Wine against the simulated target at 115200 for
# 10 000 dumps with 5 % CRC errors, over-long and unknown packets and bursts of
# line noise, every window open (Watch, Source, Port, EEPROM, Plot, Stop rules,
# with a log point at every dump), and the
# line pulled half-way (the simulator ends in the middle of a packet and a new
# one starts on the same terminal path): the program must come back by itself.
# Then it checks that every value shown equals the target's RAM, that the
# process grew by less than 2 MB from dump 1 000 to dump 10 000, and that it
# closes within 2 s. Last the line is pulled for good: no message box, the
# status bar says the port is lost, no processor time while waiting, a clean
# close within 2 s. Prints the figures; exit 1 when one fails.
#
#   tests/soak/run-soak.sh BUILD_DIR [DUMPS]
set -uo pipefail

here=$(cd "$(dirname "$0")" && pwd)
e2e=$here/../e2e
[ $# -ge 1 ] || { echo "usage: $0 BUILD_DIR [DUMPS]" >&2; exit 2; }
build=$(cd "$1" 2>/dev/null && pwd) || { echo "soak: no build folder $1" >&2; exit 2; }
readonly DUMPS=${2:-10000}
readonly FIRST_SAMPLE=$((DUMPS / 10))
export VARNOLUX_EXE=$build/Varnolux.exe UIPROBE_EXE=$build/uiprobe.exe
for f in "$VARNOLUX_EXE" "$UIPROBE_EXE"; do
    [ -f "$f" ] || { echo "soak: $f is not built" >&2; exit 1; }
done

work=$(mktemp -d /tmp/varnolux-soak.XXXXXX)
export E2E_WORK=$work/run
mkdir -p "$E2E_WORK"
wm_pid=""
cleanup() {
    stop_sim
    [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null && wait "$wm_pid" 2>/dev/null
    stop_wine_and_xvfb
    [ "${KEEP_SOAK:-0}" = 1 ] && echo "soak: files kept in $work" || rm -rf "$work"
}
# shellcheck source-path=SCRIPTDIR source=../e2e/lib.sh
. "$e2e/lib.sh"
use_wine_prefix "$work/prefix"
export WINEARCH=win64
trap cleanup EXIT
# The probe's messages go to a file: a Wine server it starts on demand would
# print its object list at exit into the figures.
probe() {
    timeout -k 5 30 wine "$UIPROBE_EXE" "$@" 2>>"$work/probe.log"
}
trap 'exit 130' INT TERM

start_xvfb "$work" || { echo "soak: Xvfb did not start" >&2; exit 1; }
# A window manager, as on any desktop: without one, Wine waits 2 s for an
# answer that never comes at the destruction of every top-level window, and
# the close time would measure that wait rather than the program.
matchbox-window-manager -use_titlebar yes >"$work/wm.log" 2>&1 &
wm_pid=$!
boot_prefix "$work/wineboot.log" || { echo "soak: wineboot failed" >&2; exit 1; }

readonly LIST=101 CONTINUOUS=120 VIEW_WATCH=28024 WATCH_CLASS=WatchForm_Class
# View -> Source, Port, EEPROM and Plot.
readonly OTHER_VIEWS="28023 28022 28046 28070 28090"
readonly LOST=" COM1 lost, waiting"
failures=()
check() {  # check CONDITION_TEXT COMMAND...: notes a failed figure
    local what=$1
    shift
    "$@" || failures+=("$what")
}

ms_now() { echo $(($(date +%s%N) / 1000000)); }
# Anonymous (heap) memory of the process in kB.
anon_kb() {
    awk '/^RssAnon:/ { print $2 }' "/proc/$1/status"
}
DUMPS_BEFORE=0  # dumps of the simulators that ended before the running one
completed_dumps() {  # arrivals at dump points the simulators have seen through
    echo $((DUMPS_BEFORE + $(grep -c '^dump point' "$E2E_WORK/sim.log" 2>/dev/null || echo 0)))
}
lost_shown() {
    [ "$(probe status "$MAIN_CLASS" 0 2>/dev/null)" == "$LOST" ]
}
wait_dumps() {  # wait_dumps N SECONDS
    local deadline=$((SECONDS + $2))
    while [ "$(completed_dumps)" -lt "$1" ]; do
        [ $SECONDS -ge $deadline ] && return 1
        kill -0 "$SIM_PID" 2>/dev/null || return 1
        sleep 1
    done
}

# rows_against_truth CLASS: compares the Value cell of every row of the
# window's list view whose label the truth knows with the truth's value.
rows_against_truth() {
    local class=$1 id
    id=$(probe children "$class" | awk -F '\t' '$2 == "SysListView32" { print $1; exit }')
    [ -n "$id" ] || { echo "no list view in $class"; return 0; }
    probe columns "$class" "$id" >"$work/columns-$class.txt"
    probe rows "$class" "$id" >"$work/rows-$class.txt"
    python3 - "$E2E_WORK/truth.json" "$work/columns-$class.txt" "$work/rows-$class.txt" <<'PY'
import json, sys
truth = {v["VarLabel"]: v["value"] for v in json.load(open(sys.argv[1]))["values"]}
headers = [l.rstrip("\n").split("\t", 1)[-1].strip() for l in open(sys.argv[2], encoding="latin-1")]
value_at = headers.index("Value") if "Value" in headers else None
compared = 0
for line in open(sys.argv[3], encoding="latin-1"):
    cells = line.rstrip("\n").split("\t")
    label_at = next((i for i, c in enumerate(cells) if c.strip() in truth), None)
    if label_at is None:
        continue
    at = value_at if value_at is not None else label_at + 1
    if at >= len(cells) or cells[at].strip() == "":
        continue  # an array's own row
    compared += 1
    label = cells[label_at].strip()
    if cells[at] != truth[label]:
        print("%s: shown %r, target %r" % (label, cells[at], truth[label]))
print("compared %d" % compared, file=sys.stderr)
if compared == 0:
    print("no row compared")
PY
}

# cpu_ms PID: user and system time the process has used, in ms.
cpu_ms() {
    awk -v hz="$(getconf CLK_TCK)" '{ print int(($14 + $15) * 1000 / hz) }' "/proc/$1/stat"
}

# close_and_time DIR: closes the program; the close sequence has ended when it
# has written the settings, and the process must have ended, each within 2 s.
# Times are counted from the start of the probe that sends the request.
close_and_time() {
    local ini=$1/Varnolux.ini before t0 saved="" gone=""
    before=$(date -r "$ini" +%s%3N)
    t0=$(ms_now)
    probe close "$MAIN_CLASS" >/dev/null
    while [ $(($(ms_now) - t0)) -lt 10000 ]; do
        [ -z "$saved" ] && [ "$(date -r "$ini" +%s%3N)" != "$before" ] &&
            saved=$(($(date -r "$ini" +%s%3N) - t0))
        if ! kill -0 "$VARNOLUX_PID" 2>/dev/null; then
            gone=$(($(ms_now) - t0))
            break
        fi
        sleep 0.02
    done
    echo "soak: close: settings written after ${saved:-?} ms, process ended after ${gone:-?} ms"
    check "the close sequence did not write the settings within 2000 ms" \
        test "${saved:-99999}" -lt 2000
    check "the process did not end within 2000 ms" test "${gone:-99999}" -lt 2000
    wait "$VARNOLUX_PID" 2>/dev/null
}

# soak_folder: the demo project at 115200 without the COM port question.
soak_folder() {
    local dir
    dir=$(quiet_demo_folder) || return 1
    sed -i 's/^Baud=.*/Baud=115200\r/' "$dir/Varnolux.ini"
    # A log point at every dump and a hold that never fires keep the stop rules busy.
    printf '[Stop Rules]\r\nCount=2\r\nLogToFile=0\r\nRule1=1,-1,log,0,50,10\r\nCondition1=\r\nLog1=tick={tick} t={temperature}\r\nRule2=1,-1,hold,0,50,10\r\nCondition2=tick > 65534 And tick < 1\r\nLog2=\r\n' \
        >>"$dir/Varnolux.ini"
    echo "$dir"
}

# DUMPS dumps through the noise; the figures.
soak_dumps() {
    local dir watch_open pid mem1 mem2 growth crc resent wrong t0 close start
    dir=$(soak_folder)
    echo "soak: $DUMPS dumps at 115200 with 5 % CRC errors, over-long, unknown packets and noise"
    local half=$((DUMPS / 2)) noise="--crc-errors 0.05 --overlong 9 --unknown 13 --garbage 7"
    # shellcheck disable=SC2086
    start_sim "$dir" --baud 115200 --run-ms 0 --pull-after "$half" $noise --seed 14
    follow_com1_link
    start_varnolux "$dir"
    probe click "$MAIN_CLASS" "$CONTINUOUS" >/dev/null   # run through the dumpw points
    probe command "$MAIN_CLASS" "$VIEW_WATCH" >/dev/null # View -> Watch
    if probe wait-visible "$WATCH_CLASS" 5 >/dev/null 2>&1; then
        watch_open=yes
    else
        watch_open="no (View -> Watch opened no Watch window in this build)"
    fi
    echo "soak: Watch window open: $watch_open"
    local view
    for view in $OTHER_VIEWS; do probe command "$MAIN_CLASS" "$view" >/dev/null; done

    start=$SECONDS
    wait_dumps "$FIRST_SAMPLE" 600 || {
        echo "soak: $FIRST_SAMPLE dumps not reached" >&2
        exit 1
    }
    pid=$(varnolux_process)
    mem1=$(anon_kb "$pid")
    echo "soak: dump $FIRST_SAMPLE after $((SECONDS - start)) s, heap ${mem1} kB"
    # The heap at every tenth of the run: a leak climbs steadily, an allocator
    # that settles stops climbing.
    local tenth
    for tenth in 2 3 4 5 6 7 8 9; do
        if [ "$tenth" = 6 ]; then
            # The line is pulled at half-way; a new target comes on the same path.
            wait_exit "$SIM_PID" 600 || failures+=("the simulator did not pull the line")
            wait_for 30 lost_shown || failures+=("the lost port was not on the status bar")
            DUMPS_BEFORE=$half
            rm -f "$E2E_WORK/truth.json"
            # shellcheck disable=SC2086
            restart_sim "$dir" --baud 115200 --run-ms 0 --dumps $((DUMPS - half)) $noise --seed 16
            echo "soak: line pulled after $half dumps, target started again"
        fi
        wait_dumps $((DUMPS * tenth / 10)) 600 || break
        echo "soak: dump $((DUMPS * tenth / 10)) after $((SECONDS - start)) s, heap $(anon_kb "$pid") kB"
    done
    wait_for $((DUMPS / 5 + 600)) test -s "$E2E_WORK/truth.json" ||
        { echo "soak: the simulator did not finish $DUMPS dumps" >&2; exit 1; }
    sleep 2 # timer 1 takes the last dump into the views
    mem2=$(anon_kb "$pid")
    growth=$((mem2 - mem1))
    echo "soak: dump $DUMPS after $((SECONDS - start)) s, heap ${mem2} kB, growth ${growth} kB"
    crc=$(grep -c 'crc wrong' "$E2E_WORK/sim.log" || true)
    resent=$(grep -c '^rx 65$' "$E2E_WORK/sim.log" || true)
    echo "soak: packets answered \"e\" (CRC errors seen by the host): $resent; requests with a wrong CRC: $crc"
    check "memory grew by ${growth} kB (limit 2048)" test "$growth" -lt 2048

    wrong=$(rows_against_truth "$MAIN_CLASS" 2>"$work/compared-main.txt")
    echo "soak: main list: $(cat "$work/compared-main.txt"), differing: ${wrong:-none}"
    check "main list differs from the target: $wrong" test -z "$wrong"
    if [ "$watch_open" = yes ]; then
        wrong=$(rows_against_truth "$WATCH_CLASS" 2>"$work/compared-watch.txt")
        echo "soak: Watch window: $(cat "$work/compared-watch.txt"), differing: ${wrong:-none}"
        check "Watch window differs from the target: $wrong" test -z "$wrong"
    fi

    close_and_time "$dir"
    stop_sim
}

# The line pulled in the middle of a transaction.
pull_the_line() {
    local dir pid cpu0 busy messages texts text t0
    dir=$(soak_folder)
    echo "soak: pulling the line in the middle of a transaction"
    rm -f "$E2E_WORK/com1" "$E2E_WORK/truth.json"
    # The simulator sends half a packet after 50 dumps and ends: the line is gone.
    start_sim "$dir" --baud 115200 --run-ms 0 --pull-after 50 --seed 15
    start_varnolux "$dir"
    probe click "$MAIN_CLASS" "$CONTINUOUS" >/dev/null
    pid=$(varnolux_process)
    wait_exit "$SIM_PID" 120 || failures+=("the simulator did not pull the line")
    SIM_PID=""
    echo "soak: last target event before the cut: $(grep -v '^rx' "$E2E_WORK/sim.log" | tail -n 1)"
    cpu0=$(cpu_ms "$pid")
    sleep 5
    busy=$(($(cpu_ms "$pid") - cpu0))
    echo "soak: processor time in the 5 s after the cut: ${busy} ms"
    check "the program used ${busy} ms of 5000 after the cut (spins)" test "$busy" -lt 1000
    check "the status bar does not say the port is lost" lost_shown
    messages=0
    texts=""
    while text=$(probe dialog 5 2>/dev/null </dev/null); do
        messages=$((messages + 1))
        texts+="$(echo "$text" | tr '\n' ' ')| "
        probe dialog-click 1 >/dev/null 2>&1
        probe wait-gone "#32770" 5 >/dev/null 2>&1
        [ $messages -ge 10 ] && break
    done
    echo "soak: messages after the cut: $messages: ${texts:-none}"
    check "$messages messages after the cut (expected none)" test "$messages" -eq 0
    if probe title "$MAIN_CLASS" >/dev/null 2>&1; then
        echo "soak: the main window still answers"
    else
        failures+=("the main window does not answer after the cut")
    fi
    close_and_time "$dir"
}

[ "$DUMPS" -gt 0 ] && soak_dumps
pull_the_line

if [ ${#failures[@]} -gt 0 ]; then
    printf 'soak: FAILED: %s\n' "${failures[@]}"
    exit 1
fi
echo "soak: passed"
