#include "interlocking/droga.h"
#include "interlocking/przyciski.h"
#include "run/symulacja_stacji.h"
#include "station/przejazd.h"
#include "station/rogatka.h"
#include "station/semafor.h"
#include "station/tor.h"
#include "station/zwrotnica.h"
#include "tests/support/test_stacji.h"
#include "trains/pociag.h"

#include <gtest/gtest.h>

namespace {

// The way from wOlsz to p1 with the switches as the layout sets them.
const char* const DrogaDoP1[] = {"wOlsz", "Tor7",  "sA",  "Tor11", "zw1", "Tor35", "pM1", "Tor13",
                                 "sC",    "Tor14", "sD",  "Tor15", "zw4", "Tor29", "sE",  "Tor34", "p1"};

class Przebiegi : public TTestStacji {
protected:
    std::vector<tStan> Stany() const
    {
        std::vector<tStan> s;
        for (const char* n : DrogaDoP1)
            s.push_back(sym.Stacja().Znajdz<TPunkt>(n)->Stan());
        return s;
    }
};

TEST_F(Przebiegi, AFreeRouteIsLockedWholeWithoutAQuestion)
{
    EXPECT_EQ(WalkRoute(&E("wOlsz"), rmCheck, 1, &E("p1")), rcFree);
    Nacisnij("ZatwierdzButton14");
    EXPECT_EQ(Stany(), std::vector<tStan>(std::size(DrogaDoP1), tStan::utwierdzony));
    EXPECT_TRUE(komunikaty.Pytania.empty());
    EXPECT_TRUE(sym.Dziennik().Linie().empty());
    EXPECT_EQ(WalkRoute(&E("wOlsz"), rmCheck, 1, &E("p1")), rcLocked);
    EXPECT_TRUE(E<TPrzejazd>("przKo1").Migajacy());
    EXPECT_TRUE(E<TPrzejazd>("prPeronowy").Migajacy());
}

TEST_F(Przebiegi, AWhollyLockedRouteIsReleasedOnlyAfterYesAndTheReleaseIsAFault)
{
    Nacisnij("ZatwierdzButton14");
    Nacisnij("ZatwierdzButton14");  // no answer queued: No
    ASSERT_EQ(komunikaty.Pytania.size(), 1u);
    EXPECT_EQ(komunikaty.Pytania[0], "Czy jesteś pewien, że chcesz zerwać utwierdzoną drogę przebiegu?");
    EXPECT_EQ(Stany(), std::vector<tStan>(std::size(DrogaDoP1), tStan::utwierdzony));
    EXPECT_TRUE(sym.Dziennik().Linie().empty());

    komunikaty.Odpowiedzi = {tOdpowiedz::tak};
    Nacisnij("ZatwierdzButton14");
    EXPECT_EQ(Stany(), std::vector<tStan>(std::size(DrogaDoP1), tStan::wolny));
    EXPECT_EQ(Ostatnia().Punkty, -10);
    EXPECT_EQ(Ostatnia().Tekst, "Zerwano ustawioną drogę przebiegu!");
    EXPECT_EQ(Ostatnia().Opis, "wOlsz • z Olszarzyny: wOlsz");
    EXPECT_EQ(E("wOlsz").LicznikBledow, 1);
    EXPECT_EQ(sym.Dziennik().Score(), 190);
}

TEST_F(Przebiegi, APartlyLockedRouteIsLockedToTheEndWithoutAsking)
{
    Nacisnij("ZatwierdzButton1");  // wOlsz - pM1 shares the first half
    EXPECT_EQ(WalkRoute(&E("wOlsz"), rmCheck, 1, &E("p1")), rcOther);
    Nacisnij("ZatwierdzButton14");
    EXPECT_TRUE(komunikaty.Pytania.empty());
    EXPECT_EQ(Stany(), std::vector<tStan>(std::size(DrogaDoP1), tStan::utwierdzony));
}

TEST_F(Przebiegi, ARouteIntoAnOccupiedTrackLocksUpToItAndLeavesItOccupied)
{
    TPociag pociag;
    pociag.SetSklad("s");
    E("p1").SetPociag(&pociag);
    Nacisnij("ZatwierdzButton14");
    std::vector<tStan> oczekiwane(std::size(DrogaDoP1), tStan::utwierdzony);
    oczekiwane.back() = tStan::zajety;
    EXPECT_EQ(Stany(), oczekiwane);
}

TEST_F(Przebiegi, ATrainStandingAtTheStartIsIgnoredByTheCheckAndKeepsItsPoint)
{
    TPociag pociag;
    pociag.SetSklad("s");
    E("wOlsz").SetPociag(&pociag);
    EXPECT_EQ(WalkRoute(&E("wOlsz"), rmCheck, 1, &E("p1")), rcFree);
    Nacisnij("ZatwierdzButton14");
    EXPECT_EQ(E("wOlsz").Stan(), tStan::zajety);
    EXPECT_EQ(E("Tor7").Stan(), tStan::utwierdzony);
}

TEST_F(Przebiegi, ATrainInsideTheRouteMakesItMixedSoItIsLockedNotReleased)
{
    Nacisnij("ZatwierdzButton14");
    TPociag pociag;
    pociag.SetSklad("s");
    E("pM1").SetPociag(&pociag);
    EXPECT_EQ(WalkRoute(&E("wOlsz"), rmCheck, 1, &E("p1")), rcOther);
    Nacisnij("ZatwierdzButton14");
    EXPECT_TRUE(komunikaty.Pytania.empty());
    EXPECT_EQ(E("pM1").Stan(), tStan::zajety);
}

TEST_F(Przebiegi, ReleasingFreesOccupiedEndsAndPutsASubstituteSignalToStop)
{
    Nacisnij("ZatwierdzButton14");
    TPociag pociag;
    pociag.SetSklad("s");
    E("p1").SetPociag(&pociag);
    E<TSemafor>("sA").SetStatus(tSemStatus::bialy);
    EXPECT_EQ(zegary.Aktywne(), 4);  // three crossings flash, sA blinks
    EXPECT_EQ(WalkRoute(&E("wOlsz"), rmRelease, 1, &E("p1")), rcFree);
    EXPECT_EQ(E("p1").Stan(), tStan::wolny);
    EXPECT_EQ(E("p1").Pociag(), &pociag);
    EXPECT_EQ(E<TSemafor>("sA").Status(), tSemStatus::czerwony);
    EXPECT_EQ(zegary.Aktywne(), 0);
}

TEST_F(Przebiegi, ARouteIntoASwitchLyingTheOtherWayIsNoRoute)
{
    Nacisnij("wktColorButton11");  // zw4 to its upper branch: the way to p1 is cut
    EXPECT_EQ(WalkRoute(&E("wOlsz"), rmCheck, 1, &E("p1")), rcOther);
    EXPECT_TRUE(sym.Dziennik().Linie().empty());
    Nacisnij("ZatwierdzButton14");
    EXPECT_EQ(Ostatnia().Tekst, "Nie można ustawić drogi od wOlsz do p1.");
    EXPECT_EQ(Ostatnia().Opis, "Brak ścieżki dojścia. • wOlsz • wOlsz • z Olszarzyny: wOlsz");
    EXPECT_EQ(Ostatnia().Punkty, -10);
    EXPECT_EQ(Stany(), std::vector<tStan>(std::size(DrogaDoP1), tStan::wolny));
}

TEST_F(Przebiegi, RaisedBarriersOnTheWayRefuseEvenTheCheckButNotAtTheEnds)
{
    Nacisnij("PunktButton10");  // rKs1 up: Tor7 inactive
    EXPECT_THROW(WalkRoute(&E("wOlsz"), rmCheck, 1, &E("p1")), TElemExc);
    Nacisnij("ZatwierdzButton14");
    EXPECT_EQ(Ostatnia().Opis,
              "Punkt Tor7 jest niaktywny! • Może nie zamknąłeś rogatek? • wOlsz • wOlsz • z Olszarzyny: wOlsz");
    EXPECT_EQ(E("wOlsz").LicznikBledow, 2);
    EXPECT_EQ(E("sA").Stan(), tStan::wolny);
    // An inactive end does not matter: Tor7 as the end of a walk from wOlsz.
    EXPECT_EQ(WalkRoute(&E("wOlsz"), rmCheck, 1, &E("Tor7")), rcFree);
}

TEST_F(Przebiegi, ALockedSwitchRefusesItsButtonButASignalOnALockedRouteStillAnswers)
{
    Nacisnij("ZatwierdzButton14");
    Nacisnij("wktColorButton8");
    EXPECT_EQ(Ostatnia().Tekst, "Próba przestawienia stanu punktu.");
    EXPECT_EQ(Ostatnia().Opis, "zw1 • Zwrotnica zw01: zw1");
    EXPECT_EQ(E<TZwrotnica>("zw1").Status(), tZwrStatus::dol);
    Nacisnij("bSK1");
    EXPECT_EQ(E<TSemafor>("sA").Status(), tSemStatus::zielony);
}

TEST_F(Przebiegi, AButtonWithoutAnElementDoesNothingAtAll)
{
    bool klik = false;
    auto& b = E<TPunktButton>("wktColorButton10");
    b.OnClick = [&] { klik = true; };
    Nacisnij("wktColorButton10");
    EXPECT_FALSE(klik);
    EXPECT_EQ(b.Caption, "zw8");
}

TEST_F(Przebiegi, BreakingAllLocksFreesLockedPointsStopsEverySignalAndCountsOnTheButton)
{
    Nacisnij("ZatwierdzButton14");
    TPociag pociag;
    pociag.SetSklad("s");
    E("Tor11").SetPociag(&pociag);
    E<TSemafor>("sA").SetStatus(tSemStatus::zielony);
    E<TSemafor>("sM").SetStatus(tSemStatus::bialy);
    Nacisnij("bZerwij");  // Cancel
    EXPECT_EQ(E("Tor7").Stan(), tStan::utwierdzony);
    komunikaty.Odpowiedzi = {tOdpowiedz::tak};
    Nacisnij("bZerwij");
    EXPECT_EQ(E("Tor7").Stan(), tStan::wolny);
    EXPECT_EQ(E("Tor11").Stan(), tStan::zajety);
    EXPECT_EQ(E<TSemafor>("sA").Status(), tSemStatus::czerwony);
    EXPECT_EQ(E<TSemafor>("sM").Status(), tSemStatus::czerwony);
    EXPECT_EQ(E<TSpecialPunktButton>("bZerwij").LicznikBledow, 1);
    EXPECT_EQ(Ostatnia().Tekst, "Zerwano zatwierdzenie drogi.");
    EXPECT_EQ(Ostatnia().Opis, "");
    EXPECT_EQ(Ostatnia().Punkty, -10);
}

TEST_F(Przebiegi, TheInformationButtonTellsWhatStandsAtItsElement)
{
    auto& b = E<TSpecialPunktButton>("SpecialPunktButton7");
    EXPECT_EQ(b.Caption, "i");
    b.Hint = "Peron 1";
    Nacisnij("SpecialPunktButton7");
    EXPECT_EQ(komunikaty.Teksty.back(), "Peron 1\r\n");
    TPociag t;
    t.SetNumer("34101");
    t.SetRelacjaOd("Olszarzyna");
    t.SetRelacjaDo("Brzelany");
    t.SetSklad("s+122");
    t.SetPrzyjazd(4.2 / 24);
    t.SetOdjazd(4.25 / 24);
    E("p1").SetPociag(&t);
    Nacisnij("SpecialPunktButton7");
    EXPECT_EQ(komunikaty.Teksty.back(), "Peron 1przyjazd 4:12, odjazd 4:15\r\nskład: 4:12 «s+122\r\n34101 Olszarzyna-Brzelany");
}

TEST_F(Przebiegi, ButtonsTakeTheirElementsNamesColoursAndStates)
{
    EXPECT_EQ(E<TPunktButton>("PunktButton8").Element(), &E<TElement>("rSt1"));
    EXPECT_EQ(E<TElement>("zw1").Przycisk, static_cast<TPrzyciskElementu*>(&E<TPunktButton>("wktColorButton8")));
    EXPECT_EQ(E<TZatwierdzButton>("ZatwierdzButton13").Caption, "wOlsz - p2");
    EXPECT_EQ(E<TPunktButton>("wktColorButton8").Color, (TKolor{209, 237, 227}));
    Nacisnij("ZatwierdzButton14");
    EXPECT_EQ(E<TPunktButton>("bSK1").Stan(), tStan::utwierdzony);
    EXPECT_EQ(E<TPunktButton>("bSK1").BorderColor, (TKolor{0, 128, 0}));
}

}  // namespace

namespace {

// The element of the station whose frame blinks now, or none.
std::string Migajacy(const TStacja& stacja)
{
    for (const auto& k : stacja.Komponenty())
        if (stacja.Wyroznienia().Miga(k.get()))
            return k->Name;
    return "-";
}

TEST_F(Przebiegi, ARefusedRouteBlinksTheInactivePointWhereItsWalkStoppedForTwoSeconds)
{
    Nacisnij("PunktButton10");  // rKs1 up: Tor7 inactive
    Nacisnij("ZatwierdzButton14");
    EXPECT_EQ(Ostatnia().Tekst, "Nie można ustawić drogi od wOlsz do p1.");
    EXPECT_EQ(Migajacy(sym.Stacja()), "Tor7");
    EXPECT_TRUE(sym.Stacja().Wyroznienia().Zapalone(&E("Tor7")));
    zegary.Uplyw(TSymulacjaStacji::CzasMiganiaZatrzymania - 1);
    EXPECT_EQ(Migajacy(sym.Stacja()), "Tor7");
    zegary.Uplyw(1);
    EXPECT_EQ(Migajacy(sym.Stacja()), "-");
}

TEST_F(Przebiegi, ARouteCutByASwitchBlinksTheLastPointItsWalkReached)
{
    Nacisnij("wktColorButton11");  // zw4 to its upper branch: the way to p1 is cut
    Nacisnij("ZatwierdzButton14");
    EXPECT_EQ(Ostatnia().Opis, "Brak ścieżki dojścia. • wOlsz • wOlsz • z Olszarzyny: wOlsz");
    // The walk went on along zw4's upper branch and ended on Tor28, which meets a switch lying away.
    EXPECT_EQ(Migajacy(sym.Stacja()), "Tor28");
}

TEST_F(Przebiegi, OtherFaultsBlinkNothing)
{
    Nacisnij("ZatwierdzButton14");
    Kliknij(E("zw1"));  // locked: refused
    EXPECT_EQ(Ostatnia().Punkty, -10);
    EXPECT_EQ(Migajacy(sym.Stacja()), "-");
}

}  // namespace
