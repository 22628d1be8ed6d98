#include "core/wkt_files.h"
#include "core/wkt_exception.h"
#include "core/wkt_generic.h"
#include "core/wkt_stream.h"
#include "tests/support/katalog_tymczasowy.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>

namespace {

using Bajty = std::vector<std::uint8_t>;

std::unique_ptr<tWktGenericItem> Rekord(const std::string& tekst)
{
    auto g = std::make_unique<tWktGenericItem>();
    g->SetText(0, tekst);
    return g;
}

TEST(Pliki, ProgramDirEndsWithASeparatorAndCanBePointedElsewhere)
{
    const std::string domyslny = ProgramDir();
    ASSERT_FALSE(domyslny.empty());
    EXPECT_EQ(domyslny.back(), '/');
    {
        TKatalogTymczasowy katalog;
        EXPECT_EQ(ProgramDir(), katalog.Sciezka("") );
    }
    EXPECT_EQ(ProgramDir(), domyslny);
}

TEST(Pliki, ASavedListLoadsBackWithItsContent)
{
    TKatalogTymczasowy katalog;
    tWktGenericList lista;
    lista.Append(Rekord("Łódź Kaliska"));
    lista.Append(nullptr);
    ASSERT_TRUE(SaveToFile(lista, katalog.Sciezka("a.dat"), false));

    tWktGenericList wczytana;
    ASSERT_TRUE(LoadFromFile(wczytana, katalog.Sciezka("a.dat")));
    ASSERT_EQ(wczytana.Count(), 2);
    EXPECT_EQ(wczytana.At<tWktGenericItem>(0)->Text(0), "Łódź Kaliska");
    EXPECT_EQ(wczytana.Items(1), nullptr);
}

TEST(Pliki, LoadingAMissingFileAnswersFalse)
{
    TKatalogTymczasowy katalog;
    tWktGenericList lista;
    EXPECT_FALSE(LoadFromFile(lista, katalog.Sciezka("brak.dat")));
}

TEST(Pliki, AFailedLoadLeavesTheListExactlyAsItWas)
{
    TKatalogTymczasowy katalog;
    tWktGenericList zrodlo;
    zrodlo.Append(Rekord("jeden"));
    zrodlo.Append(Rekord("dwa"));
    ASSERT_TRUE(SaveToFile(zrodlo, katalog.Sciezka("a.dat"), false));
    Bajty bajty = CzytajBajty(katalog.Sciezka("a.dat"));
    bajty.resize(bajty.size() - 40);  // the second record cut short
    PiszBajty(katalog.Sciezka("a.dat"), bajty);

    tWktGenericList lista;
    lista.Append(Rekord("było"));
    lista.AllowDuplicates = false;
    EXPECT_FALSE(LoadFromFile(lista, katalog.Sciezka("a.dat")));
    ASSERT_EQ(lista.Count(), 1);
    EXPECT_EQ(lista.At<tWktGenericItem>(0)->Text(0), "było");
    EXPECT_FALSE(lista.AllowDuplicates);
}

TEST(Pliki, SavingATextTheCodePageCannotHoldFailsAndLeavesTheOldFile)
{
    TKatalogTymczasowy katalog;
    tWktGenericList lista;
    lista.Append(Rekord("stary"));
    ASSERT_TRUE(SaveToFile(lista, katalog.Sciezka("a.dat"), false));
    const Bajty przedtem = CzytajBajty(katalog.Sciezka("a.dat"));

    lista.Append(Rekord("漢字"));
    EXPECT_FALSE(SaveToFile(lista, katalog.Sciezka("a.dat"), true));
    EXPECT_EQ(CzytajBajty(katalog.Sciezka("a.dat")), przedtem);
    EXPECT_EQ(katalog.Pliki(), (std::vector<std::string>{"a.dat"}));
}

TEST(Pliki, AFailedReplaceLeavesNoTemporaryFileBehind)
{
    TKatalogTymczasowy katalog;
    // A folder with something in it cannot be replaced by a file, whoever runs the test.
    std::filesystem::create_directories(katalog.Sciezka("a.dat/zajete"));
    tWktGenericList lista;
    lista.Append(Rekord("nowy"));
    EXPECT_FALSE(SaveToFile(lista, katalog.Sciezka("a.dat"), false));
    EXPECT_EQ(katalog.Pliki(), (std::vector<std::string>{"a.dat"}));
    EXPECT_TRUE(std::filesystem::is_directory(katalog.Sciezka("a.dat/zajete")));
}

TEST(Pliki, SavingIntoAFolderThatDoesNotExistFails)
{
    TKatalogTymczasowy katalog;
    tWktGenericList lista;
    EXPECT_FALSE(SaveToFile(lista, katalog.Sciezka("nie/ma/a.dat"), true));
}

TEST(Pliki, SavingWithBackupCopiesTheOldFileToKopiaInTheProgramFolder)
{
    TKatalogTymczasowy katalog;
    tWktGenericList lista;
    lista.Append(Rekord("pierwszy"));
    ASSERT_TRUE(SaveToFile(lista, katalog.Sciezka("rozklad.dat"), true));
    EXPECT_EQ(katalog.Pliki(), (std::vector<std::string>{"rozklad.dat"}));  // nothing to back up yet
    const Bajty pierwszy = CzytajBajty(katalog.Sciezka("rozklad.dat"));

    lista.Append(Rekord("drugi"));
    ASSERT_TRUE(SaveToFile(lista, katalog.Sciezka("rozklad.dat"), true));
    EXPECT_EQ(katalog.Pliki(), (std::vector<std::string>{"Kopia rozklad.dat", "rozklad.dat"}));
    EXPECT_EQ(CzytajBajty(katalog.Sciezka("Kopia rozklad.dat")), pierwszy);
}

TEST(Pliki, BackupNamesTakeTheFirst24CharactersOfTheFileName)
{
    TKatalogTymczasowy katalog;
    const std::string dluga = "abcdefghijklmnopqrstuvwxyz.dat";
    PiszBajty(katalog.Sciezka(dluga), {1, 2, 3});
    EXPECT_EQ(MakeBackup(katalog.Sciezka(dluga)), katalog.Sciezka("Kopia abcdefghijklmnopqrstuvwx"));
}

TEST(Pliki, MakeBackupOfAMissingFileMakesNone)
{
    TKatalogTymczasowy katalog;
    EXPECT_EQ(MakeBackup(katalog.Sciezka("brak.dat")), "");
    EXPECT_TRUE(katalog.Pliki().empty());
}

TEST(Pliki, AnEmptyFileNeedsNoBackupAndTheLastBackupStays)
{
    TKatalogTymczasowy katalog;
    PiszBajty(katalog.Sciezka("Kopia a.dat"), {9});
    PiszBajty(katalog.Sciezka("a.dat"), {});
    EXPECT_EQ(MakeBackup(katalog.Sciezka("a.dat")), "");
    tWktGenericList lista;
    EXPECT_TRUE(SaveToFile(lista, katalog.Sciezka("a.dat"), true));
    EXPECT_EQ(CzytajBajty(katalog.Sciezka("a.dat")).size(), 7u);
    EXPECT_EQ(CzytajBajty(katalog.Sciezka("Kopia a.dat")), Bajty{9});
}

TEST(Pliki, WhenKopiaCannotBeReplacedTheBackupGoesToNumberedNames)
{
    TKatalogTymczasowy katalog;
    PiszBajty(katalog.Sciezka("rozklad.dat"), {7});
    // A folder under the backup's name cannot be deleted as a file, whoever runs the test.
    std::filesystem::create_directory(katalog.Sciezka("Kopia rozklad.dat"));
    std::filesystem::create_directory(katalog.Sciezka("Kopia rozklad.dat/x"));
    EXPECT_EQ(MakeBackup(katalog.Sciezka("rozklad.dat")), katalog.Sciezka("Kopia 2 z rozklad.dat"));
    EXPECT_EQ(MakeBackup(katalog.Sciezka("rozklad.dat")), katalog.Sciezka("Kopia 3 z rozklad.dat"));
    EXPECT_EQ(CzytajBajty(katalog.Sciezka("Kopia 3 z rozklad.dat")), Bajty{7});
}

TEST(Pliki, KeptCopiesTakeANumberedNameThatNothingOverwrites)
{
    TKatalogTymczasowy katalog;
    PiszBajty(katalog.Sciezka("rozklad.dat"), {1});
    EXPECT_EQ(ZachowajKopie(katalog.Sciezka("rozklad.dat")), katalog.Sciezka("Kopia 2 z rozklad.dat"));
    PiszBajty(katalog.Sciezka("rozklad.dat"), {2});
    EXPECT_EQ(ZachowajKopie(katalog.Sciezka("rozklad.dat")), katalog.Sciezka("Kopia 3 z rozklad.dat"));
    MakeBackup(katalog.Sciezka("rozklad.dat"));
    EXPECT_EQ(CzytajBajty(katalog.Sciezka("Kopia 2 z rozklad.dat")), Bajty{1});
    EXPECT_EQ(CzytajBajty(katalog.Sciezka("Kopia rozklad.dat")), Bajty{2});
}

TEST(Pliki, CopyFileLzAnswersBytesCopiedOrANegativeError)
{
    TKatalogTymczasowy katalog;
    PiszBajty(katalog.Sciezka("z"), {1, 2, 3, 4, 5});
    EXPECT_EQ(CopyFileLZ(katalog.Sciezka("z"), katalog.Sciezka("c")), 5);
    EXPECT_EQ(CzytajBajty(katalog.Sciezka("c")), (Bajty{1, 2, 3, 4, 5}));
    EXPECT_EQ(CopyFileLZ("", katalog.Sciezka("c")), -7);
    EXPECT_EQ(CopyFileLZ(katalog.Sciezka("z"), ""), -7);
    EXPECT_EQ(CopyFileLZ(katalog.Sciezka("brak"), katalog.Sciezka("c")), -1);
    EXPECT_EQ(CopyFileLZ(katalog.Sciezka("z"), katalog.Sciezka("nie/ma")), -2);
}

TEST(Pliki, AWholeFileIsReadByteForByteAndAnythingButAFileIsNothing)
{
    TKatalogTymczasowy katalog;
    const std::string plik = katalog.Sciezka("a.csv");
    const std::string tresc("numer\r\n\0\xFF", 9);
    ZapiszPlikCaly(plik, tresc);
    EXPECT_EQ(CzytajCalyPlik(plik), tresc);
    EXPECT_EQ(CzytajCalyPlik(katalog.Sciezka("brak.csv")), std::nullopt);
    std::filesystem::create_directory(katalog.Sciezka("folder.csv"));
    EXPECT_EQ(CzytajCalyPlik(katalog.Sciezka("folder.csv")), std::nullopt);
    EXPECT_THROW(ZapiszPlikCaly(katalog.Sciezka("folder.csv"), "x"), EwktException);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(katalog.Sciezka("")), {}), 2);
}

}  // namespace
