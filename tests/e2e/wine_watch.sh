# The Watch window, the record diagnostics window and the About window of
# Varnolux.exe against the simulated target: the watched variables with the
# target's values and the history of the earlier dumps under their DumpIDs,
# the Watch window's own run control, its place and depth at the next start,
# the records after Refresh, and About modal over the main window.
#
# Needs the native simulator and varnolux-cli beside the Windows build
# (VARNOLUX_SIM, VARNOLUX_CLI, or build/native/).

readonly WATCH=WatchForm_Class
readonly W_LIST=2801 W_DUMPID=2802 W_DEPTH=116 W_CONTINUOUS=112 W_CONTINUE=111
readonly CMD_VIEW_WATCH=28024 CMD_EXIT=28003 CMD_ABOUT=28043 CMD_WATCH_ABOUT=28004

# open_watch: View, "Watch" in the main window; waits for the window.
open_watch() {
    probe command "$MAIN_CLASS" "$CMD_VIEW_WATCH"
    probe wait-visible "$WATCH" 10 || fail "the Watch window did not open"
}

# watch_labels: the Watch list's labels on one line.
watch_labels() {
    probe rows "$WATCH" "$W_LIST" | cut -f1 | tr '\n' ' '
}

watch_labels_are() {
    [ "$(watch_labels)" = "$1" ]
}

test_watch_shows_the_ticked_variables_with_the_values_and_history_of_the_dumps() {
    local dir row before after valueWidth wrong
    dir=$(quiet_demo_folder)
    demo_reference 6 "$E2E_WORK/dumps.jsonl"
    run_dumps "$dir" 6
    sleep 1
    if probe exists UDTDiag_Class; then fail "a record diagnostics window with UDTdisplay 0"; fi
    open_watch
    # The settings watch tick, setPoint and state; two more are ticked here.
    for label in _time trim; do
        row=$(main_row "$label")
        [ -n "$row" ] || fail "no main list row for $label"
        probe click-cell "$MAIN_CLASS" "$MAIN_LIST" "$row" 0
    done
    wait_for 10 watch_labels_are "_time setPoint state tick trim "
    assert_eq "_time setPoint state tick trim " "$(watch_labels)" "Watch rows"
    assert_eq " DumpID  $(python3 -c 'import json,sys; print(json.load(open(sys.argv[1]))["DumpId"])' \
        "$E2E_WORK/truth.json")" "$(probe text "$WATCH" "$W_DUMPID")" "DumpID label"

    # Depth 3: the window grows to the left by three Value widths.
    valueWidth=$(probe columns "$WATCH" "$W_LIST" | sed -n 2p | cut -f1)
    before=$(probe rect "$WATCH")
    probe set-text "$WATCH" "$W_DEPTH" 3
    sleep 0.5
    after=$(probe rect "$WATCH")
    local l1 t1 r1 b1 l2 t2 r2 b2
    read -r l1 t1 r1 b1 <<<"$before"
    read -r l2 t2 r2 b2 <<<"$after"
    assert_eq $((l1 - 3 * valueWidth)) "$l2" "left edge at depth 3"
    assert_eq "$r1" "$r2" "right edge at depth 3"

    probe columns "$WATCH" "$W_LIST" >"$E2E_WORK/columns.txt"
    probe rows "$WATCH" "$W_LIST" >"$E2E_WORK/watch.txt"
    wrong=$(python3 - "$E2E_WORK/truth.json" "$E2E_WORK/dumps.jsonl" "$E2E_WORK/columns.txt" \
        "$E2E_WORK/watch.txt" "$valueWidth" <<'PY'
import json, sys
truth = {v["VarLabel"]: v["value"] for v in json.load(open(sys.argv[1]))["values"]}
dumps = [json.loads(line) for line in open(sys.argv[2])]
columns = [line.rstrip("\n").split("\t") for line in open(sys.argv[3], encoding="latin-1")]
rows = [line.rstrip("\n").split("\t") for line in open(sys.argv[4], encoding="latin-1")]
width = sys.argv[5]
problems = []
if len(dumps) != 6:
    problems.append("the reference run logged %d dumps" % len(dumps))
# History column j holds the dump before the current one, j + 1 dumps back.
earlier = [dumps[-2 - j] for j in range(3)]
for j in range(8):
    w, text = columns[2 + j]
    if j < 3:
        want = "DumpID %d" % earlier[j]["DumpId"]
        if text != want or w != width:
            problems.append("history column %d: %r %s wide, want %r %s wide" % (j, text, w, want, width))
    elif w != "0":
        problems.append("history column %d beyond the depth is %s wide" % (j, w))
for cells in rows:
    label = cells[0]
    if cells[1] != truth.get(label):
        problems.append("%s: value %r, target %r" % (label, cells[1], truth.get(label)))
    for j in range(3):
        old = {v["VarLabel"]: v["value"] for v in earlier[j]["values"]}.get(label, "")
        # History cells show the number without the character view of a byte.
        if cells[2 + j].strip() != old.split()[-1]:
            problems.append("%s history %d: %r, dump %d had %r" % (label, j, cells[2 + j], earlier[j]["DumpId"], old))
print("\n".join(problems))
PY
)
    [ -z "$wrong" ] || fail "$wrong"
    stop_sim
}

# held_since MARK: the simulator's log has an "a" (rx 61, hold) after line MARK.
held_since() {
    tail -n +"$(($1 + 1))" "$E2E_WORK/sim.log" | grep -q '^rx 61$'
}

run_ons() {
    grep -c '^rx 62$' "$E2E_WORK/sim.log" || true
}

# ran_on_since N: the target has been answered "b" (rx 62) more than N times.
ran_on_since() {
    [ "$(run_ons)" -gt "$1" ]
}

# watch_dumpid_is ID: the Watch window's DumpID label names ID.
watch_dumpid_is() {
    [ "$(probe text "$WATCH" "$W_DUMPID")" == " DumpID  $1" ]
}

test_watch_continue_releases_the_held_target_and_continuous_mirrors_the_main_window() {
    local dir runs last
    dir=$(quiet_demo_folder)
    start_sim "$dir" --run-ms 300
    start_varnolux "$dir"
    open_watch
    wait_for 30 held_since 0 || fail "the target was never held"
    last=$(grep '^dump point' "$E2E_WORK/sim.log" | tail -n 1 | cut -d' ' -f3)
    wait_for 5 watch_dumpid_is "$last" ||
        fail "DumpID label '$(probe text "$WATCH" "$W_DUMPID")', target at $last"
    runs=$(run_ons)
    sleep 1
    assert_eq "$runs" "$(run_ons)" "run-on answers while held"
    probe click "$WATCH" "$W_CONTINUE"
    wait_for 10 ran_on_since "$runs" || fail "the Watch window's Continue did not release"

    probe click "$WATCH" "$W_CONTINUOUS"
    sleep 0.5
    assert_eq 1 "$(probe checked "$MAIN_CLASS" "$MAIN_CONTINUOUS")" "main Continuous after the mirror"
    assert_eq 1 "$(probe checked "$WATCH" "$W_CONTINUOUS")" "Watch Continuous"
    probe click "$MAIN_CLASS" "$MAIN_CONTINUOUS"
    sleep 0.5
    assert_eq 0 "$(probe checked "$WATCH" "$W_CONTINUOUS")" "Watch Continuous follows the main box"
    stop_sim
}

test_watch_window_comes_back_at_its_place_with_its_depth() {
    local dir rect columns
    dir=$(quiet_demo_folder)
    # A place inside the work area also after the window grows to the left.
    printf '[Watch Placement]\r\nLeft=500\r\nRight=868\r\nTop=100\r\nBottom=573\r\n' \
        >>"$dir/Varnolux.ini"
    run_dumps "$dir" 3
    open_watch
    assert_eq "500 100 868 573" "$(probe rect "$WATCH")" "the stored place"
    # Minimised, the window comes back at its place when View, "Watch" repeats.
    probe syscommand "$WATCH" 61472
    sleep 0.5
    open_watch
    wait_for 5 watch_at "500 100 868 573" || fail "View Watch left it at $(probe rect "$WATCH")"
    probe set-text "$WATCH" "$W_DEPTH" 9  # more than the box takes
    sleep 0.5
    assert_eq 7 "$(probe text "$WATCH" "$W_DEPTH")" "depth after typing 9"
    probe set-text "$WATCH" "$W_DEPTH" 2
    sleep 0.5
    rect=$(probe rect "$WATCH")
    columns=$(probe columns "$WATCH" "$W_LIST" | cut -f1 | tr '\n' ' ')
    probe command "$MAIN_CLASS" "$CMD_EXIT"
    wait_exit "$VARNOLUX_PID" 20
    assert_eq 1 "$(ini_value "$dir/Varnolux.ini" "Watch Placement" WatchVisible)" "WatchVisible"
    assert_eq 2 "$(ini_value "$dir/Varnolux.ini" "Watch Placement" HistoryDepth)" "HistoryDepth"

    # A target that talks again, as after its reset.
    stop_sim
    rm -f "$E2E_WORK/com1" "$E2E_WORK/truth.json"
    start_sim "$dir" --dumps 3
    start_varnolux "$dir"
    probe wait-visible "$WATCH" 10 || fail "the Watch window did not come back"
    assert_eq "$rect" "$(probe rect "$WATCH")" "the Watch window's place"
    assert_eq 2 "$(probe text "$WATCH" "$W_DEPTH")" "depth at the next start"
    assert_eq "$columns" "$(probe columns "$WATCH" "$W_LIST" | cut -f1 | tr '\n' ' ')" \
        "column widths at the next start"
    assert_eq "setPoint state tick " "$(watch_labels)" "watched rows at the next start"
    stop_sim
}

watch_at() {
    [ "$(probe rect "$WATCH")" == "$1" ]
}

rows_listed() {
    [ "$(probe count UDTDiag_Class 6401)" -gt 0 ]
}

test_record_diagnostics_lists_every_record_after_refresh() {
    local dir wrong
    dir=$(quiet_demo_folder)
    sed -i 's/^UDTdisplay=0\r$/UDTdisplay=1\r/' "$dir/Varnolux.ini"
    start_sim "$dir" --dumps 3
    start_varnolux "$dir"
    probe wait-visible UDTDiag_Class 10 || fail "no record diagnostics window"
    continuous_dumps 3
    sleep 1
    assert_eq 0 "$(probe count UDTDiag_Class 6401)" "rows before Refresh"
    probe click UDTDiag_Class 6402
    wait_for 10 rows_listed || fail "Refresh gave no rows"
    probe rows UDTDiag_Class 6401 >"$E2E_WORK/records.txt"
    probe columns UDTDiag_Class 6401 >"$E2E_WORK/headers.txt"
    assert_eq 0 "$(probe cut-texts UDTDiag_Class 6401)" "texts cut in the diagnostics list"
    wrong=$(python3 - "$E2E_WORK/truth.json" "$E2E_WORK/records.txt" "$E2E_WORK/headers.txt" <<'PY'
import json, sys
truth = {v["VarLabel"]: v["value"] for v in json.load(open(sys.argv[1]))["values"]}
rows = [line.rstrip("\n").split("\t") for line in open(sys.argv[2], encoding="latin-1")]
headers = [line.rstrip("\n").split("\t")[1] for line in open(sys.argv[3], encoding="latin-1")]
problems = []
if len(headers) != 37 or headers[1] != "VarLabel        " or headers[-2] != "Varlabel":
    problems.append("headers %r" % headers)
col = {h: i for i, h in reversed(list(enumerate(headers)))}
labels = set()
for i, cells in enumerate(rows):
    if cells[0] != str(i) or cells[-1] != str(i):
        problems.append("row %d numbered %r" % (i, cells[0]))
    if cells[1] != cells[-2]:
        problems.append("row %d labels %r and %r" % (i, cells[1], cells[-2]))
    labels.add(cells[1])
    if cells[1] == "setPoint":
        if cells[col["VarType       "]] != "VT_SWORD" or cells[col["VarValueInit"]] != "Init":
            problems.append("setPoint: %r" % cells)
    if cells[1] == "tick" and cells[col["VarValue"]] != " " + truth["tick"]:
        problems.append("tick: VarValue %r, target %r" % (cells[col["VarValue"]], truth["tick"]))
missing = sorted(set(truth) - labels)
if missing:
    problems.append("records missing: %s" % missing)
print("\n".join(problems))
PY
)
    [ -z "$wrong" ] || fail "$wrong"
    stop_sim
}

test_about_is_modal_over_the_main_window() {
    local dir
    dir=$(quiet_run_folder)
    start_varnolux "$dir"
    assert_eq 1 "$(probe enabled "$MAIN_CLASS")" "main window before About"
    probe command "$MAIN_CLASS" "$CMD_ABOUT"
    probe wait-visible About_Class 10 || fail "About did not open"
    assert_eq "Varnolux   Ver 1.1" "$(probe title About_Class)" "About title"
    assert_eq "Varnolux" "$(probe text About_Class 1902)" "name"
    assert_eq "1.1" "$(probe text About_Class 1904)" "version"
    assert_eq 0 "$(probe enabled "$MAIN_CLASS")" "main window while About shows"
    probe click About_Class 8
    probe wait-gone About_Class 10 || fail "Close did not close About"
    assert_eq 1 "$(probe enabled "$MAIN_CLASS")" "main window after Close"

    # The Watch window's About, closed by its close box.
    open_watch
    probe command "$WATCH" "$CMD_WATCH_ABOUT"
    probe wait-visible About_Class 10 || fail "About from the Watch window did not open"
    assert_eq 0 "$(probe enabled "$MAIN_CLASS")" "main window under the Watch window's About"
    probe close About_Class
    probe wait-gone About_Class 10 || fail "the close box did not close About"
    assert_eq 1 "$(probe enabled "$MAIN_CLASS")" "main window after the close box"
    probe command "$MAIN_CLASS" "$CMD_EXIT"
    wait_exit "$VARNOLUX_PID" 20
}

# watch_row LABEL: the Watch list's row whose Label cell is LABEL.
watch_row() {
    probe rows "$WATCH" "$W_LIST" | awk -F '\t' -v label="$1" '$1 == label { print NR - 1; exit }'
}

# watch_value_is LABEL REGEX: LABEL's value cell in the Watch list matches REGEX.
watch_value_is() {
    [[ "$(probe cell "$WATCH" "$W_LIST" "$(watch_row "$1")" 1)" =~ $2 ]]
}

# The popup's items cannot be read from another process under Wine; which ones
# show for a cell is tested natively. Here: the right click opens it, and its
# commands and the double click work on the clicked row.
test_watch_radix_commands_and_double_click() {
    local dir row
    dir=$(quiet_demo_folder)
    run_dumps "$dir" 3
    sleep 1
    open_watch
    row=$(watch_row tick)
    [[ "$(probe cell "$WATCH" "$W_LIST" "$row" 1)" =~ ^[0-9]+$ ]] || fail "tick is not decimal"
    probe rclick-cell "$WATCH" "$W_LIST" "$row" 1
    probe wait-visible "#32768" 10 || fail "no popup"
    probe popup-close
    probe wait-gone "#32768" 10 || fail "the popup stayed open"
    probe command "$WATCH" 28054  # This item as Hex
    wait_for 10 watch_value_is tick '^\$[0-9A-F]{4}$' ||
        fail "tick in the Watch window: '$(probe cell "$WATCH" "$W_LIST" "$(watch_row tick)" 1)'"
    [[ "$(probe cell "$MAIN_CLASS" "$MAIN_LIST" "$(main_row tick)" 4)" =~ ^\$[0-9A-F]{4}$ ]] ||
        fail "tick in the main list is not hexadecimal"
    [[ "$(probe cell "$WATCH" "$W_LIST" "$(watch_row setPoint)" 1)" =~ ^-?[0-9]+$ ]] ||
        fail "setPoint changed with tick"

    probe command "$WATCH" 28052  # This column as Binary
    wait_for 10 watch_value_is state '^%[01]{8}$' ||
        fail "state after the column radix: '$(probe cell "$WATCH" "$W_LIST" "$(watch_row state)" 1)'"

    probe dblclick-cell "$WATCH" "$W_LIST" "$(watch_row state)" 0
    wait_for 10 watch_labels_are "setPoint tick "
    assert_eq "setPoint tick " "$(watch_labels)" "Watch rows after the double click"
    probe command "$MAIN_CLASS" "$CMD_EXIT"
    wait_exit "$VARNOLUX_PID" 20
    # The main list's boxes, as the watched items they leave at exit.
    assert_eq tick "$(ini_value "$dir/Varnolux.ini" "Watched Items" Watch00)" "Watch00"
    assert_eq setPoint "$(ini_value "$dir/Varnolux.ini" "Watched Items" Watch01)" "Watch01"
    assert_eq "" "$(ini_value "$dir/Varnolux.ini" "Watched Items" Watch02)" "Watch02 ends the list"
    assert_eq 3 "$(ini_value "$dir/Varnolux.ini" Preferences DefaultDataRadix)" "DefaultDataRadix"
    stop_sim
}
