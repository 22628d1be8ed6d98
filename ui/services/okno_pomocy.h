#pragma once

// The help window (TOknoPomocy) and its pane, showing the game's own pages from the program folder.

#include <QString>
#include <QTextBrowser>
#include <QUrl>
#include <QWidget>

class QAction;
class QLabel;
class QLineEdit;

// The pane of the help window: the game's own pages from one folder. A page that is not there
// shows a message saying so instead of an empty pane, so that a missing file never looks like a
// blank manual.
class TPrzegladarkaPomocy : public QTextBrowser {
    Q_OBJECT

public:
    explicit TPrzegladarkaPomocy(QWidget* rodzic = nullptr);
    QVariant loadResource(int typ, const QUrl& nazwa) override;
    // The message shown in place of a page that cannot be read.
    static QString BrakStrony(const QString& sciezka);
};

// The help window: non-modal, with back, forward, the contents page and a search within the page.
// Links between the pages are followed; links out of the program folder are not (no network).
class TOknoPomocy : public QWidget {
    Q_OBJECT

public:
    // The page the "Spis treści" button opens: the manual, whose top lists its chapters.
    static constexpr const char* SpisTresci = "drelinko.htm";

    // Pages are looked for in the folder given (the program folder in the game).
    explicit TOknoPomocy(const QString& katalog, QWidget* rodzic = nullptr);

    // Opens a page by its file name, optionally with an anchor ("drelinko.htm#rogatki").
    void Otworz(const QString& strona);
    // Finds the next occurrence of the text in the page after the selection, going round to the
    // top when needed; false, with the "not found" mark, when the page does not hold it.
    bool Szukaj(const QString& tekst);
    // The file name of the page shown, without an anchor; empty before the first page.
    QString Strona() const;
    QString Katalog() const { return katalog_; }

    TPrzegladarkaPomocy* Przegladarka() const { return tekst_; }
    QLineEdit* PoleSzukania() const { return eSzukaj_; }
    QLabel* Komunikat() const { return lbKomunikat_; }
    QAction* AkcjaWstecz() const { return aWstecz_; }
    QAction* AkcjaDalej() const { return aDalej_; }
    QAction* AkcjaSpisTresci() const { return aSpis_; }

signals:
    // A link "polecenie:N" of a page: the start window's command N (the lessons, say).
    void polecenie(int numer);

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    void Przejdz(const QUrl& adres);
    void PokazKomunikat(const QString& tekst, bool blad);

    QString katalog_;
    TPrzegladarkaPomocy* tekst_;
    QLineEdit* eSzukaj_;
    QLabel* lbKomunikat_;
    QAction* aWstecz_;
    QAction* aDalej_;
    QAction* aSpis_;
};

// Opens the one help window of the program on a page of the program folder, or brings it to the
// front showing that page, over the window that asks for it, when it is open already.
void PokazPomoc(QWidget* rodzic, const QString& strona);
// Places a new help window beside the window of the game that asks for it, within the screen.
void PolozObok(QWidget& okno, const QWidget* rodzic);
// The help window made by PokazPomoc, while it exists.
TOknoPomocy* OknoPomocy();
