// The plan of the next hours: the run forked from its checkpoint and played on headless by the
// automatic dispatcher, beside what the run's own report and its watch of the lines saw.

#include "run/plan_stacji.h"

#include "core/format.h"
#include "core/wkt_stream.h"
#include "core/zegary_reczne.h"
#include "run/cisza.h"
#include "run/symulacja_stacji.h"
#include "station/stacja.h"
#include "station/upunkt.h"
#include "station/wlot.h"
#include "station/zapowiedz.h"
#include "trains/czas.h"
#include "trains/pociag.h"
#include "trains/rozklad.h"

#include <algorithm>
#include <set>

namespace {

// The line's own track: from the entry inwards over plain tracks, up to the first signal or switch.
std::vector<const TPunkt*> ToryLinii(const TPunkt& wlot)
{
    std::vector<const TPunkt*> tory;
    const TPunkt* poprzedni = &wlot;
    const TPunkt* p = &wlot;
    // A line is a few tracks long; the bound only guards against a layout that loops.
    for (int krok = 0; krok < 16; ++krok) {
        const TPunkt* nastepny = nullptr;
        for (const int strona : {stLewy, stPrawy}) {
            const TPunkt* q = p->Neighbour(strona);
            if (q != nullptr && q != poprzedni && q != &wlot)
                nastepny = q;
        }
        if (nastepny == nullptr || !nastepny->Jest(rpTor) || nastepny->Jest(rpZwrotnica | rpSemafor))
            break;
        tory.push_back(nastepny);
        poprzedni = p;
        p = nastepny;
    }
    return tory;
}

std::vector<std::string> Numery(const std::string& lista)
{
    std::vector<std::string> numery;
    std::size_t od = 0;
    while (od <= lista.size()) {
        const std::size_t przecinek = std::min(lista.find(", ", od), lista.size());
        if (przecinek > od)
            numery.push_back(lista.substr(od, przecinek - od));
        od = przecinek + 2;
    }
    return numery;
}

// The dispatcher's conflict told without its time, which the plan gives beside it.
TKonfliktPlanu KonfliktPlanu(const TKonfliktDyspozytora& k, double czas)
{
    std::vector<std::string> pociagi = Numery(k.Pociagi);
    std::string tekst = Formatuj(pociagi.size() > 1 ? "pociągi %s potrzebują naraz: %s" : "pociąg %s czeka na: %s",
                                 k.Pociagi.c_str(), k.Miejsce.c_str());
    return {czas, std::move(pociagi), std::move(tekst)};
}

const TPociagRaportu* PociagRaportu(const TRaporty& raporty, std::uint32_t id)
{
    if (const TPociagRaportu* t = raporty.Biezacy().Znajdz(id))
        return t;
    return raporty.Miniony() != nullptr ? raporty.Miniony()->Znajdz(id) : nullptr;
}

// The stretch laid into the window, cut at now: the part before is what happened, the part after
// what is planned.
void Rozloz(TPlanStacji& plan, TOdcinekPlanu o)
{
    o.Od = std::max(o.Od, plan.Od);
    o.Do = std::min(o.Do, plan.Do);
    if (o.Do < o.Od || (o.Do == o.Od && o.Od == plan.Od))
        return;
    if (o.Od < plan.Teraz) {
        TOdcinekPlanu przed = o;
        przed.Do = std::min(o.Do, plan.Teraz);
        przed.Rodzaj = tRodzajOdcinka::zrobiony;
        plan.Odcinki.push_back(przed);
    }
    if (o.Do > plan.Teraz) {
        o.Od = std::max(o.Od, plan.Teraz);
        o.Rodzaj = tRodzajOdcinka::planowany;
        plan.Odcinki.push_back(o);
    }
}

}  // namespace

TProbnikLinii::TProbnikLinii(const TStacja& stacja)
{
    for (std::size_t i = 0; i < LiniePlanu.size(); ++i) {
        const auto* wlot = stacja.Znajdz<TWlot>(std::string(LiniePlanu[i].Wlot));
        if (wlot == nullptr)
            continue;
        linie_[i].Wlot = wlot;
        linie_[i].Tory = ToryLinii(*wlot);
    }
}

std::string TProbnikLinii::NaLinii(std::size_t i) const
{
    const TLinia& l = linie_[i];
    if (l.Wlot == nullptr)
        return {};
    // What runs on the line's track first, then who waits at the entry, then who is announced.
    for (const TPunkt* p : l.Tory)
        if (p->Pociag() != nullptr)
            return EtykietaZajetosci(*p->Pociag());
    if (l.Wlot->Pociag() != nullptr)
        return EtykietaZajetosci(*l.Wlot->Pociag());
    const TZapowiedz* z = static_cast<const TWlot*>(l.Wlot)->Zapowiedz;
    if (z != nullptr && z->Pociag() != nullptr)
        return EtykietaZajetosci(*z->Pociag());
    return {};
}

void TProbnikLinii::Probkuj(double czas)
{
    for (std::size_t i = 0; i < linie_.size(); ++i) {
        TLinia& l = linie_[i];
        if (l.Wlot == nullptr)
            continue;
        const std::string pociag = NaLinii(i);
        if (pociag != l.Pociag) {
            if (l.Otwarta)
                odcinki_[*l.Otwarta].Do = czas;
            l.Otwarta.reset();
            if (!pociag.empty()) {
                l.Otwarta = odcinki_.size();
                odcinki_.push_back({std::string(LiniePlanu[i].Wlot), czas, czas, pociag, tRodzajOdcinka::zrobiony});
            }
            l.Pociag = pociag;
        } else if (l.Otwarta) {
            odcinki_[*l.Otwarta].Do = czas;
        }
    }
}

TStanDoPlanu StanDoPlanu(const TSymulacjaStacji& symulacja, const TProbnikLinii* linie)
{
    TStanDoPlanu stan;
    stan.Punkt = TPunktKontrolny::Zrob(symulacja);
    tWktStream strumien;
    symulacja.Rozklad().Rozklad.Store(strumien);
    stan.Rozklad = strumien.Bytes();
    stan.PlikRozkladu = symulacja.Rozklad().Plik();
    if (linie != nullptr)
        stan.Linie = linie->Odcinki();
    return stan;
}

TPlanStacji Planuj(const TStanDoPlanu& stan, double horyzont)
{
    TCisza cisza;
    TZegaryReczne zegary;
    TLosowanieProste losowanie;
    TUslugi uslugi{zegary, cisza, cisza, cisza, cisza, losowanie, cisza};
    // The forecast's own timetable, for a midnight within the hours ahead; it is never saved.
    TRozkladJazdy rozklad(stan.PlikRozkladu, cisza, cisza);
    tWktStream strumien(stan.Rozklad);
    rozklad.Rozklad.Load(strumien);
    TSymulacjaStacji sym(uslugi, rozklad);
    TPunktKontrolny::Przywroc(sym, stan.Punkt);
    sym.Stacja().OdtwarzajDzwieki = false;
    // Whatever holds the player's run back, the forecast goes on.
    sym.OknoAktywne = true;
    sym.Stop = false;
    sym.Wstrzymany = false;

    TPlanStacji plan;
    const TRaporty& raporty = sym.Raporty();
    plan.Teraz = raporty.Czas(sym.CzasSymulacji);
    plan.Od = plan.Teraz - PrzeszloscPlanu;
    plan.Do = plan.Teraz + horyzont;

    const auto czas = [&] { return raporty.Czas(sym.CzasSymulacji); };
    sym.Dziennik().OnLinia = [&](const TLiniaDziennika& l) {
        if (l.Porada || l.Punkty >= 0)
            return;
        TKonfliktPlanu k{czas(), {}, l.Tekst};
        if (const TPociagRaportu* t = PociagRaportu(raporty, l.Pociag))
            k.Pociagi.push_back(t->Numer);
        plan.Konflikty.push_back(std::move(k));
    };
    sym.Dyspozytor().Wlacz(true);
    std::size_t konfliktow = sym.Dyspozytor().Konflikty().size();
    TProbnikLinii linie(sym.Stacja());
    linie.Probkuj(plan.Teraz);
    while (czas() < plan.Do) {
        const double przedtem = czas();
        sym.Wykonaj([&] { sym.Tyknij(); });
        // A tick that does not move the clock would never end the forecast.
        if (!(czas() > przedtem))
            break;
        linie.Probkuj(czas());
        const auto& konflikty = sym.Dyspozytor().Konflikty();
        for (; konfliktow < konflikty.size(); ++konfliktow)
            plan.Konflikty.push_back(KonfliktPlanu(konflikty[konfliktow], raporty.Czas(konflikty[konfliktow].Czas)));
    }
    sym.Dziennik().OnLinia = nullptr;
    std::stable_sort(plan.Konflikty.begin(), plan.Konflikty.end(),
                     [](const TKonfliktPlanu& a, const TKonfliktPlanu& b) { return a.Czas < b.Czas; });

    // The tracks as the report has them, the run's past and the forecast in one.
    for (const TRaportDnia* dzien : {raporty.Miniony(), &raporty.Biezacy()})
        if (dzien != nullptr)
            for (const TZajetoscToru& z : dzien->Zajetosc)
                Rozloz(plan, {z.Tor, z.Od, z.Do, z.Pociag});
    // A line held at the fork is the run's until now and the forecast's from now.
    for (const TOdcinekPlanu& o : stan.Linie)
        Rozloz(plan, o);
    for (const TOdcinekPlanu& o : linie.Odcinki())
        Rozloz(plan, o);
    std::set<std::string> wKonflikcie;
    for (const TKonfliktPlanu& k : plan.Konflikty)
        wKonflikcie.insert(k.Pociagi.begin(), k.Pociagi.end());
    for (TOdcinekPlanu& o : plan.Odcinki)
        if (o.Rodzaj == tRodzajOdcinka::planowany && wKonflikcie.count(o.Pociag))
            o.Rodzaj = tRodzajOdcinka::konflikt;
    return plan;
}
