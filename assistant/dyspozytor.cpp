// The automatic dispatcher at work: planning the day's trains, setting their ways in and out,
// forming consists, guarding the barriers and noting where two trains needed one thing.

#include "assistant/dyspozytor.h"
#include "assistant/dyspozytor_zadanie.h"

#include "core/format.h"
#include "core/slowa_polecen.h"
#include "core/tekst.h"
#include "interlocking/przyciski.h"
#include "simulation/menu_pociagu.h"
#include "simulation/silnik.h"
#include "station/peron.h"
#include "station/rogatka.h"
#include "station/semafor.h"
#include "station/stacja.h"
#include "station/tor.h"
#include "station/wlot.h"
#include "station/zapowiedz.h"
#include "station/zwrotnica.h"
#include "trains/czas.h"
#include "trains/pociag.h"
#include "trains/sklad.h"

#include <algorithm>
#include <deque>
#include <numeric>
#include <utility>

namespace {

bool Wczesniej(double a, double b) { return Milisekundy(a) < Milisekundy(b); }

// A train's consist with its units joined by "+", as the consist codes write a coupled train.
std::string SpietySklad(const TPociag& t)
{
    std::string spiety = t.Sklad();
    std::replace(spiety.begin(), spiety.end(), ' ', '+');
    return spiety;
}

// Stops the dispatcher's work at the first act when it is only peeked at.
struct TPodejrzany {};

// What holds a route back: the place, and the train there, if any.
struct TPrzeszkoda {
    std::string Miejsce;
    std::string Pociag;
};

}  // namespace

std::string TKonfliktDyspozytora::Tekst() const
{
    if (Pociagi.find(',') != std::string::npos)
        return Formatuj("o %s pociągi %s potrzebują naraz: %s", CzasHHMMSS(Czas).c_str(), Pociagi.c_str(),
                        Miejsce.c_str());
    return Formatuj("o %s pociąg %s czeka na: %s", CzasHHMMSS(Czas).c_str(), Pociagi.c_str(), Miejsce.c_str());
}

TAutomatycznyDyspozytor::TAutomatycznyDyspozytor(TWidokRuchu ruch) : ruch_(std::move(ruch)) {}

TAutomatycznyDyspozytor::~TAutomatycznyDyspozytor() = default;

TMapaPrzebiegow& TAutomatycznyDyspozytor::Mapa()
{
    if (mapa_ == nullptr)
        mapa_ = std::make_unique<TMapaPrzebiegow>(ruch_.Stacja);
    return *mapa_;
}

std::vector<std::string> TAutomatycznyDyspozytor::Wloty() const
{
    std::vector<std::string> wynik;
    for (TWlot* w : ruch_.Stacja.Wszystkie<TWlot>())
        if (dynamic_cast<TWlotStacyjny*>(w) == nullptr)
            wynik.push_back(w->Name);
    wynik.push_back(WlotStacji);
    return wynik;
}

bool TAutomatycznyDyspozytor::Wlacz(bool wlaczony, const std::string& wlot)
{
    if (wlot.empty()) {
        wszystkie_ = wlaczony;
        wloty_.clear();
    } else {
        std::string nazwa;
        for (const std::string& w : Wloty())
            if (RowneBezWielkosci(w, wlot))
                nazwa = w;
        if (nazwa.empty())
            return false;
        if (wszystkie_ && !wlaczony) {
            // Off for one line out of all: the others stay on.
            wszystkie_ = false;
            for (const std::string& w : Wloty())
                wloty_.insert(w);
        }
        if (wlaczony)
            wloty_.insert(nazwa);
        else
            wloty_.erase(nazwa);
    }
    if (CokolwiekWlaczone())
        Planuj();
    return true;
}

bool TAutomatycznyDyspozytor::Wlaczony(const std::string& wlot) const
{
    if (wszystkie_)
        return true;
    for (const std::string& w : wloty_)
        if (RowneBezWielkosci(w, wlot))
            return true;
    return false;
}

bool TAutomatycznyDyspozytor::Obslugiwany(const TZadanie& z) const
{
    return Wlaczony(z.Wjazd != nullptr ? z.Wjazd->Name : std::string(WlotStacji));
}

const TPunkt* TAutomatycznyDyspozytor::PlanowanyPeron(const std::string& numer) const
{
    for (const auto& z : zadania_)
        if (z->Numer == numer)
            return z->Peron;
    return nullptr;
}

void TAutomatycznyDyspozytor::Planuj()
{
    zadania_.clear();
    planZnany_ = false;
    rezerwacje_.clear();
    TSilnikSymulacji& silnik = ruch_.Silnik;
    TStacja& stacja = ruch_.Stacja;
    teraz_ = ruch_.Czas;

    std::unordered_map<const TPociag*, TPunkt*> gdzie;
    for (TPunkt* p : stacja.Wszystkie<TPunkt>())
        if (p->Pociag() != nullptr && dynamic_cast<TZapowiedz*>(p) == nullptr)
            gdzie[p->Pociag()] = p;
    std::unordered_set<const TPociag*> czekaja;
    for (TWlot* w : silnik.Wloty) {
        for (TPociag* t : w->Pociagi)
            czekaja.insert(t);
        if (w->Zapowiedz != nullptr && w->Zapowiedz->Pociag() != nullptr)
            czekaja.insert(w->Zapowiedz->Pociag());
    }

    for (const auto& wsk : silnik.PociagiDnia()) {
        TPociag* t = wsk.get();
        const auto it = gdzie.find(t);
        TPunkt* punkt = it == gdzie.end() ? nullptr : it->second;
        const bool stojacySklad = t->SkonczylBieg() && dynamic_cast<TPeron*>(punkt) != nullptr;
        if (t->Numer().empty() || (t->Manewrowy() && !stojacySklad))
            continue;
        if (!czekaja.count(t) && punkt == nullptr)
            continue;  // gone already
        auto z = std::make_unique<TZadanie>();
        z->Pociag = t;
        z->Numer = t->Numer();
        TWlot* wjazd = silnik.ZnajdzWlot(t->Wjezdza());
        z->Wjazd = dynamic_cast<TWlotStacyjny*>(wjazd) != nullptr ? nullptr : wjazd;
        if (!t->Wyjezdza().empty()) {
            z->Wyjazd = silnik.ZnajdzWlot(t->Wyjezdza());
            if (z->Wyjazd == nullptr || dynamic_cast<TWlotStacyjny*>(z->Wyjazd) != nullptr)
                continue;
        }
        if (z->Wjazd == nullptr && !t->Wjezdza().empty())
            continue;
        // A train late from its line is planned for when it comes.
        z->Przyjazd = t->PrzyjazdOczekiwany();
        z->Odjazd = t->Odjazd();
        z->BezPostoju = t->NieWymagaPeronu();
        if (z->Wjazd != nullptr)
            z->KierunekWjazdu = Przeciwny(z->Wjazd->Typ());
        if (z->Wyjazd != nullptr)
            z->KierunekWyjazdu = z->Wyjazd->Typ();
        if (stojacySklad) {
            z->Peron = punkt;
            z->Etap = tEtap::koniec;
            z->Widziany = true;
        } else if (dynamic_cast<TPeron*>(punkt) != nullptr) {
            z->Peron = punkt;
        }
        zadania_.push_back(std::move(z));
    }
    std::stable_sort(zadania_.begin(), zadania_.end(), [](const auto& a, const auto& b) {
        const double ta = a->Wjazd != nullptr ? a->Przyjazd : a->Odjazd;
        const double tb = b->Wjazd != nullptr ? b->Przyjazd : b->Odjazd;
        return Wczesniej(ta, tb);
    });

    // Trains that start here take over the consist of the latest train that ended here before them
    // and has the vehicles they need. "Before" by the timetable, as the engine pairs them for their
    // allowance: a consist that comes in late makes its train leave late, not another train.
    for (auto& s : zadania_) {
        if (s->Wjazd != nullptr)
            continue;
        TZadanie* najlepszy = nullptr;
        for (auto& r : zadania_) {
            const TPociag& t = *r->Pociag;
            // Advising, a consist whose locomotive is away on a run-round is still the one the
            // timetable gave it.
            const bool zgodny = SkladZgodny(*s->Pociag, t.SkonczylBieg() ? t.Sklad() : t.SkladRozkladowy()) ||
                                (doradca_ && t.SkonczylBieg() && SkladZgodny(*s->Pociag, t.SkladRozkladowy()));
            if (r->Wyjazd == nullptr && r->Wjazd != nullptr && r->Nastepca == nullptr &&
                !Wczesniej(s->Odjazd, t.Przyjazd()) && zgodny &&
                (najlepszy == nullptr || !Wczesniej(t.Przyjazd(), najlepszy->Pociag->Przyjazd())))
                najlepszy = r.get();
        }
        if (najlepszy != nullptr) {
            s->Poprzednik = najlepszy;
            najlepszy->Nastepca = s.get();
        }
    }

    // Platforms: each train gets one free for the whole of its stay (a consist that ends here until
    // the train made of it leaves), the one with the shorter ways first, platform 1 on a tie.
    std::vector<TPeron*> perony = stacja.Wszystkie<TPeron>();
    std::reverse(perony.begin(), perony.end());
    struct TPobyt {
        TPunkt* peron;
        double od, do_;
    };
    std::vector<TPobyt> pobyty;
    const auto wolny = [&](TPunkt* p, double od, double do_) {
        return std::none_of(pobyty.begin(), pobyty.end(), [&](const TPobyt& x) {
            return x.peron == p && Wczesniej(od, x.do_) && Wczesniej(x.od, do_);
        });
    };
    for (auto& z : zadania_) {
        if (z->Wjazd == nullptr)
            continue;
        const double od = z->TerminWjazdu() - Minuta(1);
        // A consist that ends here and is used by no train stays on its platform for the rest of
        // the day.
        // Until it can leave: a day with disturbances may let it leave late.
        const auto wyjedzie = [](const TZadanie& x) {
            const TPociag& t = *x.Pociag;
            if (t.ZwlokaOdjazdu() == 0 && t.OpoznienieWjazdu() == 0)
                return x.Odjazd;
            return std::max(x.Odjazd + Sekunda(t.ZwlokaOdjazdu()), x.Przyjazd);
        };
        const double do_ = z->Nastepca != nullptr ? wyjedzie(*z->Nastepca) + Minuta(2)
                           : z->Wyjazd != nullptr ? wyjedzie(*z) + Minuta(2)
                                                  : 1.0;
        if (z->Peron == nullptr) {
            std::size_t najkrotsza = SIZE_MAX;
            for (TPeron* p : perony) {
                const TPrzebieg* we = Mapa().Przebieg(z->Wjazd, p);
                const TPrzebieg* wy = z->Wyjazd != nullptr ? Mapa().Przebieg(p, z->Wyjazd) : nullptr;
                if (we == nullptr || (z->Wyjazd != nullptr && wy == nullptr) || !wolny(p, od, do_))
                    continue;
                const std::size_t dlugosc = we->Droga.Punkty.size() + (wy != nullptr ? wy->Droga.Punkty.size() : 0);
                if (dlugosc < najkrotsza) {
                    najkrotsza = dlugosc;
                    z->Peron = p;
                }
            }
        }
        if (z->Peron != nullptr)
            pobyty.push_back({z->Peron, od, do_});
    }
    for (auto& z : zadania_) {
        if (z->Wjazd == nullptr && z->Poprzednik != nullptr)
            z->Peron = z->Poprzednik->Peron;
        if (z->Peron == nullptr)
            continue;
        if (z->Wjazd != nullptr)
            z->DrogaWjazdu = Mapa().Przebieg(z->Wjazd, z->Peron);
        if (z->Wyjazd != nullptr)
            z->DrogaWyjazdu = Mapa().Przebieg(z->Peron, z->Wyjazd);
    }
}

void TAutomatycznyDyspozytor::Dzialaj()
{
    if (!CokolwiekWlaczone())
        return;
    teraz_ = ruch_.Czas;
    gdzie_.clear();
    for (TPunkt* p : ruch_.Stacja.Punkty())
        if (p->Pociag() != nullptr && !p->Jest(rpZapowiedz))
            Gdzie(p->Pociag()) = p;
    const TSilnikSymulacji& silnik = ruch_.Silnik;
    // On a day with disturbances a waiting train's platform may change before it is next at its
    // entry, so every task is looked at.
    const bool nowyPlan = !planZnany_ || epokaUsunietych_ != silnik.EpokaUsunietych();
    if (nowyPlan) {
        nrZadania_.clear();
        for (std::size_t i = 0; i < zadania_.size(); ++i)
            nrZadania_.emplace(zadania_[i]->Pociag, i);
        planZnany_ = true;
    }
    std::vector<std::size_t>& kolejka = kolejka_;
    kolejka.clear();
    if (!nowyPlan && czynneZnane_ && silnik.Utrudnienia.Poziom == 0) {
        kolejka.assign(czynne_.begin(), czynne_.end());
        const auto dodaj = [&](const TPociag* t) {
            if (t == nullptr)
                return;
            if (const auto it = nrZadania_.find(t); it != nrZadania_.end())
                kolejka.push_back(it->second);
        };
        for (const auto& g : gdzie_)
            dodaj(g.first);
        for (const TWlot* w : silnik.Wloty) {
            dodaj(w->Zapowiedz != nullptr ? w->Zapowiedz->Pociag() : nullptr);
            dodaj(w->Pociag());
            dodaj(w->Pociagi.empty() ? nullptr : w->Pociagi.front());
        }
        // A freed train's task ends on the tick after.
        for (std::size_t i = przeczytaneUsuniete_; i < silnik.Usuniete().size(); ++i)
            dodaj(silnik.Usuniete()[i]);
        std::sort(kolejka.begin(), kolejka.end());
        kolejka.erase(std::unique(kolejka.begin(), kolejka.end()), kolejka.end());
    } else {
        kolejka.resize(zadania_.size());
        std::iota(kolejka.begin(), kolejka.end(), std::size_t{0});
    }
    epokaUsunietych_ = silnik.EpokaUsunietych();
    przeczytaneUsuniete_ = silnik.Usuniete().size();
    // Known again only once every task of the queue has had its turn: a peek stops at the first act.
    czynneZnane_ = false;
    czynne_.clear();
    for (const std::size_t i : kolejka) {
        Pracuj(*zadania_[i]);
        if (Czynne(*zadania_[i]))
            czynne_.push_back(i);
    }
    czynneZnane_ = true;
    PilnujRogatek();
}

TPunkt*& TAutomatycznyDyspozytor::Gdzie(const TPociag* t)
{
    for (auto& g : gdzie_)
        if (g.first == t)
            return g.second;
    gdzie_.emplace_back(t, nullptr);
    return gdzie_.back().second;
}

TPunkt* TAutomatycznyDyspozytor::GdzieJest(const TPociag* t) const
{
    for (const auto& g : gdzie_)
        if (g.first == t)
            return g.second;
    return nullptr;
}

void TAutomatycznyDyspozytor::Pracuj(TZadanie& z)
{
    Rozpoznaj(z);
    if (z.Etap == tEtap::koniec || !Obslugiwany(z))
        return;
    biezace_ = &z;
    if (z.Wjazd == nullptr && z.Etap == tEtap::czeka)
        Formuj(z);
    else
        Prowadz(z);
    biezace_ = nullptr;
}

bool TAutomatycznyDyspozytor::Czynne(const TZadanie& z)
{
    return z.Etap != tEtap::koniec && (z.Etap != tEtap::czeka || z.Widziany || z.Wjazd == nullptr);
}

bool TAutomatycznyDyspozytor::PierwszyAkt(TAktDyspozytora& akt)
{
    podglad_ = &akt;
    bool jest = false;
    try {
        Dzialaj();
    } catch (const TPodejrzany&) {
        jest = true;
    }
    podglad_ = nullptr;
    biezace_ = nullptr;
    return jest;
}

bool TAutomatycznyDyspozytor::NastepnaPraca(TNastepnaPraca& praca) const
{
    bool jest = false;
    const auto rozwaz = [&](double kiedy, std::string opis) {
        if (!jest || Wczesniej(kiedy, praca.Czas)) {
            praca = {std::max(kiedy, teraz_), std::move(opis)};
            jest = true;
        }
    };
    for (const auto& z : zadania_) {
        if (!Obslugiwany(*z))
            continue;
        const std::string dla = " dla pociągu " + z->Numer;
        switch (z->Etap) {
        case tEtap::czeka:
            if (z->Wjazd != nullptr && z->DrogaWjazdu != nullptr)
                rozwaz(z->BezPostoju && z->DrogaWyjazdu != nullptr ? z->TerminPrzelotu() : z->TerminWjazdu(),
                       "droga wjazdu" + dla + " z " + z->Wjazd->Name);
            else if (z->Wjazd == nullptr && z->Peron != nullptr)
                rozwaz(z->TerminWyjazdu(), "skład i droga wyjazdu" + dla + " z " + z->Peron->Name);
            break;
        case tEtap::wjezdza:
        case tEtap::stoi:
            if (z->DrogaWyjazdu != nullptr && !z->BezPostoju)
                rozwaz(z->TerminWyjazdu(), "droga wyjazdu" + dla + " z " + z->Peron->Name);
            break;
        case tEtap::wyjezdza:
            rozwaz(z->Odjazd, "polecenie odjazdu" + dla);
            break;
        default:
            break;
        }
    }
    return jest;
}

void TAutomatycznyDyspozytor::Rozpoznaj(TZadanie& z)
{
    if (z.Etap == tEtap::koniec)
        return;
    if (!ruch_.Silnik.PociagDnia(z.Pociag)) {
        z.Etap = tEtap::koniec;
        return;
    }
    TPunkt* p = GdzieJest(z.Pociag);
    if (p == nullptr) {
        // Off the layout again: it has left.
        if (z.Widziany)
            z.Etap = tEtap::koniec;
        return;
    }
    z.Widziany = true;
    const TPociag& t = *z.Pociag;
    if (t.SkonczylBieg()) {
        z.Etap = tEtap::koniec;
        return;
    }
    if (p == z.Peron && t.StanJazdy != tStanJazdy::jazda) {
        if (z.Etap < tEtap::stoi)
            z.Etap = tEtap::stoi;
    } else if (t.StanJazdy == tStanJazdy::jazda) {
        if (z.Etap < tEtap::wjezdza)
            z.Etap = tEtap::wjezdza;
        else if (z.Etap == tEtap::stoi || z.Etap == tEtap::wyjezdza)
            z.Etap = tEtap::odjechal;  // the player gave the order
    }
}

void TAutomatycznyDyspozytor::Prowadz(TZadanie& z)
{
    TPociag& t = *z.Pociag;
    std::string powod;
    switch (z.Etap) {
    case tEtap::czeka: {
        if (z.Wjazd == nullptr)
            return;
        // On a day with disturbances the neighbouring station may have kept the train back since the
        // plan was made: it is due when it is due now.
        const bool utrudnienia = ruch_.Silnik.Utrudnienia.Poziom > 0;
        if (utrudnienia)
            z.Przyjazd = t.PrzyjazdOczekiwany();
        // And when it comes the plan's platform may be taken, or none was free in the plan, or the
        // way to it may wait for a repair: one free now, on a way without a fault, will do.
        if (utrudnienia && !Wczesniej(teraz_, z.TerminWjazdu()) &&
            (z.DrogaWjazdu == nullptr ||
             (!DrogaUtwierdzona(*z.DrogaWjazdu, nullptr) &&
              ((z.Peron != nullptr && z.Peron->Pociag() != nullptr) || !Sprawna(*z.DrogaWjazdu, powod)))))
            ZmienPeron(z);
        if (z.DrogaWjazdu == nullptr)
            return;
        const bool przelot = z.BezPostoju && z.DrogaWyjazdu != nullptr;
        if (Wczesniej(teraz_, przelot ? z.TerminPrzelotu() : z.TerminWjazdu()))
            return;
        // Only the train next from its line.
        // Only the train next from its line. On a day with disturbances, only once it is on its way
        // (announced): the neighbouring station may keep a late one back for a train leaving here.
        const bool wDrodze = (z.Wjazd->Zapowiedz != nullptr && z.Wjazd->Zapowiedz->Pociag() == &t) ||
                             z.Wjazd->Pociag() == &t;
        const bool nastepny =
            wDrodze || (!utrudnienia && !z.Wjazd->Pociagi.empty() && z.Wjazd->Pociagi.front() == &t);
        if (!nastepny)
            return;
        const bool gotowyWjazd = DrogaUtwierdzona(*z.DrogaWjazdu, nullptr);
        if (utrudnienia && !gotowyWjazd && !PeronDlaWczesniejszych(z)) {
            if (!Wczesniej(teraz_, z.NaWlocie()))
                Konflikt(z, 0, z.Peron->Name + "|");
            return;
        }
        bool mozna = gotowyWjazd || (DrogaWolna(*z.DrogaWjazdu, nullptr, powod) && Sprawna(*z.DrogaWjazdu, powod));
        if (mozna && przelot) {
            // The platform is on both routes; the way in answers for it.
            if (!DrogaUtwierdzona(*z.DrogaWyjazdu, z.Peron) &&
                (!DrogaWolna(*z.DrogaWyjazdu, z.Peron, powod) || !Sprawna(*z.DrogaWyjazdu, powod)))
                mozna = false;
            else if (z.Wyjazd->Zapowiedz != nullptr && z.Wyjazd->Zapowiedz->Pociag() != nullptr) {
                powod = "linia " + z.Wyjazd->Name + "|" + z.Wyjazd->Zapowiedz->Pociag()->Numer();
                mozna = false;
            }
        }
        if (!mozna) {
            if (!Wczesniej(teraz_, przelot ? z.TerminPrzelotu() : z.NaWlocie()))
                Konflikt(z, 0, powod);
            return;
        }
        UstawDroge(z, *z.DrogaWjazdu, z.KierunekWjazdu, nullptr, powod);
        if (przelot)
            UstawDroge(z, *z.DrogaWyjazdu, z.KierunekWyjazdu, z.Peron, powod, z.Wyjazd);
        z.Etap = tEtap::wjezdza;
        return;
    }
    case tEtap::wjezdza:
    case tEtap::odjechal:
        // A signal of its route left at stop (one that could not show S2 when the route was set)
        // shows S2 once it is repaired, before the train comes to it; a train held at one still
        // faulty goes on on Sz with the order. Only faults leave one so.
        if (ruch_.Silnik.Utrudnienia.Usterki() || ruch_.Stacja.Usterki() > 0) {
            SemaforyPoNaprawie(z);
            PrzepuscNaSz(z);
        }
        return;
    case tEtap::stoi: {
        if (z.Wyjazd == nullptr || z.DrogaWyjazdu == nullptr || Wczesniej(teraz_, z.TerminWyjazdu()))
            return;
        if (!UstawDroge(z, *z.DrogaWyjazdu, z.KierunekWyjazdu, z.Peron, powod, z.Wyjazd)) {
            if (!Wczesniej(teraz_, z.Odjazd))
                Konflikt(z, 1, powod);
            return;
        }
        z.Etap = tEtap::wyjezdza;
        [[fallthrough]];
    }
    case tEtap::wyjezdza:
        // The order at the timetable time, not before.
        if (Wczesniej(teraz_, z.Odjazd) || Gdzie(&t) != z.Peron || t.StanJazdy == tStanJazdy::jazda)
            return;
        // An exit signal left at stop is cleared now: on Sz, given just before the order, when it
        // cannot show S2.
        if (ruch_.Silnik.Utrudnienia.Usterki() || ruch_.Stacja.Usterki() > 0)
            for (TSemafor* s : z.DrogaWyjazdu->Semafory(z.KierunekWyjazdu))
                OtworzSemafor(z, s);
        if (Menu(z.Peron, {"Daj polecenie odjazdu"}, "daję polecenie odjazdu pociągowi " + z.Numer,
                 "Daj polecenie odjazdu pociągowi " + z.Numer + " z menu peronu " + z.Peron->Name))
            z.Etap = tEtap::odjechal;
        return;
    default:
        return;
    }
}

bool TAutomatycznyDyspozytor::DrogaUtwierdzona(const TPrzebieg& p, const TPunkt* pomin) const
{
    for (TPunkt* q : p.Droga.Punkty)
        if (q != pomin && q->Stan() != tStan::utwierdzony)
            return false;
    for (const auto& [zw, s] : p.Droga.Zwrotnice)
        if (zw->Status() != s)
            return false;
    return true;
}

bool TAutomatycznyDyspozytor::DrogaWolna(const TPrzebieg& p, const TPunkt* pomin, std::string& powod) const
{
    for (TPunkt* q : p.Droga.Punkty) {
        if (q == pomin)
            continue;
        std::string kto;
        if (q->Pociag() != nullptr)
            kto = q->Pociag()->Numer();
        else if (rezerwacje_.count(q))
            kto = "manewry";
        else if (q->Stan() == tStan::utwierdzony)
            kto = wlasciciele_.count(q) ? wlasciciele_.at(q) : std::string("-");
        else if (q->Stan() == tStan::nieaktywny && !(dynamic_cast<TTor*>(q) != nullptr &&
                                                     RogatkaToru(static_cast<TTor*>(q)) != nullptr))
            kto = "-";
        else
            continue;
        powod = q->Name + "|" + kto;
        return false;
    }
    return true;
}

bool TAutomatycznyDyspozytor::UstawDroge(TZadanie& z, const TPrzebieg& p, tSemType kierunek, const TPunkt* pomin,
                                         std::string& powod, TWlot* naLinie)
{
    const bool gotowa = DrogaUtwierdzona(p, pomin);
    if (!gotowa && !DrogaWolna(p, pomin, powod))
        return false;
    const std::vector<TSemafor*> semafory = p.Semafory(kierunek);
    // A signal towards a single-track line stays at stop while a train is announced from it.
    const bool wyjazdowy = std::any_of(semafory.begin(), semafory.end(),
                                       [](const TSemafor* s) { return s->Status() == tSemStatus::czerwony; });
    if (naLinie != nullptr && wyjazdowy && naLinie->Zapowiedz != nullptr && naLinie->Zapowiedz->Pociag() != nullptr) {
        powod = "linia " + naLinie->Name + "|" + naLinie->Zapowiedz->Pociag()->Numer();
        return false;
    }
    if (!gotowa && !Sprawna(p, powod))
        return false;
    const std::string dla = " dla pociągu " + z.Numer;
    if (!gotowa) {
        UstawZwrotnice(p.Droga, z.Numer);
        for (TRogatka* r : p.Rogatki)
            OpuscRogatke(r, z.Numer);
        Nacisnij(p.Przycisk, "utwierdzam drogę " + p.Przycisk->Caption + dla,
                 "Utwierdź drogę " + p.Przycisk->Caption + dla + " przyciskiem na karcie „Przebiegi”");
        for (TPunkt* q : p.Droga.Punkty)
            wlasciciele_[q] = z.Numer;
    }
    // A signal that cannot show S2 stays at stop: it is cleared when repaired, or its train is let
    // past on Sz when it gets there.
    for (TSemafor* s : semafory) {
        if (s->Status() != tSemStatus::czerwony || s->Stan() != tStan::utwierdzony)
            continue;
        if (!s->Usterka.empty()) {
            if (std::find(z.PoUsterce.begin(), z.PoUsterce.end(), s) == z.PoUsterce.end())
                z.PoUsterce.push_back(s);
        } else if (TPunktButton* b = Mapa().Przycisk(s)) {
            Nacisnij(b, "podaję sygnał zezwalający na semaforze " + s->Name + dla,
                     "Podaj sygnał zezwalający na semaforze " + s->Name + dla + ": kliknij go");
        }
    }
    return true;
}

bool TAutomatycznyDyspozytor::PeronDlaWczesniejszych(const TZadanie& z) const
{
    // Trains on their way in that are due before this one come first: as many platforms as they
    // need must stay free besides this train's, or a train waiting to leave by a line and the train
    // coming in by it could wait for each other for good.
    int wolnych = 0;
    for (const TPeron* p : ruch_.Stacja.Wszystkie<TPeron>())
        wolnych += p != z.Peron && p->Pociag() == nullptr && p->Stan() == tStan::wolny;
    int przed = 0;
    for (const TWlot* w : ruch_.Silnik.Wloty) {
        const TPociag* a = w->Zapowiedz != nullptr ? w->Zapowiedz->Pociag() : nullptr;
        if (w == z.Wjazd || a == nullptr || a == z.Pociag || w->Jest(rpWlotStacyjny))
            continue;
        przed += Wczesniej(a->PrzyjazdOczekiwany(), z.Pociag->PrzyjazdOczekiwany());
    }
    return wolnych >= przed;
}

void TAutomatycznyDyspozytor::ZmienPeron(TZadanie& z)
{
    std::vector<TPeron*> perony = ruch_.Stacja.Wszystkie<TPeron>();
    std::reverse(perony.begin(), perony.end());
    TPunkt* najlepszy = nullptr;
    std::size_t najkrotsza = SIZE_MAX;
    for (TPeron* p : perony) {
        if (p == z.Peron || p->Pociag() != nullptr || p->Stan() != tStan::wolny)
            continue;
        const TPrzebieg* we = Mapa().Przebieg(z.Wjazd, p);
        const TPrzebieg* wy = z.Wyjazd != nullptr ? Mapa().Przebieg(p, z.Wyjazd) : nullptr;
        std::string powod;
        if (we == nullptr || (z.Wyjazd != nullptr && wy == nullptr) || !DrogaWolna(*we, nullptr, powod) ||
            !Sprawna(*we, powod))
            continue;
        // Nor a platform another train is coming to.
        const bool zajety = std::any_of(zadania_.begin(), zadania_.end(), [&](const auto& inne) {
            return inne.get() != &z && inne->Peron == p && inne->Etap == tEtap::wjezdza;
        });
        const std::size_t dlugosc = we->Droga.Punkty.size() + (wy != nullptr ? wy->Droga.Punkty.size() : 0);
        if (!zajety && dlugosc < najkrotsza) {
            najkrotsza = dlugosc;
            najlepszy = p;
        }
    }
    if (najlepszy == nullptr)
        return;
    z.Peron = najlepszy;
    z.DrogaWjazdu = Mapa().Przebieg(z.Wjazd, najlepszy);
    z.DrogaWyjazdu = z.Wyjazd != nullptr ? Mapa().Przebieg(najlepszy, z.Wyjazd) : nullptr;
    if (TZadanie* n = z.Nastepca) {
        n->Peron = najlepszy;
        n->DrogaWyjazdu = n->Wyjazd != nullptr ? Mapa().Przebieg(najlepszy, n->Wyjazd) : nullptr;
    }
}

bool TAutomatycznyDyspozytor::Sprawna(const TDrogaUkladu& d, std::string& powod) const
{
    // A faulty switch already lying right does no harm; one that must move cannot.
    for (const auto& [zw, s] : d.Zwrotnice)
        if (zw->Status() != s && !zw->Usterka.empty()) {
            powod = zw->Name + "|usterka";
            return false;
        }
    for (TPunkt* q : d.Punkty)
        if (auto* t = dynamic_cast<TTor*>(q))
            if (TRogatka* r = RogatkaToru(t); r != nullptr && r->Podniesione())
                if (TRogatka* zepsuta = r->Niesprawna()) {
                    powod = zepsuta->Name + "|usterka";
                    return false;
                }
    return true;
}

bool TAutomatycznyDyspozytor::Sprawna(const TPrzebieg& p, std::string& powod) const
{
    if (!Sprawna(p.Droga, powod))
        return false;
    for (TRogatka* r : p.Rogatki)
        if (TRogatka* zepsuta = r->Podniesione() ? r->Niesprawna() : nullptr) {
            powod = zepsuta->Name + "|usterka";
            return false;
        }
    return true;
}

void TAutomatycznyDyspozytor::DajSz(TZadanie& z, TSemafor* s)
{
    if (s->Usterka.empty() || s->Status() != tSemStatus::czerwony || s->Stan() != tStan::utwierdzony)
        return;
    TPunktButton* b = Mapa().Przycisk(s);
    TSterowanieSemaforem* sterowanie = ruch_.Stacja.SterowanieSemaforem();
    if (b == nullptr || sterowanie == nullptr)
        return;
    const std::string dla = " dla pociągu " + z.Numer;
    sterowanie->SzBezPytania = true;
    try {
        Nacisnij(b, "podaję sygnał zastępczy Sz na semaforze " + s->Name + " z usterką" + dla,
                 "Semafor " + s->Name + " ma usterkę: naciśnij jego przycisk i zgódź się na sygnał zastępczy Sz" + dla);
    } catch (...) {
        sterowanie->SzBezPytania = false;
        throw;
    }
    sterowanie->SzBezPytania = false;
}

void TAutomatycznyDyspozytor::OtworzSemafor(TZadanie& z, TSemafor* s)
{
    if (s->Status() != tSemStatus::czerwony || s->Stan() != tStan::utwierdzony)
        return;
    if (!s->Usterka.empty()) {
        DajSz(z, s);
        return;
    }
    if (TPunktButton* b = Mapa().Przycisk(s))
        Nacisnij(b, "podaję sygnał zezwalający na semaforze " + s->Name + " dla pociągu " + z.Numer,
                 "Podaj sygnał zezwalający na semaforze " + s->Name + " dla pociągu " + z.Numer + ": kliknij go");
}

void TAutomatycznyDyspozytor::SemaforyPoNaprawie(TZadanie& z)
{
    // One no longer at stop on a locked route (cleared, passed, or its route let go) is done with.
    std::erase_if(z.PoUsterce, [](const TSemafor* s) {
        return s->Status() != tSemStatus::czerwony || s->Stan() != tStan::utwierdzony;
    });
    // Pressed once: refused now (another route over the same block), it is the train's to pass on
    // Sz when it gets there.
    for (auto it = z.PoUsterce.begin(); it != z.PoUsterce.end(); ++it)
        if ((*it)->Usterka.empty()) {
            OtworzSemafor(z, *it);
            z.PoUsterce.erase(it);
            return;
        }
}

void TAutomatycznyDyspozytor::PrzepuscNaSz(TZadanie& z)
{
    TPociag& t = *z.Pociag;
    TPunkt* p = Gdzie(&t);
    if (p == nullptr || t.StanJazdy != tStanJazdy::zatrzymany)
        return;
    auto* s = dynamic_cast<TSemafor*>(p->Neighbour(t.Kierunek));
    if (s == nullptr || s->Typ() != t.Kierunek || s->Stan() != tStan::utwierdzony || s->Status() != tSemStatus::czerwony)
        return;
    // S2 sets the train off by itself; Sz needs the order.
    OtworzSemafor(z, s);
    if (s->Status() == tSemStatus::bialy)
        Menu(p, {"Daj polecenie odjazdu"}, "daję polecenie jazdy na sygnał zastępczy pociągowi " + z.Numer,
             "Daj polecenie odjazdu pociągowi " + z.Numer + " z menu punktu " + p->Name + ": minie semafor " +
                 s->Name + " na sygnale zastępczym");
}

void TAutomatycznyDyspozytor::UstawZwrotnice(const TDrogaUkladu& d, const std::string& numer)
{
    for (const auto& [zw, s] : d.Zwrotnice)
        if (zw->Status() != s)
            if (TPunktButton* b = Mapa().Przycisk(zw))
                Nacisnij(b, "przekładam zwrotnicę " + zw->Name + " dla pociągu " + numer,
                         "Przełóż zwrotnicę " + zw->Name + " dla pociągu " + numer + ": kliknij ją");
}

void TAutomatycznyDyspozytor::OpuscRogatke(TRogatka* r, const std::string& numer)
{
    rogatkiGracza_.erase(r);
    nasze_.insert(r);
    if (r->Podniesione())
        if (TPunktButton* b = Mapa().Przycisk(r))
            Nacisnij(b, "zamykam rogatki " + r->Name + " dla pociągu " + numer,
                     "Zamknij rogatki " + r->Name + " dla pociągu " + numer + ": kliknij je");
    rogatki_[r] = r->Podniesione();
}

bool TAutomatycznyDyspozytor::WolnaDlaManewru(const TDrogaUkladu& d, std::string& powod) const
{
    for (std::size_t i = 1; i < d.Punkty.size(); ++i) {
        const TPunkt* q = d.Punkty[i];
        const bool koniec = i + 1 == d.Punkty.size();
        const bool zajety = q->Pociag() != nullptr && !koniec;
        const bool nieaktywny = q->Stan() == tStan::nieaktywny &&
                                !(dynamic_cast<const TTor*>(q) != nullptr &&
                                  RogatkaToru(static_cast<const TTor*>(q)) != nullptr);
        if (zajety || q->Stan() == tStan::utwierdzony || nieaktywny || rezerwacje_.count(q)) {
            powod = q->Name + "|" + (q->Pociag() != nullptr ? q->Pociag()->Numer() : std::string("-"));
            return false;
        }
    }
    return true;
}

std::vector<std::vector<TAutomatycznyDyspozytor::TRuch>> TAutomatycznyDyspozytor::Objazdy(TPunkt* peron,
                                                                                         tSemType kierunek,
                                                                                         TPunkt* lokomotywa) const
{
    // Breadth first over (stop, direction): the locomotive leaves the platform in the direction it
    // faces (or sets off either way from where it already stands) and must come back onto its
    // coaches moving the same way, from their other end.
    struct TStan {
        TPunkt* tu;
        std::vector<TRuch> ruchy;
    };
    std::vector<std::vector<TRuch>> wyniki;
    std::deque<TStan> kolejka;
    std::set<std::pair<const TPunkt*, int>> odwiedzone;
    const auto wolnaDroga = [peron](const TDrogaUkladu& d) {
        for (std::size_t i = 1; i < d.Punkty.size(); ++i)
            if (d.Punkty[i]->Pociag() != nullptr && d.Punkty[i] != peron)
                return false;
        return true;
    };
    if (lokomotywa == nullptr) {
        for (const TDrogaUkladu& d : mapa_->DrogiManewrowe(peron, kierunek, {peron}))
            if (wolnaDroga(d)) {
                kolejka.push_back({d.Punkty.back(), {TRuch{kierunek, d}}});
                odwiedzone.insert({d.Punkty.back(), kierunek});
            }
    } else {
        kolejka.push_back({lokomotywa, {}});
    }
    constexpr std::size_t NajwiecejRuchow = 6;
    while (!kolejka.empty() && wyniki.empty()) {
        TStan s = std::move(kolejka.front());
        kolejka.pop_front();
        if (s.ruchy.size() >= NajwiecejRuchow)
            continue;
        const tSemType ostatni = s.ruchy.empty() ? kierunek : s.ruchy.back().Kierunek;
        for (tSemType k : {ostatni, Przeciwny(ostatni)}) {
            for (const TDrogaUkladu& d : mapa_->DrogiManewrowe(s.tu, k, {})) {
                if (!wolnaDroga(d))
                    continue;
                TStan n = s;
                n.tu = d.Punkty.back();
                n.ruchy.push_back(TRuch{k, d});
                if (n.tu == peron) {
                    if (k == kierunek)
                        wyniki.push_back(std::move(n.ruchy));
                    continue;
                }
                if (odwiedzone.insert({n.tu, k}).second)
                    kolejka.push_back(std::move(n));
            }
        }
    }
    return wyniki;
}

void TAutomatycznyDyspozytor::Formuj(TZadanie& z)
{
    if (z.Poprzednik == nullptr || z.Peron == nullptr)
        return;
    TPociag* sklad = z.Poprzednik->Pociag;
    if (!ruch_.Silnik.PociagDnia(sklad) || Gdzie(sklad) != z.Peron || !sklad->SkonczylBieg())
        return;
    TPunkt* peron = z.Peron;
    Mapa();
    const std::string dla = " dla pociągu " + z.Numer;
    std::string powod;
    if (!z.ObjazdZaplanowany) {
        if (sklad->StanJazdy == tStanJazdy::jazda)
            return;
        z.ObjazdZaplanowany = true;
        const std::string spiety = SpietySklad(*sklad);
        if (!LokomotywaNaCzele(*z.Pociag, spiety)) {
            auto objazdy = Objazdy(peron, sklad->Kierunek);
            // Advising, the locomotive may already be away on a run-round the advisor did not see
            // start: the way back onto the coaches is planned from where it stands.
            if (doradca_ && objazdy.empty() && !MaLokomotywe(spiety))
                for (TPunkt* q : ruch_.Stacja.Punkty()) {
                    const TPociag* u = q->Pociag();
                    if (q != peron && u != nullptr && u->Manewrowy() && u->StanJazdy != tStanJazdy::jazda &&
                        !q->Jest(rpZapowiedz) && MaLokomotywe(SpietySklad(*u)) &&
                        !(objazdy = Objazdy(peron, sklad->Kierunek, q)).empty())
                        break;
                }
            if (!objazdy.empty())
                z.Objazd = objazdy.front();
            // A run-round that cannot be planned now (the way round is taken, or, advising, the
            // locomotive is under way on one the advisor did not see start) is planned again later;
            // nothing is done meanwhile, least of all sending the coaches off without it.
            if (objazdy.empty()) {
                z.ObjazdZaplanowany = false;
                return;
            }
        }
    }
    if (doradca_)
        RozpoznajObjazd(z, *sklad);
    while (z.Krok < z.Objazd.size()) {
        const TRuch& r = z.Objazd[z.Krok];
        if (z.RuchTrwa) {
            const TPociag* u = r.Do()->Pociag();
            const bool dojechal = u != nullptr && u->StanJazdy != tStanJazdy::jazda &&
                                  (r.Do() != peron || (u == sklad && sklad->DoRozdzielenia()));
            if (!dojechal)
                return;
            for (TPunkt* q : r.Droga.Punkty)
                rezerwacje_.erase(q);
            z.RuchTrwa = false;
            ++z.Krok;
            continue;
        }
        TPociag* u = r.Od()->Pociag();
        if (u == nullptr || u->StanJazdy == tStanJazdy::jazda || !WolnaDlaManewru(r.Droga, powod) ||
            !Sprawna(r.Droga, powod))
            return;
        if (z.Krok == 0 && r.Od() == peron && !u->DoRozdzielenia())
            Menu(peron, {"Rozdziel skład"}, "odczepiam lokomotywę" + dla,
                 "Odczep lokomotywę" + dla + ": „Rozdziel skład” w menu peronu " + peron->Name);
        if (u->Kierunek != r.Kierunek)
            Menu(r.Od(), {"Zmień &kierunek jazdy"}, "zmieniam kierunek jazdy lokomotywy" + dla,
                 "Zmień kierunek jazdy lokomotywy" + dla + " w menu punktu " + r.Od()->Name);
        UstawZwrotnice(r.Droga, z.Numer);
        for (TPunkt* q : r.Droga.Punkty)
            if (auto* t = dynamic_cast<TTor*>(q))
                if (TRogatka* rg = RogatkaToru(t))
                    OpuscRogatke(rg, z.Numer);
        if (!Menu(r.Od(), {"Daj polecenie odjazdu"}, "przestawiam lokomotywę do " + r.Do()->Name + dla,
                  "Przestaw lokomotywę do " + r.Do()->Name + dla + ": „Daj polecenie odjazdu” w menu punktu " +
                      r.Od()->Name))
            return;
        for (TPunkt* q : r.Droga.Punkty)
            rezerwacje_.insert(q);
        rezerwacje_.erase(r.Od());
        z.RuchTrwa = true;
        return;
    }
    if (sklad->StanJazdy == tStanJazdy::jazda)
        return;
    if (sklad->DoRozdzielenia())
        Menu(peron, {"Połącz skład"}, "sprzęgam skład" + dla,
             "Sprzęgnij skład" + dla + ": „Połącz skład” w menu peronu " + peron->Name);
    // Formed, the consist's own train is freed: its task ends now. Planned by the timetable, a late
    // consist's task may come after this one's in the same tick, and must not look at it.
    if (Menu(peron, {"Przygotuj skład do odjazdu", OpisPociagu(*z.Pociag)}, "formuję skład" + dla,
             "Uformuj skład" + dla + ": „Przygotuj skład do odjazdu” w menu peronu " + peron->Name))
        z.Poprzednik->Etap = tEtap::koniec;
}

void TAutomatycznyDyspozytor::RozpoznajObjazd(TZadanie& z, const TPociag& sklad)
{
    if (!z.ObjazdZaplanowany || z.Objazd.empty())
        return;
    for (const TRuch& r : z.Objazd)
        for (TPunkt* q : r.Droga.Punkty)
            rezerwacje_.erase(q);
    // The locomotive is the shunting unit on the moves' way: setting off from a move's start (from
    // the coaches too, which it leaves behind), under way on it, or standing at its end.
    const auto lokomotywa = [&sklad](const TPunkt* q, bool start) {
        const TPociag* u = q->Pociag();
        if (u == nullptr || (u == &sklad && !(start && u->StanJazdy == tStanJazdy::jazda)))
            return static_cast<const TPociag*>(nullptr);
        return u == &sklad || u->Manewrowy() ? u : nullptr;
    };
    for (std::size_t k = z.Objazd.size(); k-- > 0;) {
        const TRuch& r = z.Objazd[k];
        for (std::size_t i = 0; i < r.Droga.Punkty.size(); ++i) {
            const TPociag* u = lokomotywa(r.Droga.Punkty[i], i == 0);
            if (u == nullptr || (i == 0 && u->StanJazdy != tStanJazdy::jazda))
                continue;
            const bool wDrodze = u->StanJazdy == tStanJazdy::jazda;
            if (!wDrodze && i + 1 < r.Droga.Punkty.size())
                continue;  // standing midway belongs to no move
            z.Krok = wDrodze ? k : k + 1;
            z.RuchTrwa = wDrodze;
            if (wDrodze)
                for (TPunkt* q : r.Droga.Punkty)
                    rezerwacje_.insert(q);
            return;
        }
    }
    // None away from the coaches: it has not left yet, or it is back at their other end (the
    // coaches alone, the locomotive gone, are neither).
    const std::string spiety = SpietySklad(sklad);
    z.Krok = MaLokomotywe(spiety) && LokomotywaNaCzele(*z.Pociag, spiety) ? z.Objazd.size() : 0;
    z.RuchTrwa = false;
}

void TAutomatycznyDyspozytor::PilnujRogatek()
{
    if (!rogatkiZebrane_) {
        for (const TPrzebieg& p : Mapa().Przebiegi())
            for (TRogatka* r : p.Rogatki)
                if (std::find(rogatkiMapy_.begin(), rogatkiMapy_.end(), r) == rogatkiMapy_.end())
                    rogatkiMapy_.push_back(r);
        toryMapy_ = ruch_.Stacja.Wszystkie<TTor>();
        rogatkiZebrane_ = true;
    }
    const std::vector<TRogatka*>& rogatki = rogatkiMapy_;
    const double horyzont = teraz_ + Minuta(MinutyRogatek);
    const std::vector<TTor*>& tory = toryMapy_;
    // Advising, no barrier goes up while a shunting move is under way: one the advisor did not see
    // start has no locked route to show where it goes.
    if (doradca_ && std::any_of(gdzie_.begin(), gdzie_.end(), [](const auto& g) {
            return g.first->Manewrowy() && g.first->StanJazdy == tStanJazdy::jazda;
        }))
        return;
    for (TRogatka* r : rogatki) {
        const bool podniesione = r->Podniesione();
        if (const auto it = rogatki_.find(r); it != rogatki_.end() && it->second != podniesione)
            rogatkiGracza_.insert(r);  // moved by the player: his to raise
        rogatki_[r] = podniesione;
        // Advising, every barrier is the player's and may need raising.
        if (podniesione || (!doradca_ && (rogatkiGracza_.count(r) || (!wszystkie_ && !nasze_.count(r)))))
            continue;
        // Raised now, it would not come down again for the next train.
        if (r->Niesprawna() != nullptr)
            continue;
        bool wolne = true;
        for (TTor* t : tory)
            if (StrzezonyPrzez(t, r) && (t->Stan() == tStan::utwierdzony || t->Stan() == tStan::zajety ||
                                         rezerwacje_.count(t)))
                wolne = false;
        if (!wolne)
            continue;
        bool potrzebne = false;
        for (const auto& z : zadania_) {
            const auto uzywa = [r](const TPrzebieg* p) {
                return p != nullptr && std::find(p->Rogatki.begin(), p->Rogatki.end(), r) != p->Rogatki.end();
            };
            if (z->Etap == tEtap::czeka && z->Wjazd != nullptr && Wczesniej(z->TerminWjazdu(), horyzont) &&
                (uzywa(z->DrogaWjazdu) || (z->BezPostoju && uzywa(z->DrogaWyjazdu))))
                potrzebne = true;
            if ((z->Etap == tEtap::stoi || z->Etap == tEtap::czeka) && z->Wyjazd != nullptr &&
                Wczesniej(z->TerminWyjazdu(), horyzont) && uzywa(z->DrogaWyjazdu))
                potrzebne = true;
            if (z->Wjazd == nullptr && z->Etap == tEtap::czeka && z->Krok < z->Objazd.size())
                for (const TRuch& ruch : z->Objazd)
                    for (TPunkt* q : ruch.Droga.Punkty)
                        if (auto* t = dynamic_cast<TTor*>(q); t != nullptr && StrzezonyPrzez(t, r))
                            potrzebne = true;
            if (potrzebne)
                break;
        }
        if (potrzebne)
            continue;
        if (TPunktButton* b = Mapa().Przycisk(r)) {
            Nacisnij(b, "podnoszę rogatki " + r->Name,
                     "Podnieś rogatki " + r->Name + ": żaden pociąg nie przejedzie tędy w najbliższych minutach");
            rogatki_[r] = r->Podniesione();
            nasze_.erase(r);
        }
    }
}

bool TAutomatycznyDyspozytor::Zglos(TAktDyspozytora akt)
{
    if (biezace_ != nullptr)
        akt.Pociag = biezace_->Numer;
    if (podglad_ != nullptr) {
        *podglad_ = std::move(akt);
        return true;
    }
    if (OnAkt)
        OnAkt(akt);
    return false;
}

void TAutomatycznyDyspozytor::Nacisnij(TWktColorButton* b, const std::string& opis, const std::string& rada)
{
    const auto* element = dynamic_cast<const TPunktButton*>(b);
    if (Zglos({"press " + b->Name, opis, rada, {},
               element != nullptr && element->Element() != nullptr ? element->Element()->Name : std::string(), b->Name}))
        throw TPodejrzany{};
    ruch_.Wykonaj([b] {
        b->MouseEnter();
        b->MouseDown();
        b->MouseUp(true);
    });
    b->MouseLeave();
}

bool TAutomatycznyDyspozytor::Menu(TPunkt* p, const std::vector<std::string>& pozycje, const std::string& opis,
                                   const std::string& rada)
{
    TMenuPociagu menu(ruch_.Stacja, ruch_.Silnik);
    if (!menu.Otworz(p))
        return false;
    const std::vector<TPozycjaMenu>* poziom = &menu.Pozycje();
    const TPozycjaMenu* wybrana = nullptr;
    for (const std::string& nazwa : pozycje) {
        wybrana = nullptr;
        for (const TPozycjaMenu& m : *poziom)
            if (m.Visible && m.Caption == nazwa)
                wybrana = &m;
        if (wybrana == nullptr)
            return false;
        poziom = &wybrana->Submenu;
    }
    if (wybrana == nullptr || !wybrana->Enabled || !wybrana->Akcja)
        return false;
    std::string polecenie = "menu " + p->Name;
    for (const std::string& nazwa : pozycje)
        polecenie += " " + Cytat(nazwa);
    if (Zglos({polecenie, opis, rada, {}, p->Name, {}}))
        throw TPodejrzany{};
    const std::function<void()> akcja = wybrana->Akcja;
    const bool wstrzymany = ruch_.Wstrzymany;
    ruch_.Wstrzymany = true;
    ruch_.Wykonaj(akcja);
    ruch_.Wstrzymany = wstrzymany;
    return true;
}

void TAutomatycznyDyspozytor::Konflikt(TZadanie& z, int akt, const std::string& powod)
{
    if (z.Zgloszony[akt])
        return;
    z.Zgloszony[akt] = true;
    const auto kreska = powod.find('|');
    TKonfliktDyspozytora k;
    k.Czas = teraz_;
    k.Miejsce = powod.substr(0, kreska);
    k.Pociagi = z.Numer;
    if (kreska != std::string::npos) {
        const std::string inny = powod.substr(kreska + 1);
        if (!inny.empty() && inny != "-" && inny != z.Numer)
            k.Pociagi += ", " + inny;
    }
    konflikty_.push_back(std::move(k));
}
