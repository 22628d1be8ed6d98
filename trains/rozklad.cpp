// Loading and saving the timetable file, without writing over another copy's change.

#include "trains/rozklad.h"

#include "core/wkt_files.h"

#include <functional>

std::string NazwaPlikuRozkladu() { return KatalogDanych() + "rozklad.dat"; }

namespace {

std::optional<std::size_t> Skrot(const std::string& plik)
{
    const auto tekst = CzytajCalyPlik(plik);
    if (!tekst)
        return std::nullopt;
    return std::hash<std::string>{}(*tekst);
}

}  // namespace

TRozkladJazdy::TRozkladJazdy(std::string plik, TKomunikaty& komunikaty, TKursory& kursory)
    : plik_(std::move(plik)), komunikaty_(komunikaty), kursory_(kursory)
{
    ZarejestrujPociag();
}

void TRozkladJazdy::WczytajRozklad()
{
    bool wczytany = false;
    {
        TKursorNaCzas kursor(kursory_, tKursor::czytanie);
        // The file replaces what is in memory: read on top of it, a timetable loaded again (after an
        // update) would hold every train twice.
        Rozklad.FreeAll();
        naDysku_ = Skrot(plik_);
        wczytany = LoadFromFile(Rozklad, plik_);
    }
    if (wczytany)
        return;
    // The plain backup rotation would overwrite "Kopia rozklad.dat" on the next save; the damaged
    // file goes where nothing will replace it, for the player or a later repair.
    try {
        ZachowajKopie(plik_);
    } catch (...) {
    }
    komunikaty_.Blad(plik_ + "\r\nNie udało się odczytać pliku.\r\nTworzę zatem nową, pusty rozkład jazdy!");
    Rozklad.FreeAll();
    ZapiszRozklad();
}

bool TRozkladJazdy::ZmienionyNaDysku() const
{
    if (!naDysku_)
        return false;
    const std::optional<std::size_t> teraz = Skrot(plik_);
    return teraz && teraz != naDysku_;
}

bool TRozkladJazdy::ZapiszRozklad()
{
    bool zapisany = false;
    {
        TKursorNaCzas kursor(kursory_, tKursor::zapis);
        powod_.clear();
        // Another copy of the game may have saved its change since: this list would drop it. A file
        // gone meanwhile is only written afresh.
        if (ZmienionyNaDysku()) {
            powod_ = "Plik " + plik_ + " zmienił się od wczytania (zapisała go inna kopia gry albo inny program); "
                     "zapis zastąpiłby tamte zmiany. Uruchom grę ponownie, aby pracować na nowym rozkładzie.";
        } else {
            zapisany = SaveToFile(Rozklad, plik_, true, &powod_);
            if (zapisany)
                naDysku_ = Skrot(plik_);
        }
    }
    if (!zapisany)
        komunikaty_.Blad("Nie udało się zapisać rozkładu jazdy!\r\n" + powod_ +
                              "\r\nPoprzedni rozkład jazdy na dysku jest nienaruszony.");
    return zapisany;
}
