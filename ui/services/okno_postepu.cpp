// Showing, updating and hiding the progress window, and the program's one copy of it.

#include "ui/services/okno_postepu.h"

#include "ui/canvas/qplotno.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

TOknoPostepu::TOknoPostepu(QWidget* rodzic)
    : QWidget(rodzic, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName("eProgres");
    setAttribute(Qt::WA_ShowWithoutActivating);
    auto* ramka = new QFrame(this);
    ramka->setObjectName("ramka");
    ramka->setFrameShape(QFrame::Panel);
    ramka->setFrameShadow(QFrame::Raised);
    ramka->setLineWidth(2);
    ramka->setStyleSheet("QFrame#ramka { background: #EFE4D1; border: 2px solid #8C7A5B; }");
    lbTekst_ = new QLabel(ramka);
    lbTekst_->setObjectName("lbTekst");
    lbTekst_->setAlignment(Qt::AlignCenter);
    QFont czcionka = NaQFont(TCzcionka{});
    czcionka.setBold(true);
    lbTekst_->setFont(czcionka);
    auto* uRamka = new QVBoxLayout(ramka);
    uRamka->setContentsMargins(16, 12, 16, 12);
    uRamka->addWidget(lbTekst_);
    auto* u = new QVBoxLayout(this);
    u->setContentsMargins(0, 0, 0, 0);
    u->addWidget(ramka);
    setFixedSize(300, 52);
}

QString TOknoPostepu::Tekst() const { return lbTekst_->text(); }

void TOknoPostepu::Pokaz(const QString& tekst)
{
    lbTekst_->setText(tekst);
    if (!isVisible()) {
        if (const QScreen* ekran = QApplication::primaryScreen())
            move(ekran->availableGeometry().center() - rect().center());
        show();
        raise();
    }
    emit pokazano(tekst);
    // Painted now: the station is built or closed in one go, without returning to the event loop.
    repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TOknoPostepu::UstawTekst(const QString& tekst)
{
    if (!isVisible())
        return;
    Pokaz(tekst);
}

void TOknoPostepu::Ukryj() { hide(); }

TOknoPostepu& OknoPostepu()
{
    static TOknoPostepu* okno = new TOknoPostepu;
    return *okno;
}
