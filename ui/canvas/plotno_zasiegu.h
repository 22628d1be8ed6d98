#pragma once

// A canvas that draws nothing (TPlotnoZasiegu) and only measures where a drawing would reach.

#include "station/plotno.h"

#include <QRect>

#include <vector>

// A canvas that draws nothing and remembers where the drawing would reach: the union of every
// shape and text, in the coordinates the canvas starts with, widened by the pen. Clipping is left
// out, so the area is never smaller than what a real canvas covers. The diagram asks it where a
// component lies before and after a change, to repaint just that.
class TPlotnoZasiegu : public TPlotno {
public:
    QRect Zasieg() const { return zasieg_; }

    void Zapisz() override { stos_.push_back(przesuniecie_); }
    void Przywroc() override;
    void Przesun(int dx, int dy) override { przesuniecie_ += QPoint(dx, dy); }
    void Obetnij(const TProstokat&) override {}
    void BezObciecia() override {}
    void Pioro(TKolor, int szerokosc) override { pioro_ = std::max(1, szerokosc); }
    void BezPiora() override { pioro_ = 0; }
    void Pedzel(TKolor) override {}
    void BezPedzla() override {}
    void WypelnijProstokat(const TProstokat& r) override { Dodaj(r, 0); }
    void Prostokat(const TProstokat& r) override { Dodaj(r, pioro_); }
    void ZaokraglonyProstokat(const TProstokat& r, int) override { Dodaj(r, pioro_); }
    void Elipsa(const TProstokat& r) override { Dodaj(r, pioro_); }
    void Wielokat(const std::vector<TPunktXY>& punkty) override;
    void Linia(const std::vector<TPunktXY>& punkty) override;
    void Tekst(const TProstokat& r, const std::string& tekst, const TCzcionka& czcionka, unsigned flagi) override;
    void Odwracanie(bool) override {}

private:
    void Dodaj(const TProstokat& r, int margines);
    void Dodaj(QRect r);

    QRect zasieg_;
    QPoint przesuniecie_;
    std::vector<QPoint> stos_;
    int pioro_ = 1;
};
