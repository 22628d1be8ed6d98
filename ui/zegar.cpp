#include "ui/zegar.h"

#include <QPainter>

#include <cmath>

TZegarWidok::TZegarWidok(std::function<double()> czas, QWidget* rodzic) : QWidget(rodzic), czas_(std::move(czas))
{
    setObjectName("zegar");
    setFixedSize(97, 96);
}

void TZegarWidok::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const double r = std::min(width(), height()) / 2.0 - 4;
    p.translate(width() / 2.0, height() / 2.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 160, 0));
    for (int i = 0; i < 12; ++i) {
        const double kat = i * M_PI / 6;
        const double d = i % 3 == 0 ? 3.5 : 2.2;
        p.drawEllipse(QPointF(std::sin(kat) * r, -std::cos(kat) * r), d, d);
    }
    const double t = czas_ ? czas_() : 0.0;
    const double sekundy = std::fmod(t * 86400.0, 86400.0);
    const double godz = sekundy / 3600.0, min = std::fmod(sekundy / 60.0, 60.0);
    const auto wskazowka = [&](double kat, double dlugosc, double grubosc, QColor kolor) {
        p.setPen(QPen(kolor, grubosc, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(0, 0), QPointF(std::sin(kat) * dlugosc, -std::cos(kat) * dlugosc));
    };
    wskazowka(std::fmod(godz, 12.0) * M_PI / 6, r * 0.5, 3.0, Qt::black);
    wskazowka(min * M_PI / 30, r * 0.8, 2.0, Qt::black);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(0, 0), 2.5, 2.5);
}
