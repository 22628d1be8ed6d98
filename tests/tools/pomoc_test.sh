#!/bin/sh
# The examples of the help pages are played as the pages tell them: every picture script in
# data/pomoc runs through drelinko-sim with the shipped timetable of the program folder, draws all
# its pictures and costs not a single point, so that the worked examples stay true to the game.
# usage: pomoc_test.sh DRELINKO-SIM POMOC-FOLDER PROGRAM-FOLDER
set -u
sim=$1 pomoc=$2 program=$3
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
wynik=0
n=0
for skrypt in "$pomoc"/*.sim; do
    n=$((n + 1))
    nazwa=$(basename "$skrypt" .sim)
    mkdir "$tmp/$nazwa"
    (cd "$tmp/$nazwa" && QT_QPA_PLATFORM=offscreen "$sim" --dir "$program" "$skrypt") > "$tmp/$nazwa.out" 2> "$tmp/$nazwa.err"
    rc=$?
    if [ "$rc" -ne 0 ]; then
        echo "FAIL: $nazwa.sim ended with $rc"; cat "$tmp/$nazwa.out" "$tmp/$nazwa.err"; wynik=1; continue
    fi
    if grep -E '^(WARNING |ERROR |JOURNAL [0-9:]+ -)' "$tmp/$nazwa.out"; then
        echo "FAIL: $nazwa.sim costs points or is refused"; wynik=1
    fi
    for obraz in $(sed -n 's/^[[:space:]]*render[[:space:]]\{1,\}\([^[:space:]#]*\).*/\1/p' "$skrypt"); do
        [ -s "$tmp/$nazwa/$obraz" ] || { echo "FAIL: $nazwa.sim drew no $obraz"; wynik=1; }
    done
done
[ "$n" -gt 0 ] || { echo "FAIL: no script in $pomoc"; exit 1; }
[ "$wynik" -eq 0 ] && echo ok
exit $wynik
