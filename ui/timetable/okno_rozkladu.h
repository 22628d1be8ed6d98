#pragma once

// The timetable window (TeRozklad): the widgets that show and edit the timetable model.

#include "models/model_rozkladu.h"
#include "ui/services/qt_uslugi.h"

#include <QDialog>

#include <vector>

class QCheckBox;
class QComboBox;
class QFont;
class QLayout;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class TEtykietaZnacznikow;
class TRozkladJazdy;

// The timetable window: every train of the timetable as a card on the left, the filter by the
// direction trains come from or leave to, a search, and the editor that adds, changes and deletes
// trains, saving the timetable after every change. It asks and tells through the game's message
// boxes. Opened modally from the station window with the running station's entries, and from the
// start window with the layout's (WlotyUkladu), so it needs no station window.
class TeRozklad : public QDialog {
    Q_OBJECT

public:
    TeRozklad(TRozkladJazdy& rozklad, std::vector<TWlotRozkladu> wloty, QWidget* rodzic = nullptr);
    ~TeRozklad() override;

    // The window's design size: at it everything has its designed size.
    static constexpr QSize RozmiarProjektu{622, 433};

    TModelRozkladu& Model() { return model_; }
    // Lays the window out at the scale of the window that opens it: its fonts, the list's width, the
    // fields sized from the font, and its size, the design's at the scale or as much taller as the
    // font's lines need. The player may enlarge it; it lays out with its size.
    void UstawSkale(double skala);
    QListWidget* Lista() const { return lb_; }

    // The legend in the font it is shown in: the heading, the consist codes in two columns, and the
    // closing lines.
    static QString TekstLegendy(const QFont& czcionka);

protected:
    // FormShow: every direction checked, the search emptied, the list filled.
    void showEvent(QShowEvent* e) override;
    // The file to import from or export to; empty when the player gives up.
    virtual QString PlikDoImportu();
    virtual QString PlikDoEksportu();

private:
    // Label1 with the search, and the two check lists under their captions.
    QLayout* ZbudujFiltr(QWidget* rodzic);
    // The editor's controls into the model, and everything of the model back onto the controls.
    // Around every call of the model: a refill may select another row and load its train.
    void CzytajEdytor();
    void PokazModel();
    void PokazListe();
    void PokazFiltr(QListWidget* lista, tListaFiltru ktora);
    void PokazEdytor();

    void lbClick(int wiersz);
    void PokazTylkoNiektore(tListaFiltru lista, QListWidgetItem* wiersz);
    void bDodajZmienClick(bool dodaj);
    void wktColorButton1Click();
    void bImportujClick();
    void bEksportujClick();
    void bSprawdzClick();

    // Declared before the model, which is given them.
    TQtKomunikaty komunikaty_;
    TModelRozkladu model_;
    std::vector<TWlotRozkladu> wloty_;
    // The rows the list shows now, so that a refill that changes nothing keeps the list scrolled.
    std::vector<TWierszRozkladu> pokazane_;
    bool pokazywanie_ = false;

    QListWidget* lb_ = nullptr;
    QListWidget* clbPrzyjazd_ = nullptr;
    QListWidget* clbOdjazd_ = nullptr;
    QLineEdit* eSzukaj_ = nullptr;
    QLineEdit* eNumer_ = nullptr;
    QLineEdit* eSklad_ = nullptr;
    QLineEdit* eOpis_ = nullptr;
    QComboBox* cbRelacjaOd_ = nullptr;
    QComboBox* cbRelacjaDo_ = nullptr;
    QComboBox* cbWjezdza_ = nullptr;
    QLineEdit* cbGodzWjezdza_ = nullptr;
    QComboBox* cbWyjezdza_ = nullptr;
    QLineEdit* cbGodzWyjezdza_ = nullptr;
    QCheckBox* cbNieWymagaPeronu_ = nullptr;
    TEtykietaZnacznikow* HTMLabel1_ = nullptr;
    QPushButton* bDodaj_ = nullptr;
    QPushButton* bZmien_ = nullptr;
    QPushButton* wktColorButton1_ = nullptr;
    QPushButton* wktColorButton2_ = nullptr;
    QPushButton* bImportuj_ = nullptr;
    QPushButton* bEksportuj_ = nullptr;
    // Plays the timetable with the automatic dispatcher and tells whether the day can be played.
    QPushButton* bSprawdz_ = nullptr;
    std::string plikRozkladu_;
    static constexpr int SzerokoscListy = 284;
};
