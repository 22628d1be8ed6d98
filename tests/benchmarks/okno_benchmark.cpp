// The window's drawing: a full repaint of the diagram (goal: under 2 ms) and appending journal
// lines (the cost after 50,000 lines within 1.5 times the cost after 100).
#include "simulation/dziennik.h"
#include "simulation/symulacja_stacji.h"
#include "tests/support/srodowisko_testowe.h"
#include "ui/diagram.h"
#include "ui/dziennik_widok.h"
#include "ui/qplotno.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

void RysowanieDiagramu(benchmark::State& stan)
{
    TSrodowiskoTestowe s;
    s.Rozklad.ZapiszRozklad();
    TSymulacjaStacji sym(s.Uslugi, s.Rozklad);
    TDiagram diagram(sym);
    QImage obraz(diagram.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : stan) {
        diagram.render(&obraz);
        benchmark::DoNotOptimize(obraz.bits());
    }
}

void DopisywanieDoDziennika(benchmark::State& stan)
{
    TDziennikWidok widok;
    TLiniaDziennika linia{-10, "Brak ustawionego przebiegu dla pociagu.", "Punkt Tor13, pociąg osobowy.", 0.3, 46000.5, false};
    for (int i = 0; i < stan.range(0); ++i)
        widok.Dodaj(linia);
    for (auto _ : stan)
        widok.Dodaj(linia);
}

BENCHMARK(RysowanieDiagramu)->Unit(benchmark::kMicrosecond);
BENCHMARK(DopisywanieDoDziennika)->Arg(100)->Arg(50000)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication aplikacja(argc, argv);
    ZaladujCzcionki();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
