#include "core/wkt_files.h"
#include "tests/support/katalog_tymczasowy.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

using Bajty = std::vector<std::uint8_t>;

// The data folder is pointed elsewhere only for as long as one test runs.
class TKatalogDanychTestu {
public:
    explicit TKatalogDanychTestu(const std::string& katalog) { UstawKatalogDanych(katalog); }
    ~TKatalogDanychTestu() { UstawKatalogDanych(""); }
    TKatalogDanychTestu(const TKatalogDanychTestu&) = delete;
    TKatalogDanychTestu& operator=(const TKatalogDanychTestu&) = delete;
};

TEST(Katalogi, TheBuildTreeKeepsTheDataBesideTheProgram)
{
    const std::string program = KatalogPlikuWykonywalnego();
    ASSERT_FALSE(program.empty());
    EXPECT_EQ(program.back(), '/');
    EXPECT_TRUE(fs::is_directory(program));
    EXPECT_EQ(ZainstalowaneDane(program), "");
    EXPECT_EQ(ProgramDir(), program);
    EXPECT_EQ(KatalogDanych(), program);
}

TEST(Katalogi, AProgramInBinBesideShareDrelinkoReadsTheInstalledData)
{
    TKatalogTymczasowy katalog;
    const std::string prefiks = katalog.Sciezka("usr");
    fs::create_directories(prefiks + "/bin");
    fs::create_directories(prefiks + "/share/drelinko");
    EXPECT_EQ(ZainstalowaneDane(prefiks + "/bin"), prefiks + "/share/drelinko/");
    EXPECT_EQ(ZainstalowaneDane(prefiks + "/bin/"), prefiks + "/share/drelinko/");
}

TEST(Katalogi, WithoutShareDrelinkoOrOutsideBinThereIsNoInstalledData)
{
    TKatalogTymczasowy katalog;
    fs::create_directories(katalog.Sciezka("a/bin"));
    fs::create_directories(katalog.Sciezka("a/share"));
    EXPECT_EQ(ZainstalowaneDane(katalog.Sciezka("a/bin")), "");
    // The data is looked for beside bin/ only, not beside any folder of the program.
    fs::create_directories(katalog.Sciezka("b/programy"));
    fs::create_directories(katalog.Sciezka("b/share/drelinko"));
    EXPECT_EQ(ZainstalowaneDane(katalog.Sciezka("b/programy")), "");
    // A file under the data folder's name is no data folder.
    fs::create_directories(katalog.Sciezka("c/bin"));
    fs::create_directories(katalog.Sciezka("c/share"));
    PiszBajty(katalog.Sciezka("c/share/drelinko"), {1});
    EXPECT_EQ(ZainstalowaneDane(katalog.Sciezka("c/bin")), "");
}

TEST(Katalogi, TheDataFolderFollowsTheProgramFolderUntilPointedElsewhere)
{
    TKatalogTymczasowy katalog;
    EXPECT_EQ(KatalogDanych(), katalog.Sciezka(""));
    {
        TKatalogDanychTestu dane(katalog.Sciezka("gracz"));
        EXPECT_EQ(KatalogDanych(), katalog.Sciezka("gracz/"));
        EXPECT_EQ(ProgramDir(), katalog.Sciezka(""));
    }
    EXPECT_EQ(KatalogDanych(), katalog.Sciezka(""));
}

TEST(Katalogi, BackupCopiesGoToTheDataFolderNotTheProgramFolder)
{
    TKatalogTymczasowy katalog;
    fs::create_directories(katalog.Sciezka("gracz"));
    TKatalogDanychTestu dane(katalog.Sciezka("gracz"));
    PiszBajty(katalog.Sciezka("gracz/rozklad.dat"), {1, 2, 3});
    EXPECT_EQ(MakeBackup(katalog.Sciezka("gracz/rozklad.dat")), katalog.Sciezka("gracz/Kopia rozklad.dat"));
    EXPECT_EQ(ZachowajKopie(katalog.Sciezka("gracz/rozklad.dat")), katalog.Sciezka("gracz/Kopia 2 z rozklad.dat"));
    EXPECT_EQ(CzytajBajty(katalog.Sciezka("gracz/Kopia rozklad.dat")), (Bajty{1, 2, 3}));
    EXPECT_EQ(CzytajBajty(katalog.Sciezka("gracz/Kopia 2 z rozklad.dat")), (Bajty{1, 2, 3}));
    EXPECT_EQ(katalog.Pliki(), (std::vector<std::string>{"gracz"}));
}

TEST(Katalogi, PreparingMakesTheFolderAndCopiesTheShippedFiles)
{
    TKatalogTymczasowy katalog;
    fs::create_directories(katalog.Sciezka("wydane"));
    PiszBajty(katalog.Sciezka("wydane/rozklad.dat"), {7, 0, 9});
    PiszBajty(katalog.Sciezka("wydane/pusty.dat"), {});
    const std::string gracz = katalog.Sciezka("dom/.local/share/WKT/Drelinko");

    EXPECT_EQ(PrzygotujKatalogDanych(gracz, katalog.Sciezka("wydane"), {"rozklad.dat", "pusty.dat"}), "");
    EXPECT_EQ(CzytajBajty(gracz + "/rozklad.dat"), (Bajty{7, 0, 9}));
    EXPECT_TRUE(fs::is_regular_file(gracz + "/pusty.dat"));
    EXPECT_EQ(fs::file_size(gracz + "/pusty.dat"), 0u);
    std::vector<std::string> pliki;
    for (const auto& wpis : fs::directory_iterator(gracz))
        pliki.push_back(wpis.path().filename().string());
    std::sort(pliki.begin(), pliki.end());
    EXPECT_EQ(pliki, (std::vector<std::string>{"pusty.dat", "rozklad.dat"}));
}

TEST(Katalogi, ThePlayersOwnFilesAreNeverReplaced)
{
    TKatalogTymczasowy katalog;
    fs::create_directories(katalog.Sciezka("wydane"));
    fs::create_directories(katalog.Sciezka("gracz"));
    PiszBajty(katalog.Sciezka("wydane/rozklad.dat"), {1, 1, 1});
    PiszBajty(katalog.Sciezka("gracz/rozklad.dat"), {2});

    EXPECT_EQ(PrzygotujKatalogDanych(katalog.Sciezka("gracz"), katalog.Sciezka("wydane"), {"rozklad.dat"}), "");
    EXPECT_EQ(CzytajBajty(katalog.Sciezka("gracz/rozklad.dat")), (Bajty{2}));
}

TEST(Katalogi, AFileTheShippedDataLacksIsSkipped)
{
    TKatalogTymczasowy katalog;
    fs::create_directories(katalog.Sciezka("wydane"));
    EXPECT_EQ(PrzygotujKatalogDanych(katalog.Sciezka("gracz"), katalog.Sciezka("wydane"), {"rozklad.dat"}), "");
    EXPECT_TRUE(fs::is_directory(katalog.Sciezka("gracz")));
    EXPECT_FALSE(fs::exists(katalog.Sciezka("gracz/rozklad.dat")));
}

TEST(Katalogi, AFolderThatCannotBeMadeIsNamedInTheAnswer)
{
    TKatalogTymczasowy katalog;
    PiszBajty(katalog.Sciezka("plik"), {1});
    const std::string gracz = katalog.Sciezka("plik/Drelinko");
    const std::string blad = PrzygotujKatalogDanych(gracz, katalog.Sciezka(""), {"plik"});
    EXPECT_NE(blad.find("Nie udało się utworzyć folderu " + gracz), std::string::npos) << blad;

    const std::string samPlik = PrzygotujKatalogDanych(katalog.Sciezka("plik"), katalog.Sciezka(""), {});
    EXPECT_NE(samPlik.find("Nie udało się utworzyć folderu " + katalog.Sciezka("plik")), std::string::npos)
        << samPlik;
}

TEST(Katalogi, AFailedCopyIsNamedAndLeavesNothingUnderTheFilesName)
{
    TKatalogTymczasowy katalog;
    fs::create_directories(katalog.Sciezka("wydane"));
    PiszBajty(katalog.Sciezka("wydane/rozklad.dat"), {5, 5});
    // A folder where the copy is to be written stops it, even for root.
    fs::create_directories(katalog.Sciezka("gracz/rozklad.dat.tmp"));

    const std::string blad =
        PrzygotujKatalogDanych(katalog.Sciezka("gracz"), katalog.Sciezka("wydane"), {"rozklad.dat"});
    EXPECT_NE(blad.find("Nie udało się skopiować " + katalog.Sciezka("wydane/rozklad.dat") + " do " +
                        katalog.Sciezka("gracz/rozklad.dat")),
              std::string::npos)
        << blad;
    EXPECT_FALSE(fs::exists(katalog.Sciezka("gracz/rozklad.dat")));
}

TEST(Katalogi, AFailedCopyStopsBeforeTheFilesAfterIt)
{
    TKatalogTymczasowy katalog;
    fs::create_directories(katalog.Sciezka("wydane"));
    PiszBajty(katalog.Sciezka("wydane/a.dat"), {1});
    PiszBajty(katalog.Sciezka("wydane/b.dat"), {2});
    fs::create_directories(katalog.Sciezka("gracz/a.dat.tmp"));

    EXPECT_NE(PrzygotujKatalogDanych(katalog.Sciezka("gracz"), katalog.Sciezka("wydane"), {"a.dat", "b.dat"}), "");
    EXPECT_FALSE(fs::exists(katalog.Sciezka("gracz/b.dat")));
}

}  // namespace
