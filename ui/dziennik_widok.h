#pragma once

#include "station/kolor.h"

#include <QPlainTextEdit>

struct TLiniaDziennika;

// The journal pane: every line appended in place as three runs (the underlined head with the mark
// and the time, the bold headline in the colour of its points, the plain detail with the wall-clock
// time), tips in bold and plain; the newest line stands at the bottom. Every line is a block of its
// own, and the plain text layout lays out only the blocks in sight, so a line costs the same after
// a whole day of them and a burst of lines at midnight does not hold the window up.
class TDziennikWidok : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit TDziennikWidok(QWidget* rodzic = nullptr);
    void Dodaj(const TLiniaDziennika& linia);
    // "Wyczyść": the text goes, the score stays.
    void Wyczysc();

signals:
    void wyczyszczony();

protected:
    void contextMenuEvent(QContextMenuEvent* e) override;

private:
    void Przewin();
    TKolor kolor_ = kolory::Czarny;  // the bold text of a 0-point line keeps the colour before it
};
