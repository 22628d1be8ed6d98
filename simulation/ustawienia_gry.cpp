#include "simulation/ustawienia_gry.h"

#include "simulation/linia_startowa.h"
#include "trains/czas.h"

namespace {

std::optional<std::string> Godzina(std::string_view tekst, const TOpisUstawienia&) { return NormalizujGodzine(tekst); }

}  // namespace

namespace ustawienia {

const TOpisUstawienia GodzStartu{TLiniaStartowa::Klucz, TLiniaStartowa::GodzStartu, TLiniaStartowa::DomyslnaGodzina,
                                 Godzina};

}  // namespace ustawienia
