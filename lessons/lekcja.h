#pragma once

// A lesson as data (TLekcja): its title, clock, trains and steps, read from a lesson file of
// data/lekcje/ and checked against the layout.

#include "core/komunikaty.h"

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

class TPociag;
class TStacja;

// A lesson file as the build embeds it: its name and its text.
struct TPlikLekcji {
    std::string Nazwa;
    std::string_view Tekst;
};
// Every shipped lesson, in the order a newcomer takes them.
std::vector<TPlikLekcji> PlikiLekcji();

// What completes a step, seen on the station.
// `wykonano`: the step's own act was made, whatever came of it (an act that asks a question the
// step answers "no" to changes nothing on the station). `stoi`: a train or a shunting unit stands
// at the point; `sklad`: the consist there reads so (units apart or coupled with "+").
enum class tWarunek {
    dalej, wykonano, zwrotnica, rogatki, stan, semafor, stoi, sklad, pociagStoi, pociagJedzie, pociagOdjechal
};

struct TWarunekKroku {
    tWarunek Rodzaj = tWarunek::dalej;
    std::string Nazwa;    // the element, or the train's number
    std::string Wartosc;  // the state it must show, or the point a train must stand at
};

struct TKrokLekcji {
    std::string Tekst;
    // The act that does the step, as the driver writes it; empty when the player only reads on.
    std::string Akt;
    // What to frame on the diagram or the pages; may be empty.
    std::string Element;
    // Said when the player's act goes wrong during the step; a plain word of our own otherwise.
    std::string Blad;
    // Not before this time of day (the act of a timetable time); 0 for any time.
    double Od = 0;
    // The act asks a question, which the step answers so ("odpowiedz tak|nie|anuluj").
    std::optional<tOdpowiedz> Odpowiedz;
    TWarunekKroku Gotowe;
    int Wiersz = 0;
};

struct TLekcja {
    std::string Plik;
    std::string Tytul;
    double Godzina = 0;
    // The lesson's trains, as its timetable holds them.
    std::vector<std::shared_ptr<const TPociag>> Pociagi;
    std::vector<TKrokLekcji> Kroki;
};

// A fault of a lesson file, with the line (from 1) it lies on.
class TBladLekcji : public std::runtime_error {
public:
    TBladLekcji(int wiersz, const std::string& powod);
    int Wiersz;
};

// Reads a lesson in the form data/lekcje/README describes; every element, act, train and
// condition is checked against the station. Raises TBladLekcji naming the line of the first fault.
TLekcja CzytajLekcje(std::string_view tekst, const TStacja& stacja);

// Every shipped lesson read; a shipped lesson with a fault raises TBladLekcji naming its file.
std::vector<TLekcja> WszystkieLekcje(const TStacja& stacja);
// The same, checked against a station built for it alone; a fault is told as a failure and no
// lesson is given.
std::vector<TLekcja> WszystkieLekcje(TKomunikaty& komunikaty);
