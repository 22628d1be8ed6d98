#include "ui/etykieta_skrocona.h"

#include <QEvent>
#include <QFontMetrics>

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

QSize TEtykietaSkrocona::minimumSizeHint() const
{
    // Room for the ellipsis alone; the width the layout gives beyond it shows more of the text.
    return QSize(fontMetrics().horizontalAdvance(QStringLiteral("…")) + 2 * margin(), QLabel::minimumSizeHint().height());
}

QSize TEtykietaSkrocona::sizeHint() const { return QSize(minimumWidth(), QLabel::sizeHint().height()); }

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

void TEtykietaSkrocona::Skroc()
{
    const int szerokosc = contentsRect().width() - 2 * margin();
    const QString widoczny = fontMetrics().elidedText(tekst_, Qt::ElideRight, std::max(0, szerokosc));
    setText(widoczny);
    setToolTip(widoczny == tekst_ ? QString() : tekst_);
}
