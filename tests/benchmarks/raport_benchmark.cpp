// The day's report exported as PNG pages and as PDF on a day of 64, 1,000 and 30,000 trains: the
// time, and the peak memory of the whole process during the export.
#include "report/raport_dnia.h"
#include "tests/support/katalog_tymczasowy.h"
#include "ui/canvas/png_paletowy.h"
#include "ui/report/raport_png.h"
#include "ui/report/raport_wykresy.h"
#include "ui/report/rysownik_strony.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <fstream>
#include <string>

namespace {

TRaportDnia Dzien(int ile)
{
    TRaportDnia d;
    d.Poczatek = 4 / 24.0;
    d.Koniec = 1.0;
    for (int i = 0; i < ile; ++i) {
        TPociagRaportu t;
        t.Id = static_cast<std::uint32_t>(i + 1);
        t.Numer = std::to_string(34100 + i);
        t.RelacjaOd = "Olszarzyna";
        t.RelacjaDo = "Brzelany";
        t.PrzyjazdPlan = (245 + (1430 - 245) * static_cast<double>(i) / ile) / 1440.0;
        t.OdjazdPlan = t.PrzyjazdPlan + 4 / 1440.0;
        t.Przyjazd = t.PrzyjazdPlan + (i % 7) / 1440.0;
        t.Odjazd = t.OdjazdPlan + (i % 5) / 1440.0;
        t.Punkty = (i % 5) >= 2 ? -(i % 5) : 2;
        d.Pociagi.push_back(t);
        d.Zajetosc.push_back({std::string(ToryRaportu[static_cast<std::size_t>(i) % ToryRaportu.size()]), t.PrzyjazdPlan,
                              t.OdjazdPlan, t.Numer});
    }
    return d;
}

// The process's peak resident memory is counted from here on (the kernel's high-water mark reset).
void ZerujSzczyt() { std::ofstream("/proc/self/clear_refs") << "5"; }

double SzczytMB()
{
    std::ifstream status("/proc/self/status");
    std::string slowo;
    while (status >> slowo)
        if (slowo == "VmHWM:") {
            double kb = 0;
            status >> kb;
            return kb / 1024.0;
        }
    return 0;
}

void EksportPng(benchmark::State& stan)
{
    const TRaportDnia d = Dzien(static_cast<int>(stan.range(0)));
    TKatalogTymczasowy katalog;
    const std::string plik = katalog.Sciezka("raport.png");
    ZerujSzczyt();
    for (auto _ : stan) {
        const std::string powod = ZapiszRaportPng(d, plik);
        if (!powod.empty())
            stan.SkipWithError(powod.c_str());
    }
    stan.counters["szczyt_MB"] = SzczytMB();
    stan.counters["stron"] = LiczbaStronPng(d);
}

void EksportPdf(benchmark::State& stan)
{
    const TRaportDnia d = Dzien(static_cast<int>(stan.range(0)));
    TKatalogTymczasowy katalog;
    ZerujSzczyt();
    for (auto _ : stan) {
        const std::string powod = ZapiszRaportPdf(d, katalog.Sciezka("raport.pdf"));
        if (!powod.empty())
            stan.SkipWithError(powod.c_str());
    }
    stan.counters["szczyt_MB"] = SzczytMB();
}

// The charts' page, which the report window's charts share.
void StronaWykresow(benchmark::State& stan)
{
    const TRaportDnia d = Dzien(static_cast<int>(stan.range(0)));
    QImage obraz(StronaPng.size().toSize(), QImage::Format_RGB32);
    for (auto _ : stan) {
        QPainter p(&obraz);
        p.setRenderHint(QPainter::Antialiasing);
        RysujStroneRaportu(p, d, StronaPng, 0);
    }
}

// A page of the table drawn into a palette picture, and that picture written as PNG.
void StronaTabeli(benchmark::State& stan)
{
    const TRaportDnia d = Dzien(30000);
    TRysownikPaletowy rysownik(StronaPng.size().toSize(), StronaPng.width() / 90.0);
    for (auto _ : stan) {
        rysownik.NowaStrona();
        RysujStroneTabeli(rysownik, d, StronaPng, 5);
        benchmark::DoNotOptimize(rysownik.Obraz().constBits());
    }
}

void KodowanieStronyTabeli(benchmark::State& stan)
{
    const TRaportDnia d = Dzien(30000);
    TRysownikPaletowy rysownik(StronaPng.size().toSize(), StronaPng.width() / 90.0);
    rysownik.NowaStrona();
    RysujStroneTabeli(rysownik, d, StronaPng, 5);
    const QImage obraz = rysownik.Obraz();
    for (auto _ : stan) {
        const QByteArray png = BajtyPngPaletowe(obraz);
        stan.counters["bajty"] = static_cast<double>(png.size());
    }
}

BENCHMARK(EksportPng)->Arg(64)->Arg(1000)->Arg(30000)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();
BENCHMARK(EksportPdf)->Arg(30000)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();
BENCHMARK(StronaWykresow)->Arg(64)->Arg(1000)->Arg(30000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(StronaTabeli)->Unit(benchmark::kMillisecond);
BENCHMARK(KodowanieStronyTabeli)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication aplikacja(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
