// Line-break replacement and printf-style formatting into strings.

#include "core/format.h"

#include <cstdarg>
#include <cstdio>

std::string ZamienKonceLinii(const std::string& tekst, std::string_view na)
{
    std::string wynik;
    wynik.reserve(tekst.size());
    for (std::size_t i = 0; i < tekst.size(); ++i) {
        if (tekst[i] == '\r' && i + 1 < tekst.size() && tekst[i + 1] == '\n')
            continue;
        if (tekst[i] == '\n')
            wynik += na;
        else
            wynik += tekst[i];
    }
    return wynik;
}

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
