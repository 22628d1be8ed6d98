#include "station/semafor.h"
#include "station/tor.h"
#include "station/wlot.h"
#include "station/zapowiedz.h"
#include "tests/support/stacja_testowa.h"
#include "trains/pociag.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

double Godz(int h, int m, int s = 0) { return (h * 3600 + m * 60 + s) / 86400.0; }

TEST(Wlot, AnExitOnlyEntryOnTheLeftHasNoNeighbourEitherWay)
{
    TStacjaTestowa t;
    TWlot& w = t.E<TWlot>("wOlsz");
    EXPECT_EQ(w.Neighbour(1), &t.E("Tor7"));
    EXPECT_EQ(w.Neighbour(0), nullptr);
    w.SetRodzajWlotu(rwWylot);
    EXPECT_EQ(w.Neighbour(0), nullptr);
    EXPECT_EQ(w.Neighbour(1), nullptr);
    TWlot& brz = t.E<TWlot>("wBrz");
    EXPECT_EQ(brz.Neighbour(0), &t.E("Tor1"));
    EXPECT_EQ(brz.Neighbour(1), nullptr);
}

TEST(Wlot, TheLeadIsWyprzedzenieSecondsAsATimeOfDay)
{
    TStacjaTestowa t;
    EXPECT_NEAR(t.E<TWlot>("wOlsz").WyprzedzenieJakoCzas(), Godz(0, 1, 15), 1e-12);
    EXPECT_NEAR(t.E<TWlot>("wWirowa").WyprzedzenieJakoCzas(), Godz(0, 0, 40), 1e-12);
}

TEST(Zapowiedz, TheAnnouncementLeadIsClampedIntoOneDay)
{
    TStacjaTestowa t;
    TZapowiedz& z = t.E<TZapowiedz>("zBrzelan");
    EXPECT_NEAR(z.CzasZapowiedzi(), Godz(0, 20), 1e-12);
    z.Czas = -5;
    EXPECT_EQ(z.CzasZapowiedzi(), 0.0);
    EXPECT_EQ(z.Czas, 0);
    z.Czas = 1500;
    EXPECT_NEAR(z.CzasZapowiedzi(), Godz(1, 0), 1e-12);
    EXPECT_EQ(z.Czas, 60);
    z.Czas = 1450;
    EXPECT_EQ(z.CzasZapowiedzi(), 0.0);
    EXPECT_EQ(z.Czas, 1450);
}

class Wjazd : public ::testing::Test {
protected:
    TStacjaTestowa t;
    TWlot& wOlsz = t.E<TWlot>("wOlsz");

    void Utwierdz(std::initializer_list<const char*> punkty)
    {
        for (const char* p : punkty)
            t.E<TPunkt>(p).SetStan(tStan::utwierdzony);
    }
};

TEST_F(Wjazd, AFreeEntryAdmitsNothingEvenWithTheWholeWayClear)
{
    EXPECT_FALSE(wOlsz.WjazdDozwolony());
}

TEST_F(Wjazd, ALockedRouteToAFreeStoppingPlaceAdmits)
{
    // wOlsz - Tor7 - sA - Tor11 - zw1 (lower) - Tor35 - pM1
    Utwierdz({"wOlsz", "Tor7", "sA", "Tor11", "zw1", "Tor35"});
    EXPECT_TRUE(wOlsz.WjazdDozwolony());
    TPociag p;
    t.E<TPunkt>("pM1").SetPociag(&p);
    EXPECT_FALSE(wOlsz.WjazdDozwolony());
}

TEST_F(Wjazd, AGreenSignalForTheInwardDirectionAdmitsWhateverLiesBeyond)
{
    Utwierdz({"wOlsz", "Tor7", "sA"});
    TPociag p;
    t.E<TPunkt>("Tor11").SetPociag(&p);
    EXPECT_FALSE(wOlsz.WjazdDozwolony());
    t.E<TSemafor>("sA").SetStatus(tSemStatus::zielony);
    EXPECT_TRUE(wOlsz.WjazdDozwolony());
}

TEST_F(Wjazd, AnOpposingSignalNotAtStopRefuses)
{
    // With pM1 locked (not free) the walk goes on past it to sC, which governs left-running trains.
    Utwierdz({"wOlsz", "Tor7", "sA", "Tor11", "zw1", "Tor35", "pM1", "Tor13", "sC"});
    EXPECT_TRUE(wOlsz.WjazdDozwolony());  // on through sC at stop to the free platform p1
    t.E<TSemafor>("sC").SetStatus(tSemStatus::zielony);
    EXPECT_FALSE(wOlsz.WjazdDozwolony());
    t.E<TSemafor>("sC").SetStatus(tSemStatus::bialy);
    EXPECT_FALSE(wOlsz.WjazdDozwolony());
}

TEST(WlotStacyjny, JournalLinesGoToTheConnectedHandlerOrNowhere)
{
    TStacjaTestowa t;
    TWlotStacyjny& s = t.E<TWlotStacyjny>("stacja_Drelinko");
    s.DoDodajDoDziennika(-10, "a", "b");  // nothing connected: dropped
    std::vector<std::string> linie;
    s.OnDodajDoDziennika = [&](std::int32_t p, const std::string& a, const std::string& b) {
        linie.push_back(std::to_string(p) + a + b);
    };
    s.DoDodajDoDziennika(20, "x", "y");
    EXPECT_EQ(linie, std::vector<std::string>{"20xy"});
}

}  // namespace
