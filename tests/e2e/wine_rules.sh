# Stop rules in Varnolux.exe against the simulator's thermostat: a rule read
# from the settings file holds the target at a dumpw point at exactly the
# first dump where its condition is true; one at a plain dump point freezes
# the views on the dump it fired at while the target runs on, until Continue;
# a rule typed into the Stop rules window as a user would is refused with the
# place of its fault, then armed, and kept in the settings file at exit. The
# status bar shows the firing's rule and DumpID, and all of it in a window wide
# enough; the Watch window's View menu opens the Stop rules window too.
#
# Needs the native simulator and varnolux-cli beside the Windows build
# (VARNOLUX_SIM, VARNOLUX_CLI, or build/native/).

readonly RULES=RulesForm_Class CMD_VIEW_STOP_RULES=28090 R_CMD_EXIT=28003 R_CONTINUE=109
readonly R_WATCH=WatchForm_Class R_CMD_VIEW_WATCH=28024 R_WATCH_MENU=2803
readonly R_LIST=2951 R_DUMP_POINT=2952 R_CONDITION=2955 R_ADD=2959 R_FAULT=2963
readonly CONDITION='temperature > setPoint + 15'

# rules_ini DIR DUMPID CONDITION: the demo's settings with one hold rule.
rules_ini() {
    crlf "[Stop Rules]" "Count=1" "Rule1=1,$2,hold,0,50,10" "Condition1=$3" >>"$1/Varnolux.ini"
}

# sim_dumps: the dumps the simulator has made so far, from its log.
sim_dumps() {
    grep -c '^dump point' "$E2E_WORK/sim.log" || true
}

device_loaded() {
    [[ "$(probe status "$MAIN_CLASS" 3)" == *18F25K22* ]]
}

# dumps_beyond N: the simulator has made more than N dumps.
dumps_beyond() {
    [ "$(sim_dumps)" -gt "$1" ]
}

# main_status_has TEXT / main_title_has TEXT
main_status_has() {
    [[ "$(probe status "$MAIN_CLASS" 0)" == *"$1"* ]]
}
main_title_has() {
    [[ "$(probe title "$MAIN_CLASS")" == *"$1"* ]]
}

# status_shows_whole: part 0 of the status bar is wide enough for all its text.
status_shows_whole() {
    [ "$(probe status-shown "$MAIN_CLASS" 0)" = "$(probe status "$MAIN_CLASS" 0)" ]
}

title_not_frozen() {
    ! main_title_has "[frozen"
}

# held_at_first_true REFERENCE: the target is held at the dump the console's
# --until ended at (the last of REFERENCE): the simulator makes no more dumps,
# the main list shows that dump, and the simulator's truth at exit is that dump.
held_at_first_true() {
    local count
    count=$(wc -l <"$1")
    wait_for 30 main_status_has "Rule 1 fired at DumpID 5" ||
        fail "no firing on the status bar: '$(probe status "$MAIN_CLASS" 0)'"
    [[ "$(probe status-shown "$MAIN_CLASS" 0)" == " Rule 1 fired at DumpID 5: hold"* ]] ||
        fail "the status bar shows only '$(probe status-shown "$MAIN_CLASS" 0)'"
    wait_for 10 main_title_has "[held by rule 1 at DumpID 5]" ||
        fail "the title shows no hold: '$(probe title "$MAIN_CLASS")'"
    sleep 1
    assert_eq "$count" "$(sim_dumps)" "dumps made before the hold (the console's --until)"
    wait_for 10 list_shows_dump "$count" "$1" || fail "the list: $(list_differs "$count" "$1")"
}

test_a_rule_from_the_settings_holds_the_target_at_the_first_dump_where_it_is_true() {
    local dir
    dir=$(quiet_demo_folder)
    rules_ini "$dir" 5 "$CONDITION"
    log_natively "$(demo_folder)" 200 "$E2E_WORK/until.jsonl" --until "$CONDITION" --at 5
    start_sim "$dir" --run-ms 0
    start_varnolux "$dir"
    probe click "$MAIN_CLASS" "$MAIN_CONTINUOUS"
    held_at_first_true "$E2E_WORK/until.jsonl"
    probe move "$MAIN_CLASS" 0 0 1200 700
    wait_for 5 status_shows_whole ||
        fail "a wide window shows '$(probe status-shown "$MAIN_CLASS" 0)' of the firing"
    # The Watch window's View menu has Stop rules, and it opens the window.
    [[ "$(probe menu "$(winepath -w "$VARNOLUX_EXE")" "$R_WATCH_MENU")" == \
        *$'28090\tStop rules\tCtrl+B'* ]] || fail "no Stop rules in the Watch window's View menu"
    probe command "$MAIN_CLASS" "$R_CMD_VIEW_WATCH"
    probe wait-visible "$R_WATCH" 10 || fail "the Watch window did not open"
    probe command "$R_WATCH" "$CMD_VIEW_STOP_RULES"
    probe wait-visible "$RULES" 10 || fail "View, Stop rules in the Watch window opened no window"
    # Continue lets the target go on to the next dump where the rule holds.
    probe click "$MAIN_CLASS" "$R_CONTINUE"
    wait_for 10 dumps_beyond "$(wc -l <"$E2E_WORK/until.jsonl")" ||
        fail "Continue did not release the target"
    stop_sim
    probe command "$MAIN_CLASS" "$R_CMD_EXIT"
    wait_exit "$VARNOLUX_PID" 20
}

test_a_hold_at_a_plain_dump_point_freezes_the_views_while_the_target_runs_on() {
    local dir frozen
    dir=$(quiet_demo_folder)
    # Dump 1, the start-up's, is a plain dump: the target cannot wait there.
    rules_ini "$dir" 1 "tick = 0 And setpoint = 215"
    demo_reference 3 "$E2E_WORK/ref.jsonl"
    start_sim "$dir" --run-ms 200
    start_varnolux "$dir"
    probe click "$MAIN_CLASS" "$MAIN_CONTINUOUS"
    wait_for 30 main_title_has "[frozen by rule 1 at DumpID 1]" ||
        fail "the title shows no freeze: '$(probe title "$MAIN_CLASS")'"
    main_status_has "Rule 1 fired at DumpID 1" || fail "status: '$(probe status "$MAIN_CLASS" 0)'"
    frozen=$(sim_dumps)
    wait_for 30 dumps_beyond $((frozen + 8)) || fail "the target did not run on"
    assert_eq "" "$(list_differs 1 "$E2E_WORK/ref.jsonl")" "the frozen list against dump 1"
    probe click "$MAIN_CLASS" "$R_CONTINUE"
    wait_for 10 title_not_frozen || fail "Continue left the title frozen"
    wait_for 10 test -n "$(list_differs 1 "$E2E_WORK/ref.jsonl")" ||
        fail "the list stayed on dump 1 after Continue"
    stop_sim
    probe command "$MAIN_CLASS" "$R_CMD_EXIT"
    wait_exit "$VARNOLUX_PID" 20
}

test_a_rule_added_in_the_window_is_checked_armed_and_kept() {
    local dir point
    dir=$(quiet_demo_folder)
    log_natively "$(demo_folder)" 200 "$E2E_WORK/until.jsonl" --until "$CONDITION" --at 5
    start_sim "$dir" --run-ms 0
    start_varnolux "$dir"
    probe command "$MAIN_CLASS" "$CMD_VIEW_STOP_RULES"
    probe wait-visible "$RULES" 10 || fail "View, Stop rules opened no window"
    wait_for 10 test "$(probe combo "$RULES" "$R_DUMP_POINT" | wc -l)" -gt 1 ||
        fail "no dump points to choose from"
    point=$(probe combo "$RULES" "$R_DUMP_POINT" | grep -n '^ *5 ' | cut -d: -f1)
    [ -n "$point" ] || fail "no DumpID 5 among: $(probe combo "$RULES" "$R_DUMP_POINT")"
    probe combo-set "$RULES" "$R_DUMP_POINT" $((point - 1))
    probe set-text "$RULES" "$R_CONDITION" "temperature > setPoint + tenths"
    probe click "$RULES" "$R_ADD"
    wait_for 10 test -n "$(probe text "$RULES" "$R_FAULT")" || fail "the bad rule was not refused"
    [[ "$(probe text "$RULES" "$R_FAULT")" == "Condition, column 26: "*'"tenths"'* ]] ||
        fail "the refusal does not say where: '$(probe text "$RULES" "$R_FAULT")'"
    assert_eq 2 "$(probe count "$RULES" "$R_LIST")" "rows after the refusal (the built-in ones)"
    probe set-text "$RULES" "$R_CONDITION" "TEMPERATURE > SETPOINT + 15"
    probe click "$RULES" "$R_ADD"
    wait_for 10 test "$(probe count "$RULES" "$R_LIST")" = 3 || fail "the rule was not added"
    assert_eq "" "$(probe text "$RULES" "$R_FAULT")" "the refusal after a good rule"
    probe click "$MAIN_CLASS" "$MAIN_CONTINUOUS"
    held_at_first_true "$E2E_WORK/until.jsonl"
    [[ "$(probe cell "$RULES" "$R_LIST" 2 4)" == 1* ]] ||
        fail "hits shown: '$(probe cell "$RULES" "$R_LIST" 2 4)'"
    stop_sim
    probe command "$MAIN_CLASS" "$R_CMD_EXIT"
    wait_exit "$VARNOLUX_PID" 20
    assert_eq "TEMPERATURE > SETPOINT + 15" "$(ini_value "$dir/Varnolux.ini" "Stop Rules" Condition1)" \
        "the rule in the settings file"
    assert_eq "1,5,hold,0,50,10" "$(ini_value "$dir/Varnolux.ini" "Stop Rules" Rule1)" \
        "the rule's switches in the settings file"
}

# record_status_has TEXT: the status bar's recording part holds TEXT.
record_status_has() {
    [[ "$(probe status "$MAIN_CLASS" 4)" == *"$1"* ]]
}

# around_question_shown: the box asks whether to record only around rule 1.
around_question_shown() {
    [[ "$(probe dialog 0)" == *"rule 1: 4 dumps before, 3 after, when tick = 30"* ]]
}

test_record_session_around_a_rule_keeps_the_dumps_before_and_after_its_firing() {
    local dir count rec=$E2E_WORK/around.pcapng
    dir=$(quiet_demo_folder)
    crlf "[Stop Rules]" "Count=1" "Rule1=1,5,record,0,4,3" "Condition1=tick = 30" \
        >>"$dir/Varnolux.ini"
    log_natively "$(demo_folder)" 400 "$E2E_WORK/until.jsonl" --until "tick = 30" --at 5
    count=$(wc -l <"$E2E_WORK/until.jsonl")
    # The simulator ends three dumps after the firing: its truth is the recording's last dump.
    start_sim "$dir" --run-ms 0 --dumps $((count + 3))
    start_varnolux "$dir"
    wait_for 20 device_loaded || fail "the project was not loaded"
    probe command "$MAIN_CLASS" 28080
    probe wait-visible "#32770" 20 || fail "Record session... showed no save dialog"
    wait_for 10 probe set-text "#32770" 1148 "$(winepath -w "$rec")" ||
        fail "no file name box in the save dialog"
    probe dialog-click 1
    wait_for 20 around_question_shown || fail "no question about recording around the rule"
    probe dialog-click 6
    wait_for 10 record_status_has "Recording around rules: around.pcapng, 0 files" ||
        fail "the status bar says '$(probe status "$MAIN_CLASS" 4)'"
    probe click "$MAIN_CLASS" "$MAIN_CONTINUOUS"
    wait_for 60 test -s "$E2E_WORK/truth.json" || fail "the simulator did not complete its dumps"
    wait_for 10 record_status_has "1 file so far" ||
        fail "the status bar says '$(probe status "$MAIN_CLASS" 4)'"
    probe command "$MAIN_CLASS" "$R_CMD_EXIT"
    wait_exit "$VARNOLUX_PID" 20
    stop_sim
    [ ! -e "$rec" ] || fail "the whole session was recorded too"
    (cd "$dir" && timeout -k 5 60 "$NATIVE_CLI" replay "$E2E_WORK/around-1.pcapng" \
        --format jsonl --radix dec) >"$E2E_WORK/replayed.jsonl" 2>"$E2E_WORK/replay.err" ||
        fail "varnolux-cli replay failed: $(cat "$E2E_WORK/replay.err")"
    assert_eq 8 "$(wc -l <"$E2E_WORK/replayed.jsonl")" "dumps replayed (4 + 1 + 3)"
    python3 "$REPO_ROOT/tests/e2e/last_dump_is_truth.py" "$E2E_WORK/replayed.jsonl" \
        "$E2E_WORK/truth.json" || fail "the recording does not end at the simulator's last dump"
    python3 - "$E2E_WORK/replayed.jsonl" <<'PY' || fail "the fifth dump is not the firing one"
import json, sys
d = json.loads(open(sys.argv[1]).read().splitlines()[4])
tick = next(v["raw"] for v in d["values"] if v["VarLabel"] == "tick")
assert (d["DumpId"], tick) == (5, 30), (d["DumpId"], tick)
PY
}
