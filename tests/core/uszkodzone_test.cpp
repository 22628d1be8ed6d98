#include "core/wkt_files.h"
#include "core/wkt_generic.h"
#include "trains/pociag.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

const std::filesystem::path Dane = DRELINKO_TEST_DATA;

std::vector<std::filesystem::path> PlikiW(const std::string& folder)
{
    std::vector<std::filesystem::path> pliki;
    for (const auto& wpis : std::filesystem::directory_iterator(Dane / folder))
        pliki.push_back(wpis.path());
    std::sort(pliki.begin(), pliki.end());
    return pliki;
}

TEST(UszkodzonePliki, EveryDamagedFileLoadsAsFalseAndLeavesTheListEmpty)
{
    ZarejestrujPociag();
    const auto pliki = PlikiW("uszkodzone");
    ASSERT_GE(pliki.size(), 10u);
    for (const auto& plik : pliki) {
        tWktGenericList lista;
        EXPECT_FALSE(LoadFromFile(lista, plik.string())) << plik.filename();
        EXPECT_EQ(lista.Count(), 0) << plik.filename();
    }
}

TEST(UszkodzonePliki, TheSoundSeedsOfTheCorpusLoad)
{
    ZarejestrujPociag();
    for (const auto& plik : PlikiW("poprawne")) {
        tWktGenericList lista;
        EXPECT_TRUE(LoadFromFile(lista, plik.string())) << plik.filename();
    }
    tWktGenericList dwa;
    ASSERT_TRUE(LoadFromFile(dwa, (Dane / "poprawne" / "dwa_pociagi.dat").string()));
    ASSERT_EQ(dwa.Count(), 2);
    EXPECT_EQ(dwa.At<TPociag>(1)->Numer(), "Przełęcz");
    EXPECT_EQ(dwa.At<TPociag>(1)->Przyjazd(), 0.5);
}

}  // namespace
