// The record's services stand between the engine and the screen: what they pass on keeps its kind.
#include "record/uslugi_zapisu.h"
#include "tests/support/srodowisko_testowe.h"

#include <gtest/gtest.h>

namespace {

TEST(UslugiZapisu, AFailurePassesToTheScreenAsAFailureAndNewsAsNews)
{
    TUslugiTestowe ekran;
    TUslugiZapisu zapis(ekran.Uslugi);
    zapis.Uslugi().Komunikaty.Blad("Nie udało się zapisać pliku.");
    zapis.Uslugi().Komunikaty.Komunikat("W tym punkcie nie ma żadnego pociągu.");
    EXPECT_EQ(ekran.Komunikaty.Bledy, std::vector<std::string>{"Nie udało się zapisać pliku."});
    EXPECT_EQ(ekran.Komunikaty.Teksty,
              (std::vector<std::string>{"Nie udało się zapisać pliku.", "W tym punkcie nie ma żadnego pociągu."}));
}

TEST(UslugiZapisu, APlaybackShowsNoBoxOfEitherKind)
{
    TUslugiTestowe ekran;
    TUslugiZapisu zapis(ekran.Uslugi);
    zapis.ZacznijOdtwarzanie();
    zapis.Uslugi().Komunikaty.Blad("Nie udało się zapisać pliku.");
    zapis.Uslugi().Komunikaty.Komunikat("W tym punkcie nie ma żadnego pociągu.");
    zapis.ZakonczOdtwarzanie();
    EXPECT_TRUE(ekran.Komunikaty.Teksty.empty());
}

}  // namespace
