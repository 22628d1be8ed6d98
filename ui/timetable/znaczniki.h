#pragma once

// The small markup of the timetable's rows and legend: reading it, laying it out, and the list delegate
// and label that show it.

#include <QFont>
#include <QSizeF>
#include <QString>
#include <QStyledItemDelegate>
#include <QWidget>

#include <vector>

class QPainter;

// The small markup of the timetable's rows and legend: "<b>" bold, "<u>" underline, "<br>" a line
// break, "<hr>" a horizontal rule, "<IND x="N">" the pen to N pixels from the left edge. Any other
// tag, and an unclosed "<" with everything after it, is not shown, so that an entry item such as
// "Brzelany<wBrz" shows only its name.

enum class tRodzajKawalka { tekst, wciecie, nowaLinia, kreska };

// One piece of the markup as read: text in one style, a move of the pen, a line break or a rule.
struct TKawalek {
    tRodzajKawalka Rodzaj = tRodzajKawalka::tekst;
    QString Tekst;
    bool Pogrubiony = false;
    bool Podkreslony = false;
    int X = 0;  // the indent's pixels
};

std::vector<TKawalek> CzytajZnaczniki(const QString& tekst);
// The text without its tags, line breaks and rules as new lines: what a screen reader or a search
// by typing should meet.
QString BezZnacznikow(const QString& tekst);

// A run of text placed on its line; X and Y (the top of its line) count from the text's top left.
struct TOdcinek {
    QString Tekst;
    bool Pogrubiony = false;
    bool Podkreslony = false;
    qreal X = 0;
    qreal Y = 0;
    qreal Szerokosc = 0;
    int Linia = 0;
};

// The markup laid out in a font: runs on lines, rules between them, and the size it takes. With a
// width, text wraps at blanks so that it stays inside; without one, lines are as long as the text.
class TUkladZnacznikow {
public:
    // A rule's height: a gap, a dark and a light line, a gap.
    static constexpr qreal WysokoscKreski = 6;

    TUkladZnacznikow(const QString& tekst, const QFont& czcionka, qreal szerokosc = 0);

    const std::vector<TOdcinek>& Odcinki() const { return odcinki_; }
    // The top of every rule.
    const std::vector<qreal>& Kreski() const { return kreski_; }
    int Linie() const { return linie_; }
    qreal WysokoscLinii() const { return wysokoscLinii_; }
    // The width of the widest line and the height of all lines and rules.
    QSizeF Rozmiar() const { return rozmiar_; }

    // Draws with the top left at `poczatek`; rules span `szerokosc` pixels.
    void Rysuj(QPainter& p, const QPointF& poczatek, qreal szerokosc, const QColor& kolor) const;

private:
    QFont czcionka_;
    std::vector<TOdcinek> odcinki_;
    std::vector<qreal> kreski_;
    int linie_ = 0;
    qreal wysokoscLinii_ = 0;
    qreal wzniesienie_ = 0;
    QSizeF rozmiar_;
};

// The item role whose text a list draws through TDelegatZnacznikow.
inline constexpr int RolaZnacznikow = Qt::UserRole + 1;

// Draws a list's rows from their markup, each row as high as its lines.
class TDelegatZnacznikow : public QStyledItemDelegate {
public:
    // Space between a row's edge and its text.
    static constexpr int Margines = 2;

    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* p, const QStyleOptionViewItem& opcje, const QModelIndex& indeks) const override;
    QSize sizeHint(const QStyleOptionViewItem& opcje, const QModelIndex& indeks) const override;
};

// A label that shows the markup, wrapped to its width.
class TEtykietaZnacznikow : public QWidget {
public:
    explicit TEtykietaZnacznikow(const QString& tekst = QString(), QWidget* rodzic = nullptr);

    void UstawTekst(const QString& tekst);
    const QString& Tekst() const { return tekst_; }

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int szerokosc) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QString tekst_;
};
