#include "core/tekst.h"

#include <gtest/gtest.h>

namespace {

TEST(Tekst, PolishCapitalsAreLoweredAndEveryOtherByteIsKept)
{
    EXPECT_EQ(MaleLitery("ZW20 Łódź ŚWIERADÓW Żagań"), "zw20 łódź świeradów żagań");
    EXPECT_EQ(MaleLitery("a+2A\r\n«»"), "a+2a\r\n«»");
    // A cut letter at the end stays as it is rather than becoming another letter.
    EXPECT_EQ(MaleLitery(std::string_view("\xC5", 1)), std::string("\xC5"));
}

TEST(Tekst, NamesCompareWithoutRegardToCaseInBothScripts)
{
    EXPECT_TRUE(RowneBezWielkosci("stacja_Drelinko", "STACJA_drelinko"));
    EXPECT_TRUE(RowneBezWielkosci("Przełęcz", "PRZEŁĘCZ"));
    EXPECT_FALSE(RowneBezWielkosci("zw2", "zw20"));
    EXPECT_LT(PorownajBezWielkosci("bartnica", "Bystrzyn"), 0);
    EXPECT_GT(PorownajBezWielkosci("Olszarzyna", "czaplin"), 0);
    EXPECT_LT(PorownajBezWielkosci("Zagórnik", "Łódź"), 0);
    EXPECT_EQ(PorownajBezWielkosci("Żagań", "żAGAŃ"), 0);
}

}  // namespace
