// The train list "Pociągi": where every train of the day is, its delay and its state, the rows that
// changed, and the list's ways to the diagram.
#include "models/lista_pociagow.h"
#include "station/wlot.h"
#include "station/zapowiedz.h"
#include "tests/support/pociag_testowy.h"
#include "tests/support/test_stacji.h"
#include "trains/czas.h"
#include "trains/sklad.h"

#include <gtest/gtest.h>

namespace {

double G(int h, int m, int s = 0) { return (h * 3600 + m * 60 + s) / 86400.0; }

class ListaPociagowDnia : public TTestStacji {
protected:
    ListaPociagowDnia() { srodowisko.Rozklad.ZapiszRozklad(); }

    void Rozkladowy(const std::string& numer, const std::string& wjezdza, const std::string& wyjezdza, double przyjazd,
                    double odjazd)
    {
        auto t = PociagOlszarzynaBrzelany(numer, wjezdza, wyjezdza, przyjazd, odjazd);
        srodowisko.Rozklad.Rozklad.Append(std::move(t));
    }
    // The day begun at the hour.
    void Zacznij(double godzina)
    {
        sym.CzasSymulacji = godzina;
        sym.Pokaz();
        lista.Odswiez();
    }
    // One step at the hour, and the list after it.
    void KrokO(double godzina)
    {
        sym.CzasSymulacji = godzina;
        sym.Silnik().KrokSymulacji();
        lista.Odswiez();
    }
    const TWierszPociagu& W(const std::string& numer) const
    {
        for (const auto& w : lista.Wiersze())
            if (w.Pociag->Numer() == numer || w.Numer == numer)
                return w;
        throw std::runtime_error("no row " + numer);
    }
    TPociag* P(const std::string& numer) const { return const_cast<TPociag*>(W(numer).Pociag); }
    // The train come in at p1, its announcement cleared.
    TPociag* NaPeronie1(const std::string& numer)
    {
        TPociag* t = P(numer);
        E<TZapowiedz>("zOlszarzyny").SetPociag(nullptr);
        E("p1").SetPociag(t);
        return t;
    }
    // Its way out to wBrz (zw5 and zw6, the route, the signal), then steps from the hour until it
    // has left.
    void Wypusc(TPociag* t, double godzina)
    {
        Nacisnij("wktColorButton15");
        Nacisnij("wktColorButton16");
        Nacisnij("ZatwierdzButton12");
        Nacisnij("wktColorButton3");
        sym.CzasSymulacji = godzina;
        UstawStanJazdy(*t, tStanJazdy::jazda);
        for (int i = 0; i < 20 && W(t->Numer()).Miejsce != tMiejscePociagu::odjechal; ++i)
            KrokO(PoraDnia(sym.CzasSymulacji + Sekunda(5)));
    }

    TListaPociagow lista{sym};
};

TEST_F(ListaPociagowDnia, EveryTrainOfTheDayIsListedInTheDaysOrderWithItsNumberRelationAndPlannedTimes)
{
    Rozkladowy("2", "wBrz", "wOlsz", G(5, 0), G(5, 4));
    Rozkladowy("1", "wOlsz", "wBrz", G(4, 30), G(4, 36));
    Rozkladowy("3", "", "wBrz", G(4, 40), G(4, 45));
    Zacznij(G(4, 0));
    ASSERT_EQ(lista.Wiersze().size(), 3u);
    EXPECT_EQ(lista.Wiersze()[0].Numer, "1");
    EXPECT_EQ(lista.Wiersze()[1].Numer, "3");
    EXPECT_EQ(lista.Wiersze()[2].Numer, "2");
    const TWierszPociagu& w = W("1");
    EXPECT_EQ(w.Relacja, "Olszarzyna - Brzelany");
    EXPECT_EQ(w.PrzyjazdTekst, "4:30");
    EXPECT_EQ(w.OdjazdTekst, "4:36");
    EXPECT_EQ(w.Opis, OpisPociagu(*w.Pociag));
}

TEST_F(ListaPociagowDnia, ATrainIsFollowedFromTheTimetableThroughItsAnnouncementAndTheEntryToItsPoints)
{
    Rozkladowy("1", "wOlsz", "wBrz", G(4, 30), G(4, 36));
    Zacznij(G(4, 0));
    EXPECT_EQ(W("1").Miejsce, tMiejscePociagu::wRozkladzie);
    EXPECT_EQ(W("1").MiejsceTekst, "w rozkładzie, wOlsz");
    EXPECT_EQ(W("1").Gdzie, &E("wOlsz"));
    EXPECT_EQ(W("1").StanTekst, "");  // not here yet: no "jazda" before it arrives
    EXPECT_EQ(W("1").OpoznienieTekst, "0 min");

    KrokO(G(4, 6));  // the line's 24 minutes
    EXPECT_EQ(W("1").Miejsce, tMiejscePociagu::zapowiedziany);
    EXPECT_EQ(W("1").MiejsceTekst, "zapowiedziany, wOlsz");

    KrokO(G(4, 28, 50));  // its 75 s lead has passed and no way in is set
    EXPECT_EQ(W("1").Miejsce, tMiejscePociagu::czekaNaWjazd);
    EXPECT_EQ(W("1").MiejsceTekst, "czeka na wjazd, wOlsz");
    KrokO(G(4, 33, 10));
    EXPECT_EQ(W("1").Opoznienie, 3);
    EXPECT_EQ(W("1").OpoznienieTekst, "+3 min");

    Nacisnij("ZatwierdzButton14");
    KrokO(G(4, 33, 15));
    EXPECT_EQ(W("1").Miejsce, tMiejscePociagu::naStacji);
    EXPECT_EQ(W("1").MiejsceTekst, "Tor7");  // placed on wOlsz and moved on within the step
    EXPECT_EQ(W("1").Gdzie, &E("Tor7"));
}

TEST_F(ListaPociagowDnia, ATrainAtItsPlatformIsLateAgainstItsDepartureAndShowsHowItLeftOnceGone)
{
    Rozkladowy("1", "wOlsz", "wBrz", G(4, 30), G(4, 35));
    Zacznij(G(4, 20));
    TPociag* t = NaPeronie1("1");
    t->StanJazdy = tStanJazdy::zatrzymany;
    KrokO(G(4, 32));
    EXPECT_EQ(W("1").MiejsceTekst, "p1");
    EXPECT_EQ(W("1").StanTekst, "zatrzymany");
    EXPECT_EQ(W("1").Opoznienie, 2);  // not judged at the platform yet: against its arrival
    t->SetPoPrzyjezdzie(true);
    lista.Odswiez();
    EXPECT_EQ(W("1").Opoznienie, 0);  // now against its departure, not yet due
    Wypusc(t, G(4, 37, 30));
    EXPECT_EQ(W("1").Miejsce, tMiejscePociagu::odjechal);
    EXPECT_EQ(W("1").MiejsceTekst, "odjechał");
    EXPECT_EQ(W("1").Gdzie, nullptr);
    EXPECT_EQ(W("1").StanTekst, "");
    ASSERT_TRUE(sym.Silnik().CzasOdjazdu(t).has_value());
    EXPECT_EQ(W("1").Opoznienie, Minuty(*sym.Silnik().CzasOdjazdu(t) - G(4, 35)));
    EXPECT_EQ(W("1").OpoznienieTekst, "+3 min");
    // Later ticks do not make a departed train later.
    KrokO(G(5, 0));
    EXPECT_EQ(W("1").OpoznienieTekst, "+3 min");
}

TEST_F(ListaPociagowDnia, AnEarlyDepartureIsANegativeDelay)
{
    Rozkladowy("1", "wOlsz", "wBrz", G(4, 30), G(4, 45));
    Zacznij(G(4, 20));
    TPociag* t = NaPeronie1("1");
    t->SetPoPrzyjezdzie(true);
    Wypusc(t, G(4, 40));
    EXPECT_EQ(W("1").OpoznienieTekst, "-4 min");
}

TEST_F(ListaPociagowDnia, ADepartureTheJournalCallsPunctualShowsNoDelay)
{
    Rozkladowy("1", "wOlsz", "wBrz", G(4, 30), G(4, 39, 30));
    Zacznij(G(4, 20));
    TPociag* t = NaPeronie1("1");
    t->SetPoPrzyjezdzie(true);
    Wypusc(t, G(4, 40));
    ASSERT_EQ(W("1").Miejsce, tMiejscePociagu::odjechal);
    // It left a minute or so after its time: punctual in the journal, and so in the list.
    const double odjazd = *sym.Silnik().CzasOdjazdu(t);
    ASSERT_GE(Minuty(odjazd - G(4, 39, 30)), 1);
    bool punktualnie = false;
    for (const TLiniaDziennika& l : sym.Dziennik().Linie())
        punktualnie |= l.Tekst == "Pociąg 1 opuścił stację punktualnie.";
    EXPECT_TRUE(punktualnie);
    EXPECT_EQ(W("1").Opoznienie, 0);
    EXPECT_EQ(W("1").OpoznienieTekst, "0 min");
}

TEST_F(ListaPociagowDnia, AStationTrainWaitsForItsConsistOnceItsTimeHasCome)
{
    Rozkladowy("7", "", "wBrz", G(4, 30), G(4, 40));
    Zacznij(G(4, 0));
    EXPECT_EQ(W("7").Miejsce, tMiejscePociagu::wRozkladzie);
    EXPECT_EQ(W("7").MiejsceTekst, "w rozkładzie");
    EXPECT_EQ(W("7").StanTekst, "");
    KrokO(G(4, 30));
    EXPECT_EQ(W("7").Miejsce, tMiejscePociagu::czekaNaSklad);
    EXPECT_EQ(W("7").MiejsceTekst, "czeka na skład");
    KrokO(G(4, 45));
    EXPECT_EQ(W("7").OpoznienieTekst, "+5 min");  // it starts here: its departure is what is due
}

TEST_F(ListaPociagowDnia, AShuntingUnitIsListedWithoutTimesOrDelay)
{
    Zacznij(G(4, 0));
    auto t = std::make_unique<TPociag>();
    t->SetSklad("s");
    t->SetManewrowy(true);
    TPociag* p = sym.Silnik().Przyjmij(std::move(t));
    E("pB1").SetPociag(p);
    EXPECT_TRUE(lista.Odswiez());  // a train more: every row afresh
    ASSERT_EQ(lista.Wiersze().size(), 1u);
    const TWierszPociagu& w = lista.Wiersze()[0];
    EXPECT_EQ(w.Numer, "(skład manewrowy)");
    EXPECT_EQ(w.PrzyjazdTekst, "");
    EXPECT_FALSE(w.Opoznienie.has_value());
    EXPECT_EQ(w.OpoznienieTekst, "");
    EXPECT_EQ(w.MiejsceTekst, "pB1");
}

TEST_F(ListaPociagowDnia, OnlyTheRowsThatChangedAreReported)
{
    Rozkladowy("1", "wOlsz", "wBrz", G(4, 30), G(4, 36));
    Rozkladowy("2", "wBrz", "wOlsz", G(5, 30), G(5, 36));
    Zacznij(G(4, 0));
    EXPECT_EQ(lista.Zmienione().size(), 2u);  // the first refresh fills every row
    EXPECT_FALSE(lista.Odswiez());
    EXPECT_TRUE(lista.Zmienione().empty());
    KrokO(G(4, 6));  // the first is announced, the second not yet
    EXPECT_EQ(lista.Zmienione(), (std::vector<std::size_t>{0}));
    // The second stands at a platform: its state shows there.
    E("p2").SetPociag(P("2"));
    lista.Odswiez();
    P("2")->StanJazdy = tStanJazdy::zatrzymany;
    EXPECT_FALSE(lista.Odswiez());
    EXPECT_EQ(lista.Zmienione(), (std::vector<std::size_t>{1}));
    EXPECT_EQ(W("2").StanTekst, "zatrzymany");
    EXPECT_EQ(W("2").ZmienionePola, TWierszPociagu::pStan);  // a view redraws that cell only
    P("2")->SetSklad("s12");
    lista.Odswiez();
    EXPECT_EQ(lista.Zmienione(), (std::vector<std::size_t>{1}));
    EXPECT_EQ(W("2").Opis, OpisPociagu(*P("2")));
    EXPECT_EQ(W("2").ZmienionePola, TWierszPociagu::pOpis);
}

TEST_F(ListaPociagowDnia, AChosenTrainBlinksOnTheElementThatShowsItAndItsDialogIsItsPointsDoubleClick)
{
    Rozkladowy("1", "wOlsz", "wBrz", G(4, 30), G(4, 36));
    Rozkladowy("2", "wOlsz", "wBrz", G(5, 30), G(5, 36));
    Rozkladowy("3", "wOlsz", "wBrz", G(6, 30), G(6, 36));
    Zacznij(G(4, 0));
    // Queued: its entry, the first on the timetable field.
    EXPECT_EQ(lista.Element(P("1")), &E("przyj_Olszarzyna"));
    EXPECT_EQ(lista.Element(P("2")), &E("wOlsz"));
    KrokO(G(4, 6));
    EXPECT_EQ(lista.Element(P("1")), &E("zOlszarzyny"));
    E<TZapowiedz>("zOlszarzyny").SetPociag(nullptr);
    E("p1").SetPociag(P("1"));
    P("1")->StanJazdy = tStanJazdy::zatrzymany;
    lista.Odswiez();
    EXPECT_EQ(lista.Wskaz(P("1")), &E("p1"));
    EXPECT_TRUE(sym.Stacja().Wyroznienia().Miga(&E("p1")));
    zegary.Uplyw(TListaPociagow::CzasWskazania);
    EXPECT_FALSE(sym.Stacja().Wyroznienia().Miga(&E("p1")));

    lista.Otworz(P("1"));
    ASSERT_EQ(komunikaty.Pytania.size(), 1u);
    EXPECT_EQ(komunikaty.Pytania[0], "p1 • " + E("p1").Hint + "\r\n" + OpisPociagu(*P("1")) + "\r\nDać sygnał do odjazdu?");
    // The second is first in the queue now, shown by the timetable field, which tells about it.
    lista.Otworz(P("2"));
    ASSERT_EQ(komunikaty.Teksty.size(), 1u);
    EXPECT_EQ(komunikaty.Teksty[0], "przyj_Olszarzyna • " + E("przyj_Olszarzyna").Hint + "\r\n" + OpisPociagu(*P("2")));
    // Nothing on the diagram shows the third: it is described with where it is.
    lista.Otworz(P("3"));
    ASSERT_EQ(komunikaty.Teksty.size(), 2u);
    EXPECT_EQ(komunikaty.Teksty[1], OpisPociagu(*P("3")) + "\r\nw rozkładzie, wOlsz");
    // A train gone from the day is passed over.
    TPociag stary;
    lista.Otworz(&stary);
    EXPECT_EQ(lista.Wskaz(&stary), nullptr);
    EXPECT_EQ(komunikaty.Teksty.size(), 2u);
}

TEST_F(ListaPociagowDnia, ANewDayGivesAFreshList)
{
    Rozkladowy("1", "wOlsz", "wBrz", G(23, 50), G(23, 55));
    Rozkladowy("2", "wBrz", "wOlsz", G(0, 30), G(0, 35));
    Zacznij(G(23, 0));
    ASSERT_EQ(lista.Wiersze().size(), 1u);
    sym.CzasSymulacji = G(23, 59, 58);
    sym.Tyknij();  // past midnight: the old day's train never came and the day is made again
    EXPECT_TRUE(lista.Odswiez());
    ASSERT_EQ(lista.Wiersze().size(), 2u);
    EXPECT_EQ(lista.Wiersze()[0].Numer, "2");
    EXPECT_EQ(lista.Wiersze()[1].Numer, "1");
    EXPECT_EQ(lista.Wiersze()[1].MiejsceTekst, "w rozkładzie, wOlsz");
}

}  // namespace
