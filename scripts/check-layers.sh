#!/usr/bin/env bash
# Fails when a file under SRC_DIR includes a folder above its own: the folders
# are stacked in layers and an include may only go down (or stay in its folder).
#
#   scripts/check-layers.sh [SRC_DIR]
#
# Lists every offending include as file:line and exits 1; exits 0 on a clean tree.
set -uo pipefail
src=${1:-$(dirname "$0")/../src}
[ -d "$src" ] || { echo "check-layers: no folder $src" >&2; exit 2; }

# Rank of each folder: a file may include its own folder or one of lower rank.
declare -A rank=(
  [state]=0 [text]=0 [seams]=1
  [vars]=2 [tools]=2 [layout]=2
  [project]=3 [link]=4 [script]=5 [rules]=6 [views]=7 [app]=8 [dap]=8
  [cli]=9 [sim]=9
)

status=0
while IFS= read -r hit; do
  file=${hit%%:*}
  rest=${hit#*:}
  line=${rest%%:*}
  target=$(sed -E 's/.*#include "([a-z0-9_]+)\/.*/\1/' <<<"${rest#*:}")
  own=$(sed -E "s@^$src/?([^/]+)/.*@\1@" <<<"$file")
  [ "$own" = "$target" ] && continue
  own_rank=${rank[$own]:-}
  target_rank=${rank[$target]:-}
  if [ -z "$own_rank" ] || [ -z "$target_rank" ]; then
    echo "$file:$line: unknown folder in include of $target from $own"
    status=1
  elif [ "$target_rank" -ge "$own_rank" ]; then
    echo "$file:$line: $own includes $target, which is not below it"
    status=1
  fi
done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[a-z0-9_]+/' "$src" \
           --include='*.h' --include='*.cpp' --include='*.rc')
exit $status
