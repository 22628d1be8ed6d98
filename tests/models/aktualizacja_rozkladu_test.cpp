#include "core/wkt_files.h"
#include "core/wkt_generic.h"
#include "models/aktualizacja_rozkladu.h"
#include "tests/support/katalog_tymczasowy.h"
#include "tests/support/zapisujace.h"
#include "trains/rozklad.h"
#include "trains/rozklad_csv.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

const char* const Naglowek = "numer,relacja_od,relacja_do,sklad,wjezdza,wyjezdza,przyjazd,odjazd,opis,bez_peronu\n";

class AktualizacjaRozkladu : public ::testing::Test {
protected:
    TKatalogTymczasowy katalog;
    TKomunikatyZapis komunikaty;
    std::string rozklad = NazwaPlikuRozkladu();

    AktualizacjaRozkladu()
    {
        ZarejestrujPociag();
        // The timetable the program has now: one train.
        Pisz("stary.csv", std::string(Naglowek) + "111,Olszarzyna,Brzelany,s12,wOlsz,wBrz,4:08,4:12,stary,0\n");
        EXPECT_TRUE(AktualizujRozklad(katalog.Sciezka("stary.csv"), rozklad).Udana);
    }
    void Pisz(const std::string& nazwa, const std::string& tekst)
    {
        std::ofstream(katalog.Sciezka(nazwa), std::ios::binary) << tekst;
    }
    std::vector<std::string> Numery(const std::string& plik)
    {
        tWktGenericList lista;
        EXPECT_TRUE(LoadFromFile(lista, plik));
        std::vector<std::string> numery;
        for (int i = 0; i < lista.Count(); ++i)
            numery.push_back(lista.At<TPociag>(i)->Numer());
        return numery;
    }
};

}  // namespace

TEST_F(AktualizacjaRozkladu, ASoundCsvReplacesTheTimetableAndTheOldOneIsKeptAsABackup)
{
    Pisz("nowy.csv", std::string(Naglowek) + "222,Wirowa,Olszarzyna,a2a,wWirowa,wOlsz,5:20,5:24,nowy,0\n" +
                         "333,,Brzelany,s12,,wBrz,6:00,6:05,od nas,0\n");
    const auto wynik = AktualizujRozklad(katalog.Sciezka("nowy.csv"), rozklad);
    ASSERT_TRUE(wynik.Udana) << (wynik.Bledy.empty() ? "" : wynik.Bledy.front());
    EXPECT_EQ(wynik.Pociagow, 2);
    EXPECT_EQ(Numery(rozklad), (std::vector<std::string>{"222", "333"}));
    ASSERT_FALSE(wynik.Kopia.empty());
    EXPECT_EQ(Numery(wynik.Kopia), std::vector<std::string>{"111"});
}

TEST_F(AktualizacjaRozkladu, ABackupOfTheReplacedTimetableSurvivesTheNextSaves)
{
    Pisz("nowy.csv", std::string(Naglowek) + "222,Wirowa,Olszarzyna,a2a,wWirowa,wOlsz,5:20,5:24,nowy,0\n");
    const auto wynik = AktualizujRozklad(katalog.Sciezka("nowy.csv"), rozklad);
    ASSERT_TRUE(wynik.Udana);
    // Two ordinary saves of the timetable window rotate their own backup.
    tWktGenericList lista;
    ASSERT_TRUE(LoadFromFile(lista, rozklad));
    ASSERT_TRUE(SaveToFile(lista, rozklad, true));
    ASSERT_TRUE(SaveToFile(lista, rozklad, true));
    EXPECT_EQ(Numery(wynik.Kopia), std::vector<std::string>{"111"});
}

TEST_F(AktualizacjaRozkladu, ATimetableFileIsCheckedAgainstTheStationsLinesAndRefusedWholeWithAForeignEntry)
{
    const std::string tekst = std::string(Naglowek) +
                              "222,Wirowa,Olszarzyna,a2a,wWirowa,wOlsz,5:20,5:24,dobry,0\n"
                              "444,Zalesie,Brzelany,s12,wZalesie,wBrz,6:00,6:05,obcy,0\n";
    Pisz("obcy.csv", tekst);
    // The same as the program's own format, so that the .dat way in is checked as well.
    TImportCsv csv = CzytajRozkladCsv(tekst, {"wWirowa", "wOlsz", "wBrz", "wZalesie"});
    ASSERT_TRUE(csv.Bledy.empty());
    tWktGenericList lista;
    for (auto& t : csv.Pociagi)
        lista.Append(std::move(t));
    ASSERT_TRUE(SaveToFile(lista, katalog.Sciezka("obcy.dat"), false));

    for (const char* plik : {"obcy.csv", "obcy.dat"}) {
        const auto wynik = AktualizujRozklad(katalog.Sciezka(plik), rozklad);
        EXPECT_FALSE(wynik.Udana) << plik;
        ASSERT_EQ(wynik.Bledy.size(), 1u) << plik;
        EXPECT_NE(wynik.Bledy.front().find("wZalesie"), std::string::npos) << wynik.Bledy.front();
        EXPECT_EQ(Numery(rozklad), std::vector<std::string>{"111"}) << plik;
    }
}

TEST_F(AktualizacjaRozkladu, ACsvWithABadRowWritesNothingAndNamesTheRow)
{
    Pisz("zly.csv", std::string(Naglowek) + "222,Wirowa,Olszarzyna,a2a,wWirowa,wOlsz,25:20,5:24,zly,0\n");
    const auto przed = katalog.Pliki();
    EXPECT_FALSE(AktualizujRozklad(katalog.Sciezka("zly.csv"), rozklad, komunikaty));
    EXPECT_EQ(katalog.Pliki(), przed);
    ASSERT_EQ(komunikaty.Teksty.size(), 1u);
    EXPECT_EQ(komunikaty.Teksty.front().rfind("Nie zaktualizowałem rozkładu jazdy:", 0), 0u);
    EXPECT_NE(komunikaty.Teksty.front().find("przyjazd"), std::string::npos) << komunikaty.Teksty.front();
    EXPECT_EQ(komunikaty.Bledy, komunikaty.Teksty) << "shown as a failure, not as news";
    EXPECT_EQ(Numery(rozklad), std::vector<std::string>{"111"});
}

TEST_F(AktualizacjaRozkladu, AnEmptyAMissingADamagedOrAnotherKindOfFileIsRefused)
{
    Pisz("pusty.csv", Naglowek);
    Pisz("uszkodzony.dat", "to nie jest rozkład");
    Pisz("rozklad.txt", std::string(Naglowek) + "222,Wirowa,Olszarzyna,a2a,wWirowa,wOlsz,5:20,5:24,nowy,0\n");
    for (const char* plik : {"pusty.csv", "brak.csv", "brak.dat", "uszkodzony.dat", "rozklad.txt"}) {
        const auto wynik = AktualizujRozklad(katalog.Sciezka(plik), rozklad);
        EXPECT_FALSE(wynik.Udana) << plik;
        EXPECT_FALSE(wynik.Bledy.empty()) << plik;
    }
    EXPECT_EQ(Numery(rozklad), std::vector<std::string>{"111"});
}

TEST_F(AktualizacjaRozkladu, TheProgramsOwnTimetableIsNotTakenAsItsUpdate)
{
    const auto przed = katalog.Pliki();
    const auto wynik = AktualizujRozklad(rozklad, rozklad);
    EXPECT_FALSE(wynik.Udana);
    EXPECT_EQ(katalog.Pliki(), przed);
}

TEST_F(AktualizacjaRozkladu, ASuccessfulUpdateTellsTheCountOfTrainsAndTheBackup)
{
    Pisz("nowy.csv", std::string(Naglowek) + "222,Wirowa,Olszarzyna,a2a,wWirowa,wOlsz,5:20,5:24,nowy,0\n" +
                         "223,Wirowa,Olszarzyna,a2a,wWirowa,wOlsz,6:20,6:24,nowy,0\n");
    EXPECT_TRUE(AktualizujRozklad(katalog.Sciezka("nowy.csv"), rozklad, komunikaty));
    ASSERT_EQ(komunikaty.Teksty.size(), 1u);
    EXPECT_EQ(komunikaty.Teksty.front().substr(0, komunikaty.Teksty.front().find('\r')),
              "Rozkład jazdy zaktualizowany: 2 pociągi.");
    EXPECT_NE(komunikaty.Teksty.front().find("Kopia "), std::string::npos) << komunikaty.Teksty.front();
    EXPECT_TRUE(komunikaty.Bledy.empty()) << "a success is news, not a failure";
}
