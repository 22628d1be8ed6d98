// Cutting the layout text into lines and words, with quoted values and comments.

#include "station/wiersze_ukladu.h"

#include "station/uklad.h"

#include <algorithm>

namespace {

bool Odstep(char c) { return c == ' ' || c == '\t'; }

// One line being cut into words.
struct TKursor {
    std::string_view Linia;
    std::size_t Poz = 0;
    int Wiersz = 0;

    bool Koniec() const { return Poz >= Linia.size(); }
    bool KoniecSlowa() const { return Koniec() || Odstep(Linia[Poz]); }
    bool Przed(std::string_view s) const { return Linia.substr(Poz, s.size()) == s; }
    // The word from the given position to the next space, as written, for a message.
    std::string Surowe(std::size_t od) const
    {
        return std::string(Linia.substr(od, Linia.find_first_of(" \t", od) - od));
    }
};

// A value in quotes, where "" stands for one quote; the cursor stands on the opening quote.
std::string WCudzyslowie(TKursor& k, const std::string& po)
{
    std::string wartosc;
    for (++k.Poz;; ++k.Poz) {
        if (k.Koniec())
            BladWiersza(k.Wiersz, "cudzysłów po " + po + " nie jest zamknięty.");
        if (k.Przed("\"\""))
            ++k.Poz;
        else if (k.Przed("\""))
            break;
        wartosc += k.Linia[k.Poz];
    }
    ++k.Poz;
    if (!k.KoniecSlowa())
        BladWiersza(k.Wiersz, "po cudzysłowie zamykającym wartość " + po + " musi być odstęp.");
    return wartosc;
}

// What follows = or ->: up to the next space, or in quotes when it holds a space or a quote.
std::string Wartosc(TKursor& k, const std::string& po)
{
    if (k.Przed("\""))
        return WCudzyslowie(k, po);
    const std::size_t poczatek = k.Poz;
    for (; !k.KoniecSlowa(); ++k.Poz)
        if (k.Przed("\""))
            BladWiersza(k.Wiersz,
                        "cudzysłów w środku wartości " + po + "; taką wartość ujmuje się w cudzysłów całą.");
    if (k.Poz == poczatek)
        BladWiersza(k.Wiersz, "brak wartości po " + po + " (pustą pisze się " + po + "\"\").");
    return std::string(k.Linia.substr(poczatek, k.Poz - poczatek));
}

TSlowoUkladu Slowo(TKursor& k)
{
    const std::size_t poczatek = k.Poz;
    while (!k.KoniecSlowa() && !k.Przed("\"") && !k.Przed("=") && !k.Przed("->"))
        ++k.Poz;
    TSlowoUkladu s{TSlowoUkladu::TRodzaj::Gole, std::string(k.Linia.substr(poczatek, k.Poz - poczatek)), {}, k.Wiersz};
    if (k.KoniecSlowa())
        return s;
    if (s.Tekst.empty() || k.Przed("\""))
        BladWiersza(k.Wiersz, "słowo " + k.Surowe(poczatek) +
                                  " nie jest ani nazwą, ani Nazwa=wartość, ani Nazwa->element.");
    const bool odwolanie = k.Przed("->");
    k.Poz += odwolanie ? 2 : 1;
    s.Rodzaj = odwolanie ? TSlowoUkladu::TRodzaj::Odwolanie : TSlowoUkladu::TRodzaj::Wlasciwosc;
    s.Wartosc = Wartosc(k, s.Tekst + (odwolanie ? "->" : "="));
    return s;
}

// Appends the words of one line, up to its end or a # where a word would begin.
void CzytajSlowa(TKursor k, std::vector<TSlowoUkladu>& slowa)
{
    for (;;) {
        while (!k.Koniec() && Odstep(k.Linia[k.Poz]))
            ++k.Poz;
        if (k.Koniec() || k.Przed("#"))
            return;
        slowa.push_back(Slowo(k));
    }
}

}  // namespace

std::vector<TLiniaUkladu> LinieUkladu(std::string_view tekst)
{
    std::vector<TLiniaUkladu> linie;
    // An indented line continues the line above it, but not across a blank line: there it would
    // quietly add to an element the writer no longer sees.
    bool ciagnie = false;
    int wiersz = 0;
    for (std::size_t poz = 0; poz < tekst.size();) {
        const std::size_t koniec = std::min(tekst.find('\n', poz), tekst.size());
        std::string_view linia = tekst.substr(poz, koniec - poz);
        poz = koniec + 1;
        ++wiersz;
        if (!linia.empty() && linia.back() == '\r')
            linia.remove_suffix(1);
        const std::size_t tresc = linia.find_first_not_of(" \t");
        if (tresc == std::string_view::npos) {
            ciagnie = false;
            continue;
        }
        if (linia[tresc] == '#')
            continue;
        if (tresc == 0) {
            linie.push_back({wiersz, {}});
            ciagnie = true;
        } else if (!ciagnie) {
            BladWiersza(wiersz,
                        "wcięty wiersz nie ma czego ciągnąć: nad nim jest pusty wiersz albo początek pliku.");
        }
        CzytajSlowa({linia, tresc, wiersz}, linie.back().Slowa);
    }
    return linie;
}

void BladWiersza(int wiersz, const std::string& tresc)
{
    throw TBladUkladu("Wiersz " + std::to_string(wiersz) + ": " + tresc);
}
