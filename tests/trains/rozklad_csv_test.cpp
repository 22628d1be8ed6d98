#include "core/wkt_generic.h"
#include "core/wkt_stream.h"
#include "tests/support/katalog_tymczasowy.h"
#include "trains/czas.h"
#include "trains/rozklad.h"
#include "trains/rozklad_csv.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

const std::string Naglowek = std::string(KolumnyRozkladuCsv) + "\n";
const std::vector<std::string> Wloty = {"wOlsz", "wBrz", "wWirowa"};

TImportCsv Czytaj(std::string_view tekst) { return CzytajRozkladCsv(tekst, Wloty); }

// Errors are checked by the line and field they name, not by their whole wording.
bool Zawiera(const std::vector<std::string>& bledy, const std::string& fragment)
{
    for (const auto& b : bledy)
        if (b.find(fragment) != std::string::npos)
            return true;
    return false;
}

std::string Eksport(const TImportCsv& import)
{
    tWktGenericList lista;
    for (const auto& t : import.Pociagi) {
        auto kopia = std::make_unique<TPociag>(*t);
        lista.Append(std::move(kopia));
    }
    return ZapiszRozkladCsv(lista);
}

TEST(RozkladCsv, ImportThenExportGivesTheSameText)
{
    const std::string csv = Naglowek +
                            "34101,Olszarzyna,Brzelany,s122,wOlsz,wBrz,4:12,4:15,,0\n"
                            "64213,Chrostowo,Morzyn Port,stttttt,wOlsz,wWirowa,4:52,4:53:30,towarowy,1\n"
                            "14150,Przełęcz,Plażno,p1222,wOlsz,wBrz,5:05,5:08,\"pospieszny „Żuraw”, \"\"Ż\"\"\",0\n"
                            "44611,Drelinko,Morzyn Gł.,a2,,wWirowa,5:20,5:20,\"dwie\nlinie\",0\n";
    const TImportCsv import = Czytaj(csv);
    ASSERT_TRUE(import.Bledy.empty()) << import.Bledy.front();
    ASSERT_EQ(import.Pociagi.size(), 4u);
    EXPECT_EQ(import.Pociagi[2]->Opis(), "pospieszny „Żuraw”, \"Ż\"");
    EXPECT_TRUE(import.Pociagi[1]->NieWymagaPeronu());
    EXPECT_TRUE(import.Pociagi[3]->Wjezdza().empty());
    EXPECT_EQ(Eksport(import), csv);
}

// A spreadsheet runs a cell beginning with = + - @, a tab or a carriage return: such texts leave with
// an apostrophe before them and come back without it, every text exactly as it was.
TEST(RozkladCsv, TextsASpreadsheetWouldRunAreExportedAfterAnApostropheAndImportedBackAsTheyWere)
{
    tWktGenericList lista;
    const auto dodaj = [&](const std::string& numer, const std::string& od, const std::string& opis) {
        auto t = std::make_unique<TPociag>();
        t->SetNumer(numer);
        t->SetRelacjaOd(od);
        t->SetRelacjaDo("Brzelany");
        t->SetSkladRozkladowy("s1");
        t->SetWjezdza("wOlsz");
        t->SetWyjezdza("wBrz");
        t->SetOpis(opis);
        lista.Append(std::move(t));
    };
    dodaj("=1+1", "@SUM(1)", "+A1");
    dodaj("-2+3", "\tOlszarzyna", "\rkurs");
    dodaj("'=1", "''@x", "'zwykły");
    dodaj("1-2", "Olszarzyna", "IC=EC");
    const std::string csv = ZapiszRozkladCsv(lista);
    EXPECT_EQ(csv, Naglowek +
                       "'=1+1,'@SUM(1),Brzelany,s1,wOlsz,wBrz,0:00,0:00,'+A1,0\n"
                       "'-2+3,'\tOlszarzyna,Brzelany,s1,wOlsz,wBrz,0:00,0:00,\"'\rkurs\",0\n"
                       "''=1,'''@x,Brzelany,s1,wOlsz,wBrz,0:00,0:00,'zwykły,0\n"
                       "1-2,Olszarzyna,Brzelany,s1,wOlsz,wBrz,0:00,0:00,IC=EC,0\n");
    const TImportCsv import = Czytaj(csv);
    ASSERT_TRUE(import.Bledy.empty()) << import.Bledy.front();
    ASSERT_EQ(import.Pociagi.size(), 4u);
    EXPECT_EQ(import.Pociagi[0]->Numer(), "=1+1");
    EXPECT_EQ(import.Pociagi[0]->RelacjaOd(), "@SUM(1)");
    EXPECT_EQ(import.Pociagi[0]->Opis(), "+A1");
    EXPECT_EQ(import.Pociagi[1]->RelacjaOd(), "\tOlszarzyna");
    EXPECT_EQ(import.Pociagi[1]->Opis(), "\rkurs");
    EXPECT_EQ(import.Pociagi[2]->Numer(), "'=1");
    EXPECT_EQ(import.Pociagi[2]->RelacjaOd(), "''@x");
    EXPECT_EQ(import.Pociagi[2]->Opis(), "'zwykły");
    EXPECT_EQ(Eksport(import), csv);
    // A cell written by hand without the apostrophe is taken as it stands.
    const TImportCsv reczny = Czytaj(Naglowek + "=1,A,B,s1,wOlsz,wBrz,4:00,4:01,-x,0\n");
    ASSERT_EQ(reczny.Pociagi.size(), 1u);
    EXPECT_EQ(reczny.Pociagi[0]->Numer(), "=1");
    EXPECT_EQ(reczny.Pociagi[0]->Opis(), "-x");
}

TEST(RozkladCsv, CrLfLineEndsAByteOrderMarkAndBlankLinesAreAccepted)
{
    const std::string csv = "\xEF\xBB\xBF" + std::string(KolumnyRozkladuCsv) +
                            "\r\n\r\n1,A,B,s,wOlsz,wBrz,4:00,4:01,,0\r\n";
    const TImportCsv import = Czytaj(csv);
    ASSERT_TRUE(import.Bledy.empty()) << import.Bledy.front();
    ASSERT_EQ(import.Pociagi.size(), 1u);
    EXPECT_EQ(import.Pociagi[0]->Numer(), "1");
}

TEST(RozkladCsv, EveryBadFieldIsNamedWithItsLineAndNoTrainIsTaken)
{
    const std::string csv = Naglowek +
                            "1,A,B,s,wOlsz,wBrz,25:00,4:01,,0\n"
                            "2,A,B,s,wOlsz,wBrz,4:00,4:01,,2\n"
                            "3,A,B,s,wOlsz,wBrz,4:00,4:01,,0\n"
                            "4,A,B,s,wOlsz,wBrz,4:00,4:01,0\n"
                            ",A,B,s,wOlsz,wBrz,4:00,4:01,,0\n"
                            "6,A→,B,s,wOlsz,wBrz,4:00,4:01,,0\n"
                            "7,A,B,s,wOlsz,wBrz,4:00,,,0\n";
    const TImportCsv import = Czytaj(csv);
    EXPECT_TRUE(import.Pociagi.empty());
    EXPECT_TRUE(Zawiera(import.Bledy, "wiersz 2, pole przyjazd: \"25:00\""));
    EXPECT_TRUE(Zawiera(import.Bledy, "wiersz 3, pole bez_peronu: \"2\""));
    EXPECT_FALSE(Zawiera(import.Bledy, "wiersz 4"));
    EXPECT_TRUE(Zawiera(import.Bledy, "wiersz 5: 9 kolumn zamiast 10"));
    EXPECT_TRUE(Zawiera(import.Bledy, "wiersz 6, pole numer"));
    EXPECT_TRUE(Zawiera(import.Bledy, "wiersz 7, pole relacja_od: tekst ma znaki spoza strony kodowej"));
    EXPECT_TRUE(Zawiera(import.Bledy, "wiersz 8, pole odjazd"));
    EXPECT_EQ(import.Bledy.size(), 6u);
}

TEST(RozkladCsv, AHeaderWithAnUnknownOrMisplacedColumnIsRefused)
{
    const TImportCsv nieznana =
        Czytaj("numer,relacja_od,relacja_do,sklad,wjezdza,wyjezdza,przyjazd,odjazd,uwagi,bez_peronu\n");
    EXPECT_TRUE(Zawiera(nieznana.Bledy, "wiersz 1: nieznana kolumna \"uwagi\""));
    const TImportCsv zamienione =
        Czytaj("relacja_od,numer,relacja_do,sklad,wjezdza,wyjezdza,przyjazd,odjazd,opis,bez_peronu\n");
    EXPECT_TRUE(Zawiera(zamienione.Bledy, "kolumna \"relacja_od\" stoi na miejscu 1"));
    const TImportCsv krotki = Czytaj("numer,relacja_od\n1,A\n");
    EXPECT_TRUE(Zawiera(krotki.Bledy, "nagłówek ma 2 kolumn"));
    EXPECT_TRUE(krotki.Pociagi.empty());
    EXPECT_FALSE(Czytaj("").Bledy.empty());
}

TEST(RozkladCsv, QuotesThatDoNotCloseOrAreFollowedByTextAreErrors)
{
    EXPECT_TRUE(Zawiera(Czytaj(Naglowek + "1,\"A,B,s,wOlsz,wBrz,4:00,4:01,,0\n").Bledy,
                        "wiersz 2: cudzysłów otwarty"));
    EXPECT_TRUE(Zawiera(Czytaj(Naglowek + "1,\"A\"x,B,s,wOlsz,wBrz,4:00,4:01,,0\n").Bledy,
                        "wiersz 2: po zamykającym cudzysłowie pola 2"));
}

TEST(RozkladCsv, InvalidUtf8IsReportedRatherThanStored)
{
    const TImportCsv import = Czytaj(Naglowek + "1,A\xC5,B,s,wOlsz,wBrz,4:00,4:01,,0\n");
    EXPECT_TRUE(Zawiera(import.Bledy, "wiersz 2, pole relacja_od: tekst nie jest poprawnym UTF-8"));
}

TEST(RozkladCsv, ExportSkipsEntriesThatAreNotTrainsAndCountsThem)
{
    tWktGenericList lista;
    lista.Append(nullptr);
    lista.Append(std::make_unique<tWktGenericItem>());
    auto t = std::make_unique<TPociag>();
    t->SetNumer("9");
    lista.Append(std::move(t));
    int pominiete = 0;
    EXPECT_EQ(ZapiszRozkladCsv(lista, &pominiete), Naglowek + "9,,,,,,0:00,0:00,,0\n");
    EXPECT_EQ(pominiete, 2);
}

TEST(RozkladCsv, TheCheckNamesEntriesWithProblems)
{
    tWktGenericList lista;
    const auto dodaj = [&](const std::string& numer, const std::string& wjezdza, const std::string& wyjezdza,
                           const std::string& sklad) {
        auto t = std::make_unique<TPociag>();
        t->SetNumer(numer);
        t->SetWjezdza(wjezdza);
        t->SetWyjezdza(wyjezdza);
        t->SetSkladRozkladowy(sklad);
        TPociag& r = *t;
        lista.Append(std::move(t));
        return &r;
    };
    dodaj("1", "wOLSZ", "", "S12B");
    dodaj("2", "wNigdzie", "wBrz", "s");
    dodaj("3", "", "", "s");
    dodaj("4", "wBrz", "wOlsz", "sx2");
    dodaj("5", "wBrz", "wOlsz", "s")->SetOdjazd(1.5);
    dodaj("6", "wBrz", "wOlsz", "s")->Flags[7] = 2;
    lista.Append(nullptr);
    const auto problemy = SprawdzRozklad(lista, {"wOlsz", "wBrz", "wWirowa"});
    EXPECT_FALSE(Zawiera(problemy, "1 (1)"));
    EXPECT_TRUE(Zawiera(problemy, "2 (2): wjezdza przez nieznany wlot \"wNigdzie\""));
    EXPECT_TRUE(Zawiera(problemy, "3 (3): pociąg ani nie przyjeżdża"));
    EXPECT_TRUE(Zawiera(problemy, "4 (4): nieznany pojazd 'x'"));
    EXPECT_TRUE(Zawiera(problemy, "5 (5): odjazd nie jest godziną doby"));
    EXPECT_TRUE(Zawiera(problemy, "6 (6): flaga 7 ma wartość 2"));
    EXPECT_TRUE(Zawiera(problemy, "7: pusty wpis"));
    EXPECT_EQ(problemy.size(), 6u);
}

TEST(RozkladCsv, RowsTheCheckWouldRefuseAreRefusedWithTheirLineAndField)
{
    const TImportCsv import = Czytaj(Naglowek +
                                     "1,A,B,s1,\"wOlsz \",wBrz,4:00,4:01,,0\n"
                                     "2,A,B,s12!2,wOlsz,wBrz,4:00,4:01,,0\n"
                                     "3,A,B,s1,,,4:00,4:01,,0\n"
                                     "4,A,B,s1,wolsz,WBRZ,4:00,4:01,,0\n");
    EXPECT_TRUE(import.Pociagi.empty());
    EXPECT_TRUE(Zawiera(import.Bledy, "wiersz 2, pole wjezdza: wjezdza przez nieznany wlot \"wOlsz \""));
    EXPECT_TRUE(Zawiera(import.Bledy, "wiersz 3, pole sklad: nieznany pojazd '!' w składzie \"s12!2\""));
    EXPECT_EQ(import.Bledy.size(), 2u);
}

TEST(RozkladCsv, ATrainThatStaysInTheStationIsOnlyADoubtOfTheCheckAndIsTaken)
{
    const TImportCsv import = Czytaj(Naglowek + "90001,Drelinko,Drelinko,s,,,6:40,6:45,manewry,0\n");
    ASSERT_TRUE(import.Bledy.empty()) << import.Bledy.front();
    ASSERT_EQ(import.Pociagi.size(), 1u);
    const auto problemy = ProblemyPociagu(*import.Pociagi[0], Wloty);
    ASSERT_EQ(problemy.size(), 1u);
    EXPECT_TRUE(problemy[0].TylkoWatpliwosc);
}

TEST(RozkladCsv, MoreTrainsThanTheFileCanCountAreRefusedAtTheFirstRowPastTheLimit)
{
    std::string csv = Naglowek + "\n";  // a blank line: rows and lines differ
    for (int i = 0; i <= NajwiecejPociagow + 5; ++i)
        csv += std::to_string(i) + ",A,B,s,wOlsz,wBrz,4:00,4:01,,0\n";
    const TImportCsv import = Czytaj(csv);
    EXPECT_TRUE(import.Pociagi.empty());
    ASSERT_EQ(import.Bledy.size(), 1u);
    EXPECT_EQ(import.Bledy[0], "wiersz 32770: Rozkład jazdy może mieć najwyżej 32767 pociągów. Ten wiersz jest "
                               "32768. pociągiem.");
    std::string pelny = Naglowek;
    for (int i = 0; i < NajwiecejPociagow; ++i)
        pelny += std::to_string(i) + ",A,B,s,wOlsz,wBrz,4:00,4:01,,0\n";
    EXPECT_EQ(Czytaj(pelny).Pociagi.size(), static_cast<std::size_t>(NajwiecejPociagow));
}


// A CSV file can be a timetable only up to every train the file can count at the longest row a train
// can make; past that it is refused by its size before a byte of it is read.
TEST(RozkladCsv, AFileLargerThanAnyTimetableCanBeIsRefusedByItsSizeAlone)
{
    // The longest row: every text at its longest, of the widest characters, guarded and quoted.
    tWktGenericList lista;
    auto t = std::make_unique<TPociag>();
    std::string najdluzszy = "=\"";
    for (int i = 2; i < NajdluzszyTekstPociagu; ++i)
        najdluzszy += "„";
    for (auto ustaw : {&TPociag::SetNumer, &TPociag::SetRelacjaOd, &TPociag::SetRelacjaDo,
                       &TPociag::SetSkladRozkladowy, &TPociag::SetWjezdza, &TPociag::SetWyjezdza, &TPociag::SetOpis})
        ((*t).*ustaw)(najdluzszy);
    t->SetPrzyjazd(CzytajGodzine("23:59:59").value());
    t->SetOdjazd(CzytajGodzine("23:59:59").value());
    lista.Append(std::move(t));
    const std::string csv = ZapiszRozkladCsv(lista);
    EXPECT_LE(csv.size() - Naglowek.size(), NajdluzszyWierszCsv);
    EXPECT_GT(csv.size() - Naglowek.size(), NajdluzszyWierszCsv * 9 / 10);
    EXPECT_GT(NajwiekszyPlikCsv, static_cast<std::uintmax_t>(NajwiecejPociagow) * (csv.size() - Naglowek.size()));

    // Sparse files: their size is all there is to them.
    TKatalogTymczasowy katalog;
    const auto plik = [&](const std::string& nazwa, std::uintmax_t rozmiar) {
        const std::string sciezka = katalog.Sciezka(nazwa);
        std::ofstream(sciezka, std::ios::binary) << Naglowek;
        std::filesystem::resize_file(sciezka, rozmiar);
        return sciezka;
    };
    EXPECT_EQ(SprawdzRozmiarCsv(plik("najwiekszy.csv", NajwiekszyPlikCsv)), "");
    EXPECT_EQ(SprawdzRozmiarCsv(plik("za_duzy.csv", 100'000'000)),
              "Plik jest za duży na rozkład jazdy: ma 100,0 MB, a rozkład w CSV może mieć najwyżej 70,6 MB "
              "(32767 pociągów, każdy w wierszu najwyżej 2155 bajtów).");
    EXPECT_NE(SprawdzRozmiarCsv(plik("o_bajt.csv", NajwiekszyPlikCsv + 1)), "");
    // A file that is not there is for the reading to report.
    EXPECT_EQ(SprawdzRozmiarCsv(katalog.Sciezka("brak.csv")), "");
}

// Longer texts would make rows longer than the size limit counts with: refused with line and field.
TEST(RozkladCsv, ATextLongerThanATrainsFieldMayHoldIsRefusedWithItsLineAndField)
{
    std::string sto;
    for (int i = 0; i < NajdluzszyTekstPociagu; ++i)
        sto += "ż";
    const TImportCsv dobry = Czytaj(Naglowek + "1,A,B,s1,wOlsz,wBrz,4:00,4:01," + sto + ",0\n");
    ASSERT_TRUE(dobry.Bledy.empty()) << dobry.Bledy.front();
    const TImportCsv zly = Czytaj(Naglowek + "1,A,B,s1,wOlsz,wBrz,4:00,4:01," + sto + ",0\n" + "2,A" + sto +
                                  ",B,s1,wOlsz,wBrz,4:00,4:01,x" + sto + ",0\n");
    EXPECT_TRUE(zly.Pociagi.empty());
    EXPECT_TRUE(Zawiera(zly.Bledy, "wiersz 3, pole relacja_od: relacja_od ma 101 znaków, a może mieć najwyżej 100"));
    EXPECT_TRUE(Zawiera(zly.Bledy, "wiersz 3, pole opis: opis ma 101 znaków"));
    EXPECT_EQ(zly.Bledy.size(), 2u);
}

// A file of nothing but separators is counted, not kept cell by cell.
TEST(RozkladCsv, ARowOfTooManyCellsIsNamedWithItsCount)
{
    const TImportCsv import = Czytaj(Naglowek + "1" + std::string(100000, ',') + "\n");
    ASSERT_EQ(import.Bledy.size(), 1u);
    EXPECT_EQ(import.Bledy[0], "wiersz 2: 100001 kolumn zamiast 10");
}

}  // namespace
