# varnolux-cli.exe, the console front end built for Windows, under Wine: it
# logs the simulated target on COM1 through the Win32 serial port, and the
# values it prints are the target's RAM truth.
#
# Needs varnolux-cli.exe beside Varnolux.exe and the native simulator.

readonly CLI_EXE=$(dirname "$VARNOLUX_EXE")/varnolux-cli.exe

# cli_run DIR SECONDS ARGS...: varnolux-cli.exe in DIR; stdout and stderr in
# E2E_WORK/out and E2E_WORK/err; prints the exit status.
cli_run() {
    local dir=$1 seconds=$2 status=0
    shift 2
    (cd "$dir" && timeout -k 5 "$seconds" wine varnolux-cli.exe "$@" \
        >"$E2E_WORK/out" 2>"$E2E_WORK/err") || status=$?
    echo "$status"
}

test_cli_exe_logs_the_values_of_the_simulated_target() {
    local dir status
    [ -f "$CLI_EXE" ] || fail "no $CLI_EXE"
    dir=$(demo_folder)
    cp "$CLI_EXE" "$dir/"
    assert_eq "0" "$(cli_run "$dir" 30 --version)" "--version status"
    assert_eq "varnolux-cli $("$SIM" --version | awk '{print $2}')" "$(tr -d '\r' <"$E2E_WORK/out")" \
        "the version of the Windows build"
    # Ports are numbers on Windows: a device path is refused before anything opens.
    assert_eq "1" "$(cli_run "$dir" 30 log --port /dev/ttyS0 --count 1)" "status for a device path"

    start_sim "$dir" --run-ms 0 --dumps 40 --crc-errors 0.05 --seed 7
    status=$(cli_run "$dir" 120 log --port 1 --baud 0 --count 40 --format jsonl --radix dec \
        --timeout 60)
    stop_sim
    [ "$status" = 0 ] || fail "log ended with $status: $(cat "$E2E_WORK/err")"
    assert_eq "40" "$(wc -l <"$E2E_WORK/out")" "dumps printed"
    python3 "$REPO_ROOT/tests/e2e/last_dump_is_truth.py" "$E2E_WORK/out" "$E2E_WORK/truth.json" \
        COM1 || fail "values differ from the target's"
}

# line_end_problems FILE [MIN_LINES]: what is wrong with the line ends of FILE
# for Windows: every line ends in exactly one CR LF, none in a bare LF or in
# CR CR LF; at least MIN_LINES (default 2) lines.
line_end_problems() {
    python3 - "$1" "${2:-2}" <<'PY'
import sys
data = open(sys.argv[1], "rb").read()
lines = data.split(b"\n")
if lines[-1] != b"": print("the last line has no line end")
body = lines[:-1]
if len(body) < int(sys.argv[2]): print("%d lines" % len(body))
bare = sum(1 for l in body if not l.endswith(b"\r"))
doubled = sum(1 for l in body if l.endswith(b"\r\r"))
if bare: print("%d lines end in a bare LF" % bare)
if doubled: print("%d lines end in CR CR LF" % doubled)
PY
}

test_cli_exe_ends_every_line_in_one_cr_lf() {
    local dir problems
    [ -f "$CLI_EXE" ] || fail "no $CLI_EXE"
    dir=$(demo_folder)
    cp "$CLI_EXE" "$dir/"
    # A short session recorded by the native console, replayed by the Windows one.
    start_sim "$dir" --run-ms 0 --dumps 6
    (cd "$dir" && timeout -k 5 60 "$NATIVE_CLI" log --port "$E2E_WORK/com1" --baud 115200 \
        --count 4 --timeout 30 --record session.pcapng >/dev/null 2>&1) ||
        fail "the native recording failed"
    stop_sim
    assert_eq "0" "$(cli_run "$dir" 60 replay session.pcapng --format csv)" "csv replay status"
    cp "$E2E_WORK/out" "$E2E_WORK/replay.csv"
    problems=$(line_end_problems "$E2E_WORK/replay.csv")
    [ -z "$problems" ] || fail "csv to a file: $problems"
    [ "$(tr -d '\r' <"$E2E_WORK/replay.csv" | head -1)" = \
        "DumpId,PreviousDumpId,elapsed,VarLabel,value,previous,raw,previousRaw,elapsedSeconds" ] ||
        fail "csv header: $(head -1 "$E2E_WORK/replay.csv")"
    # jsonl through a pipe, and the messages on stderr.
    (cd "$dir" && timeout -k 5 60 wine varnolux-cli.exe replay session.pcapng --format jsonl \
        2>"$E2E_WORK/err" | cat >"$E2E_WORK/replay.jsonl") || fail "jsonl replay through a pipe"
    assert_eq "4" "$(wc -l <"$E2E_WORK/replay.jsonl")" "jsonl lines"
    problems=$(line_end_problems "$E2E_WORK/replay.jsonl")
    [ -z "$problems" ] || fail "jsonl to a pipe: $problems"
    problems=$(line_end_problems "$E2E_WORK/err" 1)
    [ -z "$problems" ] || fail "stderr: $problems"
}
