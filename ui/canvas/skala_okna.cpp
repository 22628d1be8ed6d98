// How far a window's designed layout grows with the screen and with the window.

#include "ui/canvas/skala_okna.h"

#include <algorithm>
#include <cmath>

namespace {

// The largest part of the size the design fits at, in twentieths, never below 1.
double Skala(QSize rozmiar, QSize projekt, double czesc)
{
    if (rozmiar.isEmpty() || projekt.isEmpty())
        return 1.0;
    const double s = czesc * std::min(double(rozmiar.width()) / projekt.width(), double(rozmiar.height()) / projekt.height());
    return std::max(1.0, std::floor(s * 20 + 1e-9) / 20);
}

}  // namespace

double SkalaDlaEkranu(QSize dostepne, QSize projekt) { return Skala(dostepne, projekt, 0.78); }

double SkalaDlaRozmiaru(QSize rozmiar, QSize projekt) { return Skala(rozmiar, projekt, 1.0); }

QSize Przeskalowany(QSize projekt, double skala)
{
    return {static_cast<int>(std::lround(projekt.width() * skala)), static_cast<int>(std::lround(projekt.height() * skala))};
}

QFont PrzeskalowanaCzcionka(QFont czcionka, double skala)
{
    if (czcionka.pixelSize() > 0)
        czcionka.setPixelSize(std::max(1, static_cast<int>(std::lround(czcionka.pixelSize() * skala))));
    else if (czcionka.pointSizeF() > 0)
        czcionka.setPointSizeF(czcionka.pointSizeF() * skala);
    return czcionka;
}
