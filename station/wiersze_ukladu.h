#pragma once

// The lines and words of a layout text, the first step of reading it.

#include <string>
#include <string_view>
#include <vector>

// A word of a layout line: a bare word (a keyword, class, name or number), a property
// Nazwa=wartosc or a reference Nazwa->element. The value is already taken out of its quotes.
struct TSlowoUkladu {
    enum class TRodzaj { Gole, Wlasciwosc, Odwolanie };
    TRodzaj Rodzaj = TRodzaj::Gole;
    std::string Tekst;    // the bare word, or the name before = or ->
    std::string Wartosc;  // what follows = or ->
    int Wiersz = 0;       // every word keeps its own line, for a record continued on indented lines
};

// A line of the layout with the indented lines that continue it; never without words.
struct TLiniaUkladu {
    int Wiersz = 0;
    std::vector<TSlowoUkladu> Slowa;
};

// Cuts a layout text into lines of words, leaving out blank lines and comments; raises TBladUkladu
// naming the line of a malformed word.
std::vector<TLiniaUkladu> LinieUkladu(std::string_view tekst);

// Raises TBladUkladu with the message starting "Wiersz N: ".
[[noreturn]] void BladWiersza(int wiersz, const std::string& tresc);
