#include "station/przejazd.h"
#include "station/rogatka.h"
#include "station/tor.h"
#include "tests/support/stacja_testowa.h"
#include "trains/pociag.h"

#include <gtest/gtest.h>

namespace {

TEST(Rogatka, RaisingOneBarrierRaisesItsPairAndClosesTheTrack)
{
    TStacjaTestowa t;
    auto& rKs1 = t.E<TRogatka>("rKs1");
    auto& rKs2 = t.E<TRogatka>("rKs2");
    rKs1.Click();
    EXPECT_TRUE(rKs1.Podniesione());
    EXPECT_TRUE(rKs2.Podniesione());
    EXPECT_EQ(t.E<TTor>("Tor7").Stan(), tStan::nieaktywny);
    EXPECT_EQ(t.Zagrane(), (std::vector<std::string>{"pzwr.wav"}));
    rKs2.Click();
    EXPECT_FALSE(rKs1.Podniesione());
    EXPECT_FALSE(rKs2.Podniesione());
    EXPECT_EQ(t.E<TTor>("Tor7").Stan(), tStan::wolny);
}

TEST(Rogatka, RaisingOverALockedTrackIsAFaultOnTheTrackAndChangesNothing)
{
    TStacjaTestowa t;
    auto& tor19 = t.E<TTor>("Tor19");
    tor19.SetStan(tStan::utwierdzony);
    try {
        t.E<TRogatka>("rSt1").Click();
        FAIL() << "no fault";
    } catch (const TElemExc& e) {
        EXPECT_STREQ(e.what(), "Nie można podnieść rogatek, gdy tor nie jest wolny!\r\nTor19");
        EXPECT_EQ(e.Element, &tor19);
    }
    EXPECT_EQ(tor19.LicznikBledow, 1);
    EXPECT_FALSE(t.E<TRogatka>("rSt1").Podniesione());
    EXPECT_FALSE(t.E<TRogatka>("rSt2").Podniesione());
    EXPECT_EQ(tor19.Stan(), tStan::utwierdzony);
    EXPECT_TRUE(t.Zagrane().empty());
}

TEST(Rogatka, LoweringTheBarriersFreesTheTrackEvenUnderATrain)
{
    TStacjaTestowa t;
    auto& tor7 = t.E<TTor>("Tor7");
    t.E<TRogatka>("rKs1").SetPodniesione(true);
    TPociag p;
    p.SetSklad("s");
    tor7.SetPociag(&p);
    EXPECT_EQ(tor7.Stan(), tStan::zajety);
    t.E<TRogatka>("rKs1").SetPodniesione(false);
    EXPECT_EQ(tor7.Stan(), tStan::wolny);
    EXPECT_EQ(tor7.Pociag(), &p);
}

TEST(Przejazd, TheLampsFlashWhileAnyOfTheirTracksIsLockedOrOccupied)
{
    TStacjaTestowa t;
    auto& lampa = t.E<TPrzejazd>("prPeronowy");
    t.E<TTor>("Tor19").SetStan(tStan::utwierdzony);
    EXPECT_TRUE(lampa.Migajacy());
    t.E<TTor>("Tor34").SetStan(tStan::zajety);
    t.E<TTor>("Tor19").SetStan(tStan::wolny);
    EXPECT_TRUE(lampa.Migajacy());
    t.E<TTor>("Tor34").SetStan(tStan::wolny);
    EXPECT_FALSE(lampa.Migajacy());
    EXPECT_FALSE(t.E<TPrzejazd>("przKa1").Migajacy());
}

TEST(Przejazd, BothLampsBlinkEveryHalfSecondOfRealTimeOnlyWhileFlashing)
{
    TStacjaTestowa t;
    auto& lampa = t.E<TPrzejazd>("przKo1");
    t.E<TTor>("Tor7").SetStan(tStan::utwierdzony);
    EXPECT_EQ(t.Zegary.Aktywne(), 2);  // Tor7 is guarded by przKo1 and przKo2
    EXPECT_FALSE(lampa.Zapalone());
    t.Zegary.Uplyw(499);
    EXPECT_FALSE(lampa.Zapalone());
    t.Zegary.Uplyw(1);
    EXPECT_TRUE(lampa.Zapalone());
    t.Zegary.Uplyw(500);
    EXPECT_FALSE(lampa.Zapalone());
    t.E<TTor>("Tor7").SetStan(tStan::wolny);
    EXPECT_EQ(t.Zegary.Aktywne(), 0);
    // Tor11, Tor35, Tor12 and Tor6 share the lamps przKo1 and przKo2 with Tor7.
    t.E<TTor>("Tor6").SetStan(tStan::zajety);
    EXPECT_TRUE(t.E<TPrzejazd>("przKo2").Migajacy());
}

TEST(Przejazd, ClickingALampDoesNothing)
{
    TStacjaTestowa t;
    auto& lampa = t.E<TPrzejazd>("przKa1");
    bool klik = false;
    lampa.OnClick = [&] { klik = true; };
    lampa.Click();
    EXPECT_FALSE(klik);
    EXPECT_FALSE(lampa.Migajacy());
}

}  // namespace
