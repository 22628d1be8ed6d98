// Gathering the day's report from the journal and the tracks, the names of the kinds of judgement,
// and the table of trains as CSV.

#include "report/raport_dnia.h"

#include "core/format.h"
#include "core/pole_csv.h"
#include "station/peron.h"
#include "station/upunkt.h"
#include "trains/czas.h"
#include "trains/pociag.h"

#include <algorithm>
#include <cmath>

namespace {

long long Sekundy(double czas) { return std::llround(czas * 86400.0); }

std::string Godzina(const std::optional<double>& czas) { return czas ? GodzinaRaportu(*czas) : std::string(); }

}  // namespace

std::string EtykietaZajetosci(const TPociag& t) { return t.Numer().empty() ? "(m) " + t.Sklad() : t.Numer(); }

std::optional<int> TPociagRaportu::Opoznienie() const
{
    // Whole minutes, towards zero: half a minute early is no minute early.
    if (Odjazd)
        return static_cast<int>((Sekundy(*Odjazd) - Sekundy(OdjazdPlan)) / 60);
    if (Przyjazd)
        return static_cast<int>((Sekundy(*Przyjazd) - Sekundy(PrzyjazdPlan)) / 60);
    return std::nullopt;
}

bool TPociagRaportu::Spozniony() const
{
    const auto o = Opoznienie();
    return o && *o >= 2;
}

std::optional<int> TPociagRaportu::OpoznienieZTrasy() const
{
    const int przywiezione = std::max(0, OpoznienieWjazdu) / 60;
    const auto o = Opoznienie();
    if (!o)
        return przywiezione;
    return std::clamp(*o, 0, przywiezione);
}

std::optional<int> TPociagRaportu::OpoznienieTutaj() const
{
    const auto o = Opoznienie();
    if (!o)
        return std::nullopt;
    return std::max(0, *o - *OpoznienieZTrasy());
}

int TRaportDnia::Punktualne() const
{
    int n = 0;
    for (const auto& t : Pociagi)
        n += t.Punktualny;
    return n;
}

const TPociagRaportu* TRaportDnia::Znajdz(std::uint32_t id) const
{
    if (id == 0 || Pociagi.empty() || id < Pociagi.front().Id || id > Pociagi.back().Id)
        return nullptr;
    // Numbers are given in the list's order, one after another.
    const TPociagRaportu& t = Pociagi[id - Pociagi.front().Id];
    return t.Id == id ? &t : nullptr;
}

TPociagRaportu* TRaportDnia::Znajdz(std::uint32_t id)
{
    return const_cast<TPociagRaportu*>(static_cast<const TRaportDnia&>(*this).Znajdz(id));
}

bool JestOcena(tRodzajOceny rodzaj)
{
    switch (rodzaj) {
    case tRodzajOceny::nieokreslona:
    case tRodzajOceny::informacja:
    case tRodzajOceny::postoj:
    case tRodzajOceny::nieprzyjechal:
        return false;
    default:
        return true;
    }
}

tRodzajOceny RodzajLinii(tRodzajOceny rodzaj, std::int32_t punkty)
{
    if (rodzaj == tRodzajOceny::nieokreslona || (punkty != 0 && !JestOcena(rodzaj)))
        return punkty != 0 ? tRodzajOceny::inne : tRodzajOceny::informacja;
    return rodzaj;
}

const char* NazwaRodzaju(tRodzajOceny rodzaj)
{
    switch (rodzaj) {
    case tRodzajOceny::nieokreslona:
    case tRodzajOceny::informacja:
        return "informacja";
    case tRodzajOceny::postoj:
        return "postój";
    case tRodzajOceny::nieprzyjechal:
        return "pociąg nie przyjechał";
    case tRodzajOceny::otwarcieDnia:
        return "rozpoczęcie dnia";
    case tRodzajOceny::odjazdPunktualny:
        return "odjazd punktualny";
    case tRodzajOceny::odjazdPrzedCzasem:
        return "odjazd przed czasem";
    case tRodzajOceny::odjazdOpozniony:
        return "odjazd z opóźnieniem";
    case tRodzajOceny::przetrzymanie:
        return "przetrzymanie pociągu";
    case tRodzajOceny::skladGotowy:
        return "skład gotowy do odjazdu";
    case tRodzajOceny::bladElementu:
        return "błąd przy elemencie";
    case tRodzajOceny::bladPolecenia:
        return "odrzucone polecenie";
    case tRodzajOceny::jazdaBezPrzebiegu:
        return "jazda bez przebiegu";
    case tRodzajOceny::sygnalZastepczy:
        return "jazda na sygnał zastępczy";
    case tRodzajOceny::stopPodSemaforem:
        return "zatrzymanie pod semaforem";
    case tRodzajOceny::brakDrogi:
        return "brak drogi dalej";
    case tRodzajOceny::torWylaczony:
        return "tor wyłączony z ruchu";
    case tRodzajOceny::zagrozenieWypadkiem:
        return "zagrożenie wypadkiem";
    case tRodzajOceny::naPych:
        return "skład na pych";
    case tRodzajOceny::bladLaczenia:
        return "błąd łączenia składu";
    case tRodzajOceny::bladUkladu:
        return "błąd układu stacji";
    case tRodzajOceny::inne:
        return "inne";
    case tRodzajOceny::odjazdOpoznionyZTrasy:
        return "odjazd z opóźnieniem z trasy";
    case tRodzajOceny::usterka:
        return "usterka urządzenia";
    case tRodzajOceny::pociagDodatkowy:
        return "pociąg dodatkowy";
    }
    return "inne";
}

std::string GodzinaRaportu(double czas) { return CzasHMMSS(czas - std::floor(czas)); }

std::string RaportCsv(const TRaportDnia& dzien)
{
    const auto liczba = [](const std::optional<int>& v) { return v ? std::to_string(*v) : std::string(); };
    // The split goes last, so that what reads the columns of a day without disturbances reads
    // this day's too.
    std::string s = "numer,relacja_od,relacja_do,przyjazd_plan,przyjazd,odjazd_plan,odjazd,opoznienie,punkty";
    if (dzien.ZUtrudnieniami)
        s += ",opoznienie_z_trasy,opoznienie_tutaj";
    s += "\r\n";
    for (const auto& t : dzien.Pociagi) {
        s += PoleTekstuCsv(t.Numer) + ',' + PoleTekstuCsv(t.RelacjaOd) + ',' + PoleTekstuCsv(t.RelacjaDo) + ',' +
             GodzinaMinuty(t.PrzyjazdPlan - std::floor(t.PrzyjazdPlan)) + ',' + Godzina(t.Przyjazd) + ',' +
             GodzinaMinuty(t.OdjazdPlan - std::floor(t.OdjazdPlan)) + ',' + Godzina(t.Odjazd) + ',' +
             liczba(t.Opoznienie()) + ',' + std::to_string(t.Punkty);
        if (dzien.ZUtrudnieniami)
            s += ',' + liczba(t.OpoznienieZTrasy()) + ',' + liczba(t.OpoznienieTutaj());
        s += "\r\n";
    }
    return s;
}

TRaporty::TRaporty() : biezacy_(std::make_unique<TRaportDnia>()) {}

TPociagRaportu* TRaporty::Znajdz(std::uint32_t id)
{
    if (TPociagRaportu* t = biezacy_->Znajdz(id))
        return t;
    return miniony_ != nullptr ? miniony_->Znajdz(id) : nullptr;
}

void TRaporty::ZamknijZajetosc(double czas)
{
    for (auto& tor : tory_) {
        if (tor.Otwarta)
            biezacy_->Zajetosc[*tor.Otwarta].Do = czas;
        // The next look opens the stretch again in the next day.
        tor = TStanToru{};
    }
}

bool TRaporty::NowyDzien(double pora, std::int32_t score, const std::vector<std::unique_ptr<TPociag>>& pociagi)
{
    const bool konczy = rozpoczety_;
    if (konczy) {
        // Midnight: the running day ends now, and its trains still on the tracks stay its own.
        const double koniec = biezacy_->NrDnia + 1 + pora;
        ZamknijZajetosc(koniec);
        biezacy_->Koniec = koniec;
        auto nowy = std::make_unique<TRaportDnia>();
        nowy->NrDnia = biezacy_->NrDnia + 1;
        nowy->ScorePoczatkowy = score;
        miniony_ = std::move(biezacy_);
        biezacy_ = std::move(nowy);
    }
    TRaportDnia& d = *biezacy_;
    d.Poczatek = Czas(pora);
    d.ZUtrudnieniami = utrudnienia_;
    if (!rozpoczety_) {
        // The first day also holds what was written before its trains were prepared.
        d.ScorePoczatkowy = score - d.Punkty;
        const double od = d.Wynik.empty() ? d.Poczatek : std::min(d.Poczatek, d.Wynik.front().Czas);
        d.Wynik.insert(d.Wynik.begin(), {od, d.ScorePoczatkowy});
    } else {
        d.Wynik.push_back({d.Poczatek, score});
    }
    rozpoczety_ = true;
    for (const auto& t : pociagi) {
        if (t->IdRaportu != 0 || t->Manewrowy())
            continue;
        t->IdRaportu = nastepnyId_++;
        TPociagRaportu r;
        r.Id = t->IdRaportu;
        r.Numer = t->Numer();
        r.RelacjaOd = t->RelacjaOd();
        r.RelacjaDo = t->RelacjaDo();
        r.PrzyjazdPlan = Czas(t->Przyjazd());
        r.OdjazdPlan = Czas(t->Odjazd());
        r.ZeStacji = t->Wjezdza().empty();
        r.KonczyBieg = t->Wyjezdza().empty();
        r.BezPeronu = t->NieWymagaPeronu();
        // Taken now: the engine has drawn the day's delays before it hands the trains over.
        // What the judging of its departure will not charge; for a train that ends here, its arrival's.
        r.OpoznienieWjazdu = t->Wyjezdza().empty() ? t->OpoznienieWjazdu() : t->ZwlokaOdjazdu();
        r.Dodatkowy = t->Dodatkowy();
        d.Pociagi.push_back(std::move(r));
    }
    return konczy;
}

void TRaporty::Zapisz(const TOcena& ocena, std::int32_t punkty, double pora, std::int32_t score)
{
    TRaportDnia& d = *biezacy_;
    const double czas = Czas(pora);
    const tRodzajOceny rodzaj = RodzajLinii(ocena.Rodzaj, punkty);
    d.Punkty += punkty;
    if (JestOcena(rodzaj)) {
        auto& suma = d.Rodzaje[static_cast<std::size_t>(rodzaj)];
        ++suma.Ile;
        suma.Punkty += punkty;
    }
    if (punkty != 0)
        d.Wynik.push_back({czas, score});

    TPociagRaportu* t = ocena.Pociag != nullptr ? Znajdz(ocena.Pociag->IdRaportu) : nullptr;
    if (t == nullptr)
        return;
    t->Punkty += punkty;
    t->Oceny += JestOcena(rodzaj);
    switch (rodzaj) {
    case tRodzajOceny::odjazdPunktualny:
        t->Punktualny = true;
        [[fallthrough]];
    case tRodzajOceny::odjazdPrzedCzasem:
    case tRodzajOceny::odjazdOpozniony:
    case tRodzajOceny::odjazdOpoznionyZTrasy:
        // The line may have kept the train back further since the day was made.
        t->OpoznienieWjazdu = ocena.Pociag->ZwlokaOdjazdu();
        if (!t->Odjazd)
            t->Odjazd = czas;
        // A train that needs no platform stop may run through between two looks at the tracks.
        if (t->BezPeronu && !t->Przyjazd)
            t->Przyjazd = czas;
        break;
    case tRodzajOceny::przetrzymanie:
    case tRodzajOceny::skladGotowy:
    case tRodzajOceny::postoj:
        // Only the stop that judged its arrival: stops before the platform do not count.
        if (t->Przyjazd || (rodzaj == tRodzajOceny::postoj && !ocena.Pociag->PoPrzyjezdzie()))
            break;
        t->Przyjazd = czas;
        // The line may have kept a train that ends here back since the day was made, as it may
        // one that leaves.
        if (t->KonczyBieg)
            t->OpoznienieWjazdu = ocena.Pociag->OpoznienieWjazdu();
        break;
    case tRodzajOceny::nieprzyjechal:
        t->Przepadl = true;
        break;
    default:
        break;
    }
}

void TRaporty::Probkuj(const std::array<const TPunkt*, ToryRaportu.size()>& tory, double pora)
{
    TRaportDnia& d = *biezacy_;
    const double czas = Czas(pora);
    for (std::size_t i = 0; i < tory.size(); ++i) {
        if (tory[i] == nullptr)
            continue;
        const TPociag* p = tory[i]->Pociag();
        TStanToru& stan = tory_[i];
        const std::string etykieta = p != nullptr ? EtykietaZajetosci(*p) : std::string();
        if (p != stan.Pociag || etykieta != stan.Etykieta) {
            if (stan.Otwarta)
                d.Zajetosc[*stan.Otwarta].Do = czas;
            stan.Otwarta.reset();
            if (p != nullptr) {
                stan.Otwarta = d.Zajetosc.size();
                d.Zajetosc.push_back({std::string(ToryRaportu[i]), czas, czas, etykieta});
            }
            stan.Pociag = p;
            stan.Etykieta = etykieta;
        } else if (stan.Otwarta) {
            d.Zajetosc[*stan.Otwarta].Do = czas;
        }
        // A train that needs no platform stop arrives when it first comes onto one of the tracks.
        if (p != nullptr)
            if (TPociagRaportu* t = Znajdz(p->IdRaportu); t != nullptr && t->BezPeronu && !t->Przyjazd)
                t->Przyjazd = czas;
    }
}
