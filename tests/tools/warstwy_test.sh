#!/bin/sh
# The layers of the product, lowest first: a file may include from its own folder and the folders
# below it, never from one above. Prints every include that points upward and fails if there is one.
# usage: warstwy_test.sh SOURCE-DIR
set -u
cd "$1" || exit 2
warstwy="core trains station interlocking simulation ui tools"

poziom() {
    i=0
    for w in $warstwy; do
        [ "$w" = "$1" ] && { echo $i; return; }
        i=$((i + 1))
    done
    echo -1
}

bledy=0
for folder in $warstwy; do
    moj=$(poziom "$folder")
    for plik in $(find "$folder" -name '*.h' -o -name '*.cpp' | sort); do
        for cel in $(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([a-z_]*\)\/.*".*/\1/p' "$plik"); do
            jego=$(poziom "$cel")
            if [ "$jego" -lt 0 ]; then
                echo "$plik: includes from $cel/, which is not a layer of the product"
                bledy=$((bledy + 1))
            elif [ "$jego" -gt "$moj" ]; then
                echo "$plik: includes from $cel/, a layer above $folder/"
                bledy=$((bledy + 1))
            fi
        done
    done
done
[ "$bledy" -eq 0 ] && echo "ok: no include points upward"
[ "$bledy" -eq 0 ]
