#pragma once

#include "core/komunikaty.h"
#include "core/wkt_generic.h"
#include "trains/pociag.h"

#include <string>

// The timetable file in the game's data folder (KatalogDanych).
std::string NazwaPlikuRozkladu();

// The file counts its entries in a signed 16-bit number: no timetable can hold more.
inline constexpr int NajwiecejPociagow = 32767;
inline constexpr const char* TekstNajwiecejPociagow = "Rozkład jazdy może mieć najwyżej 32767 pociągów.";

// The timetable: the list of entries the dispatcher's day is made from, and its file. One for the
// program; the timetable window edits it, the day's preparation copies trains from it.
class TRozkladJazdy {
public:
    TRozkladJazdy(std::string plik, TKomunikaty& komunikaty, TKursory& kursory);

    tWktGenericList Rozklad;

    const std::string& Plik() const { return plik_; }
    int Ile() const { return Rozklad.Count(); }
    // The entry at the position; nullptr for an empty entry or one of another class.
    TPociag* Pociag(int indeks) const { return Rozklad.At<TPociag>(indeks); }

    // Loads the file; a file that is missing or cannot be read is replaced by an empty timetable
    // after a message, and a damaged one is first kept under a numbered backup name.
    void WczytajRozklad();
    // Saves with a backup copy; a failure is reported and leaves the list as it was. True when saved.
    bool ZapiszRozklad();

private:
    std::string plik_;
    TKomunikaty& komunikaty_;
    TKursory& kursory_;
};
