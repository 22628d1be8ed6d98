#pragma once

// The one scale of a window's designed layout: what a screen or a window's size allows, and the
// fonts at that scale.

#include <QFont>
#include <QSize>

// The scale at which a window of this design size covers about three quarters of the available
// area: 1 where the design size nearly fills it, never less; in twentieths.
double SkalaDlaEkranu(QSize dostepne, QSize projekt);
// The largest scale at which the whole design fits in the size, never below 1; in twentieths, so
// that a window dragged by a pixel does not lay everything out again.
double SkalaDlaRozmiaru(QSize rozmiar, QSize projekt);
// The design size at the scale.
QSize Przeskalowany(QSize projekt, double skala);
// The font at the scale, whether it is given in points or in pixels.
QFont PrzeskalowanaCzcionka(QFont czcionka, double skala);
