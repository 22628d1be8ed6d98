// The owning list of persistent objects: growing, walking, loading and storing.

#include "core/wkt_list.h"

#include "core/format.h"
#include "core/wkt_exception.h"
#include "core/wkt_stream.h"

#include <algorithm>
#include <cstdint>
#include <limits>

tWktList::~tWktList() { tWktList::FreeAll(); }

tWktInstance* tWktList::Items(int indeks) const
{
    if (indeks < 0 || indeks >= Count())
        throw EwktException(Formatuj("Indeks listy poza zakresem (%d).", indeks));
    return elementy_[static_cast<std::size_t>(indeks)].get();
}

void tWktList::Powieksz()
{
    int przyrost = 4;
    if (pojemnosc_ > 64)
        przyrost = pojemnosc_ / 4;
    else if (pojemnosc_ > 8)
        przyrost = 16;
    pojemnosc_ += przyrost;
}

int tWktList::Append(std::unique_ptr<tWktInstance> obiekt)
{
    Insert(Count(), std::move(obiekt));
    return Count() - 1;
}

void tWktList::Insert(int indeks, std::unique_ptr<tWktInstance> obiekt)
{
    if (indeks < 0 || indeks > Count())
        throw EwktException(Formatuj("Indeks listy poza zakresem (%d).", indeks));
    if (Count() == pojemnosc_)
        Powieksz();
    elementy_.insert(elementy_.begin() + indeks, std::move(obiekt));
}

std::unique_ptr<tWktInstance> tWktList::Extract(int indeks)
{
    Items(indeks);  // range check
    auto obiekt = std::move(elementy_[static_cast<std::size_t>(indeks)]);
    elementy_.erase(elementy_.begin() + indeks);
    return obiekt;
}

void tWktList::Delete(int indeks) { Extract(indeks); }

void tWktList::Pack()
{
    elementy_.erase(std::remove(elementy_.begin(), elementy_.end(), nullptr), elementy_.end());
}

tWktInstance* tWktList::FirstThat(int kierunek, const TestKontekst& test, void* kontekst) const
{
    return FirstThat(kierunek, [&](tWktInstance* e) { return test(kontekst, e); });
}

void tWktList::ForEach(int kierunek, const AkcjaKontekst& akcja, void* kontekst) const
{
    ForEach(kierunek, [&](tWktInstance* e) { akcja(kontekst, e); });
}

tWktInstance* tWktList::FirstThat(int kierunek, const Test& test) const
{
    if (kierunek == OdPierwszego) {
        for (const auto& e : elementy_)
            if (test(e.get()))
                return e.get();
    } else if (kierunek == OdOstatniego) {
        for (auto it = elementy_.rbegin(); it != elementy_.rend(); ++it)
            if (test(it->get()))
                return it->get();
    }
    return nullptr;
}

void tWktList::ForEach(int kierunek, const Akcja& akcja) const
{
    FirstThat(kierunek, [&](tWktInstance* e) {
        akcja(e);
        return false;
    });
}

void tWktList::Load(tWktStream& strumien)
{
    const bool dlugi = LongFormat || strumien.LongFormat;
    std::int32_t ile = 0;
    if (dlugi) {
        ile = strumien.ReadInt32();
        strumien.ReadInt32();
        strumien.ReadInt32();
    } else {
        ile = strumien.ReadInt16();
        strumien.ReadInt16();
        strumien.ReadInt16();
    }
    // Every entry takes at least its two-byte class number: a count the data cannot hold is damage.
    if (ile < 0 || static_cast<std::size_t>(ile) > strumien.Remaining() / 2)
        throw EwktException(Formatuj("Niepoprawna liczba elementów listy (%d).", ile));
    for (std::int32_t i = 0; i < ile; ++i)
        Append(strumien.ReadObject());
}

void tWktList::Store(tWktStream& strumien) const
{
    if (LongFormat || strumien.LongFormat) {
        strumien.WriteInt32(Count());
        strumien.WriteInt32(pojemnosc_);
        strumien.WriteInt32(0);
    } else {
        constexpr int najwiecej = std::numeric_limits<std::int16_t>::max();
        if (Count() > najwiecej)
            throw EwktException(Formatuj("Lista ma %d elementów; w krótkim formacie mieści się %d.",
                                         Count(), najwiecej));
        strumien.WriteInt16(static_cast<std::int16_t>(Count()));
        strumien.WriteInt16(static_cast<std::int16_t>(std::min(pojemnosc_, najwiecej)));
        strumien.WriteInt16(0);
    }
    for (const auto& e : elementy_)
        strumien.WriteObject(e.get());
}

void tWktList::FreeAll()
{
    Pack();
    // Freed back to front, and each taken out first, so an item whose destructor looks at the
    // list never meets a freed neighbour.
    while (!elementy_.empty()) {
        auto ostatni = std::move(elementy_.back());
        elementy_.pop_back();
    }
    pojemnosc_ = 0;
}
