// How long the timetable takes to read and write: the game reads it once per day's preparation and
// writes it after every edit in the timetable window, so both must stay far below a frame.
#include "core/wkt_generic.h"
#include "core/wkt_stream.h"
#include "trains/pociag.h"
#include "trains/rozklad_csv.h"

#include <benchmark/benchmark.h>

namespace {

std::unique_ptr<tWktGenericList> Rozklad(int ile)
{
    auto lista = std::make_unique<tWktGenericList>();
    for (int i = 0; i < ile; ++i) {
        auto t = std::make_unique<TPociag>();
        t->SetNumer(std::to_string(34100 + i));
        t->SetRelacjaOd("Przełęcz");
        t->SetRelacjaDo("Morzyn Gł.");
        t->SetSkladRozkladowy("p1222");
        t->SetWjezdza("wOlsz");
        t->SetWyjezdza("wWirowa");
        t->SetOpis("pospieszny „Żuraw”");
        t->SetPrzyjazd(i / 1440.0);
        t->SetOdjazd((i + 3) / 1440.0);
        lista->Append(std::move(t));
    }
    return lista;
}

void ZapisRozkladu(benchmark::State& stan)
{
    ZarejestrujPociag();
    const auto lista = Rozklad(static_cast<int>(stan.range(0)));
    for (auto _ : stan) {
        tWktStream s;
        lista->Store(s);
        benchmark::DoNotOptimize(s.Bytes().data());
    }
    stan.SetItemsProcessed(stan.iterations() * stan.range(0));
}

void OdczytRozkladu(benchmark::State& stan)
{
    ZarejestrujPociag();
    tWktStream zapis;
    Rozklad(static_cast<int>(stan.range(0)))->Store(zapis);
    for (auto _ : stan) {
        tWktStream s(zapis.Bytes());
        tWktGenericList lista;
        lista.Load(s);
        benchmark::DoNotOptimize(lista.Count());
    }
    stan.SetItemsProcessed(stan.iterations() * stan.range(0));
}

void EksportCsv(benchmark::State& stan)
{
    const auto lista = Rozklad(static_cast<int>(stan.range(0)));
    for (auto _ : stan)
        benchmark::DoNotOptimize(ZapiszRozkladCsv(*lista));
    stan.SetItemsProcessed(stan.iterations() * stan.range(0));
}

BENCHMARK(ZapisRozkladu)->Arg(100)->Arg(5000);
BENCHMARK(OdczytRozkladu)->Arg(100)->Arg(5000);
BENCHMARK(EksportCsv)->Arg(5000);

}  // namespace
