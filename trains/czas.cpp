// Times of day on the millisecond grid: conversions, delays, and the clock texts.

#include "trains/czas.h"

#include "core/format.h"
#include "core/tekst.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr long long MsDoby = 86400000LL;

bool Cyfry(std::string_view s, std::size_t min, std::size_t max)
{
    return s.size() >= min && s.size() <= max &&
           std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int Liczba(std::string_view s)
{
    int v = 0;
    for (char c : s)
        v = v * 10 + (c - '0');
    return v;
}


// One or two digits, taken off the front of the text.
std::optional<int> Skladnik(std::string_view& tekst)
{
    std::size_t n = 0;
    while (n < tekst.size() && n < 3 && tekst[n] >= '0' && tekst[n] <= '9')
        ++n;
    if (n == 0 || n > 2)
        return std::nullopt;
    int v = 0;
    for (std::size_t i = 0; i < n; ++i)
        v = v * 10 + (tekst[i] - '0');
    tekst.remove_prefix(n);
    return v;
}

}  // namespace

long long Milisekundy(double czas) { return std::llround(czas * MsDoby); }
double ZMilisekund(long long ms) { return static_cast<double>(ms) / MsDoby; }

double PoraDnia(double czas)
{
    long long ms = Milisekundy(czas) % MsDoby;
    if (ms < 0)
        ms += MsDoby;
    return ZMilisekund(ms);
}

long long SekundyDoby(double czas) { return (Milisekundy(PoraDnia(czas)) + 500) / 1000 % 86400; }

long long RoznicaPoryMs(double teraz, double plan)
{
    long long roznica = (Milisekundy(teraz) - Milisekundy(plan)) % MsDoby;
    if (roznica > MsDoby / 2)
        roznica -= MsDoby;
    else if (roznica <= -MsDoby / 2)
        roznica += MsDoby;
    return roznica;
}

double Minuta(int minuty) { return ZMilisekund(minuty * 60000LL); }
double Sekunda(int sekundy) { return ZMilisekund(sekundy * 1000LL); }

int Minuty(double x)
{
    long long ms = Milisekundy(std::fabs(x)) % MsDoby;
    return static_cast<int>(ms / 60000);
}

std::string TekstOpoznienia(double zaplanowany, double teraz)
{
    const long long ms = Milisekundy(std::fabs(zaplanowany - teraz)) % MsDoby;
    const long long godziny = ms / 3600000, minuty = ms / 60000 % 60;
    std::string tekst = Formatuj("%lld godz. %lld min.", godziny, minuty);
    if (tekst.rfind("0 godz.", 0) == 0)
        tekst.erase(0, 7);
    return tekst;
}

std::string GodzinaMinuty(double czas, char separator)
{
    // Milliseconds first, as clocks round, then whole minutes: 12:59:59.9996 is still 12:59.
    double dzien = czas - std::floor(czas);
    auto ms = static_cast<long long>(std::llround(dzien * 86400000.0)) % 86400000LL;
    const long long minuty = ms / 60000;
    return Formatuj("%lld%c%02lld", minuty / 60, separator, minuty % 60);
}

namespace {

// The clocks are written every tick: put together digit by digit rather than through printf,
// which was most of a quiet tick's work. The seconds of a day keep every field to two digits.
void DopiszDwieCyfry(std::string& tekst, long long v)
{
    tekst += static_cast<char>('0' + v / 10);
    tekst += static_cast<char>('0' + v % 10);
}

std::string Zegar(double czas, bool dwucyfrowaGodzina, bool sekundy)
{
    const long long s = SekundyDoby(czas);
    std::string tekst;
    tekst.reserve(8);
    if (dwucyfrowaGodzina || s >= 36000)
        DopiszDwieCyfry(tekst, s / 3600);
    else
        tekst += static_cast<char>('0' + s / 3600);
    tekst += ':';
    DopiszDwieCyfry(tekst, s / 60 % 60);
    if (sekundy) {
        tekst += ':';
        DopiszDwieCyfry(tekst, s % 60);
    }
    return tekst;
}

}  // namespace

std::string CzasHHMMSS(double czas) { return Zegar(czas, true, true); }
std::string CzasHHMM(double czas) { return Zegar(czas, true, false); }
std::string CzasHMMSS(double czas) { return Zegar(czas, false, true); }

std::optional<double> CzytajGodzine(std::string_view tekst)
{
    const auto p1 = tekst.find(':');
    if (p1 == std::string_view::npos)
        return std::nullopt;
    const std::string_view h = tekst.substr(0, p1);
    std::string_view reszta = tekst.substr(p1 + 1);
    std::string_view m = reszta;
    std::string_view s;
    if (const auto p2 = reszta.find(':'); p2 != std::string_view::npos) {
        m = reszta.substr(0, p2);
        s = reszta.substr(p2 + 1);
        if (!Cyfry(s, 2, 2))
            return std::nullopt;
    }
    if (!Cyfry(h, 1, 2) || !Cyfry(m, 2, 2))
        return std::nullopt;
    const int gg = Liczba(h), mm = Liczba(m), ss = s.empty() ? 0 : Liczba(s);
    if (gg > 23 || mm > 59 || ss > 59)
        return std::nullopt;
    return (gg * 3600 + mm * 60 + ss) / 86400.0;
}

std::string PiszGodzine(double czas)
{
    const long long s = SekundyDoby(czas);
    if (s % 60 == 0)
        return Formatuj("%lld:%02lld", s / 3600, s / 60 % 60);
    return Formatuj("%lld:%02lld:%02lld", s / 3600, s / 60 % 60, s % 60);
}

std::optional<std::string> NormalizujGodzine(std::string_view tekst)
{
    const std::string przyciety = Przytnij(tekst);
    std::string_view s = przyciety;
    const auto godziny = Skladnik(s);
    if (!godziny || s.empty() || s.front() != ':')
        return std::nullopt;
    s.remove_prefix(1);
    const auto minuty = Skladnik(s);
    if (!minuty)
        return std::nullopt;
    int sekundy = 0;
    if (!s.empty()) {
        if (s.front() != ':')
            return std::nullopt;
        s.remove_prefix(1);
        const auto ss = Skladnik(s);
        if (!ss || !s.empty())
            return std::nullopt;
        sekundy = *ss;
    }
    if (*godziny > 23 || *minuty > 59 || sekundy > 59)
        return std::nullopt;
    return std::to_string(*godziny) + ':' + (*minuty < 10 ? "0" : "") + std::to_string(*minuty);
}
