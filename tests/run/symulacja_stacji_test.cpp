#include "run/symulacja_stacji.h"
#include "station/opis_miejsca.h"
#include "station/rogatka.h"
#include "station/tor.h"
#include "station/wlot.h"
#include "station/zwrotnica.h"
#include "tests/support/test_stacji.h"
#include "trains/czas.h"

#include <gtest/gtest.h>

#include <limits>
#include <stdexcept>

namespace {

using SymulacjaStacji = TTestStacji;

TEST_F(SymulacjaStacji, TheRunStartsAtFourWithTwoHundredPoints)
{
    EXPECT_DOUBLE_EQ(sym.CzasSymulacji, 4.0 / 24);
    EXPECT_EQ(sym.Dziennik().Score(), 200);
    EXPECT_EQ(sym.Stacja().Wszystkie<TElement>().size(), 83u);
}

TEST_F(SymulacjaStacji, AFaultIsShownAsAWarningAndLoggedWithItsPoints)
{
    auto& zw1 = *sym.Stacja().Znajdz<TZwrotnica>("zw1");
    zw1.SetStan(tStan::utwierdzony);
    sym.CzasSymulacji = (8 * 60 + 15) / 1440.0;
    sym.Wykonaj([&] { zw1.Click(); });
    ASSERT_EQ(komunikaty.Ostrzezenia.size(), 1u);
    EXPECT_EQ(komunikaty.Ostrzezenia[0].Tytul, "Próba przestawienia zwrotnicy.");
    // The warning adds where the switch leads, in the player's terms; the journal keeps the
    // fault's own words.
    EXPECT_EQ(komunikaty.Ostrzezenia[0].Opis, "zw1\r\nZwrotnica zw01: zw1\r\nZwrotnica zw1 leży w kierunku sC.");
    ASSERT_EQ(sym.Dziennik().Linie().size(), 1u);
    const TLiniaDziennika& l = sym.Dziennik().Linie()[0];
    EXPECT_EQ(l.Punkty, -10);
    EXPECT_EQ(l.Tekst, "Próba przestawienia zwrotnicy.");
    EXPECT_EQ(l.Opis, "zw1 • Zwrotnica zw01: zw1");
    EXPECT_EQ(CzasHHMMSS(l.Czas), "08:15:00");
    EXPECT_EQ(sym.Dziennik().Score(), 190);
}

TEST_F(SymulacjaStacji, APlaceIsDescribedByWhatThePlayerFindsOnTheDiagram)
{
    TStacja& st = sym.Stacja();
    // A track by the named points at its ends, the unnamed tracks between passed over.
    EXPECT_EQ(OpisMiejsca(st.Znajdz<TElement>("Tor7"), nullptr), "Tor7 leży między wOlsz a sA.");
    // A switch by where it leads as it lies now.
    auto& zw1 = *st.Znajdz<TZwrotnica>("zw1");
    const std::string przedtem = OpisMiejsca(&zw1, nullptr);
    EXPECT_EQ(przedtem, "Zwrotnica zw1 leży w kierunku sC.");
    zw1.FlipStatus(nullptr);
    EXPECT_NE(OpisMiejsca(&zw1, nullptr), przedtem);
    EXPECT_EQ(OpisMiejsca(&zw1, nullptr).rfind("Zwrotnica zw1 leży w kierunku ", 0), 0u);
    // An entry, a platform or a signal is named on the diagram: nothing to add.
    EXPECT_EQ(OpisMiejsca(st.Znajdz<TElement>("wOlsz"), nullptr), "");
    EXPECT_EQ(OpisMiejsca(st.Znajdz<TElement>("p1"), nullptr), "");
}

TEST_F(SymulacjaStacji, AFaultWithoutAnElementKeepsItsDescriptionAsItIs)
{
    sym.ObsluzWyjatek(std::make_exception_ptr(TElemExc(nullptr, "Tytuł\r\nlinia 1\r\nlinia 2", -33)));
    EXPECT_EQ(komunikaty.Ostrzezenia[0].Tytul, "Tytuł");
    EXPECT_EQ(komunikaty.Ostrzezenia[0].Opis, "linia 1\r\nlinia 2");
    EXPECT_EQ(sym.Dziennik().Linie()[0].Opis, "linia 1 • linia 2");
    EXPECT_EQ(sym.Dziennik().Score(), 167);
    sym.ObsluzWyjatek(std::make_exception_ptr(TElemExc(nullptr, "Sam tytuł", -10)));
    EXPECT_EQ(komunikaty.Ostrzezenia[1].Opis, "");
}

TEST_F(SymulacjaStacji, OtherExceptionsGoToAPlainMessageAndCostNothing)
{
    sym.Wykonaj([] { throw std::runtime_error("coś poszło nie tak"); });
    EXPECT_EQ(komunikaty.Teksty, std::vector<std::string>{"coś poszło nie tak"});
    EXPECT_TRUE(komunikaty.Ostrzezenia.empty());
    EXPECT_TRUE(sym.Dziennik().Linie().empty());
}

TEST_F(SymulacjaStacji, TheStationEntryWritesTheSimulationsLinesToTheJournal)
{
    sym.Stacja().Znajdz<TWlotStacyjny>("stacja_Drelinko")->DoDodajDoDziennika(20, "Odjazd", "pociąg\r\n34101");
    ASSERT_EQ(sym.Dziennik().Linie().size(), 1u);
    EXPECT_EQ(sym.Dziennik().Linie()[0].Opis, "pociąg • 34101");
    EXPECT_EQ(sym.Dziennik().Score(), 220);
}

TEST_F(SymulacjaStacji, TheEnginesJudgementsReachTheJournalEvenWithoutTheStationsOwnEntry)
{
    sym.Stacja().Usun(sym.Stacja().Znajdz("stacja_Drelinko"));
    sym.Pokaz();
    sym.Silnik().ZapiszWDzienniku(-10, "Pociąg czeka.", "34101");
    ASSERT_EQ(sym.Dziennik().Linie().size(), 2u);
    EXPECT_EQ(sym.Dziennik().Linie()[1].Tekst, "Pociąg czeka.");
    EXPECT_EQ(sym.Dziennik().Score(), 390);
}

TEST(Dziennik, AScoreThatWouldLeave32BitsIsRefusedBeforeAnythingChanges)
{
    TDziennik d;
    d.SetScore(std::numeric_limits<std::int32_t>::max() - 5);
    EXPECT_THROW(d.DodajLinie(10, "x", "", 0, 0), std::overflow_error);
    EXPECT_EQ(d.Score(), std::numeric_limits<std::int32_t>::max() - 5);
    EXPECT_TRUE(d.Linie().empty());
    d.DodajLinie(0, "informacja", "", 0, 0);
    EXPECT_EQ(d.Score(), std::numeric_limits<std::int32_t>::max() - 5);
}

TEST(Dziennik, TimesAreShownWithLeadingZeros)
{
    EXPECT_EQ(CzasHHMMSS(4.0 / 24 + 5.0 / 86400), "04:00:05");
    EXPECT_EQ(CzasHHMM(23.5 / 24), "23:30");
    EXPECT_EQ(CzasHHMMSS(1.0 - 0.1 / 86400), "00:00:00");
}

}  // namespace
