#include "station/typy_torow.h"

#include <initializer_list>
#include <utility>

namespace {

template <typename E>
bool Wybierz(const std::string& tekst, E& wynik, std::initializer_list<std::pair<const char*, E>> nazwy)
{
    for (const auto& [nazwa, wartosc] : nazwy)
        if (tekst == nazwa) {
            wynik = wartosc;
            return true;
        }
    return false;
}

}  // namespace

bool CzytajZwrStatus(const std::string& tekst, tZwrStatus& wynik)
{
    return Wybierz(tekst, wynik, {{"gora", tZwrStatus::gora}, {"dol", tZwrStatus::dol}});
}

bool CzytajZwrTyp(const std::string& tekst, tZwrTyp& wynik)
{
    return Wybierz(tekst, wynik, {{"JedenNaDwa", tZwrTyp::JedenNaDwa}, {"DwaNaJeden", tZwrTyp::DwaNaJeden}});
}

bool CzytajUkladRysowania(const std::string& tekst, tUkladRysowania& wynik)
{
    return Wybierz(tekst, wynik, {{"urGora", urGora}, {"urSrodek", urSrodek}, {"urDol", urDol}});
}

bool CzytajSemType(const std::string& tekst, tSemType& wynik)
{
    return Wybierz(tekst, wynik, {{"stLewy", stLewy}, {"stPrawy", stPrawy}});
}

bool CzytajStan(const std::string& tekst, tStan& wynik)
{
    return Wybierz(tekst, wynik,
                   {{"nieaktywny", tStan::nieaktywny}, {"wolny", tStan::wolny}, {"utwierdzony", tStan::utwierdzony}, {"zajety", tStan::zajety}});
}
