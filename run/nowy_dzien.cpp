// A new day: services laid out through the day with room between the trains of a line, then
// proven, and what the proof trips over taken out.

#include "run/nowy_dzien.h"

#include "core/format.h"
#include "core/zegary_reczne.h"
#include "run/cisza.h"
#include "station/uklad.h"
#include "trains/czas.h"
#include "trains/pociag.h"
#include "trains/rozklad.h"
#include "trains/rozklad_csv.h"

#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <random>
#include <string_view>
#include <vector>

namespace {

constexpr std::string_view NaglowekCsv =
    "numer,relacja_od,relacja_do,sklad,wjezdza,wyjezdza,przyjazd,odjazd,opis,bez_peronu";

// The places beyond the lines, as the shipped day names them.
constexpr std::array<std::string_view, 5> ZaOlszarzyna = {"Olszarzyna", "Bartnica", "Chrostowo", "Czaplin", "Bystrzyn"};
constexpr std::array<std::string_view, 3> ZaBrzelanami = {"Brzelany", "Zagórnik", "Plażno"};
constexpr std::array<std::string_view, 3> ZaWirowa = {"Wirowa", "Morzyn Gł.", "Morzyn Port"};
constexpr std::array<std::string_view, 8> NazwyPospiesznych = {"Kaszub", "Rybitwa", "Jemioła", "Sowa",
                                                              "Bursztyn", "Wrzos", "Żuraw", "Kormoran"};

// Chance of our own on the standard engine, whose numbers are the same everywhere (the standard's
// distributions are not): one seed, one day on every machine.
class TLos {
public:
    explicit TLos(std::uint64_t ziarno) : silnik_(ziarno) {}
    int Do(int n) { return static_cast<int>(silnik_() % static_cast<std::uint64_t>(n)); }
    template <typename T, std::size_t N>
    std::string_view Z(const std::array<T, N>& a)
    {
        return a[static_cast<std::size_t>(Do(static_cast<int>(N)))];
    }

private:
    std::mt19937_64 silnik_;
};

// Minutes of the day.
std::string Godzina(int minuty) { return Formatuj("%d:%02d", minuty / 60, minuty % 60); }

// One train of a service, in the timetable's columns.
struct TPociagUslugi {
    std::string Numer, Od, Do, Sklad, Wjezdza, Wyjezdza;
    int Przyjazd = 0, Odjazd = 0;
    std::string Opis;
    bool BezPeronu = false;

    std::string Wiersz() const
    {
        return Numer + "," + Od + "," + Do + "," + Sklad + "," + Wjezdza + "," + Wyjezdza + "," + Godzina(Przyjazd) +
               "," + Godzina(Odjazd) + "," + Opis + "," + (BezPeronu ? "1" : "0");
    }
};

// A service: one train, or the trains that share a consist here; it holds a platform (or, passing
// through, the station) from a minute before its first train to two after its last.
struct TUsluga {
    std::vector<TPociagUslugi> Pociagi;
    int Od() const { return Pociagi.front().Przyjazd - 1; }
    int Do() const { return Pociagi.back().Odjazd + 2; }
    bool Ma(const std::string& numer) const
    {
        return std::any_of(Pociagi.begin(), Pociagi.end(), [&](const TPociagUslugi& t) { return t.Numer == numer; });
    }
};

enum class tRodzaj { osobowyZOlszarzyny, osobowyZBrzelan, pospieszny, szynobus, towarowy, nawrot, objazd };

class TUkladacz {
public:
    explicit TUkladacz(std::uint64_t ziarno) : los_(ziarno) {}

    // One service of a kind drawn by weight, at a free hour; false when none fitted.
    bool Dodaj()
    {
        static constexpr std::array<std::pair<tRodzaj, int>, 7> wagi = {
            std::pair{tRodzaj::osobowyZOlszarzyny, 6}, {tRodzaj::osobowyZBrzelan, 5}, {tRodzaj::pospieszny, 2},
            {tRodzaj::szynobus, 7}, {tRodzaj::towarowy, 2}, {tRodzaj::nawrot, 2}, {tRodzaj::objazd, 1}};
        int suma = 0;
        for (const auto& w : wagi)
            suma += w.second;
        int r = los_.Do(suma);
        tRodzaj rodzaj = wagi.front().first;
        for (const auto& w : wagi) {
            if (r < w.second) {
                rodzaj = w.first;
                break;
            }
            r -= w.second;
        }
        // The last run-round ends the day: one is enough, the station has one locomotive road.
        if (rodzaj == tRodzaj::objazd && objazdy_ > 0)
            rodzaj = tRodzaj::osobowyZOlszarzyny;
        for (int proba = 0; proba < 40; ++proba) {
            // From 4:05 to 23:00, on the even minute.
            const int minuta = 245 + 2 * los_.Do((1380 - 245) / 2);
            TUsluga u = Usluga(rodzaj, minuta);
            if (u.Do() < 24 * 60 && Miesci(u)) {
                objazdy_ += rodzaj == tRodzaj::objazd;
                uslugi_.push_back(std::move(u));
                return true;
            }
        }
        return false;
    }

    std::vector<TUsluga>& Uslugi() { return uslugi_; }

    int Pociagi() const
    {
        int n = 0;
        for (const TUsluga& u : uslugi_)
            n += static_cast<int>(u.Pociagi.size());
        return n;
    }

private:
    TUsluga Usluga(tRodzaj rodzaj, int m)
    {
        TUsluga u;
        // Each kind counts on from its own first number, odd one way and even the other, in ranges
        // apart from one another.
        const auto numer = [this](int baza) { return std::to_string(baza + 2 * numery_[baza]++); };
        switch (rodzaj) {
        case tRodzaj::osobowyZOlszarzyny:
            u.Pociagi.push_back({numer(34101), std::string(los_.Z(ZaOlszarzyna)), std::string(los_.Z(ZaBrzelanami)),
                                 "s122", "wOlsz", "wBrz", m, m + 4, "osobowy"});
            break;
        case tRodzaj::osobowyZBrzelan:
            u.Pociagi.push_back({numer(34102), std::string(los_.Z(ZaBrzelanami)), std::string(los_.Z(ZaOlszarzyna)),
                                 los_.Do(3) == 0 ? "s1222" : "s122", "wBrz", "wOlsz", m, m + 4, "osobowy"});
            break;
        case tRodzaj::pospieszny:
            u.Pociagi.push_back({numer(14154), std::string(los_.Z(ZaOlszarzyna)), std::string(los_.Z(ZaBrzelanami)),
                                 "p11222", "wOlsz", "wBrz", m, m + 4,
                                 "pośpieszny „" + std::string(los_.Z(NazwyPospiesznych)) + "”"});
            break;
        case tRodzaj::szynobus:
            u.Pociagi.push_back({numer(44601), std::string(los_.Z(ZaWirowa)), std::string(los_.Z(ZaOlszarzyna)), "a2a",
                                 "wWirowa", "wOlsz", m, m + 4, "szynobus"});
            break;
        case tRodzaj::towarowy: {
            const bool zWirowej = los_.Do(2) == 0;
            u.Pociagi.push_back({numer(zWirowej ? 64304 : 64221),
                                 std::string(zWirowej ? "Morzyn Port" : los_.Z(ZaOlszarzyna)),
                                 std::string(zWirowej ? los_.Z(ZaOlszarzyna) : "Morzyn Port"), "sttttt",
                                 zWirowej ? "wWirowa" : "wOlsz", zWirowej ? "wOlsz" : "wWirowa", m, m, "towarowy", true});
            break;
        }
        case tRodzaj::nawrot: {
            const std::string pierwszy = numer(44812);
            u.Pociagi.push_back({pierwszy, std::string(los_.Z(ZaWirowa)), "Drelinko", "a2a", "wWirowa", "", m, m,
                                 "szynobus"});
            u.Pociagi.push_back({std::to_string(std::stoi(pierwszy) + 1), "Drelinko", std::string(los_.Z(ZaWirowa)),
                                 "a2a", "", "wWirowa", m + 8, m + 8, "szynobus"});
            break;
        }
        case tRodzaj::objazd:
            u.Pociagi.push_back({"34690", std::string(los_.Z(ZaOlszarzyna)), "Drelinko", "s122", "wOlsz", "", m, m,
                                 "osobowy"});
            u.Pociagi.push_back({"34691", "Drelinko", std::string(los_.Z(ZaOlszarzyna)), "s122", "", "wOlsz", m + 45,
                                 m + 45, "osobowy"});
            break;
        }
        return u;
    }

    // Room for it: at most two services in the station at once, and each line free for it. A line
    // holds one train at a time, from before it comes in to after it has gone out: sixteen minutes
    // between two trains on it, but eight do between a train that came in and one that goes out.
    bool Miesci(const TUsluga& nowa) const
    {
        struct TUzycie {
            const std::string* Wlot;
            int Czas;
            bool Wjazd;
        };
        const auto uzycia = [](const TUsluga& u) {
            std::vector<TUzycie> w;
            for (const TPociagUslugi& t : u.Pociagi) {
                if (!t.Wjezdza.empty())
                    w.push_back({&t.Wjezdza, t.Przyjazd, true});
                if (!t.Wyjezdza.empty())
                    w.push_back({&t.Wyjezdza, t.Odjazd, false});
            }
            return w;
        };
        const auto zgodne = [](const TUzycie& a, const TUzycie& b) {
            if (*a.Wlot != *b.Wlot)
                return true;
            const TUzycie& wczesniej = a.Czas <= b.Czas ? a : b;
            const TUzycie& pozniej = a.Czas <= b.Czas ? b : a;
            return pozniej.Czas - wczesniej.Czas >= (wczesniej.Wjazd && !pozniej.Wjazd ? 8 : 16);
        };
        const std::vector<TUzycie> nowe = uzycia(nowa);
        int naraz = 0;
        for (const TUsluga& u : uslugi_) {
            if (u.Od() < nowa.Do() && nowa.Od() < u.Do())
                ++naraz;
            for (const TUzycie& a : uzycia(u))
                for (const TUzycie& b : nowe)
                    if (!zgodne(a, b))
                        return false;
        }
        return naraz < 2;
    }

    TLos los_;
    std::vector<TUsluga> uslugi_;
    std::map<int, int> numery_;
    int objazdy_ = 0;
};

std::string Csv(std::vector<TUsluga> uslugi)
{
    std::vector<const TPociagUslugi*> pociagi;
    for (const TUsluga& u : uslugi)
        for (const TPociagUslugi& t : u.Pociagi)
            pociagi.push_back(&t);
    // By the hour they come, as the shipped day lists them.
    std::stable_sort(pociagi.begin(), pociagi.end(), [](const TPociagUslugi* a, const TPociagUslugi* b) {
        return (a->Wjezdza.empty() ? a->Odjazd : a->Przyjazd) < (b->Wjezdza.empty() ? b->Odjazd : b->Przyjazd);
    });
    std::string csv = std::string(NaglowekCsv) + "\n";
    for (const TPociagUslugi* t : pociagi)
        csv += t->Wiersz() + "\n";
    return csv;
}

// The day played with the automatic dispatcher, its timetable held in memory.
TWynikProby Zagraj(const std::string& csv)
{
    TCisza cisza;
    TRozkladJazdy rozklad(std::string(), cisza, cisza);
    TImportCsv import = CzytajRozkladCsv(csv, NazwyElementow(UkladDrelinka(), "TWlot"));
    for (auto& t : import.Pociagi)
        rozklad.Rozklad.Append(std::move(t));
    return ZagrajDzien(rozklad);
}

// The service the proof tripped over: the train named in its first penalty when that came before
// any conflict (what went wrong later may only follow from it), else the trains of its first
// conflict, else its first late train, else the service at the station when its first penalty was
// written.
std::ptrdiff_t Winowajca(const std::vector<TUsluga>& uslugi, const TWynikProby& w)
{
    const auto czasKary = w.Kary.empty() ? std::nullopt : CzytajGodzine(w.Kary.front().substr(0, 8));
    if (czasKary && (!w.Konflikt || Milisekundy(*czasKary) < Milisekundy(w.Konflikt->Czas)))
        for (std::size_t i = 0; i < uslugi.size(); ++i)
            for (const TPociagUslugi& t : uslugi[i].Pociagi)
                if (w.Kary.front().find("ciąg " + t.Numer + " ") != std::string::npos)
                    return static_cast<std::ptrdiff_t>(i);
    std::vector<std::string> numery;
    if (w.Konflikt)
        numery.push_back(w.Konflikt->Pociagi.substr(0, w.Konflikt->Pociagi.find(',')));
    if (!w.Spoznione.empty())
        numery.push_back(w.Spoznione.front());
    for (const std::string& n : numery)
        for (std::size_t i = 0; i < uslugi.size(); ++i)
            if (uslugi[i].Ma(n))
                return static_cast<std::ptrdiff_t>(i);
    if (!w.Kary.empty()) {
        const int minuta = czasKary ? static_cast<int>(*czasKary * 1440) : 0;
        for (std::size_t i = 0; i < uslugi.size(); ++i)
            if (uslugi[i].Od() <= minuta + 1 && minuta <= uslugi[i].Do() + 2)
                return static_cast<std::ptrdiff_t>(i);
    }
    return uslugi.empty() ? -1 : static_cast<std::ptrdiff_t>(uslugi.size()) - 1;
}

}  // namespace

TNowyDzien WygenerujDzien(int pociagow, std::uint64_t ziarno)
{
    pociagow = std::clamp(pociagow, NajmniejPociagowDnia, NajwiecejPociagowDnia);
    TUkladacz ukladacz(ziarno);
    for (int proba = 0; ukladacz.Pociagi() < pociagow && proba < 4 * pociagow; ++proba)
        ukladacz.Dodaj();
    std::vector<TUsluga>& uslugi = ukladacz.Uslugi();
    TNowyDzien dzien;
    for (;;) {
        dzien.Csv = Csv(uslugi);
        dzien.Proba = Zagraj(dzien.Csv);
        if (dzien.Proba.Grywalny || uslugi.empty())
            break;
        const std::ptrdiff_t i = Winowajca(uslugi, dzien.Proba);
        uslugi.erase(uslugi.begin() + i);
        ++dzien.Usuniete;
    }
    dzien.Pociagi = 0;
    for (const TUsluga& u : uslugi)
        dzien.Pociagi += static_cast<int>(u.Pociagi.size());
    return dzien;
}
