# The main list against values written by hand: the simulator holds them at the
# addresses a person reads in the listing (a variable the assembler's block
# moved included), so a fault in the program's reading of the listing shows.
#
# Needs the native simulator beside the Windows build: VARNOLUX_SIM, or
# build/native/varnolux-sim.

test_list_shows_the_values_the_scenario_placed() {
    local dir
    dir=$(quiet_demo_folder)
    # The assembler's block puts badReads at 90 (0x5A) instead of the section's 0x56.
    sed -i 's/badReads=86/badReads=90/' "$dir/Thermo.lst"
    touch -d "@$(($(stat -c %Y "$dir/Thermo.hex") - 10))" "$dir/Thermo.lst"
    run_dumps "$dir" 4 --scenario "$REPO_ROOT/tests/fixtures/demo_scenario.txt"
    sleep 1 # timer 1 takes the last dump into the list
    probe rows "$MAIN_CLASS" "$MAIN_LIST" >"$E2E_WORK/rows.txt"
    local wrong
    wrong=$(python3 - "$E2E_WORK/rows.txt" <<'PY'
import sys
shown = {}
for line in open(sys.argv[1], encoding="latin-1"):
    cells = line.rstrip("\n").split("\t")
    if len(cells) >= 5:
        shown[cells[1].strip()] = cells[4]
# As the program writes them: a byte in decimal shows its character too.
expected = {
    "heating": "1", "fault": "0", "tick": "4660", "state": '"  "     200', "trim": "-7",
    "setPoint": "321", "diff": "-1234", "uptime": "4000000000", "drift": "-2000000000",
    "gain": " 2.5", "_time": "65535", "i": '"  "       17', "badReads": '"*"       42',
}
for label, value in expected.items():
    if shown.get(label) != value:
        print("%s: shown %r, written %r" % (label, shown.get(label), value))
PY
)
    [ -z "$wrong" ] || fail "the list differs from the scenario: $wrong"
    probe close "$MAIN_CLASS"
    wait_exit "$VARNOLUX_PID" 20
    stop_sim
}
