#pragma once

// The abstract canvas the elements draw on, with its points, rectangles and fonts.

#include "station/kolor.h"

#include <string>
#include <vector>

struct TPunktXY {
    int x = 0, y = 0;
    friend constexpr bool operator==(TPunktXY, TPunktXY) = default;
};

// A rectangle by its edges; right and bottom lie just outside it, as on the screen.
struct TProstokat {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool Zawiera(TPunktXY p) const { return p.x >= Left && p.x < Right && p.y >= Top && p.y < Bottom; }
    friend constexpr bool operator==(const TProstokat&, const TProstokat&) = default;
};

struct TCzcionka {
    std::string Nazwa = "Tahoma";
    // Size in points, or, when Piksele is set, the character height in pixels.
    int Rozmiar = 8;
    bool Piksele = false;
    bool Pogrubiona = false;
    TKolor Kolor = kolory::Czarny;
    friend bool operator==(const TCzcionka&, const TCzcionka&) = default;
};

// How text is placed in its rectangle.
enum tFlagiTekstu : unsigned {
    tfLewo = 0,
    tfSrodek = 1u << 0,       // centred horizontally
    tfJednaLinia = 1u << 1,   // one line only
    tfWielokropek = 1u << 2,  // ended with an ellipsis when too long
    tfBezObciecia = 1u << 3,  // may run outside its rectangle
};

// What elements draw on. Coordinates are the current surface's; elements paint with the origin at
// their own top-left corner and reach their parent's surface through Przesun.
class TPlotno {
public:
    virtual ~TPlotno() = default;

    virtual void Zapisz() = 0;
    virtual void Przywroc() = 0;
    virtual void Przesun(int dx, int dy) = 0;
    // Limits drawing to the rectangle; BezObciecia lifts every limit.
    virtual void Obetnij(const TProstokat& r) = 0;
    virtual void BezObciecia() = 0;

    // Pen: colour and width; a cleared pen draws no outlines.
    virtual void Pioro(TKolor kolor, int szerokosc = 1) = 0;
    virtual void BezPiora() = 0;
    // Brush: solid fill colour; a cleared brush fills nothing.
    virtual void Pedzel(TKolor kolor) = 0;
    virtual void BezPedzla() = 0;

    // Filled with the brush, no outline.
    virtual void WypelnijProstokat(const TProstokat& r) = 0;
    // Outlined with the pen and filled with the brush, as all shapes below.
    virtual void Prostokat(const TProstokat& r) = 0;
    virtual void ZaokraglonyProstokat(const TProstokat& r, int naroznik) = 0;
    virtual void Elipsa(const TProstokat& r) = 0;
    virtual void Wielokat(const std::vector<TPunktXY>& punkty) = 0;
    // Lines from point to point; the last point itself is not set.
    virtual void Linia(const std::vector<TPunktXY>& punkty) = 0;

    virtual void Tekst(const TProstokat& r, const std::string& tekst, const TCzcionka& czcionka, unsigned flagi) = 0;
    // While on, whatever is drawn inverts the colours under it instead of covering them.
    virtual void Odwracanie(bool wlaczone) = 0;
};
