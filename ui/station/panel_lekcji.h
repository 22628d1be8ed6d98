#pragma once

// The lesson panel (TPanelLekcji): the step to do, what went wrong, and "Dalej", "Od nowa",
// "Zakończ", on a tab beside the journal.

#include <QWidget>

class QLabel;
class QPushButton;
class TPrzebiegLekcji;

class TPanelLekcji : public QWidget {
    Q_OBJECT

public:
    explicit TPanelLekcji(TPrzebiegLekcji& lekcja, QWidget* rodzic = nullptr);
    // Shows the step the lesson stands at, or that it is complete.
    void Odswiez();
    // A wrong act, in the lesson's words, until the step changes.
    void PokazWyjasnienie(const QString& tekst);

signals:
    void odNowa();
    void zakoncz();

private:
    TPrzebiegLekcji& lekcja_;
    QLabel* lbKrok_ = nullptr;
    QLabel* lbWyjasnienie_ = nullptr;
    QPushButton* bDalej_ = nullptr;
    std::size_t pokazany_ = static_cast<std::size_t>(-1);
};
