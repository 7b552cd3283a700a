#!/usr/bin/env bash
# Runs the end-to-end tests tests/e2e/wine_*.sh against BUILD_DIR/Varnolux.exe under
# Wine, with a private Wine prefix and a private Xvfb display (always its own,
# even when DISPLAY is set, so CI and development runs agree). Prints PASS or FAIL
# per test and exits non-zero when any failed.
#
#   tests/e2e/run-wine-tests.sh BUILD_DIR [NAME_FILTER]
#
# NAME_FILTER (a grep pattern) runs only the test functions it matches. WINEARCH
# (default win64) chooses the prefix: win32 runs the 32-bit build under 32-bit Wine.
set -uo pipefail

here=$(cd "$(dirname "$0")" && pwd)
[ $# -ge 1 ] || { echo "usage: $0 BUILD_DIR [NAME_FILTER]" >&2; exit 2; }
build=$(cd "$1" 2>/dev/null && pwd) || { echo "e2e: no build folder $1" >&2; exit 2; }
filter=${2:-.}

export VARNOLUX_EXE=$build/Varnolux.exe UIPROBE_EXE=$build/uiprobe.exe
for f in "$VARNOLUX_EXE" "$UIPROBE_EXE"; do
    [ -f "$f" ] || { echo "e2e: $f is not built" >&2; exit 1; }
done

readonly test_timeout=180  # seconds for one test function, start to end
work=$(mktemp -d /tmp/varnolux-e2e.XXXXXX)
# shellcheck source-path=SCRIPTDIR source=private_wine_lib.sh
. "$here/private_wine_lib.sh"
use_wine_prefix "$work/prefix"
export WINEARCH=${WINEARCH:-win64}

cleanup() {
    stop_wine_and_xvfb
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

start_xvfb "$work" || { echo "e2e: Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }
if ! boot_prefix "$work/wineboot.log"; then
    echo "e2e: wineboot failed" >&2
    cat "$work/wineboot.log" >&2
    exit 1
fi

passed=0
failed=0
failures=()
for file in "$here"/wine_*.sh; do
    [ -f "$file" ] || continue
    tests=$(bash -c 'source "$1" && declare -F' _ "$file" | awk '$3 ~ /^test_/ { print $3 }')
    for name in $tests; do
        echo "$name" | grep -q -e "$filter" || continue
        export E2E_WORK=$work/$name
        mkdir -p "$E2E_WORK"
        start=$SECONDS
        timeout -k 5 "$test_timeout" bash -c 'source "$1"; source "$2"; set -eo pipefail; "$3"' \
            _ "$here/lib.sh" "$file" "$name" >"$E2E_WORK/log" 2>&1
        rc=$?
        [ $rc -eq 124 ] && echo "FAILED: no result within $test_timeout s" >>"$E2E_WORK/log"
        # Whatever the test left running goes with the Wine server.
        timeout -k 5 20 wineserver -k >/dev/null 2>&1
        timeout -k 5 20 wineserver -w >/dev/null 2>&1
        if [ $rc -eq 0 ]; then
            echo "PASS $name ($((SECONDS - start)) s)"
            passed=$((passed + 1))
        else
            echo "FAIL $name ($((SECONDS - start)) s)"
            sed 's/^/    /' "$E2E_WORK/log"
            failed=$((failed + 1))
            failures+=("$name")
        fi
    done
done

echo "e2e: $passed passed, $failed failed${failures[*]:+: ${failures[*]}}"
[ $failed -eq 0 ] && [ $passed -gt 0 ]
