# The serial link of Varnolux.exe against the simulated target on COM1: rate
# detection, the status texts and labels after the first dumps, the ROM check
# as the first request, correct CRCs.
#
# Needs the native simulator beside the Windows build: VARNOLUX_SIM, or
# build/native/varnolux-sim.

readonly LINK_DUMP_LABEL=115 LINK_TRANSITION=118

# link_demo_folder BAUD: the demo project with the program, fresh file times and
# the rate BAUD in the settings (0: automatic detection). Prints the folder.
link_demo_folder() {
    local dir
    dir=$(demo_folder) || return 1
    sed -i "s/^Baud=.*/Baud=$1\r/" "$dir/Varnolux.ini" || return 1
    echo "$dir"
}

link_status_is() {
    [ "$(probe status "$MAIN_CLASS" "$1")" == "$2" ]
}

link_transition_shown() {
    [[ "$(probe text "$MAIN_CLASS" "$LINK_TRANSITION")" =~ ^\ [0-9]+\ to\ [0-9]+\ \ \ [0-9]*\.[0-9]{3}\ secs$ ]]
}

test_link_detects_the_rate_and_shows_the_dumps() {
    local dir label first
    dir=$(link_demo_folder 0)
    start_sim "$dir" --run-ms 200
    start_varnolux "$dir"
    wait_for 60 link_status_is 0 " Comms established" ||
        fail "status part 0: '$(probe status "$MAIN_CLASS" 0)'"
    assert_eq " COM1  115200 A" "$(probe status "$MAIN_CLASS" 2)" "status part 2"
    label=$(probe text "$MAIN_CLASS" "$LINK_DUMP_LABEL")
    [[ "$label" =~ ^\ DumpID\ [0-9]+\ :\  ]] || fail "dump-point label: '$label'"
    probe click "$MAIN_CLASS" "$MAIN_CONTINUOUS"
    wait_for 60 link_transition_shown ||
        fail "transition label: '$(probe text "$MAIN_CLASS" "$LINK_TRANSITION")'"
    first=$(grep '^request' "$E2E_WORK/sim.log" | head -n 1)
    assert_eq "request MT_ROMCHECK crc ok" "$first" "first request of the host"
    if grep -q 'crc wrong' "$E2E_WORK/sim.log"; then fail "a request with a wrong CRC"; fi
    probe close "$MAIN_CLASS"
    wait_exit "$VARNOLUX_PID" 20
    stop_sim
}

test_link_at_the_configured_rate_shows_no_detection_mark() {
    local dir
    dir=$(link_demo_folder 9600)
    start_sim "$dir" --baud 9600 --run-ms 200
    start_varnolux "$dir"
    wait_for 60 link_status_is 0 " Comms established" ||
        fail "status part 0: '$(probe status "$MAIN_CLASS" 0)'"
    assert_eq " COM1  9600" "$(probe status "$MAIN_CLASS" 2)" "status part 2"
    probe close "$MAIN_CLASS"
    wait_exit "$VARNOLUX_PID" 20
    stop_sim
}

# Every control below the list repaints after the window is resized: none is
# left a blank box of one colour.
test_controls_below_the_list_repaint_after_a_resize() {
    local dir left top right bottom id
    dir=$(link_demo_folder 115200)
    start_sim "$dir" --run-ms 200
    start_varnolux "$dir"
    wait_for 60 link_status_is 0 " Comms established" ||
        fail "status part 0: '$(probe status "$MAIN_CLASS" 0)'"
    read -r left top right bottom <<<"$(probe rect "$MAIN_CLASS")"
    probe move "$MAIN_CLASS" "$left" "$top" $((right + 240)) $((bottom + 180))
    sleep 1
    probe move "$MAIN_CLASS" 0 0 1280 1000
    sleep 1
    # DumpID label, Untill count label, Continuous, Dec, Hex, project chooser, status bar
    for id in "$LINK_DUMP_LABEL" 122 "$MAIN_CONTINUOUS" 104 105 107 102; do
        [ "$(probe colours "$MAIN_CLASS" "$id")" -gt 1 ] ||
            fail "control $id is a blank box after the resize"
    done
    probe close "$MAIN_CLASS"
    wait_exit "$VARNOLUX_PID" 20
    stop_sim
}
