#pragma once

// What a page of the printable report is drawn with (TRysownikStrony): a QPainter for the PDF and
// the charts, a palette page for the PNG's table pages.

#include "ui/report/obraz_paletowy.h"
#include "ui/text/kafelki_slow.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRectF>
#include <QString>

#include <array>
#include <optional>

class QPainter;

// The report's faces: the title, the header line, the table and its bold cells.
enum class tCzcionkaStrony { tytul, zwykla, tabela, tabelaGruba };
// The face at the page's text size `tekst` (pixels of the page).
QFont CzcionkaStrony(tCzcionkaStrony czcionka, double tekst);

// The few things a page of the report is made of, so that the table is laid out once and drawn on a
// PDF page and on a PNG page alike.
class TRysownikStrony {
public:
    virtual ~TRysownikStrony() = default;
    virtual void Wypelnij(const QRectF& r, const QColor& kolor) = 0;
    // A line across the page (a row's rule).
    virtual void Kreska(const QPointF& od, const QPointF& doo, const QColor& kolor) = 0;
    // One line of text aligned in its box (left or right, centred vertically) and cut at its edges;
    // `skracaj`: a text too wide ends in an ellipsis.
    virtual void Tekst(const QRectF& r, Qt::Alignment wyrownanie, const QString& tekst, tCzcionkaStrony czcionka,
                       const QColor& kolor, bool skracaj) = 0;
};

// Draws through a QPainter, as the PDF's pages and the first PNG page are drawn.
class TRysownikQPainter : public TRysownikStrony {
public:
    TRysownikQPainter(QPainter& p, double tekst);
    void Wypelnij(const QRectF& r, const QColor& kolor) override;
    void Kreska(const QPointF& od, const QPointF& doo, const QColor& kolor) override;
    void Tekst(const QRectF& r, Qt::Alignment wyrownanie, const QString& tekst, tCzcionkaStrony czcionka, const QColor& kolor,
               bool skracaj) override;

private:
    QPainter& p_;
    std::array<QFont, 4> czcionki_;
};

// Draws a page after page into a palette picture from kept word masks, edges on whole pixels: the
// PNG's table pages, hundreds of them on a crowded day. One per thread; the masks are kept from page
// to page.
class TRysownikPaletowy : public TRysownikStrony {
public:
    TRysownikPaletowy(const QSize& rozmiar, double tekst);
    // A new white page; the one before is gone.
    void NowaStrona();
    const QImage& Obraz() { return strona_->Obraz(); }

    void Wypelnij(const QRectF& r, const QColor& kolor) override;
    void Kreska(const QPointF& od, const QPointF& doo, const QColor& kolor) override;
    void Tekst(const QRectF& r, Qt::Alignment wyrownanie, const QString& tekst, tCzcionkaStrony czcionka, const QColor& kolor,
               bool skracaj) override;

private:
    QSize rozmiar_;
    std::array<QFont, 4> czcionki_;
    // The title's, the header line's and the table's words (the table's bold among them).
    std::array<TKafelkiSlow, 3> kafelki_;
    std::optional<TObrazPaletowy> strona_;
};
