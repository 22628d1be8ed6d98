#pragma once

// Building the whole station: the elements and the interlocking's buttons together.

#include "station/uklad.h"

class TStacja;

// Every class a layout may name: the station's elements and the interlocking's buttons.
const TKlasyUkladu& KlasyNastawni();

// Builds the layout on the station and connects its signals to the dispatcher's signal action.
void ZbudujStacje(TStacja& stacja, const std::vector<TRekordUkladu>& uklad = UkladDrelinka());
