// The announcement field's lead time and the train it shows.

#include "station/zapowiedz.h"

TZapowiedz::TZapowiedz(TStacja& stacja) : TPunkt(stacja) { DisablePopupMenu = true; }

double TZapowiedz::CzasZapowiedzi()
{
    if (Czas < 0)
        Czas = 0;
    while (Czas / 60 > 24)
        Czas -= 1440;
    const int godziny = Czas / 60, minuty = Czas % 60;
    if (godziny >= 24)
        return 0.0;
    return (godziny * 60 + minuty) / 1440.0;
}

void TZapowiedz::SetPociag(TPociag* wartosc)
{
    if (wartosc != Pociag())
        TPunkt::SetPociag(wartosc);
}

bool TZapowiedz::UstawWlasciwosc(const std::string& nazwa, const std::string& wartosc)
{
    if (nazwa == "Czas")
        return CzytajLiczbe(wartosc, Czas);
    return TPunkt::UstawWlasciwosc(nazwa, wartosc);
}
