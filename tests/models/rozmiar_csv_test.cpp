// A CSV file larger than any timetable can be is refused by its size, before it is read, wherever a
// timetable comes in from one: the timetable window's import and the update of the timetable.
#include "models/aktualizacja_rozkladu.h"
#include "models/model_rozkladu.h"
#include "tests/support/pociag_testowy.h"
#include "tests/support/srodowisko_testowe.h"
#include "trains/rozklad.h"
#include "trains/rozklad_csv.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

const TDanePociagu Przelotowy{"34101", "Olszarzyna", "Brzelany", "s122", "wOlsz", "wBrz", "4:08", "4:12", "osobowy"};

class RozmiarCsv : public ::testing::Test {
protected:
    TSrodowiskoTestowe s;

    RozmiarCsv()
    {
        s.Rozklad.Rozklad.Append(PociagTestowy(Przelotowy));
        EXPECT_TRUE(s.Rozklad.ZapiszRozklad());
    }
    // A sparse file of 100 MB that starts as a timetable: it takes no room and is never read whole.
    std::string Duzy() const
    {
        const std::string plik = s.Katalog.Sciezka("duzy.csv");
        std::ofstream(plik, std::ios::binary) << KolumnyRozkladuCsv << '\n'
                                               << "1,A,B,s1,wOlsz,wBrz,4:00,4:01,\"";
        std::filesystem::resize_file(plik, 100'000'000);
        return plik;
    }
    std::string Plik() const
    {
        std::ifstream we(NazwaPlikuRozkladu(), std::ios::binary);
        return {std::istreambuf_iterator<char>(we), {}};
    }
};

TEST_F(RozmiarCsv, TheWindowsImportRefusesItNamingTheSizesAndChangesNothing)
{
    TModelRozkladu m(s.Rozklad, s.Komunikaty, WlotyUkladu(s.Komunikaty));
    m.Pokaz();
    const std::string przed = Plik();
    const std::string plik = Duzy();
    EXPECT_FALSE(m.ImportujCsv(plik));
    ASSERT_EQ(s.Komunikaty.Teksty.size(), 1u);
    const std::string& tekst = s.Komunikaty.Teksty.front();
    EXPECT_NE(tekst.find("Nie można zaimportować pliku " + plik), std::string::npos) << tekst;
    EXPECT_NE(tekst.find("za duży na rozkład jazdy: ma 100,0 MB"), std::string::npos) << tekst;
    EXPECT_NE(tekst.find("Rozkład jazdy nie został zmieniony."), std::string::npos) << tekst;
    ASSERT_EQ(s.Rozklad.Ile(), 1);
    EXPECT_EQ(s.Rozklad.Pociag(0)->Numer(), "34101");
    EXPECT_EQ(Plik(), przed);
}

TEST_F(RozmiarCsv, TheUpdateRefusesItNamingTheSizes)
{
    const std::string przed = Plik();
    const TAktualizacjaRozkladu wynik = AktualizujRozklad(Duzy(), NazwaPlikuRozkladu());
    EXPECT_FALSE(wynik.Udana);
    ASSERT_EQ(wynik.Bledy.size(), 1u);
    EXPECT_NE(wynik.Bledy[0].find("za duży na rozkład jazdy: ma 100,0 MB"), std::string::npos) << wynik.Bledy[0];
    EXPECT_EQ(Plik(), przed);
}

}  // namespace
