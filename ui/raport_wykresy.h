#pragma once

#include <QString>

class QChart;
class QPainter;
class QRectF;
class TRaportDnia;

// The day's report drawn with Qt Charts: the charts for the report window, and the printable report
// (a header, the four charts, the table of trains) for the PNG and PDF exports. Every chart is new
// and belongs to the caller.
QChart* WykresWyniku(const TRaportDnia& dzien);
QChart* WykresOpoznien(const TRaportDnia& dzien);
QChart* WykresRodzajow(const TRaportDnia& dzien);
QChart* WykresZajetosci(const TRaportDnia& dzien);

// The report's title line: the day, its hours, the score change, the trains and the punctual ones.
QString NaglowekRaportu(const TRaportDnia& dzien);

// The printable report is laid out on A4 pages: this many at the given page size in pixels.
int LiczbaStronRaportu(const TRaportDnia& dzien, const QRectF& strona);
void RysujStroneRaportu(QPainter& p, const TRaportDnia& dzien, const QRectF& strona, int nrStrony);

// The exports of the report window; false when the file cannot be written.
bool ZapiszRaportPng(const TRaportDnia& dzien, const QString& plik);
bool ZapiszRaportPdf(const TRaportDnia& dzien, const QString& plik);
