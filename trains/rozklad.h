#pragma once

// The timetable, its file and the limits of what a timetable can hold.

#include "core/komunikaty.h"
#include "core/wkt_generic.h"
#include "trains/pociag.h"

#include <cstddef>
#include <optional>
#include <string>

// The timetable file in the game's data folder (KatalogDanych).
std::string NazwaPlikuRozkladu();

// The file counts its entries in a signed 16-bit number: no timetable can hold more.
inline constexpr int NajwiecejPociagow = 32767;
inline constexpr const char* TekstNajwiecejPociagow = "Rozkład jazdy może mieć najwyżej 32767 pociągów.";
// The longest text a train's field may hold (number, relation, consist, entry, description), in
// characters: far beyond any real one, and what bounds the size of a timetable in any form.
inline constexpr int NajdluzszyTekstPociagu = 100;

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

    // Loads the file in place of the trains in memory; a file that is missing or cannot be read is
    // replaced by an empty timetable after a message, and a damaged one is first kept under a
    // numbered backup name.
    void WczytajRozklad();
    // Saves with a backup copy; a failure is reported with its cause and leaves the list, the file
    // and its backup as they were. A file that has changed since this list last read or wrote it (a
    // second copy of the game saved its own change) is not written over. True when saved.
    bool ZapiszRozklad();
    // Whether the file has changed since this list last read or wrote it.
    bool ZmienionyNaDysku() const;
    // Why the last save failed; empty after a good one.
    const std::string& PowodBledu() const { return powod_; }

private:
    std::string plik_;
    std::string powod_;
    // A digest of the file as this list last read or wrote it; none before either.
    std::optional<std::size_t> naDysku_;
    TKomunikaty& komunikaty_;
    TKursory& kursory_;
};
