#include "record/zapis_gry.h"
#include "run/chwila_zapisu.h"
#include "run/symulacja_stacji.h"
#include "station/semafor.h"
#include "tests/support/pociag_testowy.h"
#include "tests/support/test_stacji.h"
#include "trains/czas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace {

std::vector<std::string> Wiersze(const std::string& tekst)
{
    std::vector<std::string> wiersze;
    std::istringstream we(tekst);
    for (std::string w; std::getline(we, w);)
        wiersze.push_back(w);
    return wiersze;
}

std::string Zlacz(const std::vector<std::string>& wiersze, std::size_t ile)
{
    std::string tekst;
    for (std::size_t i = 0; i < ile && i < wiersze.size(); ++i)
        tekst += wiersze[i] + '\n';
    return tekst;
}

// A game of the dispatcher: a train from Olszarzyna let in, a substitute signal given and still
// blinking when the game is saved.
class ZapisGry : public TTestStacji {
protected:
    ZapisGry()
    {
        srodowisko.Rozklad.Rozklad.Append(PociagTestowy(
            {"34101", "Olszarzyna", "Brzelany", "s221", "wOlsz", "wBrz", "4:30", "4:35", "os. 34101"}));
        srodowisko.Rozklad.ZapiszRozklad();
    }

    void Graj(bool zegaryReczne)
    {
        if (zegaryReczne)
            sym.UzyjZegarowRecznych(zegary);
        ASSERT_EQ(sym.Akt({"start"}), "");
        DoGodziny(4, 25);
        ASSERT_EQ(sym.Akt({"press", "ZatwierdzButton14"}), "");
        ASSERT_EQ(sym.Akt({"press", "bSK1"}), "");
        DoGodziny(4, 29);
        komunikaty.Odpowiedzi = {tOdpowiedz::tak};
        ASSERT_EQ(sym.Akt({"press", "PunktButton2"}), "");
        ASSERT_EQ(E<TSemafor>("sB").Status(), tSemStatus::bialy);
        // Real time: the driver's way through the record, the window's as its timers fire.
        if (zegaryReczne)
            sym.Czekaj(10000);
        else
            zegary.Uplyw(10000);
        ASSERT_EQ(sym.Akt({"speed", "20"}), "");
        for (int i = 0; i < 6; ++i)
            sym.Tyknij();
    }

    void DoGodziny(int h, int m) { TyknijDoGodziny(sym, h, m); }

    std::string Zapis()
    {
        std::string blad;
        std::string tekst = sym.ZapisGry(blad);
        EXPECT_EQ(blad, "");
        return tekst;
    }

    TWczytanaGra Wczytaj(const std::string& tekst, bool zegaryReczne = true)
    {
        return TSymulacjaStacji::Wczytaj(tekst, drugie, NazwaPlikuRozkladu(), zegaryReczne ? &zegary2 : nullptr);
    }

    // The services of the program that loads the game: timers of its own.
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

void OczekujTakichSamych(TSymulacjaStacji& a, TSymulacjaStacji& b)
{
    EXPECT_EQ(Milisekundy(a.CzasSymulacji), Milisekundy(b.CzasSymulacji));
    EXPECT_EQ(a.Dziennik().Score(), b.Dziennik().Score());
    ASSERT_EQ(a.Dziennik().Linie().size(), b.Dziennik().Linie().size());
    for (std::size_t i = 0; i < a.Dziennik().Linie().size(); ++i) {
        const TLiniaDziennika& x = a.Dziennik().Linie()[i];
        const TLiniaDziennika& y = b.Dziennik().Linie()[i];
        EXPECT_EQ(x.Tekst, y.Tekst);
        EXPECT_EQ(x.Opis, y.Opis);
        EXPECT_EQ(x.Punkty, y.Punkty);
        EXPECT_EQ(x.Czas, y.Czas);
        // The journal keeps the wall-clock times the lines were written at.
        EXPECT_EQ(x.CzasRzeczywisty, y.CzasRzeczywisty);
    }
    ASSERT_EQ(a.Silnik().PociagiDnia().size(), b.Silnik().PociagiDnia().size());
    for (const char* nazwa : {"sB", "sA", "Tor7", "p1", "zw1"}) {
        const auto* x = a.Stacja().Znajdz<TPunkt>(nazwa);
        const auto* y = b.Stacja().Znajdz<TPunkt>(nazwa);
        EXPECT_EQ(x->Stan(), y->Stan()) << nazwa;
        EXPECT_EQ(x->Pociag() == nullptr, y->Pociag() == nullptr) << nazwa;
    }
    EXPECT_EQ(a.Stacja().Znajdz<TSemafor>("sB")->Status(), b.Stacja().Znajdz<TSemafor>("sB")->Status());
    EXPECT_EQ(a.LinijkaPodpowiedzi, b.LinijkaPodpowiedzi);
}

TEST_F(ZapisGry, ALoadedGameIsTheSavedOneAndGoesOnAsItWould)
{
    Graj(true);
    const std::string tekst = Zapis();
    TWczytanaGra gra = Wczytaj(tekst);
    ASSERT_EQ(gra.Blad, "");
    ASSERT_NE(gra.Symulacja, nullptr);
    OczekujTakichSamych(sym, *gra.Symulacja);
    std::string blad;
    EXPECT_EQ(gra.Symulacja->ZapisGry(blad), tekst);

    // The substitute signal runs out and the train comes in alike in both.
    sym.Czekaj(25000);
    gra.Symulacja->Czekaj(25000);
    EXPECT_EQ(sym.Stacja().Znajdz<TSemafor>("sB")->Status(), tSemStatus::czerwony);
    for (int i = 0; i < 200; ++i) {
        sym.Tyknij();
        gra.Symulacja->Tyknij();
    }
    OczekujTakichSamych(sym, *gra.Symulacja);
    EXPECT_EQ(gra.Symulacja->ZapisGry(blad), Zapis());
}

TEST_F(ZapisGry, TimersFiredByTheWindowAreReplayedAndGoOverToTheRealOnes)
{
    Graj(false);
    const std::string tekst = Zapis();
    EXPECT_NE(tekst.find(" fire "), std::string::npos);
    EXPECT_EQ(tekst.find(" wait "), std::string::npos);
    TWczytanaGra gra = Wczytaj(tekst, false);
    ASSERT_NE(gra.Symulacja, nullptr) << gra.Blad;
    OczekujTakichSamych(sym, *gra.Symulacja);
    // The blinking goes on on the program's timers, the same twenty seconds to run.
    EXPECT_EQ(zegary2.Aktywne(), zegary.Aktywne());
    zegary2.Uplyw(19000);
    EXPECT_EQ(gra.Symulacja->Stacja().Znajdz<TSemafor>("sB")->Status(), tSemStatus::bialy);
    zegary2.Uplyw(2000);
    EXPECT_EQ(gra.Symulacja->Stacja().Znajdz<TSemafor>("sB")->Status(), tSemStatus::czerwony);
}

TEST_F(ZapisGry, APlaybackTickByTickEndsAsTheGameAndIsThePlayersOnceTakenOver)
{
    Graj(true);
    const std::string tekst = Zapis();
    TWczytanaGra gra = TSymulacjaStacji::Odtwarzaj(tekst, drugie, NazwaPlikuRozkladu());
    ASSERT_NE(gra.Symulacja, nullptr) << gra.Blad;
    TSymulacjaStacji& odtwarzana = *gra.Symulacja;
    EXPECT_EQ(odtwarzana.Akt({"click", "zw1"}), "the game is being played back");
    std::string blad;
    EXPECT_EQ(odtwarzana.ZapisGry(blad), "");
    EXPECT_NE(blad, "");
    blad.clear();
    int kroki = 0;
    while (odtwarzana.KrokOdtwarzania(blad))
        ++kroki;
    EXPECT_EQ(blad, "");
    EXPECT_EQ(kroki, sym.Takty());
    odtwarzana.Przejmij();
    OczekujTakichSamych(sym, odtwarzana);
    EXPECT_EQ(odtwarzana.ZapisGry(blad), tekst);
}

TEST_F(ZapisGry, APenalisedLineIsShownFromTheRecordAMinuteBeforeItWithoutTouchingTheGame)
{
    Graj(true);
    DoGodziny(4, 40);
    const auto& linie = sym.Dziennik().Linie();
    const auto sz = std::find_if(linie.begin(), linie.end(),
                                 [](const TLiniaDziennika& l) { return l.Tekst == "Podano sygnał zastępczy."; });
    ASSERT_NE(sz, linie.end());
    const std::size_t nr = static_cast<std::size_t>(sz - linie.begin());
    const TLiniaDziennika wzor = *sz;
    const auto przed = sym.StanGry();
    TChwilaZapisu chwila = OdtworzPrzedLinia(sym, nr, drugie, NazwaPlikuRozkladu());
    ASSERT_NE(chwila.Symulacja, nullptr) << chwila.Blad;
    EXPECT_EQ(sym.StanGry(), przed);
    TSymulacjaStacji& o = *chwila.Symulacja;
    EXPECT_TRUE(o.Odtwarzana());
    EXPECT_EQ(CzasHHMMSS(o.CzasSymulacji), CzasHHMMSS(wzor.Czas - SekundPrzedChwila / 86400.0));
    EXPECT_EQ(o.Dziennik().Linie().size(), nr) << "the line is still to come";
    EXPECT_FALSE(chwila.Rada.Powod.empty());
    // Played on, the playback writes the very line a minute later.
    std::string blad;
    while (o.Dziennik().Linie().size() <= nr && o.KrokOdtwarzania(blad)) {
    }
    ASSERT_GT(o.Dziennik().Linie().size(), nr) << blad;
    EXPECT_EQ(o.Dziennik().Linie()[nr].Tekst, wzor.Tekst);
    EXPECT_EQ(CzasHHMMSS(o.Dziennik().Linie()[nr].Czas), CzasHHMMSS(wzor.Czas));

    EXPECT_EQ(OdtworzPrzedLinia(sym, linie.size(), drugie, NazwaPlikuRozkladu()).Symulacja, nullptr);
    // A line of the game's first minute is shown from its start, not from before it.
    TChwilaZapisu poczatek = OdtworzPrzedLinia(sym, 0, drugie, NazwaPlikuRozkladu());
    ASSERT_NE(poczatek.Symulacja, nullptr) << poczatek.Blad;
    EXPECT_TRUE(poczatek.Symulacja->Pokazane());
    EXPECT_FALSE(poczatek.Symulacja->Dziennik().Linie().empty());
}

TEST_F(ZapisGry, TakenOverHalfwayTheGameKeepsWhatWasPlayedBackAndGoesOnAsThePlayers)
{
    Graj(true);
    TWczytanaGra gra = TSymulacjaStacji::Odtwarzaj(Zapis(), drugie, NazwaPlikuRozkladu());
    ASSERT_NE(gra.Symulacja, nullptr) << gra.Blad;
    TSymulacjaStacji& odtwarzana = *gra.Symulacja;
    std::string blad;
    for (int i = 0; i < 320; ++i)
        ASSERT_TRUE(odtwarzana.KrokOdtwarzania(blad)) << blad;
    odtwarzana.Przejmij();
    EXPECT_FALSE(odtwarzana.Odtwarzana());
    EXPECT_EQ(odtwarzana.Takty(), 320);
    // The route was set before the cut, the substitute signal after it.
    EXPECT_EQ(odtwarzana.Stacja().Znajdz<TPunkt>("Tor7")->Stan(), tStan::utwierdzony);
    EXPECT_EQ(odtwarzana.Stacja().Znajdz<TSemafor>("sB")->Status(), tSemStatus::czerwony);
    EXPECT_EQ(odtwarzana.Akt({"click", "zw1"}), "");
    const std::string tekst = odtwarzana.ZapisGry(blad);
    TWczytanaGra druga = Wczytaj(tekst);
    ASSERT_NE(druga.Symulacja, nullptr) << druga.Blad;
    OczekujTakichSamych(odtwarzana, *druga.Symulacja);
}

int LinieZegara(const std::string& tekst)
{
    const auto wiersze = Wiersze(tekst);
    return static_cast<int>(std::count_if(wiersze.begin(), wiersze.end(), [](const std::string& w) {
        return w.find(" wall ") != std::string::npos;
    }));
}

// The window's ticks move the wall clock on every tick; the record keeps it only where the game
// depends on it: a journal line's time, the seed, a tip every five minutes of real time. The status
// line shows the clock all the same, and the loaded game is the saved one.
TEST_F(ZapisGry, TheWallClockIsWrittenDownOnlyWhereTheGameDependsOnItAndTheLoadedGameIsTheSame)
{
    const auto tykaj = [this](const char* godzina) {
        while (Milisekundy(sym.CzasSymulacji) < Milisekundy(*CzytajGodzine(godzina))) {
            zegary.Uplyw(50);
            sym.Tyknij();
        }
    };
    ASSERT_EQ(sym.Akt({"start"}), "");
    ASSERT_EQ(sym.Akt({"speed", "20"}), "");
    // The first tick makes the first tip due.
    zegary.Uplyw(50);
    sym.Tyknij();
    const int poStarcie = LinieZegara(Zapis());
    const std::size_t liniiDziennika = sym.Dziennik().Linie().size();
    tykaj("4:25");
    EXPECT_EQ(sym.StatusCzasBiezacy, CzasHMMSS(srodowisko.ZegarScienny.Teraz()));
    // A tick writes the time down only with a journal line.
    EXPECT_LE(LinieZegara(Zapis()), poStarcie + static_cast<int>(sym.Dziennik().Linie().size() - liniiDziennika));
    // The train let in brings journal lines, each at the time of its tick.
    ASSERT_EQ(sym.Akt({"press", "ZatwierdzButton14"}), "");
    ASSERT_EQ(sym.Akt({"press", "bSK1"}), "");
    const int przedWjazdem = LinieZegara(Zapis());
    const std::size_t linie = sym.Dziennik().Linie().size();
    tykaj("4:45");
    ASSERT_GT(sym.Dziennik().Linie().size(), linie);
    const int zLiniami = LinieZegara(Zapis());
    EXPECT_GT(zLiniami, przedWjazdem);
    // Five minutes of real time make a tip due: the time it fell due at is written down.
    for (int i = 0; i < 6 * 1200; ++i) {
        zegary.Uplyw(50);
        sym.Tyknij();
    }
    const std::string tekst = Zapis();
    EXPECT_GT(LinieZegara(tekst), zLiniami);
    EXPECT_LT(LinieZegara(tekst), 60);
    TWczytanaGra gra = Wczytaj(tekst);
    ASSERT_NE(gra.Symulacja, nullptr) << gra.Blad;
    OczekujTakichSamych(sym, *gra.Symulacja);
    std::string blad;
    EXPECT_EQ(gra.Symulacja->ZapisGry(blad), tekst);
}

TEST_F(ZapisGry, AGameIsSavedOnlyOnceStartedAndItsFileIsWrittenWhole)
{
    std::string blad;
    EXPECT_EQ(sym.ZapisGry(blad), "");
    EXPECT_NE(blad, "");
    Graj(true);
    const std::string plik = katalog.Sciezka("gra.gra");
    ASSERT_TRUE(sym.ZapiszGre(plik, blad)) << blad;
    TWczytanaGra gra = TSymulacjaStacji::WczytajPlik(plik, drugie, NazwaPlikuRozkladu(), &zegary2);
    ASSERT_NE(gra.Symulacja, nullptr) << gra.Blad;
    OczekujTakichSamych(sym, *gra.Symulacja);
    EXPECT_FALSE(sym.ZapiszGre(katalog.Sciezka("nie_ma/gra.gra"), blad));
    EXPECT_NE(blad, "");
}

TEST_F(ZapisGry, AFileCutShortAtAnyLineIsRefusedNamingALine)
{
    Graj(true);
    const std::vector<std::string> wiersze = Wiersze(Zapis());
    for (std::size_t ile = 0; ile < wiersze.size(); ++ile) {
        TWczytanaGra gra = Wczytaj(Zlacz(wiersze, ile));
        EXPECT_EQ(gra.Symulacja, nullptr) << ile;
        EXPECT_NE(gra.Blad.find("wiersz "), std::string::npos) << ile << ": " << gra.Blad;
    }
}

TEST_F(ZapisGry, AForeignOrNewerFileIsRefusedWithItsReason)
{
    Graj(true);
    std::string tekst = Zapis();
    std::string nowszy = tekst;
    nowszy.replace(nowszy.find("DRELINKO-GAME 3"), 15, "DRELINKO-GAME 4");
    EXPECT_EQ(Wczytaj(nowszy).Blad, "wiersz 4: zapis pochodzi z nowszej wersji gry (format 4, a ten program zna 3)");
    // A level of disturbances outside 0-3 is refused where it stands.
    std::string zlyPoziom = tekst;
    const auto poziom = zlyPoziom.find("level 0\n");
    zlyPoziom.replace(poziom, 8, "level 4\n");
    const int wiersz = static_cast<int>(std::count(tekst.begin(), tekst.begin() + static_cast<std::ptrdiff_t>(poziom), '\n')) + 1;
    EXPECT_EQ(Wczytaj(zlyPoziom).Blad, "wiersz " + std::to_string(wiersz) + ": zły poziom utrudnień");
    // The second format has no level: it is a day without disturbances, and its header is read so.
    std::string drugi = tekst;
    drugi.replace(drugi.find("DRELINKO-GAME 3"), 15, "DRELINKO-GAME 2");
    drugi.erase(drugi.find("level 0\n"), 8);
    EXPECT_EQ(Wczytaj(drugi).Blad, "");
    EXPECT_EQ(Wczytaj("numer,relacja_od\n1,2\n").Blad, "wiersz 1: to nie jest zapis gry Drelinko");
    EXPECT_EQ(Wczytaj("").Blad, "wiersz 1: to nie jest zapis gry Drelinko: plik jest pusty");
}

TEST_F(ZapisGry, ALineNamingAnUnknownElementOrTimerIsRefusedWithItsLine)
{
    Graj(true);
    std::vector<std::string> wiersze = Wiersze(Zapis());
    const std::string koniec = wiersze.back();
    const std::string takt = koniec.substr(0, koniec.find(' '));
    wiersze.insert(wiersze.end() - 1, takt + " click zw99");
    const std::string numer = std::to_string(wiersze.size() - 1);
    EXPECT_EQ(Wczytaj(Zlacz(wiersze, wiersze.size())).Blad, "wiersz " + numer + ": unknown element zw99");
    wiersze[wiersze.size() - 2] = takt + " fire 99";
    EXPECT_EQ(Wczytaj(Zlacz(wiersze, wiersze.size())).Blad, "wiersz " + numer + ": nie działa zegar numer 99");
    wiersze[wiersze.size() - 2] = takt + " jump zw1";
    EXPECT_EQ(Wczytaj(Zlacz(wiersze, wiersze.size())).Blad, "wiersz " + numer + ": nieznane wejście „jump”");
    // Ticks run only forwards.
    wiersze[wiersze.size() - 2] = "0 click zw1";
    EXPECT_EQ(Wczytaj(Zlacz(wiersze, wiersze.size())).Blad, "wiersz " + numer + ": liczba taktów się cofa");
}

TEST_F(ZapisGry, ADamagedTimetableIsRefusedBeforeAnythingIsReplayed)
{
    Graj(true);
    std::vector<std::string> wiersze = Wiersze(Zapis());
    std::size_t pierwszy = 0;
    while (wiersze[pierwszy].empty() || wiersze[pierwszy][0] != '|')
        ++pierwszy;
    // Not base64 at all.
    std::vector<std::string> zle = wiersze;
    zle[pierwszy][1] = '!';
    EXPECT_EQ(Wczytaj(Zlacz(zle, zle.size())).Blad, "wiersz " + std::to_string(pierwszy) +
                                                         ": rozkład jazdy jest uszkodzony");
    // Well-formed text whose bytes the timetable reader refuses.
    zle = wiersze;
    for (std::size_t i = pierwszy; i < zle.size() && !zle[i].empty() && zle[i][0] == '|'; ++i)
        for (std::size_t j = 1; j < zle[i].size(); ++j)
            if (zle[i][j] != '=')
                zle[i][j] = '/';
    const std::string blad = Wczytaj(Zlacz(zle, zle.size())).Blad;
    EXPECT_EQ(blad.rfind("wiersz " + std::to_string(pierwszy) + ": rozkład jazdy jest uszkodzony: ", 0), 0u) << blad;
}

TEST(SlowaZapisu, AWordComesBackExactlyWhateverItHolds)
{
    for (const std::string slowo : {"zw1", "", "Przygotuj skład do odjazdu", "a \"cytat\" \\ i # znak",
                                    "dwa\r\nwiersze\tz tab"}) {
        std::vector<std::string> slowa;
        ASSERT_TRUE(RozbijWierszZapisu("12 menu " + SlowoZapisu(slowo) + " # uwaga", slowa));
        ASSERT_EQ(slowa.size(), 3u);
        EXPECT_EQ(slowa[2], slowo);
    }
    std::vector<std::string> slowa;
    EXPECT_FALSE(RozbijWierszZapisu("1 menu \"niedomknięty", slowa));
    double v = 0;
    ASSERT_TRUE(CzytajLiczbeZapisu(LiczbaZapisu(46000.123456789012), v));
    EXPECT_EQ(v, 46000.123456789012);
    EXPECT_FALSE(CzytajLiczbeZapisu("46000,5", v));
}

}  // namespace
