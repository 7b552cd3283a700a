#!/usr/bin/env bash
# The layer check passes on the tree and fails on a copy with an include that
# goes up or sideways: between subsystems, and between the sub-folders of a
# subsystem split by concern.
set -euo pipefail
root=$1
check=$root/scripts/check-layers.sh
"$check" "$root/src"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# file that gets the include | the include | what the report must say
while IFS='|' read -r into planted says; do
  rm -rf "$work/src"
  cp -r "$root/src" "$work/src"
  echo "#include \"$planted\"" >>"$work/src/$into"
  if out=$("$check" "$work/src"); then
    echo "FAIL: an include of $planted from $into was not caught"
    exit 1
  fi
  grep -q "${into##*/}:.*$says" <<<"$out" ||
    { echo "FAIL: the report does not name the include of $planted from $into: $out"; exit 1; }
done <<'CASES'
vars/value_format.h|app/main_title.h|vars includes app
vars/value_format.h|tools/help.h|vars includes tools
link/line/link_text.h|link/replay/run.h|link/line includes link/replay
link/ports/telnet.h|link/line/link_text.h|link/ports includes link/line
project/device/core.h|project/load/sequence.h|project/device includes project/load
cli/console/args.h|cli/log/rules.h|cli/console includes cli/log
cli/log/rules.h|cli/vars/output.h|cli/log includes cli/vars
link/line/link_text.h|link/link_text.h|unknown folder in include of link/.
CASES
echo "layer check: tree clean, planted includes caught"
