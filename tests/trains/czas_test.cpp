#include "trains/czas.h"

#include <gtest/gtest.h>

namespace {

TEST(Czas, TimesOfDayAreReadWithOrWithoutSecondsAndNothingElse)
{
    EXPECT_EQ(CzytajGodzine("4:05"), (4 * 60 + 5) / 1440.0);
    EXPECT_EQ(CzytajGodzine("04:05"), (4 * 60 + 5) / 1440.0);
    EXPECT_EQ(CzytajGodzine("23:59:30"), (23 * 3600 + 59 * 60 + 30) / 86400.0);
    for (const char* zla :
         {"", "24:00", "4:60", "4:5", "4:05:7", "4:05:60", "a:00", "4.05", "-1:00", "4:05:00:00", "123:00", "25:00"})
        EXPECT_FALSE(CzytajGodzine(zla).has_value()) << zla;
}

TEST(Czas, TimesAreWrittenWithSecondsOnlyWhenTheyAreNotZero)
{
    EXPECT_EQ(PiszGodzine(*CzytajGodzine("4:05")), "4:05");
    EXPECT_EQ(PiszGodzine(*CzytajGodzine("0:00")), "0:00");
    EXPECT_EQ(PiszGodzine(*CzytajGodzine("23:59:59")), "23:59:59");
    EXPECT_EQ(PiszGodzine(*CzytajGodzine("5:44:30")), "5:44:30");
}

TEST(Czas, DifferencesOnTheClockFaceTakeTheShorterWayRoundMidnight)
{
    const auto g = [](int h, int m) { return (h * 60 + m) / 1440.0; };
    EXPECT_EQ(RoznicaPoryMs(g(0, 5), g(23, 50)), 15 * 60000);
    EXPECT_EQ(RoznicaPoryMs(g(23, 50), g(0, 5)), -15 * 60000);
    EXPECT_EQ(RoznicaPoryMs(g(4, 14), g(4, 12)), 2 * 60000);
    EXPECT_EQ(RoznicaPoryMs(g(4, 10), g(4, 12)), -2 * 60000);
    // Half a day either way is read as late, once.
    EXPECT_EQ(RoznicaPoryMs(g(16, 0), g(4, 0)), 12 * 3600000);
    EXPECT_EQ(RoznicaPoryMs(g(4, 0), g(16, 0)), 12 * 3600000);
}

TEST(Czas, ClocksShowTheTimeOfDayRoundedToTheSecondWithAndWithoutLeadingZeros)
{
    const double t = (7 * 3600 + 5 * 60 + 9.6) / 86400.0;
    EXPECT_EQ(CzasHHMMSS(t), "07:05:10");
    EXPECT_EQ(CzasHHMM(t), "07:05");
    EXPECT_EQ(CzasHMMSS(t), "7:05:10");
    EXPECT_EQ(GodzinaMinuty(t), "7:05");
    EXPECT_EQ(GodzinaMinuty(t, '.'), "7.05");
    EXPECT_EQ(CzasHHMMSS(1.0 + t), "07:05:10");
    // Two-digit hours, midnight, and the last second of a day, rounded up into the next one.
    const double wieczor = (23 * 3600 + 59 * 60 + 58) / 86400.0;
    EXPECT_EQ(CzasHMMSS(wieczor), "23:59:58");
    EXPECT_EQ(CzasHHMM(wieczor), "23:59");
    EXPECT_EQ(CzasHHMMSS((13 * 3600 + 40 * 60) / 86400.0), "13:40:00");
    EXPECT_EQ(CzasHMMSS((10 * 3600) / 86400.0), "10:00:00");
    EXPECT_EQ(CzasHMMSS((9 * 3600 + 59 * 60 + 59) / 86400.0), "9:59:59");
    EXPECT_EQ(CzasHHMMSS(0.0), "00:00:00");
    EXPECT_EQ(CzasHMMSS(0.0), "0:00:00");
    EXPECT_EQ(CzasHHMMSS((86400 - 0.4) / 86400.0), "00:00:00");
}

}  // namespace
