#pragma once

// The station window (TOknoStacji): the diagram, the button pages, the clocks, the speed and the
// journal of one run.

#include "core/ustawienia.h"
#include "simulation/menu_pociagu.h"
#include "ui/services/qt_uslugi.h"

#include <QMainWindow>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <unordered_set>
#include <utility>
#include <vector>

class QCheckBox;
class QLabel;
class QMenu;
class QScrollArea;
class QScrollBar;
class QSplitter;
class QTabWidget;
class QTimer;
class QToolButton;
class QFrame;
class QScreen;
class TDiagram;
class TDziennikWidok;
class TEtykietaSkrocona;
class TElement;
class TKomponent;
class TListaPociagowWidok;
class TPanelLekcji;
class TPlanWidok;
class TPrzebiegLekcji;
class TPrzyciskElementu;
class TPrzyciskWidok;
class TSymulacjaStacji;
class TZegarWidok;
struct TPodpowiedz;

// The station window: the diagram, the pages of buttons, the clocks, the speed, the journal and
// the score, driven by the station run it shows.
class TOknoStacji : public QMainWindow {
    Q_OBJECT

public:
    // The window's design size: at it everything has its designed size. A larger window scales the
    // whole design as one, by the largest factor the window holds.
    static constexpr QSize RozmiarProjektu{742, 449};

    explicit TOknoStacji(TSymulacjaStacji& symulacja, QWidget* rodzic = nullptr);
    // The scale the window opens at on its first start on the screen; the windows it opens share it.
    static double SkalaPierwszegoStartu(const QScreen& ekran);
    ~TOknoStacji() override;

    TSymulacjaStacji& Symulacja() { return sym_; }
    // The scale of the whole design now, 1 at the design size.
    double SkalaOkna() const { return skala_; }
    TDiagram* Diagram() const { return diagram_; }
    QTimer* Zegar() const { return timer_; }
    TDziennikWidok* Dziennik() const { return dziennik_; }
    // "Pociągi", the train list on the tab beside the journal.
    TListaPociagowWidok* ListaPociagow() const { return pociagi_; }
    QToolButton* PrzyciskStop() const { return bStop_; }
    QLabel* EtykietaScore() const { return lbScore_; }
    TEtykietaSkrocona* EtykietaCzasu() const { return lbCzas_; }
    QScrollBar* Szybkosc() const { return rxSl_; }
    const std::vector<TPrzyciskWidok*>& Przyciski() const { return przyciski_; }
    // Whether ticks may run: this window the active one of the active application.
    virtual bool Aktywne() const;
    // One tick of the window's timer (the timer calls it; tests may too).
    void Tyknij();
    // Builds the train menu of an element as the right click does; nullptr when none opens.
    QMenu* ZbudujMenu(TElement* element);
    // "&Rozkład jazdy...": the timetable window, modal; the trains wait while it is open.
    void PokazRozkladJazdy();
    // Why the clock stands ("pauza: ..."), or empty while it runs; the clock panel shows it.
    QString Pauza() const;
    // "Raport dnia..." / "Raport minionego dnia...": the report window of the running or the last
    // finished day, modal; the trains wait while it is open.
    void PokazRaportDnia(bool miniony);

    // Where closing the window saves the game, for "Wznów ostatnią grę": in the player's data folder.
    static QString PlikAutozapisu();
    // "&Zapisz grę...": the game to a file the player names; false when not saved (told why).
    bool ZapiszGre();
    // "&Wczytaj grę...": a saved game in place of this one. The file is handed to whoever started
    // the run, who loads it (a refused file changes nothing) and answers whether this window is to
    // close for it; the action is hidden while nobody takes it.
    void WczytajGre();
    std::function<bool(const QString& plik)> OnWczytajGre;
    // A game played back ("Odtwórz zapis..."): each tick of the window plays one tick of it at the
    // speed chosen on the slider, STOP pauses it; "&Przejmij grę" makes it the player's from there.
    void PrzejmijGre();
    // "Podpowiedź" (F2): the assistant's next act for the player, its reason on the hint line and
    // what to use framed on the diagram and on the pages, until the player acts or presses Esc.
    void PokazPodpowiedz();
    // Plays a lesson: its panel on a tab beside the journal, its steps checked after every tick and
    // act, its hint in place of the assistant's. "Od nowa" tells `odNowa` and closes the window.
    void UstawLekcje(TPrzebiegLekcji* lekcja, std::function<void()> odNowa);
    void UkryjPodpowiedz();
    bool PodpowiedzWidoczna() const { return podpowiedz_; }
    // "Pokaż w zapisie" on a journal line that cost points, or on a train of the day's report that
    // did: the line (the journal's index) is handed to whoever started the run, who shows the game's
    // record from a minute before it. Offered only while somebody takes it.
    std::function<void(std::size_t linia)> OnPokazWZapisie;
    // A moment of a game shown from its record, for looking only: it cannot be taken over, and it
    // pauses at the end of the record. The hint line says what it shows and what would have avoided
    // it, the advice's element framed.
    void UstawPodglad(const TPodpowiedz& rada, const QString& wstep);
    bool Podglad() const { return podglad_; }

protected:
    // The files the player picks; empty when the player gives up.
    virtual QString PlikDoZapisu();
    virtual QString PlikDoWczytania();
    bool event(QEvent* e) override;
    bool eventFilter(QObject* obiekt, QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void changeEvent(QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    // Closing: the ticks stop, the window's settings and the game are kept.
    void Zachowaj();
    void ZbudujMenuGlowne();
    QWidget* ZbudujStrone(const std::string& kontener);
    void OdswiezWszystko();
    void PokazStanGry();
    // Repaints only what the engine asked to since the last time: the diagram's rectangles of the
    // changed components, their buttons, and the labels and the clock whose text or time moved.
    void OdswiezZmienione();
    void OdswiezEtykiety();
    void UstawKolorOkna(const QColor& kolor);
    void UstawKolorZakladek(const QColor& kolor);
    void OdswiezPauze();
    void UlozPodzial();
    // The design at the scale: fonts, the panel, the clock, the buttons on the pages, the labels.
    void UstawSkaleOkna(double skala);
    // The sizes fixed from the fonts and the scale: the clock's labels, the train count, the status bar.
    void UstawRozmiaryStale();
    // The label before the speed slider, at the slider's value.
    void OdswiezSzybkosc();
    // The "Opcje" page's controls in the window's font.
    void UstawCzcionkeOpcji();
    // A warning that must be read: above every window, the progress window hidden meanwhile.
    void OstrzezPrzedWszystkim(const QString& tekst);
    void Wczytaj();
    void Zapisz();
    // The window's stored values as it holds them now, in the settings' own text (its place aside).
    std::vector<std::pair<const TOpisUstawienia*, std::string>> Stan() const;
    // The items' acts are written as the menu's act (`menu POINT` or `commands`) and the items' names.
    void DodajPozycje(QMenu* menu, const std::vector<TPozycjaMenu>& pozycje, const std::vector<std::string>& akt);
    void OtworzMenu(TElement* element, QPoint gdzie);
    // The automatic dispatcher's switches: every line, or one entry's trains ("" for all).
    void WlaczDyspozytora(const std::string& wlot, bool wlaczony);
    void OdswiezDyspozytora();
    // The hint line and frames of an advice, `tekst` on the line.
    void PokazRade(const TPodpowiedz& p, const QString& tekst);
    void PokazWZapisieRaportu(std::uint32_t pociag);

    TSymulacjaStacji& sym_;
    TQtUstawienia magazyn_;
    TUstawieniaGry ustawienia_;
    // Each stored value as the window last read or wrote it: only a change is written.
    std::map<const TOpisUstawienia*, std::string> wczytane_;
    // The window's place as it opened: only a change of it is written.
    QSize rozmiarPrzyPokazaniu_;
    Qt::WindowStates stanPrzyPokazaniu_;
    std::optional<QPoint> polozeniePrzyPokazaniu_;
    TMenuPociagu menuPociagu_;
    static constexpr int WysokoscPaneluInfo = 104;
    double skala_ = 1.0;
    QWidget* panelinfo_ = nullptr;
    QWidget* opcje_ = nullptr;
    TDiagram* diagram_ = nullptr;
    QScrollArea* scb_ = nullptr;
    QTabWidget* pcInfo1_ = nullptr;
    QLabel* lbNazwa_ = nullptr;
    TZegarWidok* zegar_ = nullptr;
    QToolButton* bStop_ = nullptr;
    QToolButton* bPodpowiedz_ = nullptr;
    // What the hint framed, to take the frames off again.
    TKomponent* elementPodpowiedzi_ = nullptr;
    TPrzyciskWidok* przyciskPodpowiedzi_ = nullptr;
    bool podpowiedz_ = false;
    TPrzebiegLekcji* lekcja_ = nullptr;
    TPanelLekcji* panelLekcji_ = nullptr;
    QTabWidget* zakladkiDziennika_ = nullptr;
    TPlanWidok* plan_ = nullptr;
    QFrame* pScore_ = nullptr;
    QLabel* lbScore_ = nullptr;
    QFrame* panel1_ = nullptr;
    TEtykietaSkrocona* lbCzas_ = nullptr;
    TEtykietaSkrocona* lbCzasSek_ = nullptr;
    QScrollBar* rxSl_ = nullptr;
    QLabel* lbIloscPoc_ = nullptr;
    QLabel* lbSzybkosc_ = nullptr;
    QLabel* lbUtrudnienia_ = nullptr;
    QSplitter* splitter_ = nullptr;
    TDziennikWidok* dziennik_ = nullptr;
    QCheckBox* cbDzwieki_ = nullptr;
    QCheckBox* cbZegar_ = nullptr;
    QCheckBox* cbEtykiety_ = nullptr;
    TListaPociagowWidok* pociagi_ = nullptr;
    // "wszystkie linie" first, then one per entry, named by the entry.
    std::vector<std::pair<std::string, QCheckBox*>> cbAuto_;
    QMenu* polecenia_ = nullptr;
    QAction* wczytaj_ = nullptr;
    QAction* przejmij_ = nullptr;
    QAction* zapiszGre_ = nullptr;
    bool pauzaOdtwarzania_ = false;
    bool podglad_ = false;
    std::vector<TEtykietaSkrocona*> status_;
    std::vector<TPrzyciskWidok*> przyciski_;
    QTimer* timer_ = nullptr;
    QColor kolorOkna_;
    bool pokazane_ = false;
    // The journal's share of the splitter once the player has dragged it; below 0 it follows the
    // diagram.
    double udzialDziennika_ = -1;
    bool doOdswiezenia_ = false;
    std::unordered_set<const TKomponent*> zmienione_;
    // The buttons that show an element, with their views.
    std::vector<std::pair<TPrzyciskElementu*, TPrzyciskWidok*>> przyciskiElementow_;
};
