#include "core/nazwy_wartosci.h"
#include "interlocking/przyciski.h"
#include "station/semafor.h"
#include "station/typy_torow.h"
#include "station/wlot.h"
#include "tests/support/stacja_testowa.h"
#include "trains/pociag.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

// Every value is read back from its own name, and no two values share one.
template <typename E>
void SprawdzTabele()
{
    std::set<std::string_view> nazwy;
    for (const auto& n : TNazwyWartosci<E>::Tabela) {
        E przeczytana{};
        ASSERT_TRUE(CzytajWartosc(n.Nazwa, przeczytana)) << n.Nazwa;
        EXPECT_EQ(przeczytana, n.Wartosc) << n.Nazwa;
        EXPECT_EQ(NazwaWartosci(n.Wartosc), n.Nazwa);
        EXPECT_TRUE(nazwy.insert(n.Nazwa).second) << n.Nazwa;
    }
}

TEST(NazwyWartosci, EveryValueIsReadBackFromItsOwnNameAndNamesAreUnique)
{
    SprawdzTabele<tStan>();
    SprawdzTabele<tSemType>();
    SprawdzTabele<tZwrStatus>();
    SprawdzTabele<tZwrTyp>();
    SprawdzTabele<tUkladRysowania>();
    SprawdzTabele<tSemStatus>();
    SprawdzTabele<tSemRodzaj>();
    SprawdzTabele<TRodzajWlotu>();
    SprawdzTabele<TTypSpecial>();
    SprawdzTabele<tStanJazdy>();
}

TEST(NazwyWartosci, ANameIsReadOnlyExactlyAsWrittenAndAFailedReadChangesNothing)
{
    tStan stan = tStan::zajety;
    EXPECT_FALSE(CzytajWartosc("Wolny", stan));
    EXPECT_FALSE(CzytajWartosc("tStan::wolny", stan));
    EXPECT_FALSE(CzytajWartosc("", stan));
    EXPECT_EQ(stan, tStan::zajety);
}

TEST(NazwyWartosci, TheLayoutsSignalsAreLightSignalsAndItsEntriesKeepTheirKinds)
{
    TStacjaTestowa t;
    for (TSemafor* s : t.Stacja.Wszystkie<TSemafor>())
        EXPECT_EQ(s->Rodzaj(), tSemRodzaj::Swietlny) << s->Name;
    EXPECT_EQ(t.E<TWlot>("wOlsz").RodzajWlotu(), rwWlotWylot);
    EXPECT_EQ(t.E<TSpecialPunktButton>("bZerwij").TYp(), tsZerwijUtwierdzenie);
}

}  // namespace
