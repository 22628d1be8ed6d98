#pragma once

// The canvas's texts made ready once and kept (TGotowyTekst), so that a repaint does not fit and shape
// every label again.

#include "station/plotno.h"

#include <QFont>
#include <QPen>
#include <QRect>
#include <QStaticText>
#include <QString>

#include <optional>
#include <string>

class QPainter;

// A text of the canvas made ready once and drawn as often as the diagram repaints: the font (set a
// little tighter where the words must fit), the words as they fit, the pen, and the shaping kept.
// A repaint draws the same labels over and over; finding the fit and shaping them were most of it.
struct TGotowyTekst {
    QFont Czcionka;
    QPen Pioro;
    QString Tekst;
    int Flagi = 0;  // as QPainter::drawText takes them
    // The kept shaping, where the text is drawn so; absent, drawText draws it.
    std::optional<QStaticText> Statyczny;
    qreal OdLewej = 0;  // where the static text starts, from the rectangle's left edge
};

// The resolution of a device, on which the fonts' metrics depend; asked once per canvas, as a
// widget asks its screen for it.
struct TRozdzielczosc {
    int X = 0, Y = 0;
    friend bool operator==(TRozdzielczosc, TRozdzielczosc) = default;
};

// The ready text for these arguments of TPlotno::Tekst on the painter's device of that resolution.
// Making one sets the painter's font to the text's own; a ready text lives until the next call.
const TGotowyTekst& GotowyTekst(QPainter& p, TRozdzielczosc dpi, const TProstokat& r, const std::string& tekst,
                                const TCzcionka& czcionka, unsigned flagi, bool odwracanie);
// Draws it in its rectangle as QPainter::drawText(rect, flags, text) would.
void RysujGotowyTekst(QPainter& p, const QRect& prostokat, const TGotowyTekst& tekst);
