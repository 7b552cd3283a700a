#!/usr/bin/env bash
# Runs Varnolux.exe under Wine on the bundled demo project (examples/demo).
#
#   scripts/demo.sh BUILD_DIR
#
# The project files and the program are copied into build/demo/run, so nothing is
# built into the source tree. With a DISPLAY the program runs there until its
# window is closed. Without one the script starts its own Xvfb, lets the program
# run for a while, saves a screenshot and prints its path.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
[ $# -ge 1 ] || { echo "usage: $0 BUILD_DIR" >&2; exit 2; }
build=$(cd "$1" && pwd)
exe=$build/Varnolux.exe
[ -f "$exe" ] || { echo "demo: $exe is not built" >&2; exit 1; }

out=$root/build/demo
run=$out/run
screenshot=$out/varnolux-demo.png
readonly headless_seconds=15

# shellcheck source-path=SCRIPTDIR source=../tests/e2e/private_wine_lib.sh
. "$root/tests/e2e/private_wine_lib.sh"
# The demo keeps its own Wine prefix under build/demo, made once and reused.
use_wine_prefix "$out/wineprefix"
export WINEARCH=win64
target_pid=""

cleanup() {
    if [ -n "$target_pid" ]; then
        kill "$target_pid" 2>/dev/null || true
        wait "$target_pid" 2>/dev/null || true
    fi
    stop_wine_and_xvfb
}
trap cleanup EXIT
trap 'exit 130' INT TERM

prepare_run_folder() {
    rm -rf "$run"
    mkdir -p "$run"
    if [ -d "$root/examples/demo" ]; then
        cp -R "$root/examples/demo/." "$run/"
        # A fresh compile's file times, so the consistency checks see no stale build.
        sh "$run/set-file-times.sh" "$run"
    else
        echo "demo: examples/demo is missing; the program starts without a project" >&2
    fi
    cp "$exe" "$run/Varnolux.exe"
    # The demo's own start: the main window wide enough for the Comment column,
    # the Watch window open beside it, the Stop rules window below and the Plot
    # window under the Watch window, each trace on its own scale. Two stop
    # rules: a log point at the top of the control loop, and a hold after the
    # heater was switched on the eighth pass while too warm, which fires
    # during the demo.
    printf '%s\r\n' '[Window Placement]' 'Left=8' 'Top=8' 'Right=808' 'Bottom=560' \
        'Column6=260' '[Watch Placement]' 'Left=816' 'Top=8' 'Right=1184' 'Bottom=481' \
        'WatchVisible=1' '[Stop Rules Placement]' 'Left=8' 'Top=568' 'Right=808' 'Bottom=1016' \
        'Column0=170' 'Column1=230' 'Column2=60' 'Column3=210' 'Column4=60' \
        '[Plot]' 'Left=816' 'Top=488' 'Right=1272' 'Bottom=1000' 'Visible=1' 'SharedScale=0' \
        '[Stop Rules]' 'Count=2' 'Rule1=1,5,log,0,50,10' 'Condition1=' \
        'Log1=T={temperature} set={setPoint} heating={heating}' \
        'Rule2=1,12,hold,0,50,10' 'Condition2=tick = 8 And temperature > setPoint' \
        >>"$run/Varnolux.ini"
}

prepare_wine() {
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        echo "demo: preparing the Wine prefix (once)"
        boot_prefix "$out/wineboot.log" ||
            { echo "demo: wineboot failed, see $out/wineboot.log" >&2; exit 1; }
    fi
    # The title-bar buttons are Marlett glyphs (package fonts-wine); this Wine
    # does not look for its own fonts in /usr/share/wine/fonts, so the prefix
    # gets a copy in its Fonts folder.
    cp -n /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
    timeout -k 5 60 wineserver -w
}

# The target: the simulator of the native build plays the demo's firmware on a
# pseudo-terminal at the wire speed of its rate, mapped to COM1 of the prefix.
start_target() {
    local sim=$root/build/native/varnolux-sim
    if [ ! -x "$sim" ]; then
        echo "demo: $sim is not built; the program runs without a target" >&2
        return 0
    fi
    rm -f "$out/com1"
    "$sim" --project "$run" --link "$out/com1" --pace --run-ms 400 --log "$out/target.log" \
        >"$out/target.out" 2>"$out/target.err" &
    target_pid=$!
    map_com1 "$out/com1" || { echo "demo: the simulator made no terminal" >&2; return 0; }
}

# Headless: inside a Wine virtual desktop, which draws the title bars that the
# bare X server lacks; the screenshot is taken after headless_seconds.
run_headless() {
    (cd "$run" && exec wine explorer /desktop=varnolux,1280x1024 Varnolux.exe) \
        >"$out/varnolux.log" 2>&1 &
    # Continuous, so the Plot window has a run of dumps to draw; then View ->
    # Stop rules, each sent inside the same Wine desktop as the program.
    if [ -f "$build/uiprobe.exe" ]; then
        sleep 5
        timeout 20 wine explorer /desktop=varnolux,1280x1024 "$build/uiprobe.exe" click \
            VarnoluxMain_Class 120 >"$out/uiprobe.log" 2>&1 || true
    fi
    sleep "$headless_seconds"
    if [ -f "$build/uiprobe.exe" ]; then
        timeout 20 wine explorer /desktop=varnolux,1280x1024 "$build/uiprobe.exe" command \
            VarnoluxMain_Class 28090 >>"$out/uiprobe.log" 2>&1 || true
        sleep 2
    fi
    import -display "$DISPLAY" -window root "$screenshot"
    echo "$screenshot"
}

run_on_display() {
    cd "$run"
    wine Varnolux.exe >"$out/varnolux.log" 2>&1 || true
}

headless=0
[ -n "${DISPLAY:-}" ] || headless=1

# The steps in order; a target for the program to talk to is set up after
# prepare_wine, before the program runs.
mkdir -p "$out"
prepare_run_folder
[ $headless -eq 0 ] || start_xvfb "$out" || { echo "demo: Xvfb did not start" >&2; exit 1; }
prepare_wine
start_target
if [ $headless -eq 1 ]; then
    run_headless
else
    run_on_display
fi
