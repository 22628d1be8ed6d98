// The lesson panel: its texts follow the lesson's steps; its buttons are the player's.

#include "ui/station/panel_lekcji.h"

#include "lessons/przebieg_lekcji.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

TPanelLekcji::TPanelLekcji(TPrzebiegLekcji& lekcja, QWidget* rodzic) : QWidget(rodzic), lekcja_(lekcja)
{
    setObjectName("pLekcja");
    auto* tytul = new QLabel(QStringLiteral("<b>%1</b>").arg(QString::fromStdString(lekcja.Lekcja().Tytul)));
    tytul->setObjectName("lbTytulLekcji");
    lbKrok_ = new QLabel;
    lbKrok_->setObjectName("lbKrok");
    lbKrok_->setWordWrap(true);
    lbKrok_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lbWyjasnienie_ = new QLabel;
    lbWyjasnienie_->setObjectName("lbWyjasnienie");
    lbWyjasnienie_->setWordWrap(true);
    lbWyjasnienie_->setStyleSheet(QStringLiteral("color: #800000"));
    bDalej_ = new QPushButton(QStringLiteral("&Dalej"));
    bDalej_->setObjectName("bDalej");
    auto* bOdNowa = new QPushButton(QStringLiteral("&Od nowa"));
    bOdNowa->setObjectName("bOdNowa");
    auto* bZakoncz = new QPushButton(QStringLiteral("&Zakończ"));
    bZakoncz->setObjectName("bZakoncz");
    auto* przyciski = new QHBoxLayout;
    przyciski->addWidget(bDalej_);
    przyciski->addWidget(bOdNowa);
    przyciski->addWidget(bZakoncz);
    przyciski->addStretch();
    // The texts scroll in whatever height the journal's share leaves; the buttons stay in sight.
    auto* teksty = new QWidget;
    auto* t = new QVBoxLayout(teksty);
    t->setContentsMargins(0, 0, 0, 0);
    t->addWidget(tytul);
    t->addWidget(lbKrok_);
    t->addWidget(lbWyjasnienie_);
    t->addStretch();
    auto* przewijane = new QScrollArea;
    przewijane->setObjectName("przewijanaLekcja");
    przewijane->setWidget(teksty);
    przewijane->setWidgetResizable(true);
    przewijane->setFrameShape(QFrame::NoFrame);
    przewijane->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* u = new QVBoxLayout(this);
    u->setContentsMargins(6, 4, 6, 4);
    u->addWidget(przewijane, 1);
    u->addLayout(przyciski);
    connect(bDalej_, &QPushButton::clicked, this, [this] {
        lekcja_.Dalej();
        Odswiez();
    });
    connect(bOdNowa, &QPushButton::clicked, this, &TPanelLekcji::odNowa);
    connect(bZakoncz, &QPushButton::clicked, this, &TPanelLekcji::zakoncz);
    Odswiez();
}

void TPanelLekcji::Odswiez()
{
    if (lekcja_.Krok() == pokazany_)
        return;
    pokazany_ = lekcja_.Krok();
    lbWyjasnienie_->clear();
    const auto& kroki = lekcja_.Lekcja().Kroki;
    if (lekcja_.Ukonczona()) {
        lbKrok_->setText(QStringLiteral("Lekcja ukończona. Możesz grać dalej albo ją zakończyć."));
        bDalej_->setEnabled(false);
        return;
    }
    lbKrok_->setText(QStringLiteral("Krok %1 z %2. %3")
                         .arg(pokazany_ + 1)
                         .arg(kroki.size())
                         .arg(QString::fromStdString(kroki[pokazany_].Tekst)));
    // "Dalej" only where the step asks to be read; any other is done on the station.
    bDalej_->setEnabled(kroki[pokazany_].Gotowe.Rodzaj == tWarunek::dalej);
}

void TPanelLekcji::PokazWyjasnienie(const QString& tekst) { lbWyjasnienie_->setText(tekst); }
