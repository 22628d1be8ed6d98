#!/bin/sh
# The layers of the product, lowest first: a file may include from its own folder and the folders
# below it, never from one above. A file belongs to the deepest layer its path starts with (ui/text/
# rather than ui/). Prints every include that points upward, and every folder of code that is no
# layer (a program's folder under tools/ aside), and fails if there is one.
# usage: warstwy_test.sh SOURCE-DIR
set -u
cd "$1" || exit 2
warstwy="core trains station interlocking simulation record report assistant run models lessons
ui/canvas ui/text ui/report ui/services ui/timetable ui/station ui tools"

# The index of the deepest layer the path lies in, or -1.
poziom() {
    i=0
    najlepszy=-1
    dlugosc=0
    for w in $warstwy; do
        case "$1" in
        "$w"/*)
            if [ ${#w} -gt "$dlugosc" ]; then
                najlepszy=$i
                dlugosc=${#w}
            fi
            ;;
        esac
        i=$((i + 1))
    done
    echo "$najlepszy"
}

# Every source file of the product: all folders but the tests, the data, the documents and builds.
pliki=$(find . -path ./tests -prune -o -path ./data -prune -o -path ./docs -prune -o -path './build*' -prune \
             -o -path './.*' -prune -o \( -name '*.h' -o -name '*.cpp' \) -print | sed 's|^\./||' | sort)
bledy=0
for folder in $(for p in $pliki; do dirname "$p"; done | sort -u); do
    # A layer's folder, or a program's own folder under tools/.
    case " $(echo $warstwy) " in *" $folder "*) continue ;; esac
    case "$folder" in tools/*) continue ;; esac
    echo "$folder/: holds code but is no layer of the product"
    bledy=$((bledy + 1))
done
for plik in $pliki; do
    moj=$(poziom "$plik")
    for cel in $(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([a-z_/]*\)\/[a-z_]*\.h".*/\1/p' "$plik"); do
        jego=$(poziom "$cel/x")
        if [ "$jego" -lt 0 ]; then
            case "$cel" in
            tests/*) echo "$plik: includes from $cel/, which is test code" ;;
            *) echo "$plik: includes from $cel/, which is not a layer of the product" ;;
            esac
            bledy=$((bledy + 1))
        elif [ "$jego" -gt "$moj" ]; then
            echo "$plik: includes from $cel/, a layer above $(dirname "$plik")/"
            bledy=$((bledy + 1))
        fi
    done
done
[ "$bledy" -eq 0 ] && echo "ok: no include points upward"
[ "$bledy" -eq 0 ]
