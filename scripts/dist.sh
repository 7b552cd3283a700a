#!/usr/bin/env bash
# Writes the release zips dist/Varnolux-<version>-win32.zip and -win64.zip from
# the built programs: Varnolux.exe and varnolux-cli.exe of build/win32 and
# build/win64, the default settings file and the version from the native
# varnolux-cli, the help compiled from docs/help, README.txt and the demo.
#
#   scripts/dist.sh [OUT_DIR]   (default: dist)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/dist}
cli=$root/build/native/varnolux-cli
version=$("$cli" --version | awk '{print $2}')
[ -n "$version" ] || { echo "dist: no version from $cli" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The help: chmcmd writes the .chm beside its project file.
cp -r "$root/docs/help" "$work/help"
(cd "$work/help" && chmcmd Varnolux.hhp >"$work/chmcmd.log" 2>&1) || {
  cat "$work/chmcmd.log" >&2; exit 1; }
"$cli" ini >"$work/Varnolux.ini"

mkdir -p "$out"
out=$(cd "$out" && pwd)
for arch in win32 win64; do
  build=$root/build/$arch
  stage=$work/$arch
  mkdir -p "$stage/demo"
  cp "$build/Varnolux.exe" "$build/varnolux-cli.exe" "$stage/"
  cp "$work/help/Varnolux.chm" "$work/Varnolux.ini" "$stage/"
  sed -e "s/@VERSION@/$version/" -e "s/@ARCH@/$arch/" "$root/docs/release-readme.txt" |
    sed 's/$/\r/' >"$stage/README.txt"
  cp -r "$root/examples/demo/." "$stage/demo/"
  rm -f "$stage/demo/set-file-times.sh"
  # The times of a fresh compile, so the sample passes the file-time checks.
  sh "$root/examples/demo/set-file-times.sh" "$stage/demo"
  zip="$out/Varnolux-$version-$arch.zip"
  rm -f "$zip"
  (cd "$stage" && zip -q -r -X "$zip" .)
  echo "$zip"
done
