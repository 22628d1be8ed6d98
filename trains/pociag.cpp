// Registering the train class, and the texts that show a train and the order of trains.

#include "trains/pociag.h"

#include "core/format.h"
#include "core/wkt_registry.h"
#include "trains/czas.h"
#include "trains/sklad.h"

#include <cmath>
#include <mutex>

void ZarejestrujPociag()
{
    static std::once_flag raz;
    std::call_once(raz, [] { Rejestr().RegisterType<TPociag>(TPociag::NumerKlasy, "TPociag"); });
}

std::string FormatGodziny(const TPociag& t, double czas)
{
    return GodzinaMinuty(czas, t.NieWymagaPeronu() ? '.' : ':');
}

std::string EtykietaSkladu(const TPociag& t)
{
    const std::string& s = t.Sklad();
    if (!MaLokomotywe(s))
        return "-" + s + "-";
    if (t.Manewrowy())
        return t.Kierunek == stPrawy ? s + ">" : "<" + s;
    return t.Kierunek == stPrawy ? s + "»" : "«" + s;
}

std::string EtykietaPunktu(const TPociag& t)
{
    const std::string s = EtykietaSkladu(t);
    if (!t.Manewrowy()) {
        // A train still to come shows the delay it brings: "8:08+12".
        const std::string opoznienie =
            !t.PoPrzyjezdzie() && t.OpoznienieWjazdu() >= 60 ? "+" + std::to_string(t.OpoznienieWjazdu() / 60) : "";
        return FormatGodziny(t, t.PoPrzyjezdzie() ? t.Odjazd() : t.Przyjazd()) + opoznienie + " " + s;
    }
    // A unit without traction shows doubled dashes: its label already has one pair.
    return MaLokomotywe(t.Sklad()) ? "(m) " + s : "-" + s + "-";
}

std::string OpisPociagu(const TPociag& t)
{
    const std::string s = EtykietaSkladu(t);
    const std::string przyjazd = FormatGodziny(t, t.Przyjazd());
    const std::string odjazd = FormatGodziny(t, t.Odjazd());
    std::string wynik;
    if (t.SkonczylBieg())
        wynik = Formatuj("%s (%s %s %s) skończył bieg", s.c_str(), t.Numer().c_str(), przyjazd.c_str(),
                         t.RelacjaOd().c_str());
    else if (t.DoRozdzielenia())
        wynik = Formatuj("%s (%s, %s %s) rozdzielony", s.c_str(), t.Numer().c_str(), odjazd.c_str(),
                         t.RelacjaDo().c_str());
    else
        wynik = Formatuj("%s/%s %s %s %s-%s", przyjazd.c_str(), odjazd.c_str(), s.c_str(), t.Numer().c_str(),
                         t.RelacjaOd().c_str(), t.RelacjaDo().c_str());
    if (!t.Opis().empty())
        wynik += " " + t.Opis();
    if (t.NieWymagaPeronu())
        wynik += " (b/p)";
    if (!t.PoPrzyjezdzie() && t.OpoznienieWjazdu() >= 60)
        wynik += Formatuj(" (opóźniony %d min)", t.OpoznienieWjazdu() / 60);
    return wynik;
}

int PorownajPociagi(const TPociag& a, const TPociag& b)
{
    const auto klucz = [](const TPociag& t) { return t.Wjezdza().empty() ? t.Odjazd() : t.Przyjazd(); };
    const double ka = klucz(a);
    const double kb = klucz(b);
    return ka < kb ? -1 : (ka > kb ? 1 : 0);
}
