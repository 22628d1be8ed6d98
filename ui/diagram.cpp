#include "ui/diagram.h"

#include "simulation/symulacja_stacji.h"
#include "station/upunkt.h"
#include "ui/obraz.h"
#include "ui/qplotno.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

TDiagram::TDiagram(TSymulacjaStacji& symulacja, QWidget* rodzic) : QWidget(rodzic), sym_(symulacja)
{
    setObjectName("scb");
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(sizeHint());
}

QSize TDiagram::sizeHint() const
{
    const QSize s = RozmiarDiagramu(sym_.Stacja());
    return QSize(static_cast<int>(std::ceil(s.width() * powiekszenie_)), static_cast<int>(std::ceil(s.height() * powiekszenie_)));
}

void TDiagram::UstawPowiekszenie(double p)
{
    dopasowane_ = false;
    UstawSkale(std::clamp(p, NajmniejszePowiekszenie, NajwiekszePowiekszenie));
}

void TDiagram::Dopasuj()
{
    dopasowane_ = true;
    if (obszar_.isValid())
        UstawSkale(PowiekszenieDla(obszar_));
    else
        emit powiekszenieZmienione(powiekszenie_);
}

void TDiagram::UstawObszar(QSize obszar)
{
    obszar_ = obszar;
    if (dopasowane_)
        UstawSkale(PowiekszenieDla(obszar_));
}

double TDiagram::PowiekszenieDla(QSize obszar) const
{
    const QSize s = RozmiarDiagramu(sym_.Stacja());
    if (s.isEmpty() || obszar.isEmpty())
        return 1.0;
    const double p = std::min(double(obszar.width()) / s.width(), double(obszar.height()) / s.height());
    // Whole hundredths, rounded down, so that the drawn diagram never needs a scroll bar.
    return std::clamp(std::floor(p * 100) / 100, 1.0, NajwiekszePowiekszenie);
}

void TDiagram::UstawSkale(double p)
{
    if (p == powiekszenie_)
        return;
    powiekszenie_ = p;
    resize(sizeHint());
    updateGeometry();
    update();
    emit powiekszenieZmienione(p);
}

TElement* TDiagram::ElementPod(QPoint punkt) const
{
    return sym_.Stacja().ElementW({static_cast<int>(punkt.x() / powiekszenie_), static_cast<int>(punkt.y() / powiekszenie_)});
}

void TDiagram::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), NaQColor(sym_.Stacja().KolorOkna));
    p.scale(powiekszenie_, powiekszenie_);
    TQPlotno plotno(p);
    sym_.Stacja().Rysuj(plotno);
}

void TDiagram::mousePressEvent(QMouseEvent* e)
{
    TElement* element = ElementPod(e->position().toPoint());
    if (element == nullptr)
        return;
    if (e->button() == Qt::LeftButton)
        sym_.Akt({"click", element->Name});
    else if (e->button() == Qt::RightButton)
        emit menuPunktu(element, e->globalPosition().toPoint());
    update();
}

void TDiagram::mouseDoubleClickEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton)
        return;
    if (auto* punkt = dynamic_cast<TPunkt*>(ElementPod(e->position().toPoint())))
        sym_.Akt({"dblclick", punkt->Name});
    update();
}

bool TDiagram::event(QEvent* e)
{
    if (e->type() == QEvent::ToolTip) {
        auto* pomoc = static_cast<QHelpEvent*>(e);
        // An occupied point tells its train; any other element its hint.
        const TElement* element = ElementPod(pomoc->pos());
        const std::string dymek = element != nullptr ? TekstDymka(*element) : std::string();
        if (!dymek.empty())
            QToolTip::showText(pomoc->globalPos(), QString::fromStdString(dymek), this);
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(e);
}

void TDiagram::wheelEvent(QWheelEvent* e)
{
    if (e->modifiers() & Qt::ControlModifier) {
        UstawPowiekszenie(powiekszenie_ * (e->angleDelta().y() > 0 ? 1.25 : 0.8));
        e->accept();
        return;
    }
    QWidget::wheelEvent(e);
}
