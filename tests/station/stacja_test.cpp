#include "interlocking/stacja_nastawni.h"
#include "station/peron.h"
#include "station/przycisk_elementu.h"
#include "station/semafor.h"
#include "station/tor.h"
#include "station/wlot.h"
#include "station/zapowiedz.h"
#include "station/zwrotnica.h"
#include "tests/support/stacja_testowa.h"
#include "trains/pociag.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// The lists by kind, worked out the slow way: every component of the class in creation order.
template <typename T, typename Lista>
void ZgodneZKomponentami(const TStacja& stacja, const Lista& lista)
{
    std::vector<T*> oczekiwane;
    for (const auto& k : stacja.Komponenty())
        if (auto* t = dynamic_cast<T*>(k.get()))
            oczekiwane.push_back(t);
    ASSERT_FALSE(oczekiwane.empty());
    EXPECT_EQ(std::vector<T*>(lista.begin(), lista.end()), oczekiwane);
}

void ListyZgodne(const TStacja& s)
{
    ZgodneZKomponentami<TPunkt>(s, s.Punkty());
    ZgodneZKomponentami<TWlot>(s, s.Wloty());
    ZgodneZKomponentami<TSemafor>(s, s.Semafory());
    ZgodneZKomponentami<TZwrotnica>(s, s.Zwrotnice());
    ZgodneZKomponentami<TPrzyciskElementu>(s, s.Przyciski());
}

int PoliczPociagi(const TStacja& s)
{
    int n = 0;
    for (const auto& k : s.Komponenty())
        if (auto* p = dynamic_cast<TPunkt*>(k.get());
            p != nullptr && p->Pociag() != nullptr && dynamic_cast<TWlot*>(p) == nullptr &&
            dynamic_cast<TZapowiedz*>(p) == nullptr)
            ++n;
    return n;
}

TEST(Stacja, TheListsByKindHoldEveryComponentOfTheKindInCreationOrderAlsoAfterARemoval)
{
    TStacjaTestowa t;
    ListyZgodne(t.Stacja);
    for (const char* nazwa : {"wBrz", "sA", "zw1", "Tor20", "p1", "bSK1"})
        t.Stacja.Usun(&t.E(nazwa));
    ListyZgodne(t.Stacja);
}

// The lists by class are kept between calls: one asked for before a component comes or goes must not
// be given again as it was.
TEST(Stacja, TheComponentsOfAClassAreListedAnewAfterOneComesOrGoesAndAWalkOverTheListMayChangeTheLayout)
{
    TStacjaTestowa t;
    ZgodneZKomponentami<TSemafor>(t.Stacja, t.Stacja.Wszystkie<TSemafor>());
    ZgodneZKomponentami<TTor>(t.Stacja, t.Stacja.Wszystkie<TTor>());
    TSemafor& nowy = t.Stacja.Dodaj<TSemafor>("sNowy");
    EXPECT_EQ(t.Stacja.Wszystkie<TSemafor>().back(), &nowy);
    ZgodneZKomponentami<TSemafor>(t.Stacja, t.Stacja.Wszystkie<TSemafor>());
    t.Stacja.Usun(&t.E("sA"));
    t.Stacja.Usun(&t.E("Tor20"));
    ZgodneZKomponentami<TSemafor>(t.Stacja, t.Stacja.Wszystkie<TSemafor>());
    ZgodneZKomponentami<TTor>(t.Stacja, t.Stacja.Wszystkie<TTor>());
    // Components added while the list is walked do not disturb the walk.
    std::size_t przejrzane = 0;
    for (TTor* tor : t.Stacja.Wszystkie<TTor>()) {
        t.Stacja.Dodaj<TTor>(tor->Name + "_kopia");
        ++przejrzane;
    }
    EXPECT_EQ(t.Stacja.Wszystkie<TTor>().size(), 2 * przejrzane);
    ZgodneZKomponentami<TTor>(t.Stacja, t.Stacja.Wszystkie<TTor>());
}

TEST(Stacja, EveryPointClassOfTheLayoutAnswersTheKindsOfItsClassAndItsBases)
{
    TStacjaTestowa t;
    for (TPunkt* p : t.Stacja.Punkty()) {
        SCOPED_TRACE(p->Name);
        EXPECT_EQ(p->Jest(rpTor), dynamic_cast<TTor*>(p) != nullptr);
        EXPECT_EQ(p->Jest(rpZwrotnica), dynamic_cast<TZwrotnica*>(p) != nullptr);
        EXPECT_EQ(p->Jest(rpSemafor), dynamic_cast<TSemafor*>(p) != nullptr);
        EXPECT_EQ(p->Jest(rpZapowiedz), dynamic_cast<TZapowiedz*>(p) != nullptr);
        EXPECT_EQ(p->Jest(rpPeron), dynamic_cast<TPeron*>(p) != nullptr);
        EXPECT_EQ(p->Jest(rpBocznica), dynamic_cast<TBocznica*>(p) != nullptr);
        EXPECT_EQ(p->Jest(rpWlot), dynamic_cast<TWlot*>(p) != nullptr);
        EXPECT_EQ(p->Jest(rpWlotStacyjny), dynamic_cast<TWlotStacyjny*>(p) != nullptr);
        EXPECT_EQ(p->Jest(rpPunktTorowy), dynamic_cast<TPunktTorowy*>(p) != nullptr);
    }
    // Each kind is met on the shipped layout, so none of the answers above is vacuous.
    for (unsigned r : {rpTor, rpZwrotnica, rpSemafor, rpZapowiedz, rpPeron, rpBocznica, rpWlot, rpWlotStacyjny})
        EXPECT_TRUE(std::any_of(t.Stacja.Punkty().begin(), t.Stacja.Punkty().end(),
                                [r](const TPunkt* p) { return p->Jest(r); }))
            << r;
}

TEST(Stacja, TheCountOfTrainsInTheStationFollowsEveryPointLeavingOutEntriesAndAnnouncements)
{
    TStacjaTestowa t;
    TPociag a, b;
    EXPECT_EQ(t.Stacja.PociagiNaStacji(), 0);
    t.E<TPunkt>("p1").SetPociag(&a);
    t.E<TPunkt>("Tor7").SetPociag(&b);
    t.E<TPunkt>("wOlsz").SetPociag(&a);
    t.E<TPunkt>("zOlszarzyny").SetPociag(&b);
    EXPECT_EQ(t.Stacja.PociagiNaStacji(), 2);
    // Another train on an occupied point does not add one.
    t.E<TPunkt>("p1").SetPociag(&b);
    EXPECT_EQ(t.Stacja.PociagiNaStacji(), 2);
    t.E<TPunkt>("Tor7").SetPociag(nullptr);
    t.E<TPunkt>("Tor7").SetPociag(nullptr);
    EXPECT_EQ(t.Stacja.PociagiNaStacji(), 1);
    t.E<TPunkt>("wOlsz").SetPociag(nullptr);
    EXPECT_EQ(t.Stacja.PociagiNaStacji(), 1);
    // An occupied point taken off the layout takes its train out of the count.
    t.Stacja.Usun(&t.E("p1"));
    EXPECT_EQ(t.Stacja.PociagiNaStacji(), 0);
    EXPECT_EQ(PoliczPociagi(t.Stacja), 0);
}

}  // namespace
