// Reading the start window's link and help commands, and keeping the start line's hour in the settings.

#include "simulation/linia_startowa.h"

#include "core/tekst.h"
#include "simulation/ustawienia_gry.h"
#include "simulation/utrudnienia.h"
#include "trains/czas.h"

#include <charconv>

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
    case 99:
        return tPolecenieStartu::psPokaz;
    case 45:
        return tPolecenieStartu::psSamouczek;
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


const std::vector<TLiniaStartowa::TParametr>& TLiniaStartowa::Parametry()
{
    static const std::vector<TParametr> parametry{
        {"44", "Kliknij %s, aby zacząć od początku.", 0, false, "tutaj"},
        {GodzStartu, "Aby zacząć od godziny %s, ", 1, true, DomyslnaGodzina},
        {"414", "kliknij %s.", 1, false, "tutaj"},
        {Utrudnienia, "Utrudnienia: %s, ", 2, true, DomyslneUtrudnienia},
        {Ziarno, "ziarno dnia: %s.", 2, true, LosoweZiarno},
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
    : ustawienia_(ustawienia, &komunikaty), komunikaty_(komunikaty)
{
}

std::string TLiniaStartowa::Wartosc(std::string_view nazwa) const
{
    const TParametr* p = Parametr(nazwa);
    if (p == nullptr)
        return {};
    if (!p->Edytowalny)
        return p->Domyslna;
    return ustawienia_.Tekst(Ustawienie(*p));
}

std::string TLiniaStartowa::TekstLinku(std::string_view nazwa) const
{
    const TParametr* p = Parametr(nazwa);
    if (p == nullptr || p->Nazwa != std::string_view(Utrudnienia))
        return Wartosc(nazwa);
    const int poziom = PoziomUtrudnien();
    return std::to_string(poziom) + " (" + KrotkaNazwaPoziomu(poziom) + ")";
}

int TLiniaStartowa::PoziomUtrudnien() const { return ustawienia_.Calkowite(ustawienia::Utrudnienia); }

std::optional<std::uint64_t> TLiniaStartowa::WybraneZiarno() const
{
    const std::string tekst = ustawienia_.Tekst(ustawienia::Ziarno);
    if (tekst == LosoweZiarno)
        return std::nullopt;
    // The setting's check lets only a number in range through.
    return std::stoull(tekst);
}

const TOpisUstawienia& TLiniaStartowa::Ustawienie(const TParametr& p)
{
    if (p.Nazwa == std::string_view(Utrudnienia))
        return ustawienia::Utrudnienia;
    if (p.Nazwa == std::string_view(Ziarno))
        return ustawienia::Ziarno;
    return ustawienia::GodzStartu;
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
    const TOpisUstawienia& opis = Ustawienie(*p);
    std::string tekst = Przytnij(wartosc);
    if (tekst.empty() && &opis == &ustawienia::Ziarno)
        tekst = LosoweZiarno;
    const auto przyjety = opis.Sprawdz(tekst, opis);
    if (!przyjety) {
        komunikaty_.Blad(&opis == &ustawienia::GodzStartu ? ZlaGodzina
                         : &opis == &ustawienia::Utrudnienia ? ZleUtrudnienia
                                                               : ZleZiarno);
        return tWpis::wpOdrzucony;
    }
    ustawienia_.Zapisz(opis, *przyjety);
    return tWpis::wpPrzyjety;
}

void TLiniaStartowa::ZapiszGodzine(double czas) { ustawienia_.Zapisz(ustawienia::GodzStartu, GodzinaMinuty(czas)); }
