# The main window's frame: the TopMost item of the system menu, "Exit" before a
# project is chosen, and the controls that wait for a project.

readonly SC_CLOSE_BOX=61536
readonly SYS_TOPMOST=150
readonly CMD_EXIT=28003

# wait_topmost STATE: polls until the main window's topmost state is STATE (5 s).
wait_topmost() {
    local i
    for i in $(seq 25); do
        [ "$(probe topmost "$MAIN_CLASS")" == "$1" ] && return 0
        sleep 0.2
    done
    fail "topmost state did not become $1"
}

test_topmost_item_toggles_and_is_kept_for_the_next_run() {
    local dir
    dir=$(quiet_run_folder)
    start_varnolux "$dir"
    assert_eq 0 "$(probe topmost "$MAIN_CLASS")" "topmost at the first start"

    probe syscommand "$MAIN_CLASS" "$SYS_TOPMOST"
    wait_topmost 1
    probe syscommand "$MAIN_CLASS" "$SC_CLOSE_BOX"
    wait_exit "$VARNOLUX_PID" 20
    assert_eq 1 "$(ini_value "$dir/Varnolux.ini" Preferences AlwaysOnTop)" "AlwaysOnTop saved"

    start_varnolux "$dir"
    assert_eq 1 "$(probe topmost "$MAIN_CLASS")" "topmost again at the next start"
    probe syscommand "$MAIN_CLASS" "$SYS_TOPMOST"
    wait_topmost 0
    probe syscommand "$MAIN_CLASS" "$SC_CLOSE_BOX"
    wait_exit "$VARNOLUX_PID" 20
    assert_eq 0 "$(ini_value "$dir/Varnolux.ini" Preferences AlwaysOnTop)" "AlwaysOnTop undone"
}

test_exit_before_a_project_is_chosen_writes_no_settings() {
    local dir
    dir=$(run_folder)
    # Without a settings file the start says so once, before the window shows.
    (cd "$dir" && exec wine ./Varnolux.exe) >"$E2E_WORK/varnolux.out" 2>&1 &
    VARNOLUX_PID=$!
    probe dialog 20 | grep -q "Varnolux.ini not found - the built-in settings are used" ||
        fail "no word of the missing settings file"
    probe dialog-click 1
    probe wait-visible "$MAIN_CLASS" 20 || fail "the main window was not shown"
    probe command "$MAIN_CLASS" "$CMD_EXIT"
    wait_exit "$VARNOLUX_PID" 20
    [ ! -e "$dir/Varnolux.ini" ] || fail "Varnolux.ini was written"
}

test_project_controls_wait_for_a_project() {
    local dir id
    dir=$(quiet_run_folder)
    start_varnolux "$dir"
    for id in 101 104 105 106 120 113 119; do
        assert_eq 0 "$(probe enabled "$MAIN_CLASS" "$id")" "control $id before a project is chosen"
    done
    assert_eq 1 "$(probe enabled "$MAIN_CLASS" 107)" "the project chooser"
}
