#!/usr/bin/env bash
# Runs every libFuzzer harness of BUILD_DIR (the asan preset's build) for
# SECONDS each, JOBS at a time, and prints how many inputs each one tried.
#
#   fuzz/run-fuzzers.sh BUILD_DIR SECONDS [CORPUS_ROOT] [JOBS]
#
# CORPUS_ROOT/<fuzzer>/ keeps the inputs each run found worth keeping, for the
# next run; without CORPUS_ROOT a temporary folder is used and removed. The
# seeds are the repository's project fixtures and fuzz/seeds. A finding is
# saved as CORPUS_ROOT/findings/<fuzzer>-crash-* (kept, with its log, also when
# the folder is temporary) and makes the script exit 1.
set -uo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/.." && pwd)
[ $# -ge 2 ] || { echo "usage: $0 BUILD_DIR SECONDS [CORPUS_ROOT] [JOBS]" >&2; exit 2; }
build=$(cd "$1" && pwd) || exit 2
seconds=$2
jobs=${4:-2}
if [ -n "${3:-}" ]; then
    corpus=$3
    mkdir -p "$corpus" || exit 2
    corpus=$(cd "$corpus" && pwd)
    temporary=0
else
    corpus=$(mktemp -d /tmp/varnolux-fuzz.XXXXXX)
    temporary=1
fi
mkdir -p "$corpus/findings" "$corpus/logs"
# Short allocation stacks and a small quarantine: several times the inputs a
# second, and a use after free is still caught within 16 MB of later frees.
export ASAN_OPTIONS=${ASAN_OPTIONS:-malloc_context_size=2:quarantine_size_mb=16}

# seeds NAME: the seed files of a fuzzer, one path a line.
seeds() {
    case $1 in
    listing_fuzzer) find "$root/examples" "$root/tests/fixtures" -name '*.lst' ;;
    source_fuzzer) find "$root/examples" "$root/tests/fixtures" -name '*.bas' -o -name '*.inc' ;;
    device_fuzzer) find "$root/examples" "$root/tests/fixtures" -name '*.PPI' ;;
    settings_fuzzer) find "$root/examples" "$root/tests/fixtures" -name '*.ini' ;;
    link_fuzzer) find "$here/seeds/link" -type f ;;
    modify_fuzzer) find "$here/seeds/modify" -type f ;;
    recording_fuzzer) find "$here/seeds/recording" -type f ;;
    rule_fuzzer) find "$here/seeds/rule" -type f ;;
    esac
}

run_one() {
    local name=$1 dir=$corpus/$1 seed_dir
    mkdir -p "$dir"
    seed_dir=$(mktemp -d "$corpus/seeds.XXXXXX")
    local n=0 f
    while read -r f; do
        n=$((n + 1))
        cp "$f" "$seed_dir/$n-$(basename "$f")"
    done < <(seeds "$name")
    "$build/$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -max_len=4096 -print_final_stats=1 \
        -artifact_prefix="$corpus/findings/$name-" "$dir" "$seed_dir" \
        >"$corpus/logs/$name.log" 2>&1
    local rc=$?
    rm -rf "$seed_dir"
    local runs
    runs=$(sed -n 's/^Done \([0-9]*\) runs in \([0-9]*\) second.*/\1 inputs in \2 s/p' \
        "$corpus/logs/$name.log" | tail -n 1)
    if [ $rc -eq 0 ]; then
        echo "fuzz $name: ${runs:-no count}, corpus $(find "$dir" -type f | wc -l) files"
    else
        echo "fuzz $name: FINDING (exit $rc)"
        grep -E 'invariant broken|ERROR: |SUMMARY|runtime error' "$corpus/logs/$name.log" |
            head -n 5 | sed 's/^/    /'
        echo "    log: $corpus/logs/$name.log"
    fi
    return $rc
}

for f in "$build"/*_fuzzer; do
    [ -x "$f" ] || { echo "fuzz: no fuzzers in $build" >&2; exit 2; }
done

failed=0
pids=()
for f in "$build"/*_fuzzer; do
    run_one "$(basename "$f")" &
    pids+=($!)
    if [ ${#pids[@]} -ge "$jobs" ]; then
        wait "${pids[0]}" || failed=1
        pids=("${pids[@]:1}")
    fi
done
for pid in "${pids[@]}"; do wait "$pid" || failed=1; done

if [ $temporary -eq 1 ] && [ $failed -eq 0 ]; then
    rm -rf "$corpus"
elif [ $failed -ne 0 ]; then
    echo "fuzz: findings and logs in $corpus" >&2
fi
exit $failed
