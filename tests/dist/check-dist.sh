#!/usr/bin/env bash
# Checks the release zips that scripts/dist.sh wrote: every file present, both
# programs static (no DLL outside Windows' own), the settings file parses and
# equals the program's own default file, the help opens in an independent
# reader and holds every page its contents and index name, and one version
# in the names, README.txt and the exe's version resource. The demo's recorded
# session replays in the native varnolux-cli without a word of difference,
# "Try the demo.cmd" starts the program one folder up on it, the VS Code
# extension declares its debugger and brings the zip's varnolux-cli.exe as its
# adapter, and no shipped text speaks of the developers' tree.
#
#   tests/dist/check-dist.sh DIST_DIR NATIVE_BUILD
set -uo pipefail
dist=${1:?dist folder}
native=$(cd "${2:?native build folder}" && pwd)
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
           demo/PPI/P18F25K22.PPI demo/passing.vxt demo/README.txt "demo/Try the demo.cmd" \
           "demo/Thermo session.pcapng"; do
    [ -s "$dir/$f" ] || fail "$arch: $f missing or empty"
  done
  for f in demo/README.md demo/set-file-times.sh; do
    [ -e "$dir/$f" ] && fail "$arch: $f is for developers"
  done

  objdump=x86_64-w64-mingw32-objdump
  want=pei-x86-64
  [ "$arch" = win32 ] && { objdump=i686-w64-mingw32-objdump; want=pei-i386; }
  for exe in Varnolux.exe varnolux-cli.exe; do
    "$objdump" -f "$dir/$exe" | grep -q "file format $want" || fail "$arch: $exe is not $want"
    while read -r dll; do
      grep -qiE "$system_dlls" <<<"$dll" || fail "$arch: $exe needs $dll"
    done < <("$objdump" -p "$dir/$exe" | awk '/DLL Name:/ {print $3}')
    "$objdump" -h "$dir/$exe" | grep -q '\.debug_' && fail "$arch: $exe is not stripped"
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
# One machine's paths are examples, commented out: the program keeps its defaults.
text = open(sys.argv[1], encoding='ascii', newline='').read()
for key in ('PDF', 'PDFReader', 'Errata', 'Pinout', 'Logic', 'BitCalc', 'Xplorer'):
    assert key not in p['Locations'], key
    assert '\r\n;%s=' % key in text, key
PY

  # The recorded session replays with the shipped demo project, unchanged.
  (cd "$dir/demo" && "$native/varnolux-cli" replay "Thermo session.pcapng" --format jsonl) \
    >"$work/replay-$arch.jsonl" 2>"$work/replay-$arch.err" || fail "$arch: the demo session does not replay"
  grep -v 'dumps, [0-9]* packets$' "$work/replay-$arch.err" | grep . &&
    fail "$arch: the demo session's replay has words: $(cat "$work/replay-$arch.err")"
  python3 - "$work/replay-$arch.jsonl" <<'PY' || fail "$arch: the demo session lacks what the windows show"
import json, sys
dumps = [json.loads(line) for line in open(sys.argv[1])]
ids = [d["DumpId"] for d in dumps]
set_points = {v["value"] for d in dumps for v in d["values"] if v["VarLabel"] == "setPoint"}
assert len(dumps) >= 200, len(dumps)
assert ids[0] == 1 and {5, 12, 20, 150} <= set(ids), sorted(set(ids))
assert len(set_points) >= 2, set_points
PY
  grep -qaE '/tmp/|/dev/|/home/' "$dir/demo/Thermo session.pcapng" &&
    fail "$arch: the demo session names a path of the machine that recorded it"
  cmd=$(tr -d '\r' <"$dir/demo/Try the demo.cmd")
  [[ "$cmd" == *'"%~dp0..\Varnolux.exe" --replay "%~dp0Thermo session.pcapng"'* ]] ||
    fail "$arch: Try the demo.cmd does not replay the session with the program one folder up"
  grep -q $'\r$' "$dir/demo/Try the demo.cmd" || fail "$arch: Try the demo.cmd has no CR LF line ends"
  grep -q 'Try the demo.cmd' "$dir/README.txt" || fail "$arch: README.txt does not name Try the demo.cmd"

  # Texts for a Windows user: nothing of the repository or of Linux.
  while IFS= read -r -d '' text; do
    grep -HnE '/tmp/|/dev/|examples/|build/native|set-file-times|make demo|docs/[a-z-]+\.md|\.\./\.\./' \
      "$text" && fail "$arch: ${text#"$dir"/} speaks of the developers' tree"
  done < <(find "$dir" -type f \( -name '*.txt' -o -name '*.vxt' -o -name '*.cmd' -o -name '*.ini' \) -print0)

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

  # The VS Code extension: its debugger for Proton BASIC files, and the adapter
  # it starts, the zip's own varnolux-cli.exe packed beside extension.js.
  vsix=("$dir"/varnolux-*.vsix)
  if [ ! -f "${vsix[0]}" ]; then
    fail "$arch: no VS Code extension (.vsix)"
  else
    grep -q "^  $(basename "${vsix[0]}")"$'\r$' "$dir/README.txt" ||
      fail "$arch: README.txt's list of the zip leaves out $(basename "${vsix[0]}")"
    unzip -l "${vsix[0]}" | awk 'NR > 3 && $4 != "" {print "  " $4}' | grep -v '^  -*$'
    mkdir -p "$work/vsix-$arch" && unzip -q "${vsix[0]}" -d "$work/vsix-$arch"
    cmp -s "$work/vsix-$arch/extension/varnolux-cli.exe" "$dir/varnolux-cli.exe" ||
      fail "$arch: the extension's varnolux-cli.exe is not the zip's"
    python3 - "$work/vsix-$arch" "$version" <<'PY' || fail "$arch: the extension's package.json"
import json, os, re, sys
root, version = sys.argv[1], sys.argv[2]
ext = os.path.join(root, 'extension')
p = json.load(open(os.path.join(ext, 'package.json')))
assert re.fullmatch(re.escape(version) + r'(\.0)?', p['version']), p['version']
assert version in open(os.path.join(root, 'extension.vsixmanifest')).read()
main = os.path.join(ext, p['main'])
assert os.path.isfile(main), p['main']
c = p['contributes']
langs = [l for l in c['languages'] if {'.bas', '.inc'} <= set(l['extensions'])]
assert langs, c['languages']
assert {'language': langs[0]['id']} in c['breakpoints'], c['breakpoints']
d, = [d for d in c['debuggers'] if d['type'] == 'varnolux']
assert langs[0]['id'] in d['languages']
for request in ('launch', 'attach'):
    props = d['configurationAttributes'][request]['properties']
    assert {'project', 'base', 'port', 'baud', 'stopOnEntry'} <= set(props), (request, props)
assert d['initialConfigurations'][0]['type'] == 'varnolux'
assert 'varnolux.adapterPath' in c['configuration']['properties']
code = open(main).read()
assert "'varnolux-cli.exe'" in code and "['dap']" in code and 'extensionPath' in code
PY
  fi

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
