#pragma once

// The base of everything on the station window, and reading values from the layout.

#include "station/kolor.h"
#include "station/plotno.h"

#include <string>

class TStacja;

// Anything placed on the station window: elements, road shapes, buttons. The station owns every
// component; components refer to each other by plain pointers that the station clears when the
// component they point to is removed (Usuwany).
class TKomponent {
public:
    explicit TKomponent(TStacja& stacja) : stacja_(stacja) {}
    virtual ~TKomponent() = default;
    TKomponent(const TKomponent&) = delete;
    TKomponent& operator=(const TKomponent&) = delete;

    virtual const char* NazwaKlasy() const = 0;

    TStacja& Stacja() const { return stacja_; }

    std::string Name;
    // The container it is placed on: the diagram "scb", or a page or panel of the window.
    std::string Kontener = Diagram;
    static constexpr const char* Diagram = "scb";
    int Left = 0, Top = 0, Width = 16, Height = 16;
    bool Visible = true;
    std::string Hint;
    bool ShowHint = true;
    bool ParentShowHint = true;
    // The component's own colour; while ParentColor is set it shows the window's colour instead.
    TKolor Color = kolory::TloOkna;
    bool ParentColor = true;
    TKolor Kolor() const;
    TCzcionka Font;
    bool ParentFont = true;

    TProstokat Granice() const { return {Left, Top, Left + Width, Top + Height}; }
    TProstokat ClientRect() const { return {0, 0, Width, Height}; }
    void SetBounds(int left, int top, int width, int height);

    // Asks for a repaint of this component (and, on screen, of what it covers).
    void Repaint();
    // Draws the component with the canvas's origin at its top-left corner.
    virtual void Paint(TPlotno&) {}

    // The layout's way in: a published property by its name and its value as written in the
    // layout. False when the class has no such property (or the value does not fit it).
    virtual bool UstawWlasciwosc(const std::string& nazwa, const std::string& wartosc);
    // A published reference property; the target is a component of the same station, or nullptr.
    virtual bool UstawReferencje(const std::string& nazwa, TKomponent* cel);
    // Another component is about to be removed: forget every reference to it.
    virtual void Usuwany(TKomponent*) {}

private:
    TStacja& stacja_;
};

// Parses a layout value and hands it to the setter; false when it does not parse.
template <typename T, typename Czytaj, typename Ustaw>
bool UstawWartosc(const std::string& tekst, Czytaj czytaj, Ustaw ustaw)
{
    T wartosc{};
    if (!czytaj(tekst, wartosc))
        return false;
    ustaw(wartosc);
    return true;
}

// Parsing helpers for layout values.
bool CzytajLiczbe(const std::string& tekst, int& wynik);
bool CzytajLogiczna(const std::string& tekst, bool& wynik);
// "clGray", "clBlack", ... or "r, g, b".
bool CzytajKolor(const std::string& tekst, TKolor& wynik);
