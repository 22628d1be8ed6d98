#include "core/wkt_files.h"
#include "tests/support/katalog_tymczasowy.h"
#include "tests/support/zapisujace.h"
#include "trains/rozklad.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

namespace {

using Bajty = std::vector<std::uint8_t>;

class RozkladJazdy : public ::testing::Test {
protected:
    TKatalogTymczasowy katalog;
    TKomunikatyZapis komunikaty;
    TKursoryZapis kursory;
    TRozkladJazdy rozklad{NazwaPlikuRozkladu(), komunikaty, kursory};

    TPociag& Dodaj(const std::string& numer)
    {
        auto t = std::make_unique<TPociag>();
        t->SetNumer(numer);
        TPociag& ref = *t;
        rozklad.Rozklad.Append(std::move(t));
        return ref;
    }
};

TEST_F(RozkladJazdy, TheFileIsRozkladDatInTheProgramFolder)
{
    EXPECT_EQ(rozklad.Plik(), katalog.Sciezka("rozklad.dat"));
}

TEST_F(RozkladJazdy, OneEntryIsItsClassNumberItsTextsAnd231BytesOfFixedFields)
{
    TPociag& t = Dodaj("34101");
    t.SetOpis("");
    t.SetPrzyjazd(0.5);
    t.SetNieWymagaPeronu(true);
    t.StanJazdy = tStanJazdy::jazda;  // lives only in memory
    rozklad.ZapiszRozklad();
    const Bajty b = CzytajBajty(rozklad.Plik());

    Bajty oczekiwane = {1, 0, 4, 0, 0, 0, 0xEC, 0x02, 5, 0, '3', '4', '1', '0', '1'};
    for (int i = 1; i < 11; ++i)
        oczekiwane.insert(oczekiwane.end(), {0, 0});  // Opis empty: the 16-bit length 0
    oczekiwane.insert(oczekiwane.end(), 44 + 88, 0);
    const Bajty flagi = {0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0};
    oczekiwane.insert(oczekiwane.end(), flagi.begin(), flagi.end());
    const Bajty pol = {0, 0, 0, 0, 0, 0, 0xE0, 0x3F};
    oczekiwane.insert(oczekiwane.end(), pol.begin(), pol.end());
    oczekiwane.insert(oczekiwane.end(), 10 * 8, 0);
    oczekiwane.push_back(1);
    EXPECT_EQ(b, oczekiwane);
    EXPECT_EQ(b.size(), 6u + 2 + (2 + 5) + 10 * 2 + 231 + 1);
    EXPECT_TRUE(komunikaty.Teksty.empty());
}

TEST_F(RozkladJazdy, SavingShowsTheSavingCursorThenTheDefault)
{
    rozklad.ZapiszRozklad();
    EXPECT_EQ(kursory.Kursory, (std::vector<tKursor>{tKursor::zapis, tKursor::domyslny}));
}

TEST_F(RozkladJazdy, AnEmptyFileLoadsWithoutAnyMessage)
{
    rozklad.ZapiszRozklad();
    TRozkladJazdy wczytany(rozklad.Plik(), komunikaty, kursory);
    kursory.Kursory.clear();
    wczytany.WczytajRozklad();
    EXPECT_EQ(wczytany.Ile(), 0);
    EXPECT_TRUE(komunikaty.Teksty.empty());
    EXPECT_EQ(kursory.Kursory, (std::vector<tKursor>{tKursor::czytanie, tKursor::domyslny}));
}

TEST_F(RozkladJazdy, TrainsSurviveSavingAndLoadingWithTheirPolishLetters)
{
    TPociag& t = Dodaj("14150");
    t.SetRelacjaOd("Przełęcz");
    t.SetRelacjaDo("Morzyn Gł.");
    t.SetOpis("pospieszny „Żuraw”");
    t.SetOdjazd(0.25);
    rozklad.ZapiszRozklad();

    TRozkladJazdy wczytany(rozklad.Plik(), komunikaty, kursory);
    wczytany.WczytajRozklad();
    ASSERT_EQ(wczytany.Ile(), 1);
    const TPociag* w = wczytany.Pociag(0);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->RelacjaOd(), "Przełęcz");
    EXPECT_EQ(w->RelacjaDo(), "Morzyn Gł.");
    EXPECT_EQ(w->Opis(), "pospieszny „Żuraw”");
    EXPECT_EQ(w->Odjazd(), 0.25);
    EXPECT_TRUE(komunikaty.Teksty.empty());
}

TEST_F(RozkladJazdy, AMissingFileIsReportedAndReplacedByAnEmptyTimetable)
{
    rozklad.WczytajRozklad();
    ASSERT_EQ(komunikaty.Teksty.size(), 1u);
    EXPECT_EQ(komunikaty.Teksty[0], rozklad.Plik() +
                                        "\r\nNie udało się odczytać pliku.\r\nTworzę zatem nową, pusty rozkład jazdy!");
    EXPECT_EQ(komunikaty.Bledy, komunikaty.Teksty) << "shown as a failure, not as news";
    EXPECT_EQ(CzytajBajty(rozklad.Plik()), (Bajty{0, 0, 0, 0, 0, 0, 1}));
    EXPECT_EQ(katalog.Pliki(), (std::vector<std::string>{"rozklad.dat"}));
}

TEST_F(RozkladJazdy, LoadingTheFileAgainReplacesTheTrainsInMemoryRatherThanAddingToThem)
{
    Dodaj("1");
    Dodaj("2");
    ASSERT_TRUE(rozklad.ZapiszRozklad());
    Dodaj("3");  // never saved: the file is what counts
    rozklad.WczytajRozklad();
    rozklad.WczytajRozklad();
    ASSERT_EQ(rozklad.Ile(), 2);
    EXPECT_EQ(rozklad.Pociag(0)->Numer(), "1");
    EXPECT_EQ(rozklad.Pociag(1)->Numer(), "2");
    EXPECT_TRUE(komunikaty.Teksty.empty());
}

TEST_F(RozkladJazdy, ASaveNeverWritesOverAFileAnotherCopyChangedSinceItWasRead)
{
    Dodaj("1");
    ASSERT_TRUE(rozklad.ZapiszRozklad());
    // A second copy of the game, started meanwhile, reads the same file and saves a change.
    TRozkladJazdy druga(rozklad.Plik(), komunikaty, kursory);
    druga.WczytajRozklad();
    auto t = std::make_unique<TPociag>();
    t->SetNumer("2");
    druga.Rozklad.Append(std::move(t));
    ASSERT_TRUE(druga.ZapiszRozklad());
    const Bajty drugiej = CzytajBajty(rozklad.Plik());

    // The first copy's list no longer is the file: saving it would drop the other copy's train.
    Dodaj("3");
    EXPECT_FALSE(rozklad.ZapiszRozklad());
    EXPECT_EQ(CzytajBajty(rozklad.Plik()), drugiej);
    ASSERT_EQ(komunikaty.Teksty.size(), 1u);
    EXPECT_NE(komunikaty.Teksty[0].find("zmienił się od wczytania"), std::string::npos) << komunikaty.Teksty[0];
    EXPECT_EQ(rozklad.Ile(), 2);

    // Read again, the file is this copy's to change; a file deleted meanwhile is written afresh.
    rozklad.WczytajRozklad();
    Dodaj("3");
    EXPECT_TRUE(rozklad.ZapiszRozklad());
    ASSERT_TRUE(std::filesystem::remove(rozklad.Plik()));
    EXPECT_TRUE(rozklad.ZapiszRozklad());
    EXPECT_EQ(komunikaty.Teksty.size(), 1u);
}

TEST_F(RozkladJazdy, ADamagedFileIsKeptUnderANameThatLaterSavesNeverOverwrite)
{
    const Bajty uszkodzony = {3, 0, 4, 0, 0, 0, 0xEC, 0x02, 0xFF};
    PiszBajty(rozklad.Plik(), uszkodzony);
    rozklad.WczytajRozklad();
    EXPECT_EQ(rozklad.Ile(), 0);
    EXPECT_EQ(komunikaty.Teksty.size(), 1u);
    Dodaj("1");
    rozklad.ZapiszRozklad();
    Dodaj("2");
    rozklad.ZapiszRozklad();
    EXPECT_EQ(CzytajBajty(katalog.Sciezka("Kopia 2 z rozklad.dat")), uszkodzony);
    EXPECT_EQ(katalog.Pliki(),
              (std::vector<std::string>{"Kopia 2 z rozklad.dat", "Kopia rozklad.dat", "rozklad.dat"}));
}

TEST_F(RozkladJazdy, AFailedSaveIsReportedAndTheListStaysAsItWas)
{
    Dodaj("漢");
    rozklad.ZapiszRozklad();
    ASSERT_EQ(komunikaty.Teksty.size(), 1u);
    EXPECT_EQ(komunikaty.Teksty[0], "Nie udało się zapisać rozkładu jazdy!\r\nTekstu \"漢\" nie da się zapisać w "
                                    "stronie kodowej Windows-1250.\r\nPoprzedni rozkład jazdy na dysku jest nienaruszony.");
    EXPECT_EQ(rozklad.Ile(), 1);
    EXPECT_FALSE(PlikIstnieje(rozklad.Plik()));
}

}  // namespace
