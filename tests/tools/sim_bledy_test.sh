#!/bin/sh
# drelinko-sim fails loudly where it used to pass for done: a folder given as its script, and
# standard output that cannot be written.
# usage: sim_bledy_test.sh DRELINKO-SIM
set -u
sim=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

"$sim" --dir "$tmp" "$tmp" > "$tmp/out.txt" 2> "$tmp/err.txt"
[ $? -eq 1 ] || fail "a folder as the script must exit 1"
grep -q 'to jest folder, a nie skrypt' "$tmp/err.txt" || { cat "$tmp/err.txt"; fail "the folder is named as the cause"; }
[ -s "$tmp/out.txt" ] && fail "nothing may run from a folder"

if [ -w /dev/full ]; then
    printf 'show zw1\n' | "$sim" --dir "$tmp" > /dev/full 2> "$tmp/err.txt"
    [ $? -eq 1 ] || fail "output to a full device must exit 1"
    grep -q 'brak miejsca na dysku' "$tmp/err.txt" || { cat "$tmp/err.txt"; fail "the full device is named as the cause"; }
fi
printf 'show zw1\n' | "$sim" --dir "$tmp" > "$tmp/out.txt" || fail "a good run must exit 0"
grep -q '^STATE zw1' "$tmp/out.txt" || fail "a good run prints"
echo ok
