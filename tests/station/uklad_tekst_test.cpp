#include "station/stacja.h"
#include "station/uklad.h"
#include "station/uklad_tekst.h"
#include "tests/support/stacja_testowa.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

using TPary = std::vector<std::pair<std::string, std::string>>;

TPary Pary(const std::vector<TRekordUkladu::Wlasciwosc>& w)
{
    TPary p;
    for (const auto& x : w)
        p.emplace_back(x.Nazwa, x.Wartosc);
    return p;
}

// The message of the TBladUkladu the text raises, cut to the length of the expected one.
std::string Blad(const std::string& tekst, std::size_t dlugosc)
{
    try {
        CzytajUklad(tekst);
    } catch (const TBladUkladu& e) {
        return std::string(e.what()).substr(0, dlugosc);
    }
    return "no error";
}

struct TPrzypadek {
    std::string Tekst;
    std::string Poczatek;  // the message must begin with this
};

void SprawdzBledy(const std::vector<TPrzypadek>& przypadki)
{
    for (const auto& [tekst, poczatek] : przypadki)
        EXPECT_EQ(Blad(tekst, poczatek.size()), poczatek) << tekst;
}

// A first element, so that the faulty line below it is line 2.
const std::string Pierwszy = "TPunktTorowy p scb 0 0 1 1\n";

TEST(UkladTekst, AnElementHasItsClassDefaultsWithItsOwnValuesInTheirPlaceAndItsOtherPropertiesAfter)
{
    const auto u = CzytajUklad("domyslne TTor ShowHint=True LewyStatus=gora PrawyStatus=gora\n"
                               "domyslne TSemafor Typ=stLewy\n"
                               "TTor T1 scb 1 2 3 4\n"
                               "TTor T2 tsSterowanie -5 6 7 8 PrawyStatus=dol Hint=x LewyStatus=dol\n"
                               "TSemafor S1 scb 0 0 14 15 Typ=stPrawy\n"
                               "TPunktTorowy P scb 0 0 1 1 Color=clGray\n");
    ASSERT_EQ(u.size(), 4u);
    EXPECT_EQ(Pary(u[0].Wlasciwosci), (TPary{{"ShowHint", "True"}, {"LewyStatus", "gora"}, {"PrawyStatus", "gora"}}));
    EXPECT_EQ(Pary(u[1].Wlasciwosci),
              (TPary{{"ShowHint", "True"}, {"LewyStatus", "dol"}, {"PrawyStatus", "dol"}, {"Hint", "x"}}));
    EXPECT_EQ(Pary(u[2].Wlasciwosci), (TPary{{"Typ", "stPrawy"}}));
    EXPECT_EQ(Pary(u[3].Wlasciwosci), (TPary{{"Color", "clGray"}}));
    const TRekordUkladu& t2 = u[1];
    EXPECT_EQ(t2.Klasa + " " + t2.Nazwa + " " + t2.Kontener, "TTor T2 tsSterowanie");
    EXPECT_EQ((std::vector<int>{t2.Left, t2.Top, t2.Width, t2.Height}), (std::vector<int>{-5, 6, 7, 8}));
    EXPECT_EQ(t2.Wiersz, 4);
}

TEST(UkladTekst, ReferencesAreKeptApartFromPropertiesInTheOrderWrittenOverContinuedLines)
{
    const auto u = CzytajUklad("TPunktTorowy a scb 0 0 1 1\n"
                               "TTor t scb 0 0 1 1 PrawyPunkt->b Hint=h\n"
                               "# the points of the track\n"
                               "    LewyPunkt->A Pojemnosc=2\n"
                               "TPunktTorowy b scb 0 0 1 1\n");
    ASSERT_EQ(u.size(), 3u);
    EXPECT_EQ(Pary(u[1].Wlasciwosci), (TPary{{"Hint", "h"}, {"Pojemnosc", "2"}}));
    EXPECT_EQ(Pary(u[1].Referencje), (TPary{{"PrawyPunkt", "b"}, {"LewyPunkt", "A"}}));
    EXPECT_EQ(u[2].Wiersz, 5);
}

TEST(UkladTekst, AQuotedValueKeepsSpacesCommasAndHashesAndADoubledQuoteIsOneQuote)
{
    const auto u = CzytajUklad("# a layout written on Windows\r\n"
                               "\r\n"
                               "TPunktTorowy p scb 0 0 1 1 Color=\"197, 190, 180\"\r\n"
                               "    Hint=\"Tor \"\"T29\"\" # 2\"  # a note\r\n"
                               "\tFont.Name=a,b#c Caption=\"\"\r\n");
    ASSERT_EQ(u.size(), 1u);
    EXPECT_EQ(Pary(u[0].Wlasciwosci), (TPary{{"Color", "197, 190, 180"},
                                             {"Hint", "Tor \"T29\" # 2"},
                                             {"Font.Name", "a,b#c"},
                                             {"Caption", ""}}));
    EXPECT_EQ(u[0].Wiersz, 3);
}

TEST(UkladTekst, AMalformedWordIsAProgramErrorNamingItsLine)
{
    SprawdzBledy({
        {Pierwszy + "TTor t scb 0 0 1 1 Hint=\"abc", "Wiersz 2: cudzysłów po Hint= nie jest zamknięty"},
        {Pierwszy + "TTor t scb 0 0 1 1 Hint=a\"b\"", "Wiersz 2: cudzysłów w środku wartości Hint="},
        {Pierwszy + "TTor t scb 0 0 1 1 Hint=\"a\"b", "Wiersz 2: po cudzysłowie zamykającym wartość Hint= musi"},
        {Pierwszy + "TTor t scb 0 0 1 1\n    Hint= Stan=wolny", "Wiersz 3: brak wartości po Hint="},
        {Pierwszy + "TTor t scb 0 0 1 1 LewyPunkt->", "Wiersz 2: brak wartości po LewyPunkt->"},
        {Pierwszy + "TTor t scb 0 0 1 1 =x", "Wiersz 2: słowo =x nie jest ani nazwą"},
        {Pierwszy + "\"TTor\" t scb 0 0 1 1", "Wiersz 2: słowo \"TTor\" nie jest ani nazwą"},
        {Pierwszy + "\n    Hint=x", "Wiersz 3: wcięty wiersz nie ma czego ciągnąć"},
        {"  " + Pierwszy, "Wiersz 1: wcięty wiersz nie ma czego ciągnąć"},
    });
}

TEST(UkladTekst, AMalformedElementIsAProgramErrorNamingItsLine)
{
    SprawdzBledy({
        {Pierwszy + "domylsne TTor Hint=x", "Wiersz 2: nieznane słowo kluczowe domylsne."},
        {Pierwszy + "9Tor t scb 0 0 1 1", "Wiersz 2: 9Tor nie jest nazwą klasy."},
        {Pierwszy + "Hint=x", "Wiersz 2: wiersz zaczyna się od Hint"},
        {Pierwszy + "TTor", "Wiersz 2: brak nazwy."},
        {Pierwszy + "TTor t scb 0 0 1 Hint=x", "Wiersz 2: brak Height elementu t."},
        {Pierwszy + "TTor t scb 0 0x1 1 1", "Wiersz 2: Top elementu t to \"0x1\", a nie liczba całkowita."},
        {Pierwszy + "TTor t scb 99999999999 0 1 1", "Wiersz 2: Left elementu t to \"99999999999\""},
        {Pierwszy + "TTor t scb 0 0 1 -1", "Wiersz 2: element t ma ujemną szerokość albo wysokość."},
        {Pierwszy + "TTor t-1 scb 0 0 1 1", "Wiersz 2: t-1 nie jest nazwą elementu"},
        {Pierwszy + "TTor t scb 0 0 1 1 2", "Wiersz 2: nadmiarowe słowo 2;"},
        {Pierwszy + "TTor t scb 0 0 1 1 1Hint=x", "Wiersz 2: 1Hint nie jest nazwą właściwości ani odwołania."},
        {Pierwszy + "TTor t scb 0 0 1 1 LewyPunkt->\"p q\"", "Wiersz 2: LewyPunkt->p q nie wskazuje nazwy elementu."},
    });
}

TEST(UkladTekst, ANameGivenTwiceOrPointingNowhereIsAProgramErrorNamingItsLine)
{
    SprawdzBledy({
        {Pierwszy + "TTor t scb 0 0 1 1 Hint=a\n    Hint=b", "Wiersz 3: Hint podano już w wierszu 2."},
        {Pierwszy + "TPunktButton b scb 0 0 1 1 Element=p Element->p", "Wiersz 2: Element podano już w wierszu 2."},
        {Pierwszy + "TTor P scb 0 0 1 1", "Wiersz 2: element P jest już w wierszu 1."},
        {Pierwszy + "TTor t scb 0 0 1 1 LewyPunkt->p\n    PrawyPunkt->q",
         "Wiersz 3: PrawyPunkt->q wskazuje element, którego nie ma w układzie."},
    });
}

TEST(UkladTekst, DefaultsMustComeOnceBeforeTheirClassTakeNoReferencesAndBeUsed)
{
    SprawdzBledy({
        {"domyslne TTor Hint=a\ndomyslne TTor Hint=b\nTTor t scb 0 0 1 1",
         "Wiersz 2: domyślne klasy TTor podano już w wierszu 1."},
        {Pierwszy + "domyslne TPunktTorowy Hint=a",
         "Wiersz 2: domyślne klasy TPunktTorowy muszą poprzedzać jej pierwszy element, z wiersza 1."},
        {Pierwszy + "domyslne TTOr Hint=a", "Wiersz 2: domyślne klasy TTOr, a żaden element nie jest tej klasy."},
        {Pierwszy + "domyslne TTor Hint=a\n    LewyPunkt->p", "Wiersz 3: domyślne nie wskazują elementów;"},
        {Pierwszy + "domyslne", "Wiersz 2: brak klasy po domyslne."},
        {Pierwszy + "domyslne tor Hint=a", "Wiersz 2: tor nie jest nazwą klasy."},
    });
}

TEST(UkladTekst, AValueTheElementRefusesIsReportedAtTheLineOfTheElement)
{
    TZegaryReczne zegary;
    TDzwiekiZapis dzwieki;
    TKomunikatyZapis komunikaty;
    TStacja s(zegary, dzwieki, komunikaty);
    const auto uklad = CzytajUklad(Pierwszy + "\nTTor t scb 0 0 1 1\n    LewyStatus=srodek\n");
    try {
        ZbudujUklad(s, uklad, KlasyStacji());
        ADD_FAILURE() << "no error";
    } catch (const TBladUkladu& e) {
        EXPECT_EQ(std::string(e.what()), "Wiersz 3: Element t (TTor) nie przyjmuje LewyStatus = \"srodek\".");
    }
}

TEST(UkladTekst, TheShippedLayoutIsTheDataFileReadWithoutFault)
{
    std::ifstream plik(DRELINKO_SOURCE_DIR "/data/drelinko.uklad", std::ios::binary);
    ASSERT_TRUE(plik) << "data/drelinko.uklad";
    std::ostringstream tekst;
    tekst << plik.rdbuf();
    EXPECT_EQ(TekstUkladuDrelinka(), tekst.str());
    try {
        EXPECT_EQ(UkladDrelinka().size(), 151u);
    } catch (const TBladUkladu& e) {
        FAIL() << e.what();
    }
}

TEST(UkladTekst, TheNamesOfAClassAreThoseOfExactlyThatClassInLayoutOrder)
{
    const auto u = CzytajUklad("TWlot b scb 0 0 1 1\nTWlotStacyjny s scb 0 0 1 1\nTWlot a scb 0 0 1 1\n");
    EXPECT_EQ(NazwyElementow(u, "TWlot"), (std::vector<std::string>{"b", "a"}));
    EXPECT_EQ(NazwyElementow(UkladDrelinka(), "TWlot"), (std::vector<std::string>{"wBrz", "wOlsz", "wWirowa"}));
}

}  // namespace
