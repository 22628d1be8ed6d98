#pragma once

// The progress window (TOknoPostepu), a line of text on the screen while a station is built or closed.

#include <QString>
#include <QWidget>

class QLabel;

// The progress window: a small borderless window with one line of text that stands on the screen
// while a station is built or closed, when the game has nothing else to show.
class TOknoPostepu : public QWidget {
    Q_OBJECT

public:
    explicit TOknoPostepu(QWidget* rodzic = nullptr);
    QString Tekst() const;
    // Shown with the text, painted before the call returns (the work that follows holds the
    // event loop).
    void Pokaz(const QString& tekst);
    // A new text for the window on the screen; a hidden window stays hidden and keeps its text.
    void UstawTekst(const QString& tekst);
    void Ukryj();

signals:
    // Every text the player is shown, in order.
    void pokazano(const QString& tekst);

private:
    QLabel* lbTekst_;
};

// The one progress window of the program, made on first use.
TOknoPostepu& OknoPostepu();
