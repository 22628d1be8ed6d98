#pragma once

#include <QRect>
#include <QString>

class QPainter;

// Draws a text as QPainter::drawText(rect, flags, text) does, with its shaping kept from one
// paint to the next: the diagram repaints the same labels over and over, and shaping was a third
// of a repaint. Only the flags the canvas uses are understood (top alignment, left or centred, one
// line, no clipping); any other text is drawn the ordinary way.
void RysujTekstZPamieci(QPainter& p, const QRect& prostokat, int flagi, const QString& tekst);
