// How far a window's designed layout grows with the screen and with the window.

#include "ui/canvas/skala_okna.h"

#include <algorithm>
#include <cmath>

namespace {

double WDwudziestych(double skala) { return std::max(1.0, std::floor(skala * 20 + 1e-9) / 20); }

}  // namespace

double SkalaDlaEkranu(QSize dostepne, QSize projekt)
{
    if (dostepne.isEmpty() || projekt.isEmpty())
        return 1.0;
    constexpr double Pokrycie = 0.78;
    return WDwudziestych(std::min(Pokrycie * dostepne.width() / projekt.width(),
                                  Pokrycie * dostepne.height() / projekt.height()));
}

double SkalaDlaRozmiaru(QSize rozmiar, QSize projekt)
{
    if (rozmiar.isEmpty() || projekt.isEmpty())
        return 1.0;
    return WDwudziestych(std::min(double(rozmiar.width()) / projekt.width(), double(rozmiar.height()) / projekt.height()));
}

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
