// drelinko-rozklad: the timetable file to and from CSV, and its check.
//
//   drelinko-rozklad [--dir DIR] export [FILE.dat]            CSV to standard output
//   drelinko-rozklad [--dir DIR] import FILE.csv [FILE.dat]   writes FILE.dat
//   drelinko-rozklad [--dir DIR] check [FILE.dat]             exit 0 when sound
//   drelinko-rozklad [--dir DIR] check --graj [FILE.dat]      and playable without a penalty
//   drelinko-rozklad generate [--trains N] [--seed S]         a new day, proven playable, as CSV
//
// --dir DIR stands for the program folder: where FILE.dat is by default and where backups go.
// Exit status: 0 done, 1 a file cannot be read or written, 2 bad input or a timetable with problems.

#include "core/operacje_plikowe.h"
#include "core/wkt_files.h"
#include "core/wkt_generic.h"
#include "record/zapis_gry.h"
#include "run/nowy_dzien.h"
#include "run/proba_dnia.h"
#include "station/uklad.h"
#include "trains/rozklad.h"
#include "trains/rozklad_csv.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr int Dobrze = 0;
constexpr int BladPliku = 1;
constexpr int ZleDane = 2;

int Uzycie()
{
    std::cerr << "użycie:\n"
                 "  drelinko-rozklad [--dir KATALOG] export [PLIK.dat]\n"
                 "  drelinko-rozklad [--dir KATALOG] import PLIK.csv [PLIK.dat]\n"
                 "  drelinko-rozklad [--dir KATALOG] check [--graj] [PLIK.dat]\n"
                 "  drelinko-rozklad generate [--trains N] [--seed S]\n";
    return ZleDane;
}

// The station's line entries; its own entry (TWlotStacyjny) is written as an empty name.
std::vector<std::string> Wloty() { return NazwyElementow(UkladDrelinka(), "TWlot"); }

// The whole output at once, checked to its last byte: a full disk or a closed pipe must not pass
// for success with a cut text.
int Wypisz(const std::string& tekst, int kod)
{
    errno = 0;
    const bool dobrze = std::fwrite(tekst.data(), 1, tekst.size(), stdout) == tekst.size() && std::fflush(stdout) == 0;
    if (dobrze)
        return kod;
    const int numer = errno;
    std::cerr << "drelinko-rozklad: nie udało się zapisać na standardowe wyjście"
              << (numer != 0 ? ": " + OpisBleduSystemu(numer) : std::string()) << '\n';
    return BladPliku;
}

bool Wczytaj(tWktGenericList& lista, const std::string& plik)
{
    if (LoadFromFile(lista, plik))
        return true;
    std::cerr << "drelinko-rozklad: " << plik
              << (PlikIstnieje(plik) ? ": plik jest uszkodzony albo nie jest rozkładem jazdy\n"
                                     : ": nie ma takiego pliku\n");
    return false;
}

int Eksport(const std::string& plik)
{
    tWktGenericList lista;
    if (!Wczytaj(lista, plik))
        return BladPliku;
    int pominiete = 0;
    const std::string csv = ZapiszRozkladCsv(lista, &pominiete);
    if (pominiete > 0)
        std::cerr << "drelinko-rozklad: pominięto wpisy, które nie są pociągami: " << pominiete << '\n';
    return Wypisz(csv, Dobrze);
}

int Import(const std::string& csv, const std::string& plik)
{
    if (const std::string powod = SprawdzRozmiarCsv(csv); !powod.empty()) {
        std::cerr << "drelinko-rozklad: " << csv << ": " << powod << "\ndrelinko-rozklad: nic nie zapisano\n";
        return ZleDane;
    }
    const auto tekst = CzytajCalyPlik(csv);
    if (!tekst) {
        std::cerr << "drelinko-rozklad: " << csv << ": nie można otworzyć pliku\n";
        return BladPliku;
    }
    TImportCsv wynik = CzytajRozkladCsv(*tekst, Wloty());
    if (!wynik.Bledy.empty()) {
        for (const auto& blad : wynik.Bledy)
            std::cerr << csv << ": " << blad << '\n';
        std::cerr << "drelinko-rozklad: nic nie zapisano\n";
        return ZleDane;
    }
    tWktGenericList lista;
    for (auto& t : wynik.Pociagi)
        lista.Append(std::move(t));
    std::string powod;
    if (!SaveToFile(lista, plik, true, &powod)) {
        std::cerr << "drelinko-rozklad: " << plik << ": nie udało się zapisać pliku: " << powod << '\n'
                  << "drelinko-rozklad: poprzedni plik został bez zmian\n";
        return BladPliku;
    }
    return Dobrze;
}

int Sprawdz(const std::string& plik, bool graj)
{
    tWktGenericList lista;
    if (!Wczytaj(lista, plik))
        return BladPliku;
    const auto problemy = SprawdzRozklad(lista, Wloty());
    std::string raport;
    for (const auto& p : problemy)
        raport += plik + ": " + p + '\n';
    raport += plik + ": pociągów " + std::to_string(lista.Count()) + ", problemów " + std::to_string(problemy.size()) + '\n';
    if (!problemy.empty() || !graj)
        return Wypisz(raport, problemy.empty() ? Dobrze : ZleDane);
    // Played with the automatic dispatcher: a day that cannot be played without a penalty is a
    // timetable with a problem too.
    const TWynikProby wynik = ZagrajDzien(plik);
    for (const std::string& linia : wynik.Raport())
        raport += plik + ": " + linia + '\n';
    return Wypisz(raport, wynik.Grywalny ? Dobrze : ZleDane);
}

// A new day of about N trains from seed S, written only once proven playable.
int Generuj(const std::vector<std::string>& arg)
{
    std::int64_t pociagow = PociagowDniaDomyslnie, ziarno = 1;
    for (std::size_t i = 1; i < arg.size(); i += 2) {
        std::int64_t* cel = arg[i] == "--trains" ? &pociagow : arg[i] == "--seed" ? &ziarno : nullptr;
        if (cel == nullptr || i + 1 >= arg.size() || !CzytajCalkowitaZapisu(arg[i + 1], *cel))
            return Uzycie();
    }
    if (pociagow < NajmniejPociagowDnia || pociagow > NajwiecejPociagowDnia || ziarno < 0) {
        std::cerr << "drelinko-rozklad: dzień może mieć od " << NajmniejPociagowDnia << " do "
                  << NajwiecejPociagowDnia << " pociągów, a ziarno jest liczbą nieujemną\n";
        return ZleDane;
    }
    const TNowyDzien dzien = WygenerujDzien(static_cast<int>(pociagow), static_cast<std::uint64_t>(ziarno));
    if (!dzien.Proba.Grywalny) {
        std::cerr << "drelinko-rozklad: z ziarna " << ziarno << " nie powstał dzień do rozegrania bez kar\n";
        return ZleDane;
    }
    std::cerr << "drelinko-rozklad: dzień z ziarna " << ziarno << ": pociągów " << dzien.Pociagi
              << ", rozegrany bez kary przez dyżurnego automatycznego\n";
    return Wypisz(dzien.Csv, Dobrze);
}

}  // namespace

int main(int argc, char** argv)
{
    ZarejestrujPociag();
    std::vector<std::string> arg(argv + 1, argv + argc);
    if (arg.size() >= 2 && arg[0] == "--dir") {
        UstawProgramDir(arg[1]);
        arg.erase(arg.begin(), arg.begin() + 2);
    }
    if (arg.empty())
        return Uzycie();
    const std::string& polecenie = arg[0];
    const auto plikDat = [&](std::size_t i) { return arg.size() > i ? arg[i] : NazwaPlikuRozkladu(); };
    if (polecenie == "export" && arg.size() <= 2)
        return Eksport(plikDat(1));
    if (polecenie == "import" && arg.size() >= 2 && arg.size() <= 3)
        return Import(arg[1], plikDat(2));
    if (polecenie == "check" && arg.size() >= 2 && arg[1] == "--graj" && arg.size() <= 3)
        return Sprawdz(plikDat(2), true);
    if (polecenie == "check" && arg.size() <= 2)
        return Sprawdz(plikDat(1), false);
    if (polecenie == "generate")
        return Generuj(arg);
    return Uzycie();
}
