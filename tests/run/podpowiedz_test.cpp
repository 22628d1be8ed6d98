// The hint: the dispatcher's next act told to the player, which changes nothing and, followed alone,
// plays the station without a penalty.
#include "core/slowa_polecen.h"
#include "run/podpowiedz.h"
#include "run/symulacja_stacji.h"
#include "station/upunkt.h"
#include "tests/support/dzien_z_danych.h"
#include "tests/support/pociag_testowy.h"
#include "tests/support/srodowisko_testowe.h"
#include "trains/czas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

class Podpowiedzi : public ::testing::Test {
protected:
    Podpowiedzi()
    {
        sym.Stacja().OdtwarzajDzwieki = false;
        sym.Dziennik().OnLinia = [this](const TLiniaDziennika& l) {
            if (!l.Porada)
                linie.push_back(l);
        };
    }

    void Start(const char* godzina)
    {
        s.Rozklad.ZapiszRozklad();
        ASSERT_EQ(sym.Akt({"time", godzina}), "");
        ASSERT_EQ(sym.Akt({"start"}), "");
    }

    // Does what the hint says, as the player would: its command is the driver's line.
    void Wykonaj(const TPodpowiedz& p)
    {
        std::string blad;
        const auto slowa = RozbijLinie(p.Polecenie, blad);
        ASSERT_TRUE(slowa.has_value()) << p.Polecenie;
        ASSERT_EQ(sym.Akt(*slowa), "") << p.Polecenie;
    }

    int Kary() const
    {
        int n = 0;
        for (const auto& l : linie)
            n += l.Punkty < 0;
        return n;
    }

    TSrodowiskoTestowe s;
    TSymulacjaStacji sym{s.Uslugi, s.Rozklad};
    std::vector<TLiniaDziennika> linie;
};

TEST_F(Podpowiedzi, AHintChangesNothingOfTheGame)
{
    DzienZDanych(s.Rozklad);
    Start("7:05");
    const auto przed = sym.StanGry();
    const std::size_t liniiPrzed = linie.size();
    const TPodpowiedz p = Podpowiedz(sym);
    EXPECT_TRUE(p.Cokolwiek()) << p.Powod;
    EXPECT_EQ(Podpowiedz(sym).Polecenie, p.Polecenie) << "asked again, the same";
    EXPECT_EQ(sym.StanGry(), przed);
    EXPECT_EQ(linie.size(), liniiPrzed);
    EXPECT_TRUE(s.Komunikaty.Pytania.empty());
}

TEST_F(Podpowiedzi, ARouteIsAdvisedWithItsButtonAndTheTrainItIsFor)
{
    s.Rozklad.Rozklad.Append(PociagTestowy(
        {"34101", "Olszarzyna", "Brzelany", "s221", "wOlsz", "wBrz", "7:20", "7:25", "os. 34101"}));
    Start("7:00");
    // The barriers left down at the start are raised first: no train is near.
    TPodpowiedz p = Podpowiedz(sym);
    for (int i = 0; i < 5 && p.Powod.rfind("Podnieś rogatki", 0) == 0; ++i) {
        Wykonaj(p);
        p = Podpowiedz(sym);
    }
    // Long before the train, nothing: the hint tells when its way in is due.
    EXPECT_FALSE(p.Cokolwiek());
    EXPECT_EQ(p.Powod.rfind("Teraz nic do zrobienia. O 7:", 0), 0u) << p.Powod;
    EXPECT_NE(p.Powod.find("droga wjazdu dla pociągu 34101 z wOlsz"), std::string::npos) << p.Powod;
    TyknijDoGodziny(sym, 7, 17);
    p = Podpowiedz(sym);
    ASSERT_TRUE(p.Cokolwiek()) << p.Powod;
    EXPECT_EQ(p.Polecenie.rfind("press ", 0), 0u);
    EXPECT_EQ(p.Polecenie, "press " + p.Przycisk);
    EXPECT_NE(p.Powod.find("dla pociągu 34101"), std::string::npos) << p.Powod;
    EXPECT_NE(p.Powod.find("Pociąg 34101: przyjazd 7:20 z Olszarzyna, odjazd 7:25 do Brzelany."), std::string::npos)
        << p.Powod;
}

TEST_F(Podpowiedzi, FirstAskedWhileTheLocomotiveStandsAwayOnARunRoundTheyBringItBackAndTheTrainLeavesOnTime)
{
    s.Rozklad.Rozklad.Append(
        PociagTestowy({"34190", "Czaplin", "Drelinko", "s122", "wOlsz", "", "7:10", "7:10", "osobowy"}));
    s.Rozklad.Rozklad.Append(
        PociagTestowy({"34191", "Drelinko", "Olszarzyna", "s122", "", "wOlsz", "7:40", "7:40", "osobowy"}));
    Start("7:00");
    // The player brings the train in and starts the run-round alone: the locomotive off to pM2.
    for (const char* przycisk : {"PunktButton6", "ZatwierdzButton14", "bSK1", "PunktButton1"})
        ASSERT_EQ(sym.Akt({"press", przycisk}), "") << przycisk;
    TyknijDoGodziny(sym, 7, 10);
    for (const std::vector<std::string>& akt :
         std::vector<std::vector<std::string>>{{"menu", "p1", "Rozdziel skład"},
                                                {"press", "wktColorButton15"},
                                                {"press", "wktColorButton16"},
                                                {"press", "PunktButton6"},
                                                {"menu", "p1", "Daj polecenie odjazdu"}})
        ASSERT_EQ(sym.Akt(akt), "") << akt[0] << " " << akt[1];
    TyknijDoGodziny(sym, 7, 11);
    ASSERT_NE(sym.Stacja().Znajdz<TPunkt>("pM2")->Pociag(), nullptr) << "the locomotive stands at pM2";
    bool rada = false;
    while (Milisekundy(sym.CzasSymulacji) < Milisekundy(*CzytajGodzine("7:45"))) {
        for (TPodpowiedz p = Podpowiedz(sym); p.Cokolwiek(); p = Podpowiedz(sym)) {
            rada = true;
            Wykonaj(p);
            if (HasFatalFailure())
                return;
        }
        sym.Wykonaj([this] { sym.Tyknij(); });
    }
    EXPECT_TRUE(rada);
    EXPECT_EQ(Kary(), 0);
    EXPECT_TRUE(std::any_of(linie.begin(), linie.end(), [](const TLiniaDziennika& l) {
        return l.Tekst == "Pociąg 34191 opuścił stację punktualnie.";
    }));
}

TEST_F(Podpowiedzi, FollowedAloneThroughTheShippedDayTheyCostNoPointsAndCoverEveryKindOfAct)
{
    DzienZDanych(s.Rozklad);
    Start("4:10");
    std::set<std::string> rodzaje;
    int punktualne = 0;
    while (Milisekundy(sym.CzasSymulacji) < Milisekundy(*CzytajGodzine("23:59"))) {
        // Every act due now, one hint at a time, then the clock goes on.
        for (int i = 0; i < 30; ++i) {
            const TPodpowiedz p = Podpowiedz(sym);
            if (!p.Cokolwiek())
                break;
            // The kind: a button's prefix (route, switch, signal, barrier) or the menu item.
            std::string rodzaj = p.Polecenie.substr(0, p.Polecenie.find_first_of("0123456789\""));
            if (p.Polecenie.rfind("menu", 0) == 0)
                rodzaj = "menu " + p.Polecenie.substr(p.Polecenie.find('"'));
            rodzaje.insert(rodzaj);
            Wykonaj(p);
            if (HasFatalFailure())
                return;
        }
        sym.Wykonaj([this] { sym.Tyknij(); });
    }
    for (const auto& l : linie)
        punktualne += l.Punkty > 0 && l.Tekst.find("punktualnie") != std::string::npos;
    EXPECT_EQ(Kary(), 0);
    for (const auto& l : linie)
        if (l.Punkty < 0) {
            ADD_FAILURE() << "the first penalty: " << CzasHHMMSS(l.Czas) << " " << l.Tekst << " | " << l.Opis;
            break;
        }
    EXPECT_GT(punktualne, 60);
    std::string wszystkie;
    for (const auto& r : rodzaje)
        wszystkie += r + "; ";
    EXPECT_TRUE(rodzaje.count("press ZatwierdzButton")) << wszystkie;
    EXPECT_TRUE(rodzaje.count("press PunktButton")) << wszystkie;
    EXPECT_TRUE(rodzaje.count("menu \"Daj polecenie odjazdu\"")) << wszystkie;
}

}  // namespace
