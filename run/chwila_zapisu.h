#pragma once

// A moment of the game shown from its record ("Pokaż w zapisie"): the playback of the running game,
// standing a minute before one of its journal lines was written, with the hint's advice there.

#include "run/podpowiedz.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

class TSymulacjaStacji;
class TUslugi;

struct TChwilaZapisu {
    // The playback, standing before the line; null when the moment cannot be shown (`Blad` says why).
    std::unique_ptr<TSymulacjaStacji> Symulacja;
    std::string Blad;
    // What the hint advises where the playback stands: what would have avoided the line.
    TPodpowiedz Rada;
};

// The playback opens this long before the line, in simulated seconds.
constexpr int SekundPrzedChwila = 60;

// The record of `gra` played back to `SekundPrzedChwila` before its journal line `linia` (its index
// in the game's journal) was written. The game itself is not touched: the record is played on new
// stations, the timetable saved under `plikRozkladu` if the playback's timetable window changes it.
// A line older than the record's checkpoint cannot be shown.
TChwilaZapisu OdtworzPrzedLinia(TSymulacjaStacji& gra, std::size_t linia, TUslugi& uslugi,
                                const std::string& plikRozkladu);

// The first line of the journal with a penalty that concerns the report's train `pociag`; none
// when there is none.
bool LiniaKaryPociagu(const TSymulacjaStacji& gra, std::uint32_t pociag, std::size_t& linia);
