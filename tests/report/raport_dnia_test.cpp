// The day's report agrees with the journal: its sums by kind, its trains' points and its actual
// times come from the same lines the player reads.
#include "interlocking/przyciski.h"
#include "report/raport_dnia.h"
#include "station/wlot.h"
#include "station/zapowiedz.h"
#include "tests/support/pociag_testowy.h"
#include "tests/support/srodowisko_testowe.h"
#include "tools/sim/driver.h"
#include "trains/czas.h"
#include "trains/sklad.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>

namespace {

double G(int h, int m, int s = 0) { return (h * 3600 + m * 60 + s) / 86400.0; }

class RaportDnia : public ::testing::Test {
protected:
    TSrodowiskoTestowe s;
    TSymulacjaStacji sym{s.Uslugi, s.Rozklad};
    TSilnikSymulacji& silnik = sym.Silnik();

    RaportDnia() { s.Rozklad.ZapiszRozklad(); }

    void Rozkladowy(const std::string& numer, const std::string& wjezdza, const std::string& wyjezdza, double przyjazd,
                    double odjazd)
    {
        auto t = PociagOlszarzynaBrzelany(numer, wjezdza, wyjezdza, przyjazd, odjazd);
        s.Rozklad.Rozklad.Append(std::move(t));
    }
    TPociag* Pociag(const std::string& numer)
    {
        for (const auto& t : silnik.PociagiDnia())
            if (t->Numer() == numer)
                return t.get();
        return nullptr;
    }
    TPunkt& E(const std::string& nazwa) { return *sym.Stacja().Znajdz<TPunkt>(nazwa); }
    void Nacisnij(const std::string& b)
    {
        auto& przycisk = *sym.Stacja().Znajdz<TWktColorButton>(b);
        sym.Wykonaj([&] { przycisk.Click(); });
    }
    // Ticks as the window's timer does, until the clock has reached the time (past midnight too).
    void Do(double czas, int najwiecej = 20000)
    {
        for (int i = 0; i < najwiecej && Milisekundy(sym.CzasSymulacji) != Milisekundy(czas); ++i)
            sym.Tyknij();
    }
    // Train 34101 brought to p1 three minutes late, so that its arrival is judged, then the route to
    // wBrz locked and its signal cleared, ready to be sent off.
    TPociag* NaPeronie()
    {
        TPociag* t = Pociag("34101");
        sym.Stacja().Znajdz<TZapowiedz>("zOlszarzyny")->SetPociag(nullptr);
        std::erase(sym.Stacja().Znajdz<TWlot>("wOlsz")->Pociagi, t);
        Nacisnij("ZatwierdzButton3");
        E("Tor34").SetPociag(t);
        E("Tor34").SetStan(tStan::utwierdzony);
        UstawStanJazdy(*t, tStanJazdy::jazda);
        sym.CzasSymulacji = G(4, 33);
        silnik.KrokSymulacji();
        Nacisnij("wktColorButton15");
        Nacisnij("wktColorButton16");
        Nacisnij("ZatwierdzButton12");
        Nacisnij("wktColorButton3");
        return t;
    }
    // The departure order; ticks until the train has left by its exit.
    void Wyslij(TPociag* t)
    {
        UstawStanJazdy(*t, tStanJazdy::jazda);
        for (int i = 0; i < 20 && sym.Dziennik().Linie().back().Tekst != "Pamiętaj o podniesieniu rogatek."; ++i)
            sym.Tyknij();
    }

    // The journal's own sums, line by line, over the lines from `od` on.
    struct TSumy {
        std::int32_t punkty = 0;
        std::map<tRodzajOceny, TSumaRodzaju> rodzaje;
        std::map<std::uint32_t, std::int32_t> pociagi;
    };
    TSumy Sumy(std::size_t od = 0, std::size_t doLinii = SIZE_MAX) const
    {
        TSumy s;
        const auto& linie = sym.Dziennik().Linie();
        for (std::size_t i = od; i < std::min(doLinii, linie.size()); ++i) {
            const TLiniaDziennika& l = linie[i];
            if (l.Porada)
                continue;
            s.punkty += l.Punkty;
            if (JestOcena(l.Rodzaj)) {
                ++s.rodzaje[l.Rodzaj].Ile;
                s.rodzaje[l.Rodzaj].Punkty += l.Punkty;
            }
            if (l.Pociag != 0)
                s.pociagi[l.Pociag] += l.Punkty;
        }
        return s;
    }
    static void ZgodnyZDziennikiem(const TRaportDnia& d, const TSumy& s)
    {
        EXPECT_EQ(d.Punkty, s.punkty);
        std::int32_t poRodzajach = 0;
        for (int i = 0; i < LiczbaRodzajowOceny; ++i) {
            const auto r = static_cast<tRodzajOceny>(i);
            const TSumaRodzaju& z = d.Rodzaje[static_cast<std::size_t>(i)];
            const auto it = s.rodzaje.find(r);
            EXPECT_EQ(z.Ile, it == s.rodzaje.end() ? 0 : it->second.Ile) << NazwaRodzaju(r);
            EXPECT_EQ(z.Punkty, it == s.rodzaje.end() ? 0 : it->second.Punkty) << NazwaRodzaju(r);
            poRodzajach += z.Punkty;
        }
        // Every line with points is a judgement of some kind.
        EXPECT_EQ(poRodzajach, d.Punkty);
    }
};

TEST_F(RaportDnia, ThePointsByKindAndByTrainAddUpToTheJournalAndTheScoreChange)
{
    Rozkladowy("34101", "wOlsz", "wBrz", G(4, 30), G(4, 35));
    Rozkladowy("never", "wBrz", "wOlsz", G(5, 0), G(5, 5));
    sym.CzasSymulacji = G(4, 20);
    Nacisnij("ZatwierdzButton12");  // a route over raised barriers before the start: a fault of the first day
    sym.Pokaz();
    TPociag* t = NaPeronie();
    sym.CzasSymulacji = G(4, 36, 25);
    Wyslij(t);

    const TRaportDnia& d = sym.Raporty().Biezacy();
    const TSumy s = Sumy();
    ZgodnyZDziennikiem(d, s);
    EXPECT_EQ(d.Punkty, sym.Dziennik().Score() - TDziennik::ScorePoczatkowy);
    EXPECT_EQ(d.ScorePoczatkowy, TDziennik::ScorePoczatkowy);
    EXPECT_EQ(d.Rodzaje[static_cast<std::size_t>(tRodzajOceny::otwarcieDnia)].Punkty, 200);
    EXPECT_EQ(d.Rodzaje[static_cast<std::size_t>(tRodzajOceny::przetrzymanie)].Punkty, -6);
    EXPECT_EQ(d.Rodzaje[static_cast<std::size_t>(tRodzajOceny::odjazdOpozniony)].Ile, 1);
    EXPECT_GE(d.Rodzaje[static_cast<std::size_t>(tRodzajOceny::bladElementu)].Ile, 1);

    ASSERT_EQ(d.Pociagi.size(), 2u);
    const TPociagRaportu& r = d.Pociagi[0];
    EXPECT_EQ(r.Numer, "34101");
    EXPECT_EQ(r.Punkty, s.pociagi.at(r.Id));
    EXPECT_EQ(r.Punkty, -6 - 2);
    ASSERT_TRUE(r.Przyjazd.has_value());
    EXPECT_EQ(Milisekundy(*r.Przyjazd), Milisekundy(G(4, 33)));
    ASSERT_TRUE(r.Odjazd.has_value());
    EXPECT_EQ(r.Opoznienie(), 2);
    EXPECT_TRUE(r.Spozniony());
    EXPECT_FALSE(r.Punktualny);
    EXPECT_EQ(d.Punktualne(), 0);
}

TEST_F(RaportDnia, ATrainNeverAdmittedShowsNoActualTimesAndNoDelay)
{
    Rozkladowy("never", "wBrz", "wOlsz", G(4, 30), G(4, 35));
    sym.CzasSymulacji = G(4, 20);
    sym.Pokaz();
    Do(G(5, 0));
    const TPociagRaportu& r = sym.Raporty().Biezacy().Pociagi.at(0);
    EXPECT_FALSE(r.Przyjazd.has_value());
    EXPECT_FALSE(r.Odjazd.has_value());
    EXPECT_FALSE(r.Opoznienie().has_value());
    EXPECT_FALSE(r.Spozniony());
    EXPECT_EQ(r.Punkty, 0);
    EXPECT_EQ(RaportCsv(sym.Raporty().Biezacy()),
              "numer,relacja_od,relacja_do,przyjazd_plan,przyjazd,odjazd_plan,odjazd,opoznienie,punkty\r\n"
              "never,Olszarzyna,Brzelany,4:30,,4:35,,,0\r\n");
}

TEST(RaportDniaCsv, GuardsTextsASpreadsheetWouldRunAndWritesNumbersAsTheyAre)
{
    TRaportDnia d;
    TPociagRaportu t;
    t.Numer = "=1+1";
    t.RelacjaOd = "@SUM(1)";
    t.RelacjaDo = "-2+3";
    t.PrzyjazdPlan = G(4, 30);
    t.OdjazdPlan = G(4, 35);
    t.Przyjazd = G(4, 29);
    t.Odjazd = G(4, 30);
    t.Punkty = -5;
    d.Pociagi.push_back(t);
    t.Numer = "+A1";
    t.RelacjaOd = "\tA";
    t.RelacjaDo = "\rB";
    t.Odjazd = G(4, 40);
    t.Punkty = 0;
    d.Pociagi.push_back(t);
    EXPECT_EQ(RaportCsv(d),
              "numer,relacja_od,relacja_do,przyjazd_plan,przyjazd,odjazd_plan,odjazd,opoznienie,punkty\r\n"
              "'=1+1,'@SUM(1),'-2+3,4:30,4:29:00,4:35,4:30:00,-5,-5\r\n"
              "'+A1,'\tA,\"'\rB\",4:30,4:29:00,4:35,4:40:00,5,0\r\n");
}

TEST_F(RaportDnia, ATrainThatCrossesMidnightBelongsToTheDayItStartedIn)
{
    Rozkladowy("34101", "wOlsz", "wBrz", G(23, 30), G(23, 50));
    Rozkladowy("tomorrow", "wBrz", "wOlsz", G(23, 58), G(23, 59));
    sym.CzasSymulacji = G(23, 20);
    sym.Pokaz();
    TPociag* t = Pociag("34101");
    sym.Stacja().Znajdz<TZapowiedz>("zOlszarzyny")->SetPociag(nullptr);
    std::erase(sym.Stacja().Znajdz<TWlot>("wOlsz")->Pociagi, t);
    E("p1").SetPociag(t);
    t->StanJazdy = tStanJazdy::zatrzymany;
    t->SetPoPrzyjezdzie(true);
    const std::size_t liniePierwszegoDnia = [&] {
        Do(G(0, 0));
        // The journal tells of the finished day's report at midnight, after the new day's opening.
        const auto& l = sym.Dziennik().Linie();
        std::size_t i = l.size();
        while (i > 0 && l[i - 1].Tekst != "Przygotowałem pociągi do drogi.")
            --i;
        EXPECT_EQ(l.back().Tekst, "Raport minionego dnia jest gotowy.");
        EXPECT_EQ(l.back().Punkty, 0);
        return i - 1;
    }();
    ASSERT_NE(sym.Raporty().Miniony(), nullptr);
    Nacisnij("wktColorButton15");
    Nacisnij("wktColorButton16");
    Nacisnij("ZatwierdzButton12");
    Nacisnij("wktColorButton3");
    sym.CzasSymulacji = G(0, 5);
    Wyslij(t);

    const TRaportDnia& wczoraj = *sym.Raporty().Miniony();
    const TRaportDnia& dzis = sym.Raporty().Biezacy();
    EXPECT_EQ(dzis.NrDnia, wczoraj.NrDnia + 1);
    ASSERT_EQ(wczoraj.Pociagi.size(), 2u);
    const TPociagRaportu& r = wczoraj.Pociagi[0];
    EXPECT_EQ(r.Numer, "34101");
    ASSERT_TRUE(r.Odjazd.has_value());
    EXPECT_EQ(GodzinaRaportu(*r.Odjazd), "0:05:35");
    EXPECT_EQ(r.Opoznienie(), 15);  // not a day early
    // The journal judges it the same way: a quarter of an hour late, not early by nearly a day.
    const auto odjazd = std::find_if(sym.Dziennik().Linie().begin(), sym.Dziennik().Linie().end(),
                                     [](const TLiniaDziennika& l) { return l.Tekst.starts_with("Pociąg 34101 opuścił"); });
    ASSERT_NE(odjazd, sym.Dziennik().Linie().end());
    EXPECT_EQ(odjazd->Tekst, "Pociąg 34101 opuścił stację z opóźnieniem  15 min..");
    EXPECT_EQ(odjazd->Punkty, -15);
    // Its points are those of its lines, whichever day they were written in.
    EXPECT_EQ(r.Punkty, Sumy().pociagi.at(r.Id));
    EXPECT_NE(r.Punkty, 0);
    EXPECT_TRUE(wczoraj.Pociagi[1].Przepadl);
    // Today has the timetable's 34101 again, as a train of its own.
    for (const auto& p : dzis.Pociagi)
        EXPECT_NE(p.Id, r.Id);

    // Each day agrees with its own lines: the judgement after midnight counts in today's kinds.
    ZgodnyZDziennikiem(wczoraj, Sumy(0, liniePierwszegoDnia));
    ZgodnyZDziennikiem(dzis, Sumy(liniePierwszegoDnia));
    EXPECT_EQ(dzis.Rodzaje[static_cast<std::size_t>(tRodzajOceny::otwarcieDnia)].Ile, 1);
    EXPECT_EQ(dzis.Punkty - 200, r.Punkty);  // the departure, judged today
    EXPECT_EQ(wczoraj.Punkty + dzis.Punkty, sym.Dziennik().Score() - TDziennik::ScorePoczatkowy);
    EXPECT_TRUE(wczoraj.Koniec.has_value());
}

TEST_F(RaportDnia, TheTracksOccupationIsKeptInStretchesPerTrain)
{
    Rozkladowy("34101", "wOlsz", "wBrz", G(4, 30), G(4, 35));
    sym.CzasSymulacji = G(4, 20);
    sym.Pokaz();
    TPociag* t = NaPeronie();
    Do(G(4, 34));
    sym.CzasSymulacji = G(4, 35);
    Wyslij(t);
    const auto& z = sym.Raporty().Biezacy().Zajetosc;
    ASSERT_EQ(z.size(), 1u);
    EXPECT_EQ(z[0].Tor, "p1");
    EXPECT_EQ(z[0].Pociag, "34101");
    EXPECT_EQ(Milisekundy(z[0].Od - sym.Raporty().Biezacy().NrDnia), Milisekundy(G(4, 33)));
    EXPECT_GT(z[0].Do, z[0].Od);
    EXPECT_TRUE(sym.Raporty().Biezacy().Pociagi[0].Punktualny);
}

// The report's own bookkeeping of a day with disturbances, fed as the run feeds it: the day's trains,
// then the journal's departure lines.
class PodzialOpoznienia : public ::testing::Test {
protected:
    std::vector<std::unique_ptr<TPociag>> pociagi;
    TRaporty raporty;

    TPociag& Pociag(const std::string& numer, double przyjazd, double odjazd, std::int32_t zTrasy)
    {
        pociagi.push_back(PociagOlszarzynaBrzelany(numer, "wOlsz", "wBrz", przyjazd, odjazd));
        // As the engine makes it: a train from a line may leave as late as it came.
        pociagi.back()->SetOpoznienieWjazdu(zTrasy);
        pociagi.back()->SetZwlokaOdjazdu(zTrasy);
        return *pociagi.back();
    }
    void Linia(TPociag& t, tRodzajOceny rodzaj, double pora) { raporty.Zapisz({rodzaj, &t}, 0, pora, 0); }
    const TPociagRaportu& Raport(const TPociag& t) const { return *raporty.Biezacy().Znajdz(t.IdRaportu); }
};

TEST_F(PodzialOpoznienia, ALateTrainsDelayIsSplitIntoWhatTheLineBroughtInAndWhatWasAddedHere)
{
    TPociag& pozniej = Pociag("1", G(5, 0), G(5, 5), 600);
    TPociag& nadrobil = Pociag("2", G(6, 0), G(6, 5), 900);
    TPociag& nadrobilCaly = Pociag("3", G(7, 0), G(7, 5), 600);
    TPociag& punktualny = Pociag("4", G(8, 0), G(8, 5), 0);
    TPociag& bezZTrasy = Pociag("5", G(9, 0), G(9, 5), 0);
    raporty.UstawUtrudnienia(true);
    raporty.NowyDzien(G(4, 0), 200, pociagi);
    ASSERT_TRUE(raporty.Biezacy().ZUtrudnieniami);

    // Brought in ten minutes and left fifteen and a half late: five of them are the station's.
    Linia(pozniej, tRodzajOceny::odjazdOpozniony, G(5, 20, 30));
    EXPECT_EQ(Raport(pozniej).OpoznienieWjazdu, 600);
    EXPECT_EQ(Raport(pozniej).Opoznienie(), 15);
    EXPECT_EQ(Raport(pozniej).OpoznienieZTrasy(), 10);
    EXPECT_EQ(Raport(pozniej).OpoznienieTutaj(), 5);
    // Brought in a quarter of an hour and made up all but three minutes: the three are the line's,
    // and the departure judged as the line's is the report's departure all the same.
    Linia(nadrobil, tRodzajOceny::odjazdOpoznionyZTrasy, G(6, 8));
    ASSERT_TRUE(Raport(nadrobil).Odjazd.has_value());
    EXPECT_EQ(Raport(nadrobil).Opoznienie(), 3);
    EXPECT_EQ(Raport(nadrobil).OpoznienieZTrasy(), 3);
    EXPECT_EQ(Raport(nadrobil).OpoznienieTutaj(), 0);
    // Made up entirely: left before time, nothing is late, nothing to split.
    Linia(nadrobilCaly, tRodzajOceny::odjazdPrzedCzasem, G(7, 4));
    EXPECT_EQ(Raport(nadrobilCaly).Opoznienie(), -1);
    EXPECT_EQ(Raport(nadrobilCaly).OpoznienieZTrasy(), 0);
    EXPECT_EQ(Raport(nadrobilCaly).OpoznienieTutaj(), 0);
    Linia(punktualny, tRodzajOceny::odjazdPunktualny, G(8, 5, 40));
    EXPECT_EQ(Raport(punktualny).OpoznienieZTrasy(), 0);
    EXPECT_EQ(Raport(punktualny).OpoznienieTutaj(), 0);
    // Late with nothing brought in: all of it is the station's.
    Linia(bezZTrasy, tRodzajOceny::odjazdOpozniony, G(9, 12));
    EXPECT_EQ(Raport(bezZTrasy).OpoznienieZTrasy(), 0);
    EXPECT_EQ(Raport(bezZTrasy).OpoznienieTutaj(), 7);
}

TEST_F(PodzialOpoznienia, BeforeItLeavesATrainsArrivalIsSplitAndBeforeItComesOnlyTheLinesPartIsKnown)
{
    TPociag& czeka = Pociag("1", G(5, 0), G(5, 30), 300);
    TPociag& jedzie = Pociag("2", G(6, 0), G(6, 5), 420);
    raporty.UstawUtrudnienia(true);
    raporty.NowyDzien(G(4, 0), 200, pociagi);
    EXPECT_EQ(Raport(jedzie).Opoznienie(), std::nullopt);
    EXPECT_EQ(Raport(jedzie).OpoznienieZTrasy(), 7);
    EXPECT_EQ(Raport(jedzie).OpoznienieTutaj(), std::nullopt);
    // Five minutes late from the line and held three more at the entry.
    Linia(czeka, tRodzajOceny::przetrzymanie, G(5, 8));
    EXPECT_EQ(Raport(czeka).Opoznienie(), 8);
    EXPECT_EQ(Raport(czeka).OpoznienieZTrasy(), 5);
    EXPECT_EQ(Raport(czeka).OpoznienieTutaj(), 3);
    // Then sent off in time: the departure is what counts.
    Linia(czeka, tRodzajOceny::odjazdPunktualny, G(5, 30));
    EXPECT_EQ(Raport(czeka).OpoznienieZTrasy(), 0);
    EXPECT_EQ(Raport(czeka).OpoznienieTutaj(), 0);
}

TEST_F(PodzialOpoznienia, ATrainThatEndsHereKeptBackByTheLineAfterTheDayWasMadeBringsThatWaitIn)
{
    pociagi.push_back(PociagOlszarzynaBrzelany("44722", "wWirowa", "", G(11, 50), G(11, 50)));
    TPociag& konczy = *pociagi.back();
    konczy.SetOpoznienieWjazdu(13 * 60);
    raporty.UstawUtrudnienia(true);
    raporty.NowyDzien(G(4, 0), 200, pociagi);
    // The neighbouring station kept it back fifteen minutes more for a train leaving here.
    konczy.SetOpoznienieWjazdu(28 * 60);
    konczy.SetPoPrzyjezdzie(true);
    Linia(konczy, tRodzajOceny::postoj, G(12, 18));
    EXPECT_EQ(Raport(konczy).Opoznienie(), 28);
    EXPECT_EQ(Raport(konczy).OpoznienieZTrasy(), 28);
    EXPECT_EQ(Raport(konczy).OpoznienieTutaj(), 0);
}

TEST_F(PodzialOpoznienia, EveryDayOfARunWithDisturbancesIsMarkedAndTheExtraTrainsWithIt)
{
    Pociag("1", G(5, 0), G(5, 5), 0);
    Pociag("X 1", G(6, 0), G(6, 5), 0).SetDodatkowy(true);
    raporty.UstawUtrudnienia(true);
    raporty.NowyDzien(G(4, 0), 200, pociagi);
    EXPECT_FALSE(raporty.Biezacy().Pociagi[0].Dodatkowy);
    EXPECT_TRUE(raporty.Biezacy().Pociagi[1].Dodatkowy);
    pociagi.clear();
    Pociag("1", G(5, 0), G(5, 5), 0);
    ASSERT_TRUE(raporty.NowyDzien(G(0, 0), 400, pociagi));
    EXPECT_TRUE(raporty.Miniony()->ZUtrudnieniami);
    EXPECT_TRUE(raporty.Biezacy().ZUtrudnieniami);

    TRaporty zwykle;
    zwykle.NowyDzien(G(4, 0), 200, pociagi);
    EXPECT_FALSE(zwykle.Biezacy().ZUtrudnieniami);
}

TEST(RaportDniaCsv, ADayWithDisturbancesEndsEachRowWithTheSplitAndAnyOtherDayKeepsItsColumns)
{
    TRaportDnia d;
    TPociagRaportu t;
    t.Numer = "34101";
    t.RelacjaOd = "Olszarzyna";
    t.RelacjaDo = "Brzelany";
    t.PrzyjazdPlan = G(4, 30);
    t.OdjazdPlan = G(4, 35);
    t.Przyjazd = G(4, 44);
    t.Odjazd = G(4, 47, 10);
    t.OpoznienieWjazdu = 780;
    t.Punkty = 20;
    d.Pociagi.push_back(t);
    t.Numer = "44601";
    t.Przyjazd.reset();
    t.Odjazd.reset();
    t.OpoznienieWjazdu = 120;
    t.Punkty = 0;
    d.Pociagi.push_back(t);
    const std::string bez = "numer,relacja_od,relacja_do,przyjazd_plan,przyjazd,odjazd_plan,odjazd,opoznienie,punkty\r\n"
                            "34101,Olszarzyna,Brzelany,4:30,4:44:00,4:35,4:47:10,12,20\r\n"
                            "44601,Olszarzyna,Brzelany,4:30,,4:35,,,0\r\n";
    EXPECT_EQ(RaportCsv(d), bez);
    d.ZUtrudnieniami = true;
    EXPECT_EQ(RaportCsv(d),
              "numer,relacja_od,relacja_do,przyjazd_plan,przyjazd,odjazd_plan,odjazd,opoznienie,punkty,"
              "opoznienie_z_trasy,opoznienie_tutaj\r\n"
              "34101,Olszarzyna,Brzelany,4:30,4:44:00,4:35,4:47:10,12,20,12,0\r\n"
              "44601,Olszarzyna,Brzelany,4:30,,4:35,,,0,2,\r\n");
}

// The run marks its days by its level: the report's trains keep the delays the engine drew for them.
TEST_F(RaportDnia, OnADayWithDisturbancesEachTrainKeepsTheDelayItBroughtIn)
{
    for (int i = 0; i < 8; ++i)
        Rozkladowy(std::to_string(34101 + 2 * i), i % 2 ? "wBrz" : "wOlsz", i % 2 ? "wOlsz" : "wBrz", G(5 + i, 0),
                   G(5 + i, 5));
    sym.UstawUtrudnienia(1, 7);
    sym.CzasSymulacji = G(4, 20);
    sym.Pokaz();
    const TRaportDnia& d = sym.Raporty().Biezacy();
    EXPECT_TRUE(d.ZUtrudnieniami);
    ASSERT_EQ(d.Pociagi.size(), 8u);
    int opoznione = 0;
    for (const auto& t : silnik.PociagiDnia()) {
        const TPociagRaportu* r = d.Znajdz(t->IdRaportu);
        ASSERT_NE(r, nullptr) << t->Numer();
        EXPECT_EQ(r->OpoznienieWjazdu, t->OpoznienieWjazdu()) << t->Numer();
        opoznione += r->OpoznienieWjazdu > 0;
    }
    EXPECT_GT(opoznione, 0);
    EXPECT_TRUE(RaportCsv(d).starts_with(
        "numer,relacja_od,relacja_do,przyjazd_plan,przyjazd,odjazd_plan,odjazd,opoznienie,punkty,"
        "opoznienie_z_trasy,opoznienie_tutaj\r\n"));
}

// drelinko-sim prints the split at the end of each train's line, on a day with disturbances only: a
// game saved at level 1 and loaded in the driver, then the same game played at level 0.
TEST_F(RaportDnia, TheDriversReportLinesEndWithTheSplitOnlyOnADayWithDisturbances)
{
    Rozkladowy("34101", "wOlsz", "wBrz", G(5, 0), G(5, 5));
    Rozkladowy("34103", "wBrz", "wOlsz", G(6, 0), G(6, 5));
    s.Rozklad.ZapiszRozklad();
    const auto raport = [&](int poziom) {
        TSymulacjaStacji gra(s.Uslugi, s.Rozklad);
        gra.UzyjZegarowRecznych(s.Zegary);
        gra.UstawUtrudnienia(poziom, 3);
        EXPECT_EQ(gra.Akt({"start"}), "");
        std::string blad;
        const std::string plik = s.Katalog.Sciezka("gra.drelinko");
        std::ofstream(plik, std::ios::binary) << gra.ZapisGry(blad);
        EXPECT_EQ(blad, "");
        std::ostringstream wyjscie;
        TDriverSymulacji driver(wyjscie, nullptr);
        std::istringstream skrypt("load \"" + plik + "\"\nreport\n");
        EXPECT_EQ(driver.Wykonaj(skrypt), TDriverSymulacji::Dobrze) << wyjscie.str();
        std::vector<std::string> linie;
        std::istringstream we(wyjscie.str());
        for (std::string l; std::getline(we, l);)
            if (l.starts_with("REPORT train "))
                linie.push_back(l);
        return linie;
    };
    const std::vector<std::string> zwykly = raport(0), zUtrudnieniami = raport(1);
    ASSERT_EQ(zwykly.size(), 2u);
    ASSERT_EQ(zUtrudnieniami.size(), 2u);
    for (std::size_t i = 0; i < zwykly.size(); ++i) {
        EXPECT_TRUE(zwykly[i].ends_with(" punkty=0")) << zwykly[i];
        // Nothing has come yet: the line's part is known, the station's is not.
        EXPECT_TRUE(zUtrudnieniami[i].starts_with(zwykly[i] + " z_trasy=")) << zUtrudnieniami[i];
        EXPECT_TRUE(zUtrudnieniami[i].ends_with(" tutaj=-")) << zUtrudnieniami[i];
    }
}

}  // namespace
