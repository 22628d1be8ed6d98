#include "core/format.h"

#include <cstdarg>
#include <cstdio>

std::string Formatuj(const char* wzor, ...)
{
    va_list args;
    va_start(args, wzor);
    va_list kopia;
    va_copy(kopia, args);
    const int n = std::vsnprintf(nullptr, 0, wzor, kopia);
    va_end(kopia);
    std::string wynik;
    if (n > 0) {
        wynik.resize(static_cast<std::size_t>(n) + 1);
        std::vsnprintf(wynik.data(), wynik.size(), wzor, args);
        wynik.resize(static_cast<std::size_t>(n));
    }
    va_end(args);
    return wynik;
}
