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
