#pragma once

#include "core/dzwieki.h"
#include "core/komunikaty.h"
#include "core/zegary.h"
#include "simulation/dziennik.h"
#include "station/stacja.h"

#include <cstdint>
#include <exception>
#include <string>

// What the station window does that is not drawing: it holds the station built from the layout,
// the simulated clock, the journal with the score, and handles the faults that reach it. The game's
// window shows it; the headless driver runs it.
class TSymulacjaStacji {
public:
    static constexpr double GodzinaStartu = 4.0 / 24.0;

    TSymulacjaStacji(TZegary& zegary, TDzwieki& dzwieki, TKomunikaty& komunikaty);

    TStacja& Stacja() { return stacja_; }
    const TStacja& Stacja() const { return stacja_; }
    TDziennik& Dziennik() { return dziennik_; }
    const TDziennik& Dziennik() const { return dziennik_; }
    TKomunikaty& Komunikaty() { return komunikaty_; }

    // The simulated clock: a time of day as a fraction of a day.
    double CzasSymulacji = GodzinaStartu;

    // A journal entry: the description's line breaks become " • ", the line is stamped with the
    // simulated clock and its points go to the score.
    void DodajDoDziennika(std::int32_t punkty, const std::string& tekst, const std::string& opis);

    // An exception that reached the event loop: a dispatcher's fault is shown in the timed warning
    // and written to the journal with its points; anything else is shown in a message box.
    void ObsluzWyjatek(std::exception_ptr wyjatek);

    // Runs a dispatcher's act, handing any exception to ObsluzWyjatek.
    template <typename F>
    void Wykonaj(F&& akt)
    {
        try {
            akt();
        } catch (...) {
            ObsluzWyjatek(std::current_exception());
        }
    }

private:
    TKomunikaty& komunikaty_;
    TStacja stacja_;
    TDziennik dziennik_;
};

// Every CR LF (or lone LF) of the text replaced by " • ".
std::string JednaLiniaDziennika(const std::string& tekst);
