#pragma once

// The station diagram widget (TDiagram): draws the elements at a zoom and passes the mouse to the
// element under it.

#include "simulation/ustawienia_gry.h"

#include <QWidget>

#include <unordered_map>
#include <vector>

class TSymulacjaStacji;
class TElement;
class TKomponent;

// The station diagram: every element drawn in its drawing order through the canvas, at a zoom,
// crisp at the screen's pixel ratio. Clicks, double clicks, hints and the train menu all go to the
// element the one hit test finds under the mouse.
class TDiagram : public QWidget {
    Q_OBJECT

public:
    explicit TDiagram(TSymulacjaStacji& symulacja, QWidget* rodzic = nullptr);

    // The zoom fits the diagram to the space it has until the player chooses one; Dopasuj goes back
    // to fitting.
    static constexpr double NajmniejszePowiekszenie = ustawienia::NajmniejszePowiekszenie;
    static constexpr double NajwiekszePowiekszenie = ustawienia::NajwiekszePowiekszenie;
    double Powiekszenie() const { return powiekszenie_; }
    bool Dopasowane() const { return dopasowane_; }
    void UstawPowiekszenie(double p);
    void Dopasuj();
    // The space the diagram may fill; with a fitting zoom the zoom follows it.
    void UstawObszar(QSize obszar);
    // The zoom at which the diagram fills a space: never below 1, where its smallest text stays
    // legible (a smaller space scrolls).
    double PowiekszenieDla(QSize obszar) const;
    // The element under a point of the widget, or none.
    TElement* ElementPod(QPoint punkt) const;
    QSize sizeHint() const override;
    // The component changed its look: repaints where it was drawn and where it is drawn now, and
    // nothing else.
    void OdswiezKomponent(TKomponent& komponent);
    // The trains' labels changed or moved: repaints where they were and where they are now.
    void OdswiezEtykiety();

signals:
    // A right click on a point: the window opens the train menu there.
    void menuPunktu(TElement* element, QPoint globalnie);
    void powiekszenieZmienione(double p);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    bool event(QEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;

private:
    void UstawSkale(double p);
    // Where the component draws, in the diagram's own coordinates (before the zoom); empty when it
    // is not drawn on the diagram.
    QRect ZasiegKomponentu(TKomponent& komponent) const;
    // The widget's pixels that show a rectangle of the diagram's own coordinates.
    QRect NaWidzet(const QRect& logiczny) const;

    TSymulacjaStacji& sym_;
    // Where each component drew last time; a repaint of part of the diagram draws only the
    // components that reach into it.
    mutable std::unordered_map<const TKomponent*, QRect> zasiegi_;
    // Where the trains' labels were drawn last time.
    std::vector<QRect> etykiety_;
    double powiekszenie_ = 1.0;
    bool dopasowane_ = true;
    QSize obszar_;
};
