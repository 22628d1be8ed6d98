#pragma once

// Counts written with the Polish noun form the number needs.

#include <string>

// A count with its Polish noun: "1 pociąg", "3 pociągi", "12 pociągów", "22 pociągi". The format
// takes the number (%d) and then the noun (%s); "--- błąd ---" when formatting fails.
std::string Liczebnik(const char* wzor, int n, const char* jeden, const char* kilka, const char* wiele);
