#pragma once

// The generic record of the game's files, on which timetable trains are built, and its list.

#include "core/wkt_object.h"
#include "core/wkt_sorted_list.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// A record of eleven slots of each basic kind; the classes built on it give the slots meaning.
// An empty text and an absent text are one and the same.
class tWktGenericItem : public tWktObject {
public:
    static constexpr int Sloty = 11;

    std::array<std::string, Sloty> Texts{};
    std::array<std::int32_t, Sloty> Integers{};
    std::array<double, Sloty> Reals{};
    std::array<std::uint8_t, Sloty> Flags{};
    std::array<double, Sloty> Dates{};

    // Raises EwktException for a slot outside 0..10, as do the other slot accessors.
    void SetText(int indeks, std::string_view tekst);
    const std::string& Text(int indeks) const;
    bool Flag(int indeks) const;
    void SetFlag(int indeks, bool wartosc);
    double Date(int indeks) const;
    void SetDate(int indeks, double wartosc);

    void Load(tWktStream& strumien) override;
    void Store(tWktStream& strumien) const override;

    // Size of the fixed part of a stored record: integers, reals, flags and dates.
    static constexpr int RozmiarPolStalych = Sloty * (4 + 8 + 1 + 8);
};

// The generic list: a sorted list that keeps the base order (the timetable is one).
class tWktGenericList : public tWktSortedList {};
