// The level crossing lamps' flashing and drawing, and the road shape.

#include "station/przejazd.h"

#include "station/stacja.h"
#include "station/tor.h"

#include <algorithm>

TPrzejazd::TPrzejazd(TStacja& stacja) : TElement(stacja)
{
    Width = 16;
    Height = 4;
}

void TPrzejazd::PrzywrocMiganie(bool migajacy, bool zapalone)
{
    migajacy_ = migajacy;
    zapalone_ = zapalone;
    zegar_.reset();
    Repaint();
}

void TPrzejazd::WznowMiganie()
{
    zegar_ = Stacja().Zegary().Uruchom(OkresMigania, [this] {
        if (!migajacy_)
            return;
        zapalone_ = !zapalone_;
        Repaint();
    });
}

void TPrzejazd::SetMigajacy(bool wartosc)
{
    if (wartosc == migajacy_)
        return;
    migajacy_ = wartosc;
    if (migajacy_) {
        WznowMiganie();
    } else {
        zegar_.reset();
    }
    RepaintButtons();
    Repaint();
}

void TPrzejazd::SetTyp(tZwrStatus t)
{
    typ_ = t;
    Repaint();
}

void TPrzejazd::PrzeliczMiganie()
{
    // Asked whenever a track changes its state, so on the simulation's every step: the station's
    // points, without a type lookup.
    bool migaj = false;
    for (TPunkt* p : Stacja().Punkty()) {
        if (!p->Jest(rpTor))
            continue;
        const auto* t = static_cast<const TTor*>(p);
        if ((t->PrzejazdDolne == this || t->PrzejazdGorne == this) &&
            (t->Stan() == tStan::utwierdzony || t->Stan() == tStan::zajety)) {
            migaj = true;
            break;
        }
    }
    if (migaj != migajacy_)
        SetMigajacy(migaj);
}

void TPrzejazd::Paint(TPlotno& p)
{
    const int w = Width, h = Height, m = w / 2;
    p.Pioro(kolory::Czarny);
    p.Pedzel(kolory::Czarny);
    p.Prostokat({m - 1, 0, m + 1, h - 1});
    const int y0 = typ_ == tZwrStatus::gora ? 0 : h - 8;
    p.Pioro(kolory::Bordowy);
    p.Linia({{0, y0}, {w - 1, y0 + 5}});
    p.Linia({{0, y0 + 5}, {w - 1, y0}});
    p.Linia({{0, y0 + 2}, {w - 1, y0 + 7}});
    p.Linia({{0, y0 + 7}, {w - 1, y0 + 2}});
    p.Pioro(kolory::Bialy);
    p.Linia({{0, y0 + 1}, {w - 1, y0 + 6}});
    p.Linia({{0, y0 + 6}, {w - 1, y0 + 1}});
    p.Pioro(kolory::Szary);
    p.Pedzel(migajacy_ && zapalone_ ? kolory::Czerwony : kolory::Srebrny);
    const int y1 = typ_ == tZwrStatus::gora ? 6 : h - 14;
    p.Elipsa({m - 7, y1, m - 2, y1 + 6});
    p.Elipsa({m + 2, y1, m + 7, y1 + 6});
}

bool TPrzejazd::UstawWlasciwosc(const std::string& nazwa, const std::string& wartosc)
{
    if (nazwa == "Typ")
        return UstawWartosc<tZwrStatus>(wartosc, CzytajWartosc<tZwrStatus>, [this](tZwrStatus t) { SetTyp(t); });
    if (nazwa == "Migajacy")
        return UstawWartosc<bool>(wartosc, CzytajLogiczna, [this](bool v) { SetMigajacy(v); });
    return TElement::UstawWlasciwosc(nazwa, wartosc);
}

void TDRoga::Paint(TPlotno& p)
{
    p.BezPiora();
    p.Pedzel(Color);
    p.WypelnijProstokat(ClientRect());
}

bool TDRoga::UstawWlasciwosc(const std::string& nazwa, const std::string& wartosc)
{
    if (nazwa == "Pen.Style")
        return wartosc == "psClear";
    if (nazwa == "Brush.Color") {
        ParentColor = false;
        return CzytajKolor(wartosc, Color);
    }
    return TKomponent::UstawWlasciwosc(nazwa, wartosc);
}
