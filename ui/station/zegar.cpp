// Painting the analog clock and repainting it only when a hand has moved.

#include "ui/station/zegar.h"

#include "ui/canvas/skala_okna.h"

#include <QPainter>

#include <cmath>

TZegarWidok::TZegarWidok(std::function<double()> czas, QWidget* rodzic) : QWidget(rodzic), czas_(std::move(czas))
{
    setObjectName("zegar");
    setFixedSize(Rozmiar);
}

namespace {

// How much the clock is larger than designed; the dots, the hands and the margin grow with it.
double Wzrost(const QWidget& w, QSize projekt)
{
    return std::min(w.width(), w.height()) / double(std::min(projekt.width(), projekt.height()));
}

double Promien(const QWidget& w, QSize projekt) { return std::min(w.width(), w.height()) / 2.0 - 4 * Wzrost(w, projekt); }

// The hands' angles for a time of day: the hour hand's, then the minute hand's.
std::pair<double, double> Katy(double czas)
{
    const double sekundy = std::fmod(czas * 86400.0, 86400.0);
    const double godz = sekundy / 3600.0, min = std::fmod(sekundy / 60.0, 60.0);
    return {std::fmod(godz, 12.0) * M_PI / 6, min * M_PI / 30};
}

}  // namespace

QList<int> TZegarWidok::Wskazowki(double czas) const
{
    const double r = Promien(*this, Rozmiar);
    const auto [godzinowa, minutowa] = Katy(czas);
    QList<int> w;
    for (const auto& [kat, dlugosc] : {std::pair{godzinowa, r * 0.5}, std::pair{minutowa, r * 0.8}}) {
        w << static_cast<int>(std::lround(std::sin(kat) * dlugosc));
        w << static_cast<int>(std::lround(-std::cos(kat) * dlugosc));
    }
    return w;
}

void TZegarWidok::Odswiez()
{
    if (Wskazowki(czas_ ? czas_() : 0.0) != narysowane_)
        update();
}

void TZegarWidok::UstawSkale(double skala)
{
    setFixedSize(Przeskalowany(Rozmiar, skala));
}

void TZegarWidok::paintEvent(QPaintEvent*)
{
    const double r = Promien(*this, Rozmiar);
    const double g = Wzrost(*this, Rozmiar);
    // The dial does not move: drawn once for the size and the screen, then copied.
    const qreal skala = devicePixelRatioF();
    if (tarcza_.size() != size() * skala || tarcza_.devicePixelRatio() != skala) {
        tarcza_ = QPixmap(size() * skala);
        tarcza_.setDevicePixelRatio(skala);
        tarcza_.fill(Qt::transparent);
        QPainter t(&tarcza_);
        t.setRenderHint(QPainter::Antialiasing);
        t.translate(width() / 2.0, height() / 2.0);
        t.setPen(Qt::NoPen);
        t.setBrush(QColor(0, 160, 0));
        for (int i = 0; i < 12; ++i) {
            const double kat = i * M_PI / 6;
            const double d = (i % 3 == 0 ? 3.5 : 2.2) * g;
            t.drawEllipse(QPointF(std::sin(kat) * r, -std::cos(kat) * r), d, d);
        }
    }
    QPainter p(this);
    p.drawPixmap(0, 0, tarcza_);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(width() / 2.0, height() / 2.0);
    const double t = czas_ ? czas_() : 0.0;
    narysowane_ = Wskazowki(t);
    const auto [godzinowa, minutowa] = Katy(t);
    const auto wskazowka = [&](double kat, double dlugosc, double grubosc, QColor kolor) {
        p.setPen(QPen(kolor, grubosc, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(0, 0), QPointF(std::sin(kat) * dlugosc, -std::cos(kat) * dlugosc));
    };
    wskazowka(godzinowa, r * 0.5, 3.0 * g, Qt::black);
    wskazowka(minutowa, r * 0.8, 2.0 * g, Qt::black);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(0, 0), 2.5 * g, 2.5 * g);
}
