#pragma once

// The printable report written as PNG files, a file per A4 page.

#include <QByteArray>
#include <QRectF>

#include <string>

class TRaportDnia;

// An A4 page of the PNG export in pixels, at 100 dpi.
inline const QRectF StronaPng(0, 0, 827, 1169);
int LiczbaStronPng(const TRaportDnia& dzien);

// The file of page nrStrony (from 0) of `stron`: the first is the file named, a one-page report
// writing just it; page k from 2 on goes beside it as "<stem>-<k>.png", k with leading zeros to the
// width of the page count, so that a folder sorted by name lists the pages in order.
std::string PlikStronyPng(const std::string& plik, int nrStrony, int stron);

// One page as the whole content of its PNG file; empty when it could not be drawn whole. The
// first page, the charts', is drawn with a QPainter; the table's pages from kept word masks into a
// palette picture, which is many times quicker to draw and to write.
QByteArray StronaRaportuPng(const TRaportDnia& dzien, int nrStrony);

// The PNG export of the report window and of drelinko-sim: every page drawn in memory and written
// into a temporary file beside its place; when all are, they are flushed to the disk together and
// renamed over their places (TZapisPlikow). The table's pages are drawn and written by a few threads
// meanwhile, each holding one page, so that a day of thirty thousand trains holds a handful of
// pages, not hundreds. `plik` is the name's bytes as the file system takes them (QFile::encodeName).
// Empty when every page was written; otherwise the cause for the first page that failed, naming its
// file, every old page then left as it was.
std::string ZapiszRaportPng(const TRaportDnia& dzien, const std::string& plik);
