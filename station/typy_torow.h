#pragma once

#include "station/typy.h"

#include <cstdint>
#include <string>

// Switch position: the upper or the lower branch.
enum class tZwrStatus : std::uint8_t { gora = 0, dol = 1 };
// Which side of a switch is single: one into two (single on the left) or two into one.
enum class tZwrTyp : std::uint8_t { JedenNaDwa = 0, DwaNaJeden = 1 };
// Where the single side of a switch meets its edge.
enum tUkladRysowania : std::uint8_t { urGora = 0, urSrodek = 1, urDol = 2 };

bool CzytajZwrStatus(const std::string& tekst, tZwrStatus& wynik);
bool CzytajZwrTyp(const std::string& tekst, tZwrTyp& wynik);
bool CzytajUkladRysowania(const std::string& tekst, tUkladRysowania& wynik);
bool CzytajSemType(const std::string& tekst, tSemType& wynik);
bool CzytajStan(const std::string& tekst, tStan& wynik);
