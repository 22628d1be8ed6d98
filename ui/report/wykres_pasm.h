#pragma once

// The band chart of who held which track (WykresPasm): the report's occupation chart and the
// station window's plan are this one drawing.

#include <QColor>
#include <QPointF>
#include <QString>

#include <optional>
#include <vector>

class QAbstractAxis;
class QChart;

// A row of bands, from the top: its label and its colour.
struct TWierszPasm {
    QString Nazwa;
    QColor Kolor;
};

// How a stretch is drawn: what happened in the row's colour, what is planned in a light shade of
// it, a planned stretch of a train in conflict red.
enum class tWygladPasma { pelny, jasny, czerwony };

// One train on one row, times in hours of the time axis.
struct TPasmo {
    int Wiersz = 0;
    double Od = 0.0, Do = 0.0;
    QString Pociag;
    tWygladPasma Wyglad = tWygladPasma::pelny;
};

// The chart over the time axis `osCzasu` (given with its range, hours on it), one band per row
// rising where a train holds it; pointing at a band tells its train and times. With `teraz`, a
// vertical line marks now. The chart, and the axis, belong to the caller.
QChart* WykresPasm(const QString& tytul, QAbstractAxis* osCzasu, const std::vector<TWierszPasm>& wiersze,
                   const std::vector<TPasmo>& pasma, std::optional<double> teraz = std::nullopt);

// What pointing at the chart's point `wartosc` (hours, rows counted from the bottom from 0) tells:
// the band's train and times, marked when planned; empty off the bands.
QString OpisPasma(const std::vector<TPasmo>& pasma, int wierszy, const QPointF& wartosc);

// The light shade of a row's colour for what is planned, and the colour of a conflict.
QColor KolorPlanowany(const QColor& kolor);
inline const QColor KolorKonfliktu(200, 0, 0);
// "7:05" of hours on the axis; the next day's hours start again from 0:00.
QString GodzinaOsi(double godziny);
