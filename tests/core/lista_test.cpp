#include "core/wkt_generic.h"
#include "core/wkt_list.h"
#include "core/wkt_sorted_list.h"
#include "core/wkt_stream.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <vector>

namespace {

// An object that counts its own destruction, to see what a list frees.
class TLicznik : public tWktObject {
public:
    TLicznik(int wartosc, int* zniszczone) : Wartosc(wartosc), zniszczone_(zniszczone) {}
    ~TLicznik() override
    {
        if (zniszczone_ != nullptr)
            ++*zniszczone_;
    }
    int Wartosc;

private:
    int* zniszczone_;
};

int Wartosc(tWktInstance* e) { return static_cast<TLicznik*>(e)->Wartosc; }

// A sorted list keyed by the counter's value.
class TListaLiczb : public tWktSortedList {
public:
    Klucz KeyOf(const tWktInstance* obiekt) const override
    {
        return &static_cast<const TLicznik*>(obiekt)->Wartosc;
    }
    int Compare(Klucz a, Klucz b) const override
    {
        const int x = *static_cast<const int*>(a), y = *static_cast<const int*>(b);
        return x < y ? -1 : (x > y ? 1 : 0);
    }
};

TEST(Lista, FreesEveryObjectItHoldsWhenDestroyed)
{
    int zniszczone = 0;
    {
        tWktList lista;
        lista.Append(std::make_unique<TLicznik>(1, &zniszczone));
        lista.Append(nullptr);
        lista.Append(std::make_unique<TLicznik>(2, &zniszczone));
    }
    EXPECT_EQ(zniszczone, 2);
}

TEST(Lista, FreeAllLeavesTheListEmptyAndExtractHandsOwnershipOver)
{
    int zniszczone = 0;
    tWktList lista;
    lista.Append(std::make_unique<TLicznik>(1, &zniszczone));
    lista.Append(std::make_unique<TLicznik>(2, &zniszczone));
    auto wyjety = lista.Extract(0);
    lista.FreeAll();
    EXPECT_EQ(lista.Count(), 0);
    EXPECT_EQ(lista.Capacity(), 0);
    EXPECT_EQ(zniszczone, 1);
    wyjety.reset();
    EXPECT_EQ(zniszczone, 2);
}

TEST(Lista, CapacityGrowsByTheRecordedSteps)
{
    tWktList lista;
    std::vector<int> pojemnosci;
    for (int i = 0; i < 100; ++i) {
        lista.Append(nullptr);
        if (pojemnosci.empty() || pojemnosci.back() != lista.Capacity())
            pojemnosci.push_back(lista.Capacity());
    }
    EXPECT_EQ(pojemnosci, (std::vector<int>{4, 8, 12, 28, 44, 60, 76, 95, 118}));
}

TEST(Lista, FirstThatAndForEachWalkInTheGivenDirectionOnly)
{
    tWktList lista;
    for (int i = 1; i <= 4; ++i)
        lista.Append(std::make_unique<TLicznik>(i, nullptr));

    std::vector<int> odwiedzone;
    lista.ForEach(tWktList::OdPierwszego, [&](tWktInstance* e) { odwiedzone.push_back(Wartosc(e)); });
    lista.ForEach(tWktList::OdOstatniego, [&](tWktInstance* e) { odwiedzone.push_back(Wartosc(e)); });
    lista.ForEach(2, [&](tWktInstance* e) { odwiedzone.push_back(Wartosc(e)); });
    EXPECT_EQ(odwiedzone, (std::vector<int>{1, 2, 3, 4, 4, 3, 2, 1}));

    const auto parzysta = [](tWktInstance* e) { return Wartosc(e) % 2 == 0; };
    EXPECT_EQ(Wartosc(lista.FirstThat(tWktList::OdPierwszego, parzysta)), 2);
    EXPECT_EQ(Wartosc(lista.FirstThat(tWktList::OdOstatniego, parzysta)), 4);
    EXPECT_EQ(lista.FirstThat(7, parzysta), nullptr);
}

TEST(Lista, TheContextReachesTheTestAndTheActionFirst)
{
    tWktList lista;
    lista.Append(std::make_unique<TLicznik>(3, nullptr));
    lista.Append(std::make_unique<TLicznik>(5, nullptr));
    int szukana = 5;
    auto* znaleziony = lista.FirstThat(
        tWktList::OdPierwszego, [](void* k, tWktInstance* e) { return Wartosc(e) == *static_cast<int*>(k); }, &szukana);
    EXPECT_EQ(Wartosc(znaleziony), 5);
    int suma = 0;
    lista.ForEach(
        tWktList::OdPierwszego, [](void* k, tWktInstance* e) { *static_cast<int*>(k) += Wartosc(e); }, &suma);
    EXPECT_EQ(suma, 8);
}

TEST(ListaPosortowana, AddKeepsKeyOrderAndPutsAnEqualKeyBeforeTheFirstEqualOne)
{
    TListaLiczb lista;
    for (int v : {5, 1, 3, 3, 9})
        lista.Add(std::make_unique<TLicznik>(v, nullptr));
    std::vector<int> wartosci;
    lista.ForEach(tWktList::OdPierwszego, [&](tWktInstance* e) { wartosci.push_back(Wartosc(e)); });
    EXPECT_EQ(wartosci, (std::vector<int>{1, 3, 3, 5, 9}));

    auto* nowa = new TLicznik(3, nullptr);
    EXPECT_EQ(lista.Add(std::unique_ptr<tWktInstance>(nowa)), 1);
    EXPECT_EQ(lista.Items(1), nowa);

    int indeks = -1;
    const int cztery = 4;
    EXPECT_FALSE(lista.Find(&cztery, indeks));
    EXPECT_EQ(indeks, 4);
}

TEST(ListaPosortowana, WithoutDuplicatesAnEqualKeyIsRefusedAndTheListUnchanged)
{
    TListaLiczb lista;
    lista.AllowDuplicates = false;
    lista.Add(std::make_unique<TLicznik>(1, nullptr));
    lista.Add(std::make_unique<TLicznik>(2, nullptr));
    int zniszczone = 0;
    try {
        lista.Add(std::make_unique<TLicznik>(2, &zniszczone));
        FAIL() << "no exception";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "Lista nie dopuszcza duplikatów.");
    }
    EXPECT_EQ(lista.Count(), 2);
    EXPECT_EQ(zniszczone, 1);  // the refused item is not leaked
    int indeks = -1;
    const int dwa = 2;
    EXPECT_TRUE(lista.Find(&dwa, indeks));
    EXPECT_EQ(indeks, 1);
}

TEST(ListaPosortowana, LoadedItemsKeepTheFileOrderAndTheStoredDuplicatesFlag)
{
    tWktGenericList zrodlo;
    zrodlo.AllowDuplicates = false;
    for (const char* numer : {"3", "1", "2"}) {
        auto g = std::make_unique<tWktGenericItem>();
        g->SetText(0, numer);
        zrodlo.Append(std::move(g));
    }
    tWktStream s;
    zrodlo.Store(s);
    s.Seek(0);
    tWktGenericList wczytana;
    wczytana.Load(s);
    EXPECT_FALSE(wczytana.AllowDuplicates);
    ASSERT_EQ(wczytana.Count(), 3);
    EXPECT_EQ(wczytana.At<tWktGenericItem>(0)->Text(0), "3");
    EXPECT_EQ(wczytana.At<tWktGenericItem>(2)->Text(0), "2");
}

}  // namespace
