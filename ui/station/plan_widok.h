#pragma once

// "Plan": the next two hours of the station's tracks and lines beside the journal (TPlanWidok).

#include "run/plan_stacji.h"
#include "ui/report/wykres_pasm.h"

#include <QElapsedTimer>
#include <QWidget>

#include <functional>
#include <future>
#include <memory>

class QChart;
class QChartView;
class QTimer;
class TSymulacjaStacji;

// What happened on the five tracks and the three lines in the last half hour, and what the
// automatic dispatcher would do in the next two, as the report's occupation chart draws it. The
// forecast is made on a worker thread from the run's state (taking it is all the window's thread
// does), while the tab is shown and the game has moved on a minute or a moment has passed for the
// player's acts; the last finished one stays shown meanwhile.
class TPlanWidok : public QWidget {
    Q_OBJECT

public:
    explicit TPlanWidok(TSymulacjaStacji& symulacja, QWidget* rodzic = nullptr);
    ~TPlanWidok() override;

    // The plan shown, and how many have been drawn.
    const TPlanStacji& Plan() const { return plan_; }
    int Narysowane() const { return narysowane_; }
    QChart* Wykres() const;
    // Starts a forecast unless one is being made; its result is drawn when it is done.
    void Przelicz();
    // Waits for the forecast being made and draws it (for the tests).
    void Dokoncz();

    // The height that shows every row whole, which the window gives the tab while it is chosen as
    // far as it can.
    int WysokoscCala() const;

    // The tab asks for no room of its own: the journal's height is the window's to share out, and
    // the plan scrolls within whatever it is given.
    QSize sizeHint() const override { return {1, 1}; }
    QSize minimumSizeHint() const override { return {1, 1}; }

    // What pointing at the chart's place (in the view's viewport) tells: a band's train and times,
    // or else the forecast's conflicts.
    QString OpisMiejsca(const QPoint& miejsce) const;

protected:
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    bool eventFilter(QObject* obiekt, QEvent* e) override;

private:
    void Sprawdz();
    void Narysuj(TPlanStacji plan);
    void Pokaz(QChart* wykres);

    TSymulacjaStacji& sym_;
    TProbnikLinii linie_;
    std::function<void()> poprzedniTyk_;
    std::future<TPlanStacji> liczony_;
    TPlanStacji plan_;
    // The bands as drawn, for pointing at them whichever chart is up.
    std::vector<TPasmo> pasma_;
    TWierszeStanu ostatniPunkt_;
    int narysowane_ = 0;
    double czasPlanu_ = -1.0;
    QElapsedTimer odOstatniego_;
    QTimer* zegar_ = nullptr;
    QChartView* widok_ = nullptr;
};
