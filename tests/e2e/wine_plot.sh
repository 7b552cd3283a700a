# The Plot window of Varnolux.exe against the simulated target: opened from the
# Watch window's View menu, it draws the watched variables dump by dump; its
# "Save data..." writes the simulator's own values of every dump, also of dumps
# that came faster than the refresh and before the window was opened; "Save
# picture..." writes a PNG of the plot, and it opens again at the next start.
#
# Needs the native simulator and varnolux-cli beside the Windows build
# (VARNOLUX_SIM, VARNOLUX_CLI, or build/native/).

readonly PLOT=PlotForm_Class P_STATUS=2901
readonly CMD_SAVE_PICTURE=28071 CMD_SAVE_DATA=28072 CMD_VIEW_PLOT=28070
readonly P_WATCH=WatchForm_Class P_CMD_VIEW_WATCH=28024 P_CMD_EXIT=28003
# The file name box of the standard save dialog.
readonly DIALOG=#32770 D_FILE_NAME=1148

# plot_has_dumps N: the Plot window's line says it holds N dumps.
plot_has_dumps() {
    [[ "$(probe text "$PLOT" "$P_STATUS")" == " $1 dumps"* ]]
}

# save_as COMMAND FILE [OFFERED]: a save command of the Plot window, its dialog
# answered with FILE; waits for the file. OFFERED: a pattern the name the
# dialog offers matches.
save_as() {
    local offered
    probe command "$PLOT" "$1"
    probe wait-visible "$DIALOG" 20 || fail "no save dialog for command $1"
    if [ -n "${3:-}" ]; then
        offered=$(probe text "$DIALOG" "$D_FILE_NAME")
        [[ "$offered" =~ $3 ]] || fail "command $1 offers the name '$offered'"
    fi
    if ! probe set-text "$DIALOG" "$D_FILE_NAME" "$(winepath -w "$2")"; then
        probe children "$DIALOG" >&2
        fail "no file name box in the save dialog"
    fi
    probe dialog-click 1
    wait_for 20 test -s "$2" || fail "command $1 wrote no $2"
}

# csv_problems DUMPS CSV: what the saved CSV gets wrong against the dumps
# varnolux-cli logged (one row per dump, in order, with the DumpID and the
# watched values), and its last row against the simulator's truth; nothing
# when it is right.
csv_problems() {
    python3 - "$1" "$2" "$E2E_WORK/truth.json" <<'PY'
import csv, json, sys
dumps = [json.loads(line) for line in open(sys.argv[1])]
rows = list(csv.reader(open(sys.argv[2], newline="")))
# The truth's value texts end with the number (a byte also shows its character first).
truth = {v["VarLabel"]: v["value"].split()[-1] for v in json.load(open(sys.argv[3]))["values"]}
problems = []
header, body = rows[0], rows[1:]
if header[:2] != ["DumpID", "Seconds"] or sorted(header[2:]) != ["setPoint", "state", "tick"]:
    problems.append("header %r" % header)
if len(body) != len(dumps):
    problems.append("%d rows for %d dumps" % (len(body), len(dumps)))
last = -1.0
for n, (row, dump) in enumerate(zip(body, dumps), 1):
    raw = {v["VarLabel"]: v["raw"] for v in dump["values"]}
    want = [str(dump["DumpId"])] + [str(raw[label]) for label in header[2:]]
    got = [row[0]] + row[2:]
    if got != want:
        problems.append("dump %d: %r, the target had %r" % (n, got, want))
    if float(row[1]) < last:
        problems.append("dump %d: seconds %s before %s" % (n, row[1], last))
    last = float(row[1])
if body and body[0][1] != "0.000":
    problems.append("the first dump at %s s" % body[0][1])
if body and body[-1][2:] != [truth[label] for label in header[2:]]:
    problems.append("last row %r, the target's truth %r" % (body[-1], truth))
print("\n".join(problems))
PY
}

test_plot_saves_the_watched_values_of_every_dump_as_the_target_held_them() {
    local dir i wrong
    dir=$(quiet_demo_folder)
    demo_reference 5 "$E2E_WORK/dumps.jsonl"
    # Half a second between dumps: every dump gets its own refresh.
    start_sim "$dir" --dumps 5 --run-ms 500
    start_varnolux "$dir"
    probe command "$MAIN_CLASS" "$P_CMD_VIEW_WATCH"
    probe wait-visible "$P_WATCH" 10 || fail "the Watch window did not open"
    probe command "$P_WATCH" "$CMD_VIEW_PLOT"
    probe wait-visible "$PLOT" 10 || fail "View, Plot in the Watch window opened no Plot window"
    continuous_dumps 5
    wait_for 5 plot_has_dumps 5 ||
        fail "after 5 dumps the Plot window says '$(probe text "$PLOT" "$P_STATUS")'"
    save_as "$CMD_SAVE_DATA" "$E2E_WORK/plot.csv" '^Thermo-[0-9]{8}-[0-9]{6}\.csv$'
    save_as "$CMD_SAVE_PICTURE" "$E2E_WORK/plot.png"
    wrong=$(csv_problems "$E2E_WORK/dumps.jsonl" "$E2E_WORK/plot.csv")
    wrong+=$(python3 - "$E2E_WORK/plot.png" <<'PY'
import struct, sys
problems = []
png = open(sys.argv[1], "rb").read()
if png[:8] != b"\x89PNG\r\n\x1a\n":
    problems.append("plot.png is no PNG")
else:
    width, height = struct.unpack(">II", png[16:24])
    if width < 300 or height < 200:
        problems.append("plot.png is %dx%d" % (width, height))
print("\n".join(problems))
PY
)
    [ -z "$wrong" ] || fail "$wrong"

    # Closed with the program, it opens again at the next start.
    probe command "$MAIN_CLASS" "$P_CMD_EXIT"
    wait_exit "$VARNOLUX_PID" 20
    assert_eq 1 "$(ini_value "$dir/Varnolux.ini" Plot Visible)" "Plot Visible"
    # A target that talks again, as after its reset.
    stop_sim
    rm -f "$E2E_WORK/com1" "$E2E_WORK/truth.json"
    start_sim "$dir" --dumps 1
    start_varnolux "$dir"
    probe wait-visible "$PLOT" 10 || fail "the Plot window did not open at the next start"
    probe close "$PLOT"
    probe wait-gone "$PLOT" 10 || fail "the Plot window did not close"
    probe command "$MAIN_CLASS" "$P_CMD_EXIT"
    wait_exit "$VARNOLUX_PID" 20
    assert_eq 0 "$(ini_value "$dir/Varnolux.ini" Plot Visible)" "Plot Visible after closing it"
    stop_sim
}

# Twelve dumps with no time between them, so several come between two of the
# window's refreshes: the first two before the Plot window is opened (the
# target is held at its first dumpw), the other ten back to back once
# Continuous lets it run. Every one is a row of "Save data...".
test_plot_keeps_every_dump_however_fast_and_before_it_was_opened() {
    local dir wrong
    dir=$(quiet_demo_folder)
    demo_reference 12 "$E2E_WORK/dumps.jsonl"
    start_sim "$dir" --dumps 12 --run-ms 0
    start_varnolux "$dir"
    # Held at dump point 5, the second dump: the host answers "a".
    wait_for 30 grep -q '^rx 61$' "$E2E_WORK/sim.log" || fail "the target was not held"
    probe command "$MAIN_CLASS" "$CMD_VIEW_PLOT"
    probe wait-visible "$PLOT" 10 || fail "View, Plot opened no Plot window"
    wait_for 5 plot_has_dumps 2 ||
        fail "opened after two dumps, the Plot window says '$(probe text "$PLOT" "$P_STATUS")'"
    continuous_dumps 12
    wait_for 5 plot_has_dumps 12 ||
        fail "after 12 dumps the Plot window says '$(probe text "$PLOT" "$P_STATUS")'"
    save_as "$CMD_SAVE_DATA" "$E2E_WORK/plot.csv"
    wrong=$(csv_problems "$E2E_WORK/dumps.jsonl" "$E2E_WORK/plot.csv")
    [ -z "$wrong" ] || fail "$wrong"
    probe command "$MAIN_CLASS" "$P_CMD_EXIT"
    wait_exit "$VARNOLUX_PID" 20
    stop_sim
}

# caption_on_screen CLASS: the window's title bar lies inside the work area.
caption_on_screen() {
    local l t r b wl wt wr wb
    read -r l t r b <<<"$(probe caption "$1")"
    read -r wl wt wr wb <<<"$(probe workarea)"
    [ "$t" -ge "$wt" ] && [ "$b" -le "$wb" ] && [ "$l" -lt "$wr" ] && [ "$r" -gt "$wl" ] &&
        [ "$b" -gt "$t" ]
}

# Maximised, each window that can be (the Plot and the SFR window; the main
# window has no maximise box) keeps its title bar on screen, so that its
# caption buttons and its system menu stay in reach.
test_a_maximised_window_keeps_its_caption_on_screen() {
    local dir class command pair
    dir=$(quiet_demo_folder)
    start_sim "$dir" --dumps 2
    start_varnolux "$dir"
    continuous_dumps 2
    for pair in "$PLOT:$CMD_VIEW_PLOT" "SFRForm_Class:28062"; do
        class=${pair%%:*} command=${pair#*:}
        probe command "$MAIN_CLASS" "$command"
        probe wait-visible "$class" 10 || fail "command $command opened no $class"
        probe syscommand "$class" 61488  # SC_MAXIMIZE
        sleep 1
        caption_on_screen "$class" ||
            fail "maximised $class: title bar at $(probe caption "$class"), window at" \
                "$(probe rect "$class"), work area $(probe workarea)"
        probe syscommand "$class" 61728  # SC_RESTORE
    done
    probe command "$MAIN_CLASS" "$P_CMD_EXIT"
    wait_exit "$VARNOLUX_PID" 20
    stop_sim
}
