#!/bin/sh
# drelinko-sim fails loudly where it used to pass for done: a folder given as its script, standard
# output that cannot be written, a report or a picture that cannot be written.
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
# The day's report and the pictures are written whole or not at all: a file that cannot be written
# is an exit 1 naming the file and the cause, and the old file stays as it was.
for plik in pelny.png pelny.pdf pelny.csv; do
    ln -s /dev/full "$tmp/$plik"
    printf 'start\nreport %s\n' "$tmp/$plik" | "$sim" --dir "$tmp" > "$tmp/out.txt" 2>&1
    [ $? -eq 1 ] || { cat "$tmp/out.txt"; fail "a report to $plik must exit 1"; }
    grep -q "^ERROR 2: cannot write $tmp/$plik: .*to nie jest zwykły plik" "$tmp/out.txt" ||
        { cat "$tmp/out.txt"; fail "the report to $plik names the cause"; }
done
printf 'render %s\n' "$tmp/pelny.png" | "$sim" --dir "$tmp" > "$tmp/out.txt" 2>&1
[ $? -eq 1 ] || { cat "$tmp/out.txt"; fail "a picture to a device must exit 1"; }
if mkdir "$tmp/maly" && mount -t tmpfs -o size=1m tmpfs "$tmp/maly" 2>/dev/null; then
    trap 'umount "$tmp/maly" 2>/dev/null; rm -rf "$tmp"' EXIT
    for plik in raport.png raport.pdf raport.csv; do
        printf 'stary' > "$tmp/maly/$plik"
    done
    head -c 2000000 /dev/zero > "$tmp/maly/wypelnienie" 2>/dev/null
    for plik in raport.png raport.pdf raport.csv; do
        printf 'start\nreport %s\n' "$tmp/maly/$plik" | "$sim" --dir "$tmp" > "$tmp/out.txt" 2>&1
        [ $? -eq 1 ] || { cat "$tmp/out.txt"; fail "the report $plik onto a full disk must exit 1"; }
        grep -q "^ERROR 2: cannot write $tmp/maly/$plik: .*brak miejsca na dysku" "$tmp/out.txt" ||
            { cat "$tmp/out.txt"; fail "the full disk is named as the cause for $plik"; }
        [ "$(cat "$tmp/maly/$plik")" = stary ] || fail "the old $plik must stay whole on a full disk"
    done
    [ "$(ls "$tmp/maly")" = "$(printf 'raport.csv\nraport.pdf\nraport.png\nwypelnienie')" ] ||
        { ls "$tmp/maly"; fail "leftovers on a full disk"; }
    umount "$tmp/maly"
else
    echo "(no tmpfs here: the full disk is played by the window's tests only)"
fi

# A file name is the bytes the script gives, UTF-8 or not.
nazwa=$(printf 'raport\377')
for rozszerzenie in png pdf csv; do
    printf 'start\nreport %s\n' "$tmp/$nazwa.$rozszerzenie" | "$sim" --dir "$tmp" > "$tmp/out.txt" 2>&1 ||
        { cat "$tmp/out.txt"; fail "a report under a name that is not UTF-8 ($rozszerzenie)"; }
    [ -s "$tmp/$nazwa.$rozszerzenie" ] || { ls "$tmp"; fail "the $rozszerzenie report keeps the name's bytes"; }
done
printf 'render %s\n' "$tmp/$nazwa.obraz.png" | "$sim" --dir "$tmp" > /dev/null 2>&1 || fail "a picture under a name that is not UTF-8"
[ -s "$tmp/$nazwa.obraz.png" ] || { ls "$tmp"; fail "the picture keeps the name's bytes"; }
[ "$(ls "$tmp" | LC_ALL=C grep -c 'raport')" -eq 4 ] || { ls "$tmp"; fail "no file under another name"; }

printf 'show zw1\n' | "$sim" --dir "$tmp" > "$tmp/out.txt" || fail "a good run must exit 0"
grep -q '^STATE zw1' "$tmp/out.txt" || fail "a good run prints"
echo ok
