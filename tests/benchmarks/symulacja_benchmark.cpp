// The simulation's speed: one step of a busy station against the window's 50 ms budget at the
// fastest speed (goal: under 50 µs), and a whole simulated day headless (goal: under one second).
#include "core/wkt_files.h"
#include "models/lista_pociagow.h"
#include "run/proba_dnia.h"
#include "run/symulacja_stacji.h"
#include "station/upunkt.h"
#include "tests/support/srodowisko_testowe.h"
#include "trains/rozklad_csv.h"
#include "trains/sklad.h"

#include <benchmark/benchmark.h>

#include <stdexcept>

namespace {

double G(int h, int m) { return (h * 60 + m) / 1440.0; }

// A day of trains from the three lines, every few minutes from 4:00 to midnight.
void Rozklad(TRozkladJazdy& rozklad, int ile)
{
    const char* wloty[] = {"wOlsz", "wBrz", "wWirowa"};
    const char* wyloty[] = {"wBrz", "wOlsz", "wOlsz"};
    for (int i = 0; i < ile; ++i) {
        auto t = std::make_unique<TPociag>();
        t->SetNumer(std::to_string(34100 + i));
        t->SetWjezdza(wloty[i % 3]);
        t->SetWyjezdza(wyloty[i % 3]);
        const double przyjazd = G(4, 5) + (G(23, 50) - G(4, 5)) * i / ile;
        t->SetPrzyjazd(przyjazd);
        t->SetOdjazd(przyjazd + G(0, 4));
        t->SetSkladRozkladowy("s1222");
        rozklad.Rozklad.Append(std::move(t));
    }
}

void KrokZatloczonejStacji(benchmark::State& stan)
{
    TSrodowiskoTestowe s;
    Rozklad(s.Rozklad, 150);
    TSymulacjaStacji sym(s.Uslugi, s.Rozklad);
    sym.CzasSymulacji = G(12, 0);
    sym.Pokaz();
    TSilnikSymulacji& silnik = sym.Silnik();
    std::vector<TPociag*> jadace;
    const auto postaw = [&](const char* punkt, bool jedzie) {
        auto t = std::make_unique<TPociag>();
        t->SetSklad("s+122");
        t->Kierunek = stPrawy;
        t->SetPoPrzyjezdzie(true);
        TPociag* p = silnik.Przyjmij(std::move(t));
        sym.Stacja().Znajdz<TPunkt>(punkt)->SetPociag(p);
        if (jedzie)
            jadace.push_back(p);
    };
    for (const char* p : {"p1", "p2", "pB1", "pB2", "b1", "pM1", "pM2"})
        postaw(p, false);
    for (const char* p : {"Tor14", "Tor7", "Tor23"})
        postaw(p, true);
    for (auto _ : stan) {
        for (TPociag* t : jadace)
            t->StanJazdy = tStanJazdy::jazda;
        silnik.KrokSymulacji();
    }
}

void CalyDzien(benchmark::State& stan)
{
    for (auto _ : stan) {
        stan.PauseTiming();
        auto s = std::make_unique<TSrodowiskoTestowe>();
        Rozklad(s->Rozklad, static_cast<int>(stan.range(0)));
        auto sym = std::make_unique<TSymulacjaStacji>(s->Uslugi, s->Rozklad);
        stan.ResumeTiming();
        sym->Pokaz();
        for (int i = 0; i < 17280; ++i)
            sym->Tyknij();
        benchmark::DoNotOptimize(sym->Dziennik().Score());
        stan.PauseTiming();
        sym.reset();
        s.reset();
        stan.ResumeTiming();
    }
}

// The train list's share of a tick with a day of 120 trains (goal: under 0.2 ms): the tick itself is
// not timed, only bringing the list up to date after it. The day runs on through midnight.
void ListaPociagowNaTyk(benchmark::State& stan)
{
    TSrodowiskoTestowe s;
    Rozklad(s.Rozklad, 120);
    TSymulacjaStacji sym(s.Uslugi, s.Rozklad);
    sym.CzasSymulacji = G(8, 0);
    sym.Pokaz();
    TListaPociagow lista(sym);
    lista.Odswiez();
    std::size_t zmienione = 0;
    for (auto _ : stan) {
        stan.PauseTiming();
        sym.Tyknij();
        stan.ResumeTiming();
        lista.Odswiez();
        zmienione += lista.Zmienione().size();
    }
    stan.counters["wiersze"] = static_cast<double>(lista.Wiersze().size());
    stan.counters["zmienione/tyk"] = benchmark::Counter(static_cast<double>(zmienione), benchmark::Counter::kAvgIterations);
}

// Every row made afresh, as after midnight or when a unit is split off.
void ListaPociagowOdNowa(benchmark::State& stan)
{
    TSrodowiskoTestowe s;
    Rozklad(s.Rozklad, 120);
    TSymulacjaStacji sym(s.Uslugi, s.Rozklad);
    sym.CzasSymulacji = G(4, 0);
    sym.Pokaz();
    for (auto _ : stan) {
        TListaPociagow lista(sym);
        lista.Odswiez();
        benchmark::DoNotOptimize(lista.Wiersze().data());
    }
}

// Restoring a game of the shipped day saved at 23:59 (goal: under half a second). The game is
// played as in the window: the wall clock moves a second each tick, so the file holds a line of it
// for every tick, and the first train of each line is let in over its route.
void WznowienieDnia(benchmark::State& stan)
{
    TSrodowiskoTestowe s;
    const auto csv = CzytajCalyPlik(DRELINKO_SOURCE_DIR "/data/rozklad.csv");
    if (!csv)
        throw std::runtime_error("no data/rozklad.csv");
    TImportCsv dzien = CzytajRozkladCsv(*csv, {"wOlsz", "wBrz", "wWirowa"});
    for (auto& t : dzien.Pociagi)
        s.Rozklad.Rozklad.Append(std::move(t));
    std::string tekst;
    {
        TSymulacjaStacji sym(s.Uslugi, s.Rozklad);
        sym.Akt({"start"});
        sym.Akt({"speed", "20"});
        while (sym.CzasSymulacji < G(23, 59)) {
            s.Zegary.Uplyw(1000);
            sym.Tyknij();
            if (sym.Takty() == 300)
                sym.Akt({"press", "ZatwierdzButton14"});
            if (sym.Takty() == 310)
                sym.Akt({"press", "bSK1"});
        }
        std::string blad;
        tekst = sym.ZapisGry(blad);
    }
    TZegaryReczne zegary;
    TUslugi uslugi{zegary, s.Dzwieki, s.Komunikaty, s.Kursory, s.ZegarScienny, s.Losowanie, s.Ustawienia};
    for (auto _ : stan) {
        TWczytanaGra gra = TSymulacjaStacji::Wczytaj(tekst, uslugi, NazwaPlikuRozkladu());
        if (gra.Symulacja == nullptr)
            throw std::runtime_error(gra.Blad);
        benchmark::DoNotOptimize(gra.Symulacja->Dziennik().Score());
    }
    stan.counters["bajty"] = static_cast<double>(tekst.size());
}

// The shipped day played by the automatic dispatcher as in the window at the fastest speed (the
// wall clock moves 50 ms a tick), saved at 23:59 (goal: at most 60 KB). The record keeps the wall
// clock only where the game reads it.
void ZapisDniaWOknie(benchmark::State& stan)
{
    TSrodowiskoTestowe s;
    const auto csv = CzytajCalyPlik(DRELINKO_SOURCE_DIR "/data/rozklad.csv");
    if (!csv)
        throw std::runtime_error("no data/rozklad.csv");
    for (auto& t : CzytajRozkladCsv(*csv, {"wOlsz", "wBrz", "wWirowa"}).Pociagi)
        s.Rozklad.Rozklad.Append(std::move(t));
    TSymulacjaStacji sym(s.Uslugi, s.Rozklad);
    sym.Stacja().OdtwarzajDzwieki = false;
    sym.Akt({"start"});
    sym.Akt({"speed", "20"});
    sym.Akt({"auto", "on"});
    while (sym.CzasSymulacji < G(23, 59)) {
        s.Zegary.Uplyw(50);
        sym.Tyknij();
    }
    std::size_t bajty = 0;
    for (auto _ : stan) {
        std::string blad;
        bajty = sym.ZapisGry(blad).size();
        if (!blad.empty())
            stan.SkipWithError(blad.c_str());
    }
    stan.counters["bajty"] = static_cast<double>(bajty);
}

// Midnight and closing with a crowded day: every train of the old day is still queued at its entry,
// so midnight drops each with a journal line and queues the new day's, and closing frees them all.
// Both must stay linear in the number of trains.
void PolnocIZamkniecie(benchmark::State& stan)
{
    for (auto _ : stan) {
        stan.PauseTiming();
        auto s = std::make_unique<TSrodowiskoTestowe>();
        Rozklad(s->Rozklad, static_cast<int>(stan.range(0)));
        auto sym = std::make_unique<TSymulacjaStacji>(s->Uslugi, s->Rozklad);
        sym->Pokaz();
        sym->CzasSymulacji = G(23, 59) + 58.0 / 86400;
        stan.ResumeTiming();
        sym->Tyknij();
        benchmark::DoNotOptimize(sym->Dziennik().Linie().size());
        sym.reset();
        stan.PauseTiming();
        s.reset();
        stan.ResumeTiming();
    }
    stan.SetItemsProcessed(stan.iterations() * stan.range(0));
}

// drelinko-rozklad check --graj on a crowded day: the whole day played with the automatic
// dispatcher, most trains waiting at their entries (goal: 0.3 s for 3,000 trains, 1 s for 10,000,
// growing with the trains no faster than they do).
void ProbaZatloczonegoDnia(benchmark::State& stan)
{
    TSrodowiskoTestowe s;
    Rozklad(s.Rozklad, static_cast<int>(stan.range(0)));
    for (auto _ : stan)
        benchmark::DoNotOptimize(ZagrajDzien(s.Rozklad).Punkty);
    stan.SetItemsProcessed(stan.iterations() * stan.range(0));
}

BENCHMARK(KrokZatloczonejStacji);
BENCHMARK(ListaPociagowNaTyk)->Unit(benchmark::kMicrosecond);
BENCHMARK(ListaPociagowOdNowa)->Unit(benchmark::kMicrosecond);
BENCHMARK(WznowienieDnia)->Unit(benchmark::kMillisecond);
BENCHMARK(ZapisDniaWOknie)->Unit(benchmark::kMillisecond);
BENCHMARK(CalyDzien)->Arg(120)->Arg(30000)->Unit(benchmark::kMillisecond);
BENCHMARK(ProbaZatloczonegoDnia)->Arg(3000)->Arg(10000)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(PolnocIZamkniecie)->Arg(1000)->Arg(30000)->Unit(benchmark::kMillisecond);

}  // namespace
