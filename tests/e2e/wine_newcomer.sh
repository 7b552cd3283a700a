# What a new user meets first: a project in a folder whose name lies outside
# the ANSI code page (Varnolux.exe finds it, reads every file, talks to the
# target, writes its trace file and its settings there), and the list's first
# rows while the program still looks for a target.
#
# Needs the native simulator beside the Windows build: VARNOLUX_SIM, or
# build/native/varnolux-sim.

test_project_in_a_cjk_folder_loads_talks_and_saves() {
    local demo dir rows
    demo=$(demo_folder)
    dir="$E2E_WORK/温度 Thérmo"
    mv "$demo" "$dir"
    # The trace file goes beside the listing: one more path through the program.
    sed -i 's/^UDTdisplay=.*/UDTdisplay=1\r/' "$dir/Varnolux.ini"
    start_sim "$dir" --run-ms 200
    start_varnolux "$dir"
    wait_for 60 cjk_status_is 0 " Comms established" ||
        fail "status part 0: '$(probe status "$MAIN_CLASS" 0)'"
    assert_eq " 18F25K22  3" "$(probe status "$MAIN_CLASS" 3)" "status part 3 (the device)"
    rows=$(probe count "$MAIN_CLASS" 101)
    [ "$rows" -gt 20 ] || fail "the list shows $rows rows"
    [[ "$(probe title "$MAIN_CLASS")" == *Thermo ]] || fail "title: $(probe title "$MAIN_CLASS")"
    grep -q "End transaction" "$dir/Thermo.txt" || fail "no trace file in the folder"
    probe close "$MAIN_CLASS"
    wait_exit "$VARNOLUX_PID" 20
    stop_sim
    [ "$(ini_value "$dir/Varnolux.ini" "Watch Placement" WatchVisible)" != "" ] ||
        fail "the settings were not written in the folder"
}

cjk_status_is() {
    [ "$(probe status "$MAIN_CLASS" "$1")" == "$2" ]
}


# No target on the line: the program waits in the connection prompt, and the
# list behind it already shows the addresses in the settings' radix ($ for hex).
test_first_fill_shows_the_settings_radix_while_the_link_waits() {
    local dir addresses
    dir=$(quiet_demo_folder)
    (cd "$dir" && exec wine ./Varnolux.exe) >"$E2E_WORK/varnolux.out" 2>&1 &
    VARNOLUX_PID=$!
    probe dialog 30 >"$E2E_WORK/dialog.txt" || fail "no prompt while the link waits"
    addresses=$(probe rows "$MAIN_CLASS" 101 | cut -f4 | sort -u | tr '\n' ' ')
    [[ "$addresses" == \$* ]] && [[ "$addresses" != *" 0"* ]] ||
        fail "addresses before the first dump: $addresses"
    # Cancel ends the program; a box with OK alone (the port could not be
    # opened) leads to the next one.
    while probe dialog 2 >/dev/null; do
        probe dialog-click 2 2>/dev/null || probe dialog-click 1 || break
    done
    wait_exit "$VARNOLUX_PID" 20
}
