#!/usr/bin/env bash
# Varnolux.exe's processor time per dump under Wine. The simulated 18F46K22
# runs on at its dumpw point (Continuous) and sends unpaced, as fast as the
# program takes the dumps; for SECONDS the script counts the dumps the program
# answered and the user + system time of the Linux process that runs
# Varnolux.exe (not the Wine server, not the simulator). Per case it prints
# dumps/s, processor ms per dump and that as a share of one dump's time on the
# wire at 115200 bit/s (10 bits a byte, both directions: the exchange is
# stop-and-wait), against the goal:
#   20 variables, main window                           <= 2 %
#   2000 variables, main window                         <= 5 %
#   2000 variables, Watch (20 watched), Plot and Port   <= 8 %
# and, for comparison, the processor time the Wine server and the X server
# spent meanwhile; also the start-up of each case: launch to the main list
# filled and the link open, and to the first dump taken. Both projects
# (bench/gui/make_project.py) send the same 4 KB of data memory. A short
# unmeasured run settles the new Wine prefix first. Exits 0 whatever the
# figures, 1 when a case could not be measured.
#
#   bench/gui_dumps.sh [BUILD_DIR] [SECONDS]   (default: build/win64, 20)
#
# BENCH_SIM_ARGS adds simulator options, e.g. "--pace" to send at the wire's speed.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-build/win64}" && pwd) || exit 2
seconds=${2:-20}
exe=$build/Varnolux.exe probe_exe=$build/uiprobe.exe sim=$build/../native/varnolux-sim
for f in "$exe" "$probe_exe" "$sim"; do
  [ -f "$f" ] || { echo "bench: no $f (make native win64)" >&2; exit 2; }
done
work=$(mktemp -d /tmp/varnolux-bench-gui.XXXXXX)
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEARCH=win64 WINEDLLOVERRIDES="mscoree,mshtml="
readonly MAIN=VarnoluxMain_Class LIST=101 CONTINUOUS=120 WATCH_LIST=2801
readonly VIEW_WATCH=28024 VIEW_PLOT=28070 VIEW_PORT=28022 BAUD=115200 WARMUP=3
readonly SETTLING_SECONDS=8
xvfb_pid="" sim_pid="" exe_pid="" launcher_pid=""

stop_case() {
  [ -n "$exe_pid" ] && kill "$exe_pid" 2>/dev/null
  [ -n "$launcher_pid" ] && wait "$launcher_pid" 2>/dev/null
  [ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null && wait "$sim_pid" 2>/dev/null
  exe_pid="" launcher_pid="" sim_pid=""
}

# shellcheck disable=SC2317  # run by the EXIT trap
cleanup() {
  stop_case
  timeout -k 5 20 wineserver -k >/dev/null 2>&1
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# The probe's complaints go to a file; a failing probe prints nothing.
probe() { timeout -k 5 30 wine "$probe_exe" "$@" 2>>"$work/probe.log"; }
ms_now() { echo $(($(date +%s%N) / 1000000)); }

# our_pid PGREP_ARGS...: the process pgrep finds that runs in this script's Wine
# prefix. Varnolux.exe runs in one whose command line Wine has made the Windows
# one (Z:\...\Varnolux.exe); the `wine` started in the background is a
# launcher (start.exe) that only waits for it.
our_pid() {
  local p
  for p in $(pgrep "$@"); do
    tr '\0' '\n' 2>/dev/null <"/proc/$p/environ" | grep -qx "WINEPREFIX=$WINEPREFIX" &&
      { echo "$p"; return 0; }
  done
  return 1
}

# cpu_ms PID...: user + system time of each process (all its threads) in ms, on one line.
cpu_ms() {
  local p
  for p; do sed 's/^.*) //' "/proc/$p/stat"; done |
    awk -v hz="$(getconf CLK_TCK)" '{ printf "%d ", ($12 + $13) * 1000 / hz }'
}

# wait_log PATTERN SECONDS: polls the simulator's log; prints the ms since $launched.
wait_log() {
  local deadline=$(($(ms_now) + $2 * 1000))
  until grep -q "$1" "$work/sim.log" 2>/dev/null; do
    [ "$(ms_now)" -gt "$deadline" ] && return 1
    sleep 0.02
  done
  echo $(($(ms_now) - launched))
}

# list_filled: the main list's last row shows a value.
list_filled() {
  local rows
  rows=$(probe count "$MAIN" "$LIST") && [ "${rows:-0}" -gt 0 ] &&
    [ -n "$(probe cell "$MAIN" "$LIST" $((rows - 1)) 4 | tr -d ' ')" ]
}

# run_case TITLE RECORDS GOAL_PERCENT [COMMAND:CLASS...]: one project, one
# measurement; the View commands open their windows first, and with them 20
# variables are watched.
run_case() {
  local title=$1 records=$2 goal=$3 dir=$work/vars$2 watch=0 up first view
  shift 3
  [ $# -gt 0 ] && watch=20
  rm -rf "$dir" "$work/com1" "$work/sim.log"
  python3 -B "$here/gui/make_project.py" "$dir" "$records" --watch "$watch" || return 1
  cp "$exe" "$dir/"
  # shellcheck disable=SC2086  # the extra options are words
  "$sim" --project "$dir" --link "$work/com1" --log "$work/sim.log" --run-ms 0 \
    --scenario "$dir/ram-fill.txt" ${BENCH_SIM_ARGS:-} >"$work/sim.out" 2>&1 &
  sim_pid=$!
  for _ in $(seq 50); do [ -e "$work/com1" ] && break; sleep 0.1; done

  launched=$(ms_now)
  (cd "$dir" && exec wine ./Varnolux.exe) >/dev/null 2>&1 &
  launcher_pid=$!
  up=$(wait_log '^host rate 115200' 60) || { echo "bench: $title: the link did not open" >&2; return 1; }
  first=$(wait_log '^rx 6[12]$' 30) || { echo "bench: $title: no dump arrived" >&2; return 1; }
  exe_pid=$(our_pid -f '^[A-Z]:\\.*\\Varnolux\.exe') ||
    { echo "bench: $title: no Varnolux.exe process" >&2; return 1; }
  for _ in $(seq 25); do list_filled && break; sleep 0.2; done
  list_filled || echo "bench: $title: the main list shows no value in its last row" >&2
  for view in "$@"; do
    probe command "$MAIN" "${view%%:*}" >/dev/null
    probe wait-visible "${view#*:}" 30 >/dev/null ||
      { echo "bench: $title: View command ${view%%:*} opened no ${view#*:}" >&2; return 1; }
  done
  [ "$watch" -eq 0 ] || [ "$(probe count WatchForm_Class "$WATCH_LIST")" = "$watch" ] ||
    echo "bench: $title: the Watch window does not show $watch variables" >&2
  probe click "$MAIN" "$CONTINUOUS" >/dev/null
  sleep "$WARMUP"

  # Processor time of Varnolux.exe, and for comparison of the Wine server and the
  # X server, which draw on its behalf.
  local server_pid pids line0 line1 t0 t1 e0 e1 s0 s1 x0 x1
  server_pid=$(our_pid -x 'wineserver(32|64)?') || { echo "bench: no Wine server" >&2; return 1; }
  pids=("$exe_pid" "$server_pid" "$xvfb_pid")
  t0=$(ms_now) line0=$(wc -l <"$work/sim.log")
  read -r e0 s0 x0 < <(cpu_ms "${pids[@]}")
  sleep "$seconds"
  t1=$(ms_now) line1=$(wc -l <"$work/sim.log")
  read -r e1 s1 x1 < <(cpu_ms "${pids[@]}")
  stop_case

  echo "$title"
  echo "  start-up: main list filled and link open after $up ms, first dump taken after $first ms"
  awk -f "$here/gui/dump_figures.awk" -v from="$line0" -v to="$line1" -v ms=$((t1 - t0)) \
    -v cpu=$((e1 - e0)) -v server=$((s1 - s0)) -v xserver=$((x1 - x0)) -v baud="$BAUD" \
    -v goal="$goal" "$work/sim.log"
}

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
DISPLAY=:$(tr -d '\n' <"$work/display")
export DISPLAY
# A desktop session has X resources; a bare Xvfb has none, and then Xlib reads
# ~/.Xdefaults again at every font Wine selects, a cost no Windows machine has.
echo "Varnolux.bench: 1" >"$work/Xresources"
export XENVIRONMENT=$work/Xresources
timeout -k 5 180 wineboot -i >/dev/null 2>&1
# COM1 is the simulator's link, which each simulator points at its own terminal.
wine reg add 'HKLM\Software\Wine\Ports' /v COM1 /t REG_SZ /d "$work/com1" /f >/dev/null 2>&1
timeout -k 5 60 wineserver -w >/dev/null 2>&1
wineserver -p >/dev/null 2>&1  # stays up: each start times the program, not Wine's
probe windows >/dev/null

echo "Varnolux.exe under Wine, $seconds s a case, the simulated target at $BAUD bit/s," \
  "${BENCH_SIM_ARGS:-unpaced}"
failed=0
# measure ARGS...: run_case; after a case that could not be measured, whatever it
# left running in the prefix goes with a new Wine server.
measure() {
  run_case "$@" && return 0
  failed=1
  stop_case
  timeout -k 5 20 wineserver -k >/dev/null 2>&1
  wineserver -p >/dev/null 2>&1
}
# The first program measured in a new prefix costs more a dump than the same
# run later in it (20 variables: a quarter more, and more than the 2000-variable
# case that comes after it); a short run of the first project goes first to
# settle the prefix, and its figures are printed but are not a measure.
measured_seconds=$seconds seconds=$SETTLING_SECONDS
measure "Settling run (not a measure): 20 variables, main window" 20 2
seconds=$measured_seconds
measure "20 variables, main window" 20 2
measure "2000 variables, main window" 2000 5
measure "2000 variables, Watch (20 watched), Plot and Port windows" 2000 8 \
  "$VIEW_WATCH:WatchForm_Class" "$VIEW_PLOT:PlotForm_Class" "$VIEW_PORT:PortForm_Class"
exit "$failed"
