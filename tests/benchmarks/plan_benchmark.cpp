// The plan's cost at 7:00 of the shipped day: the look at the lines every tick (measured 25 ns),
// taking the run's state, which the window does on its own thread (goal: under 20 ms; measured
// 0.24-0.7 ms), and the forecast of the two hours ahead (measured 15-27 ms of processor time, by the
// shared machine's load: near or over what the window's thread may spend at once, so a worker
// thread makes it).
#include "run/plan_stacji.h"
#include "run/symulacja_stacji.h"
#include "tests/support/dzien_z_danych.h"
#include "tests/support/srodowisko_testowe.h"

#include <benchmark/benchmark.h>

namespace {

struct TSiodma {
    TSrodowiskoTestowe Srodowisko;
    std::unique_ptr<TSymulacjaStacji> Symulacja;

    TSiodma()
    {
        DzienZDanych(Srodowisko.Rozklad);
        Srodowisko.Rozklad.ZapiszRozklad();
        Symulacja = std::make_unique<TSymulacjaStacji>(Srodowisko.Uslugi, Srodowisko.Rozklad);
        Symulacja->Stacja().OdtwarzajDzwieki = false;
        Symulacja->Akt({"time", "7:00"});
        Symulacja->Akt({"start"});
    }
};

TSiodma& Siodma()
{
    static TSiodma s;
    return s;
}

void StanDoPlanuOSiodmej(benchmark::State& stan)
{
    const TSymulacjaStacji& sym = *Siodma().Symulacja;
    for (auto _ : stan)
        benchmark::DoNotOptimize(StanDoPlanu(sym, nullptr));
}

void PlanDwochGodzinOdSiodmej(benchmark::State& stan)
{
    const TStanDoPlanu wejscie = StanDoPlanu(*Siodma().Symulacja, nullptr);
    std::size_t odcinkow = 0;
    for (auto _ : stan)
        odcinkow = Planuj(wejscie).Odcinki.size();
    stan.counters["odcinkow"] = static_cast<double>(odcinkow);
}

// What the window adds to every tick, shown or not: a look at the three lines.
void ProbkaLiniiOSiodmej(benchmark::State& stan)
{
    TSymulacjaStacji& sym = *Siodma().Symulacja;
    TProbnikLinii linie(sym.Stacja());
    const double czas = sym.Raporty().Czas(sym.CzasSymulacji);
    for (auto _ : stan)
        linie.Probkuj(czas);
    stan.counters["odcinkow"] = static_cast<double>(linie.Odcinki().size());
}

}  // namespace

BENCHMARK(ProbkaLiniiOSiodmej)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime();
BENCHMARK(StanDoPlanuOSiodmej)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(PlanDwochGodzinOdSiodmej)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
