// Shortening and drawing the one-line label's text, and keeping its size independent of the text.

#include "ui/text/etykieta_skrocona.h"

#include <QEvent>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPainter>
#include <QStyle>

#include <climits>
#include <cmath>
#include <vector>

TEtykietaSkrocona::TEtykietaSkrocona(const QString& tekst, QWidget* rodzic) : QLabel(rodzic), tekst_(tekst)
{
    setTextFormat(Qt::PlainText);
    // The text is drawn here, never given to QLabel: accessibility tools read it from the name.
    setAccessibleName(tekst_);
    Skroc();
}

void TEtykietaSkrocona::UstawTekst(const QString& tekst)
{
    if (tekst == tekst_)
        return;
    tekst_ = tekst;
    setAccessibleName(tekst_);
    Skroc();
}

int TEtykietaSkrocona::WysokoscWiersza() const
{
    const QMargins m = contentsMargins();
    return fontMetrics().height() + m.top() + m.bottom() + 2 * margin();
}

QSize TEtykietaSkrocona::minimumSizeHint() const
{
    // Room for the ellipsis alone; the width the layout gives beyond it shows more of the text.
    const QMargins m = contentsMargins();
    return QSize(fontMetrics().horizontalAdvance(QStringLiteral("…")) + m.left() + m.right() + 2 * margin(), WysokoscWiersza());
}

QSize TEtykietaSkrocona::sizeHint() const { return QSize(minimumWidth(), WysokoscWiersza()); }

void TEtykietaSkrocona::paintEvent(QPaintEvent*)
{
    // As a label draws a line of plain text: the frame, then the text in the contents less the margin.
    QPainter p(this);
    drawFrame(&p);
    const QRect r = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    if (widoczny_ == tekst_ && RysujSlowami(p, r))
        return;
    style()->drawItemText(&p, r, static_cast<int>(QStyle::visualAlignment(layoutDirection(), alignment())), palette(),
                          isEnabled(), widoczny_, foregroundRole());
}

bool TEtykietaSkrocona::RysujSlowami(QPainter& p, const QRect& r)
{
    // Only the plain case: a whole text, enabled, on the label's own solid background.
    if (!autoFillBackground() || !isEnabled() || tekst_.isEmpty() || tekst_.contains(QLatin1Char('\n')))
        return false;
    const QBrush& tlo = palette().brush(backgroundRole());
    if (tlo.style() != Qt::SolidPattern || !tlo.isOpaque())
        return false;
    const qreal s = devicePixelRatioF();
    kafelki_.Ustaw(font(), s);
    kafelki_.Porzadkuj();
    std::vector<std::pair<const TKafelkiSlow::TKafelek*, qreal>> kawalki;
    qreal x = 0;
    for (int j = 0, dalej = 0; j < tekst_.size(); j = dalej) {
        dalej = KoniecKawalka(tekst_, j, static_cast<int>(tekst_.size()));
        const auto& k = kafelki_.Kafelek(QStringView(tekst_).mid(j, dalej - j), false);
        kawalki.emplace_back(&k, x);
        x += k.Przesun;
    }
    const QRect cel = QStyle::alignedRect(layoutDirection(), QStyle::visualAlignment(layoutDirection(), alignment()),
                                          QSize(static_cast<int>(std::ceil(x)), kafelki_.WysokoscWiersza()), r);
    QImage obraz(static_cast<int>(std::ceil(cel.width() * s)), static_cast<int>(std::ceil(cel.height() * s)),
                 QImage::Format_RGB32);
    obraz.fill(tlo.color());
    const QRgb kolor = palette().color(foregroundRole()).rgb();
    for (const auto& [k, od] : kawalki)
        NalozKafelek(obraz, *k, static_cast<int>(std::lround(od * s)), 0, kolor, INT_MIN, INT_MAX);
    obraz.setDevicePixelRatio(s);
    p.drawImage(cel.topLeft(), obraz);
    return true;
}

void TEtykietaSkrocona::resizeEvent(QResizeEvent* e)
{
    QLabel::resizeEvent(e);
    Skroc();
}

void TEtykietaSkrocona::changeEvent(QEvent* e)
{
    QLabel::changeEvent(e);
    if (e->type() == QEvent::FontChange)
        Skroc();
}

namespace {

// Whether a text surely fits a width, told from its letters' advances one by one (kept by the
// font, no shaping; kerning only narrows a text): the clock's times change on every tick and
// always fit.
bool MiesciSie(const QFontMetricsF& m, const QString& tekst, int szerokosc)
{
    qreal suma = 0;
    for (const QChar c : tekst) {
        if (c.isSurrogate())
            return false;
        suma += m.horizontalAdvance(c);
        if (suma > szerokosc + 0.01)
            return false;
    }
    return true;
}

}  // namespace

void TEtykietaSkrocona::Skroc()
{
    const int szerokosc = contentsRect().width() - 2 * margin();
    const QString widoczny = MiesciSie(QFontMetricsF(font()), tekst_, szerokosc)
                                 ? tekst_
                                 : fontMetrics().elidedText(tekst_, Qt::ElideRight, std::max(0, szerokosc));
    if (widoczny != widoczny_) {
        widoczny_ = widoczny;
        update();
    }
    const QString podpowiedz = widoczny == tekst_ ? QString() : tekst_;
    if (podpowiedz != toolTip())
        setToolTip(podpowiedz);
}
