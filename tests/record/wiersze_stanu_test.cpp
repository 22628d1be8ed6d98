#include "record/wiersze_stanu.h"

#include <gtest/gtest.h>

// Words lie one after another in one buffer: where one ends is where the next starts, so an empty
// word, a word with blanks and the last word of the last line must all come back as they went in.
TEST(WierszeStanu, EveryWordComesBackAsItWasAddedEmptyAndBlankOnesToo)
{
    TWierszeStanu w;
    w.NowyWiersz();
    w.DodajSlowo("line");
    w.DodajSlowo("");
    w.DodajSlowo("Pociąg 34101 \"Brzelany\"");
    w.NowyWiersz();
    w.NowyWiersz();
    w.DodajSlowo("track");
    w.DodajSlowo("p1");
    ASSERT_EQ(w.size(), 3u);
    EXPECT_EQ(w.Slow(), 5u);
    EXPECT_EQ(w.Wiersz(0), (std::vector<std::string>{"line", "", "Pociąg 34101 \"Brzelany\""}));
    EXPECT_EQ(w.SlowWWierszu(1), 0u);
    EXPECT_EQ(w.Wiersz(2), (std::vector<std::string>{"track", "p1"}));
    EXPECT_EQ(w.Slowo(2, 1), "p1");
}

// Two states are the same only when their lines split the same words the same way.
TEST(WierszeStanu, StatesAreEqualOnlyWithTheSameWordsInTheSameLines)
{
    const auto stan = [](std::initializer_list<std::initializer_list<const char*>> wiersze) {
        TWierszeStanu w;
        for (const auto& wiersz : wiersze) {
            w.NowyWiersz();
            for (const char* s : wiersz)
                w.DodajSlowo(s);
        }
        return w;
    };
    EXPECT_EQ(stan({{"a", "bc"}, {"d"}}), stan({{"a", "bc"}, {"d"}}));
    EXPECT_NE(stan({{"a", "bc"}, {"d"}}), stan({{"ab", "c"}, {"d"}}));
    EXPECT_NE(stan({{"a", "bc"}, {"d"}}), stan({{"a"}, {"bc", "d"}}));
    EXPECT_NE(stan({{"a", "bc"}, {"d"}}), stan({{"a", "bc", "d"}}));
}
