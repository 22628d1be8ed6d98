#pragma once

// A saved game's file: its inputs, its checkpoint, the limits saver and loader share, and its reading
// and writing.

#include "record/wiersze_stanu.h"
#include "simulation/utrudnienia.h"
#include "trains/rozklad.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A game is its inputs: the timetable and the start hour it began with, then every input the
// engine was given, in order, each with the number of ticks that had run before it. Replaying the
// inputs on a fresh station rebuilds the game exactly. So that a long game neither grows nor takes
// longer to load, the inputs go on from a checkpoint, the whole state at the last midnight, which
// stands for every input before it.
//
// The file is plain text: a header, the checkpoint (`checkpoint <lines> <ticks>`, then its lines,
// each `= <kind> <values>`), then one line per input, `<ticks> <word> <arguments>`, the words of
// drelinko-sim's script where the input is a player's act.

// One input: the words of its line, and for `timetable` the timetable file's bytes.
struct TWejscieGry {
    std::int64_t Takt = 0;
    std::vector<std::string> Slowa;
    std::vector<std::uint8_t> Rozklad;
    // The line of the file it was read from; 0 for an input of the running game.
    int Wiersz = 0;
};

// What a saved game may hold: the saver keeps within these (the running game takes a checkpoint
// long before its inputs come near any of them) and the loader refuses more, so a file one writes
// the other reads, and loading takes the same time and memory however long the game has run.
struct TLimityZapisu {
    // The whole file.
    static constexpr std::size_t NajwiekszyPlik = 64u * 1024u * 1024u;
    // One timetable, in its file's bytes and in entries: every train the timetable file can count,
    // each with room for texts several times as long as real ones.
    static constexpr std::size_t PozycjiRozkladu = NajwiecejPociagow;
    static constexpr std::size_t NajwiekszyRozklad = 16u * 1024u * 1024u;
    // Since the checkpoint: ticks (two days), input lines, timetable bytes of the changes, and the
    // real time waited on the manual timers (two days, each passing of it replayed tick by tick).
    static constexpr std::int64_t Taktow = 2 * 17280;
    static constexpr std::size_t Wejsc = 1000000;
    static constexpr std::size_t BajtowRozkladow = 2 * NajwiekszyRozklad;
    static constexpr std::int64_t CzekaniaMs = 2 * 86400000LL;
    // The journal's lines a checkpoint keeps, the newest: a year of play and more.
    static constexpr std::size_t LiniiDziennika = 150000;
    // The checkpoint's lines and words.
    static constexpr std::size_t WierszyPunktu = 400000;
    static constexpr std::size_t SlowPunktu = 4000000;
    // A game of the first format, replayed from its start, may hold a hundred days of ticks.
    static constexpr std::int64_t TaktowFormatu1 = 100 * 17280;

    // Whether what has gathered since the checkpoint is near enough to a limit that the running
    // game takes a new one: at half of it, so that no act can carry it past the limit.
    static constexpr bool Blisko(std::int64_t ile, std::int64_t limit) { return ile >= limit / 2; }
};

struct TZapisGry {
    static constexpr const char* Sygnatura = "DRELINKO-GAME";
    // 3: the header holds the day's disturbances (`level`) after the seed.
    static constexpr int WersjaFormatu = 3;
    static constexpr std::size_t NajwiekszyPlik = TLimityZapisu::NajwiekszyPlik;

    std::string Program;
    // The simulated clock at the start, a fraction of a day.
    double Godzina = 0.0;
    std::uint64_t Ziarno = 0;
    // The day's disturbances, 0 to 3 (a file of an older format holds none).
    int Utrudnienia = 0;
    // The timetable at the start, as its file holds it.
    std::vector<std::uint8_t> Rozklad;
    // The game's state at the checkpoint the inputs go on from, and the ticks run by then; none
    // when they go on from the start.
    TWierszeStanu Punkt;
    std::int64_t TaktPunktu = 0;
    int WierszPunktu = 0;
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
std::string SlowoZapisu(std::string_view slowo);
bool RozbijWierszZapisu(std::string_view wiersz, std::vector<std::string>& slowa);

// Exact, locale-independent text of a number of the file.
std::string LiczbaZapisu(double v);
bool CzytajLiczbeZapisu(std::string_view tekst, double& v);
bool CzytajCalkowitaZapisu(std::string_view tekst, std::int64_t& v);
