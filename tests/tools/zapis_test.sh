#!/bin/sh
# A saved game goes on exactly as the game that was saved: for each scenario, at several points of
# its script, the game is saved; a fresh drelinko-sim loads the file and runs the rest of the
# script, and what it prints must be what the uninterrupted run printed after the save.
# usage: zapis_test.sh DRELINKO-SIM SCENARIO.sim [CUTS]
set -u
sim=$1 skrypt=$2 ciec=${3:-6}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
for f in pzwr.wav pzsem.wav zap.wav pipipi.wav; do printf 'RIFF' > "$tmp/$f"; done
rozklad="${skrypt%.sim}.csv"
if [ -f "$rozklad" ]; then
    "$(dirname "$sim")/drelinko-rozklad" import "$rozklad" "$tmp/rozklad.dat" > /dev/null || { echo "FAIL: timetable"; exit 1; }
fi
cp "$tmp/rozklad.dat" "$tmp/rozklad.dat.czysty" 2>/dev/null

# The lines after which the game can be saved: it has started, the timetable window is shut and
# the station has not been closed.
awk '
    { sub(/#.*/, ""); n = $1 }
    n == "start" { zaczeta = 1 }
    n == "timetable" && $2 == "" { okno = 1 }
    n == "timetable" && $2 == "close" { okno = 0; next }
    n == "close" { zamknieta = 1 }
    zaczeta && !okno && !zamknieta && n != "" { print NR }
' "$skrypt" > "$tmp/punkty"
wszystkie=$(wc -l < "$tmp/punkty")
[ "$wszystkie" -gt 0 ] || { echo "FAIL: no point to save at in $skrypt"; exit 1; }
krok=$(( (wszystkie + ciec - 1) / ciec ))

uruchom() {  # script, output
    # Each run starts from the scenario's own timetable: the timetable window writes to it.
    [ -f "$tmp/rozklad.dat.czysty" ] && cp "$tmp/rozklad.dat.czysty" "$tmp/rozklad.dat"
    (cd "$tmp" && "$sim" --dir "$tmp" "$1") > "$2" 2> "$tmp/stderr.txt"
    echo $? > "$2.kod"
}

sprawdzone=0
bledy=0
i=0
while read -r wiersz; do
    i=$((i + 1))
    [ $(( (i - 1) % krok )) -eq 0 ] || [ "$i" -eq "$wszystkie" ] || continue
    gra="$tmp/gra_$wiersz.gra"
    { head -n "$wiersz" "$skrypt"; echo "save \"$gra\""; tail -n "+$((wiersz + 1))" "$skrypt"; } > "$tmp/a.sim"
    { echo "load \"$gra\""; tail -n "+$((wiersz + 1))" "$skrypt"; } > "$tmp/b.sim"
    uruchom "$tmp/a.sim" "$tmp/a.out"
    if ! grep -qx "SAVED $gra" "$tmp/a.out"; then
        echo "FAIL: not saved after line $wiersz"; grep -m 3 "ERROR" "$tmp/a.out"; cat "$tmp/stderr.txt"; bledy=$((bledy + 1)); continue
    fi
    # A refused line is numbered in its own script; the two scripts number the same line apart.
    sed -e "1,/^SAVED /d" -e 's/^ERROR [0-9]*:/ERROR:/' "$tmp/a.out" > "$tmp/a_po.out"
    uruchom "$tmp/b.sim" "$tmp/b.out"
    sed -i 's/^ERROR [0-9]*:/ERROR:/' "$tmp/b.out"
    if ! diff -u "$tmp/a_po.out" "$tmp/b.out" > "$tmp/roznica"; then
        echo "FAIL: after saving at line $wiersz the loaded game prints otherwise"; head -n 30 "$tmp/roznica"
        bledy=$((bledy + 1)); continue
    fi
    if ! cmp -s "$tmp/a.out.kod" "$tmp/b.out.kod"; then
        echo "FAIL: exit status after saving at line $wiersz"; bledy=$((bledy + 1)); continue
    fi
    sprawdzone=$((sprawdzone + 1))
done < "$tmp/punkty"
[ "$bledy" -eq 0 ] || exit 1
echo "ok: $sprawdzone points of $skrypt"
