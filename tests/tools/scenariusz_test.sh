#!/bin/sh
# One end-to-end scenario: runs a drelinko-sim script in a fresh program folder that holds the
# game's sound files, and compares what it prints with the expected output and exit status.
# usage: scenariusz_test.sh DRELINKO-SIM SCRIPT.sim EXPECTED.out [EXIT-STATUS]
set -u
sim=$1 skrypt=$2 oczekiwane=$3 kod=${4:-0}
[ -f "$oczekiwane" ] || { echo "FAIL: $skrypt has no expected output $oczekiwane"; exit 1; }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
for f in pzwr.wav pzsem.wav zap.wav pipipi.wav; do printf 'RIFF' > "$tmp/$f"; done
# A scenario's own timetable, when it has one, beside its script.
rozklad="${skrypt%.sim}.csv"
if [ -f "$rozklad" ]; then
    "$(dirname "$sim")/drelinko-rozklad" import "$rozklad" "$tmp/rozklad.dat" || { echo "FAIL: timetable"; exit 1; }
fi
(cd "$tmp" && "$sim" --dir "$tmp" "$skrypt") > "$tmp/wynik.out" 2> "$tmp/stderr.txt"
rc=$?
if ! diff -u "$oczekiwane" "$tmp/wynik.out"; then
    echo "FAIL: output differs"
    exit 1
fi
[ "$rc" -eq "$kod" ] || { echo "FAIL: exit status $rc, expected $kod"; cat "$tmp/stderr.txt"; exit 1; }
echo ok
