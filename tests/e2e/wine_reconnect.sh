# A port that goes away or is not there: Varnolux.exe says so once, waits for
# it without using the processor and comes back by itself; and a settings file
# it cannot write is told once and left as it was.

reconnect_status_is() {
    [ "$(probe status "$MAIN_CLASS" "$1")" == "$2" ]
}

# Processor time (user + system, in clock ticks) of the program's Wine process.
varnolux_cpu_ticks() {
    local pid
    pid=$(varnolux_process) || return 1
    awk '{ print $14 + $15 }' "/proc/$pid/stat"
}

# waiting_is_idle: the program uses under 10 % of one core over 3 s.
waiting_is_idle() {
    local before used hz
    before=$(varnolux_cpu_ticks) || fail "no Varnolux.exe process"
    sleep 3
    used=$(($(varnolux_cpu_ticks) - before))
    hz=$(getconf CLK_TCK)
    [ $((used * 100)) -lt $((hz * 3 * 10)) ] || fail "waiting used $used ticks of $((hz * 3)) in 3 s"
}

no_dialog_shown() {
    if probe dialog 2 >"$E2E_WORK/dialog.txt" 2>/dev/null; then
        fail "a message was shown: $(cat "$E2E_WORK/dialog.txt")"
    fi
}

# run_until_the_line_is_pulled DIR: the program on a simulator that pulls the
# line after three dumps; returns once the status says the port is lost and
# the simulator has ended.
run_until_the_line_is_pulled() {
    start_sim "$1" --run-ms 50 --pull-after 3
    follow_com1_link
    start_varnolux "$1"
    probe click "$MAIN_CLASS" "$MAIN_CONTINUOUS"
    wait_for 60 reconnect_status_is 0 " COM1 lost, waiting" ||
        fail "status part 0: '$(probe status "$MAIN_CLASS" 0)'"
    assert_eq "fits" "$(probe status-fits "$MAIN_CLASS" 0)" "the lost word in its part"
    wait "$SIM_PID" 2>/dev/null
    SIM_PID=""
}

test_a_pulled_line_is_waited_for_and_the_link_comes_back_by_itself() {
    local dir wrong
    dir=$(quiet_demo_folder)
    sed -i "s/^Baud=.*/Baud=0\r/" "$dir/Varnolux.ini"
    run_until_the_line_is_pulled "$dir"
    no_dialog_shown
    rm -f "$E2E_WORK/truth.json"
    restart_sim "$dir" --run-ms 50 --dumps 6
    wait_for 60 test -s "$E2E_WORK/truth.json" || fail "no dumps after the line came back"
    sleep 1  # timer 1 takes the last dump into the list
    wrong=$(values_against_truth)
    [ -z "$wrong" ] || fail "values differ from the target's RAM: $wrong"
    assert_eq " Comms established" "$(probe status "$MAIN_CLASS" 0)" "status part 0"
    assert_eq " COM1  115200 A" "$(probe status "$MAIN_CLASS" 2)" "status part 2"
    no_dialog_shown
    probe close "$MAIN_CLASS"
    wait_exit "$VARNOLUX_PID" 20
    stop_sim
}

test_a_missing_port_is_told_once_with_the_ports_that_exist_and_waited_for() {
    local dir text
    dir=$(quiet_demo_folder)
    sed -i "s/^Port=.*/Port=7\r/" "$dir/Varnolux.ini"
    start_sim "$dir" --run-ms 50
    (cd "$dir" && exec wine ./Varnolux.exe) >"$E2E_WORK/varnolux.out" 2>&1 &
    VARNOLUX_PID=$!
    text=$(probe dialog 30) || fail "no message about the missing port"
    if [[ "$text" == *"Are you sure you want to use COM7?"* ]]; then
        probe dialog-click 4  # Retry: try anyway
        sleep 2
        text=$(probe dialog 30) || fail "no message about the missing port after the question"
    fi
    [[ "$text" == *"COM7 cannot be opened."*"COM1"*"[Comms] Port="*"waits for COM7"* ]] ||
        fail "message: $text"
    probe dialog-click 1
    wait_for 30 reconnect_status_is 0 " COM7 not there yet" ||
        fail "status part 0: '$(probe status "$MAIN_CLASS" 0)'"
    assert_eq "fits" "$(probe status-fits "$MAIN_CLASS" 0)" "the waiting word in its part"
    no_dialog_shown
    waiting_is_idle
    probe close "$MAIN_CLASS"
    wait_exit "$VARNOLUX_PID" 20
    stop_sim
}

test_a_read_only_settings_file_is_told_once_and_left_as_it_was() {
    local dir before text
    dir=$(quiet_demo_folder)
    start_sim "$dir" --run-ms 50
    start_varnolux "$dir"
    wait_for 60 reconnect_status_is 0 " Comms established" ||
        fail "status part 0: '$(probe status "$MAIN_CLASS" 0)'"
    chmod 0444 "$dir/Varnolux.ini"
    before=$(md5sum <"$dir/Varnolux.ini")
    probe close "$MAIN_CLASS"
    text=$(probe dialog 20) || fail "no message about the settings file"
    [[ "$text" == *"The settings could not be saved to"*"Varnolux.ini"*"read-only"* ]] ||
        fail "message: $text"
    probe dialog-click 1
    wait_exit "$VARNOLUX_PID" 20
    assert_eq "$before" "$(md5sum <"$dir/Varnolux.ini")" "the settings file"
    stop_sim
}

test_waiting_for_a_pulled_line_takes_no_processor_time() {
    local dir
    dir=$(quiet_demo_folder)
    run_until_the_line_is_pulled "$dir"
    sleep 2
    waiting_is_idle
    probe close "$MAIN_CLASS"
    wait_exit "$VARNOLUX_PID" 20
}
