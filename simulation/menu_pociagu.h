#pragma once

// The train menu as data (TMenuPociagu): the items of a point's menu and of "&Polecenia", which the
// window draws and the driver prints.

#include <functional>
#include <string>
#include <vector>

class TPociag;
class TPunkt;
class TSilnikSymulacji;
class TStacja;

// One item of a menu as data: what the window draws and what `drelinko-sim menu` prints.
struct TPozycjaMenu {
    std::string Caption;
    bool Visible = true;
    bool Enabled = true;
    bool Checked = false;
    bool Radio = false;
    bool Default = false;
    // Opens a submenu (which may be empty, and the item greyed).
    bool Podmenu = false;
    std::vector<TPozycjaMenu> Submenu;
    // The order; it may raise a dispatcher's fault, which the caller hands to the fault handler.
    std::function<void()> Akcja;

    bool Separator() const { return Caption == "-"; }
};

// The visible item named by its caption or by its 1-based position among the visible items; nullptr
// when none is.
const TPozycjaMenu* ZnajdzPozycje(const std::vector<TPozycjaMenu>& pozycje, const std::string& nazwa);
// The name under which the item is found again: its caption, or its position when an item before it
// has the same caption or the caption reads as another position.
std::string NazwaPozycji(const std::vector<TPozycjaMenu>& pozycje, const TPozycjaMenu& pozycja);

// The train command menu of the station's points, and the train list of the "&Polecenia" menu.
class TMenuPociagu {
public:
    // The orders work on the station and the engine of one run.
    TMenuPociagu(TStacja& stacja, TSilnikSymulacji& silnik) : stacja_(stacja), silnik_(silnik) {}

    // Builds the menu for the point; false when no menu opens on it.
    bool Otworz(TPunkt* punkt);
    // Every item, shown or hidden, in order.
    const std::vector<TPozycjaMenu>& Pozycje() const { return pozycje_; }
    TPunkt* Punkt() const { return punkt_; }
    TPociag* Pociag() const { return pociag_; }

    // The "&Polecenia" menu: "&Zwolnij utwierdzenia", a separator, and the trains in the station.
    std::vector<TPozycjaMenu> Polecenia();

    // Prepares the standing consist as the timetable train that starts in the station; raises the
    // dispatcher's fault when the consist does not fit.
    void PrzygotujSklad(TPociag* stojacy, TPociag* rozkladowy);

private:
    std::vector<TPozycjaMenu> PodmenuPrzygotowania(TPociag* stojacy);

    TStacja& stacja_;
    TSilnikSymulacji& silnik_;
    std::vector<TPozycjaMenu> pozycje_;
    TPunkt* punkt_ = nullptr;
    TPociag* pociag_ = nullptr;
};
