#pragma once

// What an element asks of its button on the control page, kept apart from the buttons.

#include "station/kolor.h"
#include "station/typy.h"

class TElement;

// What an element needs of the button that shows it on the control page.
class TPrzyciskElementu {
public:
    virtual ~TPrzyciskElementu() = default;
    virtual TElement* ElementPrzycisku() const = 0;
    // The point's state and its colour, for the button's border.
    virtual void PokazStan(tStan stan, TKolor kolor) = 0;
    virtual void OdswiezPrzycisk() = 0;
};
