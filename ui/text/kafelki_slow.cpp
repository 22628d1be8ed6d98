// Drawing words into masks, keeping and forgetting them, and putting a mask onto an image in a colour.

#include "ui/text/kafelki_slow.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// Enough for a day's vocabulary many times over (a mask is about a kilobyte).
constexpr qsizetype NajwiecejSlow = 4096;

// Room left and right of a word's advance for glyphs that reach past it.
constexpr int Zapas = 3;

}  // namespace

void TKafelkiSlow::Ustaw(const QFont& czcionka, qreal skala)
{
    if (skala == skala_ && czcionka == czcionki_[0])
        return;
    QFont gruby = czcionka;
    gruby.setBold(true);
    czcionki_[0] = czcionka;
    czcionki_[1] = gruby;
    skala_ = skala;
    slowa_[0].clear();
    slowa_[1].clear();
    const QFontMetricsF z(czcionka), g(gruby);
    const qreal wznos = std::max(z.ascent(), g.ascent());
    wysokosc_ = static_cast<int>(std::ceil(wznos + std::max(z.descent(), g.descent())));
    linia_ = static_cast<int>(std::round(wznos));
    podkreslenie_ = linia_ + std::max(1, static_cast<int>(std::round(z.underlinePos())));
    grubosc_ = std::max(1, static_cast<int>(std::round(z.lineWidth())));
}

const TKafelkiSlow::TKafelek& TKafelkiSlow::Kafelek(QStringView slowo, bool gruby)
{
    auto& slowa = slowa_[gruby ? 1 : 0];
    // A key over the line's own characters: no copy unless the word is new.
    const QString klucz = QString::fromRawData(slowo.data(), slowo.size());
    auto it = slowa.constFind(klucz);
    if (it != slowa.constEnd())
        return **it;
    const QString kopia = slowo.toString();
    return **slowa.insert(kopia, Narysuj(kopia, gruby));
}

std::unique_ptr<TKafelkiSlow::TKafelek> TKafelkiSlow::Narysuj(const QString& slowo, bool gruby) const
{
    auto k = std::make_unique<TKafelek>();
    const QFont& czcionka = czcionki_[gruby ? 1 : 0];
    k->Przesun = QFontMetricsF(czcionka).horizontalAdvance(slowo);
    if (slowo.trimmed().isEmpty())
        return k;
    const int wciecie = static_cast<int>(std::ceil(Zapas * skala_));
    const int szerokosc = static_cast<int>(std::ceil((k->Przesun + 2 * Zapas) * skala_));
    const int wysokosc = static_cast<int>(std::ceil(wysokosc_ * skala_));
    QImage obraz(szerokosc, wysokosc, QImage::Format_ARGB32_Premultiplied);
    obraz.fill(Qt::transparent);
    obraz.setDevicePixelRatio(skala_);
    {
        QPainter p(&obraz);
        p.setFont(czcionka);
        p.setPen(Qt::black);
        p.drawText(QPointF(wciecie / skala_, linia_), slowo);
    }
    // Only the box the glyphs cover is kept: most of a row is empty above and below the letters.
    int x0 = szerokosc, x1 = 0, y0 = wysokosc, y1 = 0;
    for (int y = 0; y < wysokosc; ++y) {
        const auto* wiersz = reinterpret_cast<const QRgb*>(obraz.constScanLine(y));
        for (int x = 0; x < szerokosc; ++x)
            if (qAlpha(wiersz[x]) != 0) {
                x0 = std::min(x0, x);
                x1 = std::max(x1, x + 1);
                y0 = std::min(y0, y);
                y1 = std::max(y1, y + 1);
            }
    }
    if (x0 >= x1)
        return k;
    k->Szerokosc = x1 - x0;
    k->Wysokosc = y1 - y0;
    k->Lewo = x0 - wciecie;
    k->Gora = y0;
    k->Maska.resize(static_cast<std::size_t>(k->Szerokosc) * static_cast<std::size_t>(k->Wysokosc));
    for (int y = y0; y < y1; ++y) {
        const auto* wiersz = reinterpret_cast<const QRgb*>(obraz.constScanLine(y));
        for (int x = x0; x < x1; ++x)
            k->Maska[static_cast<std::size_t>((y - y0) * k->Szerokosc + x - x0)] = static_cast<std::uint8_t>(qAlpha(wiersz[x]));
    }
    return k;
}

qreal TKafelkiSlow::Szerokosc(QStringView tekst, bool gruby) const
{
    return QFontMetricsF(czcionki_[gruby ? 1 : 0]).horizontalAdvance(tekst.toString());
}

bool TKafelkiSlow::Porzadkuj()
{
    if (Liczba() < NajwiecejSlow)
        return false;
    slowa_[0].clear();
    slowa_[1].clear();
    return true;
}

namespace {

// c * a + d * (255 - a), divided by 255 and rounded, for one 8-bit channel.
inline std::uint32_t Mieszaj(std::uint32_t c, std::uint32_t d, std::uint32_t a)
{
    const std::uint32_t t = c * a + d * (255 - a) + 128;
    return (t + (t >> 8)) >> 8;
}

// One row of a mask over n pixels: coverage mixes the colour with what is under it, as
// antialiased text does; four pixels at a time, where the mask is empty nothing is touched.
void NalozWiersz(QRgb* d, const std::uint8_t* m, int n, QRgb kolor)
{
    int i = 0;
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    const __m128i kolor16 = _mm_unpacklo_epi8(_mm_set1_epi32(static_cast<int>(kolor)), zero);
    const __m128i pelny = _mm_set1_epi32(static_cast<int>(0xff000000u | kolor));
    const __m128i nieprzezroczysty = _mm_set1_epi32(static_cast<int>(0xff000000u));
    const __m128i max = _mm_set1_epi16(255);
    const __m128i polowa = _mm_set1_epi16(128);
    for (; i + 4 <= n; i += 4) {
        std::uint32_t cztery;
        std::memcpy(&cztery, m + i, 4);
        if (cztery == 0)
            continue;
        if (cztery == 0xffffffffu) {
            _mm_storeu_si128(reinterpret_cast<__m128i*>(d + i), pelny);
            continue;
        }
        const __m128i cel = _mm_loadu_si128(reinterpret_cast<const __m128i*>(d + i));
        __m128i a = _mm_cvtsi32_si128(static_cast<int>(cztery));
        a = _mm_unpacklo_epi8(a, a);
        a = _mm_unpacklo_epi16(a, a);
        const auto polowka = [&](__m128i dd, __m128i aa) {
            __m128i t = _mm_add_epi16(_mm_mullo_epi16(kolor16, aa), _mm_mullo_epi16(dd, _mm_sub_epi16(max, aa)));
            t = _mm_add_epi16(t, polowa);
            return _mm_srli_epi16(_mm_add_epi16(t, _mm_srli_epi16(t, 8)), 8);
        };
        const __m128i dol = polowka(_mm_unpacklo_epi8(cel, zero), _mm_unpacklo_epi8(a, zero));
        const __m128i gora = polowka(_mm_unpackhi_epi8(cel, zero), _mm_unpackhi_epi8(a, zero));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(d + i), _mm_or_si128(_mm_packus_epi16(dol, gora), nieprzezroczysty));
    }
#endif
    for (; i < n; ++i) {
        const std::uint32_t a = m[i];
        if (a == 0)
            continue;
        const QRgb t = d[i];
        d[i] = qRgb(static_cast<int>(Mieszaj(static_cast<std::uint32_t>(qRed(kolor)), static_cast<std::uint32_t>(qRed(t)), a)),
                    static_cast<int>(Mieszaj(static_cast<std::uint32_t>(qGreen(kolor)), static_cast<std::uint32_t>(qGreen(t)), a)),
                    static_cast<int>(Mieszaj(static_cast<std::uint32_t>(qBlue(kolor)), static_cast<std::uint32_t>(qBlue(t)), a)));
    }
}

}  // namespace

int KoniecKawalka(const QString& t, int j, int koniec)
{
    int dalej = j + 1;
    if (t[j].isSpace()) {
        while (dalej < koniec && t[dalej].isSpace())
            ++dalej;
    } else if (t[j].isLetter()) {
        while (dalej < koniec && (t[dalej].isLetter() || t[dalej].isMark()))
            ++dalej;
    } else if (t[j].isHighSurrogate() && dalej < koniec && t[dalej].isLowSurrogate()) {
        ++dalej;
    }
    return dalej;
}

void NalozKafelek(QImage& obraz, const TKafelkiSlow::TKafelek& k, int x, int y, QRgb kolor, int od, int doo)
{
    const int lewa = x + k.Lewo;
    const int gora = y + k.Gora;
    const int x0 = std::max({lewa, od, 0});
    const int x1 = std::min({lewa + k.Szerokosc, doo, obraz.width()});
    const int y0 = std::max(gora, 0);
    const int y1 = std::min(gora + k.Wysokosc, obraz.height());
    if (x0 >= x1 || y0 >= y1)
        return;
    uchar* bity = obraz.bits();
    const qsizetype wiersz = obraz.bytesPerLine();
    for (int wy = y0; wy < y1; ++wy)
        NalozWiersz(reinterpret_cast<QRgb*>(bity + wy * wiersz) + x0,
                    k.Maska.data() + static_cast<std::size_t>((wy - gora) * k.Szerokosc + (x0 - lewa)), x1 - x0, kolor);
}
