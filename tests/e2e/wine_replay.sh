# Session recordings in Varnolux.exe: a session recorded by varnolux-cli against
# the simulator, replayed with "Varnolux.exe --replay FILE" and stepped with the
# replay bar, shows in the main list the values of the dump stepped to; the
# bar is docked below the list, plays, and the stop rules of the settings
# judge the replayed dumps; a session recorded with File, "Record session..."
# replays in varnolux-cli to the values the simulator held.
#
# Needs the native simulator and varnolux-cli beside the Windows build
# (VARNOLUX_SIM, VARNOLUX_CLI, or build/native/).

readonly R_FIRST=3001 R_PREVIOUS=3002 R_NEXT=3003 R_LAST=3004
readonly R_LABEL=3006 R_STATUS_RECORDING=4
readonly R_CMD_RECORD=28080 R_CMD_OPEN=28081
readonly R_BAR_ID=3000 R_PLAY=3007 R_SPEED=3008 R_CLOSE=3009 R_CONTINUE=109 R_DUMP_LABEL=115
readonly R_CMD_CLOSE_REPLAY=28082 R_CMD_EXIT=28003
readonly R_DIALOG=#32770 R_FILE_NAME=1148

# record_natively DIR COUNT FILE: COUNT dumps of a simulator on the project in
# DIR logged by varnolux-cli with --record FILE; the live values in DIR/live.jsonl.
record_natively() {
    log_natively "$1" "$2" "$1/live.jsonl" --record "$3"
}

bar_label_is() {
    [ "$(probe text "$MAIN_CLASS" "$R_LABEL")" == "$1" ]
}

# plot_holds_dumps N: the Plot window's line says it holds N dumps.
plot_holds_dumps() {
    [[ "$(probe text PlotForm_Class 2901)" == " $1 dumps"* ]]
}

test_replay_bar_steps_the_main_list_through_the_recorded_dumps() {
    local dir
    dir=$(quiet_demo_folder)
    record_natively "$dir" 5 "$dir/session.pcapng"
    # The recorded dumps differ where the test looks, or it could not fail.
    python3 - "$dir/live.jsonl" <<'PY' || fail "dumps 2 and 3 of the recording hold the same values"
import json, sys
d = [{v["VarLabel"]: v["value"] for v in json.loads(l)["values"]} for l in open(sys.argv[1])]
sys.exit(0 if d[1] != d[2] and d[1] != d[0] else 1)
PY
    start_varnolux "$dir" --replay session.pcapng
    wait_for 20 replay_bar_shown || fail "no replay bar"
    assert_eq "Dump 0 of 5" "$(probe text "$MAIN_CLASS" "$R_LABEL")" "the bar before the first step"
    # The Plot window follows the replay: a step back starts its traces again
    # and the dumps passed on the way to the shown one are in them too.
    probe command "$MAIN_CLASS" 28070
    probe wait-visible PlotForm_Class 10 || fail "View -> Plot opened no Plot window"
    local i
    for i in 1 2 3; do
        probe click "$MAIN_CLASS" "$R_NEXT"
        wait_for 10 bar_label_is "Dump $i of 5" ||
            fail "Next $i: the bar says '$(probe text "$MAIN_CLASS" "$R_LABEL")'"
    done
    wait_for 10 list_shows_dump 3 "$dir/live.jsonl" ||
        fail "after Next three times: $(list_differs 3 "$dir/live.jsonl")"
    probe click "$MAIN_CLASS" "$R_PREVIOUS"
    wait_for 10 bar_label_is "Dump 2 of 5" || fail "Previous: '$(probe text "$MAIN_CLASS" "$R_LABEL")'"
    wait_for 10 list_shows_dump 2 "$dir/live.jsonl" ||
        fail "after Previous: $(list_differs 2 "$dir/live.jsonl")"
    probe click "$MAIN_CLASS" "$R_LAST"
    wait_for 10 list_shows_dump 5 "$dir/live.jsonl" ||
        fail "after Last: $(list_differs 5 "$dir/live.jsonl")"
    assert_eq 0 "$(probe enabled "$MAIN_CLASS" "$R_NEXT")" "Next enabled at the last dump"
    assert_eq "Dump 5 of 5" "$(probe text "$MAIN_CLASS" "$R_LABEL")" "the bar after Last"
    wait_for 10 plot_holds_dumps 5 ||
        fail "the Plot after Last: '$(probe text PlotForm_Class 2901)', not 5 dumps"
    probe close "$MAIN_CLASS"
    wait_exit "$VARNOLUX_PID" 20
}

# set_file_name NAME: the file dialog's name box set to NAME.
set_file_name() {
    probe set-text "$R_DIALOG" "$R_FILE_NAME" "$1"
}

# no_file_time_box: a file dialog moves the current folder while it browses and
# may leave it elsewhere; the project's files are still found where they were,
# so no box says that their times changed.
no_file_time_box() {
    if [[ "$(probe dialog 0 2>/dev/null)" == *"Date/Time stamps"* ]]; then
        fail "a file dialog made the project's file times look changed"
    fi
}

recording_status_is() {
    [ "$(probe status "$MAIN_CLASS" "$R_STATUS_RECORDING")" == "$1" ]
}

device_shown() {
    [[ "$(probe status "$MAIN_CLASS" 3)" == *18F25K22* ]]
}

# record_in_program HOW: a session of six dumps recorded with Record session...,
# ended by the same item ("menu") or by closing the program ("exit"), replays
# in varnolux-cli to the values the simulator held at the last dump.
record_in_program() {
    local dir rec=$E2E_WORK/bench.pcapng
    dir=$(quiet_demo_folder)
    start_sim "$dir" --dumps 6 --run-ms 300
    start_varnolux "$dir"
    wait_for 20 device_shown || fail "the project was not loaded"
    probe command "$MAIN_CLASS" "$R_CMD_RECORD"
    probe wait-visible "$R_DIALOG" 20 || fail "Record session... showed no save dialog"
    # The dialog may show before its file name box is made.
    wait_for 10 set_file_name "$(winepath -w "$rec")" ||
        fail "no file name box in the save dialog"
    no_file_time_box
    probe dialog-click 1
    wait_for 10 recording_status_is "Recording bench.pcapng" ||
        fail "the status bar says '$(probe status "$MAIN_CLASS" "$R_STATUS_RECORDING")'"
    continuous_dumps 6
    sleep 1
    no_file_time_box
    if [ "$1" == menu ]; then
        probe command "$MAIN_CLASS" "$R_CMD_RECORD"
        wait_for 10 recording_status_is "" || fail "the recording did not stop"
    fi
    probe close "$MAIN_CLASS"
    wait_exit "$VARNOLUX_PID" 20
    stop_sim
    (cd "$dir" && timeout -k 5 60 "$NATIVE_CLI" replay "$rec" --format jsonl --radix dec) \
        >"$E2E_WORK/replayed.jsonl" 2>"$E2E_WORK/replay.err" ||
        fail "varnolux-cli replay failed: $(cat "$E2E_WORK/replay.err")"
    local wrong
    wrong=$(python3 - "$E2E_WORK/replayed.jsonl" "$E2E_WORK/truth.json" <<'PY'
import json, sys
lines = open(sys.argv[1]).read().splitlines()
truth = json.load(open(sys.argv[2]))
if not lines:
    print("the replay printed no dump")
    sys.exit()
# The recording begins on a running link, somewhere in the first dumps.
if len(lines) < 2:
    print("the replay holds %d dumps" % len(lines))
last = json.loads(lines[-1])
host = {v["VarLabel"]: v["value"] for v in last["values"]}
target = {v["VarLabel"]: v["value"] for v in truth["values"]}
if last["DumpId"] != truth["DumpId"]:
    print("last DumpId %s, the target's %s" % (last["DumpId"], truth["DumpId"]))
diff = ["%s: %r, target %r" % (k, host.get(k), t) for k, t in target.items() if host.get(k) != t]
if len(target) < 20:
    diff.append("only %d values in the truth" % len(target))
print("; ".join(diff[:6]))
PY
)
    [ -z "$wrong" ] || fail "the replay of the program's recording differs: $wrong"
}

test_a_session_recorded_in_the_program_replays_in_the_console_to_the_targets_values() {
    record_in_program menu
}

test_a_recording_still_on_at_exit_is_complete() {
    record_in_program exit
}

test_open_recording_restarts_the_program_on_the_chosen_recording() {
    local dir
    dir=$(quiet_demo_folder)
    record_natively "$dir" 3 "$E2E_WORK/chosen.pcapng"
    start_sim "$dir" --dumps 1
    start_varnolux "$dir"
    wait_for 20 device_shown || fail "the project was not loaded"
    probe command "$MAIN_CLASS" "$R_CMD_OPEN"
    probe wait-visible "$R_DIALOG" 20 || fail "Open recording... showed no dialog"
    wait_for 10 set_file_name "$(winepath -w "$E2E_WORK/chosen.pcapng")" ||
        fail "no file name box in the open dialog"
    no_file_time_box
    probe dialog-click 1
    wait_exit "$VARNOLUX_PID" 20
    wait_for 30 replay_bar_shown || fail "no replay bar after Open recording..."
    wait_for 10 bar_label_is "Dump 0 of 3" ||
        fail "the bar says '$(probe text "$MAIN_CLASS" "$R_LABEL")'"
    probe click "$MAIN_CLASS" "$R_LAST"
    wait_for 10 list_shows_dump 3 "$dir/live.jsonl" ||
        fail "after Last: $(list_differs 3 "$dir/live.jsonl")"
    probe close "$MAIN_CLASS"
    probe wait-gone "$MAIN_CLASS" 20 || fail "the replaying program did not end"
    stop_sim
}

# A session recorded in the program in which the user wrote a value through
# the Modify window replays in varnolux-cli with every answer as the live link
# wrote it (the request in its slot, the hold and its release), and the value
# shows from the dump that carried it.
test_a_value_written_in_a_recorded_session_replays_from_the_dump_where_it_arrived() {
    local dir row carried wrong rec=$E2E_WORK/modify.pcapng
    dir=$(quiet_demo_folder)
    # Requests go out in place of the "h" that starts a dump: that dump carries the value.
    sed -i 's/^\[Preferences\]\r$/[Preferences]\r\nUpdatesBefore=1\r\nUpdatesAfter=0\r/' \
        "$dir/Varnolux.ini"
    start_sim "$dir" --dumps 8 --run-ms 200
    start_varnolux "$dir"
    # Recorded from the hold at dump point 5 on (the host answers "a").
    wait_for 30 grep -q '^rx 61$' "$E2E_WORK/sim.log" || fail "the target was not held"
    probe command "$MAIN_CLASS" "$R_CMD_RECORD"
    probe wait-visible "$R_DIALOG" 20 || fail "Record session... showed no save dialog"
    wait_for 10 set_file_name "$(winepath -w "$rec")" || fail "no file name box in the save dialog"
    probe dialog-click 1
    wait_for 10 recording_status_is "Recording modify.pcapng" ||
        fail "the status bar says '$(probe status "$MAIN_CLASS" "$R_STATUS_RECORDING")'"
    row=$(main_row tick)
    [ -n "$row" ] || fail "no row for tick"
    modify_value "$row" 4660
    continuous_dumps 8
    sleep 1
    probe command "$MAIN_CLASS" "$R_CMD_RECORD"
    wait_for 10 recording_status_is "" || fail "the recording did not stop"
    probe close "$MAIN_CLASS"
    wait_exit "$VARNOLUX_PID" 20
    stop_sim
    # The dump point where the request went out: the last one the target reached before it.
    carried=$(awk '/^dump point/ { id = $3 } /^request MT_MODIFY crc ok$/ { print id; exit }' \
        "$E2E_WORK/sim.log")
    [ -n "$carried" ] || fail "no MT_MODIFY reached the target"
    (cd "$dir" && timeout -k 5 60 "$NATIVE_CLI" replay "$rec" --format jsonl --radix dec) \
        >"$E2E_WORK/replayed.jsonl" 2>"$E2E_WORK/replay.err" ||
        fail "varnolux-cli replay failed: $(cat "$E2E_WORK/replay.err")"
    grep -q 'answers differ' "$E2E_WORK/replay.err" &&
        fail "the replay answered otherwise than the live link: $(cat "$E2E_WORK/replay.err")"
    wrong=$(python3 - "$E2E_WORK/replayed.jsonl" "$carried" <<'PY'
import json, sys
dumps = [json.loads(line) for line in open(sys.argv[1])]
ticks = [{v["VarLabel"]: v["value"] for v in d["values"]}.get("tick") for d in dumps]
# The firmware keeps the written value and counts on from it.
shown = [n for n, t in enumerate(ticks) if t == "4660"]
if len(dumps) < 3:
    print("the replay holds %d dumps" % len(dumps))
elif not shown:
    print("tick is 4660 in replayed dumps %r of %r" % (shown, ticks))
elif str(dumps[shown[0]]["DumpId"]) != sys.argv[2]:
    print("4660 shows at DumpID %s; the request went out at %s" % (dumps[shown[0]]["DumpId"], sys.argv[2]))
PY
)
    [ -z "$wrong" ] || fail "$wrong"
}

main_title_has() {
    [[ "$(probe title "$MAIN_CLASS")" == *"$1"* ]]
}

main_status_is() {
    [ "$(probe status "$MAIN_CLASS" 0)" == "$1" ]
}

play_button_is() {
    [ "$(probe text "$MAIN_CLASS" "$R_PLAY")" == "$1" ]
}

# bar_top_right_is TOP RIGHT: the replay bar's top and right edges on the screen.
bar_top_right_is() {
    local now
    read -r -a now <<<"$(rect_of "$R_BAR_ID")"
    [ "${now[1]}" -eq "$1" ] && [ "${now[2]}" -eq "$2" ]
}

# rect_of [ID]: the main window's (or its control's) screen rectangle, "left top right bottom".
rect_of() {
    probe rect "$MAIN_CLASS" "$@"
}

# A replay of the demo with a hold rule and a log rule in the settings: Play at
# the fastest speed pauses at the dump where the hold's condition is first
# true, Continue steps on from there, the log rule writes a line for every
# dump, the status bar says what is replayed and where, and the rules are
# written back at exit.
test_a_replay_judges_the_stop_rules_of_the_settings_and_play_pauses_at_the_hold() {
    local dir k line want
    dir=$(quiet_demo_folder)
    record_natively "$dir" 12 "$dir/session.pcapng"
    k=$(python3 - "$dir/live.jsonl" <<'PY'
import json, sys
for n, l in enumerate(open(sys.argv[1]), 1):
    d = json.loads(l)
    if d["DumpId"] == 150 and {v["VarLabel"]: v["value"] for v in d["values"]}.get("tick") == "3":
        print(n)
        break
PY
)
    [ -n "$k" ] && [ "$k" -lt 12 ] || fail "tick is never 3 at DumpID 150 before the last recorded dump"
    # Written back at exit in the writer's own spelling ("hold", "log").
    crlf "[Stop Rules]" "Count=2" "LogToFile=1" "Rule1=1,150,Hold,0,50,10" "Condition1=tick = 3" \
        "Rule2=1,-1,Log,0,50,10" "Condition2=" "Log2=T={temperature} S={setPoint}" \
        >>"$dir/Varnolux.ini"
    start_varnolux "$dir" --replay session.pcapng
    wait_for 20 bar_label_is "Dump 0 of 12" || fail "no replay bar"
    assert_eq " Replay 0/12" "$(probe status "$MAIN_CLASS" 0)" "status part 0 before the first dump"
    assert_eq "" "$(probe status "$MAIN_CLASS" 2)" "status part 2, the port's: no port"
    assert_eq " session.pcapng" "$(probe status "$MAIN_CLASS" "$R_STATUS_RECORDING")" \
        "the status bar's recording part"
    probe combo-set "$MAIN_CLASS" "$R_SPEED" 4
    probe notify "$MAIN_CLASS" "$R_SPEED" 1
    probe click "$MAIN_CLASS" "$R_PLAY"
    wait_for 20 bar_label_is "Dump $k of 12" || fail "Play: '$(probe text "$MAIN_CLASS" "$R_LABEL")'"
    wait_for 10 play_button_is Play || fail "Play did not pause at the hold"
    sleep 1
    assert_eq "Dump $k of 12" "$(probe text "$MAIN_CLASS" "$R_LABEL")" "the dump Play paused at"
    wait_for 10 main_title_has "by rule 1 at DumpID 150]" ||
        fail "the title shows no hold: '$(probe title "$MAIN_CLASS")'"
    wait_for 10 list_shows_dump "$k" "$dir/live.jsonl" ||
        fail "at the hold: $(list_differs "$k" "$dir/live.jsonl")"
    # Continue steps the replay, in the main window as in the Watch window.
    probe click "$MAIN_CLASS" "$R_CONTINUE"
    wait_for 10 bar_label_is "Dump $((k + 1)) of 12" ||
        fail "Continue: '$(probe text "$MAIN_CLASS" "$R_LABEL")'"
    wait_for 10 main_status_is " Replay $((k + 1))/12" ||
        fail "status part 0: '$(probe status "$MAIN_CLASS" 0)'"
    probe click "$MAIN_CLASS" "$R_PLAY"
    wait_for 20 bar_label_is "Dump 12 of 12" || fail "Play to the end"
    wait_for 10 test "$(wc -l <"$dir/Thermo.rules.log")" -eq 12 ||
        fail "log lines: $(cat "$dir/Thermo.rules.log")"
    line=$(sed -n "${k}p" "$dir/Thermo.rules.log" | tr -d '\r')
    want=$(python3 - "$dir/live.jsonl" "$k" <<'PY'
import json, sys
l = open(sys.argv[1]).read().splitlines()[int(sys.argv[2]) - 1]
v = {x["VarLabel"]: x["value"] for x in json.loads(l)["values"]}
print("T=%s S=%s" % (v["temperature"], v["setPoint"]))
PY
)
    [[ "$line" == "DumpID "*"  $want" ]] || fail "log line $k: '$line', not ending in '$want'"
    # File -> Close replay ends the replay; Exit then ends the program.
    probe command "$MAIN_CLASS" "$R_CMD_CLOSE_REPLAY"
    wait_for 10 main_status_is " Replay closed" || fail "status: '$(probe status "$MAIN_CLASS" 0)'"
    replay_bar_shown && fail "the bar is still shown after Close replay"
    probe command "$MAIN_CLASS" "$R_CMD_EXIT"
    wait_exit "$VARNOLUX_PID" 20
    assert_eq "1,150,hold,0,50,10" "$(ini_value "$dir/Varnolux.ini" "Stop Rules" Rule1)" \
        "the hold rule written at exit"
    assert_eq "T={temperature} S={setPoint}" "$(ini_value "$dir/Varnolux.ini" "Stop Rules" Log2)" \
        "the log rule written at exit"
}


# The bar sits below the list across its width and follows the main window's
# size; Close ends the replay, not the program: the list takes the room back.
test_the_replay_bar_is_docked_below_the_list_and_moves_with_the_main_window() {
    local dir win list bar label
    dir=$(quiet_demo_folder)
    record_natively "$dir" 3 "$dir/session.pcapng"
    start_varnolux "$dir" --replay session.pcapng
    wait_for 20 bar_label_is "Dump 0 of 3" || fail "no replay bar"
    read -r -a win <<<"$(rect_of)"
    read -r -a list <<<"$(rect_of "$MAIN_LIST")"
    read -r -a bar <<<"$(rect_of "$R_BAR_ID")"
    assert_eq "${list[0]} ${list[3]} ${list[2]}" "${bar[0]} ${bar[1]} ${bar[2]}" \
        "the bar's left, top and right against the list's left, bottom and right"
    probe move "$MAIN_CLASS" "${win[0]}" "${win[1]}" $((win[2] + 200)) $((win[3] + 150))
    wait_for 10 bar_top_right_is $((bar[1] + 150)) $((bar[2] + 200)) || fail "the bar at '$(rect_of "$R_BAR_ID")' did not follow from '${bar[*]}'"
    read -r -a bar <<<"$(rect_of "$R_BAR_ID")"
    read -r -a list <<<"$(rect_of "$MAIN_LIST")"
    read -r -a label <<<"$(rect_of "$R_DUMP_LABEL")"
    assert_eq "${bar[1]}" "${list[3]}" "the bar's top against the grown list's bottom"
    [ "${label[1]}" -ge "${bar[3]}" ] || fail "the bar covers the DumpID label: ${bar[*]} ${label[*]}"
    probe click "$MAIN_CLASS" "$R_CLOSE"
    wait_for 10 main_status_is " Replay closed" || fail "status: '$(probe status "$MAIN_CLASS" 0)'"
    replay_bar_shown && fail "the bar is still shown after Close"
    read -r -a list <<<"$(rect_of "$MAIN_LIST")"
    assert_eq "${bar[3]}" "${list[3]}" "the list's bottom after Close, where the bar's was"
    assert_eq 1 "$(probe visible "$MAIN_CLASS")" "the main window after Close"
    probe close "$MAIN_CLASS"
    wait_exit "$VARNOLUX_PID" 20
}
