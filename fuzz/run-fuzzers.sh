#!/usr/bin/env bash
# Runs every libFuzzer harness of BUILD_DIR (the asan preset's build) from the
# repository's seeds, JOBS at a time, and prints how many inputs each one tried.
#
#   fuzz/run-fuzzers.sh BUILD_DIR fixed [JOBS]
#       The test stage: each fuzzer tries the number of inputs the table below
#       gives it, from a fixed random seed and a fresh corpus, so that a run
#       gives the same verdict on every machine, however fast.
#   fuzz/run-fuzzers.sh BUILD_DIR SECONDS [CORPUS_ROOT] [JOBS]
#       Exploring: SECONDS each. CORPUS_ROOT/<fuzzer>/ keeps the inputs each
#       run found worth keeping, for the next run; without CORPUS_ROOT a
#       temporary folder is used and removed.
#
# A finding is saved as <folder>/findings/<fuzzer>-crash-* (kept, with its
# log, also when the folder is temporary) and makes the script exit 1. Once
# fixed, it goes into fuzz/seeds/<fuzzer>/ as a regression input.
set -uo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/.." && pwd)
usage="usage: $0 BUILD_DIR fixed [JOBS] | $0 BUILD_DIR SECONDS [CORPUS_ROOT] [JOBS]"
[ $# -ge 2 ] || { echo "$usage" >&2; exit 2; }
build=$(cd "$1" && pwd) || exit 2
if [ "$2" = fixed ]; then
    fixed=1
    seconds=
    jobs=${3:-2}
    kept=
else
    fixed=0
    seconds=$2
    jobs=${4:-2}
    kept=${3:-}
fi
[ "$fixed" = 1 ] || [[ "$seconds" =~ ^[0-9]+$ ]] || { echo "$usage" >&2; exit 2; }
if [ -n "$kept" ]; then
    mkdir -p "$kept" || exit 2
    corpus=$(cd "$kept" && pwd)
    temporary=0
else
    corpus=$(mktemp -d /tmp/varnolux-fuzz.XXXXXX)
    temporary=1
fi
mkdir -p "$corpus/findings" "$corpus/logs"
# Short allocation stacks and a small quarantine: several times the inputs a
# second, and a use after free is still caught within 16 MB of later frees.
export ASAN_OPTIONS=${ASAN_OPTIONS:-malloc_context_size=2:quarantine_size_mb=16}

# The random seed of the test stage.
fixed_seed=1

# runs NAME: the inputs NAME tries in the test stage: about what one core of
# the 2-core development machine runs in 30 s (counted by processor time in
# December 2026, from this seed). A new fuzzer needs its line here.
runs() {
    case $1 in
    dap_fuzzer) echo 12000 ;;
    device_fuzzer) echo 17000 ;;
    link_fuzzer) echo 30000 ;;
    listing_fuzzer) echo 70000 ;;
    modify_fuzzer) echo 7000000 ;;
    recording_fuzzer) echo 800000 ;;
    rule_fuzzer) echo 340000 ;;
    settings_fuzzer) echo 300000 ;;
    source_fuzzer) echo 140000 ;;
    steps_fuzzer) echo 270000 ;;
    telnet_fuzzer) echo 320000 ;;
    *) return 1 ;;
    esac
}

# seeds NAME: the seed files of a fuzzer, one path a line, in a fixed order.
seeds() {
    case $1 in
    listing_fuzzer) find "$root/examples" "$root/tests/fixtures" -name '*.lst' ;;
    source_fuzzer) find "$root/examples" "$root/tests/fixtures" -name '*.bas' -o -name '*.inc' ;;
    device_fuzzer) find "$root/examples" "$root/tests/fixtures" -name '*.PPI' ;;
    settings_fuzzer) find "$root/examples" "$root/tests/fixtures" -name '*.ini' ;;
    steps_fuzzer) find "$root/examples" "$root/scripts" "$here/seeds/steps" -name '*.vxt' ;;
    *) [ -d "$here/seeds/${1%_fuzzer}" ] && find "$here/seeds/${1%_fuzzer}" -type f ;;
    esac | LC_ALL=C sort
}

run_one() {
    local name=$1 dir seed_dir list n=0 f
    if [ "$fixed" = 1 ]; then
        # A fresh corpus: nothing a run kept before changes this one.
        dir=$(mktemp -d "$corpus/corpus.XXXXXX")
    else
        dir=$corpus/$name
        mkdir -p "$dir"
    fi
    # The seeds under plain names, listed in a fixed order: libFuzzer takes
    # them in that order (a folder's would be the file system's).
    seed_dir=$(mktemp -d "$corpus/seeds.XXXXXX")
    list=$seed_dir.list
    : >"$list"
    while read -r f; do
        n=$((n + 1))
        cp "$f" "$seed_dir/$(printf '%04d' $n)"
        printf '%s%s' "$([ $n -gt 1 ] && echo ,)" "$seed_dir/$(printf '%04d' $n)" >>"$list"
    done < <(seeds "$name")
    local limit
    if [ "$fixed" = 1 ]; then
        # Values the code compared steer mutations by default, and among them
        # are addresses, which differ from run to run; so does a reload of the
        # corpus on the clock. Both are off for one verdict everywhere.
        limit=(-runs="$(runs "$name")" -seed=$fixed_seed -use_cmp=0 -reload=0)
    else
        limit=(-max_total_time="$seconds")
    fi
    local given=()
    [ $n -gt 0 ] && given=(-seed_inputs=@"$list")
    "$build/$name" "${limit[@]}" "${given[@]}" -timeout=10 -rss_limit_mb=2048 -max_len=4096 \
        -print_final_stats=1 -artifact_prefix="$corpus/findings/$name-" "$dir" \
        >"$corpus/logs/$name.log" 2>&1
    local rc=$?
    rm -rf "$seed_dir" "$list"
    [ "$fixed" = 1 ] && rm -rf "$dir"
    local done
    done=$(sed -n 's/^Done \([0-9]*\) runs in \([0-9]*\) second.*/\1 inputs in \2 s/p' \
        "$corpus/logs/$name.log" | tail -n 1)
    if [ $rc -eq 0 ]; then
        # Fixed runs end with the same coverage on every machine; it shows here.
        local reached
        reached=$(sed -n 's/.*DONE *\(cov: [0-9]* ft: [0-9]* corp: [0-9]*\).*/\1/p' \
            "$corpus/logs/$name.log" | tail -n 1)
        [ "$fixed" = 1 ] || reached="corpus $(find "$dir" -type f | wc -l) files"
        echo "fuzz $name: ${done:-no count}, $reached"
    else
        echo "fuzz $name: FINDING (exit $rc)"
        grep -E 'invariant broken|ERROR: |SUMMARY|runtime error' "$corpus/logs/$name.log" |
            head -n 5 | sed 's/^/    /'
        echo "    log: $corpus/logs/$name.log"
    fi
    return $rc
}

fuzzers=()
for f in "$build"/*_fuzzer; do
    [ -x "$f" ] || { echo "fuzz: no fuzzers in $build" >&2; exit 2; }
    fuzzers+=("$(basename "$f")")
    if [ "$fixed" = 1 ] && ! runs "${fuzzers[-1]}" >/dev/null; then
        echo "fuzz: ${fuzzers[-1]} has no input count in $0" >&2
        exit 2
    fi
done

failed=0
pids=()
for name in "${fuzzers[@]}"; do
    run_one "$name" &
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
