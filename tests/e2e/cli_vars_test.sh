#!/bin/sh
# End-to-end test of "varnolux-cli vars": loads a project folder and compares
# stdout, stderr and the exit status with the checked-in expected output.
# Usage: cli_vars_test.sh <varnolux-cli> <project folder> <expected stem> [args...]
# The expected files are <stem>.out, <stem>.err and <stem>.status.
# With VARNOLUX_UPDATE_EXPECTED=1 the expected files are written instead.
set -u
cli=$1
project=$2
stem=$3
shift 3

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -R "$project/." "$work/project"
cd "$work/project" || exit 1
# Sources, listing and object file in the order a compile leaves them.
now=$(date +%s)
for f in *; do
    [ -f "$f" ] && touch -d "@$((now - 20))" "$f"
done
for f in *.lst; do touch -d "@$((now - 10))" "$f"; done
for f in *.hex; do touch -d "@$now" "$f"; done

"$cli" vars "$@" >"$work/out.raw" 2>"$work/err.raw"
echo $? >"$work/status"
# Messages that name a file by its full path name the project folder as <project>.
for part in out err; do
    sed "s|$work/project|<project>|g" "$work/$part.raw" >"$work/$part"
done

if [ "${VARNOLUX_UPDATE_EXPECTED:-0}" = 1 ]; then
    cp "$work/out" "$stem.out"
    cp "$work/err" "$stem.err"
    cp "$work/status" "$stem.status"
    exit 0
fi
failed=0
case " $* " in
*" --json "*)
    if command -v python3 >/dev/null && ! python3 -m json.tool "$work/out" >/dev/null; then
        echo "cli_vars_test: the --json output is not valid JSON" >&2
        failed=1
    fi
    ;;
esac
for part in out err status; do
    if ! diff -u "$stem.$part" "$work/$part"; then
        echo "cli_vars_test: $part differs from $stem.$part" >&2
        failed=1
    fi
done
exit $failed
