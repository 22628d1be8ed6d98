#pragma once

// Times of day as the game keeps, compares, shows and reads them.

#include <optional>
#include <string>
#include <string_view>

// Times of day are fractions of a day; the simulation compares them in whole milliseconds, so that
// a clock advanced tick by tick meets a timetable time exactly.
long long Milisekundy(double czas);
double ZMilisekund(long long ms);
// The time of day of the value, brought into 0 <= t < 1 on the millisecond grid.
double PoraDnia(double czas);
// Whole seconds of the time of day, rounded.
long long SekundyDoby(double czas);
double Minuta(int minuty);
double Sekunda(int sekundy);
// How far `teraz` lies after `plan` on the clock face, in milliseconds within (-12 h, +12 h]: a
// train due at 23:50 that leaves at 0:05 is a quarter of an hour late, not nearly a day early.
long long RoznicaPoryMs(double teraz, double plan);

// Whole minutes in the time-of-day part of a time difference: hours * 60 + minutes.
int Minuty(double x);
// The delay text of a scheduled time against now: "h godz. m min.", without "0 godz." for less than
// an hour (the text then starts with the blank before the minutes).
std::string TekstOpoznienia(double zaplanowany, double teraz);

// Times of day shown and read: a time of day as "h:mm" (hour without a leading zero).
std::string GodzinaMinuty(double czas, char separator = ':');
// "hh:mm:ss" of a time of day.
std::string CzasHHMMSS(double czas);
// "hh:mm" of a time of day.
std::string CzasHHMM(double czas);
// "h:mm:ss" of a time of day (hour without its leading zero).
std::string CzasHMMSS(double czas);
// "H:MM" or "H:MM:SS" as a fraction of a day; nullopt when it is not a time of day.
std::optional<double> CzytajGodzine(std::string_view tekst);
// "H:MM", with ":SS" only when the seconds are not zero.
std::string PiszGodzine(double czas);
// A time of day as the player types it (the start hour): hours and minutes, optionally seconds,
// separated by colons, with or without leading zeros, blanks around it allowed. The time of day as
// "h:mm" (seconds dropped), or nullopt when it is not a time of day.
std::optional<std::string> NormalizujGodzine(std::string_view tekst);
