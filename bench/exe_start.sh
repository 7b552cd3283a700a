#!/usr/bin/env bash
# The release build's size and start-up: prints the size of BUILD_DIR/Varnolux.exe
# against 4 MB and the time from its launch under Wine to its first window
# (the main window, waiting for a project to be chosen) against 1 s, the best of
# five starts with the Wine server already running.
#
#   bench/exe_start.sh [BUILD_DIR]   (default: build/win32)
set -uo pipefail
build=$(cd "${1:-build/win32}" && pwd) || exit 2
exe=$build/Varnolux.exe
[ -f "$exe" ] || { echo "bench: no $exe" >&2; exit 2; }
work=$(mktemp -d /tmp/varnolux-bench.XXXXXX)
# shellcheck source-path=SCRIPTDIR source=../tests/e2e/private_wine_lib.sh
. "$(dirname "$0")/../tests/e2e/private_wine_lib.sh"
use_wine_prefix "$work/prefix"
case $(i686-w64-mingw32-objdump -f "$exe" 2>/dev/null) in
  *pei-i386*) export WINEARCH=win32 ;;
  *) export WINEARCH=win64 ;;
esac
cleanup() {
  stop_wine_and_xvfb
  rm -rf "$work"
}
trap cleanup EXIT

# The title names the version the build was given.
version=$(sed -nE 's/^project\(Varnolux VERSION ([0-9.]+).*/\1/p' "$(dirname "$0")/../CMakeLists.txt")
size=$(stat -c %s "$exe")
awk -v s="$size" 'BEGIN { printf "Varnolux.exe size: %.2f MB (%d bytes), %.0f %% of the 4 MB limit\n",
  s / 1048576, s, 100 * s / 4194304 }'

start_xvfb "$work" || { echo "bench: Xvfb did not start" >&2; exit 1; }
boot_prefix "$work/wineboot.log" || { echo "bench: wineboot failed" >&2; exit 1; }
wineserver -p 60  # stays up between the starts: only the program's own start is timed

# Two complete projects: the program shows its window and waits for a choice.
run=$work/run
mkdir -p "$run" && cp "$exe" "$run/"
for base in alpha beta; do : >"$run/$base.bas"; : >"$run/$base.lst"; : >"$run/$base.hex"; done
printf '[Comms]\r\nDontAsk=1\r\n' >"$run/Varnolux.ini"

best=""
for _ in 1 2 3 4 5; do
  start=$(date +%s%N)
  (cd "$run" && exec wine ./Varnolux.exe) >/dev/null 2>&1 &
  pid=$!
  shown=""
  for _ in $(seq 400); do
    if xwininfo -name "Varnolux   Ver $version" 2>/dev/null | grep -q IsViewable; then
      shown=$(date +%s%N)
      break
    fi
    sleep 0.01
  done
  kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null
  [ -n "$shown" ] || { echo "bench: the main window did not appear within 4 s" >&2; exit 1; }
  ms=$(((shown - start) / 1000000))
  [ -z "$best" ] || [ "$ms" -lt "$best" ] && best=$ms
done
awk -v ms="$best" 'BEGIN { printf "time to first window under Wine: %d ms, %.0f %% of the 1 s limit\n",
  ms, ms / 10 }'
