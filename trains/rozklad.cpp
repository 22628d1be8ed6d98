#include "trains/rozklad.h"

#include "core/wkt_files.h"

std::string NazwaPlikuRozkladu() { return KatalogDanych() + "rozklad.dat"; }

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
    komunikaty_.Komunikat(plik_ + "\r\nNie udało się odczytać pliku.\r\nTworzę zatem nową, pusty rozkład jazdy!");
    Rozklad.FreeAll();
    ZapiszRozklad();
}

bool TRozkladJazdy::ZapiszRozklad()
{
    bool zapisany = false;
    {
        TKursorNaCzas kursor(kursory_, tKursor::zapis);
        powod_.clear();
        zapisany = SaveToFile(Rozklad, plik_, true, &powod_);
    }
    if (!zapisany)
        komunikaty_.Komunikat("Nie udało się zapisać rozkładu jazdy!\r\n" + powod_ +
                              "\r\nPoprzedni rozkład jazdy na dysku jest nienaruszony.");
    return zapisany;
}
