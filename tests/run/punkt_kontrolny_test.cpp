#include "record/zapis_gry.h"
#include "run/symulacja_stacji.h"
#include "station/semafor.h"
#include "tests/support/dzien_z_danych.h"
#include "tests/support/pociag_testowy.h"
#include "tests/support/srodowisko_testowe.h"
#include "trains/czas.h"

#include <gtest/gtest.h>

#include <sstream>
#include <utility>

namespace {

std::string Tekst(const TWierszeStanu& stan)
{
    std::string wynik;
    for (std::size_t w = 0; w < stan.size(); ++w) {
        for (std::size_t i = 0; i < stan.SlowWWierszu(w); ++i)
            wynik += SlowoZapisu(stan.Slowo(w, i)) + ' ';
        wynik += '\n';
    }
    return wynik;
}

// A game played as the driver plays it (manual timers, the record's own `wait`), and the program
// that loads its saves, with services of its own.
class PunktKontrolny : public ::testing::Test {
protected:
    PunktKontrolny()
    {
        DzienZDanych(a.Rozklad);
        a.Rozklad.ZapiszRozklad();
        sym = std::make_unique<TSymulacjaStacji>(a.Uslugi, a.Rozklad);
        sym->UzyjZegarowRecznych(a.Zegary);
    }

    std::string Zapis(TSymulacjaStacji& s)
    {
        std::string blad;
        std::string tekst = s.ZapisGry(blad);
        EXPECT_EQ(blad, "");
        return tekst;
    }

    // Loads the save into a fresh program and checks that it is the game it was saved from, then
    // that both go on alike under the same inputs.
    void SprawdzWczytanie(const std::string& tekst, const char* gdzie)
    {
        TSrodowiskoTestowe b;
        TWczytanaGra gra = TSymulacjaStacji::Wczytaj(tekst, b.Uslugi, NazwaPlikuRozkladu(), &b.Zegary);
        ASSERT_EQ(gra.Blad, "") << gdzie;
        ASSERT_EQ(Tekst(gra.Symulacja->StanGry()), Tekst(sym->StanGry())) << gdzie;
        // Both played on with the same inputs (the original goes on from there).
        for (int i = 0; i < 400; ++i) {
            for (TSymulacjaStacji* s : {gra.Symulacja.get(), sym.get()}) {
                s->Tyknij();
                if (i % 50 == 0)
                    s->Czekaj(1700);
            }
        }
        EXPECT_EQ(Tekst(gra.Symulacja->StanGry()), Tekst(sym->StanGry())) << gdzie;
    }

    TSrodowiskoTestowe a;
    std::unique_ptr<TSymulacjaStacji> sym;
};

// Several days of the shipped timetable played by the automatic dispatcher, with real time passing
// for the crossings' lamps, a timetable change mid-day and the days' midnights: saved mid-day, just
// after a midnight and anywhere between, every file loads as exactly the game it was saved from.
TEST_F(PunktKontrolny, AGameOfSeveralDaysLoadsExactlyAsSavedAtAnyMoment)
{
    ASSERT_EQ(sym->Akt({"start"}), "");
    ASSERT_EQ(sym->Akt({"auto", "on"}), "");
    std::int64_t poprzedniPunkt = sym->TaktPunktuKontrolnego();
    int punktow = 0, sprawdzonych = 0;
    bool zmieniony = false;
    for (std::int64_t takt = 0; takt < 17280 * 5 / 2; ++takt) {
        sym->Tyknij();
        if (takt % 611 == 0)
            sym->Czekaj(1300);
        if (!zmieniony && Milisekundy(sym->CzasSymulacji) > Milisekundy(12.0 / 24) && takt < 17280) {
            // The last train of the day leaves the timetable: the next day is made without it.
            a.Rozklad.Rozklad.Delete(a.Rozklad.Ile() - 1);
            sym->ZapiszZmianeRozkladu();
            zmieniony = true;
        }
        const bool nowyPunkt = sym->TaktPunktuKontrolnego() != poprzedniPunkt;
        poprzedniPunkt = sym->TaktPunktuKontrolnego();
        punktow += nowyPunkt;
        if (nowyPunkt || takt % 9001 == 4000) {
            SprawdzWczytanie(Zapis(*sym), nowyPunkt ? "po punkcie kontrolnym" : "w środku dnia");
            ++sprawdzonych;
        }
    }
    EXPECT_TRUE(zmieniony);
    // A checkpoint at each of the two midnights; the file holds at most the day since.
    EXPECT_EQ(punktow, 2);
    EXPECT_GE(sprawdzonych, 6);
    TZapisGry zapis;
    TBladZapisu blad;
    ASSERT_TRUE(CzytajZapis(Zapis(*sym), zapis, blad)) << blad.Powod;
    EXPECT_FALSE(zapis.Punkt.empty());
    EXPECT_LE(zapis.Takty - zapis.TaktPunktu, 17280);
}

// A checkpoint taken while the substitute signal blinks keeps its countdown and the phase of its
// timer: loaded, the signal goes dark at the same moment of real time.
TEST_F(PunktKontrolny, ASubstituteSignalBlinkingAtACheckpointBlinksOnFromItsPhase)
{
    a.Rozklad.Rozklad.FreeAll();
    a.Rozklad.Rozklad.Append(
        PociagTestowy({"34101", "Olszarzyna", "Brzelany", "s221", "wOlsz", "wBrz", "4:30", "4:35", "os. 34101"}));
    a.Rozklad.ZapiszRozklad();
    ASSERT_EQ(sym->Akt({"start"}), "");
    // Nearly a day of real time waited: the next wait brings the record near its limit.
    sym->Czekaj(TLimityZapisu::CzekaniaMs / 2 - 1000);
    ASSERT_EQ(sym->TaktPunktuKontrolnego(), 0);
    TyknijDoGodziny(*sym, 4, 25);
    ASSERT_EQ(sym->Akt({"press", "ZatwierdzButton14"}), "");
    ASSERT_EQ(sym->Akt({"press", "bSK1"}), "");
    TyknijDoGodziny(*sym, 4, 29);
    a.Komunikaty.Odpowiedzi = {tOdpowiedz::tak};
    ASSERT_EQ(sym->Akt({"press", "PunktButton2"}), "");
    ASSERT_EQ(sym->Stacja().Znajdz<TSemafor>("sB")->Status(), tSemStatus::bialy);
    sym->Czekaj(1250);
    ASSERT_GT(sym->TaktPunktuKontrolnego(), 0) << "the wait past half the limit takes a checkpoint";
    const std::string tekst = Zapis(*sym);
    EXPECT_NE(tekst.find("\ncheckpoint "), std::string::npos);
    SprawdzWczytanie(tekst, "z migającym sygnałem zastępczym");
}

// Whatever the game does, near any limit it takes a checkpoint, so its file always loads: a long
// wait after another, a timetable changed again and again, a flood of acts.
TEST_F(PunktKontrolny, TheSaverNeverWritesWhatTheLoaderRefuses)
{
    ASSERT_EQ(sym->Akt({"start"}), "");
    const auto laduje = [&](const char* co) {
        const std::string tekst = Zapis(*sym);
        TZapisGry zapis;
        TBladZapisu blad;
        ASSERT_TRUE(CzytajZapis(tekst, zapis, blad)) << co << ": wiersz " << blad.Wiersz << ": " << blad.Powod;
        TSrodowiskoTestowe b;
        EXPECT_EQ(TSymulacjaStacji::Wczytaj(tekst, b.Uslugi, NazwaPlikuRozkladu(), &b.Zegary).Blad, "") << co;
    };
    for (int i = 0; i < 5; ++i)
        sym->Czekaj(86400000);
    laduje("czekanie");
    for (int i = 0; i < 40; ++i) {
        TPociag* t = static_cast<TPociag*>(a.Rozklad.Rozklad.Items(0));
        t->SetOpis("zmiana " + std::to_string(i) + std::string(2000, 'x'));
        sym->ZapiszZmianeRozkladu();
    }
    laduje("rozkład");
    for (std::size_t i = 0; i < TLimityZapisu::Wejsc; ++i)
        sym->Akt({"sound", i % 2 ? "on" : "off"});
    laduje("wejścia");
    for (int i = 0; i < 17280 * 2 + 10; ++i)
        sym->Tyknij();
    laduje("takty");
}

// The limits are the loader's as much as the saver's: past any of them a file is refused with its
// line, before anything is built or replayed.
TEST_F(PunktKontrolny, AFilePastALimitIsRefusedWithItsLine)
{
    ASSERT_EQ(sym->Akt({"start"}), "");
    sym->Tyknij();
    const std::string tekst = Zapis(*sym);
    const auto koniec = tekst.rfind('\n', tekst.size() - 2) + 1;
    const std::string glowa = tekst.substr(0, koniec);
    const auto blad = [](const std::string& t) {
        TZapisGry zapis;
        TBladZapisu b;
        EXPECT_FALSE(CzytajZapis(t, zapis, b));
        return b.Powod;
    };
    std::string czekanie = glowa;
    for (int i = 0; i < 3; ++i)
        czekanie += "1 wait 86400000\n";
    EXPECT_EQ(blad(czekanie + "1 end\n"), "za długie czekanie od punktu kontrolnego");
    EXPECT_EQ(blad(glowa + std::to_string(TLimityZapisu::Taktow + 1) + " end\n"), "za dużo taktów od punktu kontrolnego");
    // A checkpoint that claims more lines than the rest of the file can hold.
    std::string punkt = tekst;
    punkt.insert(koniec, "checkpoint 1000000 0\n= game\n");
    EXPECT_NE(blad(punkt), "");
    // A timetable counting more entries than its bytes can hold is refused before one is made.
    std::string rozklad = glowa + "1 timetable 1 6\n|AFAAAAAA\n1 end\n";  // 20480 entries, no bytes for them
    EXPECT_NE(blad(rozklad).find("Niepoprawna liczba elementów listy"), std::string::npos);
}

// A file of the first format, a game replayed from its start, loads as it always did.
TEST_F(PunktKontrolny, AFileOfTheFirstFormatStillLoads)
{
    ASSERT_EQ(sym->Akt({"start"}), "");
    for (int i = 0; i < 300; ++i)
        sym->Tyknij();
    std::string tekst = Zapis(*sym);
    ASSERT_EQ(tekst.find("checkpoint"), std::string::npos);
    tekst.replace(tekst.find("DRELINKO-GAME 3"), 15, "DRELINKO-GAME 1");
    // The first format's header has no disturbances.
    tekst.erase(tekst.find("level 0\n"), 8);
    TSrodowiskoTestowe b;
    TWczytanaGra gra = TSymulacjaStacji::Wczytaj(tekst, b.Uslugi, NazwaPlikuRozkladu(), &b.Zegary);
    ASSERT_EQ(gra.Blad, "");
    EXPECT_EQ(Tekst(gra.Symulacja->StanGry()), Tekst(sym->StanGry()));
}

// The report's lines of a saved file's checkpoint: its `day` lines and the `train` lines of each
// day's trains, as written (`= WORDS`).
std::vector<std::string> WierszeRaportu(const std::string& tekst, const char* rodzaj)
{
    std::vector<std::string> wynik;
    std::istringstream we(tekst);
    bool wDniu = false;
    for (std::string l; std::getline(we, l);) {
        wDniu = (wDniu || l.starts_with("= day ")) && !l.starts_with("= scores ");
        if (wDniu && l.starts_with(std::string("= ") + rodzaj + ' '))
            wynik.push_back(l);
    }
    return wynik;
}

// The same lines as read, word by word.
std::vector<std::vector<std::string>> WartosciRaportu(const std::string& tekst, const char* rodzaj)
{
    TZapisGry zapis;
    TBladZapisu blad;
    EXPECT_TRUE(CzytajZapis(tekst, zapis, blad)) << blad.Powod;
    std::vector<std::vector<std::string>> wynik;
    bool wDniu = false;
    for (std::size_t i = 0; i < zapis.Punkt.size(); ++i) {
        const std::vector<std::string> w = zapis.Punkt.Wiersz(i);
        wDniu = (wDniu || w.front() == "day") && w.front() != "scores";
        if (wDniu && w.front() == rodzaj)
            wynik.push_back(w);
    }
    return wynik;
}

// The file with the last `n` values of every such line taken off, as a version before them wrote it.
std::string BezOstatnich(std::string tekst, const char* rodzaj, int n)
{
    for (const std::string& l : WierszeRaportu(tekst, rodzaj)) {
        std::string krotszy = l;
        for (int i = 0; i < n; ++i)
            krotszy.erase(krotszy.rfind(' '));
        tekst.replace(tekst.find(l + '\n'), l.size(), krotszy);
    }
    return tekst;
}

// The game started half an hour before midnight and played by the automatic dispatcher until the
// midnight's checkpoint, which holds two days of the report.
void DoPolnocy(TSymulacjaStacji& s)
{
    ASSERT_EQ(s.Akt({"time", "23:30"}), "");
    ASSERT_EQ(s.Akt({"start"}), "");
    ASSERT_EQ(s.Akt({"auto", "on"}), "");
    for (int i = 0; i < 2000 && s.TaktPunktuKontrolnego() == 0; ++i)
        s.Tyknij();
    ASSERT_GT(s.TaktPunktuKontrolnego(), 0);
}

// What a day with disturbances adds to the report's lines is not written on any other day.
TEST_F(PunktKontrolny, ADayWithoutDisturbancesWritesItsReportsLinesAsItAlwaysDid)
{
    ASSERT_NO_FATAL_FAILURE(DoPolnocy(*sym));
    const std::string tekst = Zapis(*sym);
    ASSERT_EQ(WartosciRaportu(tekst, "day").size(), 2u);
    for (const std::vector<std::string>& w : WartosciRaportu(tekst, "day"))
        EXPECT_EQ(w.size(), 6u) << w[1];
    ASSERT_FALSE(WartosciRaportu(tekst, "train").empty());
    for (const std::vector<std::string>& w : WartosciRaportu(tekst, "train"))
        EXPECT_EQ(w.size(), 16u) << w[2];
}

// A day with disturbances keeps through a checkpoint what its report adds: the day's mark and each
// train's delay from the line and whether it was an extra train. A file written before the mark
// loads, its days marked by the game's level and its trains without delays; a delay that cannot be
// is refused.
TEST_F(PunktKontrolny, ADayWithDisturbancesKeepsTheDelaysFromTheLineThroughACheckpoint)
{
    sym->UstawUtrudnienia(1, 7);
    ASSERT_NO_FATAL_FAILURE(DoPolnocy(*sym));
    const std::string tekst = Zapis(*sym);
    ASSERT_NE(tekst.find("\ncheckpoint "), std::string::npos);
    const auto dni = WartosciRaportu(tekst, "day");
    ASSERT_EQ(dni.size(), 2u);  // the day begun at midnight and the one it ended
    for (const std::vector<std::string>& w : dni) {
        EXPECT_EQ(w.size(), 7u) << w[1];
        EXPECT_EQ(w.back(), "1") << w[1];
    }
    for (const std::vector<std::string>& w : WartosciRaportu(tekst, "train"))
        EXPECT_EQ(w.size(), 18u) << w[2];
    const TRaportDnia& dzien = sym->Raporty().Biezacy();
    int opoznione = 0;
    for (const TPociagRaportu& t : dzien.Pociagi)
        opoznione += t.OpoznienieWjazdu > 0;
    ASSERT_GT(opoznione, 0);
    SprawdzWczytanie(tekst, "z utrudnieniami");

    const auto wczytaj = [](const std::string& t) {
        TSrodowiskoTestowe b;
        TWczytanaGra gra = TSymulacjaStacji::Wczytaj(t, b.Uslugi, NazwaPlikuRozkladu(), &b.Zegary);
        std::vector<std::int32_t> opoznienia;
        if (gra.Symulacja != nullptr) {
            EXPECT_TRUE(gra.Symulacja->Raporty().Biezacy().ZUtrudnieniami);
            EXPECT_TRUE(gra.Symulacja->Raporty().Miniony()->ZUtrudnieniami);
            for (const TPociagRaportu& p : gra.Symulacja->Raporty().Biezacy().Pociagi)
                opoznienia.push_back(p.OpoznienieWjazdu);
        }
        return std::pair(gra.Blad, opoznienia);
    };
    const auto [blad, opoznienia] = wczytaj(tekst);
    ASSERT_EQ(blad, "");
    ASSERT_EQ(opoznienia.size(), dzien.Pociagi.size());
    for (std::size_t i = 0; i < opoznienia.size(); ++i)
        EXPECT_EQ(opoznienia[i], dzien.Pociagi[i].OpoznienieWjazdu) << dzien.Pociagi[i].Numer;

    const auto [bladStarego, opoznieniaStarego] = wczytaj(BezOstatnich(BezOstatnich(tekst, "day", 1), "train", 2));
    ASSERT_EQ(bladStarego, "");
    EXPECT_EQ(opoznieniaStarego, std::vector<std::int32_t>(dzien.Pociagi.size(), 0));

    std::string zly = tekst;
    const std::string pociag = WierszeRaportu(tekst, "train").front();
    zly.replace(zly.find(pociag + '\n'), pociag.size(), pociag.substr(0, pociag.rfind(' ', pociag.rfind(' ') - 1)) + " -60 0");
    const std::string bladZlego = wczytaj(zly).first;
    EXPECT_NE(bladZlego.find("zła liczba „-60”"), std::string::npos) << bladZlego;
}

// The playback checks the whole file first: one that cannot be played to its end never starts.
TEST_F(PunktKontrolny, APlaybackOfAFileThatCannotBePlayedToItsEndNeverStarts)
{
    ASSERT_EQ(sym->Akt({"start"}), "");
    for (int i = 0; i < 50; ++i)
        sym->Tyknij();
    std::string tekst = Zapis(*sym);
    const auto koniec = tekst.rfind('\n', tekst.size() - 2) + 1;
    tekst.insert(koniec, "40 fire 99\n");
    TSrodowiskoTestowe b;
    TWczytanaGra gra = TSymulacjaStacji::Odtwarzaj(tekst, b.Uslugi, NazwaPlikuRozkladu());
    EXPECT_EQ(gra.Symulacja, nullptr);
    EXPECT_NE(gra.Blad.find("nie działa zegar numer 99"), std::string::npos) << gra.Blad;
}

}  // namespace

// However long a game has run, its checkpoint keeps the newest journal lines only, so the journal
// can never grow a save past what the loader takes.
TEST_F(PunktKontrolny, ACheckpointKeepsOnlyTheNewestJournalLines)
{
    ASSERT_EQ(sym->Akt({"start"}), "");
    const std::size_t przedtem = sym->Dziennik().Linie().size();
    const std::size_t dopisane = TLimityZapisu::LiniiDziennika + 5 - przedtem;
    for (std::size_t i = 0; i < dopisane; ++i)
        sym->DodajDoDziennika(0, "Linia " + std::to_string(i), "");
    const TWierszeStanu stan = sym->StanGry();
    std::vector<std::string> linie;
    for (std::size_t w = 0; w < stan.size(); ++w)
        if (stan.Slowo(w, 0) == "line")
            linie.emplace_back(stan.Slowo(w, 2));
    ASSERT_EQ(linie.size(), TLimityZapisu::LiniiDziennika);
    EXPECT_EQ(linie.back(), "Linia " + std::to_string(dopisane - 1));
    EXPECT_EQ(linie.front(), "Linia " + std::to_string(dopisane - TLimityZapisu::LiniiDziennika));
}
