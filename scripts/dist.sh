#!/usr/bin/env bash
# Writes the release zips dist/Varnolux-<version>-win32.zip and -win64.zip from
# the built programs: Varnolux.exe and varnolux-cli.exe of build/win32 and
# build/win64, the default settings file and the version from the native
# varnolux-cli, the help compiled from docs/help, README.txt and the demo with
# a session of it recorded from the native simulator, which "Try the
# demo.cmd" replays, and the VS Code extension (editors/vscode) packed by vsce
# with that zip's varnolux-cli.exe inside, which it starts as its adapter.
#
#   scripts/dist.sh [OUT_DIR [ARCH...]]   (default: dist, win32 win64)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/dist}
shift $(($# > 0 ? 1 : 0))
arches=("$@")
[ ${#arches[@]} -gt 0 ] || arches=(win32 win64)
cli=$root/build/native/varnolux-cli
sim=$root/build/native/varnolux-sim
version=$("$cli" --version | awk '{print $2}')
[ -n "$version" ] || { echo "dist: no version from $cli" >&2; exit 1; }
recording="Thermo session.pcapng"
vsix_version=$version
[[ "$vsix_version" =~ ^[0-9]+\.[0-9]+$ ]] && vsix_version=$vsix_version.0

work=$(mktemp -d)
sim_pid=""
cleanup() {
  [ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null && wait "$sim_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

crlf() { sed 's/\r*$/\r/' "$@"; }

# The help: chmcmd writes the .chm beside its project file.
cp -r "$root/docs/help" "$work/help"
(cd "$work/help" && chmcmd Varnolux.hhp >"$work/chmcmd.log" 2>&1) || {
  cat "$work/chmcmd.log" >&2; exit 1; }
"$cli" ini >"$work/Varnolux.ini"

# The demo folder, the same in both zips: the project with the times of a
# fresh compile, texts for Windows, and the session recorded from it.
demo=$work/demo
mkdir -p "$demo"
cp -r "$root/examples/demo/." "$demo/"
rm -f "$demo/set-file-times.sh" "$demo/README.md"
crlf "$root/docs/demo-readme.txt" >"$demo/README.txt"
crlf "$root/docs/try-the-demo.cmd" >"$demo/Try the demo.cmd"
# The room's temperature is watched too, so the Plot tells the thermostat's
# story, and the Watch window opens with three columns of history.
sed -i 's/^Watch03=\r$/Watch03=temperature\r\nWatch04=\r/' "$demo/Varnolux.ini"
grep -q '^Watch03=temperature' "$demo/Varnolux.ini" || { echo "dist: demo/Varnolux.ini changed" >&2; exit 1; }
printf '[Watch Placement]\r\nHistoryDepth=3\r\n' >>"$demo/Varnolux.ini"
sh "$root/examples/demo/set-file-times.sh" "$demo"
# The simulator's terminal is linked as COM1 in the folder for the time of the
# recording, which names its port so: a Windows name, as the replay shows it.
"$sim" --project "$demo" --link "$demo/COM1" >"$work/sim.log" 2>&1 &
sim_pid=$!
for _ in $(seq 100); do [ -e "$demo/COM1" ] && break; sleep 0.1; done
(cd "$demo" && "$cli" test "$root/scripts/demo-session.vxt" --port COM1 --baud 115200 \
  --record "$demo/$recording") >"$work/session.log" 2>&1 || {
  cat "$work/session.log" "$work/sim.log" >&2; echo "dist: the demo session was not recorded" >&2
  exit 1; }
kill "$sim_pid" && wait "$sim_pid" 2>/dev/null || true
sim_pid=""
rm -f "$demo/COM1"

mkdir -p "$out"
out=$(cd "$out" && pwd)
for arch in "${arches[@]}"; do
  build=$root/build/$arch
  stage=$work/$arch
  mkdir -p "$stage"
  cp "$build/Varnolux.exe" "$build/varnolux-cli.exe" "$stage/"
  cp "$work/help/Varnolux.chm" "$work/Varnolux.ini" "$stage/"
  sed -e "s/@VERSION@/$version/" -e "s/@ARCH@/$arch/" \
    -e "s/@VSIX@/varnolux-$vsix_version.vsix/" "$root/docs/release-readme.txt" |
    crlf >"$stage/README.txt"
  cp -rp "$demo" "$stage/demo"
  # vsce wants three numbers in a version; it asks nothing with no terminal.
  ext=$work/vscode-$arch
  cp -r "$root/editors/vscode" "$ext"
  sed -i "s/@VERSION@/$vsix_version/" "$ext/package.json"
  cp "$build/varnolux-cli.exe" "$ext/"
  (cd "$ext" && "$root/scripts/vsce/node_modules/.bin/vsce" package --no-dependencies \
    --skip-license --allow-missing-repository -o "$stage/varnolux-$vsix_version.vsix" \
    </dev/null >"$work/vsce-$arch.log" 2>&1) || {
    cat "$work/vsce-$arch.log" >&2; echo "dist: the VS Code extension was not packed" >&2; exit 1; }
  zip="$out/Varnolux-$version-$arch.zip"
  rm -f "$zip"
  (cd "$stage" && zip -q -r -X "$zip" .)
  echo "$zip"
done
