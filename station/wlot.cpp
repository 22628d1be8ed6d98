// Sidings and line entries: connecting, drawing, whether a train may come in, and journal lines.

#include "station/wlot.h"

#include "core/tekst.h"
#include "station/semafor.h"
#include "station/stacja.h"
#include "station/tor.h"
#include "station/zapowiedz.h"

#include <algorithm>
#include <sstream>

void TBocznica::SetTyp(tSemType t)
{
    typ_ = t;
    RepaintButtons();
    Repaint();
}

void TBocznica::Paint(TPlotno& p)
{
    const TKolor kolor = Stan() == tStan::wolny ? Kolor() : KolorStanu();
    p.Pioro(kolor);
    p.Pedzel(kolor);
    p.Prostokat(ClientRect());
    DrawCaption(p);
}

bool TBocznica::UstawWlasciwosc(const std::string& nazwa, const std::string& wartosc)
{
    if (nazwa == "Typ")
        return UstawWartosc<tSemType>(wartosc, CzytajWartosc<tSemType>, [this](tSemType t) { SetTyp(t); });
    return TPunkt::UstawWlasciwosc(nazwa, wartosc);
}

void TWlot::SetRodzajWlotu(TRodzajWlotu r)
{
    rodzaj_ = r;
    RepaintButtons();
    Repaint();
}

void TWlot::SetKierunkiJazdy(std::vector<std::string> kierunki)
{
    std::sort(kierunki.begin(), kierunki.end(),
              [](const std::string& a, const std::string& b) { return PorownajBezWielkosci(a, b) < 0; });
    kierunki_ = std::move(kierunki);
}

double TWlot::WyprzedzenieJakoCzas() const
{
    const int s = Wyprzedzenie;
    const int godziny = s / 3600, minuty = (s % 3600) / 60, sekundy = s % 60;
    const double czas = (godziny * 3600.0 + minuty * 60.0 + sekundy) / 86400.0;
    return czas - static_cast<long long>(czas);
}

bool TWlot::WjazdDozwolony() const
{
    if (Stan() != tStan::utwierdzony)
        return false;
    const int d = Typ() == stLewy ? stPrawy : stLewy;
    const TPunkt* p = this;
    // The layout has no loops; the bound only keeps a broken one from hanging the game.
    for (std::size_t krok = 0; krok <= Stacja().Komponenty().size(); ++krok) {
        p = p->Neighbour(d);
        if (p == nullptr)
            return true;
        if (p->Stan() == tStan::wolny && MiejscePostoju(p))
            return true;
        if (const auto* s = dynamic_cast<const TSemafor*>(p)) {
            if (s->Typ() != d && s->Status() != tSemStatus::czerwony)
                return false;
            if (s->Typ() == d && s->Status() == tSemStatus::zielony)
                return true;
        }
        if (p->Stan() == tStan::zajety)
            return false;
    }
    return false;
}

TPunktXY TWlot::ConnectionPoint(const TTor*) const
{
    return NaDiagramie(Typ() == stLewy ? TPunktXY{Width, Height / 2} : TPunktXY{0, Height / 2});
}

TPunkt* TWlot::Neighbour(int strona) const
{
    const bool wjazd = rodzaj_ == rwWlot || rodzaj_ == rwWlotWylot;
    if (Typ() == stLewy)
        return strona == stPrawy && wjazd ? PrawyTor : nullptr;
    return strona == stLewy && wjazd ? LewyTor : nullptr;
}

void TWlot::Paint(TPlotno& p)
{
    const int l = 0, t = 0, r = Width, b = Height, m = (t + b) / 2;
    p.Pioro(KolorStanu());
    p.Pedzel(KolorStanu());
    const bool wPrawo = (rodzaj_ == rwWlot && Typ() == stLewy) || (rodzaj_ == rwWylot && Typ() == stPrawy);
    const bool wLewo = (rodzaj_ == rwWlot && Typ() == stPrawy) || (rodzaj_ == rwWylot && Typ() == stLewy);
    if (rodzaj_ == rwWlotWylot)
        p.Wielokat({{l, m}, {l + 8, t}, {r - 8, t}, {r, m}, {r - 8, b}, {l + 8, b}});
    else if (wPrawo)
        p.Wielokat({{l, t}, {r - 8, t}, {r, m}, {r - 8, b}, {l, b}});
    else if (wLewo)
        p.Wielokat({{r, t}, {l + 8, t}, {l, m}, {l + 8, b}, {r, b}});
    else
        p.Wielokat({{r, t}, {l, t}, {l, b}, {r, b}});
    DrawCaption(p);
}

bool TWlot::UstawWlasciwosc(const std::string& nazwa, const std::string& wartosc)
{
    if (nazwa == "RodzajWlotu")
        return UstawWartosc<TRodzajWlotu>(wartosc, CzytajWartosc<TRodzajWlotu>,
                                          [this](TRodzajWlotu r) { SetRodzajWlotu(r); });
    if (nazwa == "Wyprzedzenie")
        return CzytajLiczbe(wartosc, Wyprzedzenie);
    if (nazwa == "KierunkiJazdy") {
        // Places separated by '|'.
        std::vector<std::string> kierunki;
        std::istringstream we(wartosc);
        for (std::string k; std::getline(we, k, '|');)
            kierunki.push_back(k);
        SetKierunkiJazdy(std::move(kierunki));
        return true;
    }
    return TBocznica::UstawWlasciwosc(nazwa, wartosc);
}

bool TWlot::UstawReferencje(const std::string& nazwa, TKomponent* cel)
{
    if (nazwa == "Zapowiedz" || nazwa == "ZapowiedzRozkladu") {
        auto* z = dynamic_cast<TZapowiedz*>(cel);
        if (cel != nullptr && z == nullptr)
            return false;
        (nazwa == "Zapowiedz" ? Zapowiedz : ZapowiedzRozkladu) = z;
        return true;
    }
    return TBocznica::UstawReferencje(nazwa, cel);
}

void TWlot::Usuwany(TKomponent* k)
{
    TBocznica::Usuwany(k);
    if (Zapowiedz != nullptr && static_cast<TKomponent*>(Zapowiedz) == k)
        Zapowiedz = nullptr;
    if (ZapowiedzRozkladu != nullptr && static_cast<TKomponent*>(ZapowiedzRozkladu) == k)
        ZapowiedzRozkladu = nullptr;
}

void TWlotStacyjny::DoDodajDoDziennika(std::int32_t punkty, const std::string& s1, const std::string& s2)
{
    if (OnDodajDoDziennika)
        OnDodajDoDziennika(punkty, s1, s2);
}
