#pragma once

// A new day (WygenerujDzien): a timetable made for this station's lines and platforms from a seed,
// and proven with the automatic dispatcher before anybody gets it.

#include "run/proba_dnia.h"

#include <cstdint>
#include <string>

// The sizes a new day may be asked for, about so many trains.
inline constexpr int NajmniejPociagowDnia = 40;
inline constexpr int NajwiecejPociagowDnia = 160;
// As many as the shipped day.
inline constexpr int PociagowDniaDomyslnie = 72;

struct TNowyDzien {
    // The day in the timetable's CSV columns, its rows by the hour they come.
    std::string Csv;
    int Pociagi = 0;
    // How the day played: only a playable day is given.
    TWynikProby Proba;
    // The services taken out because the proof found them in a conflict or late.
    int Usuniete = 0;
};

// Makes a day of about `pociagow` trains (NajmniejPociagowDnia..NajwiecejPociagowDnia; the three
// single-track lines take about a hundred, and a bigger day is as big as they take) of the kinds
// the shipped day has: passenger trains both ways between Olszarzyna and Brzelany, fast trains, rail
// buses from Wirowa, freights through without a stop, rail buses that turn round here, and a
// passenger train that ends here and leaves again after its locomotive has run round. Then plays
// it with the automatic dispatcher and takes out what the proof finds in a conflict, until the day
// plays without a penalty. One seed, one day.
TNowyDzien WygenerujDzien(int pociagow, std::uint64_t ziarno);
