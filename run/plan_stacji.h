#pragma once

// The plan of the next hours (TPlanStacji): which train holds which of the station's tracks and
// lines, and when, as it went and as the automatic dispatcher would go on from now.

#include "report/raport_dnia.h"
#include "run/punkt_kontrolny.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class TStacja;
class TSymulacjaStacji;

// A line of the plan: the entry it is reached by and what the player calls it.
struct TLiniaPlanu {
    std::string_view Wlot;
    std::string_view Nazwa;
};
inline constexpr std::array<TLiniaPlanu, 3> LiniePlanu = {
    TLiniaPlanu{"wOlsz", "Olszarzyna"}, TLiniaPlanu{"wBrz", "Brzelany"}, TLiniaPlanu{"wWirowa", "Wirowa"}};

enum class tRodzajOdcinka : std::uint8_t { zrobiony, planowany, konflikt };

// A stretch of time in which one train held one row of the plan: a report track (by its name) or
// a line (by its entry's name). Times are report times (TRaporty::Czas).
struct TOdcinekPlanu {
    std::string Wiersz;
    double Od = 0.0, Do = 0.0;
    std::string Pociag;
    tRodzajOdcinka Rodzaj = tRodzajOdcinka::zrobiony;
};

// Something the forecast could not do without a penalty: a journal line that cost points, or a
// place where the dispatcher found two trains needing one thing at once.
struct TKonfliktPlanu {
    double Czas = 0.0;
    std::vector<std::string> Pociagi;
    std::string Tekst;
};

struct TPlanStacji {
    // The window: a little of the past, now, and the hours ahead.
    double Od = 0.0, Teraz = 0.0, Do = 0.0;
    // Those before now are what happened (zrobiony), those after it the forecast (planowany, or
    // konflikt for the trains of a conflict); a stretch across now is cut in two.
    std::vector<TOdcinekPlanu> Odcinki;
    std::vector<TKonfliktPlanu> Konflikty;
};

// Watches who holds each line, step by step as the report watches its tracks. A train holds its
// line from its announcement, while it waits at the entry and runs over the line's track up to the
// first signal or switch, and going out from the first of those tracks until it is gone.
class TProbnikLinii {
public:
    explicit TProbnikLinii(const TStacja& stacja);
    // A look at the lines at report time `czas`.
    void Probkuj(double czas);
    const std::vector<TOdcinekPlanu>& Odcinki() const { return odcinki_; }
    // Who is on the line now, or empty.
    std::string NaLinii(std::size_t linia) const;

private:
    struct TLinia {
        const TPunkt* Wlot = nullptr;
        std::vector<const TPunkt*> Tory;
        std::string Pociag;
        std::optional<std::size_t> Otwarta;
    };
    std::array<TLinia, LiniePlanu.size()> linie_;
    std::vector<TOdcinekPlanu> odcinki_;
};

// What the forecast needs of a run, as plain data, so that it may be made on another thread while
// the run goes on.
struct TStanDoPlanu {
    TWierszeStanu Punkt;
    std::vector<std::uint8_t> Rozklad;
    std::string PlikRozkladu;
    // The lines as watched so far in the run.
    std::vector<TOdcinekPlanu> Linie;
};

// How much past the plan shows before now, and how far ahead it looks (days).
inline constexpr double PrzeszloscPlanu = 30.0 / 1440;
inline constexpr double HoryzontPlanu = 2.0 / 24;

// Takes the run's state; changes nothing of it.
TStanDoPlanu StanDoPlanu(const TSymulacjaStacji& symulacja, const TProbnikLinii* linie);
// Plays the run on from its state on a station of its own, every line under the automatic
// dispatcher, for `horyzont` of game time, and lays out what happened and what would happen.
TPlanStacji Planuj(const TStanDoPlanu& stan, double horyzont = HoryzontPlanu);
