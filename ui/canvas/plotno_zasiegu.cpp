// Widening the measured area by every shape and text a component would draw.

#include "ui/canvas/plotno_zasiegu.h"

#include "ui/canvas/qplotno.h"

#include <QFontMetrics>

#include <algorithm>

void TPlotnoZasiegu::Przywroc()
{
    if (stos_.empty())
        return;
    przesuniecie_ = stos_.back();
    stos_.pop_back();
}

void TPlotnoZasiegu::Dodaj(QRect r)
{
    if (r.isEmpty())
        return;
    zasieg_ = zasieg_.united(r.translated(przesuniecie_));
}

void TPlotnoZasiegu::Dodaj(const TProstokat& r, int margines)
{
    const QRect q(QPoint(std::min(r.Left, r.Right), std::min(r.Top, r.Bottom)),
                  QPoint(std::max(r.Left, r.Right), std::max(r.Top, r.Bottom)));
    Dodaj(q.adjusted(-margines, -margines, margines, margines));
}

void TPlotnoZasiegu::Wielokat(const std::vector<TPunktXY>& punkty)
{
    Linia(punkty);
}

void TPlotnoZasiegu::Linia(const std::vector<TPunktXY>& punkty)
{
    if (punkty.empty())
        return;
    int l = punkty[0].x, t = punkty[0].y, r = l, b = t;
    for (const auto& p : punkty) {
        l = std::min(l, p.x);
        t = std::min(t, p.y);
        r = std::max(r, p.x);
        b = std::max(b, p.y);
    }
    const int m = std::max(pioro_, 1);
    Dodaj(QRect(QPoint(l - m, t - m), QPoint(r + m, b + m)));
}

void TPlotnoZasiegu::Tekst(const TProstokat& r, const std::string& tekst, const TCzcionka& czcionka, unsigned flagi)
{
    if (tekst.empty())
        return;
    // As the real canvas places it; a pixel more all round for hinting and italics.
    const QFontMetrics miary(NaQFont(czcionka));
    int wyrownanie = Qt::AlignTop | ((flagi & tfSrodek) ? Qt::AlignHCenter : Qt::AlignLeft);
    if (flagi & tfJednaLinia)
        wyrownanie |= Qt::TextSingleLine;
    const QRect prostokat(r.Left, r.Top, r.Width(), r.Height());
    QRect obszar = miary.boundingRect(prostokat, wyrownanie, QString::fromStdString(tekst));
    if (!(flagi & tfBezObciecia))
        obszar = obszar.intersected(prostokat);
    Dodaj(obszar.adjusted(-2, -2, 2, 2));
}
