#include "core/wkt_exception.h"
#include "core/wkt_generic.h"
#include "core/wkt_list.h"
#include "core/wkt_registry.h"
#include "core/wkt_stream.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

using Bajty = std::vector<std::uint8_t>;

Bajty Zapisz(const tWktInstance& obiekt)
{
    tWktStream s;
    s.WriteObject(&obiekt);
    return s.Bytes();
}

std::unique_ptr<tWktInstance> Odczytaj(Bajty bajty)
{
    tWktStream s(std::move(bajty));
    return s.ReadObject();
}

TEST(Strumien, NumbersAreLittleEndian)
{
    tWktStream s;
    s.WriteInt16(-2);
    s.WriteUInt16(0x1234);
    s.WriteInt32(0x01020304);
    s.WriteDouble(1.0);
    EXPECT_EQ(s.Bytes(), (Bajty{0xFE, 0xFF, 0x34, 0x12, 0x04, 0x03, 0x02, 0x01, 0, 0, 0, 0, 0, 0, 0xF0, 0x3F}));
    s.Seek(0);
    EXPECT_EQ(s.ReadInt16(), -2);
    EXPECT_EQ(s.ReadUInt16(), 0x1234);
    EXPECT_EQ(s.ReadInt32(), 0x01020304);
    EXPECT_EQ(s.ReadDouble(), 1.0);
    EXPECT_EQ(s.Remaining(), 0u);
}

TEST(Strumien, EmptyAndAbsentTextsAreStoredAsZeroLengthAndReadBackEmpty)
{
    tWktStream s;
    s.WriteText("");
    EXPECT_EQ(s.Bytes(), (Bajty{0, 0}));
    s.Seek(0);
    EXPECT_EQ(s.ReadText(), "");
}

TEST(Strumien, TextOf30000CharactersUsesTheShortLengthAnd30001TheLongForm)
{
    tWktStream s;
    s.WriteText(std::string(30000, 'x'));
    ASSERT_EQ(s.Size(), 2u + 30000u);
    EXPECT_EQ(s.Bytes()[0], 0x30);
    EXPECT_EQ(s.Bytes()[1], 0x75);

    tWktStream d;
    d.WriteText(std::string(30001, 'y'));
    ASSERT_EQ(d.Size(), 2u + 4u + 30001u);
    EXPECT_EQ((Bajty(d.Bytes().begin(), d.Bytes().begin() + 6)), (Bajty{0xFF, 0xFF, 0x31, 0x75, 0, 0}));
    d.Seek(0);
    EXPECT_EQ(d.ReadText(), std::string(30001, 'y'));
}

TEST(Strumien, TextsLongerThanAnyBufferAreReadWhole)
{
    // A stored 16-bit length up to 32767 must not overrun anything.
    Bajty b = {0xFF, 0x7F};
    b.insert(b.end(), 32767, 'z');
    tWktStream s(b);
    EXPECT_EQ(s.ReadText(), std::string(32767, 'z'));
}

TEST(Strumien, PolishLettersAreStoredInWindows1250AndReadBackAsUtf8)
{
    tWktStream s;
    s.WriteText("Żółć „ś” «»");
    EXPECT_EQ(s.Bytes(), (Bajty{11, 0, 0xAF, 0xF3, 0xB3, 0xE6, ' ', 0x84, 0x9C, 0x94, ' ', 0xAB, 0xBB}));
    s.Seek(0);
    EXPECT_EQ(s.ReadText(), "Żółć „ś” «»");
}

TEST(Strumien, TextTheCodePageCannotHoldIsRefusedAndNothingIsWritten)
{
    tWktStream s;
    EXPECT_THROW(s.WriteText("pociąg → Kraków ✓"), EwktException);
    EXPECT_EQ(s.Size(), 0u);
}

TEST(Strumien, BytesWithoutACharacterInTheCodePageAreALoadError)
{
    tWktStream s(Bajty{2, 0, 'a', 0x98});
    EXPECT_THROW(s.ReadText(), EwktException);
}

TEST(Strumien, ReadingPastTheEndRaisesInsteadOfRunningOn)
{
    tWktStream s(Bajty{5, 0, 'a', 'b'});
    EXPECT_THROW(s.ReadText(), EwktException);
    tWktStream d(Bajty{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 'a'});
    EXPECT_THROW(d.ReadText(), EwktException);
    tWktStream k(Bajty{1});
    EXPECT_THROW(k.ReadInt16(), EwktException);
}

TEST(Strumien, NegativeLengthsOtherThanTheLongMarkerReadAsNoText)
{
    tWktStream s(Bajty{0xFE, 0xFF, 'a'});
    EXPECT_EQ(s.ReadText(), "");
    EXPECT_EQ(s.Position(), 2u);
    tWktStream d(Bajty{0xFF, 0xFF, 0xF0, 0xFF, 0xFF, 0xFF});
    EXPECT_EQ(d.ReadText(), "");
}

TEST(Strumien, AnEmptyListIsItsClassNumberAndThreeShortZeros)
{
    tWktList lista;
    EXPECT_EQ(Zapisz(lista), (Bajty{50, 0, 0, 0, 0, 0, 0, 0}));
}

TEST(Strumien, AnEmptySortedListEndsWithItsDuplicatesByte)
{
    tWktGenericList lista;
    EXPECT_EQ(Zapisz(lista), (Bajty{0xC8, 0x02, 0, 0, 0, 0, 0, 0, 1}));
    lista.AllowDuplicates = false;
    EXPECT_EQ(Zapisz(lista).back(), 0);
}

TEST(Strumien, LongFormatListsUse32BitHeaders)
{
    tWktList lista;
    lista.LongFormat = true;
    lista.Append(nullptr);
    EXPECT_EQ(Zapisz(lista), (Bajty{50, 0, 1, 0, 0, 0, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    // The form is the list's or the stream's choice and is not stored: the reader must know it.
    tWktStream s(Zapisz(lista));
    s.LongFormat = true;
    auto obiekt = s.ReadObject();
    ASSERT_NE(dynamic_cast<tWktList*>(obiekt.get()), nullptr);
    EXPECT_EQ(dynamic_cast<tWktList*>(obiekt.get())->Count(), 1);
}

TEST(Strumien, GenericItemStoresElevenSlotsOfEachKindInOrder)
{
    tWktGenericItem r;
    r.SetText(0, "A");
    r.SetText(10, "BC");
    r.Integers[0] = -1;
    r.Reals[1] = 0.5;
    r.Flags[2] = 1;
    r.Dates[10] = 0.25;
    const Bajty b = Zapisz(r);
    ASSERT_EQ(b.size(), 2u + (2 + 1) + 9 * 2 + (2 + 2) + 231u);
    EXPECT_EQ((Bajty(b.begin(), b.begin() + 5)), (Bajty{0xC7, 0x02, 1, 0, 'A'}));
    const std::size_t stale = b.size() - 231;
    EXPECT_EQ((Bajty(b.begin() + stale, b.begin() + stale + 4)), (Bajty{0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(b[stale + 44 + 8 + 6], 0xE0);  // 0.5 = 3FE0000000000000
    EXPECT_EQ(b[stale + 44 + 88 + 2], 1);
    EXPECT_EQ(b.back(), 0x3F);  // 0.25 = 3FD0000000000000, last byte

    auto wczytany = Odczytaj(b);
    auto* g = dynamic_cast<tWktGenericItem*>(wczytany.get());
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->Texts, r.Texts);
    EXPECT_EQ(g->Integers, r.Integers);
    EXPECT_EQ(g->Reals, r.Reals);
    EXPECT_EQ(g->Flags, r.Flags);
    EXPECT_EQ(g->Dates, r.Dates);
}

TEST(Strumien, SlotIndexesOutsideTheElevenAreErrors)
{
    tWktGenericItem r;
    EXPECT_THROW(r.SetText(11, "x"), EwktException);
    EXPECT_THROW(r.SetText(-1, "x"), EwktException);
    EXPECT_THROW(r.Flag(11), EwktException);
    r.SetText(3, "x");
    r.SetText(3, "");
    EXPECT_EQ(r.Text(3), "");
}

TEST(Strumien, ClassNumber100ReadsBackAPlainList)
{
    auto obiekt = Odczytaj(Bajty{100, 0, 1, 0, 4, 0, 0, 0, 101, 0});
    auto* lista = dynamic_cast<tWktList*>(obiekt.get());
    ASSERT_NE(lista, nullptr);
    EXPECT_EQ(typeid(*lista), typeid(tWktList));
    ASSERT_EQ(lista->Count(), 1);
    EXPECT_EQ(typeid(*lista->Items(0)), typeid(tWktObject));
}

TEST(Strumien, ClassNumberZeroIsNoObject)
{
    EXPECT_EQ(Odczytaj(Bajty{0, 0}), nullptr);
    tWktStream s;
    s.WriteObject(nullptr);
    EXPECT_EQ(s.Bytes(), (Bajty{0, 0}));
}

TEST(Strumien, UnregisteredClassNumberRaises202WithTheNumber)
{
    try {
        Odczytaj(Bajty{0x39, 0x30});
        FAIL() << "no exception";
    } catch (const EwktException& e) {
        EXPECT_STREQ(e.what(), "202: Próba obsługi niezarejestrowanego typu numer 12345.");
    }
}

class TObcy : public tWktInstance {};
class TNiezarejestrowany : public tWktObject {};

TEST(Strumien, WritingAnUnregisteredClassRaises202)
{
    TNiezarejestrowany obiekt;
    tWktStream s;
    try {
        s.WriteObject(&obiekt);
        FAIL() << "no exception";
    } catch (const EwktException& e) {
        EXPECT_EQ(std::string(e.what()).rfind("202: ", 0), 0u);
    }
    EXPECT_EQ(s.Size(), 0u);
}

TEST(Strumien, ARegisteredClassThatIsNeitherObjectNorListRaises203)
{
    tWktRejestr rejestr;
    rejestr.RegisterType<TObcy>(900, "TObcy");
    tWktStream s(rejestr, Bajty{0x84, 0x03});
    try {
        s.ReadObject();
        FAIL() << "no exception";
    } catch (const EwktException& e) {
        EXPECT_STREQ(e.what(), "203: Nie można odczytać ze strumienia typu TObcy.");
    }
    TObcy obcy;
    tWktStream w(rejestr);
    EXPECT_THROW(w.WriteObject(&obcy), EwktException);
}

TEST(Rejestr, ANumberRegisteredTwiceRaises201WithTheClassName)
{
    tWktRejestr rejestr;
    rejestr.RegisterType<tWktObject>(5, "tWktObject");
    try {
        rejestr.RegisterType<tWktList>(5, "tWktList");
        FAIL() << "no exception";
    } catch (const EwktException& e) {
        EXPECT_STREQ(e.what(), "201: Identyfikator \"tWktList\" jest już w użyciu.");
    }
}

TEST(Rejestr, TheProgramRegistryKnowsThePersistenceClassesFromItsFirstUse)
{
    const std::pair<int, std::type_index> oczekiwane[] = {
        {50, typeid(tWktList)},         {100, typeid(tWktList)},         {101, typeid(tWktObject)},
        {700, typeid(tWktSortedList)}, {711, typeid(tWktGenericItem)}, {712, typeid(tWktGenericList)}};
    for (const auto& [numer, klasa] : oczekiwane) {
        const tWktRecObject* r = Rejestr().ZnajdzNumer(static_cast<std::uint16_t>(numer));
        ASSERT_NE(r, nullptr) << numer;
        EXPECT_EQ(r->Klasa, klasa) << numer;
    }
    EXPECT_EQ(Rejestr().ZnajdzKlase(typeid(tWktList))->Numer, 50);
}

TEST(Strumien, ListsNestedWithoutEndAreRefusedNotFollowed)
{
    Bajty b;
    for (int i = 0; i < 10000; ++i)
        b.insert(b.end(), {50, 0, 1, 0, 0, 0, 0, 0});
    b.insert(b.end(), {0, 0});
    EXPECT_THROW(Odczytaj(b), EwktException);
}

TEST(Strumien, ListsNestedAsDeepAsTheLimitStillLoad)
{
    tWktList korzen;
    tWktList* biezaca = &korzen;
    for (int i = 1; i < tWktStream::NajwiekszeZagniezdzenie; ++i) {
        auto nowa = std::make_unique<tWktList>();
        tWktList* n = nowa.get();
        biezaca->Append(std::move(nowa));
        biezaca = n;
    }
    EXPECT_NE(Odczytaj(Zapisz(korzen)), nullptr);
}

TEST(Strumien, ACountLargerThanTheDataCanHoldIsRefusedBeforeAnythingIsMade)
{
    EXPECT_THROW(Odczytaj(Bajty{50, 0, 0xFF, 0x7F, 0, 0, 0, 0, 0, 0}), EwktException);
    EXPECT_THROW(Odczytaj(Bajty{50, 0, 0xFF, 0xFF, 0, 0, 0, 0}), EwktException);
    tWktStream s(Bajty{0xFF, 0xFF, 0xFF, 0x7F, 0, 0, 0, 0, 0, 0, 0, 0});
    s.LongFormat = true;
    tWktList lista;
    EXPECT_THROW(lista.Load(s), EwktException);
    EXPECT_EQ(lista.Count(), 0);
}

TEST(Strumien, AShortFormListOfMoreThan32767ItemsIsRefusedRatherThanWrapped)
{
    tWktList lista;
    for (int i = 0; i < 32768; ++i)
        lista.Append(nullptr);
    tWktStream s;
    EXPECT_THROW(lista.Store(s), EwktException);
    lista.Delete(0);
    tWktStream d;
    lista.Store(d);
    EXPECT_EQ(d.Bytes()[0], 0xFF);
    EXPECT_EQ(d.Bytes()[1], 0x7F);
}

}  // namespace
