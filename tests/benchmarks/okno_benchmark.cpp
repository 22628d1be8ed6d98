// The window's drawing: a full repaint of the diagram and appending journal lines (the cost after
// 50,000 lines within 1.5 times the cost after 100, also with the pane shown); and long play in it:
// its memory over days and resuming a game of a month.
#include "run/symulacja_stacji.h"
#include "simulation/dziennik.h"
#include "tests/support/dzien_z_danych.h"
#include "tests/support/okno_testowe.h"
#include "tests/support/srodowisko_testowe.h"
#include "ui/canvas/qplotno.h"
#include "ui/station/diagram.h"
#include "ui/station/lista_pociagow_widok.h"
#include "ui/station/okno_stacji.h"
#include "ui/text/dziennik_widok.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QScrollBar>

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <fstream>
#include <stdexcept>
#include <string>

namespace {

// A day of trains spread from 4:05 to 23:50, coming from each line in turn and leaving to the next.
void DzienPociagow(TRozkladJazdy& rozklad, int ile)
{
    const char* wloty[] = {"wOlsz", "wBrz", "wWirowa"};
    for (int i = 0; i < ile; ++i) {
        auto t = std::make_unique<TPociag>();
        t->SetNumer(std::to_string(34100 + i));
        t->SetWjezdza(wloty[i % 3]);
        t->SetWyjezdza(wloty[(i + 1) % 3]);
        const double przyjazd = (245 + (1430 - 245) * i / ile) / 1440.0;
        t->SetPrzyjazd(przyjazd);
        t->SetOdjazd(przyjazd + 4 / 1440.0);
        t->SetSkladRozkladowy("s1222");
        rozklad.Rozklad.Append(std::move(t));
    }
}

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

// The train list shown with a day of 120 trains: bringing its model up to date after a tick, the
// view told of the changed cells and repainting them (goal: under 0.2 ms a tick), in the day's order
// (0) and sorted by delay (1), where a changed delay moves rows; (2) only handles the events, the
// floor of the other two. The tick itself is not timed.
void ListaPociagowWidokNaTyk(benchmark::State& stan)
{
    TSrodowiskoTestowe s;
    DzienPociagow(s.Rozklad, 120);
    TSymulacjaStacji sym(s.Uslugi, s.Rozklad);
    sym.CzasSymulacji = 8 / 24.0;
    sym.Pokaz();
    TListaPociagowWidok widok(sym);
    widok.resize(700, 300);
    if (stan.range(0) == 1)
        widok.sortByColumn(TModelPociagow::kOpoznienie, Qt::DescendingOrder);
    widok.show();
    QApplication::processEvents();
    for (auto _ : stan) {
        stan.PauseTiming();
        sym.Tyknij();
        stan.ResumeTiming();
        if (stan.range(0) != 2)
            widok.Odswiez();
        QApplication::processEvents();
    }
}

// The pane as the player sees it: shown at the width of the station window, every line laid out
// and painted before the next comes, as the window's event loop does between ticks. The lines
// differ as a day's do: the times move on, the trains and the messages change.
TLiniaDziennika LiniaKary(int n)
{
    static const char* const teksty[] = {"Brak ustawionego przebiegu dla pociagu.", "Pociąg zatrzymany przed semaforem.",
                                         "Przetrzymany pociąg.", "Odjazd z opóźnieniem."};
    static const char* const relacje[] = {"Olszarzyna - Brzelany", "Wirowa - Chrostowo", "Brzelany - Olszarzyna"};
    const std::string opis = "Punkt Tor" + std::to_string(10 + n % 17) + ", pociąg osobowy " + std::to_string(34101 + n % 120) +
                             " " + relacje[n % 3] + ".";
    return {-10 * (n % 3), teksty[n % 4], opis, 0.3 + n / 8640.0, 46000.5 + n * 7.3, false};
}

void PokazDziennik(TDziennikWidok& widok)
{
    widok.resize(780, 160);
    widok.show();
    QApplication::processEvents();
}

void DopisywanieDoDziennikaWidocznego(benchmark::State& stan)
{
    TDziennikWidok widok;
    int n = 0;
    for (; n < stan.range(0); ++n)
        widok.Dodaj(LiniaKary(n));
    PokazDziennik(widok);
    for (auto _ : stan) {
        widok.Dodaj(LiniaKary(n++));
        QApplication::processEvents();
    }
}

// Midnight with a long timetable writes a line for every train the old day leaves behind, all in
// one tick: the burst is laid out and painted once.
void SeriaTysiacaLinii(benchmark::State& stan)
{
    TDziennikWidok widok;
    PokazDziennik(widok);
    int n = 0;
    for (auto _ : stan) {
        for (int i = 0; i < 1000; ++i)
            widok.Dodaj(LiniaKary(n++));
        QApplication::processEvents();
    }
}

// The station window shown at the size of a small screen, at its fastest speed, its ticks made by
// the benchmark rather than by its timer.
void PokazNaNajwiekszejSzybkosci(TOknoTestowe& okno)
{
    okno.resize(1024, 700);
    okno.show();
    okno.Zegar()->stop();
    okno.Szybkosc()->setValue(okno.Szybkosc()->maximum());
}

// A tick of the station window shown at the fastest speed with nothing moving, and what it repaints:
// the clock's labels, the status bar's times, now and then a hand of the dial. The window idle so
// is this times twenty ticks a second.
void CichyTykWOknieStacji(benchmark::State& stan)
{
    // The shipped day, as the player has it: its first train comes near four.
    TSrodowiskoTestowe s;
    DzienZDanych(s.Rozklad);
    s.Rozklad.ZapiszRozklad();
    TSymulacjaStacji sym(s.Uslugi, s.Rozklad);
    TOknoTestowe okno(sym);
    PokazNaNajwiekszejSzybkosci(okno);
    sym.CzasSymulacji = 10 / 1440.0;
    QApplication::processEvents();
    for (auto _ : stan) {
        okno.Tyknij();
        QApplication::processEvents();
    }
}

// The tick that crosses midnight in the station window with a long day in which no train was let
// in: every train of the old day leaves a line in the journal, the train list is made afresh, and
// the window shows it all before the next tick. This is the pause the player sees at midnight.
void PolnocWOknieStacji(benchmark::State& stan)
{
    const int ile = static_cast<int>(stan.range(0));
    for (auto _ : stan) {
        stan.PauseTiming();
        auto s = std::make_unique<TSrodowiskoTestowe>();
        DzienPociagow(s->Rozklad, ile);
        s->Rozklad.ZapiszRozklad();
        auto sym = std::make_unique<TSymulacjaStacji>(s->Uslugi, s->Rozklad);
        auto okno = std::make_unique<TOknoTestowe>(*sym);
        okno->resize(1024, 700);
        okno->show();
        okno->Zegar()->stop();
        sym->CzasSymulacji = (1440 - 1) / 1440.0 + 58.0 / 86400;
        QApplication::processEvents();
        const auto linie = okno->Dziennik()->LiczbaLinii();
        stan.ResumeTiming();
        okno->Tyknij();
        QApplication::processEvents();
        stan.PauseTiming();
        stan.counters["linie"] = okno->Dziennik()->LiczbaLinii() - linie;
        okno.reset();
        sym.reset();
        s.reset();
        stan.ResumeTiming();
    }
}

// Bytes the process holds from the allocator.
double ZajetaPamiec()
{
    const struct mallinfo2 m = mallinfo2();
    return static_cast<double>(m.uordblks + m.hblkhd);
}

// A figure of the process's resident memory from /proc, in bytes: "VmRSS:" now, "VmHWM:" its peak
// since the last ZerujSzczyt.
double PamiecProcesu(const char* pole)
{
    std::ifstream status("/proc/self/status");
    std::string slowo;
    while (status >> slowo)
        if (slowo == pole) {
            double kb = 0;
            status >> kb;
            return kb * 1024;
        }
    return 0;
}
void ZerujSzczyt() { std::ofstream("/proc/self/clear_refs") << "5"; }

// The game as the window plays it at its fastest speed: a tick every 50 ms of the wall clock.
void TyknijWOknie(TSrodowiskoTestowe& s, TOknoTestowe& okno)
{
    s.Zegary.Uplyw(50);
    okno.Tyknij();
    QApplication::processEvents();
}

// The station window playing the shipped day with the automatic dispatcher at the fastest speed,
// day after day (goal: what the process holds grows by at most 0.3 MB a day over ten days, taken
// from the end of the first day, when everything made once has been made).
void PamiecOknaPrzezDni(benchmark::State& stan)
{
    const int dni = static_cast<int>(stan.range(0));
    for (auto _ : stan) {
        TSrodowiskoTestowe s;
        DzienZDanych(s.Rozklad);
        s.Rozklad.ZapiszRozklad();
        TSymulacjaStacji sym(s.Uslugi, s.Rozklad);
        TOknoTestowe okno(sym);
        PokazNaNajwiekszejSzybkosci(okno);
        sym.Stacja().OdtwarzajDzwieki = false;
        sym.Akt({"auto", "on"});
        QApplication::processEvents();
        const auto dzien = [&] {
            const int nr = sym.Silnik().Dzien();
            while (sym.Silnik().Dzien() == nr)
                TyknijWOknie(s, okno);
        };
        dzien();
        const double poczatek = ZajetaPamiec(), rss = PamiecProcesu("VmRSS:");
        for (int i = 0; i < dni; ++i)
            dzien();
        stan.counters["MB/dzien"] = (ZajetaPamiec() - poczatek) / dni / 1e6;
        stan.counters["MB/dzien RSS"] = (PamiecProcesu("VmRSS:") - rss) / dni / 1e6;
        stan.counters["MB"] = ZajetaPamiec() / 1e6;
        stan.counters["linie"] = static_cast<double>(sym.Dziennik().Linie().size());
    }
}

// A game of the shipped day played thirty days and a half by the automatic dispatcher, as in the
// window at its fastest speed, saved.
std::string TrzydziesciDni(TSrodowiskoTestowe& s)
{
    TSymulacjaStacji sym(s.Uslugi, s.Rozklad);
    sym.Stacja().OdtwarzajDzwieki = false;
    sym.Akt({"start"});
    sym.Akt({"speed", "20"});
    sym.Akt({"auto", "on"});
    while (sym.Silnik().Dzien() < 30 || sym.CzasSymulacji < 0.5) {
        s.Zegary.Uplyw(50);
        sym.Tyknij();
    }
    std::string blad;
    std::string tekst = sym.ZapisGry(blad);
    if (!blad.empty())
        throw std::runtime_error(blad);
    return tekst;
}

// Resuming that game in the station window: the file read, the game put back and the window shown
// with its journal (goal: at most 0.1 s and 60 MB at the peak, beyond what the process held before).
void WznowienieTrzydziestuDni(benchmark::State& stan)
{
    TSrodowiskoTestowe s;
    DzienZDanych(s.Rozklad);
    s.Rozklad.ZapiszRozklad();
    const std::string tekst = TrzydziesciDni(s);
    double szczyt = 0;
    for (auto _ : stan) {
        stan.PauseTiming();
        TZegaryReczne zegary;
        TUslugi uslugi{zegary, s.Dzwieki, s.Komunikaty, s.Kursory, s.ZegarScienny, s.Losowanie, s.Ustawienia};
        malloc_trim(0);
        const double przedtem = ZajetaPamiec();
        ZerujSzczyt();
        const double rssPrzedtem = PamiecProcesu("VmHWM:");
        stan.ResumeTiming();
        TWczytanaGra gra = TSymulacjaStacji::Wczytaj(tekst, uslugi, NazwaPlikuRozkladu());
        if (gra.Symulacja == nullptr)
            throw std::runtime_error(gra.Blad);
        auto okno = std::make_unique<TOknoTestowe>(*gra.Symulacja);
        okno->resize(1024, 700);
        okno->show();
        okno->Zegar()->stop();
        QApplication::processEvents();
        stan.PauseTiming();
        szczyt = std::max(szczyt, PamiecProcesu("VmHWM:") - rssPrzedtem);
        stan.counters["MB trzyma"] = (ZajetaPamiec() - przedtem) / 1e6;
        okno.reset();
        gra.Symulacja.reset();
        stan.ResumeTiming();
    }
    stan.counters["MB szczyt"] = szczyt / 1e6;
    stan.counters["KB pliku"] = static_cast<double>(tekst.size()) / 1e3;
}

BENCHMARK(RysowanieDiagramu)->Unit(benchmark::kMicrosecond);
BENCHMARK(DopisywanieDoDziennika)->Arg(100)->Arg(50000)->Unit(benchmark::kMicrosecond);
BENCHMARK(ListaPociagowWidokNaTyk)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);
BENCHMARK(DopisywanieDoDziennikaWidocznego)->Arg(100)->Arg(50000)->Unit(benchmark::kMicrosecond);
BENCHMARK(SeriaTysiacaLinii)->Unit(benchmark::kMillisecond);
BENCHMARK(CichyTykWOknieStacji)->Unit(benchmark::kMicrosecond);
BENCHMARK(PolnocWOknieStacji)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(WznowienieTrzydziestuDni)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(PamiecOknaPrzezDni)->Arg(10)->Unit(benchmark::kSecond)->Iterations(1);

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
