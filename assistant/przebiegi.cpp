// Finding every route of the station and the ways of shunting units by searching the layout over all
// switch positions.

#include "assistant/przebiegi.h"

#include "interlocking/przyciski.h"
#include "station/peron.h"
#include "station/rogatka.h"
#include "station/semafor.h"
#include "station/stacja.h"
#include "station/tor.h"
#include "station/wlot.h"
#include "station/zapowiedz.h"
#include "station/zwrotnica.h"

#include <algorithm>
#include <optional>

namespace {

using TUstawienia = std::map<TZwrotnica*, tZwrStatus>;

// Where a switch leads on the side in the position, as TZwrotnica::Neighbour does for its own
// position.
TPunkt* ZaZwrotnica(const TZwrotnica* z, int strona, tZwrStatus s)
{
    if (strona == stLewy)
        return z->Typ() == tZwrTyp::JedenNaDwa || s == tZwrStatus::gora ? z->LewyTor : z->LewyTorDolny;
    return z->Typ() == tZwrTyp::DwaNaJeden || s == tZwrStatus::gora ? z->PrawyTor : z->PrawyTorDolny;
}

struct TKrok {
    TPunkt* punkt;
    std::optional<std::pair<TZwrotnica*, tZwrStatus>> warunek;
};

// The points that may follow p on the side, each with the switch position it needs. Nothing here
// reads the switches' present positions: the search is over every position.
std::vector<TKrok> Nastepne(TPunkt* p, int strona)
{
    constexpr tZwrStatus oba[] = {tZwrStatus::gora, tZwrStatus::dol};
    std::vector<TKrok> wynik;
    if (auto* z = dynamic_cast<TZwrotnica*>(p)) {
        for (tZwrStatus s : oba)
            if (TPunkt* n = ZaZwrotnica(z, strona, s))
                if (std::none_of(wynik.begin(), wynik.end(), [n](const TKrok& k) { return k.punkt == n; }))
                    wynik.push_back({n, std::make_pair(z, s)});
        // A side with one track needs no position.
        if (wynik.size() == 1)
            wynik.front().warunek.reset();
        return wynik;
    }
    if (auto* t = dynamic_cast<TTor*>(p)) {
        TPunkt* q = strona == stLewy ? t->LewyPunkt() : t->PrawyPunkt();
        if (auto* z = dynamic_cast<TZwrotnica*>(q)) {
            const int wstecz = strona == stLewy ? stPrawy : stLewy;
            std::vector<tZwrStatus> pasuja;
            for (tZwrStatus s : oba)
                if (ZaZwrotnica(z, wstecz, s) == t)
                    pasuja.push_back(s);
            if (pasuja.size() == 2)
                wynik.push_back({z, std::nullopt});
            else if (pasuja.size() == 1)
                wynik.push_back({z, std::make_pair(z, pasuja.front())});
            return wynik;
        }
        if (q != nullptr)
            wynik.push_back({q, std::nullopt});
        return wynik;
    }
    if (TPunkt* n = p->Neighbour(strona))
        wynik.push_back({n, std::nullopt});
    return wynik;
}

bool Zgodne(TUstawienia& ustawienia, const std::optional<std::pair<TZwrotnica*, tZwrStatus>>& w)
{
    if (!w)
        return true;
    const auto it = ustawienia.find(w->first);
    return it == ustawienia.end() || it->second == w->second;
}

TDrogaUkladu Zbuduj(const std::vector<TPunkt*>& punkty, const TUstawienia& ustawienia)
{
    TDrogaUkladu d;
    d.Punkty = punkty;
    for (TPunkt* p : punkty)
        if (auto* z = dynamic_cast<TZwrotnica*>(p))
            if (const auto it = ustawienia.find(z); it != ustawienia.end())
                d.Zwrotnice.emplace_back(z, it->second);
    return d;
}

// Depth-first over the switch positions; `koniec` says where a way ends (and whether it is
// wanted there). The layout has no loops; the bound only keeps a broken one from running away.
template <typename Koniec>
void Szukaj(TPunkt* p, int strona, std::vector<TPunkt*>& droga, TUstawienia& ustawienia, std::size_t granica,
            Koniec&& koniec, std::vector<TDrogaUkladu>& wyniki)
{
    if (droga.size() > granica)
        return;
    for (const TKrok& k : Nastepne(p, strona)) {
        if (!Zgodne(ustawienia, k.warunek) || dynamic_cast<TZapowiedz*>(k.punkt) != nullptr)
            continue;
        const bool dodane = k.warunek && !ustawienia.count(k.warunek->first);
        if (dodane)
            ustawienia[k.warunek->first] = k.warunek->second;
        droga.push_back(k.punkt);
        const int stan = koniec(k.punkt);  // 1 wanted end, 0 go on, -1 a dead end
        if (stan == 1)
            wyniki.push_back(Zbuduj(droga, ustawienia));
        else if (stan == 0)
            Szukaj(k.punkt, strona, droga, ustawienia, granica, koniec, wyniki);
        droga.pop_back();
        if (dodane)
            ustawienia.erase(k.warunek->first);
    }
}

}  // namespace

bool TPrzebieg::Zawiera(const TPunkt* p) const
{
    return std::find(Droga.Punkty.begin(), Droga.Punkty.end(), p) != Droga.Punkty.end();
}

std::vector<TSemafor*> TPrzebieg::Semafory(tSemType kierunek) const
{
    std::vector<TSemafor*> wynik;
    for (TPunkt* p : Droga.Punkty)
        if (auto* s = dynamic_cast<TSemafor*>(p); s != nullptr && s->Typ() == kierunek)
            wynik.push_back(s);
    if (kierunek == stLewy)
        std::reverse(wynik.begin(), wynik.end());
    return wynik;
}

TMapaPrzebiegow::TMapaPrzebiegow(TStacja& stacja) : stacja_(stacja)
{
    const std::size_t granica = stacja.Komponenty().size();
    for (TPunktButton* b : stacja.Wszystkie<TPunktButton>())
        if (b->Element() != nullptr && !przyciski_.count(b->Element()))
            przyciski_[b->Element()] = b;
    for (TZatwierdzButton* b : stacja.Wszystkie<TZatwierdzButton>()) {
        if (b->LewyPunkt() == nullptr || b->PrawyPunkt() == nullptr)
            continue;
        std::vector<TPunkt*> droga{b->LewyPunkt()};
        TUstawienia ustawienia;
        std::vector<TDrogaUkladu> wyniki;
        TPunkt* cel = b->PrawyPunkt();
        Szukaj(b->LewyPunkt(), stPrawy, droga, ustawienia, granica,
               [cel](TPunkt* p) { return p == cel ? 1 : (dynamic_cast<TWlot*>(p) != nullptr ? -1 : 0); }, wyniki);
        if (wyniki.empty())
            continue;
        TPrzebieg przebieg;
        przebieg.Przycisk = b;
        // The shortest way, should the layout ever offer two.
        przebieg.Droga = *std::min_element(wyniki.begin(), wyniki.end(), [](const auto& x, const auto& y) {
            return x.Punkty.size() < y.Punkty.size();
        });
        for (TPunkt* p : przebieg.Droga.Punkty)
            if (auto* t = dynamic_cast<TTor*>(p))
                if (TRogatka* r = RogatkaToru(t);
                    r != nullptr && std::find(przebieg.Rogatki.begin(), przebieg.Rogatki.end(), r) == przebieg.Rogatki.end())
                    przebieg.Rogatki.push_back(r);
        przebiegi_.push_back(std::move(przebieg));
    }
}

const TPrzebieg* TMapaPrzebiegow::Przebieg(const TPunkt* a, const TPunkt* b) const
{
    for (const TPrzebieg& p : przebiegi_)
        if ((p.Lewy() == a && p.Prawy() == b) || (p.Lewy() == b && p.Prawy() == a))
            return &p;
    return nullptr;
}

TPunktButton* TMapaPrzebiegow::Przycisk(const TElement* element) const
{
    const auto it = przyciski_.find(element);
    return it == przyciski_.end() ? nullptr : it->second;
}

std::vector<TDrogaUkladu> TMapaPrzebiegow::DrogiManewrowe(TPunkt* od, tSemType kierunek,
                                                           const std::vector<const TPunkt*>& unikaj) const
{
    std::vector<TPunkt*> droga{od};
    TUstawienia ustawienia;
    std::vector<TDrogaUkladu> wyniki;
    Szukaj(od, kierunek, droga, ustawienia, stacja_.Komponenty().size(),
           [&unikaj](TPunkt* p) {
               if (std::find(unikaj.begin(), unikaj.end(), p) != unikaj.end() || dynamic_cast<TWlot*>(p) != nullptr)
                   return -1;
               // Where a shunting unit stops: sidings, platforms and plain track points.
               const bool postoj = dynamic_cast<TBocznica*>(p) != nullptr || dynamic_cast<TPeron*>(p) != nullptr ||
                                   dynamic_cast<TPunktTorowy*>(p) != nullptr;
               return postoj ? 1 : 0;
           },
           wyniki);
    return wyniki;
}

TRogatka* RogatkaToru(const TTor* tor)
{
    return tor->RogatkaGorne != nullptr ? tor->RogatkaGorne : tor->RogatkaDolne;
}

bool StrzezonyPrzez(const TTor* tor, const TRogatka* rogatka)
{
    return rogatka != nullptr && (tor->RogatkaGorne == rogatka || tor->RogatkaDolne == rogatka);
}
