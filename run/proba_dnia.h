#pragma once

// Playing a whole timetable day headless with the automatic dispatcher, to tell whether the day can
// be played.

#include "assistant/dyspozytor.h"

#include <optional>
#include <string>
#include <vector>

class TRozkladJazdy;

// What playing a whole day with the automatic dispatcher showed.
struct TWynikProby {
    // No journal line with a penalty, every train that leaves the station left on time, and the
    // day reached midnight.
    bool Grywalny = false;
    int Odjazdy = 0;      // trains of the timetable that leave the station
    int Punktualne = 0;   // of them, those that left within their two minutes
    int Punkty = 0;       // the day's points, the opening line's included
    // The journal lines that cost points, as "hh:mm:ss points text | detail".
    std::vector<std::string> Kary;
    int PunktyKar = 0;  // their points together, below zero
    bool Polnoc = false;  // the day reached midnight
    // The trains that should have left and did not leave on time, in the day's order.
    std::vector<std::string> Spoznione;
    // The first place where two trains needed one thing at once, if the dispatcher met one.
    std::optional<TKonfliktDyspozytora> Konflikt;

    // The report, one line each, in Polish: the verdict and, for a day that cannot be played, the
    // first conflict or the first penalty.
    std::vector<std::string> Raport() const;
};

// Plays the timetable headless from 04:00 to midnight on a station of its own, every line under
// the automatic dispatcher, and judges it as the game does.
TWynikProby ZagrajDzien(TRozkladJazdy& rozklad);
// The same for a timetable file, read with nobody to ask.
TWynikProby ZagrajDzien(const std::string& plikRozkladu);
