// Drawing the station diagram at its zoom, repainting only what changed, and handing clicks, hints and
// the wheel to the elements.

#include "ui/station/diagram.h"

#include "run/symulacja_stacji.h"
#include "station/etykiety_pociagow.h"
#include "station/upunkt.h"
#include "ui/canvas/obraz.h"
#include "ui/canvas/plotno_zasiegu.h"
#include "ui/canvas/qplotno.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPaintEvent>
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

QRect TDiagram::ZasiegKomponentu(TKomponent& k) const
{
    if (!k.Visible || k.Kontener != TKomponent::Diagram)
        return {};
    TPlotnoZasiegu zasieg;
    zasieg.Przesun(k.Left, k.Top);
    k.Paint(zasieg);
    // The blinking frame a few pixels clear of it, which the station draws over every element.
    constexpr int Ramka = 6;
    return zasieg.Zasieg().united(QRect(k.Left, k.Top, k.Width, k.Height).adjusted(-Ramka, -Ramka, Ramka, Ramka));
}

QRect TDiagram::NaWidzet(const QRect& logiczny) const
{
    // A pixel more all round: the zoom rounds edges either way.
    const QRectF r(logiczny.x() * powiekszenie_, logiczny.y() * powiekszenie_, logiczny.width() * powiekszenie_,
                   logiczny.height() * powiekszenie_);
    return r.toAlignedRect().adjusted(-1, -1, 1, 1);
}

void TDiagram::OdswiezKomponent(TKomponent& k)
{
    QRect obszar = ZasiegKomponentu(k);
    const auto it = zasiegi_.find(&k);
    if (it != zasiegi_.end()) {
        obszar = obszar.united(it->second);
        it->second = obszar;
    } else {
        zasiegi_[&k] = obszar;
    }
    if (!obszar.isEmpty())
        update(NaWidzet(obszar));
}

void TDiagram::OdswiezEtykiety()
{
    std::vector<QRect> teraz;
    if (sym_.Stacja().EtykietyPociagow)
        for (const TEtykietaPociagu& e : RozmiescEtykietyPociagow(sym_.Stacja())) {
            TPlotnoZasiegu zasieg;
            zasieg.Przesun(e.Punkt->Left, e.Punkt->Top);
            e.Punkt->RysujEtykietePociagu(zasieg, e.Miejsce);
            teraz.push_back(zasieg.Zasieg());
        }
    if (teraz == etykiety_)
        return;
    // A label moves as a whole when another train takes its place: both places are repainted.
    for (const std::vector<QRect>* lista : {&etykiety_, &teraz})
        for (const QRect& r : *lista)
            if (std::find(etykiety_.begin(), etykiety_.end(), r) == etykiety_.end() ||
                std::find(teraz.begin(), teraz.end(), r) == teraz.end())
                update(NaWidzet(r));
    etykiety_ = std::move(teraz);
}

void TDiagram::paintEvent(QPaintEvent* e)
{
    QPainter p(this);
    p.fillRect(e->rect(), NaQColor(sym_.Stacja().KolorOkna));
    p.scale(powiekszenie_, powiekszenie_);
    TQPlotno plotno(p);
    const QRect naruszony = e->region().boundingRect();
    if (naruszony.contains(rect())) {
        sym_.Stacja().Rysuj(plotno);
        return;
    }
    // Only the components that reach into the part to repaint; the painter clips the rest.
    sym_.Stacja().Rysuj(plotno, TKomponent::Diagram, [this, &e](TKomponent& k) {
        auto it = zasiegi_.find(&k);
        if (it == zasiegi_.end())
            it = zasiegi_.emplace(&k, ZasiegKomponentu(k)).first;
        return e->region().intersects(NaWidzet(it->second));
    });
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
