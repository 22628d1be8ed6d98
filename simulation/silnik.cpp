// Preparing the day's trains and, on every tick, announcing, admitting, moving and dispatching them.

#include "simulation/silnik.h"

#include "core/format.h"
#include "core/tekst.h"
#include "station/peron.h"
#include "station/postoj.h"
#include "station/rogatka.h"
#include "station/semafor.h"
#include "station/stacja.h"
#include "station/wlot.h"
#include "station/zapowiedz.h"
#include "station/zwrotnica.h"
#include "trains/czas.h"
#include "trains/rozklad.h"
#include "trains/sklad.h"

#include <algorithm>
#include <stdexcept>
#include <unordered_set>

namespace {


void Sortuj(std::vector<TPociag*>& pociagi)
{
    std::stable_sort(pociagi.begin(), pociagi.end(),
                     [](const TPociag* a, const TPociag* b) { return PorownajPociagi(*a, *b) < 0; });
}

// A delay's text without the blank it starts with under an hour, for use inside a sentence.
std::string BezWiodacejSpacji(std::string tekst)
{
    if (!tekst.empty() && tekst.front() == ' ')
        tekst.erase(0, 1);
    return tekst;
}

// How long after a train from a single-track line is in the line is taken to be clear for one
// leaving by it, in judging whose a delay is.
constexpr long long OczyszczenieLiniiMs = 2 * 60000;

// The lead before its arrival at which a train is announced on the entry's line.
double CzasZapowiedziWlotu(const TWlot& wlot)
{
    return wlot.Zapowiedz != nullptr ? wlot.Zapowiedz->CzasZapowiedzi() : Minuta(5);
}

}  // namespace

TSilnikSymulacji::TSilnikSymulacji(TRozkladJazdy& rozklad, std::function<double()> teraz, TDziennik dziennik)
    : rozklad_(rozklad), teraz_(std::move(teraz)), dziennik_(std::move(dziennik))
{
    if (!teraz_ || !dziennik_)
        throw std::invalid_argument("Silnik symulacji potrzebuje zegara i dziennika.");
}

TSilnikSymulacji::~TSilnikSymulacji()
{
    // The station may outlive the engine's trains only without references to them.
    std::unordered_set<const TPociag*> wszystkie;
    for (const auto& t : pociagiDnia_)
        wszystkie.insert(t.get());
    Odlacz(wszystkie);
}

TWlotStacyjny* TSilnikSymulacji::WlotStacyjny() const
{
    for (TWlot* w : Wloty)
        if (w->Jest(rpWlotStacyjny))
            return static_cast<TWlotStacyjny*>(w);
    return nullptr;
}

TWlot* TSilnikSymulacji::ZnajdzWlot(const std::string& nazwa) const
{
    if (okno_ == nullptr)
        return nullptr;
    if (nazwa.empty()) {
        TWlot* ostatni = nullptr;
        for (TWlot* w : okno_->Wloty())
            if (w->Jest(rpWlotStacyjny))
                ostatni = w;
        return ostatni;
    }
    // The component of that name, when it is an entry.
    const TKomponent* k = okno_->Znajdz(nazwa);
    for (TWlot* w : okno_->Wloty())
        if (w == k)
            return w;
    return nullptr;
}

TPociag* TSilnikSymulacji::Przyjmij(std::unique_ptr<TPociag> pociag)
{
    pociagiDnia_.push_back(std::move(pociag));
    znanePociagi_.insert(pociagiDnia_.back().get());
    return pociagiDnia_.back().get();
}

void TSilnikSymulacji::PoliczPociagiDnia()
{
    znanePociagi_.clear();
    for (const auto& t : pociagiDnia_)
        znanePociagi_.insert(t.get());
    usuniete_.clear();
    ++epokaUsunietych_;
}

int TSilnikSymulacji::OpoznienieOdjazdu(double planowy, double odjazd)
{
    if (Milisekundy(odjazd) < Milisekundy(planowy))
        return -Minuty(planowy - odjazd);
    if (Milisekundy(odjazd) < Milisekundy(planowy + Minuta(MinutyPunktualnosci)))
        return 0;
    return Minuty(odjazd - planowy);
}

std::optional<double> TSilnikSymulacji::CzasOdjazdu(const TPociag* pociag) const
{
    const auto it = odjazdy_.find(pociag);
    return it == odjazdy_.end() ? std::nullopt : std::optional<double>(it->second);
}

void TSilnikSymulacji::Odlacz(TPociag* pociag)
{
    odjazdy_.erase(pociag);
    if (okno_ == nullptr)
        return;
    for (TPunkt* p : okno_->Punkty())
        if (p->Pociag() == pociag) {
            // An announcement field forgets quietly; a point is freed as a train leaving it.
            p->SetPociag(nullptr);
        }
    for (TWlot* w : Wloty)
        std::erase(w->Pociagi, pociag);
    std::erase_if(wyjeteZKolejki_, [pociag](const auto& w) { return w.second == pociag; });
}

void TSilnikSymulacji::Odlacz(const std::unordered_set<const TPociag*>& pociagi)
{
    // One walk over the points and the queues for all of them: midnight and closing let go of the
    // whole day at once. A freed train's departure must not be found again by a new train made at
    // its address.
    std::erase_if(odjazdy_, [&pociagi](const auto& odjazd) { return pociagi.count(odjazd.first) != 0; });
    std::erase_if(wyjeteZKolejki_, [&pociagi](const auto& w) { return pociagi.count(w.second) != 0; });
    if (okno_ == nullptr || pociagi.empty())
        return;
    for (TPunkt* p : okno_->Punkty())
        if (p->Pociag() != nullptr && pociagi.count(p->Pociag()))
            p->SetPociag(nullptr);
    for (TWlot* w : Wloty)
        std::erase_if(w->Pociagi, [&pociagi](const TPociag* t) { return pociagi.count(t) != 0; });
}

void TSilnikSymulacji::Usun(TPociag* pociag)
{
    Odlacz(pociag);
    if (znanePociagi_.erase(pociag) != 0)
        usuniete_.push_back(pociag);
    std::erase_if(pociagiDnia_, [pociag](const auto& t) { return t.get() == pociag; });
}

void TSilnikSymulacji::ZwolnijOdlozone()
{
    std::vector<TPociag*> lista;
    lista.swap(doUsuniecia_);
    for (TPociag* t : lista)
        Usun(t);
}

void TSilnikSymulacji::PrzygotujPociagi(TStacja& okno)
{
    if (rozklad_.Ile() == 0)
        rozklad_.WczytajRozklad();
    const bool pierwszyRaz = okno_ != &okno;
    okno_ = &okno;
    if (!pierwszyRaz)
        ++dzien_;

    // The old day: trains on the layout carry on; the others leave the day, and those still waiting
    // to come in (queued or announced) are named in the journal as they go.
    std::unordered_set<const TPociag*> naTorach;
    for (TPunkt* p : okno.Punkty())
        if (p->Pociag() != nullptr && !p->Jest(rpZapowiedz))
            naTorach.insert(p->Pociag());
    std::vector<TPociag*> przepadle;
    if (!pierwszyRaz) {
        std::unordered_set<const TPociag*> wymienione;
        const auto dopisz = [&](TPociag* t) {
            if (!naTorach.count(t) && wymienione.insert(t).second)
                przepadle.push_back(t);
        };
        for (TWlot* w : Wloty) {
            for (TPociag* t : w->Pociagi)
                dopisz(t);
            for (TZapowiedz* z : {w->Zapowiedz, w->ZapowiedzRozkladu})
                if (z != nullptr && z->Pociag() != nullptr)
                    dopisz(z->Pociag());
        }
    }
    std::vector<std::unique_ptr<TPociag>> zostaja;
    std::unordered_set<const TPociag*> odchodza;
    for (auto& t : pociagiDnia_) {
        if (naTorach.count(t.get()))
            zostaja.push_back(std::move(t));
        else
            odchodza.insert(t.get());
    }
    Odlacz(odchodza);
    Wloty.clear();
    wyjeteZKolejki_.clear();
    for (TWlot* w : okno.Wloty()) {
        w->Pociagi.clear();
        Wloty.push_back(w);
    }
    for (TPociag* t : przepadle)
        ZapiszWDzienniku(0, "Pociąg nie przyjechał.", Formatuj("Pociąg %s przepadł wraz z minionym dniem.",
                                                               OpisPociagu(*t).c_str()),
                         {tRodzajOceny::nieprzyjechal, t});
    pociagiDnia_ = std::move(zostaja);

    const double teraz = Teraz();
    for (int i = 0; i < rozklad_.Ile(); ++i) {
        try {
            const TPociag* wzor = rozklad_.Pociag(i);
            if (wzor == nullptr)
                continue;
            if (Milisekundy(wzor->Przyjazd()) < Milisekundy(teraz) || Milisekundy(wzor->Odjazd()) < Milisekundy(teraz))
                continue;
            auto t = std::make_unique<TPociag>();
            t->SetNumer(wzor->Numer());
            t->SetRelacjaOd(wzor->RelacjaOd());
            t->SetRelacjaDo(wzor->RelacjaDo());
            t->SetPrzyjazd(wzor->Przyjazd());
            t->SetOdjazd(wzor->Odjazd());
            t->SetOpis(wzor->Opis());
            t->SetWjezdza(wzor->Wjezdza());
            t->SetWyjezdza(wzor->Wyjezdza());
            t->SetSkladRozkladowy(wzor->SkladRozkladowy());
            t->SetNieWymagaPeronu(wzor->NieWymagaPeronu());
            TWlot* wlot = ZnajdzWlot(t->Wjezdza());
            if (wlot == nullptr)
                continue;
            if (wlot->Jest(rpWlotStacyjny)) {
                t->SetSklad("");
                t->SetPoPrzyjezdzie(true);
                if (TWlot* wyjazd = ZnajdzWlot(t->Wyjezdza()))
                    t->Kierunek = wyjazd->Typ();
            } else {
                t->Kierunek = wlot->Typ() == stPrawy ? stLewy : stPrawy;
                PrzygotujSklad(*t);
                t->SetOpoznienieWjazdu(OpoznienieZTrasy(Utrudnienia, dzien_, t->Numer(), wlot->Name));
            }
            wlot->Pociagi.push_back(t.get());
            pociagiDnia_.push_back(std::move(t));
        } catch (...) {
            // One bad item does not stop the day.
        }
    }
    PrzygotujUtrudnienia(teraz);
    std::stable_sort(pociagiDnia_.begin(), pociagiDnia_.end(),
                     [](const auto& a, const auto& b) { return PorownajPociagi(*a, *b) < 0; });
    PoliczPociagiDnia();
}

void TSilnikSymulacji::PrzygotujUtrudnienia(double teraz)
{
    DodajDodatkowe(teraz);
    for (TWlot* w : Wloty) {
        Sortuj(w->Pociagi);
        OpoznijPociagi(*w);
    }
    ZwlokiOdjazdow();
    UsterkiDnia();
}

void TSilnikSymulacji::ZwlokiOdjazdow()
{
    if (!Utrudnienia.Opoznienia())
        return;
    // Per line, the trains coming in by it in the order of their timetable arrivals, each with the
    // latest expected arrival of those up to it: a day of any size is looked through once.
    struct TWjazd {
        long long Przyjazd, NajpozniejOczekiwany;
    };
    std::unordered_map<const TWlot*, std::vector<TWjazd>> linie;
    std::vector<const TPociag*> konczace;
    for (const auto& a : pociagiDnia_) {
        const TWlot* skad = a->Wjezdza().empty() ? nullptr : ZnajdzWlot(a->Wjezdza());
        if (skad == nullptr || skad->Jest(rpWlotStacyjny))
            continue;
        linie[skad].push_back({Milisekundy(a->Przyjazd()), Milisekundy(a->PrzyjazdOczekiwany())});
        if (a->Wyjezdza().empty())
            konczace.push_back(a.get());
    }
    for (auto& [wlot, wjazdy] : linie) {
        std::stable_sort(wjazdy.begin(), wjazdy.end(), [](const TWjazd& a, const TWjazd& b) { return a.Przyjazd < b.Przyjazd; });
        for (std::size_t i = 1; i < wjazdy.size(); ++i)
            wjazdy[i].NajpozniejOczekiwany = std::max(wjazdy[i].NajpozniejOczekiwany, wjazdy[i - 1].NajpozniejOczekiwany);
    }
    for (const auto& d : pociagiDnia_) {
        if (d->Wyjezdza().empty())
            continue;
        const long long odjazd = Milisekundy(d->Odjazd());
        long long zwloka = d->OpoznienieWjazdu() * 1000LL;
        // A train the timetable has in before this one leaves by its line holds the line.
        if (const auto it = linie.find(ZnajdzWlot(d->Wyjezdza())); it != linie.end()) {
            const auto& wjazdy = it->second;
            const auto za = std::upper_bound(wjazdy.begin(), wjazdy.end(), odjazd,
                                             [](long long czas, const TWjazd& w) { return czas < w.Przyjazd; });
            if (za != wjazdy.begin())
                zwloka = std::max(zwloka, std::prev(za)->NajpozniejOczekiwany + OczyszczenieLiniiMs - odjazd);
        }
        // Made of a consist that came in late: the latest train that ended here with the vehicles it needs.
        const TWlot* wjazd = ZnajdzWlot(d->Wjezdza());
        if (wjazd != nullptr && wjazd->Jest(rpWlotStacyjny)) {
            const TPociag* sklad = nullptr;
            for (const TPociag* a : konczace)
                if (a->Przyjazd() <= d->Odjazd() && SkladZgodny(*d, a->SkladRozkladowy()) &&
                    (sklad == nullptr || sklad->Przyjazd() <= a->Przyjazd()))
                    sklad = a;
            if (sklad != nullptr)
                zwloka = std::max(zwloka, sklad->OpoznienieWjazdu() * 1000LL);
        }
        d->SetZwlokaOdjazdu(static_cast<std::int32_t>(std::max(0LL, zwloka / 60000) * 60));
    }
}

void TSilnikSymulacji::OpoznijPociagi(TWlot& wlot)
{
    if (!Utrudnienia.Opoznienia() || wlot.Jest(rpWlotStacyjny))
        return;
    // A single-track line has no overtaking: a train held up holds up those behind it, which come a
    // few minutes after it. A delay never carries a train past the day's end.
    constexpr double Odstep = 5.0 / 1440, OstatniPrzyjazd = (23 * 60 + 55) / 1440.0;
    const TPociag* poprzedni = nullptr;
    for (TPociag* t : wlot.Pociagi) {
        double oczekiwany = t->PrzyjazdOczekiwany();
        if (poprzedni != nullptr && poprzedni->OpoznienieWjazdu() > 0)
            oczekiwany = std::max(oczekiwany, poprzedni->PrzyjazdOczekiwany() + Odstep);
        oczekiwany = std::min(oczekiwany, std::max(OstatniPrzyjazd, t->Przyjazd()));
        t->SetOpoznienieWjazdu(static_cast<std::int32_t>(std::max<long long>(0, (Milisekundy(oczekiwany) - Milisekundy(t->Przyjazd())) / 60000) * 60));
        poprzedni = t;
    }
}

void TSilnikSymulacji::DodajDodatkowe(double teraz)
{
    if (!Utrudnienia.Dodatkowe())
        return;
    for (const TDodatkowyPociag& d : DodatkowePociagi(Utrudnienia, dzien_, rozklad_)) {
        TWlot* wlot = ZnajdzWlot(d.Wjezdza);
        // A train whose notice would come before the game's start is not added: it would come unannounced.
        if (wlot == nullptr || Milisekundy(d.Zgloszenie) < Milisekundy(teraz))
            continue;
        auto t = std::make_unique<TPociag>();
        t->SetNumer(d.Numer);
        t->SetRelacjaOd(d.RelacjaOd);
        t->SetRelacjaDo(d.RelacjaDo);
        t->SetPrzyjazd(d.Przyjazd);
        t->SetOdjazd(d.Odjazd);
        t->SetOpis(d.Opis);
        t->SetWjezdza(d.Wjezdza);
        t->SetWyjezdza(d.Wyjezdza);
        t->SetSkladRozkladowy(d.Sklad);
        t->SetNieWymagaPeronu(d.BezPostoju);
        t->SetDodatkowy(true);
        t->Kierunek = wlot->Typ() == stPrawy ? stLewy : stPrawy;
        PrzygotujSklad(*t);
        wlot->Pociagi.push_back(t.get());
        pociagiDnia_.push_back(std::move(t));
    }
}

void TSilnikSymulacji::UsterkiDnia()
{
    usterki_.clear();
    if (okno_ == nullptr || !Utrudnienia.Usterki())
        return;
    std::vector<std::string> zwrotnice, semafory, rogatki;
    for (const TZwrotnica* z : okno_->Zwrotnice())
        zwrotnice.push_back(z->Name);
    for (const TSemafor* s : okno_->Semafory())
        semafory.push_back(s->Name);
    for (const TRogatka* r : okno_->Wszystkie<TRogatka>())
        rogatki.push_back(r->Name);
    usterki_ = ::UsterkiDnia(Utrudnienia, dzien_, zwrotnice, semafory, rogatki);
}

void TSilnikSymulacji::KrokUtrudnien()
{
    const long long teraz = Milisekundy(Teraz());
    const auto trwa = [teraz](const TUsterkaElementu& u) {
        return Milisekundy(u.Od) <= teraz && teraz < Milisekundy(u.Do);
    };
    // Ends first, then beginnings: an element may have two faults in a day.
    for (const TUsterkaElementu& u : usterki_) {
        auto* e = dynamic_cast<TElement*>(okno_->Znajdz(u.Element));
        // The text is made only for an element at fault, and only once its time is up.
        if (e == nullptr || e->Usterka.empty() || trwa(u) || e->Usterka != OpisUsterki(u))
            continue;
        e->SetUsterka({});
        ZapiszWDzienniku(0, Formatuj("Koniec usterki: %s.", e->Name.c_str()), KoniecUsterki(u), {tRodzajOceny::usterka});
    }
    for (const TUsterkaElementu& u : usterki_) {
        auto* e = dynamic_cast<TElement*>(okno_->Znajdz(u.Element));
        if (e == nullptr || !e->Usterka.empty() || !trwa(u))
            continue;
        e->SetUsterka(OpisUsterki(u));
        ZapiszWDzienniku(0, Formatuj("Usterka: %s.", e->Name.c_str()), e->Usterka, {tRodzajOceny::usterka});
    }
    if (!Utrudnienia.Dodatkowe())
        return;
    for (const auto& t : pociagiDnia_)
        if (t->Dodatkowy() && !t->ZgloszonyDodatkowy() &&
            Milisekundy(t->Przyjazd() - WyprzedzenieZgloszenia) <= teraz) {
            t->SetZgloszonyDodatkowy(true);
            const std::string godzina = FormatGodziny(*t, t->Przyjazd());
            const std::string pociag = Formatuj("Pociąg %s %s %s-%s (%s)", t->Opis().c_str(), t->Numer().c_str(),
                                                t->RelacjaOd().c_str(), t->RelacjaDo().c_str(),
                                                t->SkladRozkladowy().c_str());
            const std::string opis =
                t->NieWymagaPeronu()
                    ? Formatuj("%s przyjedzie ok. %s i przejedzie przez stację bez postoju.", pociag.c_str(),
                               godzina.c_str())
                    : Formatuj("%s przyjedzie ok. %s i odjedzie o %s.", pociag.c_str(), godzina.c_str(),
                               FormatGodziny(*t, t->Odjazd()).c_str());
            ZapiszWDzienniku(0, "Zgłoszono pociąg dodatkowy spoza rozkładu.", opis,
                             {tRodzajOceny::pociagDodatkowy, t.get()});
        }
}

TPociag* TSilnikSymulacji::NastepnyPociag(const TWlot& wlot, int rodzaj) const
{
    if (wlot.Pociagi.empty())
        return nullptr;
    TPociag* t = wlot.Pociagi.front();
    const long long teraz = Milisekundy(Teraz());
    switch (rodzaj) {
    case 1:
        return Milisekundy(t->PrzyjazdOczekiwany() - CzasZapowiedziWlotu(wlot)) <= teraz && !t->Zapowiedziany() ? t
                                                                                                                : nullptr;
    case 2:
        return Milisekundy(t->PrzyjazdOczekiwany() - wlot.WyprzedzenieJakoCzas()) <= teraz ? t : nullptr;
    default:
        return t;
    }
}

int TSilnikSymulacji::LiczbaPociagowNaStacji() const
{
    return okno_ == nullptr ? 0 : okno_->PociagiNaStacji();
}

void TSilnikSymulacji::OdswiezEtykiety()
{
    if (okno_ == nullptr)
        return;
    for (TPunkt* p : okno_->Punkty())
        if (p->Pociag() != nullptr)
            p->SetElementy(EtykietaPunktu(*p->Pociag()));
}

void TSilnikSymulacji::ZapiszWDzienniku(std::int32_t punkty, const std::string& tekst, const std::string& opis,
                                        TOcena ocena)
{
    dziennik_(punkty, tekst, opis, ocena);
}

void TSilnikSymulacji::KrokSymulacji()
{
    if (okno_ == nullptr)
        return;
    TWlotStacyjny* stacyjny = WlotStacyjny();
    const int n = LiczbaPociagowNaStacji();
    if (stacyjny != nullptr) {
        if (n == 0)
            stacyjny->Hint = "w obrębie stacji nie ma żadnych pociągów";
        else if (n == 1)
            stacyjny->Hint = "w obrębie stacji jest jeden pociąg";
        else if (n <= 4)
            stacyjny->Hint = Formatuj("w obrębie stacji są %d pociągi", n);
        else
            stacyjny->Hint = Formatuj("w obrębie stacji jest %d pociągów", n);
    }
    if (Utrudnienia.Poziom > TUtrudnienia::NajnizszyPoziom)
        KrokUtrudnien();
    for (TWlot* w : Wloty)
        ObsluzWlot(*w);
    if (stacyjny != nullptr) {
        TPociag* t = NastepnyPociag(*stacyjny, 2);
        if (t != nullptr && !(t->StanJazdy == tStanJazdy::zatrzymany && !t->Sklad().empty()) && !t->Zapowiedziany() &&
            Milisekundy(Teraz()) >= Milisekundy(t->Przyjazd())) {
            ZapiszWDzienniku(0, "Pociąg czeka na sformowanie składu!", OpisPociagu(*t), {tRodzajOceny::informacja, t});
            t->SetZapowiedziany(true);
        }
    }
    // In component order; a train moved onto a later point is met again and moves again.
    for (TPunkt* p : okno_->Punkty())
        if (p->Pociag() != nullptr && p->Pociag()->StanJazdy == tStanJazdy::jazda)
            PrzesunPociag(*p, *p->Pociag());
    ZwolnijOdlozone();
}

void TSilnikSymulacji::ObsluzWlot(TWlot& e)
{
    static constexpr const char* brak = "Powiadom o tym błędzie producenta programu.";
    if (TZapowiedz* z = e.Zapowiedz) {
        // Whatever comes to an empty announcement is taken out of the queue afresh.
        if (z->Pociag() == nullptr)
            wyjeteZKolejki_.erase(&e);
        if (z->Pociag() == nullptr && LiczbaPociagowNaStacji() < static_cast<int>(Wloty.size())) {
            TPociag* n = NastepnyPociag(e, 1);
            if (n != nullptr && Utrudnienia.Opoznienia() && &e != WlotStacyjny()) {
                n = ZapowiedzPoOdjezdzie(e, *n);
                if (n != nullptr)
                    LiniaZajeta(e, *n);
            }
            z->SetPociag(n);
        }
        if (z->Pociag() != nullptr)
            z->Pociag()->SetZapowiedziany(true);
        if (z->Pociag() != nullptr && &e != WlotStacyjny()) {
            const TPociag*& wyjety = wyjeteZKolejki_[&e];
            if (wyjety != z->Pociag()) {
                std::erase(e.Pociagi, z->Pociag());
                wyjety = z->Pociag();
            }
        }
        TPociag* a = z->Pociag();
        if (e.Stan() == tStan::utwierdzony && a != nullptr && e.Pociag() == nullptr &&
            Milisekundy(a->PrzyjazdOczekiwany() - e.WyprzedzenieJakoCzas()) < Milisekundy(Teraz()) &&
            e.WjazdDozwolony()) {
            e.SetPociag(a);
            z->SetPociag(nullptr);
        }
    } else {
        ZapiszWDzienniku(-33, "Brak elementu zapowiedzi dla wlotu " + e.Name, brak, {tRodzajOceny::bladUkladu});
    }
    if (TZapowiedz* r = e.ZapowiedzRozkladu) {
        r->SetPociag(NastepnyPociag(e, 0));
        if (r->Pociag() != nullptr) {
            const TKolor kolor = static_cast<double>(r->Czas) >= r->Pociag()->Przyjazd() + Minuta(10) ? kolory::Czarny
                                                                                                      : kolory::Bordowy;
            // The window repaints only what asks for it.
            if (r->ParentFont || r->Font.Kolor != kolor) {
                r->Font.Kolor = kolor;
                r->ParentFont = false;
                r->Repaint();
            }
        }
    } else {
        ZapiszWDzienniku(-33, "Brak elementu zapowiedzi rozkładu dla wlotu " + e.Name, brak, {tRodzajOceny::bladUkladu});
    }
}

TPociag* TSilnikSymulacji::ZapowiedzPoOdjezdzie(const TWlot& wlot, TPociag& t)
{
    // The neighbouring station sends a late train onto the single-track line only when this one
    // can take it: the line carries one way at a time, so a train standing here ready to leave by
    // it, due within the announcement's lead, has it first; and a platform must be free for the
    // train to come to. Otherwise the two could wait for each other for good.
    // So does a train still coming in by another line, or moving through the station, that will
    // leave by it: announced now, this one would hold it for the whole lead.
    const double teraz = Teraz(), wyprzedzenie = CzasZapowiedziWlotu(wlot);
    const auto maPierwszenstwo = [&](const TPociag* d) {
        return d != nullptr && d != &t && !d->Manewrowy() && RowneBezWielkosci(d->Wyjezdza(), wlot.Name) &&
               Milisekundy(d->Odjazd() - teraz) <= Milisekundy(wyprzedzenie);
    };
    bool wolnyPeron = false;
    for (const TPunkt* p : okno_->Punkty()) {
        const TPociag* d = p->Pociag();
        if (d == nullptr) {
            wolnyPeron = wolnyPeron || (p->Jest(rpPeron) && p->Stan() == tStan::wolny);
            continue;
        }
        if (p->LiczySieDoStacji() && maPierwszenstwo(d))
            return nullptr;
    }
    for (const TWlot* w : Wloty)
        if (w != &wlot && !w->Jest(rpWlotStacyjny) &&
            (maPierwszenstwo(w->Pociag()) || (w->Zapowiedz != nullptr && maPierwszenstwo(w->Zapowiedz->Pociag()))))
            return nullptr;
    // Every train already on its way in needs a platform too.
    int wolnych = 0, wDrodze = 0;
    for (const TPunkt* p : okno_->Punkty())
        wolnych += p->Jest(rpPeron) && p->Pociag() == nullptr && p->Stan() == tStan::wolny;
    for (const TWlot* w : Wloty)
        if (w != &wlot && !w->Jest(rpWlotStacyjny))
            wDrodze += (w->Zapowiedz != nullptr && w->Zapowiedz->Pociag() != nullptr) + (w->Pociag() != nullptr);
    if (!wolnyPeron || wolnych <= wDrodze)
        return nullptr;
    // Kept back, it comes as late as its announcement now makes it: that too is the line's delay.
    const long long przyjazd = Milisekundy(teraz + wyprzedzenie);
    if (przyjazd > Milisekundy(t.PrzyjazdOczekiwany())) {
        t.SetOpoznienieWjazdu(static_cast<std::int32_t>((przyjazd - Milisekundy(t.Przyjazd()) + 59999) / 60000 * 60));
        t.SetZwlokaOdjazdu(std::max(t.ZwlokaOdjazdu(), t.OpoznienieWjazdu()));
    }
    return &t;
}

void TSilnikSymulacji::LiniaZajeta(const TWlot& wlot, const TPociag& a)
{
    // Announced, the train holds the single-track line until it is in. A train to leave by the line
    // that could not have left yet, for its timetable or the delay it brought, is held by the line,
    // not by the dispatcher: its allowance runs on until the line is clear. One that could have gone
    // before the announcement has only itself to blame.
    const long long teraz = Milisekundy(Teraz());
    const long long wolna = Milisekundy(a.PrzyjazdOczekiwany()) + OczyszczenieLiniiMs;
    for (const auto& d : pociagiDnia_) {
        if (d.get() == &a || d->Manewrowy() || odjazdy_.count(d.get()) != 0 ||
            !RowneBezWielkosci(d->Wyjezdza(), wlot.Name))
            continue;
        const long long odjazd = Milisekundy(d->Odjazd());
        if (odjazd + d->ZwlokaOdjazdu() * 1000LL <= teraz || wolna <= odjazd)
            continue;
        const auto zwloka = static_cast<std::int32_t>((wolna - odjazd) / 60000 * 60);
        d->SetZwlokaOdjazdu(std::max(d->ZwlokaOdjazdu(), zwloka));
    }
}

void TSilnikSymulacji::PrzesunPociag(TPunkt& p, TPociag& t)
{
    if (p.Jest(rpZapowiedz))
        return;
    TPunkt* n = p.Neighbour(t.Kierunek);
    if (n == nullptr) {
        ZapiszWDzienniku(-33, "Pociąg został zatrzymany.",
                         Formatuj("Pociąg %s nie może wyjechać przez %s.", t.Opis().c_str(), p.Name.c_str()),
                         {tRodzajOceny::brakDrogi, &t});
        t.StanJazdy = tStanJazdy::zatrzymany;
        return;
    }
    if (n->Stan() == tStan::nieaktywny) {
        ZapiszWDzienniku(-33, Formatuj("Pociąg %s został zatrzymany.", t.Opis().c_str()),
                         Formatuj("Pociąg nie może jechać po torze %s wyłączonym z ruchu!", n->Name.c_str()),
                         {tRodzajOceny::torWylaczony, &t});
        t.StanJazdy = tStanJazdy::zatrzymany;
        return;
    }
    if (n->Stan() != tStan::utwierdzony && !n->Jest(rpWlot) && !t.Manewrowy())
        ZapiszWDzienniku(-10, "Brak ustawionego przebiegu dla pociagu.",
                         Formatuj("Punkt %s, pociąg %s.", n->Name.c_str(), t.Opis().c_str()),
                         {tRodzajOceny::jazdaBezPrzebiegu, &t});
    if (auto* s = n->Jest(rpSemafor) ? static_cast<TSemafor*>(n) : nullptr; s != nullptr && s->Typ() == t.Kierunek) {
        const std::string opis = Formatuj("Semafor %s, pociąg %s.", n->Name.c_str(), t.Opis().c_str());
        if (s->Status() == tSemStatus::zielony) {
            s->SetStatus(tSemStatus::czerwony);
        } else if (s->Status() == tSemStatus::bialy) {
            // Past a signal that cannot show S2 for its own fault, Sz is the rule.
            if (!s->Usterka.empty())
                ZapiszWDzienniku(0, "Jazda pociągu na sygnał zastępczy przy usterce semafora.", opis,
                                 {tRodzajOceny::usterka, &t});
            else
                ZapiszWDzienniku(-10, "Jazda pociągu na sygnał zastępczy.", opis,
                                 {tRodzajOceny::sygnalZastepczy, &t});
            s->SetStatus(tSemStatus::czerwony);
        } else if (!t.Manewrowy()) {
            t.StanJazdy = tStanJazdy::zatrzymany;
            // A signal that cannot show S2 for its own fault stops every train: the way on is Sz.
            if (!s->Usterka.empty())
                ZapiszWDzienniku(0, "Pociąg zatrzymany pod semaforem z usterką.", opis, {tRodzajOceny::usterka, &t});
            else
                ZapiszWDzienniku(-10, "Pociąg zatrzymany pod semaforem.", opis, {tRodzajOceny::stopPodSemaforem, &t});
        }
    }
    if (t.StanJazdy == tStanJazdy::jazda && MaLokomotywe(t.Sklad())) {
        if (TPociag* b = n->Pociag()) {
            try {
                const int strona = p.Neighbour(stLewy) == n ? 0 : 1;
                TPociag* j = Polacz(strona, b, &t);
                if (j == nullptr) {
                    ZapiszWDzienniku(-33, "O mało co doszło do wypadku!", "Dwa pociągi znalazły się na jednym torze!",
                                     {tRodzajOceny::zagrozenieWypadkiem, &t});
                    b->StanJazdy = tStanJazdy::zatrzymany;
                    t.StanJazdy = tStanJazdy::zatrzymany;
                } else {
                    n->SetPociag(j);
                    p.SetPociag(nullptr);
                    // The other one is now part of the joined unit and leaves the day.
                    doUsuniecia_.push_back(j == b ? &t : b);
                }
            } catch (const std::exception& e) {
                ZapiszWDzienniku(-10, e.what(), "", {tRodzajOceny::bladLaczenia, &t});
            }
        } else if (t.DoRozdzielenia()) {
            TPociag* czolowa = nullptr;
            if (auto nowa = CzescCzolowa(t))
                czolowa = Przyjmij(std::move(nowa));
            n->SetPociag(czolowa);
            if (czolowa != nullptr) {
                UstawStanJazdy(*czolowa, tStanJazdy::jazda);
                czolowa->SetManewrowy(true);
            }
            TPociag& pozostala = CzescPozostala(t);
            p.SetPociag(&pozostala);
            pozostala.SetManewrowy(true);
            OdswiezEtykiety();
            pozostala.StanJazdy = tStanJazdy::postoj;
        } else {
            p.SetPociag(nullptr);
            n->SetPociag(&t);
        }
    }
    // Departure through the train's own exit. (Only a train that has reached the exit departs: a
    // near-collision at the exit must not take the other train off the layout.)
    if (auto* w = n->Jest(rpWlot) ? static_cast<TWlot*>(n) : nullptr; w != nullptr && w->RodzajWlotu() != rwWlot && w->Typ() == t.Kierunek &&
                                            RowneBezWielkosci(w->Name, t.Wyjezdza()) && !t.Manewrowy() &&
                                            n->Pociag() == &t) {
        if (!LokomotywaNaCzele(t, t.Sklad()))
            ZapiszWDzienniku(-33, "Wypuściłeś skład jadący \"na pych\"!",
                             "Skład powinien na początku mieć lokomotywę, parowóz lub wagon motorowy autobusu szynowego.",
                             {tRodzajOceny::naPych, &t});
        // Measured on the clock face, so that a train due before midnight that leaves after it is
        // late by minutes rather than early by nearly a day.
        const long long roznica = RoznicaPoryMs(Teraz(), t.Odjazd());
        const double odjazd = t.Odjazd(), teraz = odjazd + ZMilisekund(roznica);
        int punkty = 0;
        std::string werdykt;
        tRodzajOceny rodzaj = tRodzajOceny::odjazdPunktualny;
        // The delay the train brought in is the line's, not the dispatcher's: only what was added
        // here counts against him.
        const long long przywiezione = t.ZwlokaOdjazdu() * 1000LL;
        if (roznica < 0) {
            rodzaj = tRodzajOceny::odjazdPrzedCzasem;
            punkty = -2 * Minuty(odjazd - teraz);
            werdykt = "za wcześnie o " + TekstOpoznienia(odjazd, teraz);
        } else if (roznica < Milisekundy(Minuta(MinutyPunktualnosci))) {
            punkty = 20;
            werdykt = "punktualnie";
        } else if (roznica - przywiezione < Milisekundy(Minuta(MinutyPunktualnosci))) {
            rodzaj = tRodzajOceny::odjazdOpoznionyZTrasy;
            punkty = 20;
            werdykt = "z opóźnieniem " + TekstOpoznienia(odjazd, teraz) + " (przywiezionym z trasy)";
        } else if (przywiezione > 0) {
            rodzaj = tRodzajOceny::odjazdOpozniony;
            const double doliczone = odjazd + ZMilisekund(przywiezione);
            punkty = -Minuty(doliczone - teraz);
            werdykt = "z opóźnieniem " + TekstOpoznienia(odjazd, teraz) + " (z trasy " +
                      BezWiodacejSpacji(TekstOpoznienia(odjazd, doliczone)) + ", z twojej winy " +
                      BezWiodacejSpacji(TekstOpoznienia(doliczone, teraz)) + ")";
        } else {
            rodzaj = tRodzajOceny::odjazdOpozniony;
            punkty = -Minuty(odjazd - teraz);
            werdykt = "z opóźnieniem " + TekstOpoznienia(odjazd, teraz);
        }
        if (TWlotStacyjny* s = WlotStacyjny()) {
            if (s->Pociag() == &t)
                s->SetPociag(nullptr);
            if (s->Zapowiedz != nullptr && s->Zapowiedz->Pociag() == &t)
                s->Zapowiedz->SetPociag(nullptr);
        }
        odjazdy_[&t] = teraz;
        ZapiszWDzienniku(punkty, Formatuj("Pociąg %s opuścił stację %s.", t.Numer().c_str(), werdykt.c_str()), t.Opis(),
                         {rodzaj, &t});
        ZapiszWDzienniku(0, "Pamiętaj o podniesieniu rogatek.",
                         "Rogatki powinny być podniesione cały czas, z wyjątkiem sytuacji, gdy spodziewasz się pociągu.");
        n->SetPociag(nullptr);
        return;
    }
    if (MiejscePostoju(t, n)) {
        if (!t.PoPrzyjezdzie() && !t.Manewrowy() && (t.NieWymagaPeronu() || n->Jest(rpPeron))) {
            const double teraz = Teraz();
            // Measured from when the train could come: a delay it brought in was no holding.
            const double przyjazd = t.PrzyjazdOczekiwany();
            if (Milisekundy(przyjazd + Minuta(2)) < Milisekundy(teraz))
                ZapiszWDzienniku(-2 * Minuty(przyjazd - teraz), "Przetrzymałeś pociąg!",
                                 Formatuj("Przetrzymałeś pociąg %s na wlocie do stacji o %s.", t.Numer().c_str(),
                                          TekstOpoznienia(przyjazd, teraz).c_str()),
                                 {tRodzajOceny::przetrzymanie, &t});
            t.SetPoPrzyjezdzie(true);
        }
        t.StanJazdy = tStanJazdy::zatrzymany;
        if (!t.Numer().empty() && n->Jest(rpPeron) && t.Wyjezdza().empty()) {
            t.SetNumer("skład po " + t.Numer());
            t.SetSkonczylBieg(true);
            t.StanJazdy = tStanJazdy::postoj;
            t.SetManewrowy(true);
            ZapiszWDzienniku(0, "Pociąg skończył bieg.", t.Opis(), {tRodzajOceny::postoj, &t});
            OdswiezEtykiety();
            return;
        }
        if (!t.Manewrowy()) {
            ZapiszWDzienniku(0, "Pociąg się zatrzymał w punkcie " + n->Name, t.Opis(), {tRodzajOceny::postoj, &t});
            OdswiezEtykiety();
        }
    }
}
