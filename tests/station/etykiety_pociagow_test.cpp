// Trains that can be found: their labels beside the tracks, the tooltip of an occupied point, and
// the frames that blink around elements for a while.
#include "core/format.h"
#include "station/etykiety_pociagow.h"
#include "station/przejazd.h"
#include "station/semafor.h"
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

TEST(EtykietyPociagow, ALevelTrackOffersFirstTheMiddleAboveItsStrokeThenBelowIt)
{
    TStacjaTestowa t;
    const TTor& tor = t.E<TTor>("Tor7");  // 65, 99, 26 x 4
    const auto miejsca = tor.MiejscaEtykietyPociagu(40);
    ASSERT_GE(miejsca.size(), 2u);
    const auto naDiagramie = [&](const TMiejsceEtykiety& m) {
        return TProstokat{tor.Left + m.Prostokat.Left, tor.Top + m.Prostokat.Top, tor.Left + m.Prostokat.Right,
                          tor.Top + m.Prostokat.Bottom};
    };
    // Centred on the middle of the stroke (x 78), ending three pixels clear of its top edge...
    EXPECT_EQ(naDiagramie(miejsca[0]), (TProstokat{58, 84, 98, 96}));
    // ...then as far below it.
    EXPECT_EQ(naDiagramie(miejsca[3]), (TProstokat{58, tor.LewyKoniec.y + 5, 98, tor.LewyKoniec.y + 17}));
    for (const auto& m : miejsca)
        EXPECT_EQ(m.Prostokat.Width(), 40);
}

TEST(EtykietyPociagow, ASlantingTrackOffersFirstThePlaceItsStrokeLeavesFreeBesideItsMiddle)
{
    TStacjaTestowa t;
    const TTor& tor = t.E<TTor>("Tor12");
    const TPunktXY l = tor.LewyKoniec, p = tor.PrawyKoniec;
    ASSERT_NE(l.y, p.y);
    const int srodekX = (l.x + p.x) / 2, srodekY = (l.y + p.y) / 2;
    const TMiejsceEtykiety m = tor.MiejscaEtykietyPociagu(40).front();
    const TProstokat r{tor.Left + m.Prostokat.Left, tor.Top + m.Prostokat.Top, tor.Left + m.Prostokat.Right,
                       tor.Top + m.Prostokat.Bottom};
    // Left-aligned from just right of the middle, on the side away from the stroke.
    EXPECT_GT(r.Left, srodekX);
    if (p.y < l.y)
        EXPECT_GT(r.Top, srodekY);  // climbing to the right: below
    else
        EXPECT_LT(r.Bottom, srodekY);  // falling: above
    EXPECT_EQ(m.Flagi & tfSrodek, 0u);
}

// Each visible point that draws no train itself holds a train of its own.
std::vector<std::unique_ptr<TPociag>> PociagNaKazdymPunkcie(TStacja& stacja)
{
    std::vector<std::unique_ptr<TPociag>> pociagi;
    for (TPunkt* p : stacja.Punkty()) {
        if (!p->Visible || p->PokazujePociagSam())
            continue;
        pociagi.push_back(Pociag(std::to_string(10 + pociagi.size())));
        p->SetPociag(pociagi.back().get());
    }
    return pociagi;
}

TProstokat NaDiagramie(const TEtykietaPociagu& e)
{
    const TProstokat& r = e.Miejsce.Prostokat;
    return {e.Punkt->Left + r.Left, e.Punkt->Top + r.Top, e.Punkt->Left + r.Right, e.Punkt->Top + r.Bottom};
}

TEST(EtykietyPociagow, NoLabelCoversALampANameAPointThatShowsItsTrainOrAnotherLabel)
{
    TStacjaTestowa t;
    // The names as the diagram draws them, with the trains' labels off.
    TPlotnoZapis bez;
    t.Stacja.Rysuj(bez);
    std::vector<std::pair<std::string, TProstokat>> chronione;
    for (const auto& w : bez.Wywolania) {
        int x1, y1, x2, y2;
        char tekst[64] = {};
        if (std::sscanf(w.c_str(), "text %d,%d-%d,%d \"%63[^\"]\"", &x1, &y1, &x2, &y2, tekst) == 5 &&
            t.Stacja.Znajdz(tekst) != nullptr)
            chronione.push_back({std::string("name ") + tekst,
                                 {x1, y1, x1 + SzerokoscTekstuEtykiety(tekst), y1 + WysokoscEtykietyPociagu}});
    }
    ASSERT_GT(chronione.size(), 30u);
    for (const auto& k : t.Stacja.Komponenty()) {
        const auto* punkt = dynamic_cast<const TPunkt*>(k.get());
        const bool czytany = dynamic_cast<const TSemafor*>(k.get()) != nullptr ||
                             dynamic_cast<const TPrzejazd*>(k.get()) != nullptr ||
                             (punkt != nullptr && punkt->PokazujePociagSam());
        if (czytany && k->Visible && k->Kontener == TKomponent::Diagram)
            chronione.push_back({k->Name, {k->Left, k->Top, k->Left + k->Width, k->Top + k->Height}});
    }
    t.Stacja.EtykietyPociagow = true;
    const auto pociagi = PociagNaKazdymPunkcie(t.Stacja);
    const auto etykiety = RozmiescEtykietyPociagow(t.Stacja);
    EXPECT_GE(etykiety.size(), 4u) << "the layout has room for a few labels even when every track is taken";
    for (std::size_t i = 0; i < etykiety.size(); ++i) {
        const TProstokat r = NaDiagramie(etykiety[i]);
        for (const auto& [co, z] : chronione)
            EXPECT_FALSE(NachodzaNaSiebie(r, z)) << etykiety[i].Punkt->Name << " covers " << co;
        for (std::size_t j = 0; j < i; ++j)
            EXPECT_FALSE(NachodzaNaSiebie(r, NaDiagramie(etykiety[j])))
                << etykiety[i].Punkt->Name << " covers the label of " << etykiety[j].Punkt->Name;
    }
    // What is drawn is what was placed, each label once.
    const auto teksty = Teksty(t.Stacja);
    for (const auto& e : etykiety) {
        const TProstokat r = NaDiagramie(e);
        EXPECT_EQ(Ile(teksty, Formatuj("text %d,%d-%d,%d \"", r.Left, r.Top, r.Right, r.Bottom) + e.Punkt->Elementy()), 1)
            << e.Punkt->Name;
    }
}

TEST(EtykietyPociagow, ATrainOverManyPointsIsLabelledOnce)
{
    TStacjaTestowa t;
    t.Stacja.EtykietyPociagow = true;
    auto pociag = Pociag("34101");
    for (TPunkt* p : t.Stacja.Punkty())
        if (p->Visible && !p->PokazujePociagSam())
            p->SetPociag(pociag.get());
    EXPECT_EQ(RozmiescEtykietyPociagow(t.Stacja).size(), 1u);
    EXPECT_EQ(Ile(Teksty(t.Stacja), EtykietaPunktu(*pociag)), 1);
}

TEST(EtykietyPociagow, ALabelWhosePlaceIsTakenMovesToALaterFreeOneOrGoesWithoutWhenNoneIs)
{
    TStacjaTestowa t;
    t.Stacja.EtykietyPociagow = true;
    auto pociag = Pociag("34101");
    // A small signal with no name, on a place of the track's.
    const auto zakryj = [&](const TTor& tor, const TMiejsceEtykiety& m) -> TSemafor& {
        auto& semafor = t.Stacja.Dodaj<TSemafor>("");
        semafor.Left = tor.Left + m.Prostokat.Left + 2;
        semafor.Top = tor.Top + m.Prostokat.Top + 2;
        semafor.Width = 4;
        semafor.Height = 4;
        return semafor;
    };
    const auto indeks = [](const std::vector<TMiejsceEtykiety>& miejsca, const TEtykietaPociagu& e) {
        return std::find_if(miejsca.begin(), miejsca.end(),
                            [&](const TMiejsceEtykiety& m) { return m.Prostokat == e.Miejsce.Prostokat; }) -
               miejsca.begin();
    };
    // A track whose label takes its first place, and another when that is covered.
    TTor* tor = nullptr;
    std::vector<TMiejsceEtykiety> miejsca;
    for (TTor* kandydat : t.Stacja.Wszystkie<TTor>()) {
        kandydat->SetPociag(pociag.get());
        miejsca = kandydat->MiejscaEtykietyPociagu(SzerokoscTekstuEtykiety(kandydat->Elementy()));
        auto etykiety = RozmiescEtykietyPociagow(t.Stacja);
        if (etykiety.size() == 1 && indeks(miejsca, etykiety[0]) == 0) {
            TSemafor& pierwszy = zakryj(*kandydat, miejsca[0]);
            etykiety = RozmiescEtykietyPociagow(t.Stacja);
            if (etykiety.size() == 1) {
                EXPECT_GT(indeks(miejsca, etykiety[0]), 0);
                tor = kandydat;
                break;
            }
            t.Stacja.Usun(&pierwszy);
        }
        kandydat->SetPociag(nullptr);
    }
    ASSERT_NE(tor, nullptr);
    for (std::size_t i = 1; i < miejsca.size(); ++i) {
        zakryj(*tor, miejsca[i]);
        const auto etykiety = RozmiescEtykietyPociagow(t.Stacja);
        if (!etykiety.empty())
            EXPECT_GT(indeks(miejsca, etykiety[0]), static_cast<std::ptrdiff_t>(i));
    }
    EXPECT_TRUE(RozmiescEtykietyPociagow(t.Stacja).empty()) << "every place is covered";
    EXPECT_EQ(Ile(Teksty(t.Stacja), EtykietaPunktu(*pociag)), 0);
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
