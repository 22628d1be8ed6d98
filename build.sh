#!/bin/sh
# Sets up a Debian 12 machine for the game, builds it and runs it or its tests.
#
#   ./build.sh run        install what is missing, build, run the game
#   ./build.sh test       install what is missing, build, pass every test
#   ./build.sh sanitize   the engine tests again, built with AddressSanitizer and UBSan, and the
#                         station window played by chance, built so too
#   ./build.sh fuzz [S]   the timetable loader, the CSV and settings readers and the saved-game
#                         loader under libFuzzer for S seconds in all, a third each (default 60)
#   ./build.sh bench      the benchmarks
#   ./build.sh package    a Release build made into a Debian package (build-package/drelinko_*.deb)
set -eu
cd "$(dirname "$0")"
jobs=$(nproc 2>/dev/null || echo 2)

PAKIETY_SILNIKA="build-essential cmake ninja-build pkg-config libgtest-dev libgmock-dev libbenchmark-dev"
PAKIETY="$PAKIETY_SILNIKA qt6-base-dev qt6-multimedia-dev qt6-charts-dev libqt6opengl6-dev qt6-translations-l10n fonts-dejavu-core fonts-dejavu-extra"
PAKIETY_CLANG="clang libclang-rt-14-dev"
# The install test validates the desktop entry and the AppStream metadata with these.
PAKIETY_TESTOW="desktop-file-utils appstream"
# cpack's DEB generator finds the libraries the package needs with dpkg-shlibdeps and file.
PAKIETY_PAKIETU="dpkg-dev file"

zainstaluj() {
    brak=""
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || brak="$brak $p"
    done
    [ -z "$brak" ] && return 0
    echo "Installing:$brak"
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends $brak
}

zbuduj() {  # build dir, extra cmake arguments...
    dir=$1
    shift
    cmake -S . -B "$dir" -G Ninja "$@"
    cmake --build "$dir" -j "$jobs"
}

case "${1:-}" in
run)
    zainstaluj $PAKIETY
    zbuduj build
    exec build/bin/drelinko
    ;;
test)
    zainstaluj $PAKIETY $PAKIETY_TESTOW
    zbuduj build
    ctest --test-dir build --output-on-failure -j "$jobs"
    ;;
sanitize)
    zainstaluj $PAKIETY_SILNIKA
    zbuduj build-sanitize -DCMAKE_BUILD_TYPE=Debug -DDRELINKO_SANITIZE=ON -DDRELINKO_BENCHMARKS=OFF \
        -DDRELINKO_ENGINE_ONLY=ON
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
        ctest --test-dir build-sanitize --output-on-failure -j "$jobs"
    # The station window played by chance, in a build with the windows; Qt itself is not
    # instrumented, but what the game makes of it is.
    zainstaluj $PAKIETY
    cmake -S . -B build-sanitize-okna -G Ninja -DCMAKE_BUILD_TYPE=Debug -DDRELINKO_SANITIZE=ON \
        -DDRELINKO_BENCHMARKS=OFF
    cmake --build build-sanitize-okna -j "$jobs" --target drelinko_klikanie_tests
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
        ctest --test-dir build-sanitize-okna -R '^drelinko_klikanie_tests$' --output-on-failure
    ;;
fuzz)
    zainstaluj $PAKIETY_SILNIKA $PAKIETY_CLANG
    CXX=clang++ zbuduj build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDRELINKO_FUZZ=ON -DDRELINKO_SANITIZE=ON \
        -DDRELINKO_ENGINE_ONLY=ON
    # The time is shared between the three targets: the timetable loader, the CSV importer with the
    # settings reader, the saved-game loader.
    czas=${2:-60}
    pol=$(( (czas + 2) / 3 ))
    korpus=build-fuzz/korpus
    mkdir -p "$korpus"
    cp tests/data/poprawne/* tests/data/uszkodzone/* "$korpus"/
    build-fuzz/tests/fuzz/drelinko_fuzz_lista -max_total_time="$pol" -max_len=65536 -rss_limit_mb=2048 \
        -print_final_stats=1 "$korpus"
    korpus_csv=build-fuzz/korpus-csv
    mkdir -p "$korpus_csv"
    cp data/rozklad.csv tests/scenarios/*.csv "$korpus_csv"/
    build-fuzz/tests/fuzz/drelinko_fuzz_csv -max_total_time="$pol" -max_len=65536 -rss_limit_mb=2048 \
        -print_final_stats=1 "$korpus_csv"
    # The saved-game loader, from a saved game.
    korpus_zapisow=build-fuzz/korpus-zapisow
    mkdir -p "$korpus_zapisow"
    cp tests/data/zapisy/* "$korpus_zapisow"/
    build-fuzz/tests/fuzz/drelinko_fuzz_zapis -max_total_time="$pol" -max_len=65536 -rss_limit_mb=2048 \
        -timeout=30 -print_final_stats=1 "$korpus_zapisow"
    ;;
bench)
    zainstaluj $PAKIETY
    zbuduj build-bench -DCMAKE_BUILD_TYPE=Release
    build-bench/tests/drelinko_benchmarks
    build-bench/tests/drelinko_benchmarks_okna
    build-bench/tests/drelinko_benchmarks_raportu
    ;;
package)
    zainstaluj $PAKIETY $PAKIETY_PAKIETU
    zbuduj build-package -DCMAKE_BUILD_TYPE=Release -DDRELINKO_BENCHMARKS=OFF
    rm -f build-package/drelinko_*.deb
    (cd build-package && cpack -G DEB)
    ls build-package/drelinko_*.deb
    ;;
*)
    sed -n '2,11p' "$0" | sed 's/^# \{0,1\}//'
    exit 2
    ;;
esac
