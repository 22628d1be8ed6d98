#include "simulation/dziennik.h"

#include "core/format.h"

#include <cmath>
#include <limits>
#include <stdexcept>

void TDziennik::SetScore(std::int32_t wartosc)
{
    score_ = wartosc;
    if (OnScore)
        OnScore(score_);
}

void TDziennik::DodajLinie(std::int32_t punkty, const std::string& tekst, const std::string& opis, double czas)
{
    const std::int64_t suma = std::int64_t{score_} + punkty;
    if (suma > std::numeric_limits<std::int32_t>::max() || suma < std::numeric_limits<std::int32_t>::min())
        throw std::overflow_error("Przepełnienie licznika punktów.");
    SetScore(static_cast<std::int32_t>(suma));
    linie_.push_back({punkty, tekst, opis, czas});
    if (OnLinia)
        OnLinia(linie_.back());
}

namespace {

long long SekundyDoby(double czas)
{
    const double dzien = czas - std::floor(czas);
    return std::llround(dzien * 86400.0) % 86400;
}

}  // namespace

std::string CzasHHMMSS(double czas)
{
    const long long s = SekundyDoby(czas);
    return Formatuj("%02lld:%02lld:%02lld", s / 3600, s / 60 % 60, s % 60);
}

std::string CzasHHMM(double czas)
{
    const long long s = SekundyDoby(czas);
    return Formatuj("%02lld:%02lld", s / 3600, s / 60 % 60);
}
