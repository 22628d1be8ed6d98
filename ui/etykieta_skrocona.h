#pragma once

#include <QLabel>

// A one-line label that shortens a text too long for it with an ellipsis and then shows the whole
// text as its tooltip; it never widens the window to fit a long text.
class TEtykietaSkrocona : public QLabel {
    Q_OBJECT

public:
    explicit TEtykietaSkrocona(const QString& tekst = QString(), QWidget* rodzic = nullptr);

    void UstawTekst(const QString& tekst);
    // The whole text, however much of it shows.
    const QString& Tekst() const { return tekst_; }
    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    void Skroc();

    QString tekst_;
};
