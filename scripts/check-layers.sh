#!/usr/bin/env bash
# Fails when a file under SRC_DIR includes a folder above its own: the folders
# are stacked in layers and an include may only go down (or stay in its folder).
# Inside a subsystem split into sub-folders by concern, the sub-folders are
# layers of their own, kept the same way.
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

# Rank of each sub-folder of a split subsystem, the same way; "." stands for
# the files right in the subsystem's folder.
declare -A sub_rank=(
  [project/device]=0 [project/sources]=0 [project/listing]=1 [project/checks]=1
  [project/load]=2
  [link/ports]=0 [link/line]=0 [link/packets]=1 [link/recording]=1 [link/modify]=2
  [link/thread]=3 [link/replay]=4
  [cli/console]=0 [cli/vars]=1 [cli/log]=1 [cli/test]=1 [cli/replay]=1 [cli/ini]=1
  [cli/dap]=1 [cli/.]=2
)
declare -A split=([project]=1 [link]=1 [cli]=1)

# The sub-folder of a path below src/ within its subsystem, into `sub` ("."
# for a file right in the subsystem's folder).
sub_of() {
  local rest=${1#*/}
  if [[ $rest == */* ]]; then sub=${rest%%/*}; else sub=.; fi
}

status=0
while IFS= read -r hit; do
  file=${hit%%:*}
  rest=${hit#*:}
  line=${rest%%:*}
  [[ ${rest#*:} =~ \"([^\"]+)\" ]] && include=${BASH_REMATCH[1]}
  target=${include%%/*}
  path=${file#"$src"}
  path=${path#/}
  own=${path%%/*}
  if [ "$own" = "$target" ]; then
    [ -n "${split[$own]:-}" ] || continue
    sub_of "$path"
    own_sub=$sub
    sub_of "$include"
    target_sub=$sub
    [ "$own_sub" = "$target_sub" ] && continue
    own_rank=${sub_rank[$own/$own_sub]:-}
    target_rank=${sub_rank[$own/$target_sub]:-}
    own="$own/$own_sub"
    target="$target/$target_sub"
  else
    own_rank=${rank[$own]:-}
    target_rank=${rank[$target]:-}
  fi
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
