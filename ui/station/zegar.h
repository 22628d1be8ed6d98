#pragma once

// The analog clock widget (TZegarWidok) of the station window.

#include <QPixmap>
#include <QWidget>

#include <functional>

// An analog clock with green dots for the hours, showing the time it is asked for.
class TZegarWidok : public QWidget {
    Q_OBJECT

public:
    explicit TZegarWidok(std::function<double()> czas, QWidget* rodzic = nullptr);
    QSize sizeHint() const override { return Rozmiar; }
    // The clock at the window's scale: the dial is drawn anew at its size.
    void UstawSkale(double skala);
    // Repaints when a hand's tip has moved to another pixel since the last paint: a few simulated
    // seconds move it less than that.
    void Odswiez();

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    static constexpr QSize Rozmiar{97, 96};
    // Where the hands' tips are at the time, in whole pixels.
    QList<int> Wskazowki(double czas) const;

    std::function<double()> czas_;
    QList<int> narysowane_;
    QPixmap tarcza_;
};
