// What only the window shows (a frame blinking around a train chosen in the list, the point where a
// refused route stopped) stays out of the game's record; what the player does from the list goes in
// as the player's act.
#include "models/lista_pociagow.h"
#include "record/uslugi_zapisu.h"
#include "run/symulacja_stacji.h"
#include "tests/support/pociag_testowy.h"
#include "tests/support/test_stacji.h"
#include "tools/sim/stan.h"
#include "trains/czas.h"

#include <gtest/gtest.h>

namespace {

class TylkoWidok : public TTestStacji {
protected:
    TylkoWidok()
    {
        srodowisko.Rozklad.Rozklad.Append(PociagTestowy(
            {"34101", "Olszarzyna", "Brzelany", "s221", "wOlsz", "wBrz", "4:30", "4:35", "os. 34101"}));
        srodowisko.Rozklad.ZapiszRozklad();
    }

    void DoGodziny(int h, int m) { TyknijDoGodziny(sym, h, m); }

    std::string Zapis()
    {
        std::string blad;
        std::string tekst = sym.ZapisGry(blad);
        EXPECT_EQ(blad, "");
        return tekst;
    }

    // Loaded as the start window does: the timers go over to the program's own at the end.
    TWczytanaGra Wczytaj(const std::string& tekst)
    {
        return TSymulacjaStacji::Wczytaj(tekst, drugie, NazwaPlikuRozkladu());
    }

    // The saved game loads into the very state of the game, and both go on alike.
    void OczekujTejSamejGry()
    {
        const std::string tekst = Zapis();
        TWczytanaGra gra = Wczytaj(tekst);
        ASSERT_EQ(gra.Blad, "");
        ASSERT_NE(gra.Symulacja, nullptr);
        EXPECT_EQ(ZrzutStanu(*gra.Symulacja), ZrzutStanu(sym));
        for (int i = 0; i < 120; ++i) {
            sym.Tyknij();
            gra.Symulacja->Tyknij();
        }
        EXPECT_EQ(ZrzutStanu(*gra.Symulacja), ZrzutStanu(sym));
    }

    const TPociag* Pociag() const { return sym.Silnik().PociagiDnia().front().get(); }

    TZegaryReczne zegary2;
    TZegarSciennyReczny sciany2{zegary2};
    TUslugi drugie{zegary2,
                   srodowisko.Dzwieki,
                   srodowisko.Komunikaty,
                   srodowisko.Kursory,
                   sciany2,
                   srodowisko.Losowanie,
                   srodowisko.Ustawienia};
};

TEST_F(TylkoWidok, ATrainChosenInTheListBlinksButTheSavedGameStillLoads)
{
    ASSERT_EQ(sym.Akt({"start"}), "");
    DoGodziny(4, 6);
    TListaPociagow lista(sym);
    lista.Odswiez();
    TElement* element = lista.Wskaz(Pociag());
    ASSERT_NE(element, nullptr);
    EXPECT_TRUE(sym.Stacja().Wyroznienia().Miga(element));
    // The window's timers tick as real time passes, the frame's among them.
    zegary.Uplyw(TListaPociagow::CzasWskazania);
    EXPECT_FALSE(sym.Stacja().Wyroznienia().Miga(element));
    DoGodziny(4, 10);
    EXPECT_EQ(Zapis().find(" fire "), std::string::npos);
    OczekujTejSamejGry();
}

TEST_F(TylkoWidok, TheBlinkOfARefusedRouteOnlyShowsAndTheRecordHasTheActAlone)
{
    ASSERT_EQ(sym.Akt({"start"}), "");
    ASSERT_EQ(sym.Akt({"press", "PunktButton10"}), "");  // rKs1 up: Tor7 inactive
    ASSERT_EQ(sym.Akt({"press", "ZatwierdzButton14"}), "");
    EXPECT_EQ(Ostatnia().Tekst, "Nie można ustawić drogi od wOlsz do p1.");
    EXPECT_TRUE(sym.Stacja().Wyroznienia().Miga(&E("Tor7")));
    zegary.Uplyw(TSymulacjaStacji::CzasMiganiaZatrzymania);
    EXPECT_TRUE(sym.Stacja().Wyroznienia().Puste());
    EXPECT_EQ(Zapis().find(" fire "), std::string::npos);
    OczekujTejSamejGry();
}

TEST_F(TylkoWidok, ATrainsDialogOpenedFromTheListIsThePlayersDoubleClickInTheRecord)
{
    // The Olszarzyna train let in to platform 1 and given its way out, as in the scenario.
    ASSERT_EQ(sym.Akt({"start"}), "");
    DoGodziny(4, 25);
    for (const char* przycisk : {"ZatwierdzButton14", "bSK1", "PunktButton1"})
        ASSERT_EQ(sym.Akt({"press", przycisk}), "");
    DoGodziny(4, 30);
    for (const char* przycisk : {"wktColorButton15", "wktColorButton16", "ZatwierdzButton12", "wktColorButton3"})
        ASSERT_EQ(sym.Akt({"press", przycisk}), "");
    ASSERT_EQ(sym.Akt({"time", "4:34:25"}), "");
    ASSERT_EQ(E("p1").Pociag(), Pociag());
    TListaPociagow lista(sym);
    lista.Odswiez();
    komunikaty.Odpowiedzi = {tOdpowiedz::tak};
    lista.Otworz(Pociag());
    ASSERT_EQ(komunikaty.Pytania.size(), 1u);
    EXPECT_NE(Zapis().find(" dblclick p1\n"), std::string::npos);
    OczekujTejSamejGry();
    EXPECT_EQ(E("p1").Pociag(), nullptr);  // gone on the signal given from the list
}

TEST_F(TylkoWidok, OnlyATimerStartedByARecordedEventIsNumberedAndHasItsTicksWrittenDown)
{
    TUslugiZapisu zapis(srodowisko.Uslugi);
    std::vector<std::vector<std::string>> wpisy;
    zapis.Zapisz = [&](std::vector<std::string> slowa) {
        if (slowa[0] == "fire")
            wpisy.push_back(std::move(slowa));
    };
    int okna = 0, aktu = 0, taktu = 0, odpalenia = 0;
    auto zOkna = zapis.Uruchom(100, [&] { ++okna; });
    zapis.WAkcie = true;
    std::unique_ptr<TZegar> zOdpalenia;
    auto zAktu = zapis.Uruchom(100, [&] {
        // A timer started by a recorded timer's tick is the game's too.
        if (aktu++ == 0)
            zOdpalenia = zapis.Uruchom(100, [&] { ++odpalenia; });
    });
    zapis.WAkcie = false;
    zapis.WTakcie = true;
    auto zTaktu = zapis.Uruchom(100, [&] { ++taktu; });
    zapis.WTakcie = false;
    zegary.Uplyw(200);
    EXPECT_EQ(okna, 2);  // it ticks all the same
    EXPECT_EQ(aktu, 2);
    EXPECT_EQ(taktu, 2);
    EXPECT_EQ(odpalenia, 1);
    using W = std::vector<std::string>;
    EXPECT_EQ(wpisy, (std::vector<W>{W{"fire", "0"}, W{"fire", "1"}, W{"fire", "0"}, W{"fire", "1"}, W{"fire", "2"}}));
}

}  // namespace
