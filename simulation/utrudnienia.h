#pragma once

// The day's disturbances: the level the player chose and the seed of their chance, the delays of
// trains from the lines, the faults of elements and the trains not in the timetable, each drawn
// from the seed alone.

#include <cstdint>
#include <string>
#include <vector>

class TRozkladJazdy;

// Level 0 is the timetable exactly as written; each level adds to the one below: 1 delays of trains
// from the lines, 2 faults of elements, 3 trains not in the timetable.
struct TUtrudnienia {
    static constexpr int NajnizszyPoziom = 0;
    static constexpr int NajwyzszyPoziom = 3;
    static constexpr int PoziomOpoznien = 1;
    static constexpr int PoziomUsterek = 2;
    static constexpr int PoziomDodatkowych = 3;
    // The greatest seed the player enters; a seed drawn from the wall clock is brought into this
    // range, so that the seed a game shows can be entered again to play the same day.
    static constexpr std::uint64_t NajwiekszeZiarno = 2147483647;

    int Poziom = NajnizszyPoziom;
    std::uint64_t Ziarno = 0;

    bool Opoznienia() const { return Poziom >= PoziomOpoznien; }
    bool Usterki() const { return Poziom >= PoziomUsterek; }
    bool Dodatkowe() const { return Poziom >= PoziomDodatkowych; }
};

// The level's name as the list to choose from and the Opcje page show it, and its short name for
// the start line's link.
const char* NazwaPoziomu(int poziom);
const char* KrotkaNazwaPoziomu(int poziom);

// One draw of the day's chance, named by what it is for, so that a draw never depends on how many
// others were made before it: the same seed, day and name give the same numbers on any machine.
class TLosDnia {
public:
    TLosDnia(std::uint64_t ziarno, int dzien, const std::string& nazwa);
    std::uint64_t Nastepna();
    // A whole number from `od` to `do_` inclusive.
    int Liczba(int od, int do_);
    // True with the given chance in thousandths.
    bool Promile(int promile);

private:
    std::uint64_t stan_;
};

// The delay in seconds with which a train comes in from the line through the entry: most trains
// on time or a few minutes late, a few late long. The lines differ: the single-track lines from
// the branch lose more than the main line.
std::int32_t OpoznienieZTrasy(const TUtrudnienia& u, int dzien, const std::string& numer, const std::string& wlot);

// A fault of an element for a while of the day.
enum class tRodzajUsterki : std::uint8_t {
    zwrotnica,  // the switch does not move
    semafor,    // the signal cannot show S2 (the substitute signal Sz still works)
    rogatka,    // the barrier does not come down
};

struct TUsterkaElementu {
    tRodzajUsterki Rodzaj = tRodzajUsterki::zwrotnica;
    std::string Element;
    // From and to, as times of the day.
    double Od = 0;
    double Do = 0;
};

// The day's faults on the named elements of each kind, none overlapping another on one element, all
// within the day's busy hours.
std::vector<TUsterkaElementu> UsterkiDnia(const TUtrudnienia& u, int dzien, const std::vector<std::string>& zwrotnice,
                                  const std::vector<std::string>& semafory, const std::vector<std::string>& rogatki);

// What a fault's journal lines and the diagram's hint say.
std::string OpisUsterki(const TUsterkaElementu& u);
std::string KoniecUsterki(const TUsterkaElementu& u);

// A train not in the timetable: its timetable-like entry and the time its notice is given.
struct TDodatkowyPociag {
    std::string Numer, RelacjaOd, RelacjaDo, Sklad, Opis, Wjezdza, Wyjezdza;
    double Przyjazd = 0, Odjazd = 0;
    bool BezPostoju = false;
    double Zgloszenie = 0;
};
// How long before its arrival the notice of an extra train is given.
inline constexpr double WyprzedzenieZgloszenia = 30.0 / 1440.0;

// The day's extra trains, laid where their line is free of the timetable's trains.
std::vector<TDodatkowyPociag> DodatkowePociagi(const TUtrudnienia& u, int dzien, const TRozkladJazdy& rozklad);
