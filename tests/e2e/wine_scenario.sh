# The main list against values written by hand: the simulator holds them at the
# addresses a person reads in the listing (a variable the assembler's block
# moved included), so a fault in the program's reading of the listing shows.
#
# Needs the native simulator beside the Windows build: VARNOLUX_SIM, or
# build/native/varnolux-sim.

readonly SCENARIO_LIST=101 SCENARIO_CONTINUOUS=120

test_list_shows_the_values_the_scenario_placed() {
    local dir
    dir=$(demo_folder)
    printf '[Comms]\r\nDontAsk=1\r\n' >>"$dir/Varnolux.ini"
    # The assembler's block puts badReads at 90 (0x5A) instead of the section's 0x56.
    sed -i 's/badReads=86/badReads=90/' "$dir/Thermo.lst"
    touch -d "@$(($(stat -c %Y "$dir/Thermo.hex") - 10))" "$dir/Thermo.lst"
    cat >"$E2E_WORK/scenario.txt" <<'SCENARIO'
0x0007.0 bit    1
0x0007.1 bit    0
0x0008   word   4660
0x000A   byte   200
0x000B   sbyte  -7
0x000C   sword  321
0x000E   sword  -1234
0x0010   dword  4000000000
0x0014   sdword -2000000000
0x0018   float  2.5
0x004D   word   65535
0x0051   byte   17
0x0056   byte   99
0x005A   byte   42
SCENARIO
    start_sim "$dir" --dumps 4 --scenario "$E2E_WORK/scenario.txt"
    start_varnolux "$dir"
    probe click "$MAIN_CLASS" "$SCENARIO_CONTINUOUS"
    wait_for 60 test -s "$E2E_WORK/truth.json" || fail "the simulator did not complete 4 dumps"
    sleep 1 # timer 1 takes the last dump into the list
    probe rows "$MAIN_CLASS" "$SCENARIO_LIST" >"$E2E_WORK/rows.txt"
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
