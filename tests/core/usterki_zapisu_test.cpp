// Saving under faults: a full disk, a read-only folder, a process killed between two steps, links
// and protected files. In each the previous file and its backup stay whole and readable.
#include "core/operacje_plikowe.h"
#include "core/wkt_exception.h"
#include "core/wkt_files.h"
#include "core/wkt_generic.h"
#include "core/wkt_stream.h"
#include "tests/support/katalog_tymczasowy.h"
#include "tests/support/usterka_plikow.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using Bajty = std::vector<std::uint8_t>;

std::unique_ptr<tWktGenericList> Lista(const std::string& tekst)
{
    auto lista = std::make_unique<tWktGenericList>();
    auto g = std::make_unique<tWktGenericItem>();
    // Large enough that a write cut in half is a real cut.
    g->SetText(0, tekst + std::string(20000, '.'));
    lista->Append(std::move(g));
    return lista;
}

// The file's first text without the padding; "" when it does not load.
std::string Tresc(const std::string& plik)
{
    tWktGenericList lista;
    if (!LoadFromFile(lista, plik) || lista.Count() != 1)
        return "";
    const std::string t = lista.At<tWktGenericItem>(0)->Text(0);
    return t.substr(0, t.find('.'));
}

// rozklad.dat holds "drugi", its backup "pierwszy".
class UsterkiZapisu : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(SaveToFile(*Lista("pierwszy"), plik, true));
        ASSERT_TRUE(SaveToFile(*Lista("drugi"), plik, true));
        ASSERT_EQ(Tresc(kopia), "pierwszy");
    }
    void PoprzedniePlikiSaCale(const std::string& kopiaMozeByc = "pierwszy")
    {
        EXPECT_EQ(Tresc(plik), "drugi");
        const std::string k = Tresc(kopia);
        EXPECT_TRUE(k == "pierwszy" || k == kopiaMozeByc) << k;
    }

    TKatalogTymczasowy katalog;
    std::string plik = katalog.Sciezka("rozklad.dat");
    std::string kopia = katalog.Sciezka("Kopia rozklad.dat");
};

TEST_F(UsterkiZapisu, ABackupThatCannotBeWrittenStopsTheSaveAndNamesTheCause)
{
    for (const int blad : {ENOSPC, EROFS, EACCES, EIO}) {
        TUsterka usterka(tKrok::pisanie, 1, blad);
        TPodmianaOperacjiPlikowych podmiana(usterka);
        std::string powod;
        EXPECT_FALSE(SaveToFile(*Lista("trzeci"), plik, true, &powod));
        EXPECT_NE(powod.find("kopii zapasowej"), std::string::npos) << powod;
        EXPECT_NE(powod.find(OpisBleduSystemu(blad)), std::string::npos) << powod;
        PoprzedniePlikiSaCale();
        EXPECT_EQ(katalog.Pliki(), (std::vector<std::string>{"Kopia rozklad.dat", "rozklad.dat"}));
    }
}

TEST_F(UsterkiZapisu, AFolderWhereNothingCanBeCreatedStopsTheSaveBeforeAnythingChanges)
{
    TUsterka usterka(tKrok::utworzenie, 1, EROFS);
    TPodmianaOperacjiPlikowych podmiana(usterka);
    std::string powod;
    EXPECT_FALSE(SaveToFile(*Lista("trzeci"), plik, true, &powod));
    EXPECT_NE(powod.find("system plików jest tylko do odczytu"), std::string::npos) << powod;
    EXPECT_NE(powod.find(katalog.Sciezka("")), std::string::npos) << powod;
    PoprzedniePlikiSaCale();
}

TEST_F(UsterkiZapisu, AFailureAtAnyStepOfTheFilesOwnWriteLeavesTheOldFileAndAWholeBackup)
{
    for (const tKrok krok : {tKrok::utworzenie, tKrok::pisanie, tKrok::synchronizacja, tKrok::zamkniecie,
                             tKrok::zmianaNazwy}) {
        // The second call of each operation is the file's own; the first one made the backup.
        TUsterka usterka(krok, 2);
        TPodmianaOperacjiPlikowych podmiana(usterka);
        std::string powod;
        EXPECT_FALSE(SaveToFile(*Lista("trzeci"), plik, true, &powod)) << static_cast<int>(krok);
        EXPECT_NE(powod.find(plik), std::string::npos) << powod;
        PoprzedniePlikiSaCale("drugi");
        EXPECT_EQ(katalog.Pliki(), (std::vector<std::string>{"Kopia rozklad.dat", "rozklad.dat"}));
    }
}

TEST_F(UsterkiZapisu, AProcessKilledBetweenAnyTwoStepsLeavesTheOldFileAndAWholeBackup)
{
    for (const tKrok krok : {tKrok::utworzenie, tKrok::pisanie, tKrok::synchronizacja, tKrok::zamkniecie,
                             tKrok::zmianaNazwy})
        for (const int ktora : {1, 2}) {
            SCOPED_TRACE(static_cast<int>(krok) * 10 + ktora);
            const pid_t dziecko = fork();
            ASSERT_GE(dziecko, 0);
            if (dziecko == 0) {
                TUsterka usterka(krok, ktora, 0, true);
                TPodmianaOperacjiPlikowych podmiana(usterka);
                SaveToFile(*Lista("trzeci"), plik, true);
                _exit(3);  // the kill did not come
            }
            int stan = 0;
            ASSERT_EQ(waitpid(dziecko, &stan, 0), dziecko);
            ASSERT_TRUE(WIFEXITED(stan));
            ASSERT_EQ(WEXITSTATUS(stan), 0);
            PoprzedniePlikiSaCale("drugi");

            // The next save clears what the killed one left and goes through.
            ASSERT_TRUE(SaveToFile(*Lista("drugi"), plik, true));
            EXPECT_EQ(katalog.Pliki(), (std::vector<std::string>{"Kopia rozklad.dat", "rozklad.dat"}));
            EXPECT_EQ(Tresc(kopia), "drugi");
            ASSERT_TRUE(SaveToFile(*Lista("pierwszy"), kopia, false));
        }
}

TEST_F(UsterkiZapisu, OnlyTemporariesOfOurOwnPatternAreCleared)
{
    PiszBajty(katalog.Sciezka("rozklad.dat.zapis-a1B2c3"), {1});
    PiszBajty(katalog.Sciezka("Kopia rozklad.dat.zapis-XyZ789"), {2});
    PiszBajty(katalog.Sciezka("rozklad.dat.backup"), {3});
    PiszBajty(katalog.Sciezka("rozklad.dat.zapis-stary-plik"), {4});
    ASSERT_TRUE(SaveToFile(*Lista("trzeci"), plik, true));
    EXPECT_EQ(katalog.Pliki(), (std::vector<std::string>{"Kopia rozklad.dat", "rozklad.dat", "rozklad.dat.backup",
                                                         "rozklad.dat.zapis-stary-plik"}));
}

TEST_F(UsterkiZapisu, ASymbolicLinkIsWrittenThroughAndStaysALink)
{
    fs::create_directory(katalog.Sciezka("gdzie"));
    fs::rename(plik, katalog.Sciezka("gdzie/prawdziwy.dat"));
    fs::create_symlink("gdzie/prawdziwy.dat", plik);
    ASSERT_TRUE(SaveToFile(*Lista("trzeci"), plik, true));
    EXPECT_TRUE(fs::is_symlink(plik));
    EXPECT_EQ(Tresc(katalog.Sciezka("gdzie/prawdziwy.dat")), "trzeci");
    EXPECT_EQ(Tresc(kopia), "drugi");
    EXPECT_FALSE(fs::is_symlink(kopia));
    EXPECT_EQ(std::distance(fs::directory_iterator(katalog.Sciezka("gdzie")), {}), 1);
}

TEST_F(UsterkiZapisu, AWriteProtectedFileIsRefusedEvenWhereTheSystemWouldAllowIt)
{
    fs::permissions(plik, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    std::string powod;
    EXPECT_FALSE(SaveToFile(*Lista("trzeci"), plik, true, &powod));
    EXPECT_NE(powod.find("chroniony przed zapisem"), std::string::npos) << powod;
    EXPECT_EQ(Tresc(plik), "drugi");
    EXPECT_EQ(fs::status(plik).permissions() & fs::perms::owner_write, fs::perms::none);
    EXPECT_THROW(ZapiszPlikCaly(plik, "x"), EwktException);
}

TEST_F(UsterkiZapisu, AWriteProtectedBackupIsKeptAndTheNewOneTakesANumberedName)
{
    fs::permissions(kopia, fs::perms::owner_read);
    ASSERT_TRUE(SaveToFile(*Lista("trzeci"), plik, true));
    EXPECT_EQ(Tresc(kopia), "pierwszy");
    EXPECT_EQ(Tresc(katalog.Sciezka("Kopia 2 z rozklad.dat")), "drugi");
}

TEST_F(UsterkiZapisu, ASavedFileKeepsThePermissionsTheOwnerGaveIt)
{
    fs::permissions(plik, fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_TRUE(SaveToFile(*Lista("trzeci"), plik, true));
    EXPECT_EQ(fs::status(plik).permissions(), fs::perms::owner_read | fs::perms::owner_write);
}

// Files saved together replace nothing until all of them are written and flushed: a failure at any
// step of any of them, or a batch given up, leaves every old file as it was and no temporary.
TEST(ZapisPlikow, FilesSavedTogetherReplaceNothingUntilAllAreWritten)
{
    for (const tKrok krok : {tKrok::utworzenie, tKrok::pisanie, tKrok::zamkniecie, tKrok::synchronizacja}) {
        TKatalogTymczasowy katalog;
        for (const char* nazwa : {"a.png", "b.png", "c.png"})
            ZapiszPlikCaly(katalog.Sciezka(nazwa), "stary");
        {
            TUsterka usterka(krok, krok == tKrok::synchronizacja ? 1 : 2);
            TPodmianaOperacjiPlikowych podmiana(usterka);
            TZapisPlikow zapis;
            try {
                for (const char* nazwa : {"a.png", "b.png", "c.png"})
                    zapis.Dodaj(katalog.Sciezka(nazwa), std::string(5000, 'n'));
                zapis.Zatwierdz();
                ADD_FAILURE() << "no step failed: " << static_cast<int>(krok);
            } catch (const EwktException& e) {
                const std::string powod = e.what();
                EXPECT_NE(powod.find(katalog.Sciezka(krok == tKrok::synchronizacja ? "a.png" : "b.png")), std::string::npos)
                    << powod;
            }
        }
        for (const char* nazwa : {"a.png", "b.png", "c.png"})
            EXPECT_EQ(CzytajBajty(katalog.Sciezka(nazwa)), (Bajty{'s', 't', 'a', 'r', 'y'})) << static_cast<int>(krok);
        EXPECT_EQ(katalog.Pliki(), (std::vector<std::string>{"a.png", "b.png", "c.png"}));
    }
}

TEST(ZapisPlikow, FilesSavedTogetherAreAllInPlaceOnceCommitted)
{
    TKatalogTymczasowy katalog;
    ZapiszPlikCaly(katalog.Sciezka("a.png"), "stary");
    TZapisPlikow zapis;
    zapis.Dodaj(katalog.Sciezka("a.png"), "nowy a");
    zapis.Dodaj(katalog.Sciezka("b.png"), "nowy b");
    EXPECT_EQ(CzytajBajty(katalog.Sciezka("a.png")), (Bajty{'s', 't', 'a', 'r', 'y'}));
    zapis.Zatwierdz();
    EXPECT_EQ(CzytajBajty(katalog.Sciezka("a.png")), (Bajty{'n', 'o', 'w', 'y', ' ', 'a'}));
    EXPECT_EQ(CzytajBajty(katalog.Sciezka("b.png")), (Bajty{'n', 'o', 'w', 'y', ' ', 'b'}));
    EXPECT_EQ(katalog.Pliki(), (std::vector<std::string>{"a.png", "b.png"}));
}

TEST(NazwyKopii, AreCutAt24CharactersNeverInsideALetter)
{
    TKatalogTymczasowy katalog;
    const std::string nazwa = "xrozkład_zażółćgęśląjaźń.dat";
    PiszBajty(katalog.Sciezka(nazwa), {1, 2});
    EXPECT_EQ(MakeBackup(katalog.Sciezka(nazwa)), katalog.Sciezka("Kopia xrozkład_zażółćgęśląjaźń"));
    EXPECT_EQ(CzytajBajty(katalog.Sciezka("Kopia xrozkład_zażółćgęśląjaźń")), (Bajty{1, 2}));
}

}  // namespace
