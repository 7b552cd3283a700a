# shellcheck shell=bash
# A private Wine prefix and a private Xvfb display, for the scripts that run
# Varnolux.exe under Wine: the end-to-end tests (through lib.sh), the soak, the
# start-up benchmark and the demo. Sourced; XVFB_PID is the display's server.

XVFB_PID=""

# use_wine_prefix DIR: Wine works in the prefix DIR, quietly, and makes it
# without the Mono and Gecko installer dialogs.
use_wine_prefix() {
    export WINEPREFIX=$1 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
}

# start_xvfb DIR: an Xvfb on a free display it picks itself, which it reports
# in DIR/display once it accepts clients (its messages in DIR/xvfb.log);
# exports DISPLAY. Fails when it did not start within 10 s.
start_xvfb() {
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$1/display" \
        >"$1/xvfb.log" 2>&1 &
    XVFB_PID=$!
    for _ in $(seq 100); do
        [ -s "$1/display" ] && break
        kill -0 "$XVFB_PID" 2>/dev/null || break
        sleep 0.1
    done
    [ -s "$1/display" ] || return 1
    DISPLAY=:$(tr -d '\n' <"$1/display")
    export DISPLAY
}

# boot_prefix LOG: makes the prefix (at most 3 min, wineboot's output in LOG)
# and waits until its Wine server is idle.
boot_prefix() {
    timeout -k 5 180 wineboot -i >"$1" 2>&1 || return 1
    timeout -k 5 60 wineserver -w
}

# stop_wine_and_xvfb: ends the prefix's Wine server and the Xvfb started here
# (also under "set -e", in an exit trap).
stop_wine_and_xvfb() {
    timeout -k 5 20 wineserver -k >/dev/null 2>&1 || true
    if [ -n "$XVFB_PID" ]; then
        kill "$XVFB_PID" 2>/dev/null || true
        wait "$XVFB_PID" 2>/dev/null || true
    fi
}

# map_com1 LINK: waits (5 s) for the simulator's pseudo-terminal at LINK and
# maps it to COM1 of the prefix; fails when it does not appear.
map_com1() {
    for _ in $(seq 50); do
        [ -e "$1" ] && break
        sleep 0.1
    done
    [ -e "$1" ] || return 1
    wine reg add 'HKLM\Software\Wine\Ports' /v COM1 /t REG_SZ /d "$(readlink -f "$1")" \
        /f >/dev/null 2>&1
    timeout -k 5 60 wineserver -w >/dev/null 2>&1
}

# varnolux_process: the Linux process of Varnolux.exe in this run's Wine prefix
# (other runs on the machine, such as a soak beside the tests, have their own).
varnolux_process() {
    local pid
    for pid in $(pgrep -f 'Varnolux\.exe'); do
        [ "$(cat "/proc/$pid/comm" 2>/dev/null)" = "Varnolux.exe" ] || continue
        tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX" ||
            continue
        echo "$pid"
        return 0
    done
    return 1
}
