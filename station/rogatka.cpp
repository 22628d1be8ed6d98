// Raising and lowering the barrier with its partner, and drawing it.

#include "station/rogatka.h"

#include "station/stacja.h"
#include "station/tor.h"

TRogatka::TRogatka(TStacja& stacja) : TElement(stacja)
{
    Width = 16;
    Height = 4;
}

void TRogatka::SetPodniesione(bool wartosc)
{
    const auto tory = Stacja().Wszystkie<TTor>();
    const auto strzeze = [this](const TTor* t) { return t->RogatkaGorne == this || t->RogatkaDolne == this; };
    // A barrier that does not come down keeps its partner up too: the two always move together.
    if (!wartosc && podniesione_)
        if (TRogatka* r = Niesprawna())
            r->OdmowaUsterki("Rogatki nie opadły.");
    if (wartosc)
        for (TTor* t : tory)
            if (strzeze(t) && (t->Stan() == tStan::utwierdzony || t->Stan() == tStan::zajety))
                t->Error("Nie można podnieść rogatek, gdy tor nie jest wolny!");
    podniesione_ = wartosc;
    for (TTor* t : tory)
        if (strzeze(t))
            t->SetStan(t->AnyBarrierRaised() ? tStan::nieaktywny : tStan::wolny);
    for (TTor* t : tory) {
        TRogatka* partner = nullptr;
        if (t->RogatkaDolne == this)
            partner = t->RogatkaGorne;
        else if (t->RogatkaGorne == this)
            partner = t->RogatkaDolne;
        if (partner != nullptr && partner != this && partner->Podniesione() != podniesione_)
            partner->SetPodniesione(podniesione_);
    }
    Repaint();
    RepaintButtons();
}

TRogatka* TRogatka::Niesprawna()
{
    if (!Usterka.empty())
        return this;
    // Faults are rare: the walk over the tracks only when there is one.
    if (Stacja().Usterki() == 0)
        return nullptr;
    for (TTor* t : Stacja().Wszystkie<TTor>())
        if (t->RogatkaGorne == this || t->RogatkaDolne == this)
            for (TRogatka* r : {t->RogatkaGorne, t->RogatkaDolne})
                if (r != nullptr && !r->Usterka.empty())
                    return r;
    return nullptr;
}

void TRogatka::Click()
{
    SetPodniesione(!podniesione_);
    PlaySound();
}

void TRogatka::Paint(TPlotno& p)
{
    const int w = Width, h = Height;
    p.Pioro(kolory::Czerwony);
    p.Pedzel(kolory::Czerwony);
    if (podniesione_) {
        p.Prostokat({3, 0, 6, h - 1});
    } else {
        p.Prostokat({0, 0, w - 1, 3});
        p.Pioro(kolory::Bialy);
        p.Pedzel(kolory::Bialy);
        for (int i = 1; i <= w / 4; i += 2)
            p.Prostokat({4 * i, 0, 4 * i + 4, 3});
    }
    p.Pioro(kolory::Czarny);
    p.Pedzel(kolory::Czarny);
    p.Prostokat({0, 3, 3, h - 1});
    p.Prostokat({w - 2, 5, w - 1, h - 1});
    p.Pedzel(kolory::Bialy);
    DrawCaption(p);
}

bool TRogatka::UstawWlasciwosc(const std::string& nazwa, const std::string& wartosc)
{
    if (nazwa == "Podniesione")
        return UstawWartosc<bool>(wartosc, CzytajLogiczna, [this](bool v) { SetPodniesione(v); });
    return TElement::UstawWlasciwosc(nazwa, wartosc);
}
