#include "core/wkt_files.h"
#include "tests/support/katalog_tymczasowy.h"
#include "trains/rozklad.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

// An installed game reads its shipped data from one folder and keeps the timetable in the player's.
TEST(RozkladKatalog, TheTimetableFileIsInTheDataFolder)
{
    TKatalogTymczasowy katalog;
    EXPECT_EQ(NazwaPlikuRozkladu(), katalog.Sciezka("rozklad.dat"));
    std::filesystem::create_directories(katalog.Sciezka("gracz"));
    UstawKatalogDanych(katalog.Sciezka("gracz"));
    EXPECT_EQ(NazwaPlikuRozkladu(), katalog.Sciezka("gracz/rozklad.dat"));
    UstawKatalogDanych("");
    EXPECT_EQ(NazwaPlikuRozkladu(), katalog.Sciezka("rozklad.dat"));
}

}  // namespace
