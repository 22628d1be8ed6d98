#pragma once

// The left or right direction shared by signals, entries and running trains.

#include "core/nazwy_wartosci.h"

#include <cstdint>

// The one direction value of the game: the side of Neighbour, the direction a signal governs,
// the side of an entry, and the way a train runs. 0 = left, 1 = right.
enum tSemType : std::uint8_t { stLewy = 0, stPrawy = 1 };

template <>
struct TNazwyWartosci<tSemType> {
    static constexpr TNazwaWartosci<tSemType> Tabela[] = {{stLewy, "stLewy"}, {stPrawy, "stPrawy"}};
};

inline tSemType Przeciwny(tSemType kierunek) { return kierunek == stLewy ? stPrawy : stLewy; }
