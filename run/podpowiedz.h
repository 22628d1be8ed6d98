#pragma once

// The hint: the next act the automatic dispatcher would make now, told to the player.

#include "station/kolor.h"

#include <string>

class TSymulacjaStacji;

// The frame round what the hint says to use, on the diagram and on the pages: orange, unlike the
// magenta of a refused route and the blue of a train chosen in the list.
inline constexpr TKolor KolorPodpowiedzi{255, 128, 0};
// How long it is shown unless the player acts first.
inline constexpr int CzasPodpowiedziMs = 30000;

struct TPodpowiedz {
    // The act as the driver command that does it (the words of the dispatcher's own acts), or "-"
    // when nothing is to be done now.
    std::string Polecenie = "-";
    // What to do and why, in Polish as the player reads it.
    std::string Powod;
    // The diagram element and the page button to use; empty where the act has none.
    std::string Element;
    std::string Przycisk;
    bool Cokolwiek() const { return Polecenie != "-"; }
};

// Asks the run's advising dispatcher what it would do first now. It never acts and changes nothing
// of the game: a hint costs no points.
TPodpowiedz Podpowiedz(TSymulacjaStacji& symulacja);
