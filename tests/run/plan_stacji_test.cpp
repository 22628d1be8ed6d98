// The plan: the run forked and played on by the automatic dispatcher, laid beside what the run's
// report and its watch of the lines saw, without a trace on the run itself.
#include "run/plan_stacji.h"
#include "run/symulacja_stacji.h"
#include "tests/support/dzien_z_danych.h"
#include "tests/support/srodowisko_testowe.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

class Plan : public ::testing::Test {
protected:
    Plan()
    {
        DzienZDanych(s.Rozklad);
        s.Rozklad.ZapiszRozklad();
        sym.Stacja().OdtwarzajDzwieki = false;
    }

    void Start(const char* godzina)
    {
        ASSERT_EQ(sym.Akt({"time", godzina}), "");
        ASSERT_EQ(sym.Akt({"start"}), "");
    }

    // Ticks the run, its lines watched as the window watches them.
    void Graj(int h, int m)
    {
        while (sym.CzasSymulacji * 1440 < h * 60 + m - 1e-6) {
            sym.Tyknij();
            linie.Probkuj(sym.Raporty().Czas(sym.CzasSymulacji));
        }
    }

    const TOdcinekPlanu* Znajdz(const TPlanStacji& plan, const std::string& wiersz, const std::string& pociag,
                                tRodzajOdcinka rodzaj) const
    {
        const auto it = std::find_if(plan.Odcinki.begin(), plan.Odcinki.end(), [&](const TOdcinekPlanu& o) {
            return o.Wiersz == wiersz && o.Pociag == pociag && o.Rodzaj == rodzaj;
        });
        return it == plan.Odcinki.end() ? nullptr : &*it;
    }

    TSrodowiskoTestowe s;
    TSymulacjaStacji sym{s.Uslugi, s.Rozklad};
    TProbnikLinii linie{sym.Stacja()};
};

TEST_F(Plan, MakingThePlanLeavesThePlayersRunExactlyAsItWas)
{
    Start("7:00");
    Graj(7, 20);
    const auto przed = sym.StanGry();
    const std::int64_t takty = sym.Takty();
    const TPlanStacji plan = Planuj(StanDoPlanu(sym, &linie));
    EXPECT_FALSE(plan.Odcinki.empty());
    EXPECT_EQ(sym.StanGry(), przed);
    EXPECT_EQ(sym.Takty(), takty);
    EXPECT_FALSE(sym.Dyspozytor().CokolwiekWlaczone());
}

TEST_F(Plan, TheWindowRunsFromHalfAnHourAgoToTwoHoursAhead)
{
    Start("7:00");
    Graj(7, 10);
    const TPlanStacji plan = Planuj(StanDoPlanu(sym, &linie));
    EXPECT_DOUBLE_EQ(plan.Teraz, sym.Raporty().Czas(sym.CzasSymulacji));
    EXPECT_NEAR((plan.Teraz - plan.Od) * 1440, 30, 1e-6);
    EXPECT_NEAR((plan.Do - plan.Teraz) * 1440, 120, 1e-6);
    for (const TOdcinekPlanu& o : plan.Odcinki) {
        EXPECT_GE(o.Od, plan.Od);
        EXPECT_LE(o.Do, plan.Do);
        EXPECT_LE(o.Od, o.Do);
        // What happened ends by now; what is planned starts from now.
        if (o.Rodzaj == tRodzajOdcinka::zrobiony)
            EXPECT_LE(o.Do, plan.Teraz);
        else
            EXPECT_GE(o.Od, plan.Teraz);
    }
}

// At 7:00 of the shipped day the Olszarzyna train 34107 is on its way: the dispatcher takes it from
// its line onto platform 1 and out to Brzelany.
TEST_F(Plan, TheForecastTakesTheNextTrainFromItsLineOverItsPlatformToTheNextLine)
{
    Start("7:00");
    const TPlanStacji plan = Planuj(StanDoPlanu(sym, &linie));
    const TOdcinekPlanu* linia = Znajdz(plan, "wOlsz", "34107", tRodzajOdcinka::planowany);
    const TOdcinekPlanu* peron = Znajdz(plan, "p1", "34107", tRodzajOdcinka::planowany);
    const TOdcinekPlanu* wyjazd = Znajdz(plan, "wBrz", "34107", tRodzajOdcinka::planowany);
    ASSERT_NE(linia, nullptr);
    ASSERT_NE(peron, nullptr);
    ASSERT_NE(wyjazd, nullptr);
    EXPECT_LE(linia->Do, peron->Od);
    EXPECT_LE(peron->Do, wyjazd->Od);
    EXPECT_TRUE(plan.Konflikty.empty());
}

TEST_F(Plan, WhatHappenedIsTheReportsOccupationAndTheLinesAsWatched)
{
    Start("7:00");
    sym.Dyspozytor().Wlacz(true);
    Graj(7, 30);
    const TPlanStacji plan = Planuj(StanDoPlanu(sym, &linie));
    // 34107 stood on platform 1 and has left: the report's own stretch, wholly past.
    const auto& zajetosc = sym.Raporty().Biezacy().Zajetosc;
    const auto z = std::find_if(zajetosc.begin(), zajetosc.end(),
                                [](const TZajetoscToru& t) { return t.Tor == "p1" && t.Pociag == "34107"; });
    ASSERT_NE(z, zajetosc.end());
    const TOdcinekPlanu* peron = Znajdz(plan, "p1", "34107", tRodzajOdcinka::zrobiony);
    ASSERT_NE(peron, nullptr);
    EXPECT_DOUBLE_EQ(peron->Od, z->Od);
    EXPECT_DOUBLE_EQ(peron->Do, z->Do);
    EXPECT_EQ(Znajdz(plan, "p1", "34107", tRodzajOdcinka::planowany), nullptr);
    EXPECT_NE(Znajdz(plan, "wOlsz", "34107", tRodzajOdcinka::zrobiony), nullptr);
}

// Nobody let the trains in for half an hour: two of them need platform 1 at once and one is held
// too long, which the plan cannot avoid any more.
TEST_F(Plan, AConflictTheForecastCannotAvoidMarksItsTrainsRed)
{
    Start("7:00");
    Graj(7, 30);
    const TPlanStacji plan = Planuj(StanDoPlanu(sym, &linie));
    ASSERT_FALSE(plan.Konflikty.empty());
    const TKonfliktPlanu& k = plan.Konflikty.front();
    EXPECT_NE(std::find(k.Pociagi.begin(), k.Pociagi.end(), "34107"), k.Pociagi.end());
    EXPECT_NE(k.Tekst.find("p1"), std::string::npos);
    EXPECT_NE(Znajdz(plan, "p1", "34107", tRodzajOdcinka::konflikt), nullptr);
    EXPECT_EQ(Znajdz(plan, "p1", "34107", tRodzajOdcinka::planowany), nullptr);
}

TEST_F(Plan, AStoppedRunIsStillForecast)
{
    Start("7:00");
    ASSERT_EQ(sym.Akt({"stop", "on"}), "");
    const TPlanStacji plan = Planuj(StanDoPlanu(sym, &linie));
    EXPECT_NE(Znajdz(plan, "p1", "34107", tRodzajOdcinka::planowany), nullptr);
    EXPECT_TRUE(sym.Stop);
}

// The forecast passes midnight, where the report opens the next day: the evening's stretches are
// still there, both what happened and what is planned.
TEST_F(Plan, APlanAcrossMidnightKeepsTheEveningBeforeIt)
{
    Start("22:45");
    sym.Dyspozytor().Wlacz(true);
    Graj(23, 30);
    const TPlanStacji plan = Planuj(StanDoPlanu(sym, &linie));
    EXPECT_GT(plan.Do, sym.Raporty().Biezacy().NrDnia + 1.0);
    EXPECT_NE(Znajdz(plan, "p2", "34139", tRodzajOdcinka::zrobiony), nullptr);
    EXPECT_NE(Znajdz(plan, "p1", "34191", tRodzajOdcinka::planowany), nullptr);
    EXPECT_NE(Znajdz(plan, "wOlsz", "34191", tRodzajOdcinka::planowany), nullptr);
}

}  // namespace
