// The station's components: taking them in, finding, removing and drawing them.

#include "station/stacja.h"

#include "core/tekst.h"
#include "station/etykiety_pociagow.h"
#include "station/przycisk_elementu.h"
#include "station/semafor.h"
#include "station/upunkt.h"
#include "station/wlot.h"
#include "station/zwrotnica.h"

#include <algorithm>

TStacja::TStacja(TZegary& zegary, TDzwieki& dzwieki, TKomunikaty& komunikaty, TZegary* zegaryWidoku)
    : zegary_(zegary), zegaryWidoku_(zegaryWidoku != nullptr ? *zegaryWidoku : zegary), dzwieki_(dzwieki),
      komunikaty_(komunikaty)
{
}

TStacja::~TStacja()
{
    // Nobody is told any more: everything goes. Last made, first freed, so timers and links of
    // later components go before the components they point at.
    OnOdswiez = nullptr;
    kolejnosc_.clear();
    punkty_.clear();
    wloty_.clear();
    semafory_.clear();
    zwrotnice_.clear();
    przyciski_.clear();
    while (!komponenty_.empty())
        komponenty_.pop_back();
}

void TStacja::Przyjmij(std::unique_ptr<TKomponent> komponent)
{
    obszaryBezEtykiet_.reset();
    listyRodzajow_.clear();
    // The one type lookup per component: the lists by kind are made here, in creation order.
    TKomponent* k = komponent.get();
    if (auto* p = dynamic_cast<TPunkt*>(k)) {
        punkty_.push_back(p);
        if (p->Jest(rpWlot))
            wloty_.push_back(static_cast<TWlot*>(p));
        if (p->Jest(rpSemafor))
            semafory_.push_back(static_cast<TSemafor*>(p));
        if (p->Jest(rpZwrotnica))
            zwrotnice_.push_back(static_cast<TZwrotnica*>(p));
        if (p->Pociag() != nullptr && p->LiczySieDoStacji())
            ++pociagiNaStacji_;
    }
    if (auto* b = dynamic_cast<TPrzyciskElementu*>(k))
        przyciski_.push_back(b);
    kolejnosc_.push_back(komponent.get());
    komponenty_.push_back(std::move(komponent));
}

TKomponent* TStacja::Znajdz(const std::string& nazwa) const
{
    for (const auto& k : komponenty_)
        if (RowneBezWielkosci(k->Name, nazwa))
            return k.get();
    return nullptr;
}

const std::vector<TProstokat>& TStacja::ObszaryBezEtykiet() const
{
    if (!obszaryBezEtykiet_)
        obszaryBezEtykiet_ = WyznaczObszaryBezEtykiet(*this);
    return *obszaryBezEtykiet_;
}

void TStacja::Usun(TKomponent* komponent)
{
    obszaryBezEtykiet_.reset();
    const auto it = std::find_if(komponenty_.begin(), komponenty_.end(),
                                 [komponent](const auto& k) { return k.get() == komponent; });
    if (it == komponenty_.end())
        return;
    for (const auto& k : komponenty_)
        if (k.get() != komponent)
            k->Usuwany(komponent);
    wyroznienia_.Zapomnij(komponent);
    std::erase(kolejnosc_, komponent);
    if (auto* p = dynamic_cast<TPunkt*>(komponent)) {
        if (p->Pociag() != nullptr && p->LiczySieDoStacji())
            --pociagiNaStacji_;
        std::erase(punkty_, p);
        if (p->Jest(rpWlot))
            std::erase(wloty_, static_cast<TWlot*>(p));
        if (p->Jest(rpSemafor))
            std::erase(semafory_, static_cast<TSemafor*>(p));
        if (p->Jest(rpZwrotnica))
            std::erase(zwrotnice_, static_cast<TZwrotnica*>(p));
    }
    if (auto* b = dynamic_cast<TPrzyciskElementu*>(komponent))
        std::erase(przyciski_, b);
    auto wlasny = std::move(*it);
    komponenty_.erase(it);
    // Made again without it, whoever asked meanwhile.
    listyRodzajow_.clear();
}

void TStacja::NaWierzch(TKomponent* komponent)
{
    obszaryBezEtykiet_.reset();
    std::erase(kolejnosc_, komponent);
    kolejnosc_.push_back(komponent);
}

void TStacja::NaSpod(TKomponent* komponent)
{
    obszaryBezEtykiet_.reset();
    std::erase(kolejnosc_, komponent);
    kolejnosc_.insert(kolejnosc_.begin(), komponent);
}

void TStacja::Rysuj(TPlotno& p, const std::string& kontener, const std::function<bool(TKomponent&)>& filtr) const
{
    for (TKomponent* k : kolejnosc_) {
        if (!k->Visible || k->Kontener != kontener || (filtr && !filtr(*k)))
            continue;
        p.Zapisz();
        p.Przesun(k->Left, k->Top);
        p.Obetnij(k->ClientRect());
        k->Paint(p);
        p.Przywroc();
    }
    if (kontener != TKomponent::Diagram)
        return;
    // A faulty element is framed within its own bounds, which its repaint covers when the fault ends.
    if (usterek_ > 0)
        for (TKomponent* k : kolejnosc_) {
            const auto* e = dynamic_cast<const TElement*>(k);
            if (e == nullptr || e->Usterka.empty() || !k->Visible || k->Kontener != kontener || (filtr && !filtr(*k)))
                continue;
            p.Zapisz();
            p.Przesun(k->Left, k->Top);
            p.Obetnij(k->ClientRect());
            p.Pioro(KolorUsterki, 2);
            p.BezPedzla();
            p.Prostokat({1, 1, k->Width - 1, k->Height - 1});
            p.Przywroc();
        }
    // Over every element, so that nothing drawn later covers them: the trains' labels beside the
    // tracks, then the blinking frames.
    if (EtykietyPociagow)
        for (const TEtykietaPociagu& e : RozmiescEtykietyPociagow(*this)) {
            p.Zapisz();
            p.Przesun(e.Punkt->Left, e.Punkt->Top);
            p.BezObciecia();
            e.Punkt->RysujEtykietePociagu(p, e.Miejsce);
            p.Przywroc();
        }
    if (!wyroznienia_.Puste()) {
        p.Zapisz();
        p.BezObciecia();
        wyroznienia_.Rysuj(p);
        p.Przywroc();
    }
}

TElement* TStacja::ElementW(TPunktXY punkt) const
{
    for (auto it = kolejnosc_.rbegin(); it != kolejnosc_.rend(); ++it) {
        auto* e = dynamic_cast<TElement*>(*it);
        if (e != nullptr && e->Visible && e->Kontener == TKomponent::Diagram && e->Granice().Zawiera(punkt))
            return e;
    }
    return nullptr;
}

TPunktXY TStacja::Rozmiar(const std::string& kontener) const
{
    TPunktXY r;
    for (TKomponent* k : kolejnosc_)
        if (k->Visible && k->Kontener == kontener) {
            r.x = std::max(r.x, k->Left + k->Width);
            r.y = std::max(r.y, k->Top + k->Height);
        }
    return r;
}

void TStacja::Odswiez(TKomponent* komponent) const
{
    if (OnOdswiez)
        OnOdswiez(komponent);
}
