#!/usr/bin/env bash
# Checks the release zips that scripts/dist.sh wrote: every file present, both
# programs static (no DLL outside Windows' own), the settings file parses and
# equals the program's own default file, the help opens in an independent
# reader and holds every page its contents and index name, and one version
# in the names, README.txt and the exe's version resource.
#
#   tests/dist/check-dist.sh DIST_DIR NATIVE_BUILD
set -uo pipefail
dist=${1:?dist folder}
native=${2:?native build folder}
help=$(cd "$(dirname "$0")/../../docs/help" && pwd)
version=$("$native/varnolux-cli" --version | awk '{print $2}')
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# Windows' own DLLs; anything else would have to ship beside the exe.
system_dlls='^(kernel32|user32|gdi32|comctl32|comdlg32|advapi32|shell32|ole32|oleaut32|gdiplus|msvcrt|ws2_32|shlwapi|version|uxtheme|imm32|winmm|api-ms-win-.*)\.dll$'

for arch in win32 win64; do
  zip=$dist/Varnolux-$version-$arch.zip
  [ -f "$zip" ] || { fail "$zip missing"; continue; }
  dir=$work/$arch
  mkdir -p "$dir" && unzip -q "$zip" -d "$dir"
  for f in Varnolux.exe varnolux-cli.exe Varnolux.ini Varnolux.chm README.txt \
           demo/Thermo.bas demo/Thermo.lst demo/Thermo.hex demo/Varnolux.ini \
           demo/PPI/P18F25K22.PPI demo/passing.vxt; do
    [ -s "$dir/$f" ] || fail "$arch: $f missing or empty"
  done

  objdump=x86_64-w64-mingw32-objdump
  want=pei-x86-64
  [ "$arch" = win32 ] && { objdump=i686-w64-mingw32-objdump; want=pei-i386; }
  for exe in Varnolux.exe varnolux-cli.exe; do
    "$objdump" -f "$dir/$exe" | grep -q "file format $want" || fail "$arch: $exe is not $want"
    while read -r dll; do
      grep -qiE "$system_dlls" <<<"$dll" || fail "$arch: $exe needs $dll"
    done < <("$objdump" -p "$dir/$exe" | awk '/DLL Name:/ {print $3}')
  done

  "$native/varnolux-cli" ini | cmp -s - "$dir/Varnolux.ini" ||
    fail "$arch: Varnolux.ini is not the program's default settings file"
  python3 - "$dir/Varnolux.ini" <<'PY' || fail "$arch: Varnolux.ini does not parse"
import configparser, sys
p = configparser.ConfigParser(comment_prefixes=(';',), interpolation=None, strict=True)
p.optionxform = str
p.read(sys.argv[1], encoding='ascii')
for section in ('Comms', 'Preferences', 'Window Placement', 'Watch Placement', 'Locations', 'Debug'):
    assert p.has_section(section), section
assert p['Comms']['Port'] == '1' and p['Comms']['Baud'] == '0'
assert p['Preferences']['PropFont'] == 'Tahome'
PY

  grep -q "Varnolux $version for Windows ($arch)" "$dir/README.txt" || fail "$arch: README.txt names no version"
  grep -q $'\r$' "$dir/README.txt" || fail "$arch: README.txt has no CR LF line ends"
  python3 - "$dir/Varnolux.exe" "$version" <<'PY' || fail "$arch: version resource is not $version"
import sys
data = open(sys.argv[1], 'rb').read()
key = 'ProductVersion'.encode('utf-16-le')
at = data.find(key)
assert at >= 0, 'no ProductVersion'
at += len(key)
while data[at:at + 2] == b'\0\0':  # the key's end and the padding
    at += 2
value = data[at:at + 2 * len(sys.argv[2]) + 2].decode('utf-16-le')
assert value == sys.argv[2] + '\0', value
PY

  enum_chmLib "$dir/Varnolux.chm" >"$work/chm-$arch.txt" 2>&1 || fail "$arch: the help does not open"
  for page in $(grep -ohE 'name="Local" value="[^"]+"' "$help/toc.hhc" "$help/index.hhk" |
                sed -E 's/.*value="([^"]+)"/\1/' | sort -u); do
    grep -qE "[[:space:]]/$page\$" "$work/chm-$arch.txt" || fail "$arch: the help lacks $page"
  done
done

# Every page of the help is in its contents, so none is unreachable.
for page in "$help"/*.html; do
  grep -q "value=\"$(basename "$page")\"" "$help/toc.hhc" || fail "$(basename "$page") is not in the contents"
done

[ "$failures" -eq 0 ] && echo "dist: both zips hold what a release needs ($version)"
exit $((failures > 0))
