#pragma once

#include "station/plotno.h"

#include <QPainter>

// The canvas of the game's drawing: elements paint through it onto a widget or an image.
class TQPlotno : public TPlotno {
public:
    explicit TQPlotno(QPainter& painter);

    void Zapisz() override;
    void Przywroc() override;
    void Przesun(int dx, int dy) override;
    void Obetnij(const TProstokat& r) override;
    void BezObciecia() override;
    void Pioro(TKolor kolor, int szerokosc) override;
    void BezPiora() override;
    void Pedzel(TKolor kolor) override;
    void BezPedzla() override;
    void WypelnijProstokat(const TProstokat& r) override;
    void Prostokat(const TProstokat& r) override;
    void ZaokraglonyProstokat(const TProstokat& r, int naroznik) override;
    void Elipsa(const TProstokat& r) override;
    void Wielokat(const std::vector<TPunktXY>& punkty) override;
    void Linia(const std::vector<TPunktXY>& punkty) override;
    void Tekst(const TProstokat& r, const std::string& tekst, const TCzcionka& czcionka, unsigned flagi) override;
    void Odwracanie(bool wlaczone) override;

private:
    QPainter& p_;
    QPen pioro_;
    QBrush pedzel_;
    bool odwracanie_ = false;
};

QColor NaQColor(TKolor k);
// The Qt font for a font of the game, with the Windows families mapped to the fonts installed
// with the game.
QFont NaQFont(const TCzcionka& czcionka);
// Registers the game's fonts once; safe to call many times.
void ZaladujCzcionki();
