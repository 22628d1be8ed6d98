// The chunks of a palette PNG, and deflate with fixed codes over runs of one index.

#include "ui/canvas/png_paletowy.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

constexpr std::uint32_t ModulAdlera = 65521;

const std::array<std::uint32_t, 256>& TablicaCrc()
{
    static const std::array<std::uint32_t, 256> tablica = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) != 0 ? 0xedb88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    return tablica;
}

std::uint32_t Crc(const char* dane, qsizetype n)
{
    const auto& t = TablicaCrc();
    std::uint32_t c = 0xffffffffu;
    for (qsizetype i = 0; i < n; ++i)
        c = t[(c ^ static_cast<std::uint8_t>(dane[i])) & 0xff] ^ (c >> 8);
    return c ^ 0xffffffffu;
}

void Dopisz32(QByteArray& d, std::uint32_t v)
{
    const char b[4] = {static_cast<char>(v >> 24), static_cast<char>(v >> 16), static_cast<char>(v >> 8), static_cast<char>(v)};
    d.append(b, 4);
}

void Kawalek(QByteArray& png, const char* typ, const QByteArray& tresc)
{
    Dopisz32(png, static_cast<std::uint32_t>(tresc.size()));
    const qsizetype od = png.size();
    png.append(typ, 4);
    png.append(tresc);
    Dopisz32(png, Crc(png.constData() + od, png.size() - od));
}

// Deflate's codes are sent from their highest bit, the stream packs bits from the lowest.
std::uint32_t Odwroc(std::uint32_t kod, int bitow)
{
    std::uint32_t r = 0;
    for (int i = 0; i < bitow; ++i)
        r |= ((kod >> i) & 1u) << (bitow - 1 - i);
    return r;
}

struct TKod {
    std::uint32_t Bity = 0;
    int Dlugosc = 0;
};

// The fixed code of a literal or length symbol, ready to be packed.
TKod KodStaly(int symbol)
{
    if (symbol < 144)
        return {Odwroc(0x30u + static_cast<std::uint32_t>(symbol), 8), 8};
    if (symbol < 256)
        return {Odwroc(0x190u + static_cast<std::uint32_t>(symbol - 144), 9), 9};
    if (symbol < 280)
        return {Odwroc(static_cast<std::uint32_t>(symbol - 256), 7), 7};
    return {Odwroc(0xc0u + static_cast<std::uint32_t>(symbol - 280), 8), 8};
}

struct TKody {
    std::array<TKod, 256> Literaly{};
    // A repeat of the byte before, 3 to 258 long: its length symbol, the extra bits and the
    // distance 1 (code 0, five bits), as one piece of at most 25 bits.
    std::array<TKod, 259> Powtorzenia{};
};

const TKody& Kody()
{
    static const TKody kody = [] {
        TKody k;
        for (int b = 0; b < 256; ++b)
            k.Literaly[static_cast<std::size_t>(b)] = KodStaly(b);
        static constexpr int Podstawy[] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                           31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
        static constexpr int Dodatkowe[] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                            2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
        for (int dl = 3; dl <= 258; ++dl) {
            int s = 28;
            while (Podstawy[s] > dl)
                --s;
            const TKod kod = KodStaly(257 + s);
            TKod& p = k.Powtorzenia[static_cast<std::size_t>(dl)];
            p.Bity = kod.Bity | (static_cast<std::uint32_t>(dl - Podstawy[s]) << kod.Dlugosc);
            p.Dlugosc = kod.Dlugosc + Dodatkowe[s] + 5;
        }
        return k;
    }();
    return kody;
}

class TBity {
public:
    explicit TBity(QByteArray& cel) : cel_(cel) {}
    void Dodaj(std::uint32_t bity, int n)
    {
        bufor_ |= static_cast<std::uint64_t>(bity) << liczba_;
        liczba_ += n;
        if (liczba_ >= 32) {
            const char b[4] = {static_cast<char>(bufor_), static_cast<char>(bufor_ >> 8), static_cast<char>(bufor_ >> 16),
                               static_cast<char>(bufor_ >> 24)};
            cel_.append(b, 4);
            bufor_ >>= 32;
            liczba_ -= 32;
        }
    }
    void DoBajtu()
    {
        while (liczba_ > 0) {
            cel_.append(static_cast<char>(bufor_));
            bufor_ >>= 8;
            liczba_ = liczba_ > 8 ? liczba_ - 8 : 0;
        }
    }

private:
    QByteArray& cel_;
    std::uint64_t bufor_ = 0;
    int liczba_ = 0;
};

// The zlib stream of the rows, each after its filter byte (0, none), with its Adler-32 kept as it
// goes: a run adds its bytes' sums at once.
QByteArray Zlib(const QImage& obraz)
{
    const int w = obraz.width(), h = obraz.height();
    std::vector<std::uint8_t> d(static_cast<std::size_t>(w + 1) * static_cast<std::size_t>(h));
    for (int y = 0; y < h; ++y) {
        std::uint8_t* wiersz = d.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(w + 1);
        wiersz[0] = 0;
        std::memcpy(wiersz + 1, obraz.constScanLine(y), static_cast<std::size_t>(w));
    }
    const TKody& kody = Kody();
    QByteArray z;
    z.reserve(static_cast<qsizetype>(d.size() / 8 + 64));
    z.append("\x78\x01", 2);
    TBity bity(z);
    bity.Dodaj(3, 3);  // the last block, fixed codes
    std::uint64_t s1 = 1, s2 = 0;
    int bezModulu = 0;
    const std::size_t n = d.size();
    for (std::size_t i = 0; i < n;) {
        if (i > 0) {
            const std::uint8_t b = d[i - 1];
            const std::size_t granica = std::min(n, i + 258);
            std::size_t j = i;
            while (j < granica && d[j] == b)
                ++j;
            const std::size_t r = j - i;
            if (r >= 3) {
                const TKod& k = kody.Powtorzenia[r];
                bity.Dodaj(k.Bity, k.Dlugosc);
                s2 = (s2 + r * s1 + b * r * (r + 1) / 2) % ModulAdlera;
                s1 = (s1 + r * b) % ModulAdlera;
                i = j;
                continue;
            }
        }
        const TKod& k = kody.Literaly[d[i]];
        bity.Dodaj(k.Bity, k.Dlugosc);
        s1 += d[i];
        s2 += s1;
        if (++bezModulu == 4096) {
            s1 %= ModulAdlera;
            s2 %= ModulAdlera;
            bezModulu = 0;
        }
        ++i;
    }
    bity.Dodaj(0, 7);  // the end of the block
    bity.DoBajtu();
    Dopisz32(z, static_cast<std::uint32_t>(((s2 % ModulAdlera) << 16) | (s1 % ModulAdlera)));
    return z;
}

}  // namespace

QByteArray BajtyPngPaletowe(const QImage& obraz)
{
    if (obraz.format() != QImage::Format_Indexed8 || obraz.isNull() || obraz.colorCount() == 0)
        return {};
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    QByteArray naglowek;
    Dopisz32(naglowek, static_cast<std::uint32_t>(obraz.width()));
    Dopisz32(naglowek, static_cast<std::uint32_t>(obraz.height()));
    naglowek.append("\x08\x03\x00\x00\x00", 5);  // 8 bits an index, a palette, deflate, no filters chosen, no interlace
    Kawalek(png, "IHDR", naglowek);
    QByteArray paleta;
    for (const QRgb k : obraz.colorTable()) {
        paleta.append(static_cast<char>(qRed(k)));
        paleta.append(static_cast<char>(qGreen(k)));
        paleta.append(static_cast<char>(qBlue(k)));
    }
    Kawalek(png, "PLTE", paleta);
    Kawalek(png, "IDAT", Zlib(obraz));
    Kawalek(png, "IEND", {});
    return png;
}
