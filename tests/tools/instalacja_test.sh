#!/bin/sh
# The game installs like any Linux program: into a temporary prefix, the programs go to bin/ (not the
# build's sound maker), the data to share/drelinko/, the desktop entry, the icon and the AppStream
# metadata to their places, and the two validate where their validators are installed. The
# installed game, started offscreen with an empty home, keeps running, makes the player's data
# folder with the shipped timetable and writes nothing into the prefix; started again, it keeps the
# player's own timetable. The installed tools find the installed data without --dir.
# usage: instalacja_test.sh CMAKE BUILD-DIR APP-ID
set -u
cmake=$1 build=$2 id=$3
tmp=$(mktemp -d)
gra=""
trap '[ -n "$gra" ] && kill "$gra" 2>/dev/null; rm -rf "$tmp"' EXIT
fail() {
    echo "FAIL: $*"
    exit 1
}

p=$tmp/prefiks
dane=$p/share/drelinko
"$cmake" --install "$build" --prefix "$p" > "$tmp/install.log" 2>&1 ||
    { cat "$tmp/install.log"; fail "cmake --install"; }

# ---- The layout ----
[ "$(ls "$p/bin" | tr '\n' ' ')" = "drelinko drelinko-rozklad drelinko-sim " ] ||
    fail "bin/ holds: $(ls "$p/bin" | tr '\n' ' ')"
for f in drelinko drelinko-rozklad drelinko-sim; do
    [ -x "$p/bin/$f" ] || fail "bin/$f is not executable"
done
for f in rozklad.dat info.txt pzwr.wav pzsem.wav zap.wav pipipi.wav; do
    cmp "$build/bin/$f" "$dane/$f" || fail "share/drelinko/$f is not the build's"
done
# The help pages, where the build makes them, each with every picture it shows.
for strona in "$build"/bin/*.htm; do
    [ -e "$strona" ] || continue
    nazwa=$(basename "$strona")
    cmp "$strona" "$dane/$nazwa" || fail "help page $nazwa not installed"
    for obraz in $(grep -o 'src="[^"]*"' "$dane/$nazwa" | sed 's/^src="\(.*\)"$/\1/'); do
        [ -s "$dane/$obraz" ] || fail "$nazwa shows $obraz, which is not installed"
    done
done
wpis=$p/share/applications/$id.desktop
ikona=$p/share/icons/hicolor/scalable/apps/$id.svg
metainfo=$p/share/metainfo/$id.metainfo.xml
for f in "$wpis" "$ikona" "$metainfo"; do
    [ -s "$f" ] || fail "no ${f#"$p"/}"
done
polecenie=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$wpis")
[ -x "$p/bin/$polecenie" ] || fail "the desktop entry runs '$polecenie', which is not installed"
grep -qx "Icon=$id" "$wpis" || fail "the desktop entry does not name the icon $id"
grep -q "<svg" "$ikona" || fail "the icon is no SVG"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "the metadata does not launch $id.desktop"
if command -v desktop-file-validate > /dev/null; then
    desktop-file-validate "$wpis" || fail "desktop-file-validate"
else
    echo "note: desktop-file-validate is not installed; the desktop entry is not validated"
fi
if command -v appstreamcli > /dev/null; then
    appstreamcli validate --no-net "$metainfo" > "$tmp/appstream.log" 2>&1 ||
        { cat "$tmp/appstream.log"; fail "appstreamcli validate"; }
else
    echo "note: appstreamcli is not installed; the metadata is not validated"
fi

# ---- The installed game ----
dom=$tmp/dom
gracz=$dom/.local/share/WKT/Drelinko
mkdir -p "$dom" "$tmp/cwd" "$tmp/run"
chmod 700 "$tmp/run"
find "$p" -printf '%p %s %T@ %m\n' | sort > "$tmp/prefiks.przed"

# Runs the installed game for a few seconds in its own home and folder; it must still be running.
uruchom_gre() {
    (cd "$tmp/cwd" && exec env HOME="$dom" XDG_DATA_HOME="$dom/.local/share" XDG_CONFIG_HOME="$dom/.config" \
        XDG_CACHE_HOME="$dom/.cache" XDG_RUNTIME_DIR="$tmp/run" QT_QPA_PLATFORM=offscreen "$p/bin/drelinko") \
        > "$tmp/gra.log" 2>&1 &
    gra=$!
    sleep 4
    kill -0 "$gra" 2> /dev/null || { cat "$tmp/gra.log"; fail "$1: the installed game ended by itself"; }
    kill "$gra"
    wait "$gra" 2> /dev/null
    gra=""
}

uruchom_gre "first start"
[ -f "$gracz/rozklad.dat" ] || { cat "$tmp/gra.log"; fail "the game made no $gracz/rozklad.dat"; }
cmp "$dane/rozklad.dat" "$gracz/rozklad.dat" || fail "the player's timetable is not the shipped one"
[ -z "$(ls -A "$tmp/cwd")" ] || fail "the game wrote into its working folder: $(ls -A "$tmp/cwd")"

# The player's own timetable, made with the installed tool: its first three trains.
"$p/bin/drelinko-rozklad" export > "$tmp/wydany.csv" || fail "installed drelinko-rozklad export"
"$build/bin/drelinko-rozklad" --dir "$build/bin" export | cmp - "$tmp/wydany.csv" ||
    fail "the installed drelinko-rozklad does not read the installed timetable by default"
head -n 4 "$tmp/wydany.csv" > "$tmp/maly.csv"
"$p/bin/drelinko-rozklad" --dir "$gracz" import "$tmp/maly.csv" > "$tmp/import.log" 2>&1 ||
    { cat "$tmp/import.log"; fail "installed drelinko-rozklad import"; }
cp "$gracz/rozklad.dat" "$tmp/gracza.dat"
cmp -s "$dane/rozklad.dat" "$tmp/gracza.dat" && fail "the player's timetable should differ from the shipped one"
uruchom_gre "second start"
cmp "$tmp/gracza.dat" "$gracz/rozklad.dat" || fail "the second start replaced the player's timetable"

# ---- The installed driver, without --dir: the same play as in the build tree ----
printf 'click zw1\nshow zw1\ntimetable\ntimetable close\n' > "$tmp/skrypt.sim"
(cd "$tmp/cwd" && HOME="$dom" QT_QPA_PLATFORM=offscreen "$p/bin/drelinko-sim" "$tmp/skrypt.sim") \
    > "$tmp/sim.out" 2>&1 || { cat "$tmp/sim.out"; fail "installed drelinko-sim"; }
(cd "$tmp/cwd" && HOME="$dom" QT_QPA_PLATFORM=offscreen "$build/bin/drelinko-sim" --dir "$build/bin" \
    "$tmp/skrypt.sim") > "$tmp/sim_build.out" 2>&1 || { cat "$tmp/sim_build.out"; fail "drelinko-sim of the build"; }
grep -q '^SOUND pzwr.wav' "$tmp/sim.out" || { cat "$tmp/sim.out"; fail "the installed driver found no sound"; }
grep -q '^STATE zw1 .*status=gora' "$tmp/sim.out" || { cat "$tmp/sim.out"; fail "the switch did not move"; }
grep -q '^CARD ' "$tmp/sim.out" || { cat "$tmp/sim.out"; fail "the installed driver shows no train"; }
diff "$tmp/sim_build.out" "$tmp/sim.out" || fail "the installed driver plays otherwise than the build's"

find "$p" -printf '%p %s %T@ %m\n' | sort > "$tmp/prefiks.po"
diff "$tmp/prefiks.przed" "$tmp/prefiks.po" || fail "something was written into the installed prefix"
echo ok
