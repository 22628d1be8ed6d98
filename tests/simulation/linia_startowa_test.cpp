#include "run/symulacja_stacji.h"
#include "simulation/linia_startowa.h"
#include "tests/support/srodowisko_testowe.h"
#include "trains/czas.h"

#include <gtest/gtest.h>

namespace {

double G(int h, int m) { return (h * 3600 + m * 60) / 86400.0; }

class LiniaStartowa : public ::testing::Test {
protected:
    TUstawieniaPamiec ustawienia;
    TKomunikatyZapis komunikaty;
    TLiniaStartowa linia{ustawienia, komunikaty};

    std::string Zapisana() const
    {
        return ustawienia.Czytaj(TLiniaStartowa::Klucz, TLiniaStartowa::GodzStartu, "(brak)");
    }
};

}  // namespace

TEST(PolecenieStartu, EachCommandNumberMapsToItsActionAndEveryOtherNumberToNothing)
{
    EXPECT_EQ(PolecenieStartu(31), tPolecenieStartu::psRozklad);
    EXPECT_EQ(PolecenieStartu(43), tPolecenieStartu::psInstrukcja);
    EXPECT_EQ(PolecenieStartu(44), tPolecenieStartu::psZacznij);
    EXPECT_EQ(PolecenieStartu(414), tPolecenieStartu::psZacznijOdGodziny);
    EXPECT_EQ(PolecenieStartu(99), tPolecenieStartu::psPokaz);
    EXPECT_EQ(PolecenieStartu(45), tPolecenieStartu::psSamouczek);
    for (int inny : {0, 1, 30, 32, 42, 46, 98, 100, 413, 415, 777, -31})
        EXPECT_EQ(PolecenieStartu(inny), tPolecenieStartu::psBrak) << inny;
}

TEST(PolecenieStartu, ALinkTargetThatIsNotAWholeDecimalNumberCountsAsZero)
{
    EXPECT_EQ(NumerLinku("31"), 31);
    EXPECT_EQ(NumerLinku("414"), 414);
    for (const char* cel : {"", "GodzStartu", "31a", "3 1", " 31", "0x1F", "drelinko.htm", "99999999999999"})
        EXPECT_EQ(NumerLinku(cel), 0) << cel;
}

TEST(PolecenieStartu, AHelpRequestIsACommandOnlyWithTheCommandCode777)
{
    EXPECT_EQ(PolecenieZPomocy(777, 31), tPolecenieStartu::psRozklad);
    EXPECT_EQ(PolecenieZPomocy(777, 42), tPolecenieStartu::psBrak);
    EXPECT_EQ(PolecenieZPomocy(1, 31), tPolecenieStartu::psBrak);
    EXPECT_EQ(PolecenieZPomocy(776, 414), tPolecenieStartu::psBrak);
}

TEST(NormalizujGodzine, AnHourWithOrWithoutLeadingZerosOrSecondsIsStoredAsHMm)
{
    for (const char* tekst : {"7:05", "07:05", "7:5", "07:05:00", "7:05:59", " 7:05 ", "07:5:9"})
        EXPECT_EQ(NormalizujGodzine(tekst), std::optional<std::string>("7:05")) << tekst;
    EXPECT_EQ(NormalizujGodzine("0:00"), std::optional<std::string>("0:00"));
    EXPECT_EQ(NormalizujGodzine("23:59:59"), std::optional<std::string>("23:59"));
    EXPECT_EQ(NormalizujGodzine("14:20"), std::optional<std::string>("14:20"));
}

TEST(NormalizujGodzine, WhatIsNotATimeOfDayIsRefused)
{
    for (const char* tekst : {"", "   ", "25:00", "24:00", "7:60", "7:05:60", "7", "7:", ":05", "7.30", "7,30",
                              "7:05:", "7:05:00:00", "007:05", "7:005", "-1:00", "7 :05", "siódma", "7:05 rano"})
        EXPECT_EQ(NormalizujGodzine(tekst), std::nullopt) << '"' << tekst << '"';
}

TEST_F(LiniaStartowa, TheStartHourIs410UntilOneIsStored)
{
    EXPECT_EQ(linia.Wartosc("GodzStartu"), "4:10");
    EXPECT_EQ(Milisekundy(linia.GodzinaStartu()), Milisekundy(G(4, 10)));
}

TEST_F(LiniaStartowa, TheCommandLinksShowTutajAndTheSentencesReadAsThreeLines)
{
    EXPECT_EQ(linia.Wartosc("44"), "tutaj");
    EXPECT_EQ(linia.Wartosc("414"), "tutaj");
    std::vector<std::string> wiersze;
    for (const auto& p : TLiniaStartowa::Parametry()) {
        std::string zdanie = p.Zdanie;
        zdanie.replace(zdanie.find("%s"), 2, linia.TekstLinku(p.Nazwa));
        wiersze.resize(std::max<std::size_t>(wiersze.size(), static_cast<std::size_t>(p.Wiersz) + 1));
        wiersze[static_cast<std::size_t>(p.Wiersz)] += zdanie;
    }
    EXPECT_EQ(wiersze, (std::vector<std::string>{"Kliknij tutaj, aby zacząć od początku.",
                                                 "Aby zacząć od godziny 4:10, kliknij tutaj.",
                                                 "Utrudnienia: 0 (brak), ziarno dnia: losowe."}));
}

TEST_F(LiniaStartowa, TheLevelIsAWholeNumberFrom0To3ShownWithItsName)
{
    EXPECT_EQ(linia.PoziomUtrudnien(), 0);
    for (const char* zly : {"4", "-1", "1.5", "dużo", ""}) {
        EXPECT_EQ(linia.Wpisz("Utrudnienia", zly), TLiniaStartowa::tWpis::wpOdrzucony) << zly;
        EXPECT_EQ(komunikaty.Teksty.back(), TLiniaStartowa::ZleUtrudnienia);
    }
    EXPECT_EQ(linia.Wpisz("utrudnienia", " 3 "), TLiniaStartowa::tWpis::wpPrzyjety);
    EXPECT_EQ(linia.Wartosc("Utrudnienia"), "3");
    EXPECT_EQ(linia.TekstLinku("Utrudnienia"), "3 (pełne)");
    EXPECT_EQ(linia.PoziomUtrudnien(), 3);
}

TEST_F(LiniaStartowa, TheSeedIsDrawnUntilANumberIsEnteredAndEmptyDrawsAgain)
{
    EXPECT_EQ(linia.Wartosc("Ziarno"), "losowe");
    EXPECT_EQ(linia.WybraneZiarno(), std::nullopt);
    EXPECT_EQ(linia.Wpisz("Ziarno", "2147483647"), TLiniaStartowa::tWpis::wpPrzyjety);
    EXPECT_EQ(linia.WybraneZiarno(), std::optional<std::uint64_t>(2147483647));
    for (const char* zly : {"2147483648", "-5", "12a", "losowo"}) {
        EXPECT_EQ(linia.Wpisz("Ziarno", zly), TLiniaStartowa::tWpis::wpOdrzucony) << zly;
        EXPECT_EQ(komunikaty.Teksty.back(), TLiniaStartowa::ZleZiarno);
    }
    EXPECT_EQ(linia.WybraneZiarno(), std::optional<std::uint64_t>(2147483647));
    EXPECT_EQ(linia.Wpisz("Ziarno", "  "), TLiniaStartowa::tWpis::wpPrzyjety);
    EXPECT_EQ(linia.Wartosc("Ziarno"), "losowe");
    EXPECT_EQ(linia.WybraneZiarno(), std::nullopt);
}

TEST_F(LiniaStartowa, AStoredLevelOrSeedThatIsNoValueReadsAsItsDefaultAndStaysInTheStore)
{
    ustawienia.Zapisz(TLiniaStartowa::Klucz, "Utrudnienia", "7");
    ustawienia.Zapisz(TLiniaStartowa::Klucz, "Ziarno", "-3");
    EXPECT_EQ(linia.PoziomUtrudnien(), 0);
    EXPECT_EQ(linia.WybraneZiarno(), std::nullopt);
    EXPECT_EQ(ustawienia.Czytaj(TLiniaStartowa::Klucz, "Utrudnienia", ""), "7");
}

TEST_F(LiniaStartowa, AValidEntryIsStoredNormalisedWithoutAMessage)
{
    EXPECT_EQ(linia.Wpisz("GodzStartu", "07:05:30"), TLiniaStartowa::tWpis::wpPrzyjety);
    EXPECT_EQ(Zapisana(), "7:05");
    EXPECT_EQ(linia.Wartosc("GodzStartu"), "7:05");
    EXPECT_TRUE(komunikaty.Teksty.empty());
}

TEST_F(LiniaStartowa, TheParameterNameIsComparedWithoutRegardToCase)
{
    EXPECT_EQ(linia.Wpisz("godzstartu", "9:15"), TLiniaStartowa::tWpis::wpPrzyjety);
    EXPECT_EQ(linia.Wartosc("GODZSTARTU"), "9:15");
    EXPECT_EQ(Zapisana(), "9:15");
}

TEST_F(LiniaStartowa, Entering2500ShowsTheMessageAndKeepsThePreviousValue)
{
    EXPECT_EQ(linia.Wpisz("GodzStartu", "25:00"), TLiniaStartowa::tWpis::wpOdrzucony);
    EXPECT_EQ(komunikaty.Teksty, std::vector<std::string>{"Musisz podać poprawną godzinę!"});
    EXPECT_EQ(komunikaty.Bledy, komunikaty.Teksty);
    EXPECT_EQ(linia.Wartosc("GodzStartu"), "4:10");
    EXPECT_EQ(Zapisana(), "(brak)");

    linia.Wpisz("GodzStartu", "6:45");
    EXPECT_EQ(linia.Wpisz("GodzStartu", "6.50"), TLiniaStartowa::tWpis::wpOdrzucony);
    EXPECT_EQ(Zapisana(), "6:45");
}

TEST_F(LiniaStartowa, TheCommandLinksAndUnknownNamesTakeNoValue)
{
    EXPECT_EQ(linia.Wpisz("44", "5:00"), TLiniaStartowa::tWpis::wpStaly);
    EXPECT_EQ(linia.Wpisz("414", "5:00"), TLiniaStartowa::tWpis::wpStaly);
    EXPECT_EQ(linia.Wpisz("GodzKonca", "5:00"), TLiniaStartowa::tWpis::wpNieznany);
    EXPECT_TRUE(ustawienia.Wartosci.empty());
    EXPECT_EQ(linia.Wartosc("GodzKonca"), "");
    EXPECT_EQ(TLiniaStartowa::Parametr("GodzKonca"), nullptr);
}

TEST_F(LiniaStartowa, AStoredValueThatIsNotATimeShowsAs410AndIsNotWrittenBack)
{
    for (const char* zle : {"", "rano", "25:00", "4.10"}) {
        ustawienia.Zapisz(TLiniaStartowa::Klucz, TLiniaStartowa::GodzStartu, zle);
        EXPECT_EQ(linia.Wartosc("GodzStartu"), "4:10") << zle;
        EXPECT_EQ(Milisekundy(linia.GodzinaStartu()), Milisekundy(G(4, 10))) << zle;
        EXPECT_EQ(Zapisana(), zle);
    }
}

TEST_F(LiniaStartowa, AStoredValueWrittenByHandWithLeadingZerosIsReadAsItsTime)
{
    ustawienia.Zapisz(TLiniaStartowa::Klucz, TLiniaStartowa::GodzStartu, "08:00:30");
    EXPECT_EQ(linia.Wartosc("GodzStartu"), "8:00");
    EXPECT_EQ(Milisekundy(linia.GodzinaStartu()), Milisekundy(G(8, 0)));
}

TEST(LiniaStartowaIStacja, ClosingTheStationAt1420MakesTheNextRunAtTheChosenHourStartAt1420)
{
    TSrodowiskoTestowe s;
    TLiniaStartowa linia(s.Ustawienia, s.Komunikaty);
    {
        TSymulacjaStacji sym(s.Uslugi, s.Rozklad);
        sym.CzasSymulacji = G(14, 20) + 25.0 / 86400;
        sym.Zamknij();
    }
    EXPECT_EQ(linia.Wartosc("GodzStartu"), "14:20");
    EXPECT_EQ(Milisekundy(linia.GodzinaStartu()), Milisekundy(G(14, 20)));
}

TEST(LiniaStartowaIStacja, ClosingTheStationAfter2136LeavesTheStartHourAsItWas)
{
    TSrodowiskoTestowe s;
    TLiniaStartowa linia(s.Ustawienia, s.Komunikaty);
    linia.Wpisz("GodzStartu", "6:00");
    TSymulacjaStacji sym(s.Uslugi, s.Rozklad);
    sym.CzasSymulacji = G(22, 10);
    sym.Zamknij();
    EXPECT_EQ(linia.Wartosc("GodzStartu"), "6:00");
}
