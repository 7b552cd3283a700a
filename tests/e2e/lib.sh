# Helpers for the end-to-end tests under Wine. Sourced by run-wine-tests.sh for
# every test function; the runner exports VARNOLUX_EXE, UIPROBE_EXE, E2E_WORK (an
# empty folder of this test), WINEPREFIX, WINEDEBUG and DISPLAY.
#
# A test is a bash function named test_* in a file tests/e2e/wine_*.sh. It runs
# under "set -e -o pipefail": the first failing command ends it (the helpers below
# print why); every wait has a time-out.

MAIN_CLASS=VarnoluxMain_Class
VARNOLUX_PID=""

fail() {
    echo "FAILED: $*" >&2
    return 1
}

# probe ARGS...: runs uiprobe; its output on stdout, its complaints on stderr.
probe() {
    timeout -k 5 30 wine "$UIPROBE_EXE" "$@"
}

# assert_eq EXPECTED ACTUAL WHAT
assert_eq() {
    [ "$1" == "$2" ] && return 0
    fail "$3: expected '$1', got '$2'"
}

# crlf TEXT...: the lines joined with CR LF, as a settings file written on Windows.
crlf() {
    printf '%s\r\n' "$@"
}

# run_folder [INI_FILE]: a new folder with Varnolux.exe, two complete projects (so
# the program waits for a choice and reads no project file) and, when given, the
# settings file. Prints the folder's path.
run_folder() {
    local dir
    dir=$(mktemp -d "$E2E_WORK/run.XXXXXX") || return 1
    cp "$VARNOLUX_EXE" "$dir/Varnolux.exe" || return 1
    local base
    for base in alpha beta; do
        : >"$dir/$base.bas"
        : >"$dir/$base.lst"
        : >"$dir/$base.hex"
    done
    if [ $# -ge 1 ]; then cp "$1" "$dir/Varnolux.ini" || return 1; fi
    echo "$dir"
}

# A settings file that only skips the COM port question.
quiet_ini() {
    crlf "[Comms]" "DontAsk=1" >"$1"
}

# start_varnolux DIR [ARGS...]: starts the program in DIR in the background and
# waits until its main window is shown (20 s). Sets VARNOLUX_PID.
start_varnolux() {
    local dir=$1
    shift
    (cd "$dir" && exec wine ./Varnolux.exe "$@") >"$E2E_WORK/varnolux.out" 2>&1 &
    VARNOLUX_PID=$!
    probe wait-visible "$MAIN_CLASS" 20 || fail "the main window was not shown"
}

# run_varnolux DIR SECONDS [ARGS...]: runs the program in the foreground and prints
# its exit code as the shell sees it (0..255; 124 when it did not end in time).
run_varnolux() {
    local dir=$1 seconds=$2
    shift 2
    (cd "$dir" && timeout -k 5 "$seconds" wine ./Varnolux.exe "$@") >/dev/null 2>&1
    echo $?
}

# wait_exit PID SECONDS: waits for a background process started by this test;
# fails when it is still running after SECONDS.
wait_exit() {
    local pid=$1 tenths=$(($2 * 10))
    while kill -0 "$pid" 2>/dev/null; do
        if [ "$tenths" -le 0 ]; then
            fail "process $pid still running after $2 s"
            return 1
        fi
        sleep 0.1
        tenths=$((tenths - 1))
    done
    wait "$pid" 2>/dev/null
    return 0
}

# ini_value FILE SECTION KEY: the value as the private-profile functions read it
# (section and key without regard to case, blanks around the value removed).
ini_value() {
    tr -d '\r' <"$1" | awk -v section="$2" -v key="$3" '
        BEGIN { section = tolower(section); key = tolower(key) }
        /^[ \t]*\[/ {
            name = $0
            sub(/^[ \t]*\[/, "", name)
            sub(/\].*$/, "", name)
            inside = tolower(name) == section
            next
        }
        inside {
            eq = index($0, "=")
            if (eq == 0) next
            k = substr($0, 1, eq - 1)
            gsub(/^[ \t]+|[ \t]+$/, "", k)
            if (tolower(k) != key) next
            v = substr($0, eq + 1)
            gsub(/^[ \t]+|[ \t]+$/, "", v)
            print v
            found = 1
            exit
        }
        END { exit found ? 0 : 1 }'
}

# The native simulator: VARNOLUX_SIM, or build/native/varnolux-sim beside the
# Windows build.
readonly SIM=${VARNOLUX_SIM:-$(dirname "$VARNOLUX_EXE")/../native/varnolux-sim}
SIM_PID=""

# demo_folder: a new folder with the demo project, the program and fresh file
# times. Prints the folder's path.
demo_folder() {
    local root dir
    root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
    dir=$(mktemp -d "$E2E_WORK/demo.XXXXXX") || return 1
    cp -R "$root/examples/demo/." "$dir/" || return 1
    cp "$VARNOLUX_EXE" "$dir/Varnolux.exe" || return 1
    sh "$dir/set-file-times.sh" "$dir" || return 1
    echo "$dir"
}

# start_sim DIR ARGS...: the simulator on the project in DIR, its terminal
# mapped to COM1 of the Wine prefix; log and truth files in E2E_WORK.
start_sim() {
    local dir=$1
    shift
    [ -x "$SIM" ] || fail "no simulator at $SIM"
    "$SIM" --project "$dir" --link "$E2E_WORK/com1" --log "$E2E_WORK/sim.log" \
        --truth "$E2E_WORK/truth.json" "$@" >"$E2E_WORK/sim.out" 2>&1 &
    SIM_PID=$!
    local i
    for i in $(seq 50); do
        [ -e "$E2E_WORK/com1" ] && break
        sleep 0.1
    done
    [ -e "$E2E_WORK/com1" ] || fail "the simulator made no terminal"
    wine reg add 'HKLM\Software\Wine\Ports' /v COM1 /t REG_SZ /d "$(readlink -f "$E2E_WORK/com1")" \
        /f >/dev/null 2>&1
    timeout -k 5 30 wineserver -w >/dev/null 2>&1
}

stop_sim() {
    [ -n "$SIM_PID" ] && kill "$SIM_PID" 2>/dev/null && wait "$SIM_PID" 2>/dev/null
    SIM_PID=""
    return 0
}

# wait_for SECONDS COMMAND...: polls every 0.2 s until the command succeeds.
wait_for() {
    local tenths=$(($1 * 5))
    shift
    while ! "$@" 2>/dev/null; do
        [ "$tenths" -le 0 ] && return 1
        sleep 0.2
        tenths=$((tenths - 1))
    done
}
