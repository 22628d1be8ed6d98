#pragma once

// The journal pane (TDziennikWidok), which lays out only the lines in sight so that a long day costs
// no more than a short one.

#include "station/kolor.h"
#include "ui/text/kafelki_slow.h"

#include <QAbstractScrollArea>
#include <QTextLayout>
#include <QTimer>

#include <QImage>

#include <map>
#include <tuple>
#include <unordered_map>
#include <vector>

struct TLiniaDziennika;

// The journal pane: every line kept as three runs (the underlined head with the mark and the time,
// the bold headline in the colour of its points, the plain detail with the wall-clock time), tips in
// bold and plain; the newest line stands at the bottom. Only the lines in sight are laid out, word by
// word from masks kept for each word (see TKafelkiSlow), wrapped at spaces and, for a word wider than
// the pane, anywhere. A line appended at the bottom moves the pixels up by its height, so only its
// own strip is painted: a line costs the same after a whole day of them.
// The scroll bar counts lines; at its end the newest line stands on the bottom edge.
class TDziennikWidok : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit TDziennikWidok(QWidget* rodzic = nullptr);
    // `numer`: the line's index in the game's journal, or -1 for a line not of it.
    void Dodaj(const TLiniaDziennika& linia, int numer = -1);
    // "Wyczyść": the text goes, the score stays.
    void Wyczysc();

    int LiczbaLinii() const { return static_cast<int>(linie_.size()); }
    QString TekstLinii(int i) const { return linie_[static_cast<std::size_t>(i)].Tekst; }
    const QList<QTextLayout::FormatRange>& CzesciLinii(int i) const { return linie_[static_cast<std::size_t>(i)].Czesci; }
    // The whole text as shown, a line a line.
    QString toPlainText() const;
    // The selected text as shown, lines joined by line breaks.
    QString ZaznaczonyTekst() const;
    // The width the lines wrap at.
    int SzerokoscZawijania() const;
    // The height of line i laid out at the pane's width.
    int WysokoscLinii(int i);
    // Whether line i cost points, and which line of the game's journal it is (-1: none).
    bool LiniaKary(int i) const { return linie_[static_cast<std::size_t>(i)].Kara; }
    int NumerWDzienniku(int i) const { return linie_[static_cast<std::size_t>(i)].Numer; }
    // The context menu offers "Pokaż w zapisie" on a line that cost points.
    void UstawPokazWZapisie(bool tak) { pokazWZapisie_ = tak; }

public slots:
    void selectAll();
    void copy();

signals:
    void wyczyszczony();
    // "Pokaż w zapisie" on a line: its index in the game's journal.
    void pokazWZapisie(int numer);

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void scrollContentsBy(int dx, int dy) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    bool event(QEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    struct TLinia {
        QString Tekst;
        QList<QTextLayout::FormatRange> Czesci;
        bool Kara = false;
        int Numer = -1;
    };
    // A place in the text: a line and a character in it.
    struct TMiejsce {
        int Linia = 0;
        int Znak = 0;
        auto operator<=>(const TMiejsce&) const = default;
    };
    // A line painted last time: where it stood, for the mouse.
    struct TWidoczna {
        int Linia;
        int Gora;
    };
    // A piece of a laid-out line: a word, a digit or other sign, or a run of spaces.
    struct TKawalek {
        int Poczatek = 0;
        int Dlugosc = 0;
        const TKafelkiSlow::TKafelek* Kafelek = nullptr;
        qreal X = 0;  // from the line's left edge, logical pixels
        int Wiersz = 0;
        QRgb Kolor = 0;
        bool Gruby = false;
        bool Podkreslony = false;
    };
    using TRozklad = std::vector<TKawalek>;

    void DodajLinie(TLinia linia);
    // The lines' runs share their formats (a few colours, bold, underlined): made for each line
    // they were the biggest part of a long journal's pane.
    const QTextCharFormat& Format(bool gruby, bool podkreslony, QRgb kolor);
    // Brings the words' faces, the pixel ratio and the wrapping width up to date; a change
    // forgets every line's layout.
    void Przygotuj();
    const TRozklad& Rozklad(int i);
    void RysujLinie(QPainter& p, int i, int gora, int od, int doo);
    // Where in its line character znak of a piece stands.
    qreal XZnaku(int linia, const TKawalek& k, int znak) const;
    void UstawPasek();
    bool NaKoncu() const { return naKoncu_; }
    TMiejsce MiejscePod(QPoint p);
    int Margines() const { return 4; }

    std::vector<TLinia> linie_;
    TKafelkiSlow kafelki_;
    std::unordered_map<int, TRozklad> rozklady_;
    std::map<std::tuple<bool, bool, QRgb>, QTextCharFormat> formaty_;
    std::vector<int> wysokosci_;  // of each line at szerokoscUkladow_; 0 where not laid out yet
    int szerokoscUkladow_ = -1;
    QFont czcionkaUkladow_;
    QImage linia_;  // where a line is put together before it goes on the screen
    std::vector<TWidoczna> widoczne_;
    TMiejsce kotwica_, kursor_;
    bool zaznaczanie_ = false;
    bool naKoncu_ = true;  // the newest line is in sight and stays so
    bool pelny_ = false;   // the lines fill the pane: a new one moves the others up
    // Following the newest line, the scroll bar is brought up to date a little later, once for a
    // run of lines: repainting it cost more than the line.
    QTimer pasek_;
    bool calyDoOdmalowania_ = false;  // a repaint of everything is due: no more pixel moves till then
    int przesuniecie_ = 0;            // pixels moved up since the last paint
    TKolor kolor_ = kolory::Czarny;   // the bold text of a 0-point line keeps the colour before it
    bool pokazWZapisie_ = false;
};
