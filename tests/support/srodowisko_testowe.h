#pragma once

#include "core/uslugi.h"
#include "core/zegary_reczne.h"
#include "run/symulacja_stacji.h"
#include "tests/support/katalog_tymczasowy.h"
#include "tests/support/stacja_testowa.h"
#include "tests/support/zapisujace.h"
#include "trains/rozklad.h"

#include <map>
#include <memory>
#include <string>

// A wall clock that moves with the manual timers: real time in the tests passes only when told.
class TZegarSciennyReczny : public TZegarScienny {
public:
    explicit TZegarSciennyReczny(const TZegaryReczne& zegary) : zegary_(zegary) {}
    double Teraz() const override { return Poczatek + zegary_.Teraz() / 86400000.0; }
    static constexpr double Poczatek = 46000.5;  // a day at noon

private:
    const TZegaryReczne& zegary_;
};

class TUstawieniaPamiec : public TUstawienia {
public:
    std::string Czytaj(const std::string& k, const std::string& n, const std::string& d) const override
    {
        const auto it = Wartosci.find(k + "|" + n);
        return it == Wartosci.end() ? d : it->second;
    }
    void Zapisz(const std::string& k, const std::string& n, const std::string& w) override { Wartosci[k + "|" + n] = w; }
    std::map<std::string, std::string> Wartosci;
};

// The services of a station run, recorded: manual timers and wall clock, recorded sounds, boxes and
// cursors, settings in memory. A second program that loads a kept game has a set of its own.
struct TUslugiTestowe {
    TZegaryReczne Zegary;
    TDzwiekiZapis Dzwieki;
    TKomunikatyZapis Komunikaty;
    TKursoryZapis Kursory;
    TZegarSciennyReczny ZegarScienny{Zegary};
    TLosowanieProste Losowanie;
    TUstawieniaPamiec Ustawienia;
    TUslugi Uslugi{Zegary, Dzwieki, Komunikaty, Kursory, ZegarScienny, Losowanie, Ustawienia};
};

// Everything a station run needs: its services, a fresh program folder with the sounds, and the
// timetable file of the folder.
class TSrodowiskoTestowe : public TUslugiTestowe {
public:
    TSrodowiskoTestowe();

    TKatalogTymczasowy Katalog;
    TRozkladJazdy Rozklad{NazwaPlikuRozkladu(), Komunikaty, Kursory};
};

// Ticks the run until its clock has reached the hour and minute.
void TyknijDoGodziny(TSymulacjaStacji& sym, int h, int m);
