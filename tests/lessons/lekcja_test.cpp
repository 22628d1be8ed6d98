// The lessons: every shipped one played by its own hints to its end without a penalty, a wrong act
// explained in each, and a lesson file with a fault refused at its line.
#include "core/slowa_polecen.h"
#include "lessons/lekcja.h"
#include "lessons/przebieg_lekcji.h"
#include "run/symulacja_stacji.h"
#include "tests/support/srodowisko_testowe.h"
#include "tests/support/stacja_testowa.h"
#include "trains/rozklad.h"

#include <gtest/gtest.h>

namespace {

// A lesson on a run of its own, as the window and the driver play it.
struct TGraLekcji {
    explicit TGraLekcji(const TLekcja& lekcja)
        : rozklad(RozkladLekcji(lekcja, s.Komunikaty, s.Kursory)),
          sym(std::make_unique<TSymulacjaStacji>(s.Uslugi, *rozklad))
    {
        sym->Stacja().OdtwarzajDzwieki = false;
        sym->Dziennik().OnLinia = [this](const TLiniaDziennika& l) { kary += l.Punkty < 0; };
        przebieg = std::make_unique<TPrzebiegLekcji>(lekcja, *sym);
        sym->PoAkcie = [this](const std::vector<std::string>& slowa) { przebieg->PoAkcie(slowa); };
        przebieg->OnWyjasnienie = [this](const std::string& t) { wyjasnienia.push_back(t); };
        przebieg->Start();
    }

    TSrodowiskoTestowe s;
    std::unique_ptr<TRozkladJazdy> rozklad;
    std::unique_ptr<TSymulacjaStacji> sym;
    std::unique_ptr<TPrzebiegLekcji> przebieg;
    int kary = 0;
    std::vector<std::string> wyjasnienia;
};

std::vector<TLekcja> Lekcje()
{
    TStacjaTestowa t;
    return WszystkieLekcje(t.Stacja);
}

TEST(Lekcje, EveryShippedLessonIsPlayedByItsOwnHintsToItsEndWithoutAPenalty)
{
    const std::vector<TLekcja> lekcje = Lekcje();
    ASSERT_GE(lekcje.size(), 3u);
    for (const TLekcja& lekcja : lekcje) {
        TGraLekcji g(lekcja);
        for (int i = 0; i < 5000 && !g.przebieg->Ukonczona(); ++i) {
            const TPodpowiedz p = g.przebieg->Podpowiedz();
            if (p.Cokolwiek()) {
                // The question the act asks gets the answer the step gives, as the player clicks it.
                if (const auto o = lekcja.Kroki[g.przebieg->Krok()].Odpowiedz)
                    g.s.Komunikaty.Odpowiedzi.push_back(*o);
                const std::size_t krok = g.przebieg->Krok();
                std::string blad;
                const auto slowa = RozbijLinie(p.Polecenie, blad);
                ASSERT_TRUE(slowa.has_value()) << lekcja.Plik << ": " << p.Polecenie;
                EXPECT_EQ(g.sym->Akt(*slowa), "") << lekcja.Plik << ": " << p.Polecenie;
                g.przebieg->Sprawdz();
                // Once made, an act whose effect takes time is not advised again while it works.
                if (g.przebieg->Krok() == krok) {
                    EXPECT_FALSE(g.przebieg->Podpowiedz().Cokolwiek()) << lekcja.Plik << ": " << p.Polecenie;
                }
                // An act whose effect takes time (a shunting move) is followed by the clock.
                while (!g.przebieg->Ukonczona() && g.przebieg->Krok() == krok && ++i < 5000) {
                    g.sym->Wykonaj([&g] { g.sym->Tyknij(); });
                    g.przebieg->Sprawdz();
                }
            } else if (lekcja.Kroki[g.przebieg->Krok()].Gotowe.Rodzaj == tWarunek::dalej) {
                g.przebieg->Dalej();
            } else {
                g.sym->Wykonaj([&g] { g.sym->Tyknij(); });
            }
            g.przebieg->Sprawdz();
        }
        EXPECT_TRUE(g.przebieg->Ukonczona()) << lekcja.Plik << " stopped at step " << g.przebieg->Krok() + 1;
        EXPECT_EQ(g.kary, 0) << lekcja.Plik;
        EXPECT_TRUE(g.wyjasnienia.empty()) << lekcja.Plik;
    }
}

TEST(Lekcje, AWrongActInEveryLessonIsExplainedWithItsCauseAndTheWayOn)
{
    for (const TLekcja& lekcja : Lekcje()) {
        TGraLekcji g(lekcja);
        // A signal cleared with no route set: refused in every lesson's first step.
        g.sym->Akt({"click", "sA"});
        ASSERT_EQ(g.wyjasnienia.size(), 1u) << lekcja.Plik;
        const std::string& w = g.wyjasnienia[0];
        EXPECT_EQ(w.rfind("NIe można podać sygnału na semaforze. Nie utwierdzono drogi. ", 0), 0u) << w;
        const TKrokLekcji& k = lekcja.Kroki.front();
        EXPECT_NE(w.find(k.Blad.empty() ? "Wróć do kroku: " + k.Tekst : k.Blad), std::string::npos) << w;
        EXPECT_EQ(g.przebieg->Krok(), 0u) << "the step stays";
    }
}

TEST(Lekcje, ALessonFileWithAFaultIsRefusedWithItsLineNamed)
{
    TStacjaTestowa t;
    const std::string glowa = "tytul Próba\ngodzina 7:00\npociag 1,A,B,s,wOlsz,wBrz,7:10,7:12,os,0\n";
    const struct {
        std::string tekst;
        int wiersz;
        const char* fragment;
    } przypadki[] = {
        {glowa + "krok Kliknij.\n  akt click zwXX\n  gotowe dalej\n", 5, "nie ma elementu zwXX"},
        {glowa + "krok Kliknij.\n  skacz zw1\n", 5, "nieznany rodzaj wiersza kroku"},
        {glowa + "rozdzial 2\n", 4, "nieznany rodzaj wiersza"},
        {glowa + "krok Czekaj.\n  gotowe zwrotnica sA gora\n", 5, "nie ma zwrotnicy sA"},
        {glowa + "krok Czekaj.\n  gotowe zwrotnica zw1 bokiem\n", 5, "nieznany stan bokiem"},
        {glowa + "krok Czekaj.\n  gotowe pociag 99 odjechal\n", 5, "pociągu 99 nie ma w lekcji"},
        {glowa + "krok Czekaj.\n  gotowe lata\n", 5, "nieznany warunek"},
        {glowa + "krok Czekaj.\n  gotowe wykonano\n", 5, "w kroku bez aktu"},
        {glowa + "krok Kliknij.\n  akt press bSK1\n  odpowiedz chyba\n  gotowe wykonano\n", 6, "odpowiedź może być"},
        {"tytul Próba\ngodzina 7:00\npociag 1,A,B,s,wXX,wBrz,7:10,7:12,os,0\nkrok A.\n", 3, "zły pociąg"},
        {"tytul Próba\ngodzina 25:00\n", 2, "zła godzina"},
        {"tytul Próba\ngodzina 7:00\nkrok A.\n", 3, "lekcja bez pociągu"},
    };
    for (const auto& p : przypadki) {
        try {
            CzytajLekcje(p.tekst, t.Stacja);
            ADD_FAILURE() << "taken: " << p.tekst;
        } catch (const TBladLekcji& e) {
            EXPECT_EQ(e.Wiersz, p.wiersz) << e.what();
            EXPECT_NE(std::string(e.what()).find(p.fragment), std::string::npos) << e.what();
        }
    }
}

}  // namespace
