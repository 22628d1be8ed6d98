#pragma once

// Where the trains' labels go beside the tracks, switches and signals of the diagram.

#include "station/plotno.h"
#include "station/upunkt.h"

#include <string>
#include <vector>

class TStacja;

struct TEtykietaPociagu {
    const TPunkt* Punkt = nullptr;
    TMiejsceEtykiety Miejsce;  // relative to the point
};

// The labels of the trains on the diagram now, in layout order: one for each train, beside the
// first of its points that has a place for it clear of what the player reads (every signal's and
// crossing's lamps, every element's name, the points that show their trains themselves), of the
// diagram's edges and of the labels placed before it. A train with no such place goes without.
std::vector<TEtykietaPociagu> RozmiescEtykietyPociagow(const TStacja& stacja);

// What a label keeps clear of, in diagram coordinates: it depends on the layout alone.
std::vector<TProstokat> WyznaczObszaryBezEtykiet(const TStacja& stacja);

// How wide a line of label text is drawn, near enough to place it: the labels' font is small and
// the same everywhere.
int SzerokoscTekstuEtykiety(const std::string& tekst);

bool NachodzaNaSiebie(const TProstokat& a, const TProstokat& b);
