#pragma once

// The station run (TSymulacjaStacji): the station, the engine, the clock, the journal and the record of
// the game, which the window shows and the headless driver runs.

#include "assistant/dyspozytor.h"
#include "core/uslugi.h"
#include "record/uslugi_zapisu.h"
#include "record/zapis_gry.h"
#include "report/raport_dnia.h"
#include "simulation/dziennik.h"
#include "simulation/linia_startowa.h"
#include "simulation/silnik.h"
#include "station/stacja.h"

#include <cstdint>
#include <deque>
#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class TRozkladJazdy;
class TSymulacjaStacji;

// A game read from its file: the station as it was when saved, or why the file was refused.
struct TWczytanaGra {
    std::unique_ptr<TSymulacjaStacji> Symulacja;
    std::string Blad;
    // Answers queued for questions still to come (drelinko-sim's `answer` before the save).
    std::deque<tOdpowiedz> Odpowiedzi;
};

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
    ~TSymulacjaStacji();

    TStacja& Stacja() { return stacja_; }
    const TStacja& Stacja() const { return stacja_; }
    TDziennik& Dziennik() { return dziennik_; }
    const TDziennik& Dziennik() const { return dziennik_; }
    TSilnikSymulacji& Silnik() { return silnik_; }
    const TSilnikSymulacji& Silnik() const { return silnik_; }
    // The day's report: the running day and the last finished one.
    const TRaporty& Raporty() const { return raporty_; }
    TKomunikaty& Komunikaty() { return uslugi_.Komunikaty; }
    // The day's disturbances, given before `start`: a level and the seed the player chose, if any;
    // without one the game draws it from the wall clock. A loaded game keeps its own.
    void UstawUtrudnienia(int poziom, std::optional<std::uint64_t> ziarno);
    const TUtrudnienia& Utrudnienia() const { return silnik_.Utrudnienia; }
    // The automatic dispatcher, off until switched on; it acts at the start of every tick.
    TAutomatycznyDyspozytor& Dyspozytor() { return dyspozytor_; }
    // A dispatcher of the hint's own, for every line, which only advises: planned on first use and
    // again each day. It is no part of the game: a loaded game plans it afresh.
    TAutomatycznyDyspozytor& Doradca();
    // The program's timetable, from which the run's days are made and which the timetable window edits.
    TRozkladJazdy& Rozklad() { return rozklad_; }
    const TRozkladJazdy& Rozklad() const { return rozklad_; }

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
    // Closing: the start hour for next time, unless the day is nearly over, and only for a game of
    // the player's.
    void Zamknij();
    // A game shown rather than played (the start window's demo): it keeps nothing of the player's,
    // neither the start hour nor the kept game nor the window's settings.
    bool Pokazowa = false;
    // Whether what closing keeps is the player's: not for a demo, nor for a game still played back
    // (one taken over is the player's from then on).
    bool GraGracza() const { return !Pokazowa && !Odtwarzana(); }

    // The one way in of the player's acts, each written as drelinko-sim's command: `start`, `time
    // H:MM[:SS]`, `clock click|dblclick`, `click NAME`, `dblclick NAME`, `press NAME`, `menu NAME
    // ITEM [SUBITEM]`, `commands ITEM [SUBITEM]`, `stop on|off`, `speed P`, `sound on|off`, `labels on|off`,
    // `window active|inactive`, `journal clear`. The act is done and written into the game's record; an act
    // that cannot be done changes nothing and answers why.
    std::string Akt(const std::vector<std::string>& slowa);
    // Real time passing for the elements' own timers on manual timers (drelinko-sim's `wait`).
    void UzyjZegarowRecznych(TZegaryReczne& zegary) { zapis_.UzyjZegarowRecznych(zegary); }
    void Czekaj(std::int64_t ms)
    {
        zapis_.Czekaj(ms);
        PoZdarzeniu();
    }
    // The timetable was changed during the game; the change goes into the record, as the next day
    // is made from it.
    void ZapiszZmianeRozkladu();
    // Ticks that have moved the clock since the start.
    std::int64_t Takty() const { return takty_; }
    // The game's state as a checkpoint holds it: a full account of everything the game goes on
    // from, line by line (the tests compare games by it).
    TWierszeStanu StanGry() const;
    // The ticks run by the game's last checkpoint, which a save goes on from (0: the start).
    std::int64_t TaktPunktuKontrolnego() const { return gra_.TaktPunktu; }

    // The whole game as its file holds it, with answers still waiting for their questions; empty,
    // with `blad` set, when the game cannot be saved (not started yet).
    std::string ZapisGry(std::string& blad, const std::deque<tOdpowiedz>& oczekujace = {});
    // Saves it to the file in one step (a temporary file renamed over it). False, with `blad` set,
    // when it was not saved; the file then stays as it was.
    bool ZapiszGre(const std::string& plik, std::string& blad, const std::deque<tOdpowiedz>& oczekujace = {});
    // Rebuilds a saved game: the whole file is checked first, then its inputs are replayed on a new
    // station without sounds, boxes or waiting. The timetable is the game's own, saved under
    // `plikRozkladu` when the timetable window changes it. Given manual timers, the game's timers
    // run on them (drelinko-sim); otherwise they go over to the services' own at the end. A refused
    // file changes nothing.
    static TWczytanaGra Wczytaj(std::string_view tekst, TUslugi& uslugi, const std::string& plikRozkladu,
                                TZegaryReczne* reczne = nullptr);
    static TWczytanaGra WczytajPlik(const std::string& plik, TUslugi& uslugi, const std::string& plikRozkladu,
                                    TZegaryReczne* reczne = nullptr);

    // Plays a saved game back from its start, one tick at a time, for the player to watch: the whole
    // file is checked first, then each KrokOdtwarzania replays the inputs up to the next tick and
    // the tick. Meanwhile the player's acts are refused; Przejmij makes the game the player's from
    // where the playback stands, the rest of the record dropped. The end of the record hands it
    // over too.
    static TWczytanaGra Odtwarzaj(std::string_view tekst, TUslugi& uslugi, const std::string& plikRozkladu);
    bool Odtwarzana() const { return odtwarzany_ != nullptr; }
    // False at the end of the record, or on a fault, with `blad` set.
    bool KrokOdtwarzania(std::string& blad);
    // How many of the player's acts (and timetable changes) have been replayed so far; the clock
    // readings, draws and timer firings between them are not counted.
    std::size_t OdtworzoneAkty() const { return odtworzoneAkty_; }
    void Przejmij();

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
    // Told after every act of the player's, taken or refused, with its words.
    std::function<void(const std::vector<std::string>&)> PoAkcie;

private:
    friend class TPunktKontrolny;
    TSymulacjaStacji(TUslugi& uslugi, TRozkladJazdy* rozklad, std::unique_ptr<TRozkladJazdy> wlasny);
    std::string WykonajAkt(const std::vector<std::string>& slowa);
    void ZapiszWejscie(std::vector<std::string> slowa);
    void ZapiszStanOkna();
    void UstawUtrudnieniaSilnika();
    std::vector<std::uint8_t> BajtyRozkladu() const;
    std::string Odtworz(const TZapisGry& gra);
    void ZacznijOdtwarzanie(const TZapisGry& gra);
    std::string PrzywrocPunkt(const TZapisGry& zapis);
    std::string OdtworzWejscie(const TWejscieGry& w);
    void ZakonczOdtwarzanie(std::vector<TWejscieGry> wejscia);
    std::string AktGracza(const std::vector<std::string>& slowa);
    bool DoTaktu(std::int64_t takt);
    // Between events: a checkpoint at the start of a day, or when the inputs since the last one
    // come near a limit of the file.
    void PoZdarzeniu();
    void ZrobPunktKontrolny();
    static std::unique_ptr<TSymulacjaStacji> NowaDoOdtworzenia(const TZapisGry& zapis, TUslugi& uslugi,
                                                               const std::string& plikRozkladu, std::string& blad);

    // A loaded game's own timetable.
    std::unique_ptr<TRozkladJazdy> wlasnyRozklad_;
    // The services as the record sees them; the station is given these.
    TUslugiZapisu zapis_;
    TUslugi& uslugi_;
    TRozkladJazdy& rozklad_;
    TStacja stacja_;
    TDziennik dziennik_;
    TSilnikSymulacji silnik_;
    TRaporty raporty_;
    std::array<const TPunkt*, ToryRaportu.size()> toryRaportu_{};
    TAutomatycznyDyspozytor dyspozytor_{
        TWidokRuchu{stacja_, silnik_, CzasSymulacji, Wstrzymany, [this](const std::function<void()>& akt) { Wykonaj(akt); }}};
    std::unique_ptr<TAutomatycznyDyspozytor> doradca_;
    bool wstrzymanyDoradcy_ = false;
    bool pokazane_ = false;
    int szybkosc_ = SzybkoscPoczatkowa;
    int interwal_ = 1000;
    int licznikTag_ = 555555;
    std::string licznikPociagow_;
    double ostatniaPorada_ = 0.0;
    // The record of the game so far.
    TZapisGry gra_;
    // The seed the player chose for the next start, if any.
    std::optional<std::uint64_t> ziarnoGracza_;
    std::int64_t takty_ = 0;
    bool zapisaneOknoAktywne_ = true;
    std::vector<std::uint8_t> zapisanyRozklad_;
    std::string bladRozkladu_;
    // The record played back step by step, and how far.
    std::unique_ptr<TZapisGry> odtwarzany_;
    std::size_t odtworzone_ = 0;
    std::size_t odtworzoneAkty_ = 0;
    // What has gathered since the last checkpoint; replaying, the first input after it.
    bool nowyDzien_ = false;
    bool robiePunkt_ = false;
    std::size_t bajtyRozkladowOdPunktu_ = 0;
    std::int64_t czekanieOdPunktu_ = 0;
    std::size_t poczatekOdtwarzanych_ = 0;

    void ZdarzenieZegara();
    void UstawPodpowiedz(const std::string& tekst);
};

// Every CR LF (or lone LF) of the text replaced by " • ".
std::string JednaLiniaDziennika(const std::string& tekst);
