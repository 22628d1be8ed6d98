#include "core/liczebniki.h"
#include "interlocking/przyciski.h"
#include "simulation/silnik.h"
#include "station/peron.h"
#include "station/rogatka.h"
#include "station/semafor.h"
#include "station/tor.h"
#include "station/wlot.h"
#include "station/zapowiedz.h"
#include "tests/support/pociag_testowy.h"
#include "tests/support/srodowisko_testowe.h"
#include "trains/czas.h"
#include "trains/sklad.h"

#include <gtest/gtest.h>

namespace {

double G(int h, int m, int s = 0) { return (h * 3600 + m * 60 + s) / 86400.0; }

class Silnik : public ::testing::Test {
protected:
    TSrodowiskoTestowe s;
    TSymulacjaStacji sym{s.Uslugi, s.Rozklad};
    TSilnikSymulacji& silnik = sym.Silnik();

    Silnik() { s.Rozklad.ZapiszRozklad(); }

    TPociag& Rozkladowy(const std::string& numer, const std::string& wjezdza, const std::string& wyjezdza,
                        double przyjazd, double odjazd, const std::string& sklad = "s122")
    {
        auto t = PociagOlszarzynaBrzelany(numer, wjezdza, wyjezdza, przyjazd, odjazd, sklad);
        TPociag& r = *t;
        s.Rozklad.Rozklad.Append(std::move(t));
        return r;
    }
    // A train put straight onto a point, running.
    TPociag& Postaw(const std::string& punkt, const std::string& sklad, tSemType kierunek, bool manewrowy = false)
    {
        auto t = std::make_unique<TPociag>();
        t->SetNumer(manewrowy ? "" : "9" + punkt);
        t->SetOpis("poc. " + punkt);
        t->SetSklad(sklad);
        t->Kierunek = kierunek;
        t->SetManewrowy(manewrowy);
        t->SetPrzyjazd(G(4, 0));
        t->SetOdjazd(G(4, 10));
        t->SetPoPrzyjezdzie(true);
        TPociag* p = silnik.Przyjmij(std::move(t));
        E(punkt).SetPociag(p);
        UstawStanJazdy(*p, tStanJazdy::jazda);
        return *p;
    }
    template <typename T = TPunkt>
    T& E(const std::string& nazwa)
    {
        return *sym.Stacja().Znajdz<T>(nazwa);
    }
    void Krok() { silnik.KrokSymulacji(); }
    void Nacisnij(const std::string& b)
    {
        auto& przycisk = *sym.Stacja().Znajdz<TWktColorButton>(b);
        sym.Wykonaj([&] { przycisk.Click(); });
    }
    std::vector<std::string> Linie() const
    {
        std::vector<std::string> l;
        for (const auto& x : sym.Dziennik().Linie())
            l.push_back(std::to_string(x.Punkty) + " " + x.Tekst + " | " + x.Opis);
        return l;
    }
    std::string Ostatnia() const { return Linie().empty() ? "" : Linie().back(); }
};

TEST_F(Silnik, TheDayHasEveryTrainStillToComeQueuedAtItsEntryInOrder)
{
    Rozkladowy("3", "wOlsz", "wBrz", G(5, 0), G(5, 5));
    Rozkladowy("1", "wOlsz", "wBrz", G(4, 30), G(4, 35));
    Rozkladowy("past", "wOlsz", "wBrz", G(3, 0), G(3, 5));
    Rozkladowy("2", "wBrz", "", G(4, 40), G(4, 40));
    Rozkladowy("own", "", "wWirowa", G(4, 50), G(4, 55));
    Rozkladowy("lost", "wNigdzie", "wBrz", G(4, 50), G(4, 55));
    sym.Pokaz();
    ASSERT_EQ(silnik.PociagiDnia().size(), 4u);
    EXPECT_EQ(silnik.PociagiDnia()[0]->Numer(), "1");
    EXPECT_EQ(silnik.PociagiDnia()[3]->Numer(), "3");  // 4:30, 4:40, 4:55 (own, by its departure), 5:00
    const TWlot& wOlsz = E<TWlot>("wOlsz");
    ASSERT_EQ(wOlsz.Pociagi.size(), 2u);  // 1 is due to be announced only at 4:06
    EXPECT_EQ(wOlsz.Pociagi[1]->Numer(), "3");
    EXPECT_EQ(E<TZapowiedz>("zOlszarzyny").Pociag(), nullptr);
    const TPociag& z = *E<TZapowiedz>("przyj_Olszarzyna").Pociag();
    EXPECT_EQ(z.Numer(), "1");
    EXPECT_EQ(z.Kierunek, stPrawy);
    EXPECT_EQ(z.Sklad(), "221+s");
    EXPECT_EQ(z.StanJazdy, tStanJazdy::jazda);
    const TPociag& own = *E<TWlot>("stacja_Drelinko").Pociagi.at(0);
    EXPECT_EQ(own.Numer(), "own");
    EXPECT_EQ(own.Sklad(), "");
    EXPECT_TRUE(own.PoPrzyjezdzie());
    EXPECT_EQ(own.Kierunek, stPrawy);  // towards wWirowa
    EXPECT_EQ(E<TWlot>("wBrz").Pociagi.size() + (E<TZapowiedz>("zBrzelan").Pociag() ? 1u : 0u), 1u);
}

TEST_F(Silnik, ATrainIsAnnouncedAtTheLinesLeadAndShownFirstByTheTimetable)
{
    Rozkladowy("1", "wOlsz", "wBrz", G(4, 30), G(4, 35));
    Rozkladowy("2", "wOlsz", "wBrz", G(4, 50), G(4, 55));
    sym.CzasSymulacji = G(4, 5, 55);
    sym.Pokaz();
    EXPECT_EQ(E<TZapowiedz>("zOlszarzyny").Pociag(), nullptr);  // 24 minutes ahead: from 4:06
    EXPECT_EQ(E<TZapowiedz>("przyj_Olszarzyna").Pociag()->Numer(), "1");
    EXPECT_EQ(E<TZapowiedz>("przyj_Olszarzyna").Font.Kolor, (TKolor{128, 0, 0}));
    sym.CzasSymulacji = G(4, 6);
    Krok();
    ASSERT_NE(E<TZapowiedz>("zOlszarzyny").Pociag(), nullptr);
    EXPECT_TRUE(E<TZapowiedz>("zOlszarzyny").Pociag()->Zapowiedziany());
    EXPECT_EQ(E<TZapowiedz>("przyj_Olszarzyna").Pociag()->Numer(), "2");
}

// The announcement holds its train for many steps; the queue loses it once, and a train queued again
// after its announcement was cleared is taken out of the queue again when announced anew.
TEST_F(Silnik, AnAnnouncedTrainIsTakenOutOfItsQueueAndSoIsOneQueuedAgainAfterItsAnnouncementWasCleared)
{
    Rozkladowy("1", "wOlsz", "wBrz", G(4, 30), G(4, 35));
    Rozkladowy("2", "wOlsz", "wBrz", G(4, 50), G(4, 55));
    sym.CzasSymulacji = G(4, 6);
    sym.Pokaz();
    TWlot& wlot = E<TWlot>("wOlsz");
    TZapowiedz& zapowiedz = E<TZapowiedz>("zOlszarzyny");
    for (int i = 0; i < 3; ++i)
        Krok();
    ASSERT_NE(zapowiedz.Pociag(), nullptr);
    TPociag* pierwszy = zapowiedz.Pociag();
    EXPECT_EQ(pierwszy->Numer(), "1");
    ASSERT_EQ(wlot.Pociagi.size(), 1u);
    EXPECT_EQ(wlot.Pociagi[0]->Numer(), "2");
    zapowiedz.SetPociag(nullptr);
    pierwszy->SetZapowiedziany(false);
    wlot.Pociagi.insert(wlot.Pociagi.begin(), pierwszy);
    Krok();
    EXPECT_EQ(zapowiedz.Pociag(), pierwszy);
    ASSERT_EQ(wlot.Pociagi.size(), 1u);
    EXPECT_EQ(wlot.Pociagi[0]->Numer(), "2");
}

// The day's trains are known without a walk over them: a freed train is no longer one of them and is
// listed once as freed, and the next day starts the list again.
TEST_F(Silnik, AFreedTrainIsNoLongerOfTheDayAndIsListedAsFreedUntilTheNextDayIsPrepared)
{
    Rozkladowy("1", "wOlsz", "wBrz", G(4, 30), G(4, 35));
    sym.Pokaz();
    const TPociag* rozkladowy = silnik.PociagiDnia().front().get();
    EXPECT_TRUE(silnik.PociagDnia(rozkladowy));
    TPociag& lok = Postaw("Tor13", "s", stLewy, true);
    EXPECT_TRUE(silnik.PociagDnia(&lok));
    EXPECT_TRUE(silnik.Usuniete().empty());
    const std::uint64_t epoka = silnik.EpokaUsunietych();
    silnik.Usun(&lok);
    EXPECT_FALSE(silnik.PociagDnia(&lok));
    EXPECT_TRUE(silnik.PociagDnia(rozkladowy));
    ASSERT_EQ(silnik.Usuniete().size(), 1u);
    EXPECT_EQ(silnik.Usuniete()[0], &lok);
    EXPECT_EQ(silnik.EpokaUsunietych(), epoka);
    sym.Pokaz();
    EXPECT_NE(silnik.EpokaUsunietych(), epoka);
    EXPECT_TRUE(silnik.Usuniete().empty());
    for (const auto& t : silnik.PociagiDnia())
        EXPECT_TRUE(silnik.PociagDnia(t.get()));
}

TEST_F(Silnik, NoTrainIsAnnouncedWhileAsManyTrainsStandInTheStationAsThereAreEntries)
{
    Rozkladowy("1", "wOlsz", "wBrz", G(4, 10), G(4, 15));
    sym.Pokaz();
    for (const char* p : {"p1", "p2", "pB1", "pB2"})
        Postaw(p, "s", stPrawy, true).StanJazdy = tStanJazdy::postoj;
    sym.CzasSymulacji = G(4, 0);
    E<TZapowiedz>("zOlszarzyny").SetPociag(nullptr);
    silnik.PociagiDnia()[0]->SetZapowiedziany(false);
    E<TWlot>("wOlsz").Pociagi = {silnik.PociagiDnia()[0].get()};
    Krok();
    EXPECT_EQ(E<TZapowiedz>("zOlszarzyny").Pociag(), nullptr);
    E("pB2").SetPociag(nullptr);
    Krok();
    EXPECT_NE(E<TZapowiedz>("zOlszarzyny").Pociag(), nullptr);
}

TEST_F(Silnik, ATrainComesInOnlyOverALockedRouteAndAfterItsLead)
{
    Rozkladowy("1", "wOlsz", "wBrz", G(4, 30), G(4, 35));
    sym.CzasSymulacji = G(4, 28);
    sym.Pokaz();
    EXPECT_EQ(E("wOlsz").Pociag(), nullptr);
    Nacisnij("ZatwierdzButton14");
    sym.CzasSymulacji = G(4, 28, 45);  // exactly the 75 s lead: not yet
    Krok();
    EXPECT_EQ(E("wOlsz").Pociag(), nullptr);
    sym.CzasSymulacji = G(4, 28, 50);
    Krok();
    ASSERT_NE(E("Tor7").Pociag(), nullptr);  // placed on wOlsz, then moved on in the same step
    EXPECT_EQ(E<TZapowiedz>("zOlszarzyny").Pociag(), nullptr);
    EXPECT_EQ(s.Dzwieki.Pliki.size(), 1u);  // pipipi
}

TEST_F(Silnik, AnEntryWithoutItsAnnouncementFieldsIsReportedOnEveryStep)
{
    sym.Pokaz();
    sym.Stacja().Usun(&E("zBrzelan"));
    Krok();
    Krok();
    const auto l = Linie();
    EXPECT_EQ(std::count(l.begin(), l.end(),
                         "-33 Brak elementu zapowiedzi dla wlotu wBrz | Powiadom o tym błędzie producenta programu."),
              2);
}

TEST_F(Silnik, ATrainWithNoWayOnStopsWithThirtyThreePoints)
{
    sym.Pokaz();
    TPociag& t = Postaw("wOlsz", "s", stLewy);
    Krok();
    EXPECT_EQ(Ostatnia(), "-33 Pociąg został zatrzymany. | Pociąg poc. wOlsz nie może wyjechać przez wOlsz.");
    EXPECT_EQ(t.StanJazdy, tStanJazdy::zatrzymany);
}

TEST_F(Silnik, ATrainStopsBeforeATrackUnderRaisedBarriers)
{
    sym.Pokaz();
    E<TRogatka>("rKs1").SetPodniesione(true);
    TPociag& t = Postaw("wOlsz", "s", stPrawy);
    Krok();
    EXPECT_EQ(Ostatnia(), "-33 Pociąg poc. wOlsz został zatrzymany. | Pociąg nie może jechać po torze Tor7 wyłączonym z ruchu!");
    EXPECT_EQ(E("wOlsz").Pociag(), &t);
}

TEST_F(Silnik, RunningWithoutARouteCostsTenAndTheTrainGoesOn)
{
    sym.Pokaz();
    TPociag& t = Postaw("Tor13", "s", stPrawy);
    Krok();
    EXPECT_EQ(Linie().at(1), "-10 Brak ustawionego przebiegu dla pociagu. | Punkt sC, pociąg poc. Tor13.");
    // sC comes later than Tor13 in the component order: the train is met again and moves on.
    EXPECT_EQ(Linie().at(2), "-10 Brak ustawionego przebiegu dla pociagu. | Punkt Tor14, pociąg poc. Tor13.");
    EXPECT_EQ(E("Tor14").Pociag(), &t);
    EXPECT_EQ(E("sC").Pociag(), nullptr);
}

TEST_F(Silnik, ARedSignalStopsATrainButNotAShuntingUnit)
{
    sym.Pokaz();
    TPociag& t = Postaw("Tor14", "s", stPrawy);
    E("sD").SetStan(tStan::utwierdzony);
    Krok();
    EXPECT_EQ(Ostatnia(), "-10 Pociąg zatrzymany pod semaforem. | Semafor sD, pociąg poc. Tor14.");
    EXPECT_EQ(t.StanJazdy, tStanJazdy::zatrzymany);
    EXPECT_EQ(E("Tor14").Pociag(), &t);

    E("Tor14").SetPociag(nullptr);
    const std::size_t przedtem = Linie().size();
    TPociag& m = Postaw("Tor14", "s", stPrawy, true);
    Krok();
    EXPECT_EQ(Linie().size(), przedtem);
    EXPECT_NE(E("Tor14").Pociag(), &m);
}

TEST_F(Silnik, AGreenSignalDropsBehindTheTrainAndASubstituteOneCostsTen)
{
    sym.Pokaz();
    Nacisnij("ZatwierdzButton14");
    E<TSemafor>("sA").SetStatus(tSemStatus::zielony);
    Postaw("Tor7", "s", stPrawy);
    Krok();
    EXPECT_EQ(E<TSemafor>("sA").Status(), tSemStatus::czerwony);
    EXPECT_EQ(Linie().size(), 1u);  // only the opening line

    E<TSemafor>("sD").SetStatus(tSemStatus::bialy);
    Postaw("Tor14", "a", stPrawy);
    Krok();
    EXPECT_NE(std::find(Linie().begin(), Linie().end(), "-10 Jazda pociągu na sygnał zastępczy. | Semafor sD, pociąg poc. Tor14."),
              Linie().end());
    EXPECT_EQ(E<TSemafor>("sD").Status(), tSemStatus::czerwony);
}

TEST_F(Silnik, TwoTrainsWithTractionMeetingIsANearCollisionAndBothStop)
{
    sym.Pokaz();
    Nacisnij("ZatwierdzButton14");
    TPociag& a = Postaw("pM1", "s", stLewy);
    a.StanJazdy = tStanJazdy::postoj;
    TPociag& b = Postaw("Tor13", "a", stLewy);
    Krok();
    EXPECT_EQ(Ostatnia(), "-33 O mało co doszło do wypadku! | Dwa pociągi znalazły się na jednym torze!");
    EXPECT_EQ(a.StanJazdy, tStanJazdy::zatrzymany);
    EXPECT_EQ(b.StanJazdy, tStanJazdy::zatrzymany);
    EXPECT_EQ(E("pM1").Pociag(), &a);
    EXPECT_EQ(E("Tor13").Pociag(), &b);
}

TEST_F(Silnik, AShuntingLocomotiveCouplesToStandingCoachesAndTheAbsorbedUnitLeavesTheDay)
{
    sym.Pokaz();
    Nacisnij("ZatwierdzButton3");  // pM1 - p1
    TPociag& wagony = Postaw("pM1", "2211", stLewy, true);
    wagony.StanJazdy = tStanJazdy::postoj;
    Postaw("Tor13", "s", stLewy, true);
    const std::size_t przedtem = silnik.PociagiDnia().size();
    Krok();
    EXPECT_EQ(E("pM1").Pociag(), &wagony);
    EXPECT_EQ(wagony.Sklad(), "2211 s");
    EXPECT_TRUE(wagony.DoRozdzielenia());
    EXPECT_EQ(E("Tor13").Pociag(), nullptr);
    EXPECT_EQ(silnik.PociagiDnia().size(), przedtem - 1);
}

TEST_F(Silnik, AnUncoupledConsistSplitsAndTheFrontUnitDrivesAway)
{
    sym.Pokaz();
    Nacisnij("ZatwierdzButton3");
    TPociag& t = Postaw("pM1", "s+2211", stLewy, true);
    Rozprzegnij(t);
    UstawStanJazdy(t, tStanJazdy::jazda);
    const std::size_t przedtem = silnik.PociagiDnia().size();
    Krok();
    ASSERT_NE(E("Tor35").Pociag(), nullptr);
    EXPECT_EQ(E("Tor35").Pociag()->Sklad(), "s");
    EXPECT_EQ(E("pM1").Pociag(), &t);
    EXPECT_EQ(t.Sklad(), "2211");
    EXPECT_TRUE(t.Manewrowy());
    EXPECT_EQ(silnik.PociagiDnia().size(), przedtem + 1);
}

// The count of trains in the station, kept as points change, agrees with a recount of the points
// on every step: through a join, a split, an exit, and midnight with trains still queued.
TEST_F(Silnik, TheCountOfTrainsInTheStationAgreesWithARecountThroughJoinsSplitsExitsAndMidnight)
{
    const auto policz = [this] {
        int n = 0;
        for (TPunkt* p : sym.Stacja().Punkty())
            if (p->Pociag() != nullptr && dynamic_cast<TWlot*>(p) == nullptr && dynamic_cast<TZapowiedz*>(p) == nullptr)
                ++n;
        return n;
    };
    Rozkladowy("1", "wOlsz", "wBrz", G(4, 30), G(4, 35));
    Rozkladowy("2", "wBrz", "wOlsz", G(23, 0), G(23, 5));
    sym.Pokaz();
    Nacisnij("ZatwierdzButton3");  // pM1 - p1
    TPociag& wagony = Postaw("pM1", "2211", stLewy, true);
    wagony.StanJazdy = tStanJazdy::postoj;
    Postaw("Tor13", "s", stLewy, true);
    Postaw("Tor7", "s+2211", stPrawy, true);
    Postaw("Tor45", "s", stPrawy);
    Rozprzegnij(wagony);
    EXPECT_EQ(silnik.LiczbaPociagowNaStacji(), policz());
    for (int i = 0; i < 20; ++i) {
        if (i == 3)
            UstawStanJazdy(wagony, tStanJazdy::jazda);
        Krok();
        ASSERT_EQ(silnik.LiczbaPociagowNaStacji(), policz()) << "step " << i;
    }
    EXPECT_GT(policz(), 0);
    sym.CzasSymulacji = G(23, 59, 58);
    sym.Tyknij();
    EXPECT_LT(sym.CzasSymulacji, G(0, 1));
    EXPECT_EQ(silnik.LiczbaPociagowNaStacji(), policz());
    EXPECT_EQ(sym.LicznikPociagow(), policz() == 0 ? std::string("żadnych pociągów w obrębie stacji")
                                                   : Liczebnik("%d %s w obrębie stacji", policz(), "pociąg", "pociągi",
                                                               "pociągów"));
}

class Odjazd : public Silnik {
protected:
    // A train waiting at p1 to leave for wBrz at 4:35 over a locked route with sL cleared; it needs
    // exactly 35 seconds (seven steps) from its order to the exit.
    TPociag* t = nullptr;

    void SetUp() override
    {
        Rozkladowy("34101", "wOlsz", "wBrz", G(4, 30), G(4, 35));
        sym.CzasSymulacji = G(4, 20);
        sym.Pokaz();
        sym.Stacja().Znajdz<TZapowiedz>("zOlszarzyny")->SetPociag(nullptr);
        t = silnik.PociagiDnia()[0].get();
        E("p1").SetPociag(t);
        t->StanJazdy = tStanJazdy::zatrzymany;
        t->SetPoPrzyjezdzie(true);
        Nacisnij("wktColorButton15");
        Nacisnij("wktColorButton16");
        Nacisnij("ZatwierdzButton12");
        Nacisnij("wktColorButton3");
    }
    std::string OdjazdO(double rozkaz)
    {
        sym.CzasSymulacji = rozkaz;
        UstawStanJazdy(*t, tStanJazdy::jazda);
        for (int i = 0; i < 20 && t->StanJazdy == tStanJazdy::jazda && !Ostatnia().starts_with("0 Pamiętaj"); ++i) {
            Krok();
            sym.CzasSymulacji = PoraDnia(sym.CzasSymulacji + Sekunda(5));
        }
        const auto l = Linie();
        return l.size() >= 2 ? l[l.size() - 2] : "";
    }
};

TEST_F(Odjazd, ExactlyOnTimeIsPunctual)
{
    EXPECT_EQ(OdjazdO(G(4, 34, 25)), "20 Pociąg 34101 opuścił stację punktualnie. | poc. 34101");
    EXPECT_EQ(Ostatnia(), "0 Pamiętaj o podniesieniu rogatek. | Rogatki powinny być podniesione cały czas, z wyjątkiem "
                          "sytuacji, gdy spodziewasz się pociągu.");
    EXPECT_EQ(E("wBrz").Pociag(), nullptr);
}

TEST_F(Odjazd, OneMinuteFiftyNineLateIsStillPunctual)
{
    EXPECT_EQ(OdjazdO(G(4, 36, 24)), "20 Pociąg 34101 opuścił stację punktualnie. | poc. 34101");
}

TEST_F(Odjazd, TwoMinutesLateIsLateByTwo)
{
    EXPECT_EQ(OdjazdO(G(4, 36, 25)), "-2 Pociąg 34101 opuścił stację z opóźnieniem  2 min.. | poc. 34101");
}

TEST_F(Odjazd, ThirtySecondsEarlyIsEarlyByNoMinutes)
{
    EXPECT_EQ(OdjazdO(G(4, 33, 55)), "0 Pociąg 34101 opuścił stację za wcześnie o  0 min.. | poc. 34101");
}

TEST_F(Odjazd, AnHourAndFiveLateShowsTheHours)
{
    EXPECT_EQ(OdjazdO(G(5, 39, 25)), "-65 Pociąg 34101 opuścił stację z opóźnieniem 1 godz. 5 min.. | poc. 34101");
}

TEST_F(Odjazd, AConsistPushedWithoutItsLocomotiveAtTheHeadCostsThirtyThree)
{
    t->SetSklad("s+221");  // running right, the locomotive at the rear
    OdjazdO(G(4, 34, 25));
    const auto l = Linie();
    EXPECT_NE(std::find(l.begin(), l.end(),
                        "-33 Wypuściłeś skład jadący \"na pych\"! | Skład powinien na początku mieć lokomotywę, parowóz "
                        "lub wagon motorowy autobusu szynowego."),
              l.end());
}

TEST_F(Silnik, ALateArrivalAtThePlatformIsJudgedOnceAtTwoPointsAMinute)
{
    Rozkladowy("34101", "wOlsz", "wBrz", G(4, 30), G(4, 35));
    sym.CzasSymulacji = G(4, 20);
    sym.Pokaz();
    TPociag* t = silnik.PociagiDnia()[0].get();
    E<TZapowiedz>("zOlszarzyny").SetPociag(nullptr);
    Nacisnij("ZatwierdzButton3");
    E("Tor34").SetPociag(t);
    E("Tor34").SetStan(tStan::utwierdzony);
    UstawStanJazdy(*t, tStanJazdy::jazda);
    sym.CzasSymulacji = G(4, 33);
    Krok();
    EXPECT_EQ(Ostatnia(), "0 Pociąg się zatrzymał w punkcie p1 | poc. 34101");
    EXPECT_EQ(Linie().at(Linie().size() - 2), "-6 Przetrzymałeś pociąg! | Przetrzymałeś pociąg 34101 na wlocie do stacji o  3 min..");
    EXPECT_TRUE(t->PoPrzyjezdzie());
}

TEST_F(Silnik, ArrivingTwoMinutesLateIsNotPenalised)
{
    Rozkladowy("34101", "wOlsz", "wBrz", G(4, 30), G(4, 35));
    sym.CzasSymulacji = G(4, 20);
    sym.Pokaz();
    TPociag* t = silnik.PociagiDnia()[0].get();
    E<TZapowiedz>("zOlszarzyny").SetPociag(nullptr);
    E("Tor34").SetPociag(t);
    UstawStanJazdy(*t, tStanJazdy::jazda);
    sym.CzasSymulacji = G(4, 32);
    Krok();
    EXPECT_EQ(Ostatnia(), "0 Pociąg się zatrzymał w punkcie p1 | poc. 34101");
}

TEST_F(Silnik, ATrainWithoutAnExitEndsItsRunAtThePlatform)
{
    Rozkladowy("44610", "wWirowa", "", G(4, 30), G(4, 30));
    sym.CzasSymulacji = G(4, 20);
    sym.Pokaz();
    TPociag* t = silnik.PociagiDnia()[0].get();
    E<TZapowiedz>("zWirowej").SetPociag(nullptr);
    E("Tor19").SetPociag(t);
    UstawStanJazdy(*t, tStanJazdy::jazda);
    Krok();
    EXPECT_EQ(E("p1").Pociag(), t);
    EXPECT_EQ(t->Numer(), "skład po 44610");
    EXPECT_TRUE(t->SkonczylBieg());
    EXPECT_TRUE(t->Manewrowy());
    EXPECT_EQ(t->StanJazdy, tStanJazdy::postoj);
    EXPECT_EQ(Ostatnia(), "0 Pociąg skończył bieg. | poc. 44610");
    EXPECT_EQ(E("p1").Elementy(), "(m) <s+122");
}

TEST_F(Silnik, ATrainAtAnExitThatIsNotItsOwnStopsThere)
{
    Rozkladowy("34101", "wOlsz", "wBrz", G(4, 30), G(4, 35));
    sym.Pokaz();
    TPociag* t = silnik.PociagiDnia()[0].get();
    E<TZapowiedz>("zOlszarzyny").SetPociag(nullptr);
    E("Tor45").SetPociag(t);
    UstawStanJazdy(*t, tStanJazdy::jazda);
    Krok();
    EXPECT_EQ(E("wWirowa").Pociag(), t);
    EXPECT_EQ(t->StanJazdy, tStanJazdy::zatrzymany);
    EXPECT_EQ(Ostatnia(), "0 Pociąg się zatrzymał w punkcie wWirowa | poc. 34101");
}

TEST_F(Silnik, TheDelayTextDropsTheHoursUnderAnHour)
{
    EXPECT_EQ(TekstOpoznienia(G(4, 30), G(4, 33)), " 3 min.");
    EXPECT_EQ(TekstOpoznienia(G(4, 30), G(5, 45, 30)), "1 godz. 15 min.");
    EXPECT_EQ(TekstOpoznienia(G(4, 30), G(14, 30)), "10 godz. 0 min.");
    EXPECT_EQ(Minuty(G(0, 2) - 1e-9), 2);  // a clock a hair short of the minute still counts it
    EXPECT_EQ(Minuty(G(1, 2, 59)), 62);
}

TEST(Liczebniki, TheNounFollowsPolishCounting)
{
    const auto l = [](int n) { return Liczebnik("%d %s", n, "pociąg", "pociągi", "pociągów"); };
    EXPECT_EQ(l(1), "1 pociąg");
    EXPECT_EQ(l(2), "2 pociągi");
    EXPECT_EQ(l(4), "4 pociągi");
    EXPECT_EQ(l(5), "5 pociągów");
    EXPECT_EQ(l(12), "12 pociągów");
    EXPECT_EQ(l(20), "20 pociągów");
    EXPECT_EQ(l(22), "22 pociągi");
    EXPECT_EQ(l(25), "25 pociągów");
    EXPECT_EQ(l(0), "0 pociągów");
    EXPECT_EQ(l(101), "101 pociągów");
}

}  // namespace
