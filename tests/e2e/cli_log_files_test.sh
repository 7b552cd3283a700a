#!/bin/bash
# Project files that are missing, unreadable or cut short: each is named in one
# message that says which; the load goes on where it can. The unreadable cases
# run as an unprivileged user (root reads every file), the rest as anyone. A
# listing cut after its variable block skips the ROM check and says why instead
# of reporting a mismatch with a blank expected value.
# Usage: cli_log_files_test.sh <varnolux-cli> <varnolux-sim> <project>
cli=$1 sim=$2
. "$(dirname "$0")/cli_log_lib.sh"
log_setup "$3"
chmod 755 "$work"
chmod -R a+rX "$work/project"
pristine=$work/pristine
cp -R "$work/project" "$pristine"

# A fresh copy of the project in $work/project.
fresh() {
    rm -rf "$work/project"
    cp -a "$pristine" "$work/project"
}

# expect WHAT STATUS TEXT [COMMAND...]: runs "varnolux-cli vars Thermo" (or the
# given command line before it); stderr must hold TEXT, the status must be STATUS.
expect() {
    local what=$1 status=$2 text=$3
    shift 3
    (cd "$work/project" && "$@" "$cli" vars Thermo >"$work/out" 2>"$work/err")
    local got=$?
    grep -qF -- "$text" "$work/err" || fail "$what: no \"$text\" in: $(cat "$work/err")"
    [ "$got" = "$status" ] || fail "$what: exit status $got, expected $status"
    [ "$(grep -cF -- "$(echo "$text" | cut -c1-30)" "$work/err")" = 1 ] ||
        fail "$what: said more than once"
}

# Missing files, as anyone.
fresh; rm "$work/project/Thermo.hex"
expect "missing object file" 0 "[Varnolux] LoadProject object file Thermo.hex not found"
fresh; rm "$work/project/Varnolux.ini"
expect "missing settings" 0 "settings file $work/project/Varnolux.ini not found - the built-in"
fresh; rm "$work/project/PPI/P18F25K22.PPI"
expect "missing device file" 0 "ReadListing 14 device file PPI\\P18F25K22.PPI not found"
fresh; rm "$work/project/Thermo.lst"
expect "missing listing" 0 "ReadListing 2 listing Thermo.lst not found"
fresh; head -c 6000 "$pristine/Thermo.lst" >"$work/project/Thermo.lst"
expect "truncated listing" 0 "ReadListing 12 Thermo.lst ends before its end label __EOF"

# Unreadable files, as an unprivileged user.
as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
if [ "$(id -u)" != 0 ] || ! "${as_user[@]}" true 2>/dev/null; then
    echo "SKIP the unreadable-file cases: not root, so no other user to become"
else
    for f in Thermo.lst Thermo.bas Thermo.hex Varnolux.ini PPI/P18F25K22.PPI; do
        fresh
        chmod 000 "$work/project/$f"
        "${as_user[@]}" test -r "$work/project/$f" && fail "nobody can still read $f"
        case $f in
        Thermo.lst) expect "unreadable $f" 0 "ReadListing 2 listing Thermo.lst cannot be read" "${as_user[@]}" ;;
        Thermo.bas) expect "unreadable $f" 0 "8 source file cannot be read" "${as_user[@]}" ;;
        Thermo.hex) expect "unreadable $f" 0 "object file Thermo.hex cannot be read" "${as_user[@]}" ;;
        Varnolux.ini) expect "unreadable $f" 0 "Varnolux.ini cannot be read" "${as_user[@]}" ;;
        *) expect "unreadable $f" 0 "device file PPI\\P18F25K22.PPI cannot be read" "${as_user[@]}" ;;
        esac
    done
fi

# The truncated listing against the target: no ROM mismatch, the status says why.
fresh
head -c 6000 "$pristine/Thermo.lst" >"$work/project/Thermo.lst"
touch -r "$pristine/Thermo.lst" "$work/project/Thermo.lst"
cd "$work/project" || exit 1
sim_start --baud 115200 --run-ms 5
"$cli" log --port "$work/tty" --baud 115200 --count 2 --format jsonl --timeout 20 \
    >"$work/out" 2>"$work/err" || fail "exit status $?"
grep -q "ROM content and source appear to be inconsistent" "$work/err" && fail "a ROM mismatch"
grep -q '^request MT_ROMCHECK' "$work/sim.log" && fail "the ROM check was asked for"
[ "$(last_json "$work/out" 'd["statusParts"]["load"]')" = \
    "Ver client 1.0   app 1.0   ROM check skipped: no ROM reference in the listing" ] ||
    fail "status part 1: $(last_json "$work/out" 'd["status"][1]')"
echo "PASS cli_log_files"
