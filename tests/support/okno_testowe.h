#pragma once

#include "ui/okno_stacji.h"

// The station window whose activity the test decides: on the offscreen platform no window is ever
// the active one, and the ticks stand in an inactive window.
class TOknoTestowe : public TOknoStacji {
public:
    using TOknoStacji::TOknoStacji;
    bool Aktywne() const override { return aktywne; }
    bool aktywne = true;
};
