// Writing a saved game as text and reading one back, checked line by line, with its timetables in
// base64.

#include "record/zapis_gry.h"

#include "core/format.h"
#include "core/wkt_generic.h"
#include "core/wkt_stream.h"
#include "trains/czas.h"

#include <charconv>
#include <cmath>
#include <map>
#include <stdexcept>

namespace {

constexpr std::size_t ZnakowWWierszuRozkladu = 76;

const char AlfabetBase64[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

std::string Base64(const std::vector<std::uint8_t>& dane)
{
    std::string wynik;
    wynik.reserve((dane.size() + 2) / 3 * 4);
    for (std::size_t i = 0; i < dane.size(); i += 3) {
        const std::uint32_t n = (std::uint32_t{dane[i]} << 16) |
                                (i + 1 < dane.size() ? std::uint32_t{dane[i + 1]} << 8 : 0u) |
                                (i + 2 < dane.size() ? std::uint32_t{dane[i + 2]} : 0u);
        wynik += AlfabetBase64[(n >> 18) & 63];
        wynik += AlfabetBase64[(n >> 12) & 63];
        wynik += i + 1 < dane.size() ? AlfabetBase64[(n >> 6) & 63] : '=';
        wynik += i + 2 < dane.size() ? AlfabetBase64[n & 63] : '=';
    }
    return wynik;
}

int WartoscBase64(char c)
{
    if (c >= 'A' && c <= 'Z')
        return c - 'A';
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 26;
    if (c >= '0' && c <= '9')
        return c - '0' + 52;
    if (c == '+')
        return 62;
    if (c == '/')
        return 63;
    return -1;
}

bool ZBase64(std::string_view tekst, std::vector<std::uint8_t>& dane)
{
    if (tekst.size() % 4 != 0)
        return false;
    dane.clear();
    dane.reserve(tekst.size() / 4 * 3);
    for (std::size_t i = 0; i < tekst.size(); i += 4) {
        const bool ostatni = i + 4 == tekst.size();
        int v[4];
        int dopelnienie = 0;
        for (int j = 0; j < 4; ++j) {
            const char c = tekst[i + static_cast<std::size_t>(j)];
            if (c == '=' && ostatni && j >= 2) {
                v[j] = 0;
                ++dopelnienie;
                continue;
            }
            if (dopelnienie > 0)
                return false;
            v[j] = WartoscBase64(c);
            if (v[j] < 0)
                return false;
        }
        const std::uint32_t n = (std::uint32_t(v[0]) << 18) | (std::uint32_t(v[1]) << 12) |
                                (std::uint32_t(v[2]) << 6) | std::uint32_t(v[3]);
        dane.push_back(static_cast<std::uint8_t>(n >> 16));
        if (dopelnienie < 2)
            dane.push_back(static_cast<std::uint8_t>(n >> 8));
        if (dopelnienie < 1)
            dane.push_back(static_cast<std::uint8_t>(n));
    }
    return true;
}

void DopiszRozklad(std::string& wynik, const std::string& przedrostek, const std::vector<std::uint8_t>& dane)
{
    const std::string b = Base64(dane);
    const std::size_t wierszy = (b.size() + ZnakowWWierszuRozkladu - 1) / ZnakowWWierszuRozkladu;
    wynik += przedrostek + "timetable " + std::to_string(wierszy) + ' ' + std::to_string(dane.size()) + '\n';
    for (std::size_t i = 0; i < b.size(); i += ZnakowWWierszuRozkladu)
        wynik += '|' + b.substr(i, ZnakowWWierszuRozkladu) + '\n';
}

// The inputs a game's file may hold, with their fewest and most arguments.
struct TRodzajWejscia {
    std::size_t min, maks;
};
const std::map<std::string_view, TRodzajWejscia>& RodzajeWejsc()
{
    static const std::map<std::string_view, TRodzajWejscia> rodzaje{
        {"start", {0, 0}},    {"time", {1, 1}},     {"clock", {1, 1}},  {"click", {1, 1}},
        {"dblclick", {1, 1}}, {"press", {1, 1}},    {"menu", {2, 3}},   {"commands", {1, 2}},
        {"stop", {1, 1}},     {"speed", {1, 1}},    {"sound", {1, 1}},  {"window", {1, 1}},
        {"journal", {1, 1}},  {"labels", {1, 1}},   {"wait", {1, 1}},   {"fire", {1, 1}},
        {"wall", {1, 1}},     {"random", {2, 2}},   {"answer", {1, 1}}, {"timetable", {2, 2}},
        {"auto", {1, 2}},     {"end", {0, 0}},
    };
    return rodzaje;
}

bool JedenZ(const std::string& slowo, std::initializer_list<const char*> wartosci)
{
    for (const char* w : wartosci)
        if (slowo == w)
            return true;
    return false;
}

// What is wrong with the arguments of an input, or nothing.
std::string SprawdzArgumenty(const std::vector<std::string>& s)
{
    const std::string& w = s[0];
    std::int64_t n = 0;
    double d = 0;
    if (w == "time" && !CzytajGodzine(s[1]))
        return "zła godzina „" + s[1] + "”";
    if (w == "clock" && !JedenZ(s[1], {"click", "dblclick"}))
        return "zegar przyjmuje tylko click albo dblclick";
    if ((w == "stop" || w == "sound" || w == "labels" || w == "auto") && !JedenZ(s[1], {"on", "off"}))
        return w + " przyjmuje tylko on albo off";
    if (w == "window" && !JedenZ(s[1], {"active", "inactive"}))
        return "window przyjmuje tylko active albo inactive";
    if (w == "journal" && s[1] != "clear")
        return "journal przyjmuje tylko clear";
    if (w == "answer" && !JedenZ(s[1], {"yes", "no", "cancel"}))
        return "odpowiedź musi być yes, no albo cancel";
    if (w == "speed" && (!CzytajCalkowitaZapisu(s[1], n) || n < 0 || n > 100))
        return "szybkość musi być liczbą od 0 do 100";
    if (w == "wait" && (!CzytajCalkowitaZapisu(s[1], n) || n < 0 || n > 86400000))
        return "czas oczekiwania musi być liczbą milisekund do jednej doby";
    if (w == "fire" && (!CzytajCalkowitaZapisu(s[1], n) || n < 0))
        return "zły numer zegara „" + s[1] + "”";
    if (w == "wall" && !CzytajLiczbeZapisu(s[1], d))
        return "zły czas rzeczywisty „" + s[1] + "”";
    if (w == "random") {
        std::int64_t r = 0;
        if (!CzytajCalkowitaZapisu(s[1], n) || !CzytajCalkowitaZapisu(s[2], r) || n < 1 || n > 1000000000 || r < 0 ||
            r >= n)
            return "zła liczba losowa";
    }
    return {};
}

// The timetable's bytes go through the timetable file's own reader, which stops at the first fault;
// a count of entries above the limit is refused before any is made.
std::string SprawdzRozklad(const std::vector<std::uint8_t>& dane)
{
    try {
        tWktStream strumien(dane);
        {
            tWktStream naglowek(dane);
            const std::int64_t pozycji = naglowek.LongFormat ? naglowek.ReadInt32() : naglowek.ReadInt16();
            if (pozycji > static_cast<std::int64_t>(TLimityZapisu::PozycjiRozkladu))
                return Formatuj("za dużo pozycji (%lld, najwięcej %zu)", static_cast<long long>(pozycji),
                                TLimityZapisu::PozycjiRozkladu);
        }
        tWktGenericList lista;
        lista.Load(strumien);
        return {};
    } catch (const std::exception& e) {
        return e.what();
    }
}

class TCzytnik {
public:
    explicit TCzytnik(std::string_view tekst) : tekst_(tekst) {}

    // The next line that is neither blank nor a comment; false at the end of the text.
    bool Nastepny(std::string_view& wiersz)
    {
        while (Surowy(wiersz))
            if (!wiersz.empty() && wiersz.front() != '#')
                return true;
        return false;
    }
    // The next line as it is, for the timetable's lines.
    bool Surowy(std::string_view& wiersz)
    {
        if (pozycja_ >= tekst_.size())
            return false;
        const std::size_t koniec = tekst_.find('\n', pozycja_);
        const std::size_t k = koniec == std::string_view::npos ? tekst_.size() : koniec;
        wiersz = tekst_.substr(pozycja_, k - pozycja_);
        pozycja_ = koniec == std::string_view::npos ? tekst_.size() : koniec + 1;
        ++numer_;
        if (!wiersz.empty() && wiersz.back() == '\r')
            wiersz.remove_suffix(1);
        return true;
    }
    int Numer() const { return numer_; }
    std::size_t Zostalo() const { return tekst_.size() - pozycja_; }

private:
    std::string_view tekst_;
    std::size_t pozycja_ = 0;
    int numer_ = 0;
};

struct TBlad : std::runtime_error {
    TBlad(int w, const std::string& p) : std::runtime_error(p), wiersz(w) {}
    int wiersz;
};

// The lines of a timetable after its `timetable LINES BYTES` line.
std::vector<std::uint8_t> CzytajRozklad(TCzytnik& czytnik, const std::vector<std::string>& slowa)
{
    const int wiersz = czytnik.Numer();
    std::int64_t wierszy = 0, bajtow = 0;
    if (!CzytajCalkowitaZapisu(slowa[1], wierszy) || !CzytajCalkowitaZapisu(slowa[2], bajtow) || wierszy < 0 ||
        bajtow < 0 || bajtow > static_cast<std::int64_t>(TLimityZapisu::NajwiekszyRozklad) ||
        wierszy != (((bajtow + 2) / 3 * 4) + static_cast<std::int64_t>(ZnakowWWierszuRozkladu) - 1) /
                       static_cast<std::int64_t>(ZnakowWWierszuRozkladu))
        throw TBlad(wiersz, "zła długość rozkładu jazdy");
    // Every line of it is at least its mark and line end: more than the file still holds is damage.
    if (static_cast<std::size_t>(wierszy) > czytnik.Zostalo() / 2)
        throw TBlad(wiersz, "plik urywa się w rozkładzie jazdy");
    std::string b;
    b.reserve(static_cast<std::size_t>(wierszy) * ZnakowWWierszuRozkladu);
    for (std::int64_t i = 0; i < wierszy; ++i) {
        std::string_view linia;
        if (!czytnik.Surowy(linia))
            throw TBlad(czytnik.Numer(), "plik urywa się w rozkładzie jazdy");
        if (linia.empty() || linia.front() != '|')
            throw TBlad(czytnik.Numer(), "brak wiersza rozkładu jazdy");
        b += linia.substr(1);
    }
    std::vector<std::uint8_t> dane;
    if (!ZBase64(b, dane) || static_cast<std::int64_t>(dane.size()) != bajtow)
        throw TBlad(wiersz, "rozkład jazdy jest uszkodzony");
    if (const std::string powod = SprawdzRozklad(dane); !powod.empty())
        throw TBlad(wiersz, "rozkład jazdy jest uszkodzony: " + powod);
    return dane;
}

std::vector<std::string> Slowa(std::string_view wiersz, int numer)
{
    std::vector<std::string> slowa;
    if (!RozbijWierszZapisu(wiersz, slowa))
        throw TBlad(numer, "niedomknięty cudzysłów");
    return slowa;
}

std::int64_t CzytajNaglowek(TCzytnik& czytnik, TZapisGry& zapis)
{
    std::string_view wiersz;
    if (!czytnik.Nastepny(wiersz))
        throw TBlad(czytnik.Numer() + 1, "to nie jest zapis gry Drelinko: plik jest pusty");
    auto slowa = Slowa(wiersz, czytnik.Numer());
    if (slowa.size() != 2 || slowa[0] != TZapisGry::Sygnatura)
        throw TBlad(czytnik.Numer(), "to nie jest zapis gry Drelinko");
    std::int64_t wersja = 0;
    if (!CzytajCalkowitaZapisu(slowa[1], wersja) || wersja < 1)
        throw TBlad(czytnik.Numer(), "zła wersja zapisu");
    if (wersja > TZapisGry::WersjaFormatu)
        throw TBlad(czytnik.Numer(), Formatuj("zapis pochodzi z nowszej wersji gry (format %lld, a ten program zna %d)",
                                              static_cast<long long>(wersja), TZapisGry::WersjaFormatu));
    // The header's fields, each once and in this order; the disturbances since the third format.
    std::vector<const char*> pola{"program", "hour", "seed", "timetable"};
    if (wersja >= 3)
        pola.insert(pola.begin() + 3, "level");
    for (const char* pole : pola) {
        if (!czytnik.Nastepny(wiersz))
            throw TBlad(czytnik.Numer() + 1, Formatuj("plik urywa się przed polem %s nagłówka", pole));
        slowa = Slowa(wiersz, czytnik.Numer());
        if (slowa.empty() || slowa[0] != pole)
            throw TBlad(czytnik.Numer(), Formatuj("brak pola %s nagłówka", pole));
        const std::size_t argumentow = std::string_view(pole) == "timetable" ? 3 : 2;
        if (slowa.size() != argumentow)
            throw TBlad(czytnik.Numer(), Formatuj("zła liczba wartości pola %s", pole));
        std::int64_t n = 0;
        if (slowa[0] == "program") {
            zapis.Program = slowa[1];
        } else if (slowa[0] == "hour") {
            if (!CzytajLiczbeZapisu(slowa[1], zapis.Godzina) || zapis.Godzina < 0 || zapis.Godzina >= 1)
                throw TBlad(czytnik.Numer(), "zła godzina startu");
        } else if (slowa[0] == "seed") {
            if (!CzytajCalkowitaZapisu(slowa[1], n) || n < 0)
                throw TBlad(czytnik.Numer(), "złe ziarno losowania");
            zapis.Ziarno = static_cast<std::uint64_t>(n);
        } else if (slowa[0] == "level") {
            if (!CzytajCalkowitaZapisu(slowa[1], n) || n < TUtrudnienia::NajnizszyPoziom ||
                n > TUtrudnienia::NajwyzszyPoziom)
                throw TBlad(czytnik.Numer(), "zły poziom utrudnień");
            zapis.Utrudnienia = static_cast<int>(n);
        } else {
            zapis.Rozklad = CzytajRozklad(czytnik, slowa);
        }
    }
    return wersja;
}

// The checkpoint after the header, `checkpoint LINES TICKS` and its lines, each `= WORDS`.
void CzytajPunkt(TCzytnik& czytnik, const std::vector<std::string>& slowa, TZapisGry& zapis)
{
    const int wiersz = czytnik.Numer();
    std::int64_t wierszy = 0;
    if (slowa.size() != 3 || !CzytajCalkowitaZapisu(slowa[1], wierszy) || !CzytajCalkowitaZapisu(slowa[2], zapis.TaktPunktu) ||
        wierszy < 1 || zapis.TaktPunktu < 0)
        throw TBlad(wiersz, "zły nagłówek punktu kontrolnego");
    if (static_cast<std::size_t>(wierszy) > TLimityZapisu::WierszyPunktu ||
        static_cast<std::size_t>(wierszy) > czytnik.Zostalo() / 2)
        throw TBlad(wiersz, "za dużo wierszy punktu kontrolnego");
    zapis.WierszPunktu = wiersz + 1;
    std::vector<std::string> w;
    for (std::int64_t i = 0; i < wierszy; ++i) {
        std::string_view linia;
        if (!czytnik.Surowy(linia))
            throw TBlad(czytnik.Numer(), "plik urywa się w punkcie kontrolnym");
        if (linia.empty() || linia.front() != '=')
            throw TBlad(czytnik.Numer(), "brak wiersza punktu kontrolnego");
        if (!RozbijWierszZapisu(linia.substr(1), w))
            throw TBlad(czytnik.Numer(), "niedomknięty cudzysłów");
        if (w.empty())
            throw TBlad(czytnik.Numer(), "pusty wiersz punktu kontrolnego");
        if (zapis.Punkt.Slow() + w.size() > TLimityZapisu::SlowPunktu)
            throw TBlad(czytnik.Numer(), "za duży punkt kontrolny");
        zapis.Punkt.NowyWiersz();
        for (const std::string& slowo : w)
            zapis.Punkt.DodajSlowo(slowo);
    }
}

}  // namespace

std::string SlowoZapisu(std::string_view slowo)
{
    bool cytat = slowo.empty();
    for (const unsigned char c : slowo)
        if (c <= ' ' || c == '"' || c == '\\' || c == '#' || c == 127)
            cytat = true;
    if (!cytat)
        return std::string(slowo);
    std::string wynik = "\"";
    for (const char c : slowo) {
        switch (c) {
        case '"':
            wynik += "\\\"";
            break;
        case '\\':
            wynik += "\\\\";
            break;
        case '\n':
            wynik += "\\n";
            break;
        case '\r':
            wynik += "\\r";
            break;
        case '\t':
            wynik += "\\t";
            break;
        default:
            wynik += c;
        }
    }
    return wynik + '"';
}

bool RozbijWierszZapisu(std::string_view wiersz, std::vector<std::string>& slowa)
{
    slowa.clear();
    std::size_t i = 0;
    while (i < wiersz.size()) {
        const char c = wiersz[i];
        if (c == ' ' || c == '\t') {
            ++i;
            continue;
        }
        // A bare word never starts with '#' (SlowoZapisu quotes it): the rest is a comment.
        if (c == '#')
            break;
        std::string slowo;
        if (c == '"') {
            ++i;
            bool zamkniety = false;
            while (i < wiersz.size()) {
                const char z = wiersz[i++];
                if (z == '"') {
                    zamkniety = true;
                    break;
                }
                if (z != '\\') {
                    slowo += z;
                    continue;
                }
                if (i >= wiersz.size())
                    return false;
                const char e = wiersz[i++];
                slowo += e == 'n' ? '\n' : e == 'r' ? '\r' : e == 't' ? '\t' : e;
            }
            if (!zamkniety)
                return false;
        } else {
            while (i < wiersz.size() && wiersz[i] != ' ' && wiersz[i] != '\t')
                slowo += wiersz[i++];
        }
        slowa.push_back(std::move(slowo));
    }
    return true;
}

std::string LiczbaZapisu(double v)
{
    char bufor[64];
    const auto [koniec, blad] = std::to_chars(bufor, bufor + sizeof bufor, v);
    return blad == std::errc() ? std::string(bufor, koniec) : std::string("0");
}

bool CzytajLiczbeZapisu(std::string_view tekst, double& v)
{
    const auto [koniec, blad] = std::from_chars(tekst.data(), tekst.data() + tekst.size(), v);
    return !tekst.empty() && blad == std::errc() && koniec == tekst.data() + tekst.size() && std::isfinite(v);
}

bool CzytajCalkowitaZapisu(std::string_view tekst, std::int64_t& v)
{
    const auto [koniec, blad] = std::from_chars(tekst.data(), tekst.data() + tekst.size(), v);
    return !tekst.empty() && blad == std::errc() && koniec == tekst.data() + tekst.size();
}

std::string TekstZapisu(const TZapisGry& zapis)
{
    std::string wynik;
    wynik += "# Lorvia 99 - Drelinko: a saved game. After the header, one input a line: the ticks run\n"
             "# before it, then the act in the words of drelinko-sim, or the time, chance, answer or timer\n"
             "# the game was given.\n";
    wynik += std::string(TZapisGry::Sygnatura) + ' ' + std::to_string(TZapisGry::WersjaFormatu) + '\n';
    wynik += "program " + SlowoZapisu(zapis.Program) + '\n';
    wynik += "hour " + LiczbaZapisu(zapis.Godzina) + "  # " + CzasHHMMSS(zapis.Godzina) + '\n';
    wynik += "seed " + std::to_string(zapis.Ziarno) + '\n';
    wynik += "level " + std::to_string(zapis.Utrudnienia) + '\n';
    DopiszRozklad(wynik, "", zapis.Rozklad);
    if (!zapis.Punkt.empty()) {
        wynik += "checkpoint " + std::to_string(zapis.Punkt.size()) + ' ' + std::to_string(zapis.TaktPunktu) + '\n';
        for (std::size_t w = 0; w < zapis.Punkt.size(); ++w) {
            wynik += '=';
            for (std::size_t i = 0; i < zapis.Punkt.SlowWWierszu(w); ++i) {
                wynik += ' ';
                wynik += SlowoZapisu(zapis.Punkt.Slowo(w, i));
            }
            wynik += '\n';
        }
    }
    for (const TWejscieGry& w : zapis.Wejscia) {
        const std::string takt = std::to_string(w.Takt) + ' ';
        if (!w.Slowa.empty() && w.Slowa[0] == "timetable") {
            DopiszRozklad(wynik, takt, w.Rozklad);
            continue;
        }
        wynik += takt.substr(0, takt.size() - 1);
        for (const std::string& s : w.Slowa)
            wynik += ' ' + SlowoZapisu(s);
        wynik += '\n';
    }
    wynik += std::to_string(zapis.Takty) + " end\n";
    return wynik;
}

bool CzytajZapis(std::string_view tekst, TZapisGry& wynik, TBladZapisu& blad)
{
    TZapisGry zapis;
    TCzytnik czytnik(tekst);
    try {
        if (tekst.size() > TLimityZapisu::NajwiekszyPlik)
            throw TBlad(0, "plik jest za duży na zapis gry");
        const std::int64_t wersja = CzytajNaglowek(czytnik, zapis);
        std::string_view wiersz;
        bool koniec = false;
        bool pierwszy = true;
        std::size_t bajtowRozkladow = 0;
        std::int64_t czekania = 0;
        while (czytnik.Nastepny(wiersz)) {
            const int numer = czytnik.Numer();
            if (koniec)
                throw TBlad(numer, "wiersz po końcu gry");
            if (pierwszy && wersja >= 2 && wiersz.starts_with("checkpoint")) {
                pierwszy = false;
                CzytajPunkt(czytnik, Slowa(wiersz, numer), zapis);
                continue;
            }
            pierwszy = false;
            TWejscieGry w;
            w.Wiersz = numer;
            w.Slowa = Slowa(wiersz, numer);
            if (w.Slowa.size() < 2 || !CzytajCalkowitaZapisu(w.Slowa[0], w.Takt) || w.Takt < 0)
                throw TBlad(numer, "wiersz nie zaczyna się od liczby taktów");
            if (w.Takt < zapis.TaktPunktu)
                throw TBlad(numer, "liczba taktów się cofa");
            if (w.Takt - zapis.TaktPunktu > (wersja >= 2 ? TLimityZapisu::Taktow : TLimityZapisu::TaktowFormatu1))
                throw TBlad(numer, "za dużo taktów od punktu kontrolnego");
            if (!zapis.Wejscia.empty() && w.Takt < zapis.Wejscia.back().Takt)
                throw TBlad(numer, "liczba taktów się cofa");
            if (wersja >= 2 && zapis.Wejscia.size() >= TLimityZapisu::Wejsc)
                throw TBlad(numer, "za dużo wejść od punktu kontrolnego");
            w.Slowa.erase(w.Slowa.begin());
            const auto rodzaj = RodzajeWejsc().find(w.Slowa[0]);
            if (rodzaj == RodzajeWejsc().end())
                throw TBlad(numer, "nieznane wejście „" + w.Slowa[0] + "”");
            const std::size_t argumentow = w.Slowa.size() - 1;
            if (argumentow < rodzaj->second.min || argumentow > rodzaj->second.maks)
                throw TBlad(numer, "zła liczba argumentów wejścia „" + w.Slowa[0] + "”");
            if (const std::string powod = SprawdzArgumenty(w.Slowa); !powod.empty())
                throw TBlad(numer, powod);
            if (w.Slowa[0] == "wait") {
                std::int64_t ms = 0;
                CzytajCalkowitaZapisu(w.Slowa[1], ms);
                czekania += ms;
                if (czekania > TLimityZapisu::CzekaniaMs)
                    throw TBlad(numer, "za długie czekanie od punktu kontrolnego");
            }
            if (w.Slowa[0] == "end") {
                zapis.Takty = w.Takt;
                koniec = true;
                continue;
            }
            if (w.Slowa[0] == "timetable") {
                w.Rozklad = CzytajRozklad(czytnik, w.Slowa);
                w.Slowa.resize(1);
                bajtowRozkladow += w.Rozklad.size();
                if (bajtowRozkladow > TLimityZapisu::BajtowRozkladow)
                    throw TBlad(numer, "za dużo zmian rozkładu jazdy od punktu kontrolnego");
            }
            zapis.Wejscia.push_back(std::move(w));
        }
        if (!koniec)
            throw TBlad(czytnik.Numer(), "plik urywa się: brak wiersza końca gry");
    } catch (const TBlad& e) {
        blad = {e.wiersz, e.what()};
        return false;
    }
    wynik = std::move(zapis);
    return true;
}
