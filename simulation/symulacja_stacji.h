#pragma once

#include "core/uslugi.h"
#include "simulation/dziennik.h"
#include "simulation/dyspozytor.h"
#include "simulation/linia_startowa.h"
#include "simulation/raport_dnia.h"
#include "simulation/silnik.h"
#include "station/stacja.h"

#include <cstdint>
#include <exception>
#include <functional>
#include <string>

class TRozkladJazdy;

// What the station window does that is not drawing: it holds the station built from the layout,
// the simulation, the simulated clock, the journal with the score, and the window's duties at
// showing, on every timer tick, and at closing. The game's window shows it; the headless driver
// runs it.
class TSymulacjaStacji {
public:
    static constexpr double GodzinaStartu = 4.0 / 24.0;
    static constexpr int SzybkoscPoczatkowa = 5;
    // A refused route: the point where its walk stopped blinks this long, in this colour.
    static constexpr int CzasMiganiaZatrzymania = 2000;
    static constexpr TKolor KolorZatrzymania{255, 0, 255};
    // Where the start window keeps the start hour.
    static constexpr const char* KluczStartu = TLiniaStartowa::Klucz;
    static constexpr const char* NazwaGodzinyStartu = TLiniaStartowa::GodzStartu;

    TSymulacjaStacji(TUslugi& uslugi, TRozkladJazdy& rozklad);

    TStacja& Stacja() { return stacja_; }
    const TStacja& Stacja() const { return stacja_; }
    TDziennik& Dziennik() { return dziennik_; }
    const TDziennik& Dziennik() const { return dziennik_; }
    TSilnikSymulacji& Silnik() { return silnik_; }
    const TSilnikSymulacji& Silnik() const { return silnik_; }
    // The day's report: the running day and the last finished one.
    const TRaporty& Raporty() const { return raporty_; }
    TKomunikaty& Komunikaty() { return uslugi_.Komunikaty; }
    // The automatic dispatcher, off until switched on; it acts at the start of every tick.
    TAutomatycznyDyspozytor& Dyspozytor() { return dyspozytor_; }
    // The program's timetable, from which the run's days are made and which the timetable window edits.
    TRozkladJazdy& Rozklad() { return rozklad_; }

    // The simulated clock: a time of day as a fraction of a day.
    double CzasSymulacji = GodzinaStartu;
    // Simulated seconds added by one tick.
    int SekIncrement = 5;

    // What holds the ticks back: the window or the application not active, STOP pressed, the train
    // menu open.
    bool OknoAktywne = true;
    bool Stop = false;
    bool Wstrzymany = false;

    // Showing the window: prepare the day, the opening line, the speed, one tick without the clock.
    void Pokaz();
    bool Pokazane() const { return pokazane_; }
    // One tick of the window's timer.
    void Tyknij();
    // The speed slider, 1 to 100 (0 counts as 1): the timer's interval and the message in the hint
    // line.
    void UstawSzybkosc(int pozycja);
    int Szybkosc() const { return szybkosc_; }
    int Interwal() const { return interwal_; }
    // Clicks on the digital clock: one minute on, fourteen more on a double click; not wrapped.
    void KliknijZegar() { CzasSymulacji += 1.0 / 1440; }
    void DwuklikZegara() { CzasSymulacji += 14.0 / 1440; }
    // Closing: the start hour for next time, unless the day is nearly over.
    void Zamknij();

    // A journal entry: the description's line breaks become " • ", the line is stamped with the
    // simulated clock and its points go to the score.
    void DodajDoDziennika(std::int32_t punkty, const std::string& tekst, const std::string& opis, TOcena ocena = {});
    // A tip from "info.txt" at most every five minutes of real time.
    void PokazPorade();

    // An exception that reached the event loop: a dispatcher's fault is shown in the timed warning
    // and written to the journal with its points; anything else is shown in a message box.
    void ObsluzWyjatek(std::exception_ptr wyjatek);
    template <typename F>
    void Wykonaj(F&& akt)
    {
        try {
            akt();
        } catch (...) {
            ObsluzWyjatek(std::current_exception());
        }
    }

    // What the window shows besides the diagram.
    std::string LinijkaPodpowiedzi;   // lbNazwa
    std::string StatusCzasBiezacy;    // status panel 2
    std::string StatusCzasSymulacji;  // status panel 3
    std::string StatusTekst, StatusOpis;  // status panels 4 and 5
    std::string EtykietaCzasu() const;     // lbCzas, "hh:mm"
    std::string EtykietaSekund() const;    // lbCzasSek, ":ss"
    const std::string& LicznikPociagow() const { return licznikPociagow_; }
    // Told whenever the hint line takes a new text, and after every tick.
    std::function<void(const std::string&)> OnPodpowiedz;
    std::function<void()> OnTyk;

private:
    TUslugi& uslugi_;
    TRozkladJazdy& rozklad_;
    TStacja stacja_;
    TDziennik dziennik_;
    TSilnikSymulacji silnik_;
    TRaporty raporty_;
    std::array<const TPunkt*, ToryRaportu.size()> toryRaportu_{};
    TAutomatycznyDyspozytor dyspozytor_{*this};
    bool pokazane_ = false;
    int szybkosc_ = SzybkoscPoczatkowa;
    int interwal_ = 1000;
    int licznikTag_ = 555555;
    std::string licznikPociagow_;
    double ostatniaPorada_ = 0.0;

    void ZdarzenieZegara();
    void UstawPodpowiedz(const std::string& tekst);
};

// Every CR LF (or lone LF) of the text replaced by " • ".
std::string JednaLiniaDziennika(const std::string& tekst);
