// Throwing, connecting and drawing a switch.

#include "station/zwrotnica.h"

#include "station/stacja.h"
#include "station/tor.h"

TZwrotnica::TZwrotnica(TStacja& stacja) : TPunkt(stacja)
{
    Width = 17;
    Height = 17;
}

void TZwrotnica::SetStatus(tZwrStatus s)
{
    status_ = s;
    RepaintButtons();
    Repaint();
}

void TZwrotnica::SetTyp(tZwrTyp t)
{
    typ_ = t;
    Repaint();
}

void TZwrotnica::SetLewyUkladRysowania(tUkladRysowania u)
{
    lewyUklad_ = u;
    Repaint();
}

void TZwrotnica::SetPrawyUkladRysowania(tUkladRysowania u)
{
    prawyUklad_ = u;
    Repaint();
}

void TZwrotnica::FlipStatus(TKomponent* sender)
{
    if (!Usterka.empty() && (Stan() == tStan::nieaktywny || Stan() == tStan::wolny))
        OdmowaUsterki("Zwrotnica się nie przestawiła.");
    if (Stan() == tStan::nieaktywny || Stan() == tStan::wolny)
        SetStatus(status_ == tZwrStatus::gora ? tZwrStatus::dol : tZwrStatus::gora);
    else
        Error("Próba przestawienia zwrotnicy.");
    PlaySound();
    if (OnModified)
        OnModified(sender);
}

void TZwrotnica::Click()
{
    FlipStatus(this);
    TPunkt::Click();
}

int TZwrotnica::WysokoscUkladu(tUkladRysowania u) const
{
    switch (u) {
    case urGora:
        return 1;
    case urSrodek:
        return Height / 2 - 1;
    case urDol:
        return Height - 2;
    }
    return 1;
}

TPunktXY TZwrotnica::ConnectionPoint(const TTor* tor) const
{
    if (tor == nullptr)
        return {-1, -1};
    const int yL = WysokoscUkladu(lewyUklad_);
    const int yR = WysokoscUkladu(prawyUklad_);
    const bool jedenNaDwa = typ_ == tZwrTyp::JedenNaDwa;
    if (tor == LewyTorDolny)
        return NaDiagramie(jedenNaDwa ? TPunktXY{0, yL} : TPunktXY{0, Height - 2});
    if (tor == PrawyTorDolny)
        return NaDiagramie(jedenNaDwa ? TPunktXY{Width, Height - 2} : TPunktXY{Width, yR});
    if (tor == LewyTor)
        return NaDiagramie(jedenNaDwa ? TPunktXY{0, yL} : TPunktXY{0, 1});
    if (tor == PrawyTor)
        return NaDiagramie(jedenNaDwa ? TPunktXY{Width, 1} : TPunktXY{Width, yR});
    return {-1, -1};
}

TPunkt* TZwrotnica::Neighbour(int strona) const
{
    if (strona == stLewy)
        return typ_ == tZwrTyp::JedenNaDwa || status_ == tZwrStatus::gora ? LewyTor : LewyTorDolny;
    if (strona == stPrawy)
        return typ_ == tZwrTyp::DwaNaJeden || status_ == tZwrStatus::gora ? PrawyTor : PrawyTorDolny;
    return nullptr;
}

void TZwrotnica::Paint(TPlotno& p)
{
    p.Pioro(Kolor());
    p.Pedzel(Kolor());
    p.Prostokat(ClientRect());
    const int yL = WysokoscUkladu(lewyUklad_);
    const int yR = WysokoscUkladu(prawyUklad_);
    TPunktXY gornaA, gornaB, dolnaA, dolnaB;
    if (typ_ == tZwrTyp::JedenNaDwa) {
        gornaA = {0, yL};
        gornaB = {Width, 1};
        dolnaA = {0, yL};
        dolnaB = {Width, Height - 2};
    } else {
        gornaA = {0, 1};
        gornaB = {Width, yR};
        dolnaA = {0, Height - 2};
        dolnaB = {Width, yR};
    }
    const bool naGorze = status_ == tZwrStatus::gora;
    p.Pioro(KoloryStanow[tStan::nieaktywny], 1);
    p.Linia(naGorze ? std::vector<TPunktXY>{dolnaA, dolnaB} : std::vector<TPunktXY>{gornaA, gornaB});
    DrawTrackLine(p, KolorStanu(), Stan(), naGorze ? gornaA : dolnaA, naGorze ? gornaB : dolnaB);
    DrawCaption(p);
}

bool TZwrotnica::UstawWlasciwosc(const std::string& nazwa, const std::string& wartosc)
{
    if (nazwa == "Status")
        return UstawWartosc<tZwrStatus>(wartosc, CzytajWartosc<tZwrStatus>, [this](tZwrStatus s) { SetStatus(s); });
    if (nazwa == "Typ")
        return UstawWartosc<tZwrTyp>(wartosc, CzytajWartosc<tZwrTyp>, [this](tZwrTyp t) { SetTyp(t); });
    if (nazwa == "LewyUkladRysowania")
        return UstawWartosc<tUkladRysowania>(wartosc, CzytajWartosc<tUkladRysowania>,
                                             [this](tUkladRysowania u) { SetLewyUkladRysowania(u); });
    if (nazwa == "PrawyUkladRysowania")
        return UstawWartosc<tUkladRysowania>(wartosc, CzytajWartosc<tUkladRysowania>,
                                             [this](tUkladRysowania u) { SetPrawyUkladRysowania(u); });
    return TPunkt::UstawWlasciwosc(nazwa, wartosc);
}

void TZwrotnica::Usuwany(TKomponent* k)
{
    TPunkt::Usuwany(k);
    if (LewyTorDolny != nullptr && static_cast<TKomponent*>(LewyTorDolny) == k)
        LewyTorDolny = nullptr;
    if (PrawyTorDolny != nullptr && static_cast<TKomponent*>(PrawyTorDolny) == k)
        PrawyTorDolny = nullptr;
}
