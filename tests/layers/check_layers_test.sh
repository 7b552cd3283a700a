#!/usr/bin/env bash
# The layer check passes on the tree and fails on a copy with an include that
# goes up (vars including app) or sideways (vars including tools).
set -euo pipefail
root=$1
check=$root/scripts/check-layers.sh
"$check" "$root/src"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for planted in 'app/main_title.h' 'tools/help.h'; do
  rm -rf "$work/src"
  cp -r "$root/src" "$work/src"
  echo "#include \"$planted\"" >>"$work/src/vars/value_format.h"
  if out=$("$check" "$work/src"); then
    echo "FAIL: an include of $planted from vars/ was not caught"
    exit 1
  fi
  grep -q "value_format.h:.*vars includes ${planted%%/*}" <<<"$out" ||
    { echo "FAIL: the report does not name the planted include: $out"; exit 1; }
done
echo "layer check: tree clean, planted includes caught"
