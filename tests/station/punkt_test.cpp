#include "station/peron.h"
#include "station/semafor.h"
#include "station/tor.h"
#include "station/wlot.h"
#include "station/zapowiedz.h"
#include "station/zwrotnica.h"
#include "tests/support/stacja_testowa.h"
#include "trains/pociag.h"

#include <gtest/gtest.h>

namespace {

TPociag Pociag(const std::string& numer, const std::string& sklad, tSemType kierunek = stLewy)
{
    TPociag p;
    p.SetNumer(numer);
    p.SetSklad(sklad);
    p.Kierunek = kierunek;
    p.SetPrzyjazd(5.0 / 24);
    p.SetOdjazd(5.25 / 24);
    p.SetRelacjaOd("Olszarzyna");
    p.SetRelacjaDo("Brzelany");
    return p;
}

TEST(Punkt, ANewPointIsFreeSixteenSquareEmptyAndOfCapacityOne)
{
    TStacjaTestowa t;
    TPunktTorowy& p = t.Stacja.Dodaj<TPunktTorowy>("nowy");
    EXPECT_EQ(p.Stan(), tStan::wolny);
    EXPECT_EQ(p.Width, 16);
    EXPECT_EQ(p.Height, 16);
    EXPECT_EQ(p.Elementy(), "");
    EXPECT_EQ(p.Pojemnosc(), 1);
    EXPECT_TRUE(p.ShowHint);
    EXPECT_EQ(p.KoloryStanow[tStan::nieaktywny], (TKolor{0, 0, 128}));
    EXPECT_EQ(p.KoloryStanow[tStan::zajety], (TKolor{255, 0, 0}));
}

TEST(Punkt, SettingTheSameStateRepaintsNothing)
{
    TStacjaTestowa t;
    TTor& tor = t.E<TTor>("Tor14");
    t.Odswiezenia.clear();
    tor.SetStan(tStan::wolny);
    EXPECT_TRUE(t.Odswiezenia.empty());
    tor.SetStan(tStan::utwierdzony);
    EXPECT_EQ(t.Odswiezenia["Tor14"], 1);
}

TEST(Punkt, ATrainOnAFreePointOccupiesItAndShowsItsLabel)
{
    TStacjaTestowa t;
    TPeron& p1 = t.E<TPeron>("p1");
    TPociag a = Pociag("34101", "s+122");
    p1.SetPociag(&a);
    EXPECT_EQ(p1.Stan(), tStan::zajety);
    EXPECT_EQ(p1.Elementy(), "5:00 «s+122");
    TPociag b = Pociag("34102", "s+12", stPrawy);
    p1.SetPociag(&b);
    EXPECT_EQ(p1.Stan(), tStan::zajety);
    EXPECT_EQ(p1.Elementy(), "5:00 s+12»");
    p1.SetPociag(nullptr);
    EXPECT_EQ(p1.Stan(), tStan::wolny);
    EXPECT_EQ(p1.Elementy(), "");
    EXPECT_EQ(p1.Pociag(), nullptr);
}

TEST(Punkt, TakingNoTrainOffALockedPointFreesIt)
{
    TStacjaTestowa t;
    TTor& tor = t.E<TTor>("Tor14");
    tor.SetStan(tStan::utwierdzony);
    tor.SetPociag(nullptr);
    EXPECT_EQ(tor.Stan(), tStan::wolny);
}

TEST(Punkt, VehiclesStandingAtAPointJoinTheArrivingTrainUncoupled)
{
    TStacjaTestowa t;
    TPeron& p1 = t.E<TPeron>("p1");
    p1.SetElementy("2211");
    TPociag lewy = Pociag("1", "s");
    p1.SetPociag(&lewy);
    EXPECT_EQ(lewy.Sklad(), "2211 s");
    EXPECT_TRUE(lewy.DoRozdzielenia());

    TPeron& p2 = t.E<TPeron>("p2");
    p2.SetElementy("tt");
    TPociag prawy = Pociag("2", "s", stPrawy);
    p2.SetPociag(&prawy);
    EXPECT_EQ(prawy.Sklad(), "s tt");
}

TEST(Punkt, OnlyTrainsThatAreNotShuntingUnitsSoundTheirArrivalAtAnEntry)
{
    TStacjaTestowa t;
    TWlot& wlot = t.E<TWlot>("wOlsz");
    TPociag manewrowy = Pociag("", "s");
    manewrowy.SetManewrowy(true);
    wlot.SetPociag(&manewrowy);
    EXPECT_TRUE(t.Zagrane().empty());
    wlot.SetPociag(nullptr);
    TPociag pociag = Pociag("1", "s");
    wlot.SetPociag(&pociag);
    EXPECT_EQ(t.Zagrane(), (std::vector<std::string>{"pipipi.wav"}));
}

TEST(Punkt, SoundsAreSilentWhenSwitchedOffOrWhenTheFileIsMissing)
{
    TStacjaTestowa t;
    t.Stacja.OdtwarzajDzwieki = false;
    t.E<TZwrotnica>("zw1").FlipStatus(nullptr);
    EXPECT_TRUE(t.Zagrane().empty());
    t.Stacja.OdtwarzajDzwieki = true;
    std::filesystem::remove(t.Katalog.Sciezka("pzwr.wav"));
    t.E<TZwrotnica>("zw1").FlipStatus(nullptr);
    EXPECT_TRUE(t.Zagrane().empty());
}

TEST(Punkt, AFaultCountsOnceRaisesMinusTenAndCallsOnErrorFirst)
{
    TStacjaTestowa t;
    TZwrotnica& zw = t.E<TZwrotnica>("zw1");
    int wywolania = 0;
    zw.OnError = [&](TElement& e) {
        EXPECT_EQ(&e, &zw);
        EXPECT_EQ(e.LicznikBledow, 1);
        ++wywolania;
    };
    zw.SetStan(tStan::utwierdzony);
    try {
        zw.FlipStatus(&zw);
        FAIL() << "no fault";
    } catch (const TElemExc& e) {
        EXPECT_STREQ(e.what(), "Próba przestawienia zwrotnicy.\r\nzw1");
        EXPECT_EQ(e.Element, &zw);
        EXPECT_EQ(e.Punkty, -10);
    }
    EXPECT_EQ(zw.LicznikBledow, 1);
    EXPECT_EQ(wywolania, 1);
    EXPECT_EQ(zw.Status(), tZwrStatus::dol);
    EXPECT_TRUE(t.Zagrane().empty());
}

TEST(Punkt, AFaultWithoutAnElementIsItsTextAlone)
{
    TElemExc e(nullptr, "Coś nie tak.", -33);
    EXPECT_STREQ(e.what(), "Coś nie tak.");
    EXPECT_EQ(e.Punkty, -33);
}

TEST(Zwrotnica, ThrowingAFreeSwitchMovesItPlaysItsSoundThenCallsOnModified)
{
    TStacjaTestowa t;
    TZwrotnica& zw20 = t.E<TZwrotnica>("zw20");
    TKomponent* nadawca = nullptr;
    zw20.OnModified = [&](TKomponent* s) {
        nadawca = s;
        EXPECT_EQ(t.Zagrane().size(), 1u);
    };
    EXPECT_EQ(zw20.Neighbour(1), &t.E("Tor20"));
    zw20.Click();
    EXPECT_EQ(zw20.Status(), tZwrStatus::gora);
    EXPECT_EQ(zw20.Neighbour(1), &t.E("Tor18"));
    EXPECT_EQ(zw20.Neighbour(0), &t.E("Tor23"));
    EXPECT_EQ(nadawca, &zw20);
    EXPECT_EQ(t.Zagrane(), (std::vector<std::string>{"pzwr.wav"}));
}

TEST(Zwrotnica, ATrackEndingAtASwitchLyingTheOtherWayHasNoWayOn)
{
    TStacjaTestowa t;
    // zw20 lies on its lower branch (Tor20): Tor18, its upper branch, leads nowhere on the left.
    EXPECT_EQ(t.E<TTor>("Tor18").Neighbour(0), nullptr);
    EXPECT_EQ(t.E<TTor>("Tor20").Neighbour(0), &t.E("zw20"));
}

TEST(Zwrotnica, AnInactiveSwitchCanBeThrown)
{
    TStacjaTestowa t;
    TZwrotnica& zw = t.E<TZwrotnica>("zw3");
    zw.SetStan(tStan::nieaktywny);
    zw.FlipStatus(nullptr);
    EXPECT_EQ(zw.Status(), tZwrStatus::gora);
    zw.SetStan(tStan::zajety);
    EXPECT_THROW(zw.FlipStatus(nullptr), TElemExc);
    EXPECT_EQ(zw.Status(), tZwrStatus::gora);
}

TEST(Tor, ATrackWhoseLeftEndIsATwoIntoOneSwitchBecomesItsSingleTrack)
{
    TStacjaTestowa t;
    TZwrotnica& z = t.Stacja.Dodaj<TZwrotnica>("zwX");
    z.SetTyp(tZwrTyp::DwaNaJeden);
    z.SetBounds(100, 100, 17, 17);
    TPunktTorowy& p = t.Stacja.Dodaj<TPunktTorowy>("pX");
    p.SetBounds(200, 100, 10, 10);
    TTor& tor = t.Stacja.Dodaj<TTor>("TorX");
    tor.SetLewyStatus(tZwrStatus::dol);
    tor.SetLewyPunkt(&z);
    tor.SetPrawyPunkt(&p);
    EXPECT_EQ(z.PrawyTor, &tor);
    EXPECT_EQ(z.LewyTorDolny, nullptr);
    EXPECT_EQ(p.LewyTor, &tor);
}

TEST(Tor, ATrackBetweenTwoPointsTakesTheirSpanGrownByTwo)
{
    TStacjaTestowa t;
    TPunktTorowy& a = t.Stacja.Dodaj<TPunktTorowy>("a");
    a.SetBounds(90, 42, 10, 16);  // right connection (100, 50)
    TPunktTorowy& b = t.Stacja.Dodaj<TPunktTorowy>("b");
    b.SetBounds(140, 42, 10, 16);  // left connection (140, 50)
    TTor& tor = t.Stacja.Dodaj<TTor>("tor");
    tor.SetLewyPunkt(&a);
    EXPECT_EQ(tor.LewyKoniec, (TPunktXY{-1, -1}));
    tor.SetPrawyPunkt(&b);
    EXPECT_EQ(tor.Granice(), (TProstokat{98, 48, 142, 52}));
    b.SetBounds(140, 62, 10, 16);
    tor.RelayoutTrack();
    EXPECT_EQ(tor.Granice(), (TProstokat{98, 48, 142, 72}));
}

TEST(Punkt, DoubleClickWithoutATrainSaysSo)
{
    TStacjaTestowa t;
    t.E("p1").Hint = "peron nr 1";
    static_cast<TElement&>(t.E("p1")).DblClick();
    EXPECT_EQ(t.Komunikaty.Teksty, (std::vector<std::string>{"p1 • peron nr 1\r\nW tym punkcie nie ma żadnego pociągu."}));
}

TEST(Punkt, DoubleClickOnARunningTrainDescribesItWithoutAQuestion)
{
    TStacjaTestowa t;
    TPociag a = Pociag("34101", "s+122");
    a.StanJazdy = tStanJazdy::jazda;
    t.E<TTor>("Tor14").SetPociag(&a);
    t.E<TTor>("Tor14").DblClick();
    ASSERT_EQ(t.Komunikaty.Teksty.size(), 1u);
    EXPECT_EQ(t.Komunikaty.Teksty[0], "Tor14 • Tor Tor14\r\n5:00/5:15 «s+122 34101 Olszarzyna-Brzelany");
    EXPECT_TRUE(t.Komunikaty.Pytania.empty());
}

TEST(Punkt, DoubleClickOnAStandingTrainAsksForTheDepartureOrder)
{
    TStacjaTestowa t;
    TPociag a = Pociag("34101", "s+122");
    TPeron& p1 = t.E<TPeron>("p1");
    p1.SetPociag(&a);
    p1.DblClick();
    ASSERT_EQ(t.Komunikaty.Pytania.size(), 1u);
    EXPECT_NE(t.Komunikaty.Pytania[0].find("\r\nDać sygnał do odjazdu?"), std::string::npos);
    EXPECT_EQ(a.StanJazdy, tStanJazdy::postoj);  // no answer queued: Cancel
    t.Komunikaty.Odpowiedzi = {tOdpowiedz::tak};
    p1.DblClick();
    EXPECT_EQ(a.StanJazdy, tStanJazdy::jazda);

    TPociag m = Pociag("", "s");
    m.SetManewrowy(true);
    TPeron& p2 = t.E<TPeron>("p2");
    p2.SetPociag(&m);
    p2.DblClick();
    EXPECT_NE(t.Komunikaty.Pytania.back().find("\r\nDać sygnał do jazdy manewrowej?"), std::string::npos);
}

TEST(Punkt, AnAnnouncementFieldOnlyShowsItsTrain)
{
    TStacjaTestowa t;
    TPociag a = Pociag("34101", "s+122");
    TZapowiedz& z = t.E<TZapowiedz>("zOlszarzyny");
    z.SetPociag(&a);
    t.Odswiezenia.clear();
    z.SetPociag(&a);
    EXPECT_TRUE(t.Odswiezenia.empty());
    z.DblClick();
    EXPECT_TRUE(t.Komunikaty.Pytania.empty());
    EXPECT_EQ(t.Komunikaty.Teksty.size(), 1u);
    EXPECT_EQ(t.Zagrane(), std::vector<std::string>{});
}

TEST(Punkt, OnlyPlacesWhereATrainMayStopAreStoppingPlaces)
{
    TStacjaTestowa t;
    for (const char* tak : {"p1", "pB1", "b1", "pM1", "wOlsz", "stacja_Drelinko"})
        EXPECT_TRUE(MiejscePostoju(&t.E<TPunkt>(tak))) << tak;
    for (const char* nie : {"Tor7", "zw1", "sA", "zOlszarzyny"})
        EXPECT_FALSE(MiejscePostoju(&t.E<TPunkt>(nie))) << nie;
}

TEST(Punkt, TheHitTestFindsTheTopmostVisibleElement)
{
    TStacjaTestowa t;
    EXPECT_EQ(t.Stacja.ElementW({95, 105}), &t.E("sA"));   // over Tor7's end
    EXPECT_EQ(t.Stacja.ElementW({80, 100}), &t.E("Tor7"));  // the road lies below it
    EXPECT_EQ(t.Stacja.ElementW({75, 80}), &t.E("rKs1"));
    EXPECT_EQ(t.Stacja.ElementW({240, 140}), nullptr);      // stacja_Drelinko is hidden
    EXPECT_EQ(t.Stacja.ElementW({2000, 2000}), nullptr);
}

}  // namespace
