// Laying tracks between their points, walking along them, and drawing them.

#include "station/tor.h"

#include "station/przejazd.h"
#include "station/rogatka.h"
#include "station/stacja.h"
#include "station/zwrotnica.h"

#include <algorithm>
#include <cstdlib>

// A new component comes to the front of the diagram already.
TTor::TTor(TStacja& stacja) : TPunkt(stacja) {}

void TTor::SetLewyPunkt(TPunkt* punkt)
{
    lewyPunkt_ = punkt;
    RelayoutTrack();
    Stacja().NaSpod(this);
}

void TTor::SetPrawyPunkt(TPunkt* punkt)
{
    prawyPunkt_ = punkt;
    RelayoutTrack();
    Stacja().NaSpod(this);
}

void TTor::SetLewyStatus(tZwrStatus s)
{
    lewyStatus_ = s;
    Stacja().NaSpod(this);
    Repaint();
}

void TTor::SetPrawyStatus(tZwrStatus s)
{
    prawyStatus_ = s;
    Stacja().NaSpod(this);
    Repaint();
}

void TTor::RelayoutTrack()
{
    if (lewyPunkt_ == nullptr || prawyPunkt_ == nullptr)
        return;
    if (auto* z = dynamic_cast<TZwrotnica*>(lewyPunkt_); z != nullptr && z->Typ() == tZwrTyp::JedenNaDwa) {
        if (lewyStatus_ == tZwrStatus::gora)
            z->PrawyTor = this;
        else
            z->PrawyTorDolny = this;
    } else {
        lewyPunkt_->PrawyTor = this;
    }
    if (auto* z = dynamic_cast<TZwrotnica*>(prawyPunkt_); z != nullptr && z->Typ() == tZwrTyp::DwaNaJeden) {
        if (prawyStatus_ == tZwrStatus::gora)
            z->LewyTor = this;
        else
            z->LewyTorDolny = this;
    } else {
        prawyPunkt_->LewyTor = this;
    }
    LewyKoniec = lewyPunkt_->ConnectionPoint(this);
    PrawyKoniec = prawyPunkt_->ConnectionPoint(this);
    if (LewyKoniec.x == -1 || LewyKoniec.y == -1 || PrawyKoniec.x == -1 || PrawyKoniec.y == -1)
        return;
    const int lewa = std::min(LewyKoniec.x, PrawyKoniec.x) - 2;
    const int gorna = std::min(LewyKoniec.y, PrawyKoniec.y) - 2;
    const int prawa = std::max(LewyKoniec.x, PrawyKoniec.x) + 2;
    const int dolna = std::max(LewyKoniec.y, PrawyKoniec.y) + 2;
    if (lewa != Left || gorna != Top || prawa - lewa != Width || dolna - gorna != Height)
        SetBounds(lewa, gorna, prawa - lewa, dolna - gorna);
}

bool TTor::AnyBarrierRaised() const
{
    return (RogatkaGorne != nullptr && RogatkaGorne->Podniesione()) ||
           (RogatkaDolne != nullptr && RogatkaDolne->Podniesione());
}

TPunkt* TTor::Neighbour(int strona) const
{
    if (strona != stLewy && strona != stPrawy)
        return nullptr;
    TPunkt* punkt = strona == stLewy ? lewyPunkt_ : prawyPunkt_;
    // A switch lying against this track gives no way on.
    if (punkt != nullptr && punkt->Jest(rpZwrotnica))
        return punkt->Neighbour(strona == stLewy ? stPrawy : stLewy) == this ? punkt : nullptr;
    return punkt;
}

void TTor::Paint(TPlotno& p)
{
    const bool lewyZnany = LewyKoniec.x != -1 && LewyKoniec.y != -1;
    const bool prawyZnany = PrawyKoniec.x != -1 && PrawyKoniec.y != -1;
    TPunktXY a, b;
    if (lewyZnany && prawyZnany) {
        a.x = LewyKoniec.x < PrawyKoniec.x ? 2 : Width - 2;
        b.x = LewyKoniec.x < PrawyKoniec.x ? Width - 2 : 2;
        a.y = LewyKoniec.y < PrawyKoniec.y ? 2 : Height - 2;
        b.y = LewyKoniec.y < PrawyKoniec.y ? Height - 2 : 2;
    } else if (LewyKoniec.x == -1 && LewyKoniec.y == -1 && PrawyKoniec.x == -1 && PrawyKoniec.y == -1) {
        a = {2, Height / 2};
        b = {Width - 2, Height / 2};
    } else {
        return;
    }
    DrawTrackLine(p, KolorStanu(), Stan(), a, b);
}

std::vector<TMiejsceEtykiety> TTor::MiejscaEtykietyPociagu(int szerokosc) const
{
    constexpr int Wysokosc = WysokoscEtykietyPociagu, Odstep = 3;
    constexpr unsigned Linia = tfJednaLinia | tfBezObciecia;
    if (LewyKoniec.x == -1 || PrawyKoniec.x == -1)
        return TPunkt::MiejscaEtykietyPociagu(szerokosc);
    const TPunktXY a{LewyKoniec.x - Left, LewyKoniec.y - Top}, b{PrawyKoniec.x - Left, PrawyKoniec.y - Top};
    const TPunktXY lewy = a.x <= b.x ? a : b, prawy = a.x <= b.x ? b : a;
    const TPunktXY srodek{(a.x + b.x) / 2, (a.y + b.y) / 2};
    // Above the whole stroke or below it: centred on its middle, else from its left end or up to
    // its right end.
    const int nad = std::min(a.y, b.y) - 2 - Odstep - Wysokosc, pod = std::max(a.y, b.y) + 2 + Odstep;
    const auto linia = [&](int x, int y) { return TMiejsceEtykiety{{x, y, x + szerokosc, y + Wysokosc}, Linia}; };
    const int srodkiem = srodek.x - szerokosc / 2, odPrawej = prawy.x - szerokosc;
    std::vector<TMiejsceEtykiety> miejsca;
    if (std::abs(a.y - b.y) > 2) {
        // Slanting: best from the middle to the right, on the side the stroke leaves free there
        // (below it when it climbs to the right, above it when it falls), close to the train.
        const int gora = prawy.y < lewy.y ? srodek.y + Odstep : srodek.y - Odstep - Wysokosc;
        miejsca.push_back(linia(srodek.x + Odstep + 1, gora));
    }
    for (const int y : {nad, pod})
        for (const int x : {srodkiem, lewy.x, odPrawej})
            miejsca.push_back(linia(x, y));
    return miejsca;
}

void TTor::PoZmianieStanu()
{
    if (PrzejazdDolne != nullptr)
        PrzejazdDolne->PrzeliczMiganie();
    if (PrzejazdGorne != nullptr)
        PrzejazdGorne->PrzeliczMiganie();
}

bool TTor::UstawWlasciwosc(const std::string& nazwa, const std::string& wartosc)
{
    if (nazwa == "LewyStatus")
        return UstawWartosc<tZwrStatus>(wartosc, CzytajWartosc<tZwrStatus>, [this](tZwrStatus s) { SetLewyStatus(s); });
    if (nazwa == "PrawyStatus")
        return UstawWartosc<tZwrStatus>(wartosc, CzytajWartosc<tZwrStatus>,
                                        [this](tZwrStatus s) { SetPrawyStatus(s); });
    return TPunkt::UstawWlasciwosc(nazwa, wartosc);
}

bool TTor::UstawReferencje(const std::string& nazwa, TKomponent* cel)
{
    if (nazwa == "LewyPunkt" || nazwa == "PrawyPunkt") {
        auto* punkt = dynamic_cast<TPunkt*>(cel);
        if (cel != nullptr && punkt == nullptr)
            return false;
        nazwa == "LewyPunkt" ? SetLewyPunkt(punkt) : SetPrawyPunkt(punkt);
        return true;
    }
    if (nazwa == "RogatkaGorne" || nazwa == "RogatkaDolne") {
        auto* r = dynamic_cast<TRogatka*>(cel);
        if (cel != nullptr && r == nullptr)
            return false;
        (nazwa == "RogatkaGorne" ? RogatkaGorne : RogatkaDolne) = r;
        Repaint();
        return true;
    }
    if (nazwa == "PrzejazdGorne" || nazwa == "PrzejazdDolne") {
        auto* p = dynamic_cast<TPrzejazd*>(cel);
        if (cel != nullptr && p == nullptr)
            return false;
        (nazwa == "PrzejazdGorne" ? PrzejazdGorne : PrzejazdDolne) = p;
        Repaint();
        return true;
    }
    return TPunkt::UstawReferencje(nazwa, cel);
}

void TTor::Usuwany(TKomponent* k)
{
    TPunkt::Usuwany(k);
    if (k == lewyPunkt_)
        lewyPunkt_ = nullptr;
    if (k == prawyPunkt_)
        prawyPunkt_ = nullptr;
    if (k == RogatkaGorne)
        RogatkaGorne = nullptr;
    if (k == RogatkaDolne)
        RogatkaDolne = nullptr;
    if (k == PrzejazdGorne)
        PrzejazdGorne = nullptr;
    if (k == PrzejazdDolne)
        PrzejazdDolne = nullptr;
}
