// The shipped day: a timetable that is whole and fair, played through its first four hours by a
// careful dispatcher's script without a single penalty.
#include "core/wkt_files.h"
#include "interlocking/stacja_nastawni.h"
#include "station/stacja.h"
#include "station/uklad.h"
#include "station/wlot.h"
#include "tests/support/srodowisko_testowe.h"
#include "tools/sim/driver.h"
#include "trains/rozklad.h"
#include "trains/rozklad_csv.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <sstream>

namespace {

const std::string Zrodla = DRELINKO_SOURCE_DIR;

std::string Czytaj(const std::string& plik)
{
    std::ifstream we(plik, std::ios::binary);
    std::ostringstream s;
    s << we.rdbuf();
    return s.str();
}

TImportCsv Dzien()
{
    ZarejestrujPociag();
    return CzytajRozkladCsv(Czytaj(Zrodla + "/data/rozklad.csv"), NazwyElementow(UkladDrelinka(), "TWlot"));
}

TEST(Dzien, TheShippedTimetableIsAFullDayOfTrainsOnTheStationsLines)
{
    const TImportCsv dzien = Dzien();
    ASSERT_TRUE(dzien.Bledy.empty()) << dzien.Bledy.front();
    EXPECT_GE(dzien.Pociagi.size(), 60u);

    TSrodowiskoTestowe s;
    TStacja stacja(s.Zegary, s.Dzwieki, s.Komunikaty);
    ZbudujStacje(stacja);
    std::map<std::string, std::set<std::string>> kierunki;
    for (TWlot* w : stacja.Wszystkie<TWlot>())
        for (const auto& k : w->KierunkiJazdy())
            kierunki[w->Name].insert(k);
    int przez = 0, koncza = 0, zaczynaja = 0, bezPostoju = 0;
    std::set<std::string> numery;
    for (const auto& t : dzien.Pociagi) {
        EXPECT_TRUE(numery.insert(t->Numer()).second) << "number twice: " << t->Numer();
        const std::string wj = t->Wjezdza().empty() ? "stacja_Drelinko" : t->Wjezdza();
        const std::string wy = t->Wyjezdza().empty() ? "stacja_Drelinko" : t->Wyjezdza();
        EXPECT_TRUE(kierunki[wj].count(t->RelacjaOd())) << t->Numer() << " from " << t->RelacjaOd();
        EXPECT_TRUE(kierunki[wy].count(t->RelacjaDo())) << t->Numer() << " to " << t->RelacjaDo();
        EXPECT_GE(t->Przyjazd(), 4.0 / 24) << t->Numer();
        EXPECT_LE(t->Przyjazd(), t->Odjazd()) << t->Numer();
        przez += !t->Wjezdza().empty() && !t->Wyjezdza().empty();
        koncza += t->Wyjezdza().empty();
        zaczynaja += t->Wjezdza().empty();
        bezPostoju += t->NieWymagaPeronu();
    }
    EXPECT_GT(przez, 0);
    EXPECT_GT(koncza, 0);
    EXPECT_EQ(koncza, zaczynaja);  // every unit that ends its run is used again
    EXPECT_GT(bezPostoju, 0);
    for (const char* wlot : {"wOlsz", "wBrz", "wWirowa"}) {
        int z = 0, do_ = 0;
        for (const auto& t : dzien.Pociagi) {
            z += t->Wjezdza() == wlot;
            do_ += t->Wyjezdza() == wlot;
        }
        EXPECT_GT(z, 0) << wlot;
        EXPECT_GT(do_, 0) << wlot;
    }
}

TEST(Dzien, ACarefulDispatcherPlaysTheFirstFourHoursWithoutAPenalty)
{
    const TImportCsv dzien = Dzien();
    ASSERT_TRUE(dzien.Bledy.empty());
    TKatalogTymczasowy katalog;
    {
        tWktGenericList lista;
        for (const auto& t : dzien.Pociagi)
            lista.Append(std::make_unique<TPociag>(*t));
        ASSERT_TRUE(SaveToFile(lista, katalog.Sciezka("rozklad.dat"), false));
    }
    std::ostringstream wyjscie;
    TDriverSymulacji driver(wyjscie, nullptr);
    std::istringstream skrypt(Czytaj(Zrodla + "/tests/scenarios/dzien.sim"));
    ASSERT_EQ(driver.Wykonaj(skrypt), TDriverSymulacji::Dobrze) << wyjscie.str();

    std::istringstream linie(wyjscie.str());
    int score = 0;
    int uformowane = 0;
    std::map<std::string, std::string> pociagi;  // number -> its TRAIN line
    for (std::string l; std::getline(linie, l);) {
        EXPECT_EQ(l.rfind("ERROR", 0), std::string::npos) << l;
        EXPECT_EQ(l.rfind("WARNING", 0), std::string::npos) << l;
        EXPECT_EQ(l.rfind("QUESTION", 0), std::string::npos) << l;
        if (l.rfind("JOURNAL ", 0) == 0) {
            std::istringstream j(l.substr(8));
            std::string czas;
            int punkty = 0;
            j >> czas >> punkty;
            EXPECT_GE(punkty, 0) << l;
            uformowane += l.find(" Pociąg gotowy do odjazdu | ") != std::string::npos;
        }
        if (l.rfind("SCORE ", 0) == 0)
            score = std::stoi(l.substr(6));
        if (l.rfind("TRAIN numer=\"", 0) == 0) {
            const auto koniec = l.find('"', 13);
            std::string numer = l.substr(13, koniec - 13);
            if (numer.rfind("skład po ", 0) == 0)
                numer = numer.substr(std::string("skład po ").size());
            pociagi[numer] = l;
        }
    }
    EXPECT_GT(score, 400);  // the 200 of the opening line on top of the 200 the journal starts with

    // Every train due by 8:00 has left the station or ended its run in it; a unit that ended its
    // run and was made into a starting train is gone from the day.
    int sprawdzone = 0, zuzyte = 0;
    for (const auto& t : dzien.Pociagi) {
        const double termin = t->Wjezdza().empty() || t->Wyjezdza().empty() ? t->Przyjazd() : t->Odjazd();
        if (termin >= 7.9 / 24)
            continue;
        ++sprawdzone;
        const auto it = pociagi.find(t->Numer());
        if (it == pociagi.end() && t->Wyjezdza().empty()) {
            ++zuzyte;
            continue;
        }
        ASSERT_NE(it, pociagi.end()) << t->Numer();
        EXPECT_TRUE(it->second.find(" punkt=- ") != std::string::npos ||
                    it->second.find(" skonczylbieg=1 ") != std::string::npos)
            << it->second;
    }
    EXPECT_GE(sprawdzone, 12);
    EXPECT_EQ(uformowane, zuzyte);
}

}  // namespace
