#include "trains/sklad.h"

#include <gtest/gtest.h>

namespace {

TPociag Pociag(const std::string& sklad, tSemType kierunek, bool manewrowy = false)
{
    TPociag t;
    t.SetSklad(sklad);
    t.Kierunek = kierunek;
    t.SetManewrowy(manewrowy);
    return t;
}

TPociag Rozkladowy(const std::string& skladRozkladowy, tSemType kierunek)
{
    TPociag t;
    t.SetSkladRozkladowy(skladRozkladowy);
    t.Kierunek = kierunek;
    PrzygotujSklad(t);
    return t;
}

TEST(Sklad, OnlyPSAndACountAsTractionInEitherCase)
{
    EXPECT_TRUE(MaLokomotywe("12s"));
    EXPECT_TRUE(MaLokomotywe("P"));
    EXPECT_TRUE(MaLokomotywe("tA"));
    EXPECT_FALSE(MaLokomotywe("e12"));
    EXPECT_FALSE(MaLokomotywe("nnn"));
    EXPECT_FALSE(MaLokomotywe(""));
}

TEST(Sklad, TheHeadIsTheFirstVehicleRunningLeftAndTheLastRunningRight)
{
    EXPECT_TRUE(LokomotywaNaCzele(Pociag("", stLewy), "s+22"));
    EXPECT_FALSE(LokomotywaNaCzele(Pociag("", stPrawy), "s+22"));
    EXPECT_TRUE(LokomotywaNaCzele(Pociag("", stPrawy), "22+A"));
    EXPECT_FALSE(LokomotywaNaCzele(Pociag("", stLewy), ""));
}

TEST(Sklad, PreparingTurnsTheTimetableConsistSoTheLocomotiveLeadsAndCouplesIt)
{
    EXPECT_EQ(Rozkladowy("1122s", stLewy).Sklad(), "s+2211");
    EXPECT_EQ(Rozkladowy("s1122", stPrawy).Sklad(), "2211+s");
    EXPECT_EQ(Rozkladowy("s1122", stLewy).Sklad(), "s+1122");
    EXPECT_EQ(Rozkladowy("  P12 ", stLewy).Sklad(), "p+12");
    const TPociag t = Rozkladowy("s1122", stLewy);
    EXPECT_EQ(t.StanJazdy, tStanJazdy::jazda);
}

TEST(Sklad, AnEmptyTimetableConsistRunsAsALoneDieselAndOneVehicleStaysAsItIs)
{
    EXPECT_EQ(Rozkladowy("", stPrawy).Sklad(), "s");
    EXPECT_EQ(Rozkladowy("   ", stPrawy).Sklad(), "s");
    EXPECT_EQ(Rozkladowy("a", stLewy).Sklad(), "a");
}

TEST(Sklad, AConsistOfOnlyElectricVehiclesNeverRuns)
{
    const TPociag t = Rozkladowy("e22", stLewy);
    EXPECT_EQ(t.Sklad(), "2+2e");  // turned, as no traction leads either way
    EXPECT_EQ(t.StanJazdy, tStanJazdy::zatrzymany);
    TPociag n = Pociag("nnn", stPrawy);
    UstawStanJazdy(n, tStanJazdy::jazda);
    EXPECT_EQ(n.StanJazdy, tStanJazdy::zatrzymany);
    UstawStanJazdy(n, tStanJazdy::postoj);
    EXPECT_EQ(n.StanJazdy, tStanJazdy::postoj);
}

TEST(Sklad, UncouplingLeavesTheLocomotiveToDriveAwayAndTheCoachesStanding)
{
    TPociag t = Pociag("s+2211", stLewy);
    t.StanJazdy = tStanJazdy::jazda;
    Rozprzegnij(t);
    EXPECT_EQ(t.Sklad(), "s 2211");
    EXPECT_TRUE(t.DoRozdzielenia());
    EXPECT_TRUE(t.Manewrowy());

    auto czolowa = CzescCzolowa(t);
    ASSERT_NE(czolowa, nullptr);
    EXPECT_EQ(czolowa->Sklad(), "s");
    EXPECT_EQ(czolowa->Kierunek, stLewy);
    EXPECT_EQ(czolowa->StanJazdy, tStanJazdy::jazda);
    EXPECT_TRUE(czolowa->Manewrowy());
    EXPECT_TRUE(czolowa->Numer().empty());

    t.SetNumer("34101");
    TPociag& pozostala = CzescPozostala(t);
    EXPECT_EQ(&pozostala, &t);
    EXPECT_EQ(t.Sklad(), "2211");
    EXPECT_EQ(t.StanJazdy, tStanJazdy::postoj);
    EXPECT_EQ(t.Numer(), "34101");
}

TEST(Sklad, CoachesAtTheFrontHaveNoTractionSoNothingDrivesAway)
{
    TPociag t = Pociag("s 2211", stPrawy);
    t.SetDoRozdzielenia(true);
    EXPECT_EQ(CzescCzolowa(t), nullptr);
    UstawStanJazdy(t, tStanJazdy::jazda);
    EXPECT_EQ(t.StanJazdy, tStanJazdy::zatrzymany);
    t.StanJazdy = tStanJazdy::jazda;
    CzescPozostala(t);
    EXPECT_EQ(t.Sklad(), "s 2211");
    EXPECT_EQ(t.StanJazdy, tStanJazdy::jazda);
}

TEST(Sklad, TheSplitTakesThePartAfterTheFirstBlankRunningRight)
{
    TPociag t = Pociag("22 t s ", stPrawy);
    t.SetDoRozdzielenia(true);
    auto czolowa = CzescCzolowa(t);
    ASSERT_NE(czolowa, nullptr);
    EXPECT_EQ(czolowa->Sklad(), "t s");
    CzescPozostala(t);
    EXPECT_EQ(t.Sklad(), "22");
}

TEST(Sklad, UncouplingAndCouplingLeaveOneVehicleAlone)
{
    TPociag t = Pociag("s", stLewy);
    Rozprzegnij(t);
    EXPECT_FALSE(t.DoRozdzielenia());
    EXPECT_FALSE(t.Manewrowy());
    TPociag j = Pociag("s 22", stLewy);
    j.SetDoRozdzielenia(true);
    Sprzegnij(j);
    EXPECT_EQ(j.Sklad(), "s+22");
    EXPECT_FALSE(j.DoRozdzielenia());
}

TEST(Sklad, AMovingUnitWithTractionJoinsTheStandingCoachesWhichStayOnTheLayout)
{
    TPociag a = Pociag("2211", stLewy, true);  // standing on the left
    TPociag t = Pociag("s", stLewy, true);     // running onto it from its right
    t.StanJazdy = tStanJazdy::jazda;
    TPociag* r = Polacz(0, &a, &t);
    EXPECT_EQ(r, &a);
    EXPECT_EQ(a.Sklad(), "2211 s");
    EXPECT_EQ(t.Sklad(), "2211 s");
    EXPECT_TRUE(a.DoRozdzielenia());
    EXPECT_EQ(a.Kierunek, stLewy);  // taken from the unit with traction
}

TEST(Sklad, StandingLocomotiveJoinedByRunningCoachesKeepsItsDirection)
{
    TPociag a = Pociag("s", stPrawy, true);
    TPociag t = Pociag("22", stLewy, true);
    t.StanJazdy = tStanJazdy::jazda;
    TPociag* r = Polacz(1, &a, &t);
    EXPECT_EQ(r, &a);
    EXPECT_EQ(a.Sklad(), "22 s");
    EXPECT_EQ(a.Kierunek, stPrawy);
}

TEST(Sklad, UnitsDoNotCoupleWhenBothHaveTractionOrOneIsATimetableTrainOrBothRun)
{
    TPociag a = Pociag("s", stLewy, true);
    TPociag t = Pociag("a", stLewy, true);
    t.StanJazdy = tStanJazdy::jazda;
    EXPECT_EQ(Polacz(0, &a, &t), nullptr);

    TPociag wagony = Pociag("22", stLewy, false);
    EXPECT_EQ(Polacz(0, &wagony, &t), nullptr);

    TPociag jada = Pociag("22", stLewy, true);
    jada.StanJazdy = tStanJazdy::jazda;
    EXPECT_EQ(Polacz(0, &jada, &t), nullptr);
    EXPECT_EQ(jada.Sklad(), "22");
    EXPECT_EQ(Polacz(0, nullptr, &t), nullptr);
    EXPECT_EQ(Polacz(0, &jada, nullptr), nullptr);
}

TEST(Sklad, AFormedConsistMatchesWhenEveryTimetableVehicleKindIsInIt)
{
    TPociag t;
    EXPECT_TRUE(SkladZgodny(t, ""));
    t.SetSkladRozkladowy("S122");
    EXPECT_TRUE(SkladZgodny(t, "2+1 s"));
    EXPECT_TRUE(SkladZgodny(t, "s+12"));
    EXPECT_FALSE(SkladZgodny(t, "s+22"));
}

TEST(Sklad, ReversingKeepsMultiByteCharactersWhole)
{
    EXPECT_EQ(OdwrocTekst("s1122"), "2211s");
    EXPECT_EQ(OdwrocTekst("ab«ż"), "ż«ba");
    EXPECT_EQ(OdwrocTekst(""), "");
}

TEST(Sklad, ChangingDirectionFlipsIt)
{
    TPociag t = Pociag("s", stLewy);
    ZmienKierunek(t);
    EXPECT_EQ(t.Kierunek, stPrawy);
    ZmienKierunek(t);
    EXPECT_EQ(t.Kierunek, stLewy);
}

}  // namespace
