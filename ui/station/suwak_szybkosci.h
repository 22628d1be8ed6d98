#pragma once

// The speed slider (TSuwakSzybkosci) of the station window: a scroll bar that shows its scale.

#include <QScrollBar>

// The speed slider: how many times faster than real time the simulation runs, from 1 to 100. Its
// groove carries marks with their speeds (1×, 20×, 40× …) where the handle does not cover them, so
// that the player sees what it sets; Home and End take it to either end.
class TSuwakSzybkosci : public QScrollBar {
    Q_OBJECT

public:
    explicit TSuwakSzybkosci(QWidget* rodzic = nullptr);
    // The speeds marked on the groove.
    static QList<int> Podzialka();
    // As high as the scroll bar, or as its marks' font needs where that is more.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QFont CzcionkaPodzialki() const;
    // The scroll bar's size, as high as the marks need.
    QSize ZPodzialka(QSize s) const;
};
