// Reading the layout text into records, with class defaults filled in and checked whole.

#include "station/uklad_tekst.h"

#include "station/wiersze_ukladu.h"

#include <algorithm>
#include <charconv>
#include <iterator>
#include <map>
#include <string>

namespace {

using TWlasciwosc = TRekordUkladu::Wlasciwosc;
using TRodzaj = TSlowoUkladu::TRodzaj;

const char* const PolaElementu[] = {"klasy", "nazwy", "kontenera", "Left", "Top", "Width", "Height"};
constexpr std::size_t LiczbaPol = std::size(PolaElementu);

bool Litera(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; }
bool Cyfra(char c) { return c >= '0' && c <= '9'; }

// Names are ASCII identifiers; a property name may have dotted parts (Font.Name).
bool Nazwa(std::string_view s, bool zKropkami = false)
{
    return !s.empty() && Litera(s.front()) && s.back() != '.' &&
           std::all_of(s.begin(), s.end(), [&](char c) { return Litera(c) || Cyfra(c) || (zKropkami && c == '.'); });
}

// Class names begin with a capital letter, which keeps them apart from the lower-case keywords.
bool NazwaKlasy(std::string_view s) { return Nazwa(s) && s.front() >= 'A' && s.front() <= 'Z'; }

// The station finds its elements without regard to case, so two names that differ only in case
// are one name.
std::string Klucz(std::string_view nazwa)
{
    std::string k(nazwa);
    for (char& c : k)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return k;
}

int Liczba(const TSlowoUkladu& s, const char* pole, const std::string& element)
{
    int wynik = 0;
    const char* koniec = s.Tekst.data() + s.Tekst.size();
    const auto [p, blad] = std::from_chars(s.Tekst.data(), koniec, wynik);
    if (blad != std::errc() || p != koniec)
        BladWiersza(s.Wiersz, std::string(pole) + " elementu " + element + " to \"" + s.Tekst +
                                  "\", a nie liczba całkowita.");
    return wynik;
}

// The class defaults, each replaced in its place by the element's own value, then the element's
// other properties in the order written; the setters are called in this order.
std::vector<TWlasciwosc> Rozwin(const std::vector<TWlasciwosc>& domyslne, std::vector<TWlasciwosc> wlasne)
{
    std::vector<TWlasciwosc> wynik = domyslne;
    for (TWlasciwosc& w : wlasne) {
        const auto d =
            std::find_if(wynik.begin(), wynik.end(), [&](const TWlasciwosc& x) { return x.Nazwa == w.Nazwa; });
        if (d != wynik.end())
            d->Wartosc = std::move(w.Wartosc);
        else
            wynik.push_back(std::move(w));
    }
    return wynik;
}

// The fixed fields of an element line: class, name, container and bounds.
TRekordUkladu PolaStale(const TLiniaUkladu& l)
{
    const auto& s = l.Slowa;
    std::size_t pola = 0;
    while (pola < LiczbaPol && pola < s.size() && s[pola].Rodzaj == TRodzaj::Gole)
        ++pola;
    if (pola < LiczbaPol)
        BladWiersza(l.Wiersz,
                    std::string("brak ") + PolaElementu[pola] + (pola > 1 ? " elementu " + s[1].Tekst : "") + ".");
    TRekordUkladu r;
    r.Klasa = s[0].Tekst;
    r.Nazwa = s[1].Tekst;
    r.Kontener = s[2].Tekst;
    r.Wiersz = l.Wiersz;
    if (!Nazwa(r.Nazwa))
        BladWiersza(l.Wiersz, r.Nazwa + " nie jest nazwą elementu (litery, cyfry, podkreślenie).");
    if (!Nazwa(r.Kontener))
        BladWiersza(l.Wiersz, r.Kontener + " nie jest nazwą kontenera (litery, cyfry, podkreślenie).");
    r.Left = Liczba(s[3], "Left", r.Nazwa);
    r.Top = Liczba(s[4], "Top", r.Nazwa);
    r.Width = Liczba(s[5], "Width", r.Nazwa);
    r.Height = Liczba(s[6], "Height", r.Nazwa);
    if (r.Width < 0 || r.Height < 0)
        BladWiersza(l.Wiersz, "element " + r.Nazwa + " ma ujemną szerokość albo wysokość.");
    return r;
}

// The properties and references after the fixed fields of a line.
struct TAtrybuty {
    std::vector<TWlasciwosc> Wlasciwosci;
    std::vector<TSlowoUkladu> Odwolania;
};

TAtrybuty Atrybuty(const std::vector<TSlowoUkladu>& slowa, std::size_t od)
{
    TAtrybuty a;
    std::map<std::string, int> gdzie;
    for (std::size_t i = od; i < slowa.size(); ++i) {
        const TSlowoUkladu& s = slowa[i];
        if (s.Rodzaj == TRodzaj::Gole)
            BladWiersza(s.Wiersz, "nadmiarowe słowo " + s.Tekst +
                                      "; właściwość pisze się Nazwa=wartość, odwołanie Nazwa->element.");
        if (!Nazwa(s.Tekst, s.Rodzaj == TRodzaj::Wlasciwosc))
            BladWiersza(s.Wiersz, s.Tekst + " nie jest nazwą właściwości ani odwołania.");
        if (const auto [w, nowa] = gdzie.emplace(s.Tekst, s.Wiersz); !nowa)
            BladWiersza(s.Wiersz, s.Tekst + " podano już w wierszu " + std::to_string(w->second) + ".");
        if (s.Rodzaj == TRodzaj::Wlasciwosc) {
            a.Wlasciwosci.push_back({s.Tekst, s.Wartosc});
        } else {
            if (!Nazwa(s.Wartosc))
                BladWiersza(s.Wiersz, s.Tekst + "->" + s.Wartosc + " nie wskazuje nazwy elementu.");
            a.Odwolania.push_back(s);
        }
    }
    return a;
}

class TCzytnikUkladu {
public:
    std::vector<TRekordUkladu> Czytaj(std::string_view tekst);

private:
    struct TDomyslne {
        std::string Klasa;
        int Wiersz = 0;
        std::vector<TWlasciwosc> Wlasciwosci;
        bool Uzyte = false;
    };

    void Domyslne(const TLiniaUkladu& l);
    void Element(const TLiniaUkladu& l);
    TDomyslne* DomyslneKlasy(const std::string& klasa);
    void SprawdzCalosc() const;

    std::vector<TDomyslne> domyslne_;
    std::map<std::string, int> pierwszyElementKlasy_;  // class: its first element's line
    std::map<std::string, int> elementy_;               // Klucz of the name: its line
    std::vector<TSlowoUkladu> odwolania_;
    std::vector<TRekordUkladu> uklad_;
};

std::vector<TRekordUkladu> TCzytnikUkladu::Czytaj(std::string_view tekst)
{
    for (const TLiniaUkladu& l : LinieUkladu(tekst)) {
        const TSlowoUkladu& s = l.Slowa.front();
        if (s.Rodzaj != TRodzaj::Gole)
            BladWiersza(l.Wiersz, "wiersz zaczyna się od " + s.Tekst + " zamiast od klasy albo słowa domyslne.");
        if (s.Tekst == "domyslne")
            Domyslne(l);
        else if (!s.Tekst.empty() && s.Tekst.front() >= 'a' && s.Tekst.front() <= 'z')
            BladWiersza(l.Wiersz, "nieznane słowo kluczowe " + s.Tekst + ".");
        else if (!NazwaKlasy(s.Tekst))
            BladWiersza(l.Wiersz, s.Tekst + " nie jest nazwą klasy.");
        else
            Element(l);
    }
    SprawdzCalosc();
    return std::move(uklad_);
}

TCzytnikUkladu::TDomyslne* TCzytnikUkladu::DomyslneKlasy(const std::string& klasa)
{
    const auto d =
        std::find_if(domyslne_.begin(), domyslne_.end(), [&](const TDomyslne& x) { return x.Klasa == klasa; });
    return d == domyslne_.end() ? nullptr : &*d;
}

void TCzytnikUkladu::Domyslne(const TLiniaUkladu& l)
{
    const auto& s = l.Slowa;
    if (s.size() < 2 || s[1].Rodzaj != TRodzaj::Gole)
        BladWiersza(l.Wiersz, "brak klasy po domyslne.");
    const std::string& klasa = s[1].Tekst;
    if (!NazwaKlasy(klasa))
        BladWiersza(l.Wiersz, klasa + " nie jest nazwą klasy.");
    if (const TDomyslne* d = DomyslneKlasy(klasa))
        BladWiersza(l.Wiersz, "domyślne klasy " + klasa + " podano już w wierszu " + std::to_string(d->Wiersz) + ".");
    // Defaults given after an element would leave that element without them.
    if (const auto e = pierwszyElementKlasy_.find(klasa); e != pierwszyElementKlasy_.end())
        BladWiersza(l.Wiersz, "domyślne klasy " + klasa + " muszą poprzedzać jej pierwszy element, z wiersza " +
                                  std::to_string(e->second) + ".");
    TAtrybuty a = Atrybuty(s, 2);
    if (!a.Odwolania.empty())
        BladWiersza(a.Odwolania.front().Wiersz, "domyślne nie wskazują elementów; " + a.Odwolania.front().Tekst +
                                                    "-> może stać tylko przy elemencie.");
    domyslne_.push_back({klasa, l.Wiersz, std::move(a.Wlasciwosci)});
}

void TCzytnikUkladu::Element(const TLiniaUkladu& l)
{
    TRekordUkladu r = PolaStale(l);
    if (const auto [e, nowy] = elementy_.emplace(Klucz(r.Nazwa), l.Wiersz); !nowy)
        BladWiersza(l.Wiersz, "element " + r.Nazwa + " jest już w wierszu " + std::to_string(e->second) + ".");
    pierwszyElementKlasy_.emplace(r.Klasa, l.Wiersz);
    TAtrybuty a = Atrybuty(l.Slowa, LiczbaPol);
    TDomyslne* d = DomyslneKlasy(r.Klasa);
    if (d != nullptr)
        d->Uzyte = true;
    r.Wlasciwosci = Rozwin(d != nullptr ? d->Wlasciwosci : std::vector<TWlasciwosc>{}, std::move(a.Wlasciwosci));
    for (const TSlowoUkladu& o : a.Odwolania)
        r.Referencje.push_back({o.Tekst, o.Wartosc});
    odwolania_.insert(odwolania_.end(), a.Odwolania.begin(), a.Odwolania.end());
    uklad_.push_back(std::move(r));
}

// What only the whole text shows: defaults no element takes (a misspelt class), references to
// elements that are not there.
void TCzytnikUkladu::SprawdzCalosc() const
{
    for (const TDomyslne& d : domyslne_)
        if (!d.Uzyte)
            BladWiersza(d.Wiersz, "domyślne klasy " + d.Klasa + ", a żaden element nie jest tej klasy.");
    for (const TSlowoUkladu& o : odwolania_)
        if (!elementy_.contains(Klucz(o.Wartosc)))
            BladWiersza(o.Wiersz, o.Tekst + "->" + o.Wartosc + " wskazuje element, którego nie ma w układzie.");
}

}  // namespace

std::vector<TRekordUkladu> CzytajUklad(std::string_view tekst) { return TCzytnikUkladu().Czytaj(tekst); }
