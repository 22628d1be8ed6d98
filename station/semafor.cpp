// The signal's aspects, the substitute signal's blinking, and drawing it.

#include "station/semafor.h"

#include "station/stacja.h"
#include "station/tor.h"

#include <stdexcept>

TSemafor::TSemafor(TStacja& stacja) : TPunkt(stacja)
{
    Width = 14;
    Height = 13;
}

void TSemafor::SetStatus(tSemStatus v)
{
    if (v == status_)
        return;
    status_ = v;
    if (v == tSemStatus::bialy) {
        odliczanie_ = OdliczanieSz;
        zegar_ = Stacja().Zegary().Uruchom(OkresMigania, [this] { BlinkTick(); });
    } else {
        zegar_.reset();
    }
    RepaintButtons();
    Repaint();
}

void TSemafor::PrzywrocSygnal(tSemStatus status, int odliczanie)
{
    status_ = status;
    odliczanie_ = odliczanie;
    zegar_.reset();
    Repaint();
}

void TSemafor::WznowMiganie()
{
    zegar_ = Stacja().Zegary().Uruchom(OkresMigania, [this] { BlinkTick(); });
}

void TSemafor::SetRodzaj(tSemRodzaj r)
{
    rodzaj_ = r;
    RepaintButtons();
    Repaint();
}

void TSemafor::SetTyp(tSemType t)
{
    typ_ = t;
    Repaint();
}

void TSemafor::BlinkTick()
{
    if (zegar_ == nullptr)
        return;
    --odliczanie_;
    Repaint();
    if (odliczanie_ < 0)
        SetStatus(tSemStatus::czerwony);
}

void TSemafor::OperateSignal(tZrodloPolecenia zrodlo, TKomponent* nadawca)
{
    TSterowanieSemaforem* sterowanie = Stacja().SterowanieSemaforem();
    if (sterowanie == nullptr)
        throw std::logic_error("Semafor " + Name + " nie jest podłączony do urządzeń sterowania.");
    sterowanie->OperateSignal(*this, zrodlo, nadawca);
}

void TSemafor::Click()
{
    OperateSignal(tZrodloPolecenia::diagram, this);
    TPunkt::Click();
}

TPunktXY TSemafor::ConnectionPoint(const TTor* tor) const
{
    const int y = typ_ == stLewy ? Height - 2 : 1;
    if (tor != nullptr && tor == LewyTor)
        return NaDiagramie({0, y});
    if (tor != nullptr && tor == PrawyTor)
        return NaDiagramie({Width - 1, y});
    return {-1, -1};
}

void TSemafor::Paint(TPlotno& p)
{
    p.Pioro(Kolor());
    p.Pedzel(Kolor());
    p.Prostokat(ClientRect());
    p.Pioro(kolory::Czarny, 1);
    TKolor lampa = kolory::Czerwony;
    if (status_ == tSemStatus::zielony)
        lampa = kolory::Limonkowy;
    else if (status_ == tSemStatus::bialy)
        lampa = zegar_ == nullptr ? kolory::Szary : (odliczanie_ % 2 == 0 ? kolory::Bialy : kolory::Srebrny);
    p.Pedzel(lampa);
    if (typ_ == stLewy) {
        p.Linia({{13, 0}, {13, 8}, {13, 4}, {8, 4}});
        p.ZaokraglonyProstokat({0, 0, 9, 9}, 7);
    } else {
        p.Linia({{0, 4}, {0, 12}, {0, 8}, {5, 8}});
        p.ZaokraglonyProstokat({4, 5, 13, 14}, 7);
    }
    const int y = typ_ == stLewy ? Height - 2 : 1;
    DrawTrackLine(p, KolorStanu(), Stan(), {0, y}, {Width, y});
    p.Pedzel(Kolor());
    DrawCaption(p);
}

bool TSemafor::UstawWlasciwosc(const std::string& nazwa, const std::string& wartosc)
{
    if (nazwa == "Status")
        return UstawWartosc<tSemStatus>(wartosc, CzytajWartosc<tSemStatus>, [this](tSemStatus s) { SetStatus(s); });
    if (nazwa == "Rodzaj")
        return UstawWartosc<tSemRodzaj>(wartosc, CzytajWartosc<tSemRodzaj>, [this](tSemRodzaj r) { SetRodzaj(r); });
    if (nazwa == "Typ")
        return UstawWartosc<tSemType>(wartosc, CzytajWartosc<tSemType>, [this](tSemType t) { SetTyp(t); });
    return TPunkt::UstawWlasciwosc(nazwa, wartosc);
}
