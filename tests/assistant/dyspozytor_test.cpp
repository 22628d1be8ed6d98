// The automatic dispatcher: its decisions on small timetables, the player taking over, a day with a
// real conflict, and the whole shipped day played and replayed from its own acts.
#include "assistant/dyspozytor.h"
#include "core/format.h"
#include "core/wkt_files.h"
#include "interlocking/przyciski.h"
#include "run/proba_dnia.h"
#include "run/symulacja_stacji.h"
#include "simulation/menu_pociagu.h"
#include "station/peron.h"
#include "station/uklad.h"
#include "tests/support/pociag_testowy.h"
#include "tests/support/srodowisko_testowe.h"
#include "tools/sim/driver.h"
#include "trains/czas.h"
#include "trains/rozklad.h"
#include "trains/rozklad_csv.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

namespace {

struct TAkt {
    std::string Czas, Polecenie;
};

class Dyspozytor : public ::testing::Test {
protected:
    TSrodowiskoTestowe s;
    TSymulacjaStacji sym{s.Uslugi, s.Rozklad};
    std::vector<TAkt> akty;
    std::vector<TLiniaDziennika> linie;

    Dyspozytor()
    {
        sym.Stacja().OdtwarzajDzwieki = false;
        sym.Dyspozytor().OnAkt = [this](const TAktDyspozytora& a) {
            akty.push_back({CzasHHMMSS(sym.CzasSymulacji), a.Polecenie});
        };
        sym.Dziennik().OnLinia = [this](const TLiniaDziennika& l) {
            if (!l.Porada)
                linie.push_back(l);
        };
    }

    void Dodaj(const TDanePociagu& d) { s.Rozklad.Rozklad.Append(PociagTestowy(d)); }

    void Do(const std::string& godzina)
    {
        const double cel = *CzytajGodzine(godzina);
        while (Milisekundy(sym.CzasSymulacji) < Milisekundy(cel))
            sym.Wykonaj([this] { sym.Tyknij(); });
    }

    void Press(const std::string& przycisk)
    {
        auto* b = sym.Stacja().Znajdz<TWktColorButton>(przycisk);
        ASSERT_NE(b, nullptr) << przycisk;
        sym.Wykonaj([b] { b->Click(); });
    }

    // When the command was first given, or "-".
    std::string Kiedy(const std::string& polecenie) const
    {
        for (const TAkt& a : akty)
            if (a.Polecenie == polecenie)
                return a.Czas;
        return "-";
    }

    int Kary() const
    {
        int n = 0;
        for (const auto& l : linie)
            n += l.Punkty < 0;
        return n;
    }

    int Punktualne() const
    {
        int n = 0;
        for (const auto& l : linie)
            n += l.Tekst.find("opuścił stację punktualnie") != std::string::npos;
        return n;
    }
};

const TDanePociagu Osobowy{"34101", "Olszarzyna", "Brzelany", "s122", "wOlsz", "wBrz", "4:08", "4:12", "osobowy"};
const TDanePociagu Szynobus{"44601", "Wirowa", "Chrostowo", "a2a", "wWirowa", "wOlsz", "4:20", "4:30", "szynobus"};

TEST_F(Dyspozytor, ATrainIsGivenAPlatformItsWayInBeforeItIsDueAndItsDepartureOrderAtItsTimeNotBefore)
{
    Dodaj(Osobowy);
    sym.Dyspozytor().Wlacz(true);
    sym.Pokaz();
    const TPunkt* peron = sym.Dyspozytor().PlanowanyPeron("34101");
    ASSERT_NE(peron, nullptr);
    EXPECT_EQ(peron->Name, "p1");
    Do("4:20");
    // Due on the entry 75 s before 4:08; the route three minutes before that, its signals with it.
    EXPECT_EQ(Kiedy("press ZatwierdzButton14"), "04:03:45");
    EXPECT_EQ(Kiedy("press bSK1"), "04:03:45");
    // The way out two minutes before the departure, with the platform barriers down first.
    EXPECT_EQ(Kiedy("press ZatwierdzButton12"), "04:10:00");
    EXPECT_EQ(Kiedy("menu p1 \"Daj polecenie odjazdu\""), "04:12:00");
    EXPECT_EQ(Kary(), 0);
    EXPECT_EQ(Punktualne(), 1);
    // Nothing needs the Olszarzyna crossing any more: its barriers went up behind the train.
    EXPECT_NE(Kiedy("press PunktButton10"), "-");
}

TEST_F(Dyspozytor, TrainsWhoseStaysOverlapGetDifferentPlatformsAndBothLeaveOnTime)
{
    Dodaj(Szynobus);
    Dodaj({"34103", "Bartnica", "Zagórnik", "s122", "wOlsz", "wBrz", "4:22", "4:26", "osobowy"});
    sym.Dyspozytor().Wlacz(true);
    sym.Pokaz();
    ASSERT_NE(sym.Dyspozytor().PlanowanyPeron("44601"), nullptr);
    ASSERT_NE(sym.Dyspozytor().PlanowanyPeron("34103"), nullptr);
    EXPECT_NE(sym.Dyspozytor().PlanowanyPeron("44601"), sym.Dyspozytor().PlanowanyPeron("34103"));
    Do("4:40");
    EXPECT_EQ(Kary(), 0);
    EXPECT_EQ(Punktualne(), 2);
}

TEST_F(Dyspozytor, AConsistThatEndsHereHasItsLocomotiveRunRoundAndLeavesAsTheTrainThatStartsHere)
{
    Dodaj({"34190", "Czaplin", "Drelinko", "s122", "wOlsz", "", "4:10", "4:10", "osobowy"});
    Dodaj({"34191", "Drelinko", "Olszarzyna", "s122", "", "wOlsz", "4:40", "4:40", "osobowy"});
    sym.Dyspozytor().Wlacz(true);
    sym.Pokaz();
    Do("4:45");
    const std::string rozdziel = Kiedy("menu " + sym.Dyspozytor().PlanowanyPeron("34190")->Name + " \"Rozdziel skład\"");
    EXPECT_NE(rozdziel, "-");
    bool zmiana = false, laczenie = false, formowanie = false;
    for (const TAkt& a : akty) {
        zmiana |= a.Polecenie.find("\"Zmień &kierunek jazdy\"") != std::string::npos;
        laczenie |= a.Polecenie.find("\"Połącz skład\"") != std::string::npos;
        formowanie |= a.Polecenie.find("\"Przygotuj skład do odjazdu\" \"4:40/4:40 ") != std::string::npos;
    }
    EXPECT_TRUE(zmiana);
    EXPECT_TRUE(laczenie);
    EXPECT_TRUE(formowanie);
    EXPECT_EQ(Kary(), 0);
    EXPECT_EQ(Punktualne(), 1);
}

TEST_F(Dyspozytor, AConsistThatEndsHereForGoodKeepsItsPlatformAndLaterTrainsAreGivenTheOther)
{
    Dodaj({"44610", "Wirowa", "Drelinko", "a2", "wWirowa", "", "4:20", "4:20", "szynobus"});
    Dodaj({"34101", "Olszarzyna", "Brzelany", "s122", "wOlsz", "wBrz", "4:30", "4:35", "osobowy"});
    Dodaj({"34103", "Bartnica", "Zagórnik", "s122", "wOlsz", "wBrz", "9:30", "9:35", "osobowy"});
    sym.Dyspozytor().Wlacz(true);
    sym.Pokaz();
    const TPunkt* peron = sym.Dyspozytor().PlanowanyPeron("44610");
    ASSERT_NE(peron, nullptr);
    for (const char* numer : {"34101", "34103"}) {
        ASSERT_NE(sym.Dyspozytor().PlanowanyPeron(numer), nullptr) << numer;
        EXPECT_NE(sym.Dyspozytor().PlanowanyPeron(numer), peron) << numer;
    }
    Do("4:40");
    EXPECT_EQ(Kary(), 0);
    EXPECT_EQ(Punktualne(), 1);
}

TEST_F(Dyspozytor, ThePlayerTakingOverMidwayIsLeftAloneAndHisActsAreNeverUndone)
{
    Dodaj(Osobowy);
    Dodaj(Szynobus);
    sym.Dyspozytor().Wlacz(true);
    sym.Pokaz();
    Do("4:09");
    // The player takes over once the first train stands at p1: the dispatcher makes no act more.
    sym.Dyspozytor().Wlacz(false);
    const std::size_t dotad = akty.size();
    Press("PunktButton6");      // the platform barriers down
    Press("wktColorButton15");  // zw20 up
    Press("wktColorButton16");  // zw23 down
    Press("ZatwierdzButton12");
    Press("wktColorButton3");
    Do("4:12");
    TMenuPociagu menu(sym.Stacja(), sym.Silnik());
    ASSERT_TRUE(menu.Otworz(sym.Stacja().Znajdz<TPunkt>("p1")));
    for (const auto& p : menu.Pozycje())
        if (p.Caption == "Daj polecenie odjazdu")
            sym.Wykonaj(p.Akcja);
    Do("4:14");
    EXPECT_EQ(akty.size(), dotad);
    EXPECT_EQ(Punktualne(), 1);

    // Back on: the player has already locked the next train's way in, which the dispatcher takes
    // as done. Pressing that route's button again would offer to break it: no question is asked.
    Press("wktColorButton15");  // zw20 down again
    Press("ZatwierdzButton7");
    sym.Dyspozytor().Wlacz(true);
    Do("4:35");
    EXPECT_EQ(Kiedy("press ZatwierdzButton7"), "-");
    EXPECT_TRUE(s.Komunikaty.Pytania.empty());
    EXPECT_EQ(Kary(), 0);
    EXPECT_EQ(Punktualne(), 2);
}

TEST_F(Dyspozytor, OnForOneEntryItPlaysOnlyThatLinesTrains)
{
    Dodaj({"34103", "Bartnica", "Zagórnik", "s122", "wOlsz", "wBrz", "5:08", "5:12", "osobowy"});
    Dodaj(Szynobus);
    EXPECT_FALSE(sym.Dyspozytor().Wlacz(true, "wNigdzie"));
    ASSERT_TRUE(sym.Dyspozytor().Wlacz(true, "wWirowa"));
    sym.Pokaz();
    Do("5:15");
    // The Olszarzyna train was never let in; the Wirowa one came and left on time.
    EXPECT_EQ(Kiedy("press ZatwierdzButton14"), "04:28:00");  // its way out, not the other's way in
    EXPECT_EQ(Kiedy("press bSK1"), "-");
    EXPECT_EQ(Punktualne(), 1);
}

TEST_F(Dyspozytor, TwoTrainsAnnouncedFromAndSentOntoOneSingleTrackLineAtOnceAreAConflict)
{
    Dodaj(Szynobus);
    Dodaj({"34101", "Olszarzyna", "Brzelany", "s122", "wOlsz", "wBrz", "4:35", "4:40", "osobowy"});
    s.Rozklad.ZapiszRozklad();
    const TWynikProby wynik = ZagrajDzien(s.Rozklad);
    EXPECT_FALSE(wynik.Grywalny);
    ASSERT_TRUE(wynik.Konflikt.has_value());
    EXPECT_EQ(wynik.Konflikt->Miejsce, "linia wOlsz");
    EXPECT_EQ(wynik.Konflikt->Pociagi, "44601, 34101");
    EXPECT_EQ(CzasHHMMSS(wynik.Konflikt->Czas), "04:30:00");
    ASSERT_FALSE(wynik.Kary.empty());
    EXPECT_NE(wynik.Kary.front().find("opuścił stację z opóźnieniem"), std::string::npos);
    EXPECT_EQ(wynik.Spoznione, std::vector<std::string>{"44601"});
    // The report says one thing: the verdict, the conflict and the penalties it leads to, the late
    // train, then the figures.
    const std::vector<std::string> raport = wynik.Raport();
    ASSERT_EQ(raport.size(), 6u);
    EXPECT_EQ(raport[0], "Tego dnia nie da się rozegrać bez kary.");
    EXPECT_EQ(raport[1].rfind("Pierwszy konflikt: o 04:30:00", 0), 0u) << raport[1];
    EXPECT_EQ(raport[2], Formatuj("Prowadzi do kar: %d, razem %d pkt.", static_cast<int>(wynik.Kary.size()), wynik.PunktyKar));
    EXPECT_LT(wynik.PunktyKar, 0);
    EXPECT_EQ(raport[3], "Pierwsza kara: " + wynik.Kary.front());
    EXPECT_EQ(raport[4], "Nie odjechały na czas: 44601.");
    EXPECT_EQ(raport[5].rfind("Odjazdów 2, punktualnych 1, punktów ", 0), 0u) << raport[5];
}

// A tick looks only at the trains that can act; one waiting behind another at its entry must be
// looked at again once it is the next there.
TEST_F(Dyspozytor, ATrainQueuedBehindAnotherAtItsEntryIsBroughtInWhenNextAndLeaves)
{
    Dodaj(Osobowy);
    Dodaj({"34103", "Bartnica", "Zagórnik", "s122", "wOlsz", "wBrz", "4:09", "4:40", "osobowy"});
    sym.Dyspozytor().Wlacz(true);
    sym.Pokaz();
    Do("5:30");
    for (const char* numer : {"34101", "34103"}) {
        const bool odjechal = std::any_of(linie.begin(), linie.end(), [&](const TLiniaDziennika& l) {
            return l.Tekst.find(std::string("Pociąg ") + numer + " opuścił stację") != std::string::npos;
        });
        EXPECT_TRUE(odjechal) << numer;
    }
}

TEST_F(Dyspozytor, ADayLaidOutWithoutConflictsIsPlayable)
{
    Dodaj(Osobowy);
    Dodaj(Szynobus);
    const TWynikProby wynik = ZagrajDzien(s.Rozklad);
    EXPECT_TRUE(wynik.Grywalny) << wynik.Raport().back();
    EXPECT_EQ(wynik.Odjazdy, 2);
    EXPECT_EQ(wynik.Punktualne, 2);
    EXPECT_FALSE(wynik.Konflikt.has_value());
    EXPECT_TRUE(wynik.Spoznione.empty());
}

std::string Czytaj(const std::string& plik)
{
    std::ifstream we(plik, std::ios::binary);
    std::ostringstream s;
    s << we.rdbuf();
    return s.str();
}

std::string Uruchom(const std::string& skrypt)
{
    std::ostringstream wyjscie;
    TDriverSymulacji driver(wyjscie, nullptr);
    std::istringstream we(skrypt);
    EXPECT_EQ(driver.Wykonaj(we), TDriverSymulacji::Dobrze) << wyjscie.str().substr(0, 2000);
    return wyjscie.str();
}

TEST(DyspozytorDnia, ItPlaysTheShippedDayToMidnightWithoutAPenaltyAndItsActsReplayAsAScript)
{
    ZarejestrujPociag();
    const TImportCsv dzien = CzytajRozkladCsv(Czytaj(std::string(DRELINKO_SOURCE_DIR) + "/data/rozklad.csv"),
                                              NazwyElementow(UkladDrelinka(), "TWlot"));
    ASSERT_TRUE(dzien.Bledy.empty());
    TKatalogTymczasowy katalog;
    int odjazdy = 0;
    {
        tWktGenericList lista;
        for (const auto& t : dzien.Pociagi) {
            odjazdy += !t->Wyjezdza().empty();
            lista.Append(std::make_unique<TPociag>(*t));
        }
        ASSERT_TRUE(SaveToFile(lista, katalog.Sciezka("rozklad.dat"), false));
    }
    const std::string gra = Uruchom("start\nauto on\nuntil 23:59:55\ntick\n");

    std::istringstream linie(gra);
    std::string skrypt = "start\n", dziennik;
    int punktualne = 0, akty = 0;
    bool polnoc = false;
    for (std::string l; std::getline(linie, l);) {
        EXPECT_EQ(l.rfind("WARNING", 0), std::string::npos) << l;
        EXPECT_EQ(l.rfind("QUESTION", 0), std::string::npos) << l;
        if (l.rfind("JOURNAL ", 0) == 0) {
            std::istringstream j(l.substr(8));
            std::string czas;
            int punkty = 0;
            j >> czas >> punkty;
            EXPECT_GE(punkty, 0) << l;
            punktualne += l.find("opuścił stację punktualnie.") != std::string::npos;
            polnoc |= l.rfind("JOURNAL 00:00:00 200 Przygotowałem pociągi do drogi.", 0) == 0;
            dziennik += l + '\n';
        }
        if (l.rfind("AUTO ", 0) == 0) {
            ++akty;
            skrypt += "until " + l.substr(5, 8) + '\n' + l.substr(14) + '\n';
        }
    }
    EXPECT_EQ(punktualne, odjazdy);
    EXPECT_EQ(odjazdy, 64);
    EXPECT_TRUE(polnoc);
    EXPECT_GT(akty, 500);

    // The AUTO lines, each after an `until` of its time, play the same day by hand.
    skrypt += "until 23:59:55\ntick\n";
    std::istringstream powtorka(Uruchom(skrypt));
    std::string dziennikPowtorki;
    for (std::string l; std::getline(powtorka, l);)
        if (l.rfind("JOURNAL ", 0) == 0)
            dziennikPowtorki += l + '\n';
    EXPECT_EQ(dziennikPowtorki, dziennik);
}

}  // namespace
