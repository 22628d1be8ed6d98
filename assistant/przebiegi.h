#pragma once

// The station's routes and shunting ways worked out from the layout (TMapaPrzebiegow), for the
// automatic dispatcher.

#include "station/typy_torow.h"
#include "trains/kierunek.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

class TElement;
class TPunkt;
class TPunktButton;
class TRogatka;
class TSemafor;
class TStacja;
class TTor;
class TZatwierdzButton;
class TZwrotnica;

// One way over the layout found without throwing a switch: the points in the order of travel and
// the position every switch on it must have.
struct TDrogaUkladu {
    std::vector<TPunkt*> Punkty;
    std::vector<std::pair<TZwrotnica*, tZwrStatus>> Zwrotnice;
};

// A fixed route of the station (one route button) as the dispatcher sets it: its points from the
// button's left end to its right end, the switch positions, and the barriers that guard it.
struct TPrzebieg {
    TZatwierdzButton* Przycisk = nullptr;
    TDrogaUkladu Droga;
    // The barriers over the route's tracks, one per pair (a pair moves together).
    std::vector<TRogatka*> Rogatki;

    TPunkt* Lewy() const { return Droga.Punkty.front(); }
    TPunkt* Prawy() const { return Droga.Punkty.back(); }
    bool Zawiera(const TPunkt* p) const;
    // The signals a train running the route in the direction must pass at proceed.
    std::vector<TSemafor*> Semafory(tSemType kierunek) const;
};

// Every route of the station worked out once from the layout, and the ways of shunting units.
class TMapaPrzebiegow {
public:
    explicit TMapaPrzebiegow(TStacja& stacja);

    const std::vector<TPrzebieg>& Przebiegi() const { return przebiegi_; }
    // The route between the two points (in either order); nullptr when there is no such button.
    const TPrzebieg* Przebieg(const TPunkt* a, const TPunkt* b) const;
    // The button that works the element (switch, signal, barrier); nullptr when it has none.
    TPunktButton* Przycisk(const TElement* element) const;

    // The way a shunting unit takes from the point in the direction to the first place where it
    // stops, for every choice of switch positions; ways through `unikaj` are left out.
    std::vector<TDrogaUkladu> DrogiManewrowe(TPunkt* od, tSemType kierunek, const std::vector<const TPunkt*>& unikaj) const;

private:
    TStacja& stacja_;
    std::vector<TPrzebieg> przebiegi_;
    std::map<const TElement*, TPunktButton*> przyciski_;
};

// The barriers guarding the track, one per pair.
TRogatka* RogatkaToru(const TTor* tor);
// Whether the track lies under the barrier's pair.
bool StrzezonyPrzez(const TTor* tor, const TRogatka* rogatka);
