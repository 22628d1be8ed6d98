// Trains that can be found: their labels beside the tracks, the tooltip of an occupied point, and
// the frames that blink around elements for a while.
#include "station/tor.h"
#include "station/zwrotnica.h"
#include "tests/support/plotno_zapis.h"
#include "tests/support/stacja_testowa.h"
#include "trains/pociag.h"

#include <gtest/gtest.h>

namespace {

std::unique_ptr<TPociag> Pociag(const std::string& numer)
{
    auto t = std::make_unique<TPociag>();
    t->SetNumer(numer);
    t->SetRelacjaOd("Olszarzyna");
    t->SetRelacjaDo("Brzelany");
    t->SetSklad("s122");
    t->Kierunek = stPrawy;
    t->SetPrzyjazd(4.5 / 24);
    t->SetOdjazd(4.6 / 24);
    return t;
}

// Every text call of a whole drawing of the diagram.
std::vector<std::string> Teksty(const TStacja& stacja)
{
    TPlotnoZapis p;
    stacja.Rysuj(p);
    std::vector<std::string> t;
    for (const auto& w : p.Wywolania)
        if (w.starts_with("text "))
            t.push_back(w);
    return t;
}

int Ile(const std::vector<std::string>& teksty, const std::string& fragment)
{
    return static_cast<int>(std::count_if(teksty.begin(), teksty.end(),
                                          [&](const std::string& t) { return t.find(fragment) != std::string::npos; }));
}

TEST(EtykietyPociagow, WithTheOptionOffTheDiagramIsDrawnExactlyAsTheElementsDrawThemselves)
{
    TStacjaTestowa t;
    auto pociag = Pociag("34101");
    TPlotnoZapis bez;
    t.Stacja.Rysuj(bez);
    t.E<TTor>("Tor7").SetPociag(pociag.get());
    t.E<TTor>("Tor7").SetStan(tStan::wolny);  // the same colours as before, only the train differs
    TPlotnoZapis z;
    t.Stacja.Rysuj(z);
    EXPECT_EQ(z.Wywolania, bez.Wywolania);
    EXPECT_FALSE(t.Stacja.EtykietyPociagow);
}

TEST(EtykietyPociagow, ALevelTrackWritesItsTrainsLabelCentredAboveItsStroke)
{
    TStacjaTestowa t;
    t.Stacja.EtykietyPociagow = true;
    auto pociag = Pociag("34101");
    TTor& tor = t.E<TTor>("Tor7");  // 65, 99, 26 x 4
    tor.SetPociag(pociag.get());
    const std::string etykieta = EtykietaPunktu(*pociag);
    const auto teksty = Teksty(t.Stacja);
    ASSERT_EQ(Ile(teksty, "\"" + etykieta + "\""), 1);
    // Centred on the middle of the stroke (x 78), ending three pixels above the track's top edge.
    EXPECT_EQ(Ile(teksty, "text 18,84-138,96 \"" + etykieta + "\" Tahoma 7pt flags 11"), 1);
}

TEST(EtykietyPociagow, ASlantingTrackWritesTheLabelWhereItsStrokeLeavesRoom)
{
    TStacjaTestowa t;
    t.Stacja.EtykietyPociagow = true;
    auto pociag = Pociag("1");
    TTor& tor = t.E<TTor>("Tor12");
    tor.SetPociag(pociag.get());
    const auto teksty = Teksty(t.Stacja);
    ASSERT_EQ(Ile(teksty, EtykietaPunktu(*pociag)), 1);
    const TPunktXY l = tor.LewyKoniec, p = tor.PrawyKoniec;
    ASSERT_NE(l.y, p.y);
    const int srodekX = (l.x + p.x) / 2, srodekY = (l.y + p.y) / 2;
    // Left-aligned from just right of the middle, on the side away from the stroke.
    const std::string w = *std::find_if(teksty.begin(), teksty.end(),
                                        [&](const auto& s) { return s.find(EtykietaPunktu(*pociag)) != s.npos; });
    int x1, y1, x2, y2;
    ASSERT_EQ(std::sscanf(w.c_str(), "text %d,%d-%d,%d", &x1, &y1, &x2, &y2), 4);
    EXPECT_GT(x1, srodekX);
    if (p.y < l.y)
        EXPECT_GT(y1, srodekY);  // climbing to the right: below
    else
        EXPECT_LT(y2, srodekY);  // falling: above
    EXPECT_NE(w.find("flags 10"), std::string::npos) << w;
}

TEST(EtykietyPociagow, PointsThatShowTheirTrainThemselvesGetNoSecondLabel)
{
    TStacjaTestowa t;
    t.Stacja.EtykietyPociagow = true;
    auto a = Pociag("1"), b = Pociag("2"), c = Pociag("3");
    b->SetSklad("a1");
    c->SetSklad("p22");
    t.E<TPunkt>("p1").SetPociag(a.get());
    t.E<TPunkt>("zOlszarzyny").SetPociag(b.get());
    t.E<TZwrotnica>("zw1").SetPociag(c.get());
    const auto teksty = Teksty(t.Stacja);
    EXPECT_EQ(Ile(teksty, EtykietaPunktu(*a)), 1);
    EXPECT_EQ(Ile(teksty, EtykietaPunktu(*b)), 1);
    // A switch draws no train text of its own, so it gets the label above it.
    EXPECT_EQ(Ile(teksty, EtykietaPunktu(*c)), 1);
}

TEST(EtykietyPociagow, AnOccupiedPointsTooltipIsItsTrainsDescriptionAnyOtherElementsItsHint)
{
    TStacjaTestowa t;
    auto pociag = Pociag("34101");
    TTor& tor = t.E<TTor>("Tor7");
    EXPECT_EQ(TekstDymka(tor), "Tor Tor7");
    tor.SetPociag(pociag.get());
    EXPECT_EQ(TekstDymka(tor), OpisPociagu(*pociag));
    EXPECT_EQ(TekstDymka(tor), "4:30/4:36 s122» 34101 Olszarzyna-Brzelany");
    tor.SetPociag(nullptr);
    tor.ShowHint = false;
    EXPECT_EQ(TekstDymka(tor), "");
    EXPECT_EQ(TekstDymka(t.E<TElement>("rKs1")), t.E<TElement>("rKs1").Hint);
}

TEST(Wyroznienia, AFrameBlinksAroundTheElementOnRealTimeAndThenGoes)
{
    TStacjaTestowa t;
    TTor& tor = t.E<TTor>("Tor7");  // 65, 99 - 91, 103
    int odswiezenia = 0;
    t.Stacja.OnOdswiez = [&](TKomponent* k) { odswiezenia += k == &tor; };
    t.Stacja.Wyroznienia().Mignij(&tor, kolory::Czerwony, 1000);
    EXPECT_TRUE(t.Stacja.Wyroznienia().Zapalone(&tor));
    TPlotnoZapis p;
    t.Stacja.Rysuj(p);
    EXPECT_TRUE(p.Zawiera("pen 255,0,0 2")) << p.Wszystko();
    EXPECT_TRUE(p.Zawiera("rect 62,96-94,106")) << p.Wszystko();
    std::vector<bool> fazy;
    for (int i = 0; i < 4; ++i) {
        t.Zegary.Uplyw(TWyroznienia::OkresMigania);
        fazy.push_back(t.Stacja.Wyroznienia().Zapalone(&tor));
    }
    EXPECT_EQ(fazy, (std::vector<bool>{false, true, false, false}));
    EXPECT_FALSE(t.Stacja.Wyroznienia().Miga(&tor));
    EXPECT_EQ(t.Zegary.Aktywne(), 0);
    EXPECT_EQ(odswiezenia, 5);  // lit, and every phase after
    TPlotnoZapis po;
    t.Stacja.Rysuj(po);
    EXPECT_FALSE(po.Zawiera("rect 62,96-94,106"));
}

TEST(Wyroznienia, BlinkingAgainStartsAfreshAndARemovedElementBlinksNoMore)
{
    TStacjaTestowa t;
    TTor& tor = t.E<TTor>("Tor7");
    t.Stacja.Wyroznienia().Mignij(&tor, kolory::Czerwony, 1000);
    t.Zegary.Uplyw(750);
    t.Stacja.Wyroznienia().Mignij(&tor, kolory::Zielony, 1000);
    t.Zegary.Uplyw(750);
    EXPECT_TRUE(t.Stacja.Wyroznienia().Miga(&tor));
    EXPECT_EQ(t.Zegary.Aktywne(), 1);
    t.Stacja.Usun(&tor);
    EXPECT_TRUE(t.Stacja.Wyroznienia().Puste());
    EXPECT_EQ(t.Zegary.Aktywne(), 0);
}

}  // namespace
