#pragma once

// The timetable to and from CSV for spreadsheets, and the checks of its trains.

#include "core/wkt_list.h"
#include "trains/pociag.h"
#include "trains/rozklad.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The timetable as a spreadsheet: UTF-8, RFC 4180 quoting, a header row, one train per row; texts a
// spreadsheet would run as formulas after an apostrophe, which reading takes off (PoleTekstuCsv).
inline constexpr const char* KolumnyRozkladuCsv =
    "numer,relacja_od,relacja_do,sklad,wjezdza,wyjezdza,przyjazd,odjazd,opis,bez_peronu";

// The longest row a train can make: each of its seven texts at its longest, every character in its
// widest UTF-8 (three bytes, as „ ” €), after the apostrophe that guards a formula and in quotes; both
// times as H:MM:SS and bez_peronu, quoted as a spreadsheet may quote them; the separators and a CR LF.
inline constexpr std::size_t NajdluzszyWierszCsv =
    7 * (3 * NajdluzszyTekstPociagu + 1 + 2) + 2 * (8 + 2) + (1 + 2) + 9 + 2;
// No timetable makes a larger CSV file: a byte order mark, the header and every train the file can
// count at the longest row.
inline constexpr std::uintmax_t NajwiekszyPlikCsv =
    3 + std::char_traits<char>::length(KolumnyRozkladuCsv) + 2 +
    static_cast<std::uintmax_t>(NajwiecejPociagow) * NajdluzszyWierszCsv;

// Where a CSV file comes in, before any of it is read: empty when its size can be a timetable's (or
// cannot be measured, which reading it then reports), otherwise why it is refused and how large it is.
std::string SprawdzRozmiarCsv(const std::string& plik);

struct TImportCsv {
    std::vector<std::unique_ptr<TPociag>> Pociagi;
    // Every problem found, each naming its line and field; the import is good only when empty.
    std::vector<std::string> Bledy;
};

// Reads every row and applies to each train every check of SprawdzRozklad but its doubts, so that
// no train the game would drop is ever saved; `wloty` are the names of the station's line entries. A file of more
// trains than the timetable can hold is refused at the first row past the limit.
TImportCsv CzytajRozkladCsv(std::string_view tekst, const std::vector<std::string>& wloty);
// Rows in the list's order; entries that are not trains are skipped and counted in `pominiete`.
std::string ZapiszRozkladCsv(const tWktList& rozklad, int* pominiete = nullptr);


// One problem of a train: the CSV column it lies in (nullptr for none) and what is wrong. A doubt
// is a train the game runs all the same: the check names it, the CSV reader takes the train.
struct TProblemPociagu {
    const char* Pole;
    std::string Opis;
    bool TylkoWatpliwosc = false;
};
std::vector<TProblemPociagu> ProblemyPociagu(const TPociag& t, const std::vector<std::string>& wloty);

// What `check` reports of a loaded timetable: each line names the entry (1-based) and the problem.
// `wloty` are the names of the station's line entries.
std::vector<std::string> SprawdzRozklad(const tWktList& rozklad, const std::vector<std::string>& wloty);
