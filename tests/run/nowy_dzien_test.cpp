// A new day: made from a seed, of the shipped day's kinds of trains, and playable without a penalty.
#include "run/nowy_dzien.h"

#include "station/uklad.h"
#include "trains/pociag.h"
#include "trains/rozklad_csv.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(NowyDzien, OneSeedGivesOneDayAndAnotherSeedAnother)
{
    const TNowyDzien a = WygenerujDzien(NajmniejPociagowDnia, 7);
    EXPECT_EQ(WygenerujDzien(NajmniejPociagowDnia, 7).Csv, a.Csv);
    EXPECT_NE(WygenerujDzien(NajmniejPociagowDnia, 8).Csv, a.Csv);
}

TEST(NowyDzien, DaysOfSeveralSizesAndSeedsAreSoundPlayableAndOfEveryKind)
{
    for (const auto& [pociagow, ziarno] : {std::pair{NajmniejPociagowDnia, 1}, std::pair{PociagowDniaDomyslnie, 2}}) {
        const TNowyDzien d = WygenerujDzien(pociagow, static_cast<std::uint64_t>(ziarno));
        SCOPED_TRACE("pociągów " + std::to_string(pociagow) + ", ziarno " + std::to_string(ziarno));
        EXPECT_TRUE(d.Proba.Grywalny);
        EXPECT_TRUE(d.Proba.Kary.empty());
        // Read as the player's import reads it: every row a sound train.
        const TImportCsv import = CzytajRozkladCsv(d.Csv, NazwyElementow(UkladDrelinka(), "TWlot"));
        EXPECT_TRUE(import.Bledy.empty()) << import.Bledy.front();
        ASSERT_EQ(static_cast<int>(import.Pociagi.size()), d.Pociagi);
        // Most of what was asked for; the proof takes out only what it trips over.
        EXPECT_GE(d.Pociagi, pociagow * 3 / 4);
        std::set<std::string> opisy, numery;
        bool zaczyna = false, konczy = false, bezPostoju = false;
        for (const auto& t : import.Pociagi) {
            opisy.insert(t->Opis().substr(0, t->Opis().find(' ')));
            numery.insert(t->Numer());
            zaczyna = zaczyna || t->Wjezdza().empty();
            konczy = konczy || t->Wyjezdza().empty();
            bezPostoju = bezPostoju || t->NieWymagaPeronu();
        }
        EXPECT_EQ(numery.size(), import.Pociagi.size()) << "every number once";
        for (const char* rodzaj : {"osobowy", "szynobus"})
            EXPECT_TRUE(opisy.count(rodzaj)) << rodzaj;
        EXPECT_TRUE(zaczyna && konczy);
        if (pociagow >= PociagowDniaDomyslnie) {
            EXPECT_TRUE(opisy.count("pośpieszny"));
            EXPECT_TRUE(bezPostoju);
        }
    }
}

TEST(NowyDzien, ABigDayLosesOnlyWhatItsProofTripsOverNotWhatFollowsFromIt)
{
    // A day whose first trouble is a train held at its entry, which then kept its platform: the
    // trains that met it there afterwards are not taken out one by one for it.
    const TNowyDzien d = WygenerujDzien(100, 7);
    EXPECT_TRUE(d.Proba.Grywalny);
    EXPECT_GE(d.Pociagi, 75);
}

}  // namespace
