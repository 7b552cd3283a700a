# The Source, EEPROM and SFR windows against the simulated target: the Source
# window follows the dump point at which the target is held, the EEPROM window
# shows the target's EEPROM, the SFR window lists the registers to choose from, and the windows
# keep their place and TopMost state across runs.
#
# Needs the native simulator beside the Windows build: VARNOLUX_SIM, or
# build/native/varnolux-sim.

readonly SOURCE_CLASS=SourceForm_Class EEPROM_CLASS=EEPROM_Form_Class SFR_CLASS=SFRForm_Class
readonly SOURCE_LIST=1901 EEPROM_LIST=5501 SFR_DISPLAY=8202 SFR_SELECT=9101
readonly CONTINUE=109
readonly VIEW_SOURCE=28023 VIEW_EEPROM=28046 VIEW_SFR=28062 EXIT=28003
readonly YELLOW=FFFF00

# held_at ID: the target stands at dump point ID and has been told to wait.
held_at() {
    awk -v id="$1" '/^dump point / { last = $3; waited = 0 } /^rx 61$/ { waited = 1 }
        END { exit !(last == id && waited) }' "$E2E_WORK/sim.log"
}

# hold_at_top_of_loop: after its start-up the target is held first at the
# sensor read (150); Continue takes it to the top of the control loop (5).
hold_at_top_of_loop() {
    wait_for 30 held_at 150 || fail "the target was not held at dump point 150"
    probe click "$MAIN_CLASS" "$CONTINUE"
    wait_for 30 held_at 5 || fail "the target was not held at dump point 5"
}

# open_source_at_top_of_loop DIR: the target and the program on the project in
# DIR, the target held at the top of the control loop, the Source window open.
open_source_at_top_of_loop() {
    start_sim "$1" --run-ms 300
    start_varnolux "$1"
    hold_at_top_of_loop
    probe command "$MAIN_CLASS" "$VIEW_SOURCE"
    probe wait-visible "$SOURCE_CLASS" 10 || fail "the Source window did not open"
}

# source_title_is TEXT
source_title_is() {
    [ "$(probe title "$SOURCE_CLASS")" == "$1" ]
}

# check_source_rows FIRST LAST MARKED TEXT: the rows show lines FIRST to LAST,
# the row of line MARKED holds TEXT, is painted yellow and is the only yellow row
# in view. Sets MARKED_ROW to that row.
MARKED_ROW=""
check_source_rows() {
    local first=$1 last=$2 marked=$3 text=$4 rows row
    probe rows "$SOURCE_CLASS" "$SOURCE_LIST" >"$E2E_WORK/source.txt"
    rows=$(wc -l <"$E2E_WORK/source.txt")
    assert_eq $((last - first + 1)) "$rows" "rows of the Source window"
    assert_eq " $first" "$(head -n 1 "$E2E_WORK/source.txt" | cut -f1)" "first line shown"
    assert_eq " $last" "$(tail -n 1 "$E2E_WORK/source.txt" | cut -f1)" "last line shown"
    row=$(awk -F '\t' -v n=" $marked" '$1 == n { print NR - 1; exit }' "$E2E_WORK/source.txt")
    [ -n "$row" ] || fail "no row for line $marked"
    [[ "$(sed -n "$((row + 1))p" "$E2E_WORK/source.txt" | cut -f2)" == *"$text"* ]] ||
        fail "line $marked does not hold '$text'"
    assert_eq "$YELLOW" "$(probe cell-colour "$SOURCE_CLASS" "$SOURCE_LIST" "$row" 0)" \
        "Line cell of line $marked"
    assert_eq "$YELLOW" "$(probe cell-colour "$SOURCE_CLASS" "$SOURCE_LIST" "$row" 1)" \
        "Source cell of line $marked"
    local other colour
    for other in $((row - 1)) $((row + 1)); do
        [ "$other" -ge 0 ] && [ "$other" -lt "$rows" ] || continue
        colour=$(probe cell-colour "$SOURCE_CLASS" "$SOURCE_LIST" "$other" 1) || continue
        [ "$colour" != "$YELLOW" ] || fail "row $other is yellow too"
    done
    MARKED_ROW=$row
}

test_source_window_follows_the_dump_point_where_the_target_waits() {
    local dir
    dir=$(quiet_demo_folder)
    open_source_at_top_of_loop "$dir"
    wait_for 10 source_title_is "Varnolux  Thermo.bas  Dump 5" ||
        fail "title at dump 5: '$(probe title "$SOURCE_CLASS")'"
    check_source_rows 20 79 59 "Dumpw 5"
    assert_eq 39 "$MARKED_ROW" "row of the dump point's line at dump 5"

    probe click "$MAIN_CLASS" "$CONTINUE"
    wait_for 30 held_at 12 || fail "the target was not held at dump point 12"
    wait_for 10 source_title_is "Varnolux  Thermo.bas  Dump 12" ||
        fail "title at dump 12: '$(probe title "$SOURCE_CLASS")'"
    # Thermo.bas has 83 lines: no row past the last one.
    check_source_rows 34 83 73 "Dumpw 12"
    assert_eq 39 "$MARKED_ROW" "row of the dump point's line at dump 12"

    # Round the loop (through 20 when a command came, which does not wait) to
    # the sensor read, 150 in the include.
    probe click "$MAIN_CLASS" "$CONTINUE"
    wait_for 30 held_at 150 || fail "the target was not held at dump point 150"
    wait_for 10 source_title_is "Varnolux  Sensors.inc  Dump 150" ||
        fail "title at dump 150: '$(probe title "$SOURCE_CLASS")'"
    check_source_rows 1 20 19 "Dumpw 150"
    assert_eq 18 "$MARKED_ROW" "row of the dump point's line at dump 150"
    stop_sim
}

# eeprom_rows_against_truth: every row of the EEPROM window shows the bytes of the
# simulator's EEPROM truth, eight per row; prints what differs.
eeprom_rows_against_truth() {
    probe rows "$EEPROM_CLASS" "$EEPROM_LIST" >"$E2E_WORK/eeprom.txt"
    python3 - "$E2E_WORK/truth.json" "$E2E_WORK/eeprom.txt" <<'PY'
import json, sys
data = bytes.fromhex(json.load(open(sys.argv[1]))["eeprom"])
rows = [line.rstrip("\n").split("\t") for line in open(sys.argv[2], encoding="latin-1")]
if len(data) != 256 or len(rows) != 32:
    print("%d bytes, %d rows" % (len(data), len(rows)))
for r, cells in enumerate(rows):
    chunk = data[8 * r:8 * r + 8]
    want = ["%04X" % (8 * r), "  ".join("%02X" % b for b in chunk),
            "".join(chr(b) if 0x21 <= b <= 0x7E else "." for b in chunk)]
    if cells != want:
        print("row %d: %r, target %r" % (r, cells, want))
PY
}

test_eeprom_window_shows_the_targets_eeprom() {
    local dir before wrong
    dir=$(quiet_demo_folder)
    start_sim "$dir" --run-ms 300 --dumps 9
    start_varnolux "$dir"
    wait_for 30 held_at 150 || fail "the target was not held at dump point 150"
    probe command "$MAIN_CLASS" "$VIEW_EEPROM"
    probe wait-visible "$EEPROM_CLASS" 10 || fail "the EEPROM window did not open"
    assert_eq "Varnolux   EEPROM" "$(probe title "$EEPROM_CLASS")" "EEPROM title"
    assert_eq 32 "$(probe count "$EEPROM_CLASS" "$EEPROM_LIST")" "rows of a 256-byte EEPROM"
    assert_eq "00F8" "$(probe cell "$EEPROM_CLASS" "$EEPROM_LIST" 31 0)" "last row's address"
    # The simulated firmware keeps its name at 8..15; the rest of the EEPROM is erased.
    assert_eq "56  41  52  4E  4F  4C  55  58" "$(probe cell "$EEPROM_CLASS" "$EEPROM_LIST" 1 1)" \
        "hex of row 1"
    assert_eq "VARNOLUX" "$(probe cell "$EEPROM_CLASS" "$EEPROM_LIST" 1 2)" "characters of row 1"
    assert_eq "FF  FF  FF  FF  FF  FF  FF  FF" "$(probe cell "$EEPROM_CLASS" "$EEPROM_LIST" 2 1)" \
        "an erased row"
    assert_eq "........" "$(probe cell "$EEPROM_CLASS" "$EEPROM_LIST" 2 2)" "an erased row's characters"
    assert_eq E8E8E8 "$(probe cell-colour "$EEPROM_CLASS" "$EEPROM_LIST" 2 0)" "address cell"
    assert_eq FFFFFF "$(probe cell-colour "$EEPROM_CLASS" "$EEPROM_LIST" 2 1)" "data cell"
    assert_eq 0 "$(probe cut-texts "$EEPROM_CLASS" "$EEPROM_LIST")" "texts cut at the default widths"
    before=$(probe cell "$EEPROM_CLASS" "$EEPROM_LIST" 0 1)

    # The firmware writes bytes 0..7 at every dump point.
    continuous_dumps 9
    sleep 1  # timer 1 takes the last dump into the windows
    [ "$(probe cell "$EEPROM_CLASS" "$EEPROM_LIST" 0 1)" != "$before" ] ||
        fail "row 0 did not change after the dumps"
    wrong=$(eeprom_rows_against_truth)
    [ -z "$wrong" ] || fail "the EEPROM window differs from the target's EEPROM: $wrong"
    stop_sim
}

# rects_overlap "L T R B" "L T R B": whether two screen rectangles overlap.
rects_overlap() {
    local a b
    read -ra a <<<"$1"
    read -ra b <<<"$2"
    [ "${a[0]}" -lt "${b[2]}" ] && [ "${b[0]}" -lt "${a[2]}" ] &&
        [ "${a[1]}" -lt "${b[3]}" ] && [ "${b[1]}" -lt "${a[3]}" ]
}

# sfr_windows: the number of shown windows of the SFR window's class.
sfr_windows() {
    probe windows | awk -F '\t' -v c="$SFR_CLASS" '$1 == c' | wc -l
}

test_sfr_window_opens_only_once_with_the_registers_to_choose_from() {
    local dir
    dir=$(quiet_demo_folder)
    start_sim "$dir" --run-ms 300 --dumps 1
    start_varnolux "$dir"
    wait_for 30 test -s "$E2E_WORK/truth.json" || fail "no dump"
    probe command "$MAIN_CLASS" "$VIEW_SFR"
    probe wait-visible "$SFR_CLASS" 10 || fail "the SFR window did not open"
    probe command "$MAIN_CLASS" "$VIEW_SFR"
    sleep 0.5
    assert_eq 1 "$(sfr_windows)" "SFR windows after a second command"
    assert_eq "Varnolux   SFR" "$(probe title "$SFR_CLASS")" "SFR title"
    assert_eq 0 "$(probe count "$SFR_CLASS" "$SFR_DISPLAY")" "rows of the display list"
    assert_eq 10 "$(probe count "$SFR_CLASS" "$SFR_SELECT")" "the demo listing's registers"
    # No stored widths: 50 each, widened to the columns' widest texts.
    assert_eq "$(printf 'SFR\nHex\nDec\nBin')" \
        "$(probe columns "$SFR_CLASS" "$SFR_DISPLAY" | cut -f2)" "display list columns"
    assert_eq "$(printf 'SFR\nAddress')" "$(probe columns "$SFR_CLASS" "$SFR_SELECT" | cut -f2)" \
        "selection list columns"
    probe columns "$SFR_CLASS" "$SFR_DISPLAY" | awk -F'\t' '$1 < 50 { exit 1 }' ||
        fail "a display list column narrower than 50"
    assert_eq 0 "$(probe cut-texts "$SFR_CLASS" "$SFR_SELECT")" "registers cut in the selection list"
    stop_sim
}

eeprom_topmost() {
    [ "$(probe topmost "$EEPROM_CLASS")" == 1 ]
}

test_windows_keep_their_place_and_topmost_state_across_runs() {
    local dir source eeprom ini address_width
    dir=$(quiet_demo_folder)
    ini=$dir/Varnolux.ini
    start_sim "$dir" --run-ms 300
    start_varnolux "$dir"
    wait_for 30 held_at 150 || fail "the target was not held at dump point 150"
    probe command "$MAIN_CLASS" "$VIEW_SOURCE"
    probe wait-visible "$SOURCE_CLASS" 10 || fail "the Source window did not open"
    probe command "$MAIN_CLASS" "$VIEW_EEPROM"
    probe wait-visible "$EEPROM_CLASS" 10 || fail "the EEPROM window did not open"
    assert_eq 0 "$(probe topmost "$EEPROM_CLASS")" "EEPROM window topmost at first"
    probe syscommand "$EEPROM_CLASS" 144
    wait_for 5 eeprom_topmost || fail "TopMost did not take"
    source=$(probe rect "$SOURCE_CLASS")
    eeprom=$(probe rect "$EEPROM_CLASS")
    address_width=$(probe columns "$EEPROM_CLASS" "$EEPROM_LIST" | head -n 1 | cut -f1)
    ! rects_overlap "$source" "$eeprom" || fail "EEPROM ($eeprom) opened over Source ($source)"
    probe command "$MAIN_CLASS" "$EXIT"
    wait_exit "$VARNOLUX_PID" 20
    assert_eq 1 "$(ini_value "$ini" Preferences AlwaysOnTopE)" "AlwaysOnTopE"
    assert_eq 0 "$(ini_value "$ini" Preferences AlwaysOnTopS)" "AlwaysOnTopS"
    assert_eq "${source%% *}" "$(ini_value "$ini" "Source Placement" Left)" "Source Left"
    assert_eq "75" "$(ini_value "$ini" "Source Placement" Column0)" "Source Column0"
    # The default width, wide enough for the header "Address" in the list's font.
    assert_eq "$address_width" "$(ini_value "$ini" "EEPROM Placement" Column0)" "EEPROM Column0"
    [ "$address_width" -ge 59 ] || fail "EEPROM Column0 $address_width, narrower than 59"
    ini_value "$ini" "EEPROM Placement" Bottom >/dev/null || fail "no EEPROM Bottom"

    start_varnolux "$dir"
    probe command "$MAIN_CLASS" "$VIEW_SOURCE"
    probe command "$MAIN_CLASS" "$VIEW_EEPROM"
    probe wait-visible "$SOURCE_CLASS" 10 || fail "the Source window did not open again"
    probe wait-visible "$EEPROM_CLASS" 10 || fail "the EEPROM window did not open again"
    assert_eq "$source" "$(probe rect "$SOURCE_CLASS")" "Source window at the next start"
    assert_eq "$eeprom" "$(probe rect "$EEPROM_CLASS")" "EEPROM window at the next start"
    assert_eq 1 "$(probe topmost "$EEPROM_CLASS")" "EEPROM window topmost at the next start"
    stop_sim
}

test_source_window_names_a_source_file_it_cannot_read() {
    local dir
    dir=$(quiet_demo_folder)
    open_source_at_top_of_loop "$dir"
    rm "$dir/Sensors.inc"  # the include goes away while the target runs
    probe click "$MAIN_CLASS" "$CONTINUE"
    wait_for 30 held_at 12 || fail "the target was not held at dump point 12"
    probe click "$MAIN_CLASS" "$CONTINUE"
    wait_for 30 held_at 150 || fail "the target was not held at dump point 150"
    wait_for 10 source_title_is "Varnolux  SENSORS.INC  Dump 150" ||
        fail "title: '$(probe title "$SOURCE_CLASS")'"
    assert_eq 1 "$(probe count "$SOURCE_CLASS" "$SOURCE_LIST")" "rows for an unreadable file"
    local text
    text=$(probe cell "$SOURCE_CLASS" "$SOURCE_LIST" 0 1)
    [[ "$text" == *SENSORS.INC*"could not be read"* ]] || fail "the row says '$text'"
    # The main window took the same dump.
    assert_eq " DumpID 150 : sensor read" "$(probe text "$MAIN_CLASS" 115)" "dump point label"
    stop_sim
}
