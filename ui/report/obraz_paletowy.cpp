// Filling and putting masks onto a palette page, the palette growing with the mixes met.

#include "ui/report/obraz_paletowy.h"

#include <algorithm>
#include <climits>

namespace {

constexpr int Stopnie = 16;

int Mieszaj(int tekst, int tlo, int stopien) { return (tekst * stopien + tlo * (Stopnie - 1 - stopien) + (Stopnie - 1) / 2) / (Stopnie - 1); }

}  // namespace

TObrazPaletowy::TObrazPaletowy(int szerokosc, int wysokosc, QRgb tlo)
    : obraz_(szerokosc, wysokosc, QImage::Format_Indexed8)
{
    obraz_.fill(Indeks(tlo));
}

std::uint8_t TObrazPaletowy::Indeks(QRgb kolor)
{
    kolor |= 0xff000000u;
    const auto it = indeksy_.constFind(kolor);
    if (it != indeksy_.constEnd())
        return *it;
    if (paleta_.size() < 256) {
        const auto i = static_cast<std::uint8_t>(paleta_.size());
        paleta_.push_back(kolor);
        indeksy_.insert(kolor, i);
        return i;
    }
    const auto odleglosc = [kolor](QRgb k) {
        const int r = qRed(k) - qRed(kolor), g = qGreen(k) - qGreen(kolor), b = qBlue(k) - qBlue(kolor);
        return r * r + g * g + b * b;
    };
    return static_cast<std::uint8_t>(std::min_element(paleta_.begin(), paleta_.end(), [&](QRgb a, QRgb b) {
                                         return odleglosc(a) < odleglosc(b);
                                     }) -
                                     paleta_.begin());
}

void TObrazPaletowy::Wypelnij(const QRect& r, QRgb kolor)
{
    const QRect w = r.intersected(obraz_.rect());
    if (w.isEmpty())
        return;
    const std::uint8_t i = Indeks(kolor);
    for (int y = w.top(); y <= w.bottom(); ++y)
        std::fill_n(obraz_.scanLine(y) + w.left(), w.width(), i);
}

void TObrazPaletowy::Naloz(const TKafelkiSlow::TKafelek& k, int x, int y, QRgb kolor, int od, int doo)
{
    const int lewa = x + k.Lewo, gora = y + k.Gora;
    const int x0 = std::max({lewa, od, 0}), x1 = std::min({lewa + k.Szerokosc, doo, obraz_.width()});
    const int y0 = std::max(gora, 0), y1 = std::min(gora + k.Wysokosc, obraz_.height());
    if (x0 >= x1 || y0 >= y1)
        return;
    kolor |= 0xff000000u;
    auto m = std::find_if(mieszanki_.begin(), mieszanki_.end(), [kolor](const TMieszanki& t) { return t.Kolor == kolor; });
    if (m == mieszanki_.end())
        m = mieszanki_.insert(mieszanki_.end(), {kolor, std::vector<std::int16_t>(256 * Stopnie, -1)});
    std::vector<std::int16_t>& wynik = m->Wynik;
    for (int wy = y0; wy < y1; ++wy) {
        uchar* d = obraz_.scanLine(wy);
        // The mask's row; its column 0 stands at `lewa` on the page.
        const std::uint8_t* maska = k.Maska.data() + static_cast<std::size_t>(wy - gora) * static_cast<std::size_t>(k.Szerokosc);
        for (int wx = x0; wx < x1; ++wx) {
            const int stopien = (maska[wx - lewa] * (Stopnie - 1) + 127) / 255;
            if (stopien == 0)
                continue;
            std::int16_t& w = wynik[static_cast<std::size_t>(d[wx] * Stopnie + stopien)];
            if (w < 0) {
                const QRgb pod = paleta_[d[wx]];
                w = Indeks(qRgb(Mieszaj(qRed(kolor), qRed(pod), stopien), Mieszaj(qGreen(kolor), qGreen(pod), stopien),
                                Mieszaj(qBlue(kolor), qBlue(pod), stopien)));
            }
            d[wx] = static_cast<uchar>(w);
        }
    }
}

const QImage& TObrazPaletowy::Obraz()
{
    obraz_.setColorTable(QList<QRgb>(paleta_.begin(), paleta_.end()));
    return obraz_;
}
