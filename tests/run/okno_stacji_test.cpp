#include "core/cp1250.h"
#include "station/peron.h"
#include "station/wlot.h"
#include "station/zapowiedz.h"
#include "tests/support/srodowisko_testowe.h"
#include "trains/czas.h"
#include "trains/sklad.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

double G(int h, int m, int s = 0) { return (h * 3600 + m * 60 + s) / 86400.0; }

class OknoStacji : public ::testing::Test {
protected:
    TSrodowiskoTestowe s;
    TSymulacjaStacji sym{s.Uslugi, s.Rozklad};
    std::vector<std::string> podpowiedzi;

    OknoStacji()
    {
        s.Rozklad.ZapiszRozklad();
        sym.OnPodpowiedz = [this](const std::string& t) { podpowiedzi.push_back(t); };
    }
    void Pociag(const std::string& numer, const std::string& wjezdza, double przyjazd, double odjazd)
    {
        auto t = std::make_unique<TPociag>();
        t->SetNumer(numer);
        t->SetWjezdza(wjezdza);
        t->SetWyjezdza("wBrz");
        t->SetPrzyjazd(przyjazd);
        t->SetOdjazd(odjazd);
        t->SetSkladRozkladowy("s12");
        s.Rozklad.Rozklad.Append(std::move(t));
    }
    void PiszPorady(const std::string& tekstUtf8)
    {
        std::ofstream wy(s.Katalog.Sciezka("info.txt"), std::ios::binary);
        wy << *NaCp1250(tekstUtf8);
    }
    std::vector<std::string> Porady() const
    {
        std::vector<std::string> p;
        for (const auto& l : sym.Dziennik().Linie())
            if (l.Porada)
                p.push_back(l.Tekst + "|" + l.Opis);
        return p;
    }
};

TEST_F(OknoStacji, ShowingPreparesTheDayOpensTheJournalAndRunsOneStepWithoutTheClock)
{
    sym.Pokaz();
    ASSERT_EQ(sym.Dziennik().Linie().size(), 1u);
    EXPECT_EQ(sym.Dziennik().Linie()[0].Tekst, "Przygotowałem pociągi do drogi.");
    EXPECT_EQ(sym.Dziennik().Score(), 400);
    EXPECT_DOUBLE_EQ(sym.CzasSymulacji, G(4, 0));
    EXPECT_EQ(sym.Interwal(), 1000);
    EXPECT_EQ(podpowiedzi, std::vector<std::string>{"Symulacja będzie 5 razy szybsza od rzeczywistości. Ekran będzie "
                                                    "odświeżany co 1,00 sek."});
    EXPECT_EQ(sym.Stacja().Znajdz("stacja_Drelinko")->Hint, "w obrębie stacji nie ma żadnych pociągów");
}

TEST_F(OknoStacji, ATickStepsThenAdvancesTheClockByFiveSeconds)
{
    sym.Pokaz();
    sym.Tyknij();
    EXPECT_EQ(sym.EtykietaCzasu(), "04:00");
    EXPECT_EQ(sym.EtykietaSekund(), ":05");
    EXPECT_EQ(sym.StatusCzasSymulacji, "04:00:00");
    EXPECT_EQ(sym.LicznikPociagow(), "żadnych pociągów w obrębie stacji");
}

TEST_F(OknoStacji, StopAnInactiveWindowAndAnOpenMenuFreezeEverything)
{
    sym.Pokaz();
    sym.Stop = true;
    sym.Tyknij();
    sym.Stop = false;
    sym.OknoAktywne = false;
    sym.Tyknij();
    sym.OknoAktywne = true;
    sym.Wstrzymany = true;
    sym.Tyknij();
    EXPECT_DOUBLE_EQ(sym.CzasSymulacji, G(4, 0));
    sym.Wstrzymany = false;
    sym.Tyknij();
    EXPECT_EQ(Milisekundy(sym.CzasSymulacji), Milisekundy(G(4, 0, 5)));
}

TEST_F(OknoStacji, TheSpeedSetsTheIntervalWithTwoRoundings)
{
    const std::pair<int, int> oczekiwane[] = {{1, 5000}, {5, 1000}, {100, 50}, {3, 1667}, {7, 714}, {0, 5000}, {33, 152}};
    for (const auto& [pozycja, interwal] : oczekiwane) {
        sym.UstawSzybkosc(pozycja);
        EXPECT_EQ(sym.Interwal(), interwal) << pozycja;
    }
    EXPECT_EQ(podpowiedzi.back(), "Symulacja będzie 33 razy szybsza od rzeczywistości. Ekran będzie odświeżany co 0,15 sek.");
}

TEST_F(OknoStacji, ClockClicksMoveItPastMidnightUnwrappedUntilTheNextTick)
{
    sym.CzasSymulacji = G(23, 50);
    sym.Pokaz();
    sym.KliknijZegar();
    sym.DwuklikZegara();
    sym.KliknijZegar();
    EXPECT_GT(sym.CzasSymulacji, 1.0 - 1e-9);
    const auto linie = sym.Dziennik().Linie().size();
    sym.Tyknij();
    EXPECT_LT(sym.CzasSymulacji, 0.01);
    // The day began again, and the finished day's report was announced.
    EXPECT_EQ(sym.Dziennik().Linie().size(), linie + 2);
    EXPECT_EQ(sym.Dziennik().Linie().back().Tekst, "Raport minionego dnia jest gotowy.");
    EXPECT_EQ(sym.Dziennik().Score(), 600);
}

TEST_F(OknoStacji, AtMidnightTrainsOnTheLayoutCarryOnAndWaitingOnesAreDroppedWithALine)
{
    Pociag("na_torach", "wOlsz", G(23, 30), G(23, 40));
    Pociag("zapowiedziany", "wBrz", G(23, 59), G(23, 59, 30));
    Pociag("czeka", "wWirowa", G(23, 59, 50), G(23, 59, 55));
    Pociag("jutro", "wOlsz", G(4, 0), G(4, 5));
    sym.CzasSymulacji = G(23, 20);
    sym.Pokaz();
    const auto& dnia = sym.Silnik().PociagiDnia();
    TPociag* naTorach = nullptr;
    for (const auto& t : dnia)
        if (t->Numer() == "na_torach")
            naTorach = t.get();
    ASSERT_NE(naTorach, nullptr);
    sym.Stacja().Znajdz<TZapowiedz>("zOlszarzyny")->SetPociag(nullptr);
    std::erase(sym.Stacja().Znajdz<TWlot>("wOlsz")->Pociagi, naTorach);
    sym.Stacja().Znajdz<TPeron>("p1")->SetPociag(naTorach);
    naTorach->StanJazdy = tStanJazdy::zatrzymany;

    sym.CzasSymulacji = G(23, 59, 55);
    sym.Tyknij();  // midnight
    EXPECT_LT(sym.CzasSymulacji, 0.001);
    EXPECT_EQ(sym.Stacja().Znajdz<TPeron>("p1")->Pociag(), naTorach);
    bool jest = false;
    for (const auto& t : sym.Silnik().PociagiDnia())
        jest = jest || t.get() == naTorach;
    EXPECT_TRUE(jest);
    std::vector<std::string> przepadle;
    for (const auto& l : sym.Dziennik().Linie())
        if (l.Tekst == "Pociąg nie przyjechał.") {
            EXPECT_EQ(l.Punkty, 0);
            przepadle.push_back(l.Opis);
        }
    ASSERT_EQ(przepadle.size(), 2u);
    EXPECT_NE(przepadle[0].find("zapowiedziany"), std::string::npos);
    EXPECT_NE(przepadle[1].find("czeka"), std::string::npos);
    // Every train that a point or a queue holds belongs to the day: none points at a freed one.
    const auto wDniu = [&](const TPociag* t) {
        for (const auto& d : sym.Silnik().PociagiDnia())
            if (d.get() == t)
                return true;
        return false;
    };
    for (auto* p : sym.Stacja().Wszystkie<TPunkt>()) {
        if (p->Pociag() != nullptr) {
            EXPECT_TRUE(wDniu(p->Pociag())) << p->Name;
        }
    }
    for (auto* w : sym.Stacja().Wszystkie<TWlot>())
        for (const TPociag* t : w->Pociagi)
            EXPECT_TRUE(wDniu(t)) << w->Name;
    // The new day's copy of the announced train waits for its own time, not blocked by the old one.
    const auto& brz = sym.Stacja().Znajdz<TWlot>("wBrz")->Pociagi;
    ASSERT_FALSE(brz.empty());
    EXPECT_FALSE(brz.front()->Zapowiedziany());
}

TEST_F(OknoStacji, TheTrainCounterIsRewrittenOnlyWhenTheCountChanges)
{
    sym.Pokaz();
    auto* t = new TPociag;
    t->SetSklad("s");
    std::unique_ptr<TPociag> w(t);
    TPociag* p = sym.Silnik().Przyjmij(std::move(w));
    sym.Stacja().Znajdz<TPeron>("p1")->SetPociag(p);
    sym.Tyknij();
    EXPECT_EQ(sym.LicznikPociagow(), "1 pociąg w obrębie stacji");
    EXPECT_EQ(sym.Stacja().Znajdz("stacja_Drelinko")->Hint, "w obrębie stacji jest jeden pociąg");
}

TEST_F(OknoStacji, ATipComesAtMostEveryFiveMinutesOfRealTime)
{
    PiszPorady("Rogatki|Opuść je przed pociągiem.\r\n\r\nBez kreski\r\n");
    sym.Pokaz();
    sym.Tyknij();
    ASSERT_EQ(Porady().size(), 1u);
    s.Zegary.Uplyw(299000);
    sym.Tyknij();
    EXPECT_EQ(Porady().size(), 1u);
    s.Zegary.Uplyw(1001);
    sym.Tyknij();
    ASSERT_EQ(Porady().size(), 2u);
    for (const auto& p : Porady())
        EXPECT_TRUE(p == "Rogatki|Opuść je przed pociągiem." || p == "Bez kreski|Bez kreski") << p;
    EXPECT_EQ(sym.Dziennik().Score(), 400);  // tips bring no points
}

TEST_F(OknoStacji, WithoutTipsNothingIsShownAndNothingReported)
{
    sym.Pokaz();
    sym.Tyknij();
    EXPECT_TRUE(Porady().empty());
    EXPECT_TRUE(s.Komunikaty.Teksty.empty());
}

TEST_F(OknoStacji, ClosingStoresTheStartHourUnlessTheDayIsNearlyOver)
{
    sym.CzasSymulacji = G(7, 5, 30);
    sym.Zamknij();
    EXPECT_EQ(s.Ustawienia.Czytaj(TSymulacjaStacji::KluczStartu, "GodzStartu", ""), "7:05");
    sym.CzasSymulacji = G(21, 36);
    sym.Zamknij();
    EXPECT_EQ(s.Ustawienia.Czytaj(TSymulacjaStacji::KluczStartu, "GodzStartu", ""), "7:05");
}

TEST_F(OknoStacji, TheJournalLineShowsItsMarkTimeAndWallClock)
{
    TLiniaDziennika l{-33, "x", "opis", G(8, 15), 46000.5 + G(0, 0, 7), false};
    EXPECT_EQ(NaglowekLinii(l), "(kara 33 pkt) 08:15 -> ");
    EXPECT_EQ(KolorTekstuLinii(l, kolory::Czarny), (TKolor{128, 0, 0}));
    EXPECT_EQ(KoncowkaLinii(l), " opis (12:00:07) ");
    l.Punkty = 20;
    EXPECT_EQ(NaglowekLinii(l), "(premia 20 pkt) 08:15 -> ");
    l.Punkty = 0;
    EXPECT_EQ(NaglowekLinii(l), "08:15 -> ");
    EXPECT_EQ(KolorTekstuLinii(l, {1, 2, 3}), (TKolor{1, 2, 3}));
}

TEST_F(OknoStacji, TheScorePanelTurnsRedBelowZero)
{
    sym.Dziennik().SetScore(5);
    EXPECT_EQ(sym.Dziennik().KolorScore(), (TKolor{0, 128, 0}));
    sym.DodajDoDziennika(-10, "kara", "");
    EXPECT_EQ(sym.Dziennik().KolorScore(), (TKolor{255, 0, 0}));
    sym.DodajDoDziennika(5, "premia", "");
    EXPECT_EQ(sym.Dziennik().KolorScore(), (TKolor{0, 128, 0}));
}

}  // namespace
