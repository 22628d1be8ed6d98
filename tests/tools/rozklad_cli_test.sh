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

# What check refuses, import refuses, naming the line and the field: a spreadsheet's trailing blank,
# an unknown vehicle code.
printf 'numer,relacja_od,relacja_do,sklad,wjezdza,wyjezdza,przyjazd,odjazd,opis,bez_peronu\n1,A,B,s1,wOlsz ,wBrz,4:00,4:10,,0\n2,A,B,s12!2,wOlsz,wBrz,4:00,4:10,,0\n' > "$tmp/obcy.csv"
rozklad import "$tmp/obcy.csv" "$tmp/r.dat" 2> "$tmp/err.txt"
[ $? -eq 2 ] || fail "a row check refuses must exit 2"
grep -q 'wiersz 2, pole wjezdza: wjezdza przez nieznany wlot "wOlsz "' "$tmp/err.txt" || { cat "$tmp/err.txt"; fail "trailing blank"; }
grep -q "wiersz 3, pole sklad: nieznany pojazd '!'" "$tmp/err.txt" || { cat "$tmp/err.txt"; fail "unknown vehicle"; }
cmp "$tmp/r.dat" "$tmp/przed.dat" || fail "a refused CSV must write nothing"

# One train more than the file can count: the limit and the row are named.
awk 'BEGIN { print "numer,relacja_od,relacja_do,sklad,wjezdza,wyjezdza,przyjazd,odjazd,opis,bez_peronu";
             for (i = 0; i <= 32767; i++) print i ",A,B,s1,wOlsz,wBrz,4:00,4:10,,0" }' > "$tmp/duzy.csv"
rozklad import "$tmp/duzy.csv" "$tmp/r.dat" 2> "$tmp/err.txt"
[ $? -eq 2 ] || fail "too many trains must exit 2"
grep -q 'wiersz 32769: Rozkład jazdy może mieć najwyżej 32767 pociągów' "$tmp/err.txt" || { cat "$tmp/err.txt"; fail "limit and row"; }

# A file larger than any timetable can be is refused by its size, before it is read, naming both.
truncate -s 100M "$tmp/ogromny.csv"
rozklad import "$tmp/ogromny.csv" "$tmp/r.dat" 2> "$tmp/err.txt"
[ $? -eq 2 ] || fail "a file too large for a timetable must exit 2"
grep -q 'ogromny.csv: Plik jest za duży na rozkład jazdy: ma 104,9 MB, a rozkład w CSV może mieć najwyżej 70,6 MB' "$tmp/err.txt" ||
    { cat "$tmp/err.txt"; fail "the sizes must be named"; }
cmp "$tmp/r.dat" "$tmp/przed.dat" || fail "a file too large must write nothing"

# Texts a spreadsheet would run as formulas leave after an apostrophe and come back as they were.
printf '%s\n' 'numer,relacja_od,relacja_do,sklad,wjezdza,wyjezdza,przyjazd,odjazd,opis,bez_peronu' \
    '=1+1,@SUM(1),+A1,s1,wOlsz,wBrz,4:00,4:10,-2+3,0' \
    "'=2,Olszarzyna,Brzelany,s1,wOlsz,wBrz,4:20,4:30,zwykły,0" > "$tmp/formuly.csv"
printf '%s\n' 'numer,relacja_od,relacja_do,sklad,wjezdza,wyjezdza,przyjazd,odjazd,opis,bez_peronu' \
    "'=1+1,'@SUM(1),'+A1,s1,wOlsz,wBrz,4:00,4:10,'-2+3,0" \
    "'=2,Olszarzyna,Brzelany,s1,wOlsz,wBrz,4:20,4:30,zwykły,0" > "$tmp/formuly_chronione.csv"
rozklad import "$tmp/formuly.csv" "$tmp/formuly.dat" || fail "import of formulas"
rozklad export "$tmp/formuly.dat" > "$tmp/formuly_eksport.csv" || fail "export of formulas"
cmp "$tmp/formuly_eksport.csv" "$tmp/formuly_chronione.csv" || { cat "$tmp/formuly_eksport.csv"; fail "formulas must be guarded"; }
rozklad import "$tmp/formuly_eksport.csv" "$tmp/formuly2.dat" || fail "import of guarded formulas"
cmp "$tmp/formuly.dat" "$tmp/formuly2.dat" || fail "guarded formulas must come back as they were"

# File names are the bytes given, UTF-8 or not: written, backed up and read under those very names.
nazwa=$(printf 'r\377')
cp "$csv" "$tmp/$nazwa.csv"
rozklad import "$tmp/$nazwa.csv" "$tmp/$nazwa.dat" || fail "import under a name that is not UTF-8"
rozklad import "$tmp/$nazwa.csv" "$tmp/$nazwa.dat" || fail "second import under a name that is not UTF-8"
cmp "$tmp/$nazwa.dat" "$tmp/r.dat" || { ls "$tmp"; fail "the timetable keeps the name's bytes"; }
cmp "$tmp/Kopia $nazwa.dat" "$tmp/r.dat" || { ls "$tmp"; fail "the backup keeps the name's bytes"; }
rozklad export "$tmp/$nazwa.dat" > "$tmp/$nazwa.eksport.csv" || fail "export from a name that is not UTF-8"
cmp "$csv" "$tmp/$nazwa.eksport.csv" || fail "export from a name that is not UTF-8 differs"
rozklad check "$tmp/$nazwa.dat" > "$tmp/check.txt" || { cat "$tmp/check.txt"; fail "check of a name that is not UTF-8"; }
[ "$(ls "$tmp" | LC_ALL=C grep -c "$nazwa")" -eq 4 ] || { ls "$tmp"; fail "no file under another name"; }

# A failed write of standard output is a failure, not a cut CSV passed off as done.
if [ -w /dev/full ]; then
    rozklad export "$tmp/r.dat" > /dev/full 2> "$tmp/err.txt"
    [ $? -eq 1 ] || fail "export to a full device must exit 1"
    grep -q 'brak miejsca na dysku' "$tmp/err.txt" || { cat "$tmp/err.txt"; fail "export names the cause"; }
    rozklad check "$tmp/r.dat" > /dev/full 2>/dev/null
    [ $? -eq 1 ] || fail "check to a full device must exit 1"
fi

# Importing onto a link writes the file it points to and keeps the link; a write-protected file is
# refused (whoever runs the test) and stays as it was.
mkdir "$tmp/gdzie"
cp "$tmp/przed.dat" "$tmp/gdzie/prawdziwy.dat"
ln -s gdzie/prawdziwy.dat "$tmp/link.dat"
rozklad import "$csv" "$tmp/link.dat" || fail "import onto a link"
[ -L "$tmp/link.dat" ] || fail "the link must stay a link"
cmp "$tmp/gdzie/prawdziwy.dat" "$tmp/r.dat" || fail "the link's target must hold the import"
cp "$tmp/przed.dat" "$tmp/chroniony.dat"
chmod 444 "$tmp/chroniony.dat"
rozklad import "$csv" "$tmp/chroniony.dat" 2> "$tmp/err.txt"
[ $? -eq 1 ] || fail "a write-protected target must exit 1"
grep -q 'chroniony przed zapisem' "$tmp/err.txt" || { cat "$tmp/err.txt"; fail "protected target names the cause"; }
cmp "$tmp/chroniony.dat" "$tmp/przed.dat" || fail "a write-protected target must stay"

# A really full file system, where this machine lets us mount one: the import stops, naming the
# cause, and the old file and its backup stay whole.
if mkdir "$tmp/maly" && mount -t tmpfs -o size=128k tmpfs "$tmp/maly" 2>/dev/null; then
    trap 'umount "$tmp/maly" 2>/dev/null; rm -rf "$tmp"' EXIT
    "$tool" --dir "$tmp/maly" import "$csv" "$tmp/maly/r.dat" || fail "import onto the small disk"
    "$tool" --dir "$tmp/maly" import "$csv" "$tmp/maly/r.dat" || fail "second import onto the small disk"
    cp "$tmp/maly/r.dat" "$tmp/maly_przed.dat"
    head -c 1000000 /dev/zero > "$tmp/maly/wypelnienie" 2>/dev/null
    "$tool" --dir "$tmp/maly" import "$csv" "$tmp/maly/r.dat" 2> "$tmp/err.txt"
    [ $? -eq 1 ] || fail "import onto a full disk must exit 1"
    grep -q 'brak miejsca na dysku' "$tmp/err.txt" || { cat "$tmp/err.txt"; fail "full disk names the cause"; }
    cmp "$tmp/maly/r.dat" "$tmp/maly_przed.dat" || fail "the old file must stay on a full disk"
    cmp "$tmp/maly/Kopia r.dat" "$tmp/maly_przed.dat" || fail "the backup must stay whole on a full disk"
    [ "$(ls "$tmp/maly")" = "$(printf 'Kopia r.dat\nr.dat\nwypelnienie')" ] || { ls "$tmp/maly"; fail "leftovers on a full disk"; }
    umount "$tmp/maly"
else
    echo "(no tmpfs here: the full disk is played by the engine tests only)"
fi

rozklad export "$dane/uszkodzone/obciety_rekord.dat" > /dev/null 2>&1
[ $? -eq 1 ] || fail "damaged file must exit 1 on export"
rozklad check "$dane/uszkodzone/obciety_rekord.dat" > /dev/null 2>&1
[ $? -eq 1 ] || fail "damaged file must exit 1 on check"
# Played with the automatic dispatcher: the shipped day goes without a penalty; a departure onto the
# Olszarzyna line while a train is announced from it is named as the day's first conflict.
rozklad check --graj "$tmp/r.dat" > "$tmp/graj.txt" || { cat "$tmp/graj.txt"; fail "the shipped day must play"; }
grep -q 'Dzień można rozegrać bez żadnej kary.' "$tmp/graj.txt" || { cat "$tmp/graj.txt"; fail "playable verdict"; }
printf 'numer,relacja_od,relacja_do,sklad,wjezdza,wyjezdza,przyjazd,odjazd,opis,bez_peronu\n44601,Wirowa,Chrostowo,a2a,wWirowa,wOlsz,4:20,4:30,,0\n34101,Olszarzyna,Brzelany,s122,wOlsz,wBrz,4:35,4:40,,0\n' > "$tmp/konflikt.csv"
rozklad import "$tmp/konflikt.csv" "$tmp/konflikt.dat" || fail "import of the conflicting day"
rozklad check --graj "$tmp/konflikt.dat" > "$tmp/graj.txt"
[ $? -eq 2 ] || { cat "$tmp/graj.txt"; fail "an unplayable day must exit 2"; }
grep -q 'Pierwszy konflikt: o 04:30:00 pociągi 44601, 34101 potrzebują naraz: linia wOlsz' "$tmp/graj.txt" ||
    { cat "$tmp/graj.txt"; fail "the first conflict must be named"; }

# A new day: the same seed writes the same day, which imports and plays without a penalty.
rozklad generate --trains 40 --seed 3 > "$tmp/nowy.csv" 2> /dev/null || fail "generate"
rozklad generate --trains 40 --seed 3 2> /dev/null | cmp - "$tmp/nowy.csv" || fail "one seed, one day"
rozklad import "$tmp/nowy.csv" "$tmp/nowy.dat" || fail "import of a new day"
rozklad check --graj "$tmp/nowy.dat" > "$tmp/graj.txt" || { cat "$tmp/graj.txt"; fail "a new day must play"; }
for zle in "--trains 39" "--trains 161" "--trains dużo" "--seed -1" "--colour red" "--trains"; do
    # shellcheck disable=SC2086
    rozklad generate $zle > "$tmp/zly_dzien.csv" 2> /dev/null
    [ $? -eq 2 ] || fail "generate $zle must exit 2"
    [ -s "$tmp/zly_dzien.csv" ] && fail "generate $zle must write nothing"
done

rozklad frobnicate > /dev/null 2>&1
[ $? -eq 2 ] || fail "unknown command must exit 2"
echo "ok"
