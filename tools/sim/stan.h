#pragma once

// The lines by which the driver prints the station's state, and the dump of a whole game.

#include <string>

class TKomponent;
class TPociag;
class TStacja;
class TSymulacjaStacji;

// The driver's lines of the state, as `show` and `trains` print them, without their line ends.

// `show NAME`: the component's state line; empty for a component that has no state to show.
std::string LiniaStanu(const TKomponent& komponent);
// One line of `trains`: the train with the point that holds it.
std::string LiniaPociagu(const TStacja& stacja, const TPociag& pociag);

// Everything a game is, one line each: the clock, the score, every component's `show` line in
// creation order, every train of the day as `trains` prints it, and the journal's lines with their
// points and times. Two runs that print the same dump are the same game.
std::string ZrzutStanu(const TSymulacjaStacji& symulacja);
