# A first run without a board: the release zip of this build unpacked into a
# folder whose name has a blank and a letter outside ASCII, "Try the demo.cmd"
# run through cmd from the demo folder, and the program one folder up replays
# the demo's recorded session without a word: the main list shows the
# recording's first dump, and Watch, Source, Port, EEPROM and Plot show it too.
# Started in the zip's root, where there is no project, the program says where
# it looked, what a project needs and where the sample is.
#
# Makes the zip with scripts/dist.sh, which needs the native build (the
# simulator and varnolux-cli record the session) and chmcmd.

readonly F_NEXT=3003 F_LABEL=3006
readonly F_WATCH=WatchForm_Class F_WATCH_LIST=2801 F_SOURCE=SourceForm_Class F_SOURCE_LIST=1901
readonly F_PORT=PortForm_Class F_PORT_LIST=101 F_EEPROM=EEPROM_Form_Class F_EEPROM_LIST=5501
readonly F_PLOT=PlotForm_Class F_PLOT_STATUS=2901

first_run_bar_is() {
    [ "$(probe text "$MAIN_CLASS" "$F_LABEL")" == "$1" ]
}

# first_run_view CLASS COMMAND LIST: opens the window by its View command and
# waits until its list has rows.
first_run_view() {
    probe command "$MAIN_CLASS" "$2"
    probe wait-visible "$1" 10 || fail "View command $2 opened no $1"
    wait_for 10 test "$(probe count "$1" "$3")" -gt 0 || fail "$1 shows no rows"
}

test_try_the_demo_replays_the_recorded_session_from_the_unpacked_zip() {
    local arch zip dir dumps
    arch=$(basename "$(dirname "$VARNOLUX_EXE")")
    "$REPO_ROOT/scripts/dist.sh" "$E2E_WORK/dist" "$arch" >"$E2E_WORK/dist.log" 2>&1 ||
        fail "scripts/dist.sh: $(tail -n 5 "$E2E_WORK/dist.log")"
    zip=$(ls "$E2E_WORK"/dist/Varnolux-*-"$arch".zip)
    dir="$E2E_WORK/Varnolux Démo"
    mkdir "$dir" && unzip -q "$zip" -d "$dir"
    (cd "$dir/demo" && "$NATIVE_CLI" replay "Thermo session.pcapng" --to 1 --format jsonl) \
        >"$E2E_WORK/first.jsonl" 2>/dev/null || fail "the native replay of the session failed"
    dumps=$(cd "$dir/demo" && "$NATIVE_CLI" replay "Thermo session.pcapng" --format csv 2>&1 >/dev/null |
        sed -n 's/.*: \([0-9]*\) dumps,.*/\1/p')

    local text
    (cd "$dir" && exec wine ./Varnolux.exe) >"$E2E_WORK/varnolux.out" 2>&1 &
    VARNOLUX_PID=$!
    text=$(probe dialog 20) || fail "no message in the zip's root"
    if [[ "$text" == *"Are you sure you want to use COM1"* ]]; then
        probe dialog-click 4
        sleep 1
        text=$(probe dialog 20) || fail "no message after the COM port question"
    fi
    [[ "$text" == *"not found - Exiting 1"*"Looked in "*"NAME.bas with NAME.lst and NAME.hex"*'demo\; "Try the demo.cmd" there'* ]] ||
        fail "in the zip's root: $text"
    probe dialog-click 1
    wait_exit "$VARNOLUX_PID" 20

    (cd "$dir/demo" && timeout -k 5 30 wine cmd /c "Try the demo.cmd") >"$E2E_WORK/cmd.out" 2>&1 ||
        fail "Try the demo.cmd: $(cat "$E2E_WORK/cmd.out")"
    wait_for 30 replay_bar_shown || fail "no replay bar"
    if probe dialog 2 >"$E2E_WORK/dialog.txt" 2>/dev/null; then
        fail "a message on the way: $(cat "$E2E_WORK/dialog.txt")"
    fi
    assert_eq "Dump 0 of $dumps" "$(probe text "$MAIN_CLASS" "$F_LABEL")" "the bar before the first step"
    probe click "$MAIN_CLASS" "$F_NEXT"
    wait_for 10 first_run_bar_is "Dump 1 of $dumps" ||
        fail "Next: the bar says '$(probe text "$MAIN_CLASS" "$F_LABEL")'"
    wait_for 10 list_shows_dump 1 "$E2E_WORK/first.jsonl" ||
        fail "the first dump: $(list_differs 1 "$E2E_WORK/first.jsonl")"

    # On to the control loop, and every window shows the replay.
    local i
    for i in 2 3 4 5 6; do
        probe click "$MAIN_CLASS" "$F_NEXT"
        wait_for 10 first_run_bar_is "Dump $i of $dumps" || fail "Next to dump $i"
    done
    first_run_view "$F_WATCH" 28024 "$F_WATCH_LIST"
    [ "$(probe count "$F_WATCH" "$F_WATCH_LIST")" -eq 4 ] || fail "the watch list: $(probe rows "$F_WATCH" "$F_WATCH_LIST")"
    [ -n "$(probe rows "$F_WATCH" "$F_WATCH_LIST" | awk -F '\t' '$1 == "tick" { print $3 }')" ] ||
        fail "tick has no history: $(probe rows "$F_WATCH" "$F_WATCH_LIST")"
    first_run_view "$F_SOURCE" 28023 "$F_SOURCE_LIST"
    probe rows "$F_SOURCE" "$F_SOURCE_LIST" | grep -q 'Dumpw 5' || fail "the Source window is not at dump point 5"
    first_run_view "$F_PORT" 28022 "$F_PORT_LIST"
    first_run_view "$F_EEPROM" 28046 "$F_EEPROM_LIST"
    probe command "$MAIN_CLASS" 28070
    probe wait-visible "$F_PLOT" 10 || fail "View -> Plot opened no Plot window"
    wait_for 10 test -n "$(probe text "$F_PLOT" "$F_PLOT_STATUS")" || fail "the Plot shows nothing"
    probe close "$MAIN_CLASS"
    probe wait-gone "$MAIN_CLASS" 20 || fail "the program did not end"
}
