#pragma once

#include "core/wkt_list.h"
#include "trains/pociag.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The timetable as a spreadsheet: UTF-8, RFC 4180 quoting, a header row, one train per row.
inline constexpr const char* KolumnyRozkladuCsv =
    "numer,relacja_od,relacja_do,sklad,wjezdza,wyjezdza,przyjazd,odjazd,opis,bez_peronu";

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
