#include "simulation/linia_startowa.h"

#include "trains/czas.h"

#include <cctype>
#include <charconv>

namespace {

bool RowneBezWielkosci(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
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

std::string_view BezOdstepow(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

}  // namespace

tPolecenieStartu PolecenieStartu(int numer)
{
    switch (numer) {
    case 31:
        return tPolecenieStartu::psRozklad;
    case 43:
        return tPolecenieStartu::psInstrukcja;
    case 44:
        return tPolecenieStartu::psZacznij;
    case 414:
        return tPolecenieStartu::psZacznijOdGodziny;
    default:
        return tPolecenieStartu::psBrak;
    }
}

int NumerLinku(std::string_view cel)
{
    int numer = 0;
    const auto [koniec, blad] = std::from_chars(cel.data(), cel.data() + cel.size(), numer, 10);
    if (blad != std::errc() || koniec != cel.data() + cel.size() || cel.empty())
        return 0;
    return numer;
}

tPolecenieStartu PolecenieZPomocy(int kod, int dane)
{
    return kod == KodPoleceniaPomocy ? PolecenieStartu(dane) : tPolecenieStartu::psBrak;
}

std::optional<std::string> NormalizujGodzine(std::string_view tekst)
{
    std::string_view s = BezOdstepow(tekst);
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

const std::vector<TLiniaStartowa::TParametr>& TLiniaStartowa::Parametry()
{
    static const std::vector<TParametr> parametry{
        {"44", "Kliknij %s, aby zacząć od początku.", 0, false, "tutaj"},
        {GodzStartu, "Aby zacząć od godziny %s, ", 1, true, DomyslnaGodzina},
        {"414", "kliknij %s.", 1, false, "tutaj"},
    };
    return parametry;
}

const TLiniaStartowa::TParametr* TLiniaStartowa::Parametr(std::string_view nazwa)
{
    for (const auto& p : Parametry())
        if (RowneBezWielkosci(p.Nazwa, nazwa))
            return &p;
    return nullptr;
}

TLiniaStartowa::TLiniaStartowa(TUstawienia& ustawienia, TKomunikaty& komunikaty)
    : ustawienia_(ustawienia), komunikaty_(komunikaty)
{
}

std::string TLiniaStartowa::Wartosc(std::string_view nazwa) const
{
    const TParametr* p = Parametr(nazwa);
    if (p == nullptr)
        return {};
    if (!p->Edytowalny)
        return p->Domyslna;
    const auto godzina = NormalizujGodzine(ustawienia_.Czytaj(Klucz, p->Nazwa, p->Domyslna));
    return godzina ? *godzina : p->Domyslna;
}

double TLiniaStartowa::GodzinaStartu() const
{
    // Wartosc answers a valid hour only, so this cannot fail.
    return CzytajGodzine(Wartosc(GodzStartu)).value_or(0.0);
}

TLiniaStartowa::tWpis TLiniaStartowa::Wpisz(std::string_view nazwa, std::string_view wartosc)
{
    const TParametr* p = Parametr(nazwa);
    if (p == nullptr)
        return tWpis::wpNieznany;
    if (!p->Edytowalny)
        return tWpis::wpStaly;
    const auto godzina = NormalizujGodzine(wartosc);
    if (!godzina) {
        komunikaty_.Komunikat(ZlaGodzina);
        return tWpis::wpOdrzucony;
    }
    ustawienia_.Zapisz(Klucz, p->Nazwa, *godzina);
    return tWpis::wpPrzyjety;
}

void TLiniaStartowa::ZapiszGodzine(double czas) { ustawienia_.Zapisz(Klucz, GodzStartu, GodzinaMinuty(czas)); }
