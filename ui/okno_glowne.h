#pragma once

// The start window (TeMain), from which the player starts runs, loads and saves games, edits the
// timetable and reads the manual.

#include "simulation/linia_startowa.h"

#include <QMainWindow>
#include <QString>

#include <memory>
#include <optional>

class QAction;
class QLabel;
struct TLekcja;
class TOknoStacji;
class TPrzebiegLekcji;
class TRozkladJazdy;
class TSymulacjaStacji;
struct TUslugi;

// The start window: the welcome text with its command links, the start line with the start hour,
// the picture and the footer, and the menu from which the player starts a run, opens the timetable
// and reaches the manual. A run is one life of a station window, shown modally while this window
// waits minimised.
class TeMain : public QMainWindow {
    Q_OBJECT

public:
    // The services and the timetable are the program's; every run gets them.
    TeMain(TUslugi& uslugi, TRozkladJazdy& rozklad, QWidget* rodzic = nullptr);
    ~TeMain() override;

    // The client area without the menu bar.
    static constexpr int Szerokosc = 586;
    static constexpr int Wysokosc = 321;
    static constexpr int WysokoscLiniiStartowej = 51;

    TLiniaStartowa& Linia() { return linia_; }
    QLabel* Powitanie() const { return HTMLabel1_; }
    QLabel* LiniaStartowa() const { return rulMain_; }
    QWidget* Obraz() const { return obraz_; }
    // The station window of the run in progress; nullptr between runs.
    TOknoStacji* Stacja() const { return stacja_; }

    // Every command by number: the links of the welcome text and of the start line.
    void Polecenie(int numer);
    // A help request of the program: a command when the code is 777, nothing otherwise.
    void ZadaniePomocy(int kod, int dane);
    // A link of the welcome text, its target read as a decimal number (0, no command, otherwise).
    void HTMLabel1AnchorClick(const QString& cel);
    // A link of the start line: a command link runs its command, the start hour asks for a new one.
    void rulMainAnchorClick(const QString& parametr);
    // The start hour entered as the prompt gives it: checked, stored and shown, or refused with a
    // message and the old value kept.
    void WpiszGodzineStartu(const QString& tekst) { WpiszParametr(TLiniaStartowa::GodzStartu, tekst); }
    // Any editable parameter of the start line so.
    void WpiszParametr(const char* nazwa, const QString& tekst);
    // One run: from 04:00, or from the stored start hour; the demo is a run from 04:00 that the
    // automatic dispatcher plays at the highest speed.
    void Nowy1Click(bool odGodziny, bool pokaz = false);
    // A run from the hour given (a fraction of a day), its station window at a speed of 1 to 100
    // (0: the usual one), as the command line asks; the stored start hour stays as it was.
    void ZacznijOd(double godzina, int szybkosc = 0);
    // "Wznów ostatnią grę": the game kept when the station window last closed, as it was.
    void WznowGre();
    // "&Wczytaj grę...": a saved game the player picks; "&Zapisz grę...": the last game to a file
    // the player names.
    void WczytajGre();
    void ZapiszGre();
    // "Odtwórz zapis...": a saved game played back in the station window from its start.
    void OdtworzZapis();
    // Loads a saved game and runs it; a refused file is told and changes nothing. False when refused.
    bool UruchomZapis(const QString& plik);
    // "&Aktualizacja...": a newer timetable from a file the player picks.
    void Aktualizacja1Click();
    // "Samouczek...": the list of lessons; the one chosen is played in the station window.
    void Samouczek();
    // Plays the lesson in the station window, again from its start while the player asks.
    void Lekcja(const TLekcja& lekcja);
    // The manual in the help window, whose command links the start window follows.
    void PokazInstrukcje();
    // "Nowy dzień...": a day made from a seed and proven playable, kept as the timetable (the old
    // one backed up) or played once on a copy.
    void NowyDzien();

signals:
    // The run's station window exists / has closed and is about to be destroyed.
    void stacjaUtworzona(TOknoStacji* okno);
    void stacjaZamknieta();

protected:
    void showEvent(QShowEvent* e) override;
    // The file to update the timetable from; empty when the player gives up.
    virtual QString PlikAktualizacji();
    // The saved game to load, and the file to save the last game to; empty when the player gives up.
    virtual QString PlikGry();
    virtual QString PlikZapisuGry();
    // The lesson to play from the titles (from 0); -1 when the player gives up.
    virtual int WybierzLekcje(const QStringList& tytuly);
    // The size and seed of a new day; none when the player gives up.
    struct TZamowienieDnia {
        int Pociagow = 0;
        int Ziarno = 0;
    };
    virtual std::optional<TZamowienieDnia> ZamowDzien();
    // What to do with the day made: keep it as the timetable (tak), play it once (nie), or neither.
    enum class tCoZDniem { zachowaj, zagraj, nic };
    virtual tCoZDniem CoZDniem(const QString& opis);

private:
    void ZbudujMenu();
    void PokazLinie();
    // The prompt of an editable parameter: the hour and the seed typed, the level chosen from a list.
    void ZapytajOParametr(const char* nazwa);
    // The demo: a run of a copy of the shipped day that keeps nothing of the player's.
    void Pokaz();
    // One life of a station window for the game; a game the window asks to load meanwhile runs next.
    void Bieg(std::unique_ptr<TSymulacjaStacji> symulacja, bool pokaz = false, int szybkosc = 0);
    std::unique_ptr<TSymulacjaStacji> Wczytaj(const QString& plik);
    // "Pokaż w zapisie": the game's record from a minute before its journal line, in a window of its
    // own above the game's, which waits meanwhile.
    void PokazWZapisie(TSymulacjaStacji& gra, std::size_t linia);
    void OdswiezPozycjeGry();

    TUslugi& uslugi_;
    TRozkladJazdy& rozklad_;
    TLiniaStartowa linia_;
    QLabel* HTMLabel1_ = nullptr;
    QLabel* rulMain_ = nullptr;
    QLabel* stopka_ = nullptr;
    QWidget* obraz_ = nullptr;
    TOknoStacji* stacja_ = nullptr;
    // From the first step of a run to its last: the window is minimised and restored meanwhile.
    bool bieg_ = false;
    QAction* wznow_ = nullptr;
    QAction* zapiszGre_ = nullptr;
    // The lesson of the run, if it is one, and whether the player asked for it again.
    TPrzebiegLekcji* lekcjaBiegu_ = nullptr;
    bool lekcjaOdNowa_ = false;
    // Whether the window has shown once: the lessons are offered only then.
    bool powitany_ = false;
};

// Qt's own dialogs and buttons in Polish, from the translations of the system's Qt; false when they
// are not installed (the buttons are then in English).
bool ZaladujTlumaczeniaQt();
