#pragma once

// The timetable update from a file the player picks, checked in full before it replaces the old one.

#include "core/komunikaty.h"

#include <string>
#include <vector>

// The update of the program's data: the game has no network, so a newer timetable comes as a
// file the player chooses, a spreadsheet (".csv", the columns of drelinko-rozklad) or a timetable
// file (".dat"). It is read and checked against the station's lines in full before anything is
// written; the timetable it replaces is kept as a numbered backup that no later save overwrites.
struct TAktualizacjaRozkladu {
    bool Udana = false;
    // Why nothing was written: every problem found, each on its own line.
    std::vector<std::string> Bledy;
    int Pociagow = 0;
    // The backup of the replaced timetable; empty when there was none to keep.
    std::string Kopia;
};

// Reads `zrodlo`, checks it and writes it as the timetable file `plikRozkladu`.
TAktualizacjaRozkladu AktualizujRozklad(const std::string& zrodlo, const std::string& plikRozkladu);

// The same, telling the player the outcome in a message box.
bool AktualizujRozklad(const std::string& zrodlo, const std::string& plikRozkladu, TKomunikaty& komunikaty);
