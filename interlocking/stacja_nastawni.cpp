// The full class table of the layout, and the station built with its signal action.

#include "interlocking/stacja_nastawni.h"

#include "interlocking/przyciski.h"
#include "interlocking/sterowanie_semaforem.h"
#include "station/stacja.h"

const TKlasyUkladu& KlasyNastawni()
{
    static const TKlasyUkladu klasy = [] {
        TKlasyUkladu k = KlasyStacji();
        k.emplace("TPunktButton", FabrykaKlasy<TPunktButton>());
        k.emplace("TZatwierdzButton", FabrykaKlasy<TZatwierdzButton>());
        k.emplace("TSpecialPunktButton", FabrykaKlasy<TSpecialPunktButton>());
        return k;
    }();
    return klasy;
}

void ZbudujStacje(TStacja& stacja, const std::vector<TRekordUkladu>& uklad)
{
    stacja.UstawSterowanieSemaforem(&ObslugaSemaforow());
    ZbudujUklad(stacja, uklad, KlasyNastawni());
}
