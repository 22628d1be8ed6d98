#pragma once

// The checkpoint (TPunktKontrolny): the whole state of a running game as plain lines, taken and
// restored so that a saved game replays only the inputs since.

#include "record/wiersze_stanu.h"

#include <cstddef>
#include <stdexcept>

class TSymulacjaStacji;

// A checkpoint is the whole state of a running game in plain lines, each its kind and then its
// values, every one a word of the saved game's file: the clocks, every element of the layout in
// component order, every train of the day and where it stands, the journal, the day's reports, the
// automatic dispatcher's plans and the running timers with their phases. A game restored from it on
// a fresh station goes on exactly as the one it was taken from, so a saved game needs to replay only
// the inputs given since.
class TPunktKontrolny {
public:
    // Why a checkpoint was refused, and at which of its lines (0 the first).
    struct TBlad : std::runtime_error {
        TBlad(std::size_t wiersz, const std::string& powod) : std::runtime_error(powod), Wiersz(wiersz) {}
        std::size_t Wiersz;
    };

    // Taken between events (never inside a tick, an act or a timer's tick); changes nothing.
    static TWierszeStanu Zrob(const TSymulacjaStacji& symulacja);
    // Puts the state on a station made for replaying and not yet started; every value is checked
    // as it is read, and a refused one raises TBlad (the station is then only fit for discarding).
    static void Przywroc(TSymulacjaStacji& symulacja, const TWierszeStanu& wiersze);
};
