// Drawing an engine button through the canvas and passing it the mouse.

#include "ui/station/przycisk_widok.h"

#include "interlocking/wktcolorbutton.h"
#include "run/podpowiedz.h"
#include "run/symulacja_stacji.h"
#include "ui/canvas/qplotno.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

TPrzyciskWidok::TPrzyciskWidok(TSymulacjaStacji& symulacja, TWktColorButton& przycisk, QWidget* rodzic)
    : QWidget(rodzic), sym_(symulacja), przycisk_(przycisk)
{
    setObjectName(QString::fromStdString(przycisk.Name));
    setGeometry(przycisk.Left, przycisk.Top, przycisk.Width, przycisk.Height);
    if (!przycisk.Hint.empty())
        setToolTip(QString::fromStdString(przycisk.Hint));
}

void TPrzyciskWidok::UstawSkale(double skala)
{
    const auto na = [skala](int v) { return static_cast<int>(std::lround(v * skala)); };
    // Edges rounded rather than sizes, so that buttons side by side stay side by side.
    const int lewa = na(przycisk_.Left), gora = na(przycisk_.Top);
    setGeometry(lewa, gora, na(przycisk_.Left + przycisk_.Width) - lewa, na(przycisk_.Top + przycisk_.Height) - gora);
    update();
}

void TPrzyciskWidok::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (width() != przycisk_.Width || height() != przycisk_.Height)
        p.scale(double(width()) / przycisk_.Width, double(height()) / przycisk_.Height);
    {
        TQPlotno plotno(p);
        przycisk_.Paint(plotno);
    }
    if (wyrozniony_) {
        p.resetTransform();
        p.setPen(QPen(NaQColor(KolorPodpowiedzi), 3));
        p.setBrush(Qt::NoBrush);
        p.drawRect(rect().adjusted(1, 1, -2, -2));
    }
}

void TPrzyciskWidok::UstawWyroznienie(bool wlaczone)
{
    if (wlaczone == wyrozniony_)
        return;
    wyrozniony_ = wlaczone;
    update();
}

void TPrzyciskWidok::enterEvent(QEnterEvent*)
{
    przycisk_.MouseEnter();
    update();
}

void TPrzyciskWidok::leaveEvent(QEvent*)
{
    przycisk_.MouseLeave();
    update();
}

void TPrzyciskWidok::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        przycisk_.MouseDown();
    update();
}

void TPrzyciskWidok::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton)
        return;
    const bool nad = rect().contains(e->position().toPoint());
    if (nad) {
        // The press goes in as the player's act, which the game's record keeps; the mouse stays
        // over the button.
        sym_.Akt({"press", przycisk_.Name});
        przycisk_.MouseEnter();
    } else {
        przycisk_.MouseUp(false);
    }
    update();
    if (nad)
        emit nacisniety();
}
