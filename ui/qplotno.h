#pragma once

#include "station/plotno.h"

#include <QPainter>
#include <QStringList>

#include <string>

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
// The families that draw a face the layout names: the Windows faces map to free ones, first choice
// first.
QStringList RodzinyCzcionki(const std::string& nazwa);
// The Qt font for a font of the game, with the Windows families mapped as above.
QFont NaQFont(const TCzcionka& czcionka);
// The text as it fits a width in a font: whole, perhaps with the font's letters set a little
// closer, or cut with an ellipsis.
QString TekstWMiejscu(QFont& czcionka, const QString& tekst, int szerokosc, QPaintDevice* urzadzenie = nullptr);
// Prepares the game's fonts; safe to call many times.
void ZaladujCzcionki();
