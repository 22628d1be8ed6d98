#include "interlocking/przyciski.h"
#include "station/rogatka.h"
#include "station/semafor.h"
#include "station/zwrotnica.h"
#include "tests/support/plotno_zapis.h"
#include "tests/support/stacja_testowa.h"

#include <gtest/gtest.h>

namespace {

TPlotnoZapis Rysuj(TKomponent& k)
{
    TPlotnoZapis p;
    k.Paint(p);
    return p;
}

TEST(RysowaniePrzyciskow, TheCounterStripShowsThreeDigitsRedOnlyWhenNotZero)
{
    TStacjaTestowa t;
    auto& b = t.E<TPunktButton>("bSK1");  // 33 x 24
    EXPECT_TRUE(Rysuj(b).Zawiera("text 0,-1-33,9 \"000\" Tahoma 7pt flags 10"));
    const auto biale = Rysuj(b);
    t.E<TSemafor>("sA").LicznikBledow = 7;
    const auto czerwone = Rysuj(b);
    EXPECT_TRUE(czerwone.Zawiera("text 0,-1-33,9 \"007\" Tahoma 7pt flags 10"));
    EXPECT_NE(biale.Wszystko(), czerwone.Wszystko());
}

TEST(RysowaniePrzyciskow, TheSignalLampTakesTheAspectAndMovesWhilePressed)
{
    TStacjaTestowa t;
    auto& b = t.E<TPunktButton>("bSK1");
    auto p = Rysuj(b);
    EXPECT_TRUE(p.Zawiera("roundrect 24,15-32,23 8"));
    EXPECT_TRUE(p.Zawiera("brush 255,0,0"));
    t.E<TSemafor>("sA").SetStatus(tSemStatus::zielony);
    b.MouseDown();
    p = Rysuj(b);
    EXPECT_TRUE(p.Zawiera("roundrect 25,16-33,24 8"));
    EXPECT_TRUE(p.Zawiera("brush 0,255,0"));
}

TEST(RysowaniePrzyciskow, TheSwitchStrokeFollowsTheThreeRules)
{
    TStacjaTestowa t;
    // zw1: JedenNaDwa, urDol, lying dol: straight.
    auto& b1 = t.E<TPunktButton>("wktColorButton8");  // 40 x 24
    EXPECT_TRUE(Rysuj(b1).Zawiera("line 31,19 39,19"));
    t.E<TZwrotnica>("zw1").FlipStatus(nullptr);  // gora: from lower left to upper right
    EXPECT_TRUE(Rysuj(b1).Zawiera("line 31,23 39,15"));
    // zw26: DwaNaJeden, urDol, lying dol: straight; thrown to gora: upper left to lower right.
    auto& b26 = t.E<TPunktButton>("wktColorButton18");  // 40 x 25
    EXPECT_TRUE(Rysuj(b26).Zawiera("line 31,20 39,20"));
    t.E<TZwrotnica>("zw26").FlipStatus(nullptr);
    EXPECT_TRUE(Rysuj(b26).Zawiera("line 31,16 39,24"));
    // zw3: JedenNaDwa, urDol, lying dol: straight; zw20 likewise. zw23: DwaNaJeden, urGora, gora.
    EXPECT_TRUE(Rysuj(t.E("wktColorButton16")).Zawiera("line 31,20 39,20"));
}

TEST(RysowaniePrzyciskow, TheBarrierArmLiesAlongTheBottomWhenDownAndTheRightWhenUp)
{
    TStacjaTestowa t;
    auto& b = t.E<TPunktButton>("PunktButton10");  // rKs1, 40 x 25
    auto p = Rysuj(b);
    EXPECT_TRUE(p.Zawiera("fill 1,22-39,25"));
    EXPECT_TRUE(p.Zawiera("fill 5,22-9,26"));   // white on odd columns
    EXPECT_FALSE(p.Zawiera("fill 1,22-5,26"));  // column 0, row 0 stays red
    t.E<TRogatka>("rKs1").SetPodniesione(true);
    p = Rysuj(b);
    EXPECT_TRUE(p.Zawiera("fill 38,9-39,25"));
}

TEST(RysowaniePrzyciskow, AnInformationButtonIsATwoLinePanel)
{
    TStacjaTestowa t;
    auto& b = t.E<TSpecialPunktButton>("SpecialPunktButton7");  // p1, 200 x 26
    const auto p = Rysuj(b);
    EXPECT_TRUE(p.Zawiera("text 1,-1-192,11 \"p1 • peron nr 1: Morzyn, Olszarzyna\" Tahoma 7pt flags 6"));
    EXPECT_TRUE(p.Zawiera("fill 0,11-192,26"));
}

TEST(RysowaniePrzyciskow, TheFrameThickensWhileTheMousePointsAtTheButton)
{
    TStacjaTestowa t;
    auto& b = t.E<TZatwierdzButton>("ZatwierdzButton14");
    EXPECT_TRUE(Rysuj(b).Zawiera("pen 0,0,0 1"));
    b.MouseEnter();
    EXPECT_TRUE(Rysuj(b).Zawiera("pen 0,0,0 2"));
    b.MouseLeave();
    EXPECT_TRUE(Rysuj(b).Zawiera("pen 0,0,0 1"));
}

}  // namespace
