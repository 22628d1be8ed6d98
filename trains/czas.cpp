#include "trains/czas.h"

#include "core/format.h"

#include <cmath>

namespace {
constexpr long long MsDoby = 86400000LL;
}

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
