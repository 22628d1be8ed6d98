// The definitions of the game's settings and the checks of the start hour and the zoom.

#include "simulation/ustawienia_gry.h"

#include "core/tekst.h"
#include "simulation/linia_startowa.h"
#include "simulation/utrudnienia.h"
#include "trains/czas.h"

namespace {

std::optional<std::string> Godzina(std::string_view tekst, const TOpisUstawienia&) { return NormalizujGodzine(tekst); }

// 0 for a zoom that fits, otherwise a number in the setting's range.
std::optional<std::string> PowiekszenieLubDopasowanie(std::string_view tekst, const TOpisUstawienia& opis)
{
    auto wartosc = UstawienieRzeczywiste(tekst, TOpisUstawienia{opis.Klucz, opis.Nazwa, opis.Domyslna, opis.Sprawdz, 0, 0});
    if (wartosc)
        return "0";
    return UstawienieRzeczywiste(tekst, opis);
}

// "losowe", or a seed the player can enter.
std::optional<std::string> ZiarnoDnia(std::string_view tekst, const TOpisUstawienia& opis)
{
    if (Przytnij(tekst) == TLiniaStartowa::LosoweZiarno)
        return std::string(TLiniaStartowa::LosoweZiarno);
    return UstawienieCalkowite(tekst, opis);
}

constexpr const char* Okno = "Stacja";

}  // namespace

namespace ustawienia {

const TOpisUstawienia GodzStartu{TLiniaStartowa::Klucz, TLiniaStartowa::GodzStartu, TLiniaStartowa::DomyslnaGodzina,
                                 Godzina};
const TOpisUstawienia Utrudnienia{TLiniaStartowa::Klucz, TLiniaStartowa::Utrudnienia,
                                  TLiniaStartowa::DomyslneUtrudnienia, UstawienieCalkowite,
                                  TUtrudnienia::NajnizszyPoziom, TUtrudnienia::NajwyzszyPoziom};
const TOpisUstawienia Ziarno{TLiniaStartowa::Klucz, TLiniaStartowa::Ziarno, TLiniaStartowa::LosoweZiarno, ZiarnoDnia,
                             0, static_cast<double>(TUtrudnienia::NajwiekszeZiarno)};

const TOpisUstawienia Geometria{Okno, "geometria", "", UstawienieDane};
const TOpisUstawienia UdzialDziennika{Okno, "udzialDziennika", "-1", UstawienieRzeczywiste, 0, 1};
const TOpisUstawienia Strona{Okno, "strona", "0", UstawienieCalkowite, 0, LiczbaStron - 1};
const TOpisUstawienia KolorOkna{Okno, "kolor", "#e8d8bd", UstawienieKolor};
const TOpisUstawienia Dzwieki{Okno, "dzwieki", "true", UstawienieLogiczne};
const TOpisUstawienia Zegar{Okno, "zegar", "true", UstawienieLogiczne};
const TOpisUstawienia Etykiety{Okno, "etykiety", "true", UstawienieLogiczne};
const TOpisUstawienia SamouczekZaproponowany{"Start", "samouczekZaproponowany", "false", UstawienieLogiczne};
const TOpisUstawienia Powiekszenie{Okno, "powiekszenie", "0", PowiekszenieLubDopasowanie, NajmniejszePowiekszenie,
                                   NajwiekszePowiekszenie};

}  // namespace ustawienia
