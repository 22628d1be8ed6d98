// Picking the Polish noun form that goes with a number.

#include "core/liczebniki.h"

#include <cstdio>
#include <cstdlib>

std::string Liczebnik(const char* wzor, int n, const char* jeden, const char* kilka, const char* wiele)
{
    const char* rzeczownik = wiele;
    const int reszta = std::abs(n) % 10;
    if (n == 1)
        rzeczownik = jeden;
    else if (n >= 10 && n <= 20)
        rzeczownik = wiele;
    else if (reszta >= 2 && reszta <= 4)
        rzeczownik = kilka;
    char bufor[256];
    const int dlugosc = std::snprintf(bufor, sizeof bufor, wzor, n, rzeczownik);
    if (dlugosc < 0 || dlugosc >= static_cast<int>(sizeof bufor))
        return "--- błąd ---";
    return bufor;
}
