#pragma once

// The driver behind drelinko-sim: the station run from a script of commands.

#include "core/uslugi.h"
#include "core/zegary_reczne.h"

#include <deque>
#include <functional>
#include <iosfwd>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class TElement;
class TRaportDnia;
class TModelRozkladu;
class TRozkladJazdy;
class TSymulacjaStacji;
struct TPozycjaMenu;

// drelinko-sim: runs the station exactly as the game does, without a window, from a script of
// dispatcher commands, printing line by line what the player would see.
class TPrzebiegLekcji;

class TDriverSymulacji {
public:
    // Draws a page of the station (the diagram when `strona` is empty) to a PNG; empty when written,
    // otherwise why the file cannot be written. Given by the program, which has the drawing.
    using Renderowanie = std::function<std::string(const TSymulacjaStacji&, const std::string& plik,
                                                   const std::string& strona, int skala)>;

    // Writes the day's report to a PNG or PDF as the report window exports it; empty when written,
    // otherwise why the file cannot be written. Given by the program, which has the drawing; without
    // it `report` writes CSV only. File names are passed as the script gives their bytes.
    using EksportRaportu = std::function<std::string(const TRaportDnia&, const std::string& plik)>;

    static constexpr int Dobrze = 0;
    static constexpr int BladPliku = 1;
    static constexpr int ZlaLinia = 2;

    TDriverSymulacji(std::ostream& wyjscie, Renderowanie renderowanie);
    ~TDriverSymulacji();

    // Runs the script; the exit status of the program.
    int Wykonaj(std::istream& skrypt);
    void UstawEksportRaportu(EksportRaportu eksport) { eksportRaportu_ = std::move(eksport); }

private:
    class Komunikaty;
    class Dzwieki;
    class Uslugi;

    // The words of a script line after its command word.
    using Argumenty = std::span<const std::string>;

    // One command of the script: its handler and how many arguments it takes. The station closed by
    // `close` refuses every command that does not say it can do without it.
    struct Komenda {
        void (TDriverSymulacji::*wykonaj)(Argumenty);
        std::size_t minArgumentow;
        std::size_t maksArgumentow;
        bool bezStacji = false;
    };
    static const std::map<std::string_view, Komenda>& Komendy();

    void Polecenie(const std::vector<std::string>& slowa);

    // The commands, named as the script writes them.
    void Time(Argumenty);
    void Start(Argumenty);
    void Tick(Argumenty);
    void Until(Argumenty);
    void Wait(Argumenty);
    void Click(Argumenty);
    void DblClick(Argumenty);
    void Press(Argumenty);
    void Answer(Argumenty);
    void Menu(Argumenty);
    void Commands(Argumenty);
    void Show(Argumenty);
    void Trains(Argumenty);
    void Score(Argumenty);
    void Stop(Argumenty);
    void Speed(Argumenty);
    void Sound(Argumenty);
    void Labels(Argumenty);
    void Window(Argumenty);
    void Render(Argumenty);
    void Close(Argumenty);
    void Timetable(Argumenty);
    void Param(Argumenty);
    void Report(Argumenty);
    void Auto(Argumenty);
    void Hint(Argumenty);
    void Lesson(Argumenty);
    void Plan(Argumenty);
    void Clock(Argumenty);
    void Save(Argumenty);
    void Load(Argumenty);
    // A player's act through the station's one way in; a refused act is a bad line.
    void Akt(std::vector<std::string> slowa);
    void PodlaczSymulacje();

    // The sub-commands of `timetable`, the window being open.
    void TimetableFilter(Argumenty);
    void TimetableSelect(Argumenty);
    void TimetableSet(Argumenty);
    void TimetableButton(Argumenty);
    void TimetableClose(Argumenty);
    void WypiszWiersze();
    void WypiszEdytor();

    TElement& ElementDiagramu(const std::string& nazwa) const;
    [[noreturn]] static void Zle(const std::string& powod);

    std::ostream& out_;
    Renderowanie renderowanie_;
    EksportRaportu eksportRaportu_;
    // The game's timers; a loaded game brings its own.
    std::unique_ptr<TZegaryReczne> zegary_;
    std::unique_ptr<Komunikaty> komunikaty_;
    std::unique_ptr<Dzwieki> dzwieki_;
    std::unique_ptr<Uslugi> uslugi_;
    std::unique_ptr<TUslugi> uslugiSymulacji_;
    std::unique_ptr<TRozkladJazdy> rozklad_;
    std::unique_ptr<TSymulacjaStacji> symulacja_;
    // The lesson played, if any: it goes with the run it plays on, before it.
    std::unique_ptr<TPrzebiegLekcji> lekcja_;
    // The open timetable window, none when closed. It is modal: while it is open the station window
    // is not active, and `window` only says what the station window will be once it closes.
    std::unique_ptr<TModelRozkladu> oknoRozkladu_;
    bool oknoStacjiAktywne_ = true;
};
