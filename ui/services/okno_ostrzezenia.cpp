// Building, sizing and counting down the timed warning dialog, and stopping it on a click.

#include "ui/services/okno_ostrzezenia.h"

#include "core/liczebniki.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {
QPointer<TOknoOstrzezenia> biezace;
}

std::function<void()> TOknoOstrzezenia::Sygnal = [] { QApplication::beep(); };

TOknoOstrzezenia* TOknoOstrzezenia::Biezace() { return biezace; }

TOknoOstrzezenia::TOknoOstrzezenia(const QString& naglowek, const QString& tekst, const QString& opis, int sekundy,
                                   QWidget* rodzic)
    : QDialog(rodzic, Qt::Dialog | Qt::WindowStaysOnTopHint)
{
    setObjectName("eWktWarningDialog");
    setWindowTitle(naglowek);
    lbInfo_ = new QLabel(tekst, this);
    lbInfo_->setWordWrap(true);
    QFont pogrubiona = lbInfo_->font();
    pogrubiona.setBold(true);
    lbInfo_->setFont(pogrubiona);
    lbInfo_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lbOpis_ = new QLabel(opis, this);
    lbOpis_->setWordWrap(true);
    lbOpis_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    gauge_ = new QProgressBar(this);
    gauge_->setFixedHeight(6);
    gauge_->setTextVisible(false);
    gauge_->setRange(0, 100);
    lbCzas_ = new QLabel(this);
    lbCzas_->setWordWrap(true);
    bStoj_ = new QPushButton("?", this);
    bStoj_->setFixedWidth(24);
    bStoj_->setStyleSheet("QPushButton { border: 1px solid #e0c000; }");
    bStoj_->setDefault(true);
    bStoj_->setToolTip(QStringLiteral("Zatrzymuje odliczanie: ostrzeżenie zostaje otwarte, aż je zamkniesz."));
    bStoj_->setAccessibleName(QStringLiteral("zatrzymaj odliczanie"));
    bOK_ = new QPushButton("OK", this);
    bAnuluj_ = new QPushButton("Anuluj", this);
    auto* dol = new QHBoxLayout;
    dol->addWidget(bStoj_);
    dol->addWidget(lbCzas_, 1);
    dol->addWidget(bOK_);
    dol->addWidget(bAnuluj_);
    auto* uklad = new QVBoxLayout(this);
    uklad->addWidget(lbInfo_);
    uklad->addWidget(lbOpis_, 1);
    uklad->addWidget(gauge_);
    uklad->addLayout(dol);
    for (QWidget* w : {static_cast<QWidget*>(lbInfo_), static_cast<QWidget*>(lbOpis_),
                       static_cast<QWidget*>(gauge_), static_cast<QWidget*>(lbCzas_)})
        w->installEventFilter(this);
    connect(bStoj_, &QPushButton::clicked, this, &TOknoOstrzezenia::Zatrzymaj);
    connect(bOK_, &QPushButton::clicked, this, [this] { Zakoncz(1); });
    connect(bAnuluj_, &QPushButton::clicked, this, [this] { Zakoncz(2); });
    n_ = (1000 / Interwal) * sekundy;
    timer_ = new QTimer(this);
    timer_->setInterval(Interwal);
    connect(timer_, &QTimer::timeout, this, &TOknoOstrzezenia::Tyknij);
    Dopasuj();
}

void TOknoOstrzezenia::Dopasuj()
{
    // Measured with the longest text the countdown line ever shows, so that the dialog keeps its
    // size when the countdown stops.
    const QString czas = lbCzas_->text();
    lbCzas_->setText(TekstZatrzymania());
    QLayout* uklad = layout();
    uklad->activate();
    const int szerokosc = std::max(Szerokosc, uklad->minimumSize().width());
    const int wysokosc = std::max(Wysokosc, uklad->hasHeightForWidth() ? uklad->totalHeightForWidth(szerokosc)
                                                                         : uklad->minimumSize().height());
    lbCzas_->setText(czas);
    setFixedSize(szerokosc, wysokosc);
}

TOknoOstrzezenia::~TOknoOstrzezenia() = default;

int TOknoOstrzezenia::PokazOstrzezenie(const QString& naglowek, const QString& tekst, const QString& opis, int sekundy,
                                       bool modalne)
{
    if (sekundy == 0)
        return 1;
    if (biezace != nullptr)
        delete biezace.data();
    auto* okno = new TOknoOstrzezenia(naglowek, tekst, opis, sekundy, QApplication::activeWindow());
    biezace = okno;
    okno->activateWindow();
    int wynik = 1;
    if (modalne) {
        okno->exec();
        wynik = okno->Wynik() == 0 ? 1 : okno->Wynik();
    } else {
        okno->show();
        while (okno->Wynik() == 0 && biezace == okno)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        if (biezace == okno)
            wynik = okno->Wynik();
        okno->hide();
    }
    if (biezace == okno) {
        delete okno;
        biezace = nullptr;
    }
    return wynik;
}

void TOknoOstrzezenia::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    if (k_ == 0 && !timer_->isActive()) {
        Tyknij();
        timer_->start();
    }
}

void TOknoOstrzezenia::Tyknij()
{
    const int t = 1000 / Interwal;
    if (k_ % t == 0 && k_ + 5 * t > n_ && k_ < n_ && Sygnal)
        Sygnal();
    gauge_->setValue(n_ > 0 ? static_cast<int>(std::lround(k_ * 100.0 / n_)) : 100);
    const int r = (n_ - k_) / t + 1;
    lbCzas_->setText(QString::fromStdString(Liczebnik("jeszcze %d %s", r, "sekunda", "sekundy", "sekund")));
    if (k_ > n_) {
        Zakoncz(1);
        return;
    }
    ++k_;
}

void TOknoOstrzezenia::Zatrzymaj()
{
    timer_->stop();
    gauge_->hide();
    bStoj_->hide();
    lbCzas_->setText(TekstZatrzymania());
}

QString TOknoOstrzezenia::TekstZatrzymania() { return QStringLiteral("Naciśnij OK lub Anuluj, aby zakończyć."); }

QString TOknoOstrzezenia::TekstCzasu() const { return lbCzas_->text(); }
int TOknoOstrzezenia::Postep() const { return gauge_->value(); }
bool TOknoOstrzezenia::Odlicza() const { return timer_->isActive(); }

void TOknoOstrzezenia::Zakoncz(int wynik)
{
    if (wynik_ != 0)
        return;
    wynik_ = wynik;
    timer_->stop();
    done(wynik);
}

void TOknoOstrzezenia::changeEvent(QEvent* e)
{
    QDialog::changeEvent(e);
    // Another window taking the focus ends the dialog as OK would.
    if (e->type() == QEvent::ActivationChange && isVisible() && !isActiveWindow() && wynik_ == 0 &&
        QApplication::activeWindow() != nullptr)
        Zakoncz(1);
}

void TOknoOstrzezenia::mousePressEvent(QMouseEvent* e)
{
    Zatrzymaj();
    QDialog::mousePressEvent(e);
}

bool TOknoOstrzezenia::eventFilter(QObject* obiekt, QEvent* e)
{
    if (e->type() == QEvent::MouseButtonPress)
        Zatrzymaj();
    return QDialog::eventFilter(obiekt, e);
}
