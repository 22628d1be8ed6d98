#pragma once

// A one-line label (TEtykietaSkrocona) that shortens a long text with an ellipsis and draws it from
// kept words.

#include "ui/text/kafelki_slow.h"

#include <QLabel>

// A one-line label that shortens a text too long for it with an ellipsis and then shows the whole
// text as its tooltip; it never widens the window to fit a long text. Its size does not depend on
// its text, and it draws the text itself, from words and digits kept as the journal keeps them:
// a QLabel given a new text asks its parent to lay itself out again and shapes the text anew at
// every paint, and the clock's and the status bar's times change on every tick.
class TEtykietaSkrocona : public QLabel {
    Q_OBJECT

public:
    explicit TEtykietaSkrocona(const QString& tekst = QString(), QWidget* rodzic = nullptr);

    void UstawTekst(const QString& tekst);
    // The whole text, however much of it shows.
    const QString& Tekst() const { return tekst_; }
    // The text as it shows, shortened where it must be.
    const QString& Widoczny() const { return widoczny_; }
    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    void Skroc();
    int WysokoscWiersza() const;
    // The text whole from kept words onto the label's own opaque background; false where it cannot.
    bool RysujSlowami(QPainter& p, const QRect& r);

    QString tekst_;
    QString widoczny_;
    TKafelkiSlow kafelki_;
};
