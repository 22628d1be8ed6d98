// Writing and reading CSV text cells, guarded against spreadsheet formulas.

#include "core/pole_csv.h"

namespace {

bool PoczatekFormuly(char znak)
{
    return znak == '=' || znak == '+' || znak == '-' || znak == '@' || znak == '\t' || znak == '\r';
}

// Whether a spreadsheet would take the text for a formula once one leading apostrophe is gone:
// apostrophes, then a formula's first character.
bool ChronionaFormula(std::string_view tekst)
{
    const std::size_t poApostrofach = tekst.find_first_not_of('\'');
    return poApostrofach != std::string_view::npos && PoczatekFormuly(tekst[poApostrofach]);
}

}  // namespace

std::string PoleTekstuCsv(std::string_view tekst)
{
    std::string pole;
    if (ChronionaFormula(tekst))
        pole += '\'';
    pole += tekst;
    if (pole.find_first_of(",\"\r\n") == std::string::npos)
        return pole;
    std::string cytat = "\"";
    for (char c : pole) {
        if (c == '"')
            cytat += '"';
        cytat += c;
    }
    return cytat + '"';
}

std::string TekstPolaCsv(std::string_view pole)
{
    if (!pole.empty() && pole.front() == '\'' && ChronionaFormula(pole.substr(1)))
        pole.remove_prefix(1);
    return std::string(pole);
}
