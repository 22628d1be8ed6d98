#pragma once

// Enumeration values by name, both ways: for the layout text and the tools' printouts.

#include <string_view>

// The names by which the values of an enumeration are written in the layout and printed by the
// tools. Each enumeration has one table, a specialisation of TNazwyWartosci next to its definition:
//     template <> struct TNazwyWartosci<tStan> { static constexpr TNazwaWartosci<tStan> Tabela[] = {...}; };
template <typename E>
struct TNazwaWartosci {
    E Wartosc;
    std::string_view Nazwa;
};

template <typename E>
struct TNazwyWartosci;

// The value's name; "?" for a value the table lacks.
template <typename E>
std::string_view NazwaWartosci(E wartosc)
{
    for (const auto& n : TNazwyWartosci<E>::Tabela)
        if (n.Wartosc == wartosc)
            return n.Nazwa;
    return "?";
}

// The value written by its exact name; false, with `wynik` untouched, for any other text.
template <typename E>
bool CzytajWartosc(std::string_view tekst, E& wynik)
{
    for (const auto& n : TNazwyWartosci<E>::Tabela)
        if (n.Nazwa == tekst) {
            wynik = n.Wartosc;
            return true;
        }
    return false;
}
