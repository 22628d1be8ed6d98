#include "ui/etykieta_skrocona.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QStyle>

TEtykietaSkrocona::TEtykietaSkrocona(const QString& tekst, QWidget* rodzic) : QLabel(rodzic), tekst_(tekst)
{
    setTextFormat(Qt::PlainText);
    Skroc();
}

void TEtykietaSkrocona::UstawTekst(const QString& tekst)
{
    if (tekst == tekst_)
        return;
    tekst_ = tekst;
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
    style()->drawItemText(&p, r, static_cast<int>(QStyle::visualAlignment(layoutDirection(), alignment())), palette(),
                          isEnabled(), widoczny_, foregroundRole());
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
// font, no shaping) with a pixel or two to spare for kerning: the times in the status bar change
// on every tick and always fit.
bool MiesciSie(const QFontMetrics& m, const QString& tekst, int szerokosc)
{
    int suma = 0;
    for (const QChar c : tekst) {
        if (c.isSurrogate())
            return false;
        suma += m.horizontalAdvance(c);
        if (suma + 2 > szerokosc)
            return false;
    }
    return true;
}

}  // namespace

void TEtykietaSkrocona::Skroc()
{
    const int szerokosc = contentsRect().width() - 2 * margin();
    const QFontMetrics m = fontMetrics();
    const QString widoczny = MiesciSie(m, tekst_, szerokosc) ? tekst_ : m.elidedText(tekst_, Qt::ElideRight, std::max(0, szerokosc));
    if (widoczny != widoczny_) {
        widoczny_ = widoczny;
        update();
    }
    const QString podpowiedz = widoczny == tekst_ ? QString() : tekst_;
    if (podpowiedz != toolTip())
        setToolTip(podpowiedz);
}
