#!/bin/sh
# How much of a core the station window takes idle at the fastest speed with nothing moving: the
# game started on the offscreen platform straight into a shift at 0:10 (the shipped day's first
# train comes near four, so nothing moves for hours of simulated time), measured with pidstat.
#
#   tests/tools/bezczynne_okno.sh [GAME] [SECONDS]
#
# GAME defaults to build-bench/bin/drelinko, SECONDS to 30. The game runs with a home folder of its
# own, so the player's settings and kept game are not touched; it is ended when measured.
set -eu
gra=${1:-build-bench/bin/drelinko}
sekundy=${2:-30}
command -v pidstat >/dev/null || { echo "pidstat is missing (Debian package sysstat)" >&2; exit 2; }
[ -x "$gra" ] || { echo "no game at $gra" >&2; exit 2; }

dom=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; rm -rf "$dom"' EXIT
HOME=$dom XDG_CONFIG_HOME=$dom/.config XDG_DATA_HOME=$dom/.local/share XDG_RUNTIME_DIR=$dom \
    QT_QPA_PLATFORM=offscreen "$gra" --start 0:10 --speed 100 >"$dom/gra.log" 2>&1 &
pid=$!
# Past the start: the layout read, the window shown, the first ticks run.
sleep 5
kill -0 "$pid" 2>/dev/null || { echo "the game ended early:" >&2; cat "$dom/gra.log" >&2; exit 1; }
LC_ALL=C pidstat -p "$pid" "$sekundy" 1 | awk '
    /%CPU/ && !kolumna { for (i = 1; i <= NF; ++i) if ($i == "%CPU") kolumna = i }
    /^Average/ && kolumna { print $kolumna " % of a core" ; znaleziono = 1 }
    END { exit !znaleziono }'
