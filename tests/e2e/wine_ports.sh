# The Port and Pinout windows against the simulated target: the rows show the
# ports of the last dump with the demo's pin names, the pin that changed is
# marked, collapsing a port is kept for the next start, and the Pinout window
# fits the demo's picture.
#
# Needs the native simulator beside the Windows build: VARNOLUX_SIM, or
# build/native/varnolux-sim.

readonly PORT_CLASS=PortForm_Class PINOUT_CLASS=PinoutForm_Class
readonly PORT_LIST=101
readonly VIEW_PORT=28022 VIEW_PINOUT=28058 EXIT=28003 TOPMOST_PO=155

# open_port_window: the View command, then the window is shown.
open_port_window() {
    probe command "$MAIN_CLASS" "$VIEW_PORT"
    probe wait-visible "$PORT_CLASS" 10 || fail "the Port window did not open"
}

# rows_against_target: compares the Port window's rows (port_rows.txt) with the
# last two port packets the simulator sent; prints every difference.
rows_against_target() {
    grep '^ports ' "$E2E_WORK/sim.log" | uniq | tail -n 2 >"$E2E_WORK/ports.txt"
    python3 - "$E2E_WORK/ports.txt" "$E2E_WORK/port_rows.txt" <<'PY'
import sys

# The demo's device (PPI/P18F25K22.PPI): ports A, B and C with all bits and
# direction registers, port E with RE3 only and no TRISE. Pin names from the
# listing's #define lines and LCD pins.
implemented = {"A": 0xFF, "B": 0xFF, "C": 0xFF, "E": 0x08}
has_tris = {"A": True, "B": True, "C": True, "E": False}
names = {
    "A": ["Keys.%d" % b for b in range(8)],
    "B": ["", "", "LCD_RS", "LCD_EN", "LCD_Data0", "LCD_Data1", "LCD_Data2", "LCD_Data3"],
    "C": ["", "Fan", "Heater", "", "", "", "", ""],
    "E": [""] * 8,
}

def packet(line):
    words = line.split()
    ports = [int(w, 16) for w in words[1:6]]
    tris = [int(w, 16) for w in words[7:12]]
    return dict(zip("ABCDE", ports)), dict(zip("ABCDE", tris))

lines = open(sys.argv[1]).read().splitlines()
if len(lines) < 2:
    sys.exit("fewer than two port packets")
(before, _), (value, tris) = packet(lines[-2]), packet(lines[-1])
expected, changed_pins = [], []
for port in "ABCE":
    mask = implemented[port]
    v = value[port] & mask
    expected.append(["Port" + port, "", "%" + format(v, "08b"), "$%02X" % v, str(v), ""])
    for b in range(8):
        exists = mask >> b & 1
        direction = " x " if not exists else (
            "In" if not has_tris[port] or tris[port] >> b & 1 else "Out")
        level = "x" if not exists else str(value[port] >> b & 1)
        changed = exists and (value[port] ^ before[port]) >> b & 1
        if changed:
            changed_pins.append("%s.%d" % (port, b))
        expected.append(["   %d   %s" % (b, names[port][b]), direction, level, "", "",
                         "1" if changed else "0"])

shown = [line.rstrip("\n").split("\t") for line in open(sys.argv[2], encoding="latin-1")]
if len(shown) != len(expected):
    print("%d rows shown, %d expected" % (len(shown), len(expected)))
for i, (s, e) in enumerate(zip(shown, expected)):
    if s[:5] != e[:5]:
        print("row %d: shown %r, expected %r" % (i, s[:5], e[:5]))
    if s[5:6] != e[5:6]:
        print("row %d (%s): changed mark %r, expected %r" % (i, s[0], s[5:6], e[5:6]))
if len(changed_pins) != 1:
    print("the last dump changed %s, not one pin" % changed_pins)
PY
}

test_port_rows_are_the_last_dumps_ports_and_mark_the_changed_pin() {
    local dir wrong
    dir=$(quiet_demo_folder)
    # Dumps far enough apart that each one gets a refresh of its own.
    start_sim "$dir" --run-ms 1500 --dumps 4
    start_varnolux "$dir"
    probe click "$MAIN_CLASS" "$MAIN_CONTINUOUS"
    open_port_window
    assert_eq "Varnolux   Port" "$(probe title "$PORT_CLASS")" "the Port window's title"
    assert_eq "$(printf '\tI/O state is as TRIS'"'"'ed and will not reflect changes made by internal peripherals')" \
        "$(probe status "$PORT_CLASS" 0)" "the status note"
    wait_for 60 test -s "$E2E_WORK/truth.json" || fail "the simulator did not complete 4 dumps"
    sleep 1  # timer 1 takes the last dump into the window
    probe rows "$PORT_CLASS" "$PORT_LIST" >"$E2E_WORK/port_rows.txt"
    wrong=$(rows_against_target)
    [ -z "$wrong" ] || fail "$wrong"
    assert_eq "116 97 94 47 47 0" "$(probe columns "$PORT_CLASS" "$PORT_LIST" | cut -f1 | tr '\n' ' ' |
        sed 's/ $//')" "column widths with no stored ones"
    stop_sim
}

# row_text ROW: the name cell of a Port window row.
row_text() {
    probe cell "$PORT_CLASS" "$PORT_LIST" "$1" 0
}

test_clicks_collapse_ports_and_the_next_start_keeps_them() {
    local dir
    dir=$(quiet_demo_folder)
    run_dumps "$dir" 2
    open_port_window
    assert_eq 36 "$(probe count "$PORT_CLASS" "$PORT_LIST")" "rows with A, B, C and E expanded"
    assert_eq PortB "$(row_text 9)" "port B's row"
    probe dblclick-cell "$PORT_CLASS" "$PORT_LIST" 12 1  # bit 2 of port B
    wait_for 5 test "$(probe count "$PORT_CLASS" "$PORT_LIST")" -eq 28 ||
        fail "port B did not collapse"
    assert_eq PortC "$(row_text 10)" "the row after the collapsed port"
    [[ "$(probe cell "$PORT_CLASS" "$PORT_LIST" 9 1)" =~ ^%[01]{8}$ ]] ||
        fail "the collapsed port shows no directions"
    probe click-cell "$PORT_CLASS" "$PORT_LIST" 0 0  # on port A's row image
    wait_for 5 test "$(probe count "$PORT_CLASS" "$PORT_LIST")" -eq 20 ||
        fail "a click on the row image did not collapse port A"
    probe command "$MAIN_CLASS" "$EXIT"
    wait_exit "$VARNOLUX_PID" 20
    assert_eq 0 "$(ini_value "$dir/Varnolux.ini" "Port Placement" PortAExpanded)" "PortAExpanded"
    assert_eq 0 "$(ini_value "$dir/Varnolux.ini" "Port Placement" PortBExpanded)" "PortBExpanded"
    assert_eq 1 "$(ini_value "$dir/Varnolux.ini" "Port Placement" PortCExpanded)" "PortCExpanded"
    assert_eq 116 "$(ini_value "$dir/Varnolux.ini" "Port Placement" Column0)" "Column0"
    assert_eq 100 "$(ini_value "$dir/Varnolux.ini" "Port Placement" Header2)" "Header2"

    stop_sim
    rm -f "$E2E_WORK/truth.json"
    start_sim "$dir" --dumps 1
    start_varnolux "$dir"
    wait_for 60 test -s "$E2E_WORK/truth.json" || fail "no dump at the next start"
    open_port_window
    wait_for 30 test "$(probe count "$PORT_CLASS" "$PORT_LIST" 2>/dev/null)" -eq 20 ||
        fail "ports A and B are expanded again at the next start"
    stop_sim
}

# png_size FILE: "width height" from the picture's header.
png_size() {
    python3 -c 'import struct, sys; print(*struct.unpack(">II", open(sys.argv[1], "rb").read()[16:24]))' "$1"
}

test_pinout_window_fits_the_demos_picture_and_shares_topmost_with_the_port_window() {
    local dir
    dir=$(quiet_demo_folder)
    start_sim "$dir" --dumps 1
    start_varnolux "$dir"
    probe command "$MAIN_CLASS" "$VIEW_PINOUT"
    probe wait-visible "$PINOUT_CLASS" 10 || fail "the Pinout window did not open"
    assert_eq "Varnolux   Pinout" "$(probe title "$PINOUT_CLASS")" "the Pinout window's title"
    local picture
    picture=$(png_size "$dir/Pinout/18F25K22pinout.png")
    wait_for 5 test "$(probe client "$PINOUT_CLASS")" == "$picture" ||
        fail "client area $(probe client "$PINOUT_CLASS"), picture $picture"
    assert_eq 0 "$(probe topmost "$PINOUT_CLASS")" "topmost at first"
    probe syscommand "$PINOUT_CLASS" "$TOPMOST_PO"
    wait_for 5 test "$(probe topmost "$PINOUT_CLASS")" == 1 || fail "TopMost did not take"
    probe close "$PINOUT_CLASS"
    probe wait-gone "$PINOUT_CLASS" 10 || fail "the Pinout window stayed open"
    assert_eq 1 "$(ini_value "$dir/Varnolux.ini" Preferences AlwaysOnTopPO)" "AlwaysOnTopPO"
    [ -n "$(ini_value "$dir/Varnolux.ini" "Pinout Placement" Left)" ] || fail "no Pinout placement"
    open_port_window
    assert_eq 1 "$(probe topmost "$PORT_CLASS")" "the Port window takes the shared TopMost"

    # Without its picture the window keeps only its frame.
    rm "$dir/Pinout/18F25K22pinout.png"
    probe command "$MAIN_CLASS" "$VIEW_PINOUT"
    probe wait-visible "$PINOUT_CLASS" 10 || fail "the Pinout window did not open again"
    wait_for 5 test "$(probe client "$PINOUT_CLASS")" == "0 0" ||
        fail "client area without a picture: $(probe client "$PINOUT_CLASS")"
    stop_sim
}
