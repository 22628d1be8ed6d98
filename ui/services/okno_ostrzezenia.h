#pragma once

// The timed warning dialog (TOknoOstrzezenia) that shows a fault for a few seconds and closes by itself.

#include <QDialog>

#include <functional>

class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

// The small always-on-top dialog that shows a fault for a few seconds, counting down, and closes
// by itself; a click stops the countdown and keeps it until OK or Anuluj.
class TOknoOstrzezenia : public QDialog {
    Q_OBJECT

public:
    static constexpr int Interwal = 200;  // ms a tick
    // The smallest size; longer texts make the dialog taller (or, for a word that cannot wrap, wider).
    static constexpr int Szerokosc = 308;
    static constexpr int Wysokosc = 144;

    // Shows the dialog and answers 1 (OK, time-out or losing the focus) or 2 (Anuluj). Seconds 0
    // show nothing and answer 1. At most one dialog exists at a time.
    static int PokazOstrzezenie(const QString& naglowek, const QString& tekst, const QString& opis, int sekundy,
                                bool modalne);
    // The dialog shown right now, if any.
    static TOknoOstrzezenia* Biezace();
    // The warning beep; tests count it.
    static std::function<void()> Sygnal;

    TOknoOstrzezenia(const QString& naglowek, const QString& tekst, const QString& opis, int sekundy,
                     QWidget* rodzic = nullptr);
    ~TOknoOstrzezenia() override;

    // One tick of the countdown.
    void Tyknij();
    // A click on the dialog: the countdown stops, the dialog waits for a button.
    void Zatrzymaj();
    int Wynik() const { return wynik_; }
    QString TekstCzasu() const;
    int Postep() const;
    bool Odlicza() const;

protected:
    void showEvent(QShowEvent* e) override;
    void changeEvent(QEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    bool eventFilter(QObject* obiekt, QEvent* e) override;

private:
    void Zakoncz(int wynik);
    void Dopasuj();
    static QString TekstZatrzymania();

    QLabel* lbInfo_;
    QLabel* lbOpis_;
    QProgressBar* gauge_;
    QLabel* lbCzas_;
    QPushButton* bStoj_;
    QPushButton* bOK_;
    QPushButton* bAnuluj_;
    QTimer* timer_;
    int k_ = 0;
    int n_ = 0;
    int wynik_ = 0;
};
