#pragma once

// The switch positions and kinds, and how a switch is drawn.

#include "station/typy.h"

#include <cstdint>

// Switch position: the upper or the lower branch.
enum class tZwrStatus : std::uint8_t { gora = 0, dol = 1 };
// Which side of a switch is single: one into two (single on the left) or two into one.
enum class tZwrTyp : std::uint8_t { JedenNaDwa = 0, DwaNaJeden = 1 };
// Where the single side of a switch meets its edge.
enum tUkladRysowania : std::uint8_t { urGora = 0, urSrodek = 1, urDol = 2 };

template <>
struct TNazwyWartosci<tZwrStatus> {
    static constexpr TNazwaWartosci<tZwrStatus> Tabela[] = {{tZwrStatus::gora, "gora"}, {tZwrStatus::dol, "dol"}};
};
template <>
struct TNazwyWartosci<tZwrTyp> {
    static constexpr TNazwaWartosci<tZwrTyp> Tabela[] = {{tZwrTyp::JedenNaDwa, "JedenNaDwa"},
                                                         {tZwrTyp::DwaNaJeden, "DwaNaJeden"}};
};
template <>
struct TNazwyWartosci<tUkladRysowania> {
    static constexpr TNazwaWartosci<tUkladRysowania> Tabela[] = {
        {urGora, "urGora"}, {urSrodek, "urSrodek"}, {urDol, "urDol"}};
};
