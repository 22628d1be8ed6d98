#pragma once

// The day's report drawn with Qt Charts: the four charts, the printable pages, and the PNG and PDF
// exports.

#include <QByteArray>
#include <QColor>
#include <QString>

#include <string>

class QChart;
class QPainter;
class QRectF;
class TRaportDnia;
class TRysownikStrony;

// The day's report drawn with Qt Charts: the charts for the report window, and the printable report
// (a header, the four charts, the table of trains) for the PNG and PDF exports. Every chart is new
// and belongs to the caller.
QChart* WykresWyniku(const TRaportDnia& dzien);
// The delay chart writes the trains' numbers under their bars up to this many trains; beyond, a bar
// tells its train when pointed at.
constexpr int NajwiecejPodpisowOpoznien = 40;
// Beyond this many trains a bar each would be thinner than a pixel and cost seconds to lay out: the
// delay chart then draws a bar per hour of the timetable, the mean delay of its trains.
constexpr int NajwiecejSlupkowOpoznien = 400;
// On a day with disturbances a late train's bar is drawn in two parts, with a legend: the delay
// brought in from the line and the delay added here.
QChart* WykresOpoznien(const TRaportDnia& dzien);
QChart* WykresRodzajow(const TRaportDnia& dzien);
// The occupation of the report's tracks, drawn as the station window's plan draws it (WykresPasm).
QChart* WykresZajetosci(const TRaportDnia& dzien);
// The colour of a report track's band, by its place in ToryRaportu; the plan's further rows go on
// from there.
QColor KolorToru(int i);

// The report's title line: the day, its hours, the score change, the trains and the punctual ones.
QString NaglowekRaportu(const TRaportDnia& dzien);

// The printable report is laid out on A4 pages: this many at the given page size in pixels.
int LiczbaStronRaportu(const TRaportDnia& dzien, const QRectF& strona);
void RysujStroneRaportu(QPainter& p, const TRaportDnia& dzien, const QRectF& strona, int nrStrony);
// A page of the table (nrStrony >= 1) through any drawer: laid out as RysujStroneRaportu lays it.
void RysujStroneTabeli(TRysownikStrony& r, const TRaportDnia& dzien, const QRectF& strona, int nrStrony);

// The printable report as the whole content of its PDF file; empty when it could not be drawn whole
// (without its end mark).
QByteArray RaportPdf(const TRaportDnia& dzien);

// The PDF export of the report window and of drelinko-sim (the PNG's, page by page, in
// raport_png.h). The file is drawn in memory first and then written beside its place and renamed
// over it when whole (ZapiszPlikCaly): a full disk or a protected file leaves the old one as it was.
// `plik` is the name's bytes as the file system takes them (QFile::encodeName), kept as given even
// when they are not UTF-8. Empty when written, otherwise the cause, naming the file.
std::string ZapiszRaportPdf(const TRaportDnia& dzien, const std::string& plik);
