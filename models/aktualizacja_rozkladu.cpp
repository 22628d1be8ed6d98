// Updating the timetable from a spreadsheet or a timetable file: read, check against the lines,
// then write it with the old one kept as a backup.

#include "models/aktualizacja_rozkladu.h"

#include "core/liczebniki.h"
#include "core/tekst.h"
#include "core/wkt_files.h"
#include "core/wkt_generic.h"
#include "station/uklad.h"
#include "trains/rozklad.h"
#include "trains/rozklad_csv.h"

#include <algorithm>
#include <filesystem>

namespace {

std::string Rozszerzenie(const std::string& plik)
{
    return MaleLitery(std::filesystem::path(plik).extension().string());
}

// The spreadsheet into the list; false with the problems when any row is wrong.
bool CzytajCsv(const std::string& plik, tWktGenericList& lista, std::vector<std::string>& bledy)
{
    if (std::string powod = SprawdzRozmiarCsv(plik); !powod.empty()) {
        bledy.push_back(std::move(powod));
        return false;
    }
    const auto tekst = CzytajCalyPlik(plik);
    if (!tekst) {
        bledy.push_back("Nie można otworzyć pliku.");
        return false;
    }
    TImportCsv wynik = CzytajRozkladCsv(*tekst, NazwyElementow(UkladDrelinka(), "TWlot"));
    if (!wynik.Bledy.empty()) {
        bledy = std::move(wynik.Bledy);
        return false;
    }
    for (auto& t : wynik.Pociagi)
        lista.Append(std::move(t));
    return true;
}

}  // namespace

TAktualizacjaRozkladu AktualizujRozklad(const std::string& zrodlo, const std::string& plikRozkladu)
{
    TAktualizacjaRozkladu wynik;
    tWktGenericList lista;
    const std::string rodzaj = Rozszerzenie(zrodlo);
    if (rodzaj == ".csv") {
        if (!CzytajCsv(zrodlo, lista, wynik.Bledy))
            return wynik;
    } else if (rodzaj == ".dat") {
        if (!LoadFromFile(lista, zrodlo)) {
            wynik.Bledy.push_back(PlikIstnieje(zrodlo) ? "Plik jest uszkodzony albo nie jest rozkładem jazdy."
                                                       : "Nie ma takiego pliku.");
            return wynik;
        }
    } else {
        wynik.Bledy.push_back("Rozkład jazdy przyjmuję tylko z pliku .csv albo .dat.");
        return wynik;
    }
    // An empty file is far likelier a mistake than a day without trains.
    if (lista.Count() == 0) {
        wynik.Bledy.push_back("Plik nie zawiera żadnego pociągu.");
        return wynik;
    }
    wynik.Bledy = SprawdzRozklad(lista, NazwyElementow(UkladDrelinka(), "TWlot"));
    if (!wynik.Bledy.empty())
        return wynik;
    std::error_code blad;
    if (std::filesystem::equivalent(zrodlo, plikRozkladu, blad)) {
        wynik.Bledy.push_back("To jest rozkład jazdy, którego program już używa.");
        return wynik;
    }
    // The replaced timetable is kept where the backups of ordinary saves cannot overwrite it; if it
    // cannot be kept, it is not replaced.
    try {
        wynik.Kopia = ZachowajKopie(plikRozkladu);
    } catch (const std::exception& e) {
        wynik.Bledy.push_back("Nie udało się zachować kopii dotychczasowego rozkładu jazdy.");
        wynik.Bledy.push_back(e.what());
        return wynik;
    }
    if (std::string powod; !SaveToFile(lista, plikRozkladu, false, &powod)) {
        wynik.Bledy.push_back("Nie udało się zapisać rozkładu jazdy.");
        wynik.Bledy.push_back(powod);
        return wynik;
    }
    wynik.Udana = true;
    wynik.Pociagow = lista.Count();
    return wynik;
}

bool AktualizujRozklad(const std::string& zrodlo, const std::string& plikRozkladu, TKomunikaty& komunikaty)
{
    const TAktualizacjaRozkladu wynik = AktualizujRozklad(zrodlo, plikRozkladu);
    if (!wynik.Udana) {
        std::string tekst = "Nie zaktualizowałem rozkładu jazdy:";
        const std::size_t pokazane = std::min<std::size_t>(wynik.Bledy.size(), 10);
        for (std::size_t i = 0; i < pokazane; ++i)
            tekst += "\r\n" + wynik.Bledy[i];
        if (wynik.Bledy.size() > pokazane)
            tekst += "\r\n" + Liczebnik("... i %d %s.", static_cast<int>(wynik.Bledy.size() - pokazane), "inny problem",
                                         "inne problemy", "innych problemów");
        komunikaty.Blad(tekst);
        return false;
    }
    std::string tekst = Liczebnik("Rozkład jazdy zaktualizowany: %d %s.", wynik.Pociagow, "pociąg", "pociągi", "pociągów");
    if (!wynik.Kopia.empty())
        tekst += "\r\nPoprzedni rozkład jest zachowany w pliku „" +
                 std::filesystem::path(wynik.Kopia).filename().string() + "”.";
    komunikaty.Komunikat(tekst);
    return true;
}
