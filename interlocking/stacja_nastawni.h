#pragma once

// Building the whole station: the elements and the interlocking's buttons together.

#include "core/dzwieki.h"
#include "core/zegary_reczne.h"
#include "station/stacja.h"
#include "station/uklad.h"

class TKomunikaty;

// Every class a layout may name: the station's elements and the interlocking's buttons.
const TKlasyUkladu& KlasyNastawni();

// Builds the layout on the station and connects its signals to the dispatcher's signal action.
void ZbudujStacje(TStacja& stacja, const std::vector<TRekordUkladu>& uklad = UkladDrelinka());

// Drelinko's station built only to be read (its entries, the names a lesson uses): on a clock that
// never moves, so nothing of it runs, and with no sound. A fault of the layout is raised.
struct TStacjaDoOdczytu {
    explicit TStacjaDoOdczytu(TKomunikaty& komunikaty) : Stacja(zegary, dzwieki, komunikaty) { ZbudujStacje(Stacja); }

private:
    TZegaryReczne zegary;
    TBezDzwiekow dzwieki;

public:
    TStacja Stacja;
};
