#!/bin/sh
# `drelinko --help` answers in Polish, without a display, and exits 0.
# usage: pomoc_programu_test.sh DRELINKO
set -u
wynik=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$1" --help 2>&1)
kod=$?
[ "$kod" -eq 0 ] || { echo "$wynik"; echo "FAIL: exit status $kod"; exit 1; }
echo "$wynik" | grep -q '^Sposób użycia: drelinko \[opcje\]' || { echo "$wynik"; echo "FAIL: no Polish usage line"; exit 1; }
echo "$wynik" | grep -q -- '--start <godzina>' || { echo "$wynik"; echo "FAIL: --start not described"; exit 1; }
if echo "$wynik" | grep -q -i 'displays\|usage\|options:\|could not connect'; then
    echo "$wynik"; echo "FAIL: English or a display error in the help"; exit 1
fi
echo ok
