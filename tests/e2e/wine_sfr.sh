# The SFR window of Varnolux.exe against the simulated target: the demo
# listing's registers with their addresses to choose from, a chosen register's
# value as the last dump carried it (the port packet for PORTC and TRISC), and
# the one line that says what to do while nothing is chosen.
#
# Needs the native simulator beside the Windows build.

readonly SFR=SFRForm_Class SFR_VALUES=8202 SFR_CHOICES=9101 SFR_NOTE=9102
readonly CMD_VIEW_SFRS=28062

# sfr_row NAME HEX: the display list's row for a register of that value.
sfr_row() {
    python3 -c 'import sys; v = int(sys.argv[2], 16)
print("%s\t$%02X\t%d\t%%%s" % (sys.argv[1], v, v, format(v, "08b")))' "$1" "$2"
}

test_sfr_window_shows_the_chosen_registers_as_the_dump_carried_them() {
    local dir ports
    dir=$(quiet_demo_folder)
    run_dumps "$dir" 3
    sleep 1  # timer 1 takes the last dump
    probe command "$MAIN_CLASS" "$CMD_VIEW_SFRS"
    probe wait-visible "$SFR" 10 || fail "View, SFRs opened no SFR window"
    assert_eq 10 "$(probe count "$SFR" "$SFR_CHOICES")" "registers of the demo listing"
    assert_eq "PORTC	\$0F82" "$(probe rows "$SFR" "$SFR_CHOICES" | sed -n 3p)" "third choice"
    assert_eq "Choose registers in the list on the right to see their values." \
        "$(probe text "$SFR" "$SFR_NOTE")" "the line while nothing is chosen"
    assert_eq 0 "$(probe count "$SFR" "$SFR_VALUES")" "values before a choice"

    # The last dump's ports as the simulator sent them: "ports A B C D E tris A B C D E".
    ports=$(grep '^ports ' "$E2E_WORK/sim.log" | tail -n 1)
    [ -n "$ports" ] || fail "the simulator logged no ports"
    probe select "$SFR" "$SFR_CHOICES" 2
    wait_for 5 test "$(probe count "$SFR" "$SFR_VALUES")" = 1 || fail "choosing PORTC showed no row"
    assert_eq "$(sfr_row PORTC "$(echo "$ports" | awk '{print $4}')")" \
        "$(probe rows "$SFR" "$SFR_VALUES")" "PORTC's row"
    assert_eq "" "$(probe text "$SFR" "$SFR_NOTE")" "the line once a value shows"
    probe close "$SFR"
    probe wait-gone "$SFR" 10 || fail "the SFR window did not close"
    stop_sim
}
