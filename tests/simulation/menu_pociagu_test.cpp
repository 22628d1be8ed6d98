#include "simulation/menu_pociagu.h"
#include "station/peron.h"
#include "station/wlot.h"
#include "station/zapowiedz.h"
#include "tests/support/srodowisko_testowe.h"
#include "trains/sklad.h"

#include <gtest/gtest.h>

namespace {

double G(int h, int m) { return (h * 60 + m) / 1440.0; }

class MenuPociagu : public ::testing::Test {
protected:
    TSrodowiskoTestowe s;
    TSymulacjaStacji sym{s.Uslugi, s.Rozklad};
    TMenuPociagu menu{sym.Stacja(), sym.Silnik()};

    MenuPociagu()
    {
        auto t = std::make_unique<TPociag>();
        t->SetNumer("44611");
        t->SetRelacjaOd("Drelinko");
        t->SetRelacjaDo("Wirowa");
        t->SetWyjezdza("wWirowa");
        t->SetPrzyjazd(G(5, 20));
        t->SetOdjazd(G(5, 20));
        t->SetSkladRozkladowy("a2");
        s.Rozklad.Rozklad.Append(std::move(t));
        s.Rozklad.ZapiszRozklad();
        sym.Pokaz();
    }
    TPociag& Postaw(const std::string& punkt, const std::string& sklad, tSemType kierunek, tStanJazdy stan)
    {
        auto t = std::make_unique<TPociag>();
        t->SetNumer("skład po 44610");
        t->SetSklad(sklad);
        t->Kierunek = kierunek;
        t->SetManewrowy(true);
        t->SetSkonczylBieg(true);
        TPociag* p = sym.Silnik().Przyjmij(std::move(t));
        sym.Stacja().Znajdz<TPunkt>(punkt)->SetPociag(p);
        p->StanJazdy = stan;
        return *p;
    }
    std::vector<std::string> Widoczne() const
    {
        std::vector<std::string> w;
        for (const auto& p : menu.Pozycje())
            if (p.Visible)
                w.push_back(p.Caption);
        return w;
    }
    const TPozycjaMenu& P(const std::string& caption) const
    {
        for (const auto& p : menu.Pozycje())
            if (p.Caption == caption)
                return p;
        throw std::runtime_error("no item " + caption);
    }
    void Wybierz(const TPozycjaMenu& p) { sym.Wykonaj(p.Akcja); }
    TPociag* Rozkladowy() { return sym.Stacja().Znajdz<TWlot>("stacja_Drelinko")->Pociagi.at(0); }
};

TEST_F(MenuPociagu, NoMenuOpensOnAnnouncementFieldsOrPointsLinkedToNoTrack)
{
    EXPECT_FALSE(menu.Otworz(sym.Stacja().Znajdz<TPunkt>("zBrzelan")));
    EXPECT_FALSE(menu.Otworz(sym.Stacja().Znajdz<TPunkt>("stacja_Drelinko")));
    EXPECT_FALSE(menu.Otworz(nullptr));
    EXPECT_TRUE(menu.Otworz(sym.Stacja().Znajdz<TPunkt>("Tor7")));
}

TEST_F(MenuPociagu, APointWithoutATrainOffersItselfItsActionAndItsRoutes)
{
    ASSERT_TRUE(menu.Otworz(sym.Stacja().Znajdz<TPunkt>("sA")));
    EXPECT_EQ(Widoczne(), (std::vector<std::string>{"nie ma pociągu w tym punkcie", "-", "sA...", "zmień sygnał na semaforze",
                                                    "- utwierdzanie/zrywanie drogi -"}));
    EXPECT_TRUE(P("sA...").Default);
    EXPECT_FALSE(P("- utwierdzanie/zrywanie drogi -").Enabled);
}

TEST_F(MenuPociagu, ARunningTrainGetsNoOrders)
{
    Postaw("p1", "a+2", stLewy, tStanJazdy::jazda);
    ASSERT_TRUE(menu.Otworz(sym.Stacja().Znajdz<TPunkt>("p1")));
    for (const char* c : {"Połącz skład", "Rozdziel skład", "Zmień &kierunek jazdy", "Przygotuj skład do odjazdu",
                          "Daj polecenie odjazdu", "Jazda manewrowa"})
        EXPECT_FALSE(P(c).Visible) << c;
    const auto polecenia = menu.Polecenia();
    ASSERT_EQ(polecenia.size(), 3u);
    EXPECT_TRUE(polecenia[2].Submenu.empty());
}

TEST_F(MenuPociagu, AConsistWithoutTractionOffersOnlyJoinOrSplit)
{
    TPociag& t = Postaw("p1", "22+11", stLewy, tStanJazdy::postoj);
    ASSERT_TRUE(menu.Otworz(sym.Stacja().Znajdz<TPunkt>("p1")));
    EXPECT_EQ(Widoczne().at(1), "Rozdziel skład");
    EXPECT_EQ(Widoczne().at(2), "-");
    Wybierz(P("Rozdziel skład"));
    EXPECT_EQ(t.Sklad(), "22 11");
    ASSERT_TRUE(menu.Otworz(sym.Stacja().Znajdz<TPunkt>("p1")));
    EXPECT_EQ(Widoczne().at(1), "Połącz skład");
}

TEST_F(MenuPociagu, AStandingUnitWithTractionGetsEveryOrderAndTheRoutesStandOut)
{
    TPociag& t = Postaw("p1", "a+2", stLewy, tStanJazdy::postoj);
    ASSERT_TRUE(menu.Otworz(sym.Stacja().Znajdz<TPunkt>("p1")));
    EXPECT_TRUE(P("Jazda manewrowa").Checked);
    EXPECT_TRUE(P("Przygotuj skład do odjazdu").Enabled);
    ASSERT_EQ(P("Przygotuj skład do odjazdu").Submenu.size(), 1u);
    EXPECT_TRUE(P("Ustaw drogę do wBrz").Radio);
    EXPECT_FALSE(P("Ustaw drogę do pM1").Radio);
    Wybierz(P("Zmień &kierunek jazdy"));
    EXPECT_EQ(t.Kierunek, stPrawy);
    Wybierz(P("Jazda manewrowa"));
    EXPECT_FALSE(t.Manewrowy());
    Wybierz(P("Daj polecenie odjazdu"));
    EXPECT_EQ(t.StanJazdy, tStanJazdy::jazda);
}

TEST_F(MenuPociagu, PreparingAFormedTrainCostsThirtyThreeAndChangesNothing)
{
    TPociag& t = Postaw("p1", "a+2", stLewy, tStanJazdy::postoj);
    t.SetWyjezdza("wOlsz");
    menu.Otworz(sym.Stacja().Znajdz<TPunkt>("p1"));
    Wybierz(P("Przygotuj skład do odjazdu").Submenu.at(0));
    const auto& l = sym.Dziennik().Linie().back();
    EXPECT_EQ(l.Punkty, -33);
    EXPECT_EQ(l.Tekst, "To już jest sformowany pociąg.");
    EXPECT_NE(l.Opis.find("pojechać w  inną stronę."), std::string::npos);
    EXPECT_EQ(sym.Stacja().Znajdz<TPunkt>("p1")->Pociag(), &t);
}

TEST_F(MenuPociagu, AConsistLackingATimetableVehicleOrWithAWagonAtTheHeadCostsTen)
{
    TPociag& t = Postaw("p1", "s+1", stPrawy, tStanJazdy::postoj);
    menu.Otworz(sym.Stacja().Znajdz<TPunkt>("p1"));
    Wybierz(P("Przygotuj skład do odjazdu").Submenu.at(0));
    EXPECT_EQ(sym.Dziennik().Linie().back().Tekst, "Nieprawidłowy skład dla pociągu.");
    EXPECT_EQ(sym.Dziennik().Linie().back().Punkty, -10);
    t.SetSklad("a+2");  // the timetable train runs right (to wWirowa): its head is the last vehicle
    menu.Otworz(sym.Stacja().Znajdz<TPunkt>("p1"));
    Wybierz(P("Przygotuj skład do odjazdu").Submenu.at(0));
    EXPECT_EQ(sym.Dziennik().Linie().back().Tekst, "Nie możesz odprawić składu \"na pych\"!");
    EXPECT_EQ(sym.Stacja().Znajdz<TWlot>("stacja_Drelinko")->Pociagi.size(), 1u);
}

TEST_F(MenuPociagu, ASuccessfulPreparationMakesTheConsistTheTimetableTrainOnEveryPointItHeld)
{
    // A consist that came in eleven minutes late: the train made of it may leave as late.
    Postaw("p1", "2+a", stPrawy, tStanJazdy::postoj).SetOpoznienieWjazdu(11 * 60);
    TPociag* rozkladowy = Rozkladowy();
    const std::size_t przedtem = sym.Silnik().PociagiDnia().size();
    menu.Otworz(sym.Stacja().Znajdz<TPunkt>("p1"));
    Wybierz(P("Przygotuj skład do odjazdu").Submenu.at(0));
    EXPECT_EQ(sym.Dziennik().Linie().back().Tekst, "Pociąg gotowy do odjazdu");
    EXPECT_EQ(sym.Dziennik().Linie().back().Punkty, 20);
    EXPECT_EQ(sym.Stacja().Znajdz<TPunkt>("p1")->Pociag(), rozkladowy);
    EXPECT_EQ(rozkladowy->Sklad(), "2+a");
    EXPECT_EQ(rozkladowy->ZwlokaOdjazdu(), 11 * 60);
    EXPECT_EQ(rozkladowy->StanJazdy, tStanJazdy::zatrzymany);
    EXPECT_FALSE(rozkladowy->Manewrowy());
    EXPECT_TRUE(sym.Stacja().Znajdz<TWlot>("stacja_Drelinko")->Pociagi.empty());
    EXPECT_EQ(sym.Silnik().PociagiDnia().size(), przedtem - 1);
    EXPECT_EQ(sym.Stacja().Znajdz<TPunkt>("p1")->Elementy(), "5:20 2+a»");
}

TEST_F(MenuPociagu, TheCommandsMenuListsTheTrainsInComponentOrderWithTheirOrders)
{
    Postaw("p2", "a+2", stLewy, tStanJazdy::zatrzymany);
    Postaw("pB1", "22", stLewy, tStanJazdy::postoj);
    const auto m = menu.Polecenia();
    ASSERT_EQ(m.size(), 4u);
    EXPECT_EQ(m[0].Caption, "&Zwolnij utwierdzenia");
    EXPECT_EQ(m[2].Caption, "pB1: --22--\tskład po 44610 -");
    EXPECT_EQ(m[3].Caption, "p2: (m) <a+2\tskład po 44610 -");
    ASSERT_EQ(m[3].Submenu.size(), 3u);
    EXPECT_EQ(m[3].Submenu[0].Caption, "daj polecenie odjazdu");
    EXPECT_EQ(m[3].Submenu[2].Caption, "rozdziel skład");
    ASSERT_EQ(m[2].Submenu.size(), 3u);
    EXPECT_EQ(m[2].Submenu[2].Caption, "przygotuj skład do odjazdu");
}

TEST_F(MenuPociagu, WithNoTrainInTheStationTheCommandsMenuSaysSoGreyed)
{
    const auto m = menu.Polecenia();
    ASSERT_EQ(m.size(), 3u);
    EXPECT_EQ(m[0].Caption, "&Zwolnij utwierdzenia");
    EXPECT_TRUE(m[1].Separator());
    EXPECT_EQ(m[2].Caption, "(brak pociągów na stacji!)");
    EXPECT_FALSE(m[2].Enabled);
}

TEST_F(MenuPociagu, AnEntryListsItsPlannedTrainsInTheJournal)
{
    ASSERT_TRUE(menu.Otworz(sym.Stacja().Znajdz<TPunkt>("wOlsz")));
    Wybierz(P("pokaż listę planowanych pociągów"));
    EXPECT_EQ(sym.Dziennik().Linie().size(), 1u);  // the queue is empty: nothing but the opening line
}

}  // namespace
