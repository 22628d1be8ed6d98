// Drawing the speed slider's marks over its groove.

#include "ui/station/suwak_szybkosci.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionSlider>

TSuwakSzybkosci::TSuwakSzybkosci(QWidget* rodzic) : QScrollBar(Qt::Horizontal, rodzic)
{
    setRange(1, 100);
    // Taken by the keys once clicked: the arrows step it, Page Up and Down by ten, Home and End go
    // to the ends.
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QStringLiteral("szybkość symulacji"));
}

QList<int> TSuwakSzybkosci::Podzialka() { return {1, 20, 40, 60, 80, 100}; }

QFont TSuwakSzybkosci::CzcionkaPodzialki() const
{
    QFont czcionka = font();
    czcionka.setPointSizeF(std::max(1.0, czcionka.pointSizeF() * 0.8));
    return czcionka;
}

QSize TSuwakSzybkosci::ZPodzialka(QSize s) const
{
    return {s.width(), std::max(s.height(), QFontMetrics(CzcionkaPodzialki()).height() + 4)};
}

QSize TSuwakSzybkosci::sizeHint() const { return ZPodzialka(QScrollBar::sizeHint()); }

QSize TSuwakSzybkosci::minimumSizeHint() const { return ZPodzialka(QScrollBar::minimumSizeHint()); }

void TSuwakSzybkosci::paintEvent(QPaintEvent* e)
{
    QScrollBar::paintEvent(e);
    QStyleOptionSlider opcje;
    initStyleOption(&opcje);
    const QRect rowek = style()->subControlRect(QStyle::CC_ScrollBar, &opcje, QStyle::SC_ScrollBarGroove, this);
    const QRect uchwyt = style()->subControlRect(QStyle::CC_ScrollBar, &opcje, QStyle::SC_ScrollBarSlider, this);
    if (rowek.width() <= uchwyt.width())
        return;
    QPainter p(this);
    const QFont czcionka = CzcionkaPodzialki();
    p.setFont(czcionka);
    QColor kolor = palette().color(QPalette::WindowText);
    kolor.setAlpha(150);
    p.setPen(kolor);
    const QFontMetrics m(czcionka);
    // A value's place: the middle of where the handle stands at it.
    const double droga = rowek.width() - uchwyt.width();
    for (const int v : Podzialka()) {
        const int x = rowek.left() + uchwyt.width() / 2 +
                      static_cast<int>(std::lround(droga * (v - minimum()) / std::max(1, maximum() - minimum())));
        const QString napis = QStringLiteral("%1×").arg(v);
        const int szer = m.horizontalAdvance(napis);
        QRect miejsce(x - szer / 2, rowek.top(), szer, rowek.height());
        miejsce.moveLeft(std::clamp(miejsce.left(), rowek.left() + 1, rowek.right() - szer));
        // The speed written where it fits beside the handle; a mark alone where it does not.
        if (!miejsce.intersects(uchwyt.adjusted(-2, 0, 2, 0)) && m.height() <= rowek.height())
            p.drawText(miejsce, Qt::AlignCenter, napis);
        else if (!uchwyt.contains(x, rowek.center().y()))
            p.drawLine(x, rowek.bottom() - std::max(2, rowek.height() / 4), x, rowek.bottom());
    }
}
