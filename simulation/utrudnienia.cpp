// The day's disturbances drawn from the seed: delays, faults and extra trains.

#include "simulation/utrudnienia.h"

#include "core/format.h"
#include "core/tekst.h"
#include "trains/czas.h"
#include "trains/pociag.h"
#include "trains/rozklad.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// SplitMix64: a small mixer whose numbers are the same on every machine.
std::uint64_t Mieszaj(std::uint64_t x)
{
    x += 0x9E3779B97F4A7C15ULL;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
    return x ^ (x >> 31);
}

int Minuta(double czas) { return static_cast<int>(std::lround(PoraDnia(czas) * 1440.0)); }

// How late trains come from a line, in thousandths: on time, a few minutes, a quarter of an hour,
// long (the rest).
struct TRozkladOpoznien {
    const char* Wlot;
    int NaCzas, Kilka, Kwadrans;
};
constexpr std::array<TRozkladOpoznien, 3> OpoznieniaLinii = {{
    {"wOlsz", 560, 300, 110},
    {"wBrz", 500, 330, 130},
    {"wWirowa", 450, 360, 150},
}};
constexpr TRozkladOpoznien OpoznieniaInne{"", 500, 330, 130};

// Faults come in the day's busy hours and last a few minutes.
constexpr int PierwszaMinutaUsterek = 5 * 60;
constexpr int OstatniaMinutaUsterek = 22 * 60;

}  // namespace

const char* NazwaPoziomu(int poziom)
{
    switch (poziom) {
    case 0:
        return "bez utrudnień";
    case 1:
        return "opóźnienia pociągów";
    case 2:
        return "opóźnienia i usterki";
    case 3:
        return "opóźnienia, usterki i pociągi dodatkowe";
    default:
        return "";
    }
}

const char* KrotkaNazwaPoziomu(int poziom)
{
    switch (poziom) {
    case 0:
        return "brak";
    case 1:
        return "opóźnienia";
    case 2:
        return "z usterkami";
    case 3:
        return "pełne";
    default:
        return "";
    }
}

TLosDnia::TLosDnia(std::uint64_t ziarno, int dzien, const std::string& nazwa)
{
    std::uint64_t h = Mieszaj(ziarno) ^ Mieszaj(static_cast<std::uint64_t>(dzien) + 0x51ED27ULL);
    for (const unsigned char c : nazwa)
        h = Mieszaj(h ^ c);
    stan_ = h;
}

std::uint64_t TLosDnia::Nastepna()
{
    stan_ += 0x9E3779B97F4A7C15ULL;
    return Mieszaj(stan_);
}

int TLosDnia::Liczba(int od, int do_)
{
    if (do_ <= od)
        return od;
    return od + static_cast<int>(Nastepna() % static_cast<std::uint64_t>(do_ - od + 1));
}

bool TLosDnia::Promile(int promile) { return Liczba(0, 999) < promile; }

std::int32_t OpoznienieZTrasy(const TUtrudnienia& u, int dzien, const std::string& numer, const std::string& wlot)
{
    if (!u.Opoznienia())
        return 0;
    const TRozkladOpoznien* r = &OpoznieniaInne;
    for (const auto& linia : OpoznieniaLinii)
        if (RowneBezWielkosci(linia.Wlot, wlot))
            r = &linia;
    TLosDnia los(u.Ziarno, dzien, "opóźnienie " + numer);
    const int x = los.Liczba(0, 999);
    int minuty = 0;
    if (x < r->NaCzas)
        minuty = 0;
    else if (x < r->NaCzas + r->Kilka)
        minuty = los.Liczba(1, 5);
    else if (x < r->NaCzas + r->Kilka + r->Kwadrans)
        minuty = los.Liczba(6, 15);
    else
        minuty = los.Liczba(16, 40);
    return minuty * 60;
}

std::vector<TUsterkaElementu> UsterkiDnia(const TUtrudnienia& u, int dzien, const std::vector<std::string>& zwrotnice,
                                  const std::vector<std::string>& semafory, const std::vector<std::string>& rogatki)
{
    std::vector<TUsterkaElementu> wynik;
    if (!u.Usterki())
        return wynik;
    TLosDnia los(u.Ziarno, dzien, "usterki");
    const int ile = los.Liczba(4, 7);
    for (int i = 0; i < ile; ++i) {
        // The kinds in turn, from a drawn first one, so that a day has each kind it can.
        const int k = (los.Liczba(0, 2) + i) % 3;
        const auto rodzaj = static_cast<tRodzajUsterki>(k);
        const std::vector<std::string>& elementy = k == 0 ? zwrotnice : k == 1 ? semafory : rogatki;
        if (elementy.empty())
            continue;
        TUsterkaElementu n;
        n.Rodzaj = rodzaj;
        n.Element = elementy[static_cast<std::size_t>(los.Liczba(0, static_cast<int>(elementy.size()) - 1))];
        const int od = los.Liczba(PierwszaMinutaUsterek, OstatniaMinutaUsterek);
        const int dlugosc = rodzaj == tRodzajUsterki::rogatka ? los.Liczba(3, 8) : los.Liczba(4, 12);
        n.Od = od / 1440.0;
        n.Do = (od + dlugosc) / 1440.0;
        const bool nachodzi = std::any_of(wynik.begin(), wynik.end(), [&](const TUsterkaElementu& inna) {
            return inna.Element == n.Element && inna.Od < n.Do && n.Od < inna.Do;
        });
        if (!nachodzi)
            wynik.push_back(std::move(n));
    }
    std::stable_sort(wynik.begin(), wynik.end(), [](const TUsterkaElementu& a, const TUsterkaElementu& b) { return a.Od < b.Od; });
    return wynik;
}

std::string OpisUsterki(const TUsterkaElementu& u)
{
    const std::string doKiedy = GodzinaMinuty(u.Do);
    switch (u.Rodzaj) {
    case tRodzajUsterki::zwrotnica:
        return Formatuj("Usterka zwrotnicy %s: nie daje się przestawić (naprawa do ok. %s). Spróbuj ponownie po "
                        "naprawie albo poprowadź pociąg inną drogą.",
                        u.Element.c_str(), doKiedy.c_str());
    case tRodzajUsterki::semafor:
        return Formatuj("Usterka semafora %s: nie można podać sygnału S2 (naprawa do ok. %s). Pociąg poprowadzisz "
                        "na sygnał zastępczy Sz.",
                        u.Element.c_str(), doKiedy.c_str());
    case tRodzajUsterki::rogatka:
        return Formatuj("Usterka rogatki %s: nie daje się opuścić (naprawa do ok. %s). Dopóki rogatki są podniesione, "
                        "przez przejazd nie ustawisz drogi: zatrzymaj pociąg przed przejazdem.",
                        u.Element.c_str(), doKiedy.c_str());
    }
    return {};
}

std::string KoniecUsterki(const TUsterkaElementu& u)
{
    switch (u.Rodzaj) {
    case tRodzajUsterki::zwrotnica:
        return Formatuj("Usunięto usterkę zwrotnicy %s: znowu się przestawia.", u.Element.c_str());
    case tRodzajUsterki::semafor:
        return Formatuj("Usunięto usterkę semafora %s: znowu podaje sygnał S2.", u.Element.c_str());
    case tRodzajUsterki::rogatka:
        return Formatuj("Usunięto usterkę rogatki %s: można ją opuścić.", u.Element.c_str());
    }
    return {};
}

std::vector<TDodatkowyPociag> DodatkowePociagi(const TUtrudnienia& u, int dzien, const TRozkladJazdy& rozklad)
{
    std::vector<TDodatkowyPociag> wynik;
    if (!u.Dodatkowe())
        return wynik;
    // When each line is used by the timetable's trains, and what the station holds when.
    struct TUzycie {
        std::string Wlot;
        int Minuta;
        bool Wjazd;
    };
    std::vector<TUzycie> uzycia;
    std::vector<std::pair<int, int>> postoje;
    std::vector<std::string> numery;
    for (int i = 0; i < rozklad.Ile(); ++i) {
        const TPociag* t = rozklad.Pociag(i);
        if (t == nullptr)
            continue;
        numery.push_back(t->Numer());
        if (!t->Wjezdza().empty())
            uzycia.push_back({t->Wjezdza(), Minuta(t->Przyjazd()), true});
        if (!t->Wyjezdza().empty())
            uzycia.push_back({t->Wyjezdza(), Minuta(t->Odjazd()), false});
        const int od = Minuta(t->Wjezdza().empty() ? t->Odjazd() : t->Przyjazd());
        postoje.push_back({od - 1, Minuta(t->Odjazd()) + 2});
    }
    const auto wolna = [&](const std::string& wlot, int minuta, bool wjazd) {
        return std::none_of(uzycia.begin(), uzycia.end(), [&](const TUzycie& a) {
            if (!RowneBezWielkosci(a.Wlot, wlot))
                return false;
            const bool aPierwszy = a.Minuta <= minuta;
            const bool wczesniejWjazd = aPierwszy ? a.Wjazd : wjazd;
            const bool pozniejWyjazd = aPierwszy ? !wjazd : !a.Wjazd;
            const int odstep = wczesniejWjazd && pozniejWyjazd ? 8 : 16;
            return std::abs(a.Minuta - minuta) < odstep;
        });
    };
    const auto zajetych = [&](int od, int do_) {
        return std::count_if(postoje.begin(), postoje.end(),
                             [&](const auto& p) { return p.first < do_ && od < p.second; });
    };

    TLosDnia los(u.Ziarno, dzien, "dodatkowe");
    const int ile = los.Liczba(1, 2);
    for (int i = 0; i < ile; ++i) {
        const bool towarowy = i == 0 || los.Promile(400);
        for (int proba = 0; proba < 200; ++proba) {
            const int m = 2 * los.Liczba(6 * 30, 21 * 30);
            TDodatkowyPociag t;
            if (towarowy) {
                const bool zWirowej = los.Promile(500);
                t.Numer = std::to_string(zWirowej ? 69302 + 2 * los.Liczba(0, 40) : 69221 + 2 * los.Liczba(0, 40));
                t.RelacjaOd = zWirowej ? "Morzyn Port" : "Olszarzyna";
                t.RelacjaDo = zWirowej ? "Olszarzyna" : "Morzyn Port";
                t.Sklad = "stttt";
                t.Opis = "towarowy dodatkowy";
                t.Wjezdza = zWirowej ? "wWirowa" : "wOlsz";
                t.Wyjezdza = zWirowej ? "wOlsz" : "wWirowa";
                t.Przyjazd = t.Odjazd = m / 1440.0;
                t.BezPostoju = true;
            } else {
                const bool zOlszarzyny = los.Promile(500);
                t.Numer = std::to_string(zOlszarzyny ? 19101 + 2 * los.Liczba(0, 40) : 19102 + 2 * los.Liczba(0, 40));
                t.RelacjaOd = zOlszarzyny ? "Olszarzyna" : "Brzelany";
                t.RelacjaDo = zOlszarzyny ? "Brzelany" : "Olszarzyna";
                t.Sklad = "s1222";
                t.Opis = "specjalny";
                t.Wjezdza = zOlszarzyny ? "wOlsz" : "wBrz";
                t.Wyjezdza = zOlszarzyny ? "wBrz" : "wOlsz";
                t.Przyjazd = m / 1440.0;
                t.Odjazd = (m + 4) / 1440.0;
            }
            const int wjazd = Minuta(t.Przyjazd), wyjazd = Minuta(t.Odjazd);
            if (std::find(numery.begin(), numery.end(), t.Numer) != numery.end() || !wolna(t.Wjezdza, wjazd, true) ||
                !wolna(t.Wyjezdza, wyjazd, false) || zajetych(wjazd - 1, wyjazd + 2) > 1)
                continue;
            t.Zgloszenie = t.Przyjazd - WyprzedzenieZgloszenia;
            numery.push_back(t.Numer);
            uzycia.push_back({t.Wjezdza, wjazd, true});
            uzycia.push_back({t.Wyjezdza, wyjazd, false});
            postoje.push_back({wjazd - 1, wyjazd + 2});
            wynik.push_back(std::move(t));
            break;
        }
    }
    std::stable_sort(wynik.begin(), wynik.end(),
                     [](const TDodatkowyPociag& a, const TDodatkowyPociag& b) { return a.Przyjazd < b.Przyjazd; });
    return wynik;
}
