#include "simulation/utrudnienia.h"

#include "interlocking/przyciski.h"
#include "run/symulacja_stacji.h"
#include "simulation/silnik.h"
#include "station/rogatka.h"
#include "station/semafor.h"
#include "station/tor.h"
#include "station/wlot.h"
#include "station/zapowiedz.h"
#include "station/zwrotnica.h"
#include "tests/support/dzien_z_danych.h"
#include "tests/support/pociag_testowy.h"
#include "tests/support/srodowisko_testowe.h"
#include "trains/czas.h"
#include "trains/pociag.h"
#include "trains/sklad.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <utility>

namespace {

double G(int h, int m, int s = 0) { return (h * 3600 + m * 60 + s) / 86400.0; }

std::vector<std::int32_t> Opoznienia(const TUtrudnienia& u, int dzien)
{
    std::vector<std::int32_t> wynik;
    for (int i = 0; i < 200; ++i)
        wynik.push_back(OpoznienieZTrasy(u, dzien, std::to_string(34101 + 2 * i), i % 2 ? "wOlsz" : "wWirowa"));
    return wynik;
}

std::vector<std::string> Opis(const std::vector<TUsterkaElementu>& usterki)
{
    std::vector<std::string> wynik;
    for (const auto& u : usterki)
        wynik.push_back(OpisUsterki(u));
    return wynik;
}

const std::vector<std::string> Zwrotnice{"zw1", "zw2", "zw3"}, Semafory{"sA", "sB"}, Rogatki{"rKs1"};

}  // namespace

TEST(Utrudnienia, LevelZeroDrawsNothing)
{
    TSrodowiskoTestowe s;
    DzienZDanych(s.Rozklad);
    const TUtrudnienia zero{0, 7};
    EXPECT_EQ(Opoznienia(zero, 0), std::vector<std::int32_t>(200, 0));
    EXPECT_TRUE(UsterkiDnia(zero, 0, Zwrotnice, Semafory, Rogatki).empty());
    EXPECT_TRUE(DodatkowePociagi(zero, 0, s.Rozklad).empty());
}

TEST(Utrudnienia, OneSeedAndDayGiveTheSameChanceAndAnotherSeedOrDayAnother)
{
    TSrodowiskoTestowe s;
    DzienZDanych(s.Rozklad);
    const TUtrudnienia a{3, 7}, b{3, 8};
    EXPECT_EQ(Opoznienia(a, 0), Opoznienia(a, 0));
    EXPECT_NE(Opoznienia(a, 0), Opoznienia(b, 0));
    EXPECT_NE(Opoznienia(a, 0), Opoznienia(a, 1));
    EXPECT_EQ(Opis(UsterkiDnia(a, 0, Zwrotnice, Semafory, Rogatki)), Opis(UsterkiDnia(a, 0, Zwrotnice, Semafory, Rogatki)));
    EXPECT_NE(Opis(UsterkiDnia(a, 0, Zwrotnice, Semafory, Rogatki)), Opis(UsterkiDnia(b, 0, Zwrotnice, Semafory, Rogatki)));
    const auto numery = [&](const TUtrudnienia& u) {
        std::vector<std::string> n;
        for (const auto& t : DodatkowePociagi(u, 0, s.Rozklad))
            n.push_back(t.Numer + " " + GodzinaMinuty(t.Przyjazd));
        return n;
    };
    EXPECT_EQ(numery(a), numery(a));
    EXPECT_FALSE(numery(a).empty());
}

TEST(Utrudnienia, MostTrainsComeOnTimeOrAFewMinutesLateAndNoneMoreThanFortyMinutes)
{
    std::vector<std::int32_t> wszystkie;
    for (int dzien = 0; dzien < 20; ++dzien)
        for (std::int32_t o : Opoznienia({1, 12345}, dzien))
            wszystkie.push_back(o);
    const auto ile = [&](int od, int do_) {
        return std::count_if(wszystkie.begin(), wszystkie.end(), [&](std::int32_t o) { return o >= od * 60 && o <= do_ * 60; });
    };
    EXPECT_EQ(ile(0, 40), static_cast<long>(wszystkie.size()));
    EXPECT_GT(ile(0, 5), static_cast<long>(wszystkie.size() * 3 / 4));
    EXPECT_GT(ile(16, 40), 0);
    EXPECT_TRUE(std::all_of(wszystkie.begin(), wszystkie.end(), [](std::int32_t o) { return o % 60 == 0; }));
}

TEST(Utrudnienia, TheDaysFaultsLieInItsBusyHoursAndNeverOverlapOnOneElement)
{
    for (std::uint64_t ziarno = 1; ziarno <= 50; ++ziarno) {
        const auto usterki = UsterkiDnia({2, ziarno}, 0, Zwrotnice, Semafory, Rogatki);
        EXPECT_GE(usterki.size(), 1u);
        for (std::size_t i = 0; i < usterki.size(); ++i) {
            EXPECT_GE(usterki[i].Od, G(5, 0));
            EXPECT_LE(usterki[i].Do, G(22, 12));
            EXPECT_LT(usterki[i].Od, usterki[i].Do);
            for (std::size_t j = i + 1; j < usterki.size(); ++j)
                if (usterki[i].Element == usterki[j].Element)
                    EXPECT_TRUE(usterki[j].Od >= usterki[i].Do || usterki[i].Od >= usterki[j].Do);
        }
    }
}

TEST(Utrudnienia, ExtraTrainsTakeNumbersNotInTheTimetableAndComeWithThirtyMinutesNotice)
{
    TSrodowiskoTestowe s;
    DzienZDanych(s.Rozklad);
    std::set<std::string> rozkladowe;
    for (int i = 0; i < s.Rozklad.Ile(); ++i)
        if (const TPociag* t = s.Rozklad.Pociag(i))
            rozkladowe.insert(t->Numer());
    int wszystkich = 0;
    for (std::uint64_t ziarno = 1; ziarno <= 20; ++ziarno)
        for (const auto& t : DodatkowePociagi({3, ziarno}, 0, s.Rozklad)) {
            ++wszystkich;
            EXPECT_FALSE(rozkladowe.count(t.Numer)) << t.Numer;
            EXPECT_EQ(Milisekundy(t.Przyjazd - t.Zgloszenie), Milisekundy(WyprzedzenieZgloszenia));
            EXPECT_LE(t.Przyjazd, t.Odjazd);
        }
    EXPECT_GT(wszystkich, 10);
}

namespace {

// The station with one train to leave from p1 for Brzelany at 4:35 over a locked route, as the
// departure's judging sees it.
class Usterki : public ::testing::Test {
protected:
    TSrodowiskoTestowe s;
    TSymulacjaStacji sym{s.Uslugi, s.Rozklad};
    TSilnikSymulacji& silnik = sym.Silnik();
    TPociag* t = nullptr;

    Usterki() { s.Rozklad.ZapiszRozklad(); }

    void SetUp() override
    {
        s.Rozklad.Rozklad.Append(PociagOlszarzynaBrzelany("34101", "wOlsz", "wBrz", G(4, 30), G(4, 35)));
        sym.CzasSymulacji = G(4, 20);
        sym.Pokaz();
        sym.Stacja().Znajdz<TZapowiedz>("zOlszarzyny")->SetPociag(nullptr);
        t = silnik.PociagiDnia()[0].get();
        E("p1").SetPociag(t);
        t->StanJazdy = tStanJazdy::zatrzymany;
        t->SetPoPrzyjezdzie(true);
    }
    template <typename T = TPunkt>
    T& E(const std::string& nazwa)
    {
        return *sym.Stacja().Znajdz<T>(nazwa);
    }
    void Nacisnij(const std::string& b)
    {
        auto& przycisk = *sym.Stacja().Znajdz<TWktColorButton>(b);
        sym.Wykonaj([&] { przycisk.Click(); });
    }
    void Droga()
    {
        Nacisnij("wktColorButton15");
        Nacisnij("wktColorButton16");
        Nacisnij("ZatwierdzButton12");
    }
    // The order to go at the hour; the journal lines written until the train is gone.
    std::vector<std::string> OdjazdO(double rozkaz)
    {
        sym.CzasSymulacji = rozkaz;
        const std::size_t przed = sym.Dziennik().Linie().size();
        UstawStanJazdy(*t, tStanJazdy::jazda);
        for (int i = 0; i < 20 && E("wBrz").Pociag() != t && t->StanJazdy == tStanJazdy::jazda; ++i) {
            silnik.KrokSymulacji();
            sym.CzasSymulacji = PoraDnia(sym.CzasSymulacji + Sekunda(5));
        }
        for (int i = 0; i < 3; ++i)
            silnik.KrokSymulacji();
        return Od(przed);
    }
    std::vector<std::string> Od(std::size_t od) const
    {
        std::vector<std::string> l;
        const auto& linie = sym.Dziennik().Linie();
        for (std::size_t i = od; i < linie.size(); ++i)
            l.push_back(std::to_string(linie[i].Punkty) + " " + linie[i].Tekst);
        return l;
    }
    std::string Ostatnia() const { return Od(sym.Dziennik().Linie().size() - 1).front(); }
};

bool Zawiera(const std::vector<std::string>& linie, const std::string& tekst)
{
    return std::any_of(linie.begin(), linie.end(), [&](const std::string& l) { return l == tekst; });
}

}  // namespace

TEST_F(Usterki, ADepartureLateByNoMoreThanTheDelayBroughtInEarnsThePunctualPoints)
{
    Droga();
    Nacisnij("wktColorButton3");
    t->SetZwlokaOdjazdu(10 * 60);
    EXPECT_TRUE(Zawiera(OdjazdO(G(4, 44, 25)),
                        "20 Pociąg 34101 opuścił stację z opóźnieniem  10 min. (przywiezionym z trasy)."));
}

TEST_F(Usterki, OnlyTheMinutesBeyondTheDelayBroughtInAreCharged)
{
    Droga();
    Nacisnij("wktColorButton3");
    t->SetZwlokaOdjazdu(6 * 60);
    EXPECT_TRUE(Zawiera(OdjazdO(G(4, 44, 25)),
                        "-4 Pociąg 34101 opuścił stację z opóźnieniem  10 min. (z trasy 6 min., z twojej winy 4 min.)."));
}

TEST_F(Usterki, AFaultySwitchDoesNotMoveAndTheRefusalCostsNothing)
{
    auto& zw = E<TZwrotnica>("zw20");
    zw.SetUsterka("Usterka zwrotnicy zw20: nie daje się przestawić.");
    const auto przed = zw.Status();
    const int score = sym.Dziennik().Score();
    sym.Wykonaj([&] { zw.Click(); });
    EXPECT_EQ(zw.Status(), przed);
    EXPECT_EQ(Ostatnia(), "0 Zwrotnica się nie przestawiła.");
    EXPECT_EQ(sym.Dziennik().Linie().back().Rodzaj, tRodzajOceny::usterka);
    EXPECT_EQ(sym.Dziennik().Score(), score);
    EXPECT_EQ(zw.LicznikBledow, 0);
    // Repaired, it moves again.
    zw.SetUsterka({});
    sym.Wykonaj([&] { zw.Click(); });
    EXPECT_NE(zw.Status(), przed);
}

TEST_F(Usterki, AFaultyBarrierDoesNotComeDownNorDoesItsPartner)
{
    auto& r1 = E<TRogatka>("rKs1");
    auto& r2 = E<TRogatka>("rKs2");
    sym.Wykonaj([&] { r1.Click(); });  // both up
    ASSERT_TRUE(r1.Podniesione() && r2.Podniesione());
    r2.SetUsterka("Usterka rogatki rKs2: nie daje się opuścić.");
    EXPECT_EQ(r1.Niesprawna(), &r2);
    sym.Wykonaj([&] { r1.Click(); });
    EXPECT_TRUE(r1.Podniesione());
    EXPECT_TRUE(r2.Podniesione());
    EXPECT_EQ(Ostatnia(), "0 Rogatki nie opadły.");
    EXPECT_EQ(E<TTor>("Tor7").Stan(), tStan::nieaktywny);
    r2.SetUsterka({});
    sym.Wykonaj([&] { r1.Click(); });
    EXPECT_FALSE(r1.Podniesione() || r2.Podniesione());
}

TEST_F(Usterki, AtASignalThatCannotShowS2SzFromItsButtonAndTheRunPastItCostNothing)
{
    Droga();
    auto& sl = E<TSemafor>("sL");
    sl.SetUsterka("Usterka semafora sL: nie można podać sygnału S2.");
    const int score = sym.Dziennik().Score();
    // The diagram says why, and costs nothing.
    sym.Wykonaj([&] { sl.Click(); });
    EXPECT_EQ(sl.Status(), tSemStatus::czerwony);
    EXPECT_TRUE(Ostatnia().starts_with("0 Semafor nie podaje sygnału S2."));
    // The button offers Sz.
    s.Komunikaty.Odpowiedzi.push_back(tOdpowiedz::tak);
    Nacisnij("wktColorButton3");
    EXPECT_EQ(sl.Status(), tSemStatus::bialy);
    EXPECT_EQ(Ostatnia(), "0 Podano sygnał zastępczy przy usterce semafora.");
    const auto linie = OdjazdO(G(4, 34, 25));
    EXPECT_TRUE(Zawiera(linie, "0 Jazda pociągu na sygnał zastępczy przy usterce semafora."));
    EXPECT_TRUE(Zawiera(linie, "20 Pociąg 34101 opuścił stację punktualnie."));
    EXPECT_EQ(sym.Dziennik().Score(), score + 20);
}

TEST_F(Usterki, ATrainHeldAtAFaultySignalStopsWithoutPenalty)
{
    Droga();
    E<TSemafor>("sL").SetUsterka("Usterka semafora sL: nie można podać sygnału S2.");
    const auto linie = OdjazdO(G(4, 34, 25));
    EXPECT_TRUE(Zawiera(linie, "0 Pociąg zatrzymany pod semaforem z usterką."));
    EXPECT_EQ(t->StanJazdy, tStanJazdy::zatrzymany);
}

TEST(UtrudnieniaDnia, FaultsBeginAndEndInTheJournalAndTheFaultyElementIsFramedMeanwhile)
{
    TSrodowiskoTestowe s;
    DzienZDanych(s.Rozklad);
    TSymulacjaStacji sym(s.Uslugi, s.Rozklad);
    sym.UstawUtrudnienia(2, 7);
    ASSERT_EQ(sym.Akt({"start"}), "");
    const auto& usterki = sym.Silnik().Usterki();
    ASSERT_FALSE(usterki.empty());
    const TUsterkaElementu pierwsza = usterki.front();
    auto* e = dynamic_cast<TElement*>(sym.Stacja().Znajdz(pierwsza.Element));
    ASSERT_NE(e, nullptr);
    sym.CzasSymulacji = pierwsza.Od;
    sym.Silnik().KrokSymulacji();
    EXPECT_EQ(e->Usterka, OpisUsterki(pierwsza));
    EXPECT_EQ(sym.Stacja().Usterki(), 1);
    EXPECT_EQ(sym.Dziennik().Linie().back().Tekst, "Usterka: " + pierwsza.Element + ".");
    sym.CzasSymulacji = pierwsza.Do;
    sym.Silnik().KrokSymulacji();
    EXPECT_TRUE(e->Usterka.empty());
    EXPECT_EQ(sym.Stacja().Usterki(), 0);
    EXPECT_EQ(sym.Dziennik().Linie().back().Opis, KoniecUsterki(pierwsza));
}

TEST(UtrudnieniaDnia, ADelayedTrainIsAnnouncedAndAdmittedForWhenItComes)
{
    TSrodowiskoTestowe s;
    DzienZDanych(s.Rozklad);
    TSymulacjaStacji sym(s.Uslugi, s.Rozklad);
    sym.UstawUtrudnienia(1, 7);
    ASSERT_EQ(sym.Akt({"start"}), "");
    const TPociag* spozniony = nullptr;
    for (const auto& t : sym.Silnik().PociagiDnia())
        if (t->OpoznienieWjazdu() >= 10 * 60 && !t->Wjezdza().empty() && t->Wjezdza() != "stacja_Drelinko") {
            spozniony = t.get();
            break;
        }
    ASSERT_NE(spozniony, nullptr);
    EXPECT_GE(spozniony->ZwlokaOdjazdu(), spozniony->OpoznienieWjazdu());
    const TWlot& wlot = *sym.Silnik().ZnajdzWlot(spozniony->Wjezdza());
    // Before its timetable lead it is not due; the front of its queue is due only for when it comes.
    sym.CzasSymulacji = spozniony->Przyjazd();
    if (!wlot.Pociagi.empty() && wlot.Pociagi.front() == spozniony) {
        EXPECT_EQ(sym.Silnik().NastepnyPociag(wlot, 2), nullptr);
    }
    EXPECT_GT(spozniony->PrzyjazdOczekiwany(), spozniony->Przyjazd());
}

namespace {

// A day of the shipped timetable with disturbances, played by the automatic dispatcher to midnight.
struct TDzienAutomatu {
    int Odjazdy = 0, Wyjezdzajace = 0, Kary = 0, Dodatkowe = 0;
};

TDzienAutomatu ZagrajZUtrudnieniami(int poziom, std::uint64_t ziarno)
{
    TSrodowiskoTestowe s;
    DzienZDanych(s.Rozklad);
    TSymulacjaStacji sym(s.Uslugi, s.Rozklad);
    sym.Stacja().OdtwarzajDzwieki = false;
    sym.UstawUtrudnienia(poziom, ziarno);
    TDzienAutomatu wynik;
    sym.Dziennik().OnLinia = [&wynik](const TLiniaDziennika& l) {
        wynik.Odjazdy += l.Tekst.find(" opuścił stację") != std::string::npos;
        wynik.Kary += l.Punkty < 0;
    };
    sym.Dyspozytor().Wlacz(true);
    EXPECT_EQ(sym.Akt({"start"}), "");
    for (const auto& t : sym.Silnik().PociagiDnia()) {
        wynik.Wyjezdzajace += !t->Wyjezdza().empty();
        wynik.Dodatkowe += t->Dodatkowy();
    }
    for (int i = 0; i < 86400 / sym.SekIncrement - 1; ++i)
        sym.Wykonaj([&] { sym.Tyknij(); });
    return wynik;
}

}  // namespace

TEST(UtrudnieniaDnia, TheAutomaticDispatcherSendsEveryTrainOffAtEveryLevel)
{
    for (int poziom = 1; poziom <= 3; ++poziom) {
        const TDzienAutomatu d = ZagrajZUtrudnieniami(poziom, 9);
        EXPECT_EQ(d.Odjazdy, d.Wyjezdzajace) << "level " << poziom;
        // What it could not avoid costs a few penalties, never one on every tick.
        EXPECT_LT(d.Kary, 20) << "level " << poziom;
        EXPECT_EQ(d.Dodatkowe > 0, poziom == 3) << "level " << poziom;
    }
    // A day whose signal fault ends after the route was set, the signal left at stop: the signal is
    // cleared once repaired, and nobody stops at it.
    const TDzienAutomatu d = ZagrajZUtrudnieniami(2, 4);
    EXPECT_EQ(d.Odjazdy, d.Wyjezdzajace);
    EXPECT_EQ(d.Kary, 0);
}

TEST(UtrudnieniaDnia, OnDaysOfDelaysTheAutomaticDispatcherSendsEveryTrainOffWithoutAPenalty)
{
    // Days on which several trains are late at once: a consist late for the train to be made of it,
    // a train from the line holding a late one's way out, a neighbour keeping a train back.
    for (const std::uint64_t ziarno : {1, 2, 5}) {
        const TDzienAutomatu d = ZagrajZUtrudnieniami(1, ziarno);
        EXPECT_EQ(d.Odjazdy, d.Wyjezdzajace) << "seed " << ziarno;
        EXPECT_EQ(d.Kary, 0) << "seed " << ziarno;
    }
}

TEST(Utrudnienia, ATrainStillToComeShowsTheDelayItBringsAndLosesItOnceIn)
{
    auto t = PociagOlszarzynaBrzelany("34109", "wOlsz", "wBrz", G(8, 8), G(8, 12));
    const std::string bez = EtykietaPunktu(*t);
    t->SetOpoznienieWjazdu(12 * 60);
    EXPECT_EQ(EtykietaPunktu(*t), "8:08+12" + bez.substr(bez.find(' ')));
    EXPECT_TRUE(OpisPociagu(*t).ends_with(" (opóźniony 12 min)"));
    t->SetPoPrzyjezdzie(true);
    EXPECT_EQ(OpisPociagu(*t).find("opóźniony"), std::string::npos);
}

namespace {

// The shipped day's first train under the automatic dispatcher, with a fault laid on by hand.
struct TPierwszyPociag {
    TSrodowiskoTestowe s;
    TSymulacjaStacji sym{s.Uslugi, s.Rozklad};
    std::vector<std::string> linie;
    int kary = 0;

    TPierwszyPociag()
    {
        DzienZDanych(s.Rozklad);
        sym.Stacja().OdtwarzajDzwieki = false;
        sym.Dziennik().OnLinia = [this](const TLiniaDziennika& l) {
            linie.push_back(std::to_string(l.Punkty) + " " + l.Tekst);
            kary += l.Punkty < 0;
        };
        sym.Dyspozytor().Wlacz(true);
        EXPECT_EQ(sym.Akt({"start"}), "");
    }
    void Do(double czas)
    {
        while (sym.CzasSymulacji < czas)
            sym.Wykonaj([&] { sym.Tyknij(); });
    }
    bool Bylo(const std::string& linia) const { return std::find(linie.begin(), linie.end(), linia) != linie.end(); }
};

}  // namespace

TEST(UtrudnieniaDnia, TheAutomaticDispatcherLetsATrainPastAFaultyEntrySignalOnSzAtNoCost)
{
    TPierwszyPociag d;
    d.sym.Stacja().Znajdz<TSemafor>("sA")->SetUsterka("Usterka semafora sA: nie można podać sygnału S2.");
    d.Do(G(4, 20));
    EXPECT_TRUE(d.Bylo("0 Podano sygnał zastępczy przy usterce semafora."));
    EXPECT_TRUE(d.Bylo("0 Jazda pociągu na sygnał zastępczy przy usterce semafora."));
    EXPECT_TRUE(d.Bylo("20 Pociąg 34101 opuścił stację punktualnie.") ||
                d.Bylo("20 Pociąg 34101 opuścił stację z opóźnieniem  1 min. (przywiezionym z trasy)."));
    EXPECT_EQ(d.kary, 0);
}

TEST(UtrudnieniaDnia, TheAutomaticDispatcherWaitsForAFaultySwitchAndSetsTheRouteOnceItIsRepaired)
{
    TPierwszyPociag d;
    // Every switch out of order until 4:16: the first train's way out, which needs two of them
    // thrown, waits for the repair, and nobody tries them meanwhile.
    std::vector<TZwrotnica*> zwrotnice = d.sym.Stacja().Zwrotnice();
    for (TZwrotnica* z : zwrotnice)
        z->SetUsterka("Usterka zwrotnicy " + z->Name + ".");
    d.Do(G(4, 16));
    const auto odjechal = [&d] {
        return std::any_of(d.linie.begin(), d.linie.end(), [](const std::string& l) {
            return l.find("Pociąg 34101 opuścił stację") != std::string::npos;
        });
    };
    EXPECT_TRUE(d.Bylo("0 Pociąg się zatrzymał w punkcie p1"));
    EXPECT_FALSE(odjechal());
    EXPECT_FALSE(d.Bylo("0 Zwrotnica się nie przestawiła."));
    for (TZwrotnica* z : zwrotnice)
        z->SetUsterka({});
    d.Do(G(4, 30));
    EXPECT_TRUE(odjechal());
}

TEST(UtrudnieniaDnia, TheAutomaticDispatcherWaitsForBarriersThatWillNotComeDown)
{
    TPierwszyPociag d;
    auto* r = d.sym.Stacja().Znajdz<TRogatka>("rKs1");
    // Raised by the player, then out of order.
    d.sym.Wykonaj([&] { r->Click(); });
    ASSERT_TRUE(r->Podniesione());
    r->SetUsterka("Usterka rogatki rKs1: nie daje się opuścić.");
    d.Do(G(4, 12));
    // The first train's way in crosses the road: it stays out, and nobody tries the barriers.
    EXPECT_FALSE(d.Bylo("0 Pociąg się zatrzymał w punkcie p1"));
    EXPECT_FALSE(d.Bylo("0 Rogatki nie opadły."));
    EXPECT_TRUE(r->Podniesione());
    r->SetUsterka({});
    d.Do(G(4, 40));
    EXPECT_TRUE(d.Bylo("0 Pociąg się zatrzymał w punkcie p1"));
}

namespace {

// A train to start here at 4:35 for Brzelany, made of a consist that may come in late, and a train
// from Brzelany due at 5:30 on the same single-track line. The allowance of the one leaving, in
// minutes, before and after the other has been announced, when the first could have left
// `przedZapowiedzia` minutes before the announcement (a negative number: after it).
std::pair<int, int> ZwlokaPrzedIPoZapowiedzi(int przedZapowiedzia)
{
    TSrodowiskoTestowe s;
    s.Rozklad.Rozklad.Append(PociagOlszarzynaBrzelany("34191", "stacja_Drelinko", "wBrz", G(4, 35), G(4, 35)));
    s.Rozklad.Rozklad.Append(PociagOlszarzynaBrzelany("34102", "wBrz", "wOlsz", G(5, 30), G(5, 34)));
    s.Rozklad.ZapiszRozklad();
    TSymulacjaStacji sym(s.Uslugi, s.Rozklad);
    sym.UstawUtrudnienia(1, 1);
    sym.CzasSymulacji = G(4, 0);
    sym.Pokaz();
    TPociag* wyjezdza = nullptr;
    TPociag* przyjezdza = nullptr;
    for (const auto& t : sym.Silnik().PociagiDnia())
        (t->Numer() == "34191" ? wyjezdza : przyjezdza) = t.get();
    EXPECT_TRUE(wyjezdza != nullptr && przyjezdza != nullptr);
    if (wyjezdza == nullptr || przyjezdza == nullptr)
        return {};
    przyjezdza->SetOpoznienieWjazdu(0);
    const double zapowiedz = G(5, 30) - sym.Silnik().ZnajdzWlot("wBrz")->Zapowiedz->CzasZapowiedzi();
    const int mogl = static_cast<int>(Milisekundy(zapowiedz - G(4, 35)) / 60000) - przedZapowiedzia;
    EXPECT_GT(mogl, 0);
    wyjezdza->SetZwlokaOdjazdu(mogl * 60);
    while (!przyjezdza->Zapowiedziany() && sym.CzasSymulacji < G(5, 30)) {
        sym.Silnik().KrokSymulacji();
        sym.CzasSymulacji += Sekunda(5);
    }
    EXPECT_TRUE(przyjezdza->Zapowiedziany());
    return {mogl, wyjezdza->ZwlokaOdjazdu() / 60};
}

}  // namespace

TEST(UtrudnieniaDnia, ATrainThatCouldNotLeaveYetWhenATrainWasAnnouncedOnItsLineMayWaitForItUncharged)
{
    // Held by the line: the allowance runs until the train from it is in (5:30) and two minutes more.
    EXPECT_EQ(ZwlokaPrzedIPoZapowiedzi(-5).second, 57);
    // Could it have gone before, the wait is the dispatcher's.
    const auto [przed, po] = ZwlokaPrzedIPoZapowiedzi(5);
    EXPECT_EQ(po, przed);
}
