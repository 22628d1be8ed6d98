#!/bin/sh
# The timetable tool end to end: the shipped CSV survives import and export unchanged, bad input
# writes nothing, and a damaged file is reported.
# usage: rozklad_cli_test.sh DRELINKO-ROZKLAD ROZKLAD.CSV TEST-DATA-DIR
set -u
tool=$1 csv=$2 dane=$3
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
rozklad() { "$tool" --dir "$tmp" "$@"; }

rozklad import "$csv" "$tmp/r.dat" || fail "import of the shipped timetable"
rozklad export "$tmp/r.dat" > "$tmp/r.csv" || fail "export"
cmp "$csv" "$tmp/r.csv" || fail "export differs from the imported CSV"
rozklad check "$tmp/r.dat" > "$tmp/check.txt" || { cat "$tmp/check.txt"; fail "check of the shipped timetable"; }

# A second import backs the old file up into the program folder first.
cp "$tmp/r.dat" "$tmp/pierwszy.dat"
rozklad import "$csv" "$tmp/r.dat" || fail "second import"
cmp "$tmp/pierwszy.dat" "$tmp/Kopia r.dat" || fail "backup copy of the replaced file"

# The program folder's rozklad.dat is the default file.
rozklad import "$csv" || fail "import to the default file"
cmp "$tmp/r.dat" "$tmp/rozklad.dat" || fail "default file differs"

printf 'numer,relacja_od,relacja_do,sklad,wjezdza,wyjezdza,przyjazd,odjazd,opis,bez_peronu\n1,A,B,s,wOlsz,wBrz,4:00,24:10,,0\n' > "$tmp/zly.csv"
cp "$tmp/r.dat" "$tmp/przed.dat"
rozklad import "$tmp/zly.csv" "$tmp/r.dat" 2> "$tmp/err.txt"
[ $? -eq 2 ] || fail "bad CSV must exit 2"
grep -q 'wiersz 2, pole odjazd' "$tmp/err.txt" || { cat "$tmp/err.txt"; fail "error must name row and field"; }
cmp "$tmp/r.dat" "$tmp/przed.dat" || fail "bad CSV must write nothing"

rozklad export "$dane/uszkodzone/obciety_rekord.dat" > /dev/null 2>&1
[ $? -eq 1 ] || fail "damaged file must exit 1 on export"
rozklad check "$dane/uszkodzone/obciety_rekord.dat" > /dev/null 2>&1
[ $? -eq 1 ] || fail "damaged file must exit 1 on check"
rozklad frobnicate > /dev/null 2>&1
[ $? -eq 2 ] || fail "unknown command must exit 2"
echo "ok"
