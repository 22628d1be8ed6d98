#pragma once

#include "core/dzwieki.h"
#include "core/zegary_reczne.h"
#include "station/stacja.h"
#include "tests/support/katalog_tymczasowy.h"
#include "tests/support/zapisujace.h"

#include <map>
#include <string>
#include <vector>

class TDzwiekiZapis : public TDzwieki {
public:
    void Odtworz(const std::string& plik) override { Pliki.push_back(plik); }
    std::vector<std::string> Pliki;
};

// The station Drelinko with recording stand-ins for everything outside the engine; the program
// folder is a fresh one that holds the four sound files.
class TStacjaTestowa {
public:
    TStacjaTestowa();

    TKatalogTymczasowy Katalog;
    TZegaryReczne Zegary;
    TDzwiekiZapis Dzwieki;
    TKomunikatyZapis Komunikaty;
    TStacja Stacja{Zegary, Dzwieki, Komunikaty};
    // Repaint requests by component name, since the last Wyczysc.
    std::map<std::string, int> Odswiezenia;

    template <typename T = TKomponent>
    T& E(const std::string& nazwa)
    {
        auto* k = Stacja.Znajdz<T>(nazwa);
        if (k == nullptr)
            throw std::runtime_error("no component " + nazwa);
        return *k;
    }
    // Sound file names (without the folder) played so far.
    std::vector<std::string> Zagrane() const;
};
