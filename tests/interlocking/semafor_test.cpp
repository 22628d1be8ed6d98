#include "interlocking/przyciski.h"
#include "run/symulacja_stacji.h"
#include "station/semafor.h"
#include "station/tor.h"
#include "station/wlot.h"
#include "station/zapowiedz.h"
#include "tests/support/test_stacji.h"
#include "trains/pociag.h"

#include <gtest/gtest.h>

namespace {

class Semafory : public TTestStacji {
protected:
    TSemafor& sA = E<TSemafor>("sA");
    std::size_t Linie() const { return sym.Dziennik().Linie().size(); }
};

TEST_F(Semafory, ALockedSignalClearsToProceedAndASecondPressStopsItWithoutAFault)
{
    Nacisnij("ZatwierdzButton14");
    Nacisnij("bSK1");
    EXPECT_EQ(sA.Status(), tSemStatus::zielony);
    EXPECT_EQ(dzwieki.Pliki.size(), 1u);
    Nacisnij("bSK1");
    EXPECT_EQ(sA.Status(), tSemStatus::czerwony);
    EXPECT_EQ(Linie(), 0u);
    EXPECT_EQ(dzwieki.Pliki.size(), 2u);
}

TEST_F(Semafory, AGreenSignalWithoutARouteOrOnAnOccupiedPointIsAFault)
{
    sA.SetStatus(tSemStatus::zielony);
    Nacisnij("bSK1");
    EXPECT_EQ(Ostatnia().Tekst, "Próba ustawienia semafora bez drogi.");
    EXPECT_EQ(sA.Status(), tSemStatus::zielony);
    TPociag t;
    t.SetSklad("s");
    sA.SetPociag(&t);
    Nacisnij("bSK1");
    EXPECT_EQ(Ostatnia().Tekst, "Próba przestawienia semafora na zajętym torze.");
    EXPECT_EQ(sA.LicznikBledow, 2);
    EXPECT_TRUE(dzwieki.Pliki.empty());
}

TEST_F(Semafory, TheButtonOffersTheSubstituteSignalAndCancelChangesNothingButTheSound)
{
    Nacisnij("bSK1");
    ASSERT_EQ(komunikaty.Pytania.size(), 1u);
    EXPECT_EQ(komunikaty.Pytania[0], "Czy ustawić sygnał zastępczy Sz?\r\n\r\nPodanie Sz jest możliwe tylko w "
                                     "wyjątkowych wypadkach i każde takie zdarzenie jest rejestrowane w dzienniku.");
    EXPECT_EQ(sA.Status(), tSemStatus::czerwony);
    EXPECT_EQ(Linie(), 0u);
    EXPECT_EQ(dzwieki.Pliki.size(), 1u);
}

TEST_F(Semafory, AnAcceptedSubstituteSignalBlinksForThirtyAndAHalfSecondsAndIsAFault)
{
    komunikaty.Odpowiedzi = {tOdpowiedz::tak};
    Nacisnij("bSK1");
    EXPECT_EQ(sA.Status(), tSemStatus::bialy);
    EXPECT_EQ(Linie(), 1u);
    EXPECT_EQ(Ostatnia().Tekst, "Podano sygnał zastępczy.");
    EXPECT_EQ(Ostatnia().Punkty, -10);
    EXPECT_TRUE(dzwieki.Pliki.empty());  // the fault ends the action before the sound
    for (int tykniecie = 1; tykniecie <= 60; ++tykniecie) {
        zegary.Uplyw(500);
        ASSERT_EQ(sA.Status(), tSemStatus::bialy) << tykniecie;
    }
    zegary.Uplyw(500);
    EXPECT_EQ(sA.Status(), tSemStatus::czerwony);
    EXPECT_FALSE(sA.MaZegar());
}

TEST_F(Semafory, TheDiagramNeverGivesTheSubstituteSignalOnlyTheFaultPointingToTheButton)
{
    Kliknij(sA);
    EXPECT_TRUE(komunikaty.Pytania.empty());
    EXPECT_EQ(Ostatnia().Tekst, "NIe można podać sygnału na semaforze.");
    EXPECT_EQ(Ostatnia().Opis, "Nie utwierdzono drogi. • Aby podać sygnał zastępczy Sz, naciśnij przycisk sterowania "
                               "semaforem. • sA • Semafor sA12: sA");
    Nacisnij("PunktButton10");  // barriers up: Tor7 inactive, but sA itself is a point of its own
    sA.SetStan(tStan::nieaktywny);
    Kliknij(sA);
    EXPECT_NE(Ostatnia().Opis.find("Próba ustawienia semafora na torze wyłączonym."), std::string::npos);
}

TEST_F(Semafory, AnOpposingSignalOnTheLockedStretchBlocksS2ButNotOneBeyondTheFirstFreePoint)
{
    Nacisnij("ZatwierdzButton14");  // wOlsz ... sC (governs left) ... p1
    E<TSemafor>("sC").SetStatus(tSemStatus::zielony);
    Nacisnij("bSK1");  // the offer of Sz, declined
    EXPECT_EQ(sA.Status(), tSemStatus::czerwony);
    EXPECT_NE(komunikaty.Pytania.back().find("Czy ustawić sygnał zastępczy Sz?"), std::string::npos);
    EXPECT_EQ(Linie(), 0u);

    // Free the route beyond sA's next track: sC now stands past the first unlocked point.
    E("Tor11").SetStan(tStan::wolny);
    Nacisnij("bSK1");
    EXPECT_EQ(sA.Status(), tSemStatus::zielony);
}

TEST_F(Semafory, AConflictAcceptedAsSubstituteIsLoggedThroughTheS2Guard)
{
    Nacisnij("ZatwierdzButton14");
    E<TSemafor>("sE").SetStatus(tSemStatus::bialy);
    komunikaty.Odpowiedzi = {tOdpowiedz::tak};
    Nacisnij("bSK1");
    EXPECT_EQ(sA.Status(), tSemStatus::bialy);
    EXPECT_EQ(Ostatnia().Tekst, "Nie można podać sygnału S2 na semaforze sA.");
    EXPECT_EQ(Ostatnia().Opis, "Podano sygnał zastępczy. • sA • sA • Semafor sA12: sA");
}

TEST_F(Semafory, AnApproachingTrainOnTheExitLineBlocksS2FromTheButtonOnly)
{
    // p1 - sL - ... - sN - wWirowa: sL lets right-running trains out through wWirowa.
    Nacisnij("ZatwierdzButton7");
    TPociag zmierza;
    zmierza.SetNumer("44610");
    zmierza.SetSklad("a+2");
    E<TZapowiedz>("zWirowej").SetPociag(&zmierza);
    TSemafor& sL = E<TSemafor>("sL");
    Nacisnij("wktColorButton3");
    EXPECT_EQ(sL.Status(), tSemStatus::czerwony);
    ASSERT_EQ(komunikaty.Pytania.size(), 1u);
    EXPECT_EQ(Linie(), 0u);
    Kliknij(sL);  // the diagram does not look at the line
    EXPECT_EQ(sL.Status(), tSemStatus::zielony);
}

TEST_F(Semafory, AStoppedTrainAtTheSignalRestartsOnS2ButNotOneStandingAtAPlatform)
{
    Nacisnij("ZatwierdzButton3");  // pM1 - p1, through sD, which governs right-running trains
    TPociag t;
    t.SetSklad("s+12");
    t.Kierunek = stPrawy;
    t.StanJazdy = tStanJazdy::zatrzymany;
    E("Tor14").SetPociag(&t);  // the point right before sD
    Nacisnij("PunktButton1");
    EXPECT_EQ(E<TSemafor>("sD").Status(), tSemStatus::zielony);
    EXPECT_EQ(t.StanJazdy, tStanJazdy::jazda);

    Nacisnij("ZatwierdzButton7");  // p1 - wWirowa, through sL
    TPociag naPeronie;
    naPeronie.SetSklad("s+12");
    naPeronie.Kierunek = stPrawy;
    naPeronie.StanJazdy = tStanJazdy::zatrzymany;
    E("p1").SetPociag(&naPeronie);  // two points before sL
    Nacisnij("wktColorButton3");
    EXPECT_EQ(E<TSemafor>("sL").Status(), tSemStatus::zielony);
    EXPECT_EQ(naPeronie.StanJazdy, tStanJazdy::zatrzymany);
}

}  // namespace
