#pragma once

#include <QWidget>

class TSymulacjaStacji;
class TElement;

// The station diagram: every element drawn in its drawing order through the canvas, at a zoom,
// crisp at the screen's pixel ratio. Clicks, double clicks, hints and the train menu all go to the
// element the one hit test finds under the mouse.
class TDiagram : public QWidget {
    Q_OBJECT

public:
    explicit TDiagram(TSymulacjaStacji& symulacja, QWidget* rodzic = nullptr);

    double Powiekszenie() const { return powiekszenie_; }
    void UstawPowiekszenie(double p);
    // The element under a point of the widget, or none.
    TElement* ElementPod(QPoint punkt) const;
    QSize sizeHint() const override;

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
    TSymulacjaStacji& sym_;
    double powiekszenie_ = 1.0;
};
