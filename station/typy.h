#pragma once

// The states of a station point and a table of values by state.

#include "core/nazwy_wartosci.h"
#include "trains/kierunek.h"

#include <array>
#include <cstddef>
#include <cstdint>

// State of a station point, in the order that comparisons rely on ("at least utwierdzony" means
// locked or occupied).
enum class tStan : std::uint8_t { nieaktywny, wolny, utwierdzony, zajety };

template <>
struct TNazwyWartosci<tStan> {
    static constexpr TNazwaWartosci<tStan> Tabela[] = {{tStan::nieaktywny, "nieaktywny"},
                                                       {tStan::wolny, "wolny"},
                                                       {tStan::utwierdzony, "utwierdzony"},
                                                       {tStan::zajety, "zajety"}};
};

// A value for each state of a point, indexed by the state.
template <typename T>
struct TPoStanie {
    std::array<T, 4> Wartosci{};
    T& operator[](tStan s) { return Wartosci[static_cast<std::size_t>(s)]; }
    const T& operator[](tStan s) const { return Wartosci[static_cast<std::size_t>(s)]; }
};
