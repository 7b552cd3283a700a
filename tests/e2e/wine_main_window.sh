# The main window at start-up, the single-instance guard and the settings file
# beside the program.

readonly SC_CLOSE=61536     # what the close box sends
readonly CMD_EXIT_NO_SAVE=28040

test_main_window_shows_class_title_and_status_parts() {
    local dir
    dir=$(quiet_run_folder)
    start_varnolux "$dir"

    assert_eq 1 "$(probe visible "$MAIN_CLASS")" "main window visible"
    assert_eq "Varnolux   Ver 1.1" "$(probe title "$MAIN_CLASS")" "title"
    # Part 0 is as wide as created or as its text needs; the parts after it keep
    # their widths, and the last, for the name of a recording, reaches the right edge.
    local p0 p1 p2 p3 p4
    read -r p0 p1 p2 p3 p4 <<<"$(probe parts "$MAIN_CLASS")"
    assert_eq "142 107 102 -1" "$((p1 - p0)) $((p2 - p1)) $((p3 - p2)) $p4" "status parts 1 to 4"
    [ "$p0" -ge 135 ] || fail "status part 0 ends at $p0"
    assert_eq " COM1 Auto" "$(probe status "$MAIN_CLASS" 2)" "status part 2 (port, automatic rate)"
    assert_eq "" "$(probe status "$MAIN_CLASS" 3)" "status part 3 before a project is loaded"
    # Two projects in the folder: part 0 blinks until one is chosen, all of its text shown.
    local seen="" i
    for i in $(seq 10); do
        seen=$(probe status-shown "$MAIN_CLASS" 0)
        [ -n "$seen" ] && break
        sleep 0.2
    done
    assert_eq " Waiting for file selection" "$seen" "status part 0 while no project is chosen"
}

test_second_instance_exits_at_once_with_minus_one() {
    local ini=$E2E_WORK/in.ini dir title rc
    quiet_ini "$ini"
    dir=$(run_folder "$ini")
    start_varnolux "$dir"
    title=$(probe title "$MAIN_CLASS")

    rc=$(run_varnolux "$dir" 30)
    assert_eq 255 "$rc" "exit code of the second instance (-1 as the shell sees it)"
    kill -0 "$VARNOLUX_PID" 2>/dev/null || fail "the first instance ended"
    assert_eq 1 "$(probe windows | grep -c "^$MAIN_CLASS	")" "main windows on the desktop"
    assert_eq "$title" "$(probe title "$MAIN_CLASS")" "title of the first instance"
    cmp -s "$ini" "$dir/Varnolux.ini" || fail "the second instance changed Varnolux.ini"
}

test_close_box_writes_placement_and_column_widths() {
    local dir rect columns saved
    dir=$(quiet_run_folder)
    start_varnolux "$dir"
    rect=$(probe rect "$MAIN_CLASS")
    columns=$(probe columns "$MAIN_CLASS" "$MAIN_LIST")

    probe syscommand "$MAIN_CLASS" "$SC_CLOSE"
    wait_exit "$VARNOLUX_PID" 20
    saved=$dir/Varnolux.ini

    local left top right bottom
    read -r left top right bottom <<<"$rect"
    assert_eq "$left" "$(ini_value "$saved" "Window Placement" Left)" "Left"
    assert_eq "$top" "$(ini_value "$saved" "Window Placement" Top)" "Top"
    assert_eq "$right" "$(ini_value "$saved" "Window Placement" Right)" "Right"
    assert_eq "$bottom" "$(ini_value "$saved" "Window Placement" Bottom)" "Bottom"
    # Comments are shown by default, so all seven widths are saved.
    assert_eq 7 "$(grep -c . <<<"$columns")" "columns of the main list"
    local i=0 width text
    while IFS=$'\t' read -r width text; do
        assert_eq "$width" "$(ini_value "$saved" "Window Placement" "Column$i")" "Column$i ($text)"
        i=$((i + 1))
    done <<<"$columns"
    assert_eq 1 "$(ini_value "$saved" Comms DontAsk)" "hand-written DontAsk kept"
}

test_exit_without_saving_leaves_settings_file_unchanged() {
    local ini=$E2E_WORK/in.ini dir
    # Keys a saving exit would change: zero column widths, no WatchVisible.
    crlf "; written by hand" "[Window Placement]" "Left=50" "Top=60" "Right=650" "Bottom=500" \
        "Column0=0" "Column1=0" "" "[Preferences]" "AutoExclude = 0 " "Snapsize=40" \
        "[Comms]" "DontAsk=1" "Port=1" >"$ini"
    dir=$(run_folder "$ini")
    start_varnolux "$dir"
    assert_eq "50 60 650 500" "$(probe rect "$MAIN_CLASS")" "window placed from the settings"

    probe command "$MAIN_CLASS" "$CMD_EXIT_NO_SAVE"
    wait_exit "$VARNOLUX_PID" 20
    probe wait-gone "$MAIN_CLASS" 5 || fail "main window still there"
    cmp "$ini" "$dir/Varnolux.ini" >&2 || fail "Varnolux.ini changed"
}

test_rectangle_wider_than_work_area_comes_back_at_its_width() {
    local ini=$E2E_WORK/in.ini dir
    crlf "[Window Placement]" "Left=-200" "Top=100" "Right=3000" "Bottom=500" \
        "[Comms]" "DontAsk=1" >"$ini"
    dir=$(run_folder "$ini")
    start_varnolux "$dir"

    local wl wt wr wb left top right bottom
    read -r wl wt wr wb <<<"$(probe workarea)"
    read -r left top right bottom <<<"$(probe rect "$MAIN_CLASS")"
    # Reset to the work area's width from 0; a rectangle that then equals the work
    # area horizontally is restored 2 pixels wider.
    local expectedRight=$wr
    [ "$wl" -eq 0 ] && expectedRight=$((wr + 2))
    assert_eq "0 $expectedRight" "$left $right" "left and right edge (work area $wl $wt $wr $wb)"
    assert_eq "100 500" "$top $bottom" "top and bottom edge"
}
