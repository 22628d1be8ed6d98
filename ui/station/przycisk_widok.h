#pragma once

// The widget (TPrzyciskWidok) that shows one of the engine's buttons on a page of the window.

#include <QWidget>

class TSymulacjaStacji;
class TWktColorButton;

// One of the engine's buttons on a page of the window: it forwards the mouse and draws the button
// through the canvas, pointed-at and pressed states included.
class TPrzyciskWidok : public QWidget {
    Q_OBJECT

public:
    TPrzyciskWidok(TSymulacjaStacji& symulacja, TWktColorButton& przycisk, QWidget* rodzic = nullptr);
    TWktColorButton& Przycisk() const { return przycisk_; }
    // Placed and drawn at the window's scale, the drawing made at that size rather than stretched.
    void UstawSkale(double skala);
    // A frame round the button that draws the eye to it (the hint's button).
    void UstawWyroznienie(bool wlaczone);
    bool Wyrozniony() const { return wyrozniony_; }

signals:
    void nacisniety();

protected:
    void paintEvent(QPaintEvent* e) override;
    void enterEvent(QEnterEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    TSymulacjaStacji& sym_;
    TWktColorButton& przycisk_;
    bool wyrozniony_ = false;
};
