// Saving and loading a long game: a year of the shipped timetable played by the automatic
// dispatcher (made once, before the first measurement: about 80 s of one core). Loading
// restores the last midnight's checkpoint and replays at most the day since, so its cost does not
// grow with the game (goal: under 1 s of processor time; measured 0.21 s, the file 9.9 MB, most
// of it the year's journal).
#include "run/symulacja_stacji.h"
#include "tests/support/dzien_z_danych.h"
#include "tests/support/srodowisko_testowe.h"

#include <benchmark/benchmark.h>


namespace {

struct TRokGry {
    TSrodowiskoTestowe Srodowisko;
    std::unique_ptr<TSymulacjaStacji> Symulacja;

    TRokGry()
    {
        DzienZDanych(Srodowisko.Rozklad);
        Srodowisko.Rozklad.ZapiszRozklad();
        Symulacja = std::make_unique<TSymulacjaStacji>(Srodowisko.Uslugi, Srodowisko.Rozklad);
        Symulacja->UzyjZegarowRecznych(Srodowisko.Zegary);
        Symulacja->Akt({"start"});
        Symulacja->Akt({"auto", "on"});
        // 365 days and half of the next, so that the save holds half a day of inputs.
        for (std::int64_t i = 0; i < 365 * 17280 + 8640; ++i) {
            Symulacja->Tyknij();
            if (i % 1000 == 0)
                Symulacja->Czekaj(1300);
        }
    }
};

TRokGry& Rok()
{
    static TRokGry rok;
    return rok;
}

void ZapisRokuGry(benchmark::State& stan)
{
    TSymulacjaStacji& sym = *Rok().Symulacja;
    std::size_t bajtow = 0;
    for (auto _ : stan) {
        std::string blad;
        bajtow = sym.ZapisGry(blad).size();
        if (!blad.empty())
            stan.SkipWithError(blad.c_str());
    }
    stan.counters["bajtow"] = static_cast<double>(bajtow);
}

void WczytanieRokuGry(benchmark::State& stan)
{
    std::string blad;
    const std::string tekst = Rok().Symulacja->ZapisGry(blad);
    for (auto _ : stan) {
        TSrodowiskoTestowe b;
        TWczytanaGra gra = TSymulacjaStacji::Wczytaj(tekst, b.Uslugi, NazwaPlikuRozkladu(), &b.Zegary);
        if (gra.Symulacja == nullptr)
            stan.SkipWithError(gra.Blad.c_str());
    }
}

}  // namespace

BENCHMARK(ZapisRokuGry)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(WczytanieRokuGry)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
