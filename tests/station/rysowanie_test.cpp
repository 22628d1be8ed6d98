#include "station/peron.h"
#include "station/przejazd.h"
#include "station/rogatka.h"
#include "station/semafor.h"
#include "station/tor.h"
#include "station/wlot.h"
#include "station/zapowiedz.h"
#include "station/zwrotnica.h"
#include "tests/support/plotno_zapis.h"
#include "tests/support/stacja_testowa.h"
#include "trains/pociag.h"

#include <gtest/gtest.h>

namespace {

std::string KolorTekstem(TKolor k)
{
    return std::to_string(k.R) + "," + std::to_string(k.G) + "," + std::to_string(k.B);
}

// Draws one component as the diagram does: at its place, with the parent's coordinates.
TPlotnoZapis Rysuj(TKomponent& k)
{
    TPlotnoZapis p;
    p.Przesun(k.Left, k.Top);
    k.Paint(p);
    return p;
}

TEST(Rysowanie, AFreeHorizontalTrackIsAHollowDoubleLineTwoPixelsInside)
{
    TStacjaTestowa t;
    TPlotnoZapis p = Rysuj(t.E("Tor7"));  // 65, 99, 26 x 4
    EXPECT_EQ(p.Wywolania, (std::vector<std::string>{"pen 128,128,128 1", "line 67,100 89,100", "line 67,102 89,102"}));
}

TEST(Rysowanie, LockedAndOccupiedTracksAreFilledInactiveOnesASingleLine)
{
    TStacjaTestowa t;
    TTor& tor = t.E<TTor>("Tor7");
    tor.SetStan(tStan::utwierdzony);
    TPlotnoZapis p = Rysuj(tor);
    EXPECT_TRUE(p.Zawiera("pen 0,128,0 2"));
    EXPECT_TRUE(p.Zawiera("line 68,101 88,101"));
    t.E<TRogatka>("rKs1").SetPodniesione(false);
    tor.SetStan(tStan::nieaktywny);
    EXPECT_EQ(Rysuj(tor).Wywolania, (std::vector<std::string>{"pen 0,0,128 1", "line 67,101 89,101"}));
}

TEST(Rysowanie, ARisingTrackRunsFromItsLowerLeftToItsUpperRightCorner)
{
    TStacjaTestowa t;
    TTor& tor = t.E<TTor>("Tor12");  // from zw1's upper right branch up to sB
    const TPlotnoZapis p = Rysuj(tor);
    const int x0 = tor.Left, y0 = tor.Top;
    EXPECT_TRUE(p.Zawiera("line " + std::to_string(x0 + 2) + "," + std::to_string(y0 + tor.Height - 3) + " " +
                          std::to_string(x0 + tor.Width - 2) + "," + std::to_string(y0 + 1)));
}

TEST(Rysowanie, ASwitchShowsItsSetBranchInItsStateAndTheOtherAsAThinLine)
{
    TStacjaTestowa t;
    TZwrotnica& zw = t.E<TZwrotnica>("zw20");  // 476, 92, 14 x 11, JedenNaDwa, urDol, lying dol
    const TPlotnoZapis p = Rysuj(zw);
    EXPECT_EQ(p.Wywolania[2], "rect 476,92-490,103");
    EXPECT_EQ(p.Wywolania[3], "pen 0,0,128 1");
    EXPECT_EQ(p.Wywolania[4], "line 476,101 490,93");        // the upper branch, not set
    EXPECT_EQ(p.Wywolania[6], "line 476,100 490,100");       // the set lower branch, hollow
    EXPECT_EQ(p.Wywolania[7], "line 476,102 490,102");
}

TEST(Rysowanie, TheNameLabelSitsAtTheClassShiftOrTheCustomOne)
{
    TStacjaTestowa t;
    TPunktTorowy& pm1 = t.E<TPunktTorowy>("pM1");  // 132, 95, 67 x 12, no custom shift
    EXPECT_TRUE(Rysuj(pm1).Zawiera("text 202,101-269,113 \"pM1\" Tahoma 7pt flags 10"));
    TPunktTorowy& pm2 = t.E<TPunktTorowy>("pM2");  // custom (0, 12)
    EXPECT_TRUE(Rysuj(pm2).Zawiera("text 553,85-620,97 \"pM2\" Tahoma 7pt flags 10"));
    EXPECT_TRUE(Rysuj(t.E("sA")).Zawiera("text 101,112-115,127 \"sA\" Tahoma 7pt flags 10"));
    TSemafor& s = t.E<TSemafor>("sC");
    s.CustomOffsetX = 0;
    s.CustomOffsetY = 0;
    EXPECT_TRUE(Rysuj(s).Zawiera("text 226,91-240,106 \"sC\" Tahoma 7pt flags 10"));
}

TEST(Rysowanie, TheTrainLabelIsDrawnInvertingInStoppingPlacesOnly)
{
    TStacjaTestowa t;
    TPociag a;
    a.SetSklad("s+12");
    a.SetPrzyjazd(0.25);
    t.E<TPeron>("p1").SetPociag(&a);
    const TPlotnoZapis p = Rysuj(t.E("p1"));
    const auto tekst = std::find(p.Wywolania.begin(), p.Wywolania.end(),
                                 "text 311,100-390,116 \"6:00 «s+12\" Tahoma 8pt flags 15");
    ASSERT_NE(tekst, p.Wywolania.end()) << p.Wszystko();
    EXPECT_EQ(*(tekst - 1), "invert on");
    EXPECT_EQ(*(tekst + 1), "invert off");
    TPociag b;
    b.SetSklad("s");
    t.E<TTor>("Tor14").SetPociag(&b);
    EXPECT_EQ(Rysuj(t.E("Tor14")).Ile("text"), 0);
}

TEST(Rysowanie, AFlashingLampTypeDolDrawsItsBoardFromY8AndItsLampsFromY2)
{
    TStacjaTestowa t;
    TPrzejazd& lampa = t.E<TPrzejazd>("przKa1");  // 496, 48, 16 x 16, dol
    TPlotnoZapis p = Rysuj(lampa);
    EXPECT_TRUE(p.Zawiera("line 496,56 511,61"));
    EXPECT_TRUE(p.Zawiera("ellipse 497,50-502,56"));
    EXPECT_TRUE(p.Zawiera("ellipse 506,50-511,56"));
    EXPECT_TRUE(p.Zawiera("brush 192,192,192"));
    t.E<TTor>("Tor3").SetStan(tStan::zajety);
    t.Zegary.Uplyw(500);
    EXPECT_TRUE(Rysuj(lampa).Zawiera("brush 255,0,0"));
}

TEST(Rysowanie, EntriesAreArrowsByTheirDirectionOfUse)
{
    TStacjaTestowa t;
    TWlot& w = t.E<TWlot>("wOlsz");  // 0, 93, 67 x 16
    EXPECT_TRUE(Rysuj(w).Zawiera("polygon 0,101 8,93 59,93 67,101 59,109 8,109"));
    w.SetRodzajWlotu(rwWlot);
    EXPECT_TRUE(Rysuj(w).Zawiera("polygon 0,93 59,93 67,101 59,109 0,109"));
    w.SetRodzajWlotu(rwWylot);
    EXPECT_TRUE(Rysuj(w).Zawiera("polygon 67,93 8,93 0,101 8,109 67,109"));
}

TEST(Rysowanie, ALoweredBarrierIsStripedRedAndWhite)
{
    TStacjaTestowa t;
    TRogatka& r = t.E<TRogatka>("rKs1");  // 64, 77, 31 x 10
    TPlotnoZapis p = Rysuj(r);
    EXPECT_TRUE(p.Zawiera("rect 64,77-94,80"));
    EXPECT_TRUE(p.Zawiera("rect 68,77-72,80"));
    EXPECT_TRUE(p.Zawiera("rect 92,77-96,80"));
    EXPECT_FALSE(p.Zawiera("rect 72,77-76,80"));
    r.SetPodniesione(true);
    EXPECT_TRUE(Rysuj(r).Zawiera("rect 67,77-70,86"));
}

TEST(Rysowanie, ASignalShowsItsAspectAndTheSubstituteSignalBlinks)
{
    TStacjaTestowa t;
    TSemafor& s = t.E<TSemafor>("sA");  // stPrawy at 89, 100
    TPlotnoZapis p = Rysuj(s);
    EXPECT_TRUE(p.Zawiera("line 89,104 89,112 89,108 94,108"));
    EXPECT_TRUE(p.Zawiera("roundrect 93,105-102,114 7"));
    EXPECT_TRUE(p.Zawiera("brush 255,0,0"));
    s.SetStatus(tSemStatus::zielony);
    EXPECT_TRUE(Rysuj(s).Zawiera("brush 0,255,0"));
    s.SetStatus(tSemStatus::bialy);
    EXPECT_TRUE(Rysuj(s).Zawiera("brush 255,255,255"));
    t.Zegary.Uplyw(500);
    EXPECT_TRUE(Rysuj(s).Zawiera("brush 192,192,192"));
}

TEST(Semafor, TheSubstituteSignalLasts61TicksThenReturnsToStop)
{
    TStacjaTestowa t;
    TSemafor& s = t.E<TSemafor>("sB");
    s.SetStatus(tSemStatus::bialy);
    EXPECT_EQ(t.Zegary.Aktywne(), 1);
    t.Zegary.Uplyw(30500 - 1);
    EXPECT_EQ(s.Status(), tSemStatus::bialy);
    t.Zegary.Uplyw(1);
    EXPECT_EQ(s.Status(), tSemStatus::czerwony);
    EXPECT_EQ(t.Zegary.Aktywne(), 0);
}

TEST(Semafor, TracksRunAlongTheBottomOfALeftSignalAndTheTopOfARightOne)
{
    TStacjaTestowa t;
    const TSemafor& sC = t.E<TSemafor>("sC");  // stLewy at 205, 88, 14 x 15
    EXPECT_EQ(sC.ConnectionPoint(sC.LewyTor), (TPunktXY{205, 101}));
    EXPECT_EQ(sC.ConnectionPoint(sC.PrawyTor), (TPunktXY{218, 101}));
    const TSemafor& sD = t.E<TSemafor>("sD");  // stPrawy at 222, 100
    EXPECT_EQ(sD.ConnectionPoint(sD.LewyTor), (TPunktXY{222, 101}));
    EXPECT_EQ(sD.ConnectionPoint(nullptr), (TPunktXY{-1, -1}));
}

TEST(Rysowanie, TheDiagramIsDrawnBackToFrontWithTheRoadsFirst)
{
    TStacjaTestowa t;
    TPlotnoZapis p;
    t.Stacja.Rysuj(p);
    ASSERT_GE(p.Wywolania.size(), 3u);
    EXPECT_EQ(p.Wywolania[0], "pen none");
    // Each road sends itself to the back in turn, so the last one made lies lowest.
    EXPECT_EQ(p.Wywolania[2], "fill 398,83-410,132");
    EXPECT_EQ(p.Ile("text 228,132"), 0);  // the hidden station entry
    EXPECT_EQ(t.Stacja.Rozmiar().x, 719);
}

TEST(Rysowanie, DrawingTheWholeStationChangesNoPlaceNoLinkAndNoColour)
{
    TStacjaTestowa t;
    t.E<TPunkt>("zBrzelan").SetStan(tStan::zajety);
    t.E<TPunkt>("Tor7").SetStan(tStan::utwierdzony);
    const auto stan = [&t] {
        std::vector<std::string> wynik;
        for (const auto& k : t.Stacja.Komponenty()) {
            const TProstokat g = k->Granice();
            std::string opis = k->Name + " " + std::to_string(g.Left) + "," + std::to_string(g.Top) + "," +
                               std::to_string(g.Right) + "," + std::to_string(g.Bottom);
            if (const auto* p = dynamic_cast<const TPunkt*>(k.get())) {
                opis += " " + KolorTekstem(p->KolorStanu());
                for (tStan s : {tStan::nieaktywny, tStan::wolny, tStan::utwierdzony, tStan::zajety})
                    opis += " " + KolorTekstem(p->KoloryStanow[s]);
                opis += " " + (p->LewyTor != nullptr ? p->LewyTor->Name : "-");
                opis += " " + (p->PrawyTor != nullptr ? p->PrawyTor->Name : "-");
            }
            wynik.push_back(opis);
        }
        return wynik;
    };
    const std::vector<std::string> przed = stan();
    TPlotnoZapis p;
    t.Stacja.Rysuj(p);
    t.Stacja.Rysuj(p, "tsSterowanie");
    EXPECT_GT(p.Wywolania.size(), 500u);
    EXPECT_EQ(stan(), przed);
}

TEST(Rysowanie, AnAnnouncementFieldShowsItsOwnColourInEveryState)
{
    TStacjaTestowa t;
    TPunkt& z = t.E<TPunkt>("zBrzelan");
    for (tStan s : {tStan::nieaktywny, tStan::wolny, tStan::utwierdzony, tStan::zajety}) {
        z.SetStan(s);
        EXPECT_EQ(z.KolorStanu(), z.Kolor());
        EXPECT_TRUE(Rysuj(z).Zawiera("brush " + KolorTekstem(z.Kolor())));
    }
}

}  // namespace
