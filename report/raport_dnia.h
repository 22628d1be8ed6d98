#pragma once

// The day's report (TRaporty): every timetable train of the day as it went, the points by kind, the
// score over time and the tracks' occupation.

#include "simulation/ocena.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class TPociag;
class TPunkt;

// Times in the report are counted from the run's first day: the day's number plus the time of day, so
// that a train that leaves after midnight is later than its timetable time, not a day earlier.

// One timetable train of the day as it went.
struct TPociagRaportu {
    std::uint32_t Id = 0;
    std::string Numer, RelacjaOd, RelacjaDo;
    double PrzyjazdPlan = 0.0, OdjazdPlan = 0.0;
    // At its first platform stop (a train that needs none: when it was first seen on a platform or
    // siding track, or else when it left; a train that starts here: when its consist was made
    // ready); when it left.
    std::optional<double> Przyjazd, Odjazd;
    bool ZeStacji = false;    // starts its run in the station
    bool KonczyBieg = false;  // ends its run in the station
    bool BezPeronu = false;
    bool Punktualny = false;  // its departure was judged punctual
    bool Przepadl = false;    // the day ended before it came in
    std::int32_t Punkty = 0;  // the points of every journal line that concerned it
    int Oceny = 0;
    // Seconds of delay the train brought in from the line (0 on a day without disturbances).
    std::int32_t OpoznienieWjazdu = 0;
    bool Dodatkowy = false;  // not in the timetable: added by the day's disturbances

    // Whole minutes of delay: of the departure once it left, else of the arrival; early is negative.
    std::optional<int> Opoznienie() const;
    // Late enough to lose the punctual bonus (two minutes or more).
    bool Spozniony() const;
    // The delay split by whose it is, in whole minutes: the part the line brought in and the part
    // added here; together they make the delay whenever the train is late, and both are 0 when it
    // is not (a delay made up here leaves nothing to split). Before the train leaves its arrival
    // delay is split (a train held at the entry beyond what it brought in was held here); before
    // it is seen at all only the line's part is known, the station's is none.
    std::optional<int> OpoznienieZTrasy() const;
    std::optional<int> OpoznienieTutaj() const;
};

struct TSumaRodzaju {
    int Ile = 0;
    std::int32_t Punkty = 0;
};

struct TPunktWyniku {
    double Czas = 0.0;
    std::int32_t Score = 0;
};

// A stretch of time in which one train stood on (or passed) one of the report's tracks.
struct TZajetoscToru {
    std::string Tor;
    double Od = 0.0, Do = 0.0;
    std::string Pociag;
};

// What the occupation chart writes on a stretch: the number, or the consist of a shunting unit.
std::string EtykietaZajetosci(const TPociag& t);

// The tracks whose occupation the report shows: the platforms and sidings.
inline constexpr std::array<std::string_view, 5> ToryRaportu = {"p1", "p2", "pB1", "pB2", "b1"};

// One day of the run, from the preparing of its trains to the next midnight.
class TRaportDnia {
public:
    int NrDnia = 0;
    double Poczatek = 0.0;
    std::optional<double> Koniec;
    std::int32_t ScorePoczatkowy = 0;
    // The points of every journal line of the day: the day's change of the score.
    std::int32_t Punkty = 0;
    std::vector<TPociagRaportu> Pociagi;
    std::array<TSumaRodzaju, LiczbaRodzajowOceny> Rodzaje{};
    // The score after every line that changed it, from the day's start.
    std::vector<TPunktWyniku> Wynik;
    std::vector<TZajetoscToru> Zajetosc;
    // A day with disturbances (level 1 and up): its trains' delays are shown split by whose they are.
    bool ZUtrudnieniami = false;

    int Punktualne() const;
    const TPociagRaportu* Znajdz(std::uint32_t id) const;
    TPociagRaportu* Znajdz(std::uint32_t id);
};

// Whether lines of the kind are judgements, shown in the report's sums by kind.
bool JestOcena(tRodzajOceny rodzaj);
// The kind a line is counted as: one its writer did not say is a judgement of another kind (`inne`)
// when it has points and information when it has none; so is a line of an information kind with points.
tRodzajOceny RodzajLinii(tRodzajOceny rodzaj, std::int32_t punkty);
// The kind's name in the report, in Polish.
const char* NazwaRodzaju(tRodzajOceny rodzaj);
// A report time as "h:mm:ss" of its time of day.
std::string GodzinaRaportu(double czas);
// The table of the day's trains as CSV (UTF-8, RFC 4180 quoting, a header row; texts a spreadsheet
// would run as formulas guarded, see PoleTekstuCsv). A day with disturbances has two more columns
// at the end, the delay brought in and the delay added here; any other day's is as it always was.
std::string RaportCsv(const TRaportDnia& dzien);

// The report of the running day and of the last finished one. Fed by the station run: every journal
// line, the preparing of every day's trains, and every tick's look at the tracks.
class TRaporty {
public:
    TRaporty();

    // Whether the run's days have disturbances: told before the first day, kept for every day
    // opened after.
    void UstawUtrudnienia(bool tak) { utrudnienia_ = tak; }

    // The day's trains have been prepared, at time of day `pora` with the score `score`. The first
    // call only marks the start of the first day (whatever was written before belongs to it); later
    // ones, at midnight, finish the running day and open the next. Every train of the list that is a
    // timetable train without a report number gets one in the opened day. True when a day was finished.
    bool NowyDzien(double pora, std::int32_t score, const std::vector<std::unique_ptr<TPociag>>& pociagi);
    // A journal line that was written at time of day `pora` and left the score at `score`.
    void Zapisz(const TOcena& ocena, std::int32_t punkty, double pora, std::int32_t score);
    // The tracks after a step (null entries are skipped), at time of day `pora`.
    void Probkuj(const std::array<const TPunkt*, ToryRaportu.size()>& tory, double pora);

    const TRaportDnia& Biezacy() const { return *biezacy_; }
    const TRaportDnia* Miniony() const { return miniony_.get(); }
    // A time of day of the running day as a report time.
    double Czas(double pora) const { return biezacy_->NrDnia + pora; }

private:
    friend class TPunktKontrolny;
    TPociagRaportu* Znajdz(std::uint32_t id);
    void ZamknijZajetosc(double czas);

    std::unique_ptr<TRaportDnia> biezacy_;
    std::unique_ptr<TRaportDnia> miniony_;
    bool rozpoczety_ = false;
    bool utrudnienia_ = false;
    std::uint32_t nastepnyId_ = 1;
    // Per track: the train last seen there and its open stretch in the running day.
    struct TStanToru {
        const TPociag* Pociag = nullptr;
        std::string Etykieta;
        std::optional<std::size_t> Otwarta;
    };
    std::array<TStanToru, ToryRaportu.size()> tory_{};
};
