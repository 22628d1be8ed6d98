#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A game is its inputs: the timetable and the start hour it began with, then every input the
// engine was given, in order, each with the number of ticks that had run before it. Replaying the
// inputs on a fresh station rebuilds the game exactly; the file holds no copy of the engine's state.
//
// The file is plain text: a header, then one line per input, `<ticks> <word> <arguments>`, the
// words of drelinko-sim's script where the input is a player's act.

// One input: the words of its line, and for `timetable` the timetable file's bytes.
struct TWejscieGry {
    std::int64_t Takt = 0;
    std::vector<std::string> Slowa;
    std::vector<std::uint8_t> Rozklad;
    // The line of the file it was read from; 0 for an input of the running game.
    int Wiersz = 0;
};

struct TZapisGry {
    static constexpr const char* Sygnatura = "DRELINKO-GAME";
    static constexpr int WersjaFormatu = 1;
    // The longest file taken: a whole day played in the window is a few megabytes.
    static constexpr std::size_t NajwiekszyPlik = 64u * 1024u * 1024u;
    // A hundred days of ticks: more is taken for damage, not for a game.
    static constexpr std::int64_t NajwiecejTaktow = 100 * 17280;

    std::string Program;
    // The simulated clock at the start, a fraction of a day.
    double Godzina = 0.0;
    std::uint64_t Ziarno = 0;
    // The timetable at the start, as its file holds it.
    std::vector<std::uint8_t> Rozklad;
    std::vector<TWejscieGry> Wejscia;
    // The ticks run by the end of the game.
    std::int64_t Takty = 0;
};

// The whole file of the game.
std::string TekstZapisu(const TZapisGry& zapis);

// Reads a file checked from its first line to its last: the header, the version, every line's
// word and arguments, the ticks in order, each timetable through the timetable file's reader.
// On a fault `blad` names the line and what is wrong, and the result is empty.
struct TBladZapisu {
    int Wiersz = 0;
    std::string Powod;
};
bool CzytajZapis(std::string_view tekst, TZapisGry& zapis, TBladZapisu& blad);

// A word as a line of the file holds it: bare, or quoted when it holds a blank, a quote, a
// backslash, a control character or nothing; and the words of a line back.
std::string SlowoZapisu(const std::string& slowo);
bool RozbijWierszZapisu(std::string_view wiersz, std::vector<std::string>& slowa);

// Exact, locale-independent text of a number of the file.
std::string LiczbaZapisu(double v);
bool CzytajLiczbeZapisu(std::string_view tekst, double& v);
bool CzytajCalkowitaZapisu(std::string_view tekst, std::int64_t& v);
