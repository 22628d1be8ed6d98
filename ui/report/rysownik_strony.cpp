// A report page drawn through a QPainter, or from kept word masks into a palette picture.

#include "ui/report/rysownik_strony.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPainter>

#include <cmath>
#include <vector>

QFont CzcionkaStrony(tCzcionkaStrony czcionka, double tekst)
{
    QFont f;
    switch (czcionka) {
    case tCzcionkaStrony::tytul:
        f.setPixelSize(static_cast<int>(tekst * 1.8));
        f.setBold(true);
        break;
    case tCzcionkaStrony::zwykla:
        f.setPixelSize(static_cast<int>(tekst * 1.2));
        break;
    case tCzcionkaStrony::tabela:
        f.setPixelSize(static_cast<int>(tekst));
        break;
    case tCzcionkaStrony::tabelaGruba:
        f.setPixelSize(static_cast<int>(tekst));
        f.setBold(true);
        break;
    }
    return f;
}

namespace {

std::array<QFont, 4> Czcionki(double tekst)
{
    return {CzcionkaStrony(tCzcionkaStrony::tytul, tekst), CzcionkaStrony(tCzcionkaStrony::zwykla, tekst),
            CzcionkaStrony(tCzcionkaStrony::tabela, tekst), CzcionkaStrony(tCzcionkaStrony::tabelaGruba, tekst)};
}

std::size_t Nr(tCzcionkaStrony c) { return static_cast<std::size_t>(c); }

}  // namespace

TRysownikQPainter::TRysownikQPainter(QPainter& p, double tekst) : p_(p), czcionki_(Czcionki(tekst)) {}

void TRysownikQPainter::Wypelnij(const QRectF& r, const QColor& kolor) { p_.fillRect(r, kolor); }

void TRysownikQPainter::Kreska(const QPointF& od, const QPointF& doo, const QColor& kolor)
{
    p_.setPen(kolor);
    p_.drawLine(od, doo);
}

void TRysownikQPainter::Tekst(const QRectF& r, Qt::Alignment wyrownanie, const QString& tekst, tCzcionkaStrony czcionka,
                              const QColor& kolor, bool skracaj)
{
    p_.setFont(czcionki_[Nr(czcionka)]);
    p_.setPen(kolor);
    p_.drawText(r, static_cast<int>(wyrownanie),
                skracaj ? p_.fontMetrics().elidedText(tekst, Qt::ElideRight, static_cast<int>(r.width())) : tekst);
}

TRysownikPaletowy::TRysownikPaletowy(const QSize& rozmiar, double tekst) : rozmiar_(rozmiar), czcionki_(Czcionki(tekst))
{
    kafelki_[0].Ustaw(czcionki_[Nr(tCzcionkaStrony::tytul)], 1);
    kafelki_[1].Ustaw(czcionki_[Nr(tCzcionkaStrony::zwykla)], 1);
    kafelki_[2].Ustaw(czcionki_[Nr(tCzcionkaStrony::tabela)], 1);
}

void TRysownikPaletowy::NowaStrona()
{
    // No mask is held between pages: the place to forget them when there are too many.
    for (TKafelkiSlow& k : kafelki_)
        k.Porzadkuj();
    strona_.emplace(rozmiar_.width(), rozmiar_.height(), qRgb(255, 255, 255));
}

void TRysownikPaletowy::Wypelnij(const QRectF& r, const QColor& kolor)
{
    const int x0 = static_cast<int>(std::lround(r.left())), x1 = static_cast<int>(std::lround(r.right()));
    const int y0 = static_cast<int>(std::lround(r.top())), y1 = static_cast<int>(std::lround(r.bottom()));
    strona_->Wypelnij(QRect(x0, y0, x1 - x0, y1 - y0), kolor.rgb());
}

void TRysownikPaletowy::Kreska(const QPointF& od, const QPointF& doo, const QColor& kolor)
{
    // A rule one pixel thick, the last row of the band above it: a band filled below does not
    // cover it.
    const int y0 = static_cast<int>(std::lround(std::min(od.y(), doo.y()))) - 1;
    const int y1 = static_cast<int>(std::lround(std::max(od.y(), doo.y()))) - 1;
    const int x0 = static_cast<int>(std::lround(std::min(od.x(), doo.x())));
    const int x1 = static_cast<int>(std::lround(std::max(od.x(), doo.x())));
    strona_->Wypelnij(QRect(x0, y0, std::max(1, x1 - x0), y1 - y0 + 1), kolor.rgb());
}

void TRysownikPaletowy::Tekst(const QRectF& r, Qt::Alignment wyrownanie, const QString& tekst, tCzcionkaStrony czcionka,
                              const QColor& kolor, bool skracaj)
{
    const QFont& f = czcionki_[Nr(czcionka)];
    TKafelkiSlow& kafelki = kafelki_[czcionka == tCzcionkaStrony::tytul ? 0 : czcionka == tCzcionkaStrony::zwykla ? 1 : 2];
    const bool gruby = czcionka == tCzcionkaStrony::tytul || czcionka == tCzcionkaStrony::tabelaGruba;
    std::vector<std::pair<const TKafelkiSlow::TKafelek*, qreal>> kawalki;
    qreal szerokosc = 0;
    const auto uloz = [&](const QString& t) {
        kawalki.clear();
        szerokosc = 0;
        for (int j = 0, dalej = 0; j < t.size(); j = dalej) {
            dalej = KoniecKawalka(t, j, static_cast<int>(t.size()));
            const auto& k = kafelki.Kafelek(QStringView(t).mid(j, dalej - j), gruby);
            kawalki.emplace_back(&k, szerokosc);
            szerokosc += k.Przesun;
        }
    };
    uloz(tekst);
    // Most cells fit: the ellipsis is looked for only where one does not.
    QString skrocony;
    if (skracaj && szerokosc > r.width()) {
        skrocony = QFontMetrics(f).elidedText(tekst, Qt::ElideRight, static_cast<int>(r.width()));
        uloz(skrocony);
    }
    const QFontMetricsF miary(f);
    const qreal x = (wyrownanie & Qt::AlignRight) ? r.right() - szerokosc : r.left();
    const qreal linia = r.top() + (r.height() - (miary.ascent() + miary.descent())) / 2 + miary.ascent();
    const int gora = static_cast<int>(std::lround(linia)) - kafelki.Linia();
    const int od = static_cast<int>(std::floor(r.left())), doo = static_cast<int>(std::ceil(r.right()));
    for (const auto& [k, przesun] : kawalki)
        strona_->Naloz(*k, static_cast<int>(std::lround(x + przesun)), gora, kolor.rgb(), od, doo);
}
