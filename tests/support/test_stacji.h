#pragma once

#include "interlocking/wktcolorbutton.h"
#include "run/symulacja_stacji.h"
#include "station/upunkt.h"
#include "tests/support/srodowisko_testowe.h"

#include <gtest/gtest.h>

#include <string>

// A station run with recorded surroundings, and the dispatcher's hands: find an element, press a
// button, click an element, each fault going to the run's handler as in the game.
class TTestStacji : public ::testing::Test {
protected:
    TSrodowiskoTestowe srodowisko;
    TKatalogTymczasowy& katalog = srodowisko.Katalog;
    TZegaryReczne& zegary = srodowisko.Zegary;
    TDzwiekiZapis& dzwieki = srodowisko.Dzwieki;
    TKomunikatyZapis& komunikaty = srodowisko.Komunikaty;
    TSymulacjaStacji sym{srodowisko.Uslugi, srodowisko.Rozklad};

    template <typename T = TPunkt>
    T& E(const std::string& nazwa)
    {
        return *sym.Stacja().Znajdz<T>(nazwa);
    }
    void Nacisnij(const std::string& przycisk)
    {
        auto& b = E<TWktColorButton>(przycisk);
        sym.Wykonaj([&] { b.Click(); });
    }
    void Kliknij(TElement& e)
    {
        sym.Wykonaj([&] { e.Click(); });
    }
    const TLiniaDziennika& Ostatnia() const { return sym.Dziennik().Linie().back(); }
};
