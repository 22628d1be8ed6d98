// Preparing and keeping the canvas's ready texts, and drawing them.

#include "ui/canvas/tekst_pamiec.h"

#include "ui/canvas/qplotno.h"

#include <QPainter>

#include <functional>
#include <unordered_map>

namespace {

// Everything the ready text depends on. The device's resolution decides the font's metrics; the
// rest of a device's own font is not part of it, as the canvas sets every property it draws with.
struct TKlucz {
    std::string Tekst;
    TCzcionka Czcionka;
    unsigned Flagi = 0;
    int Szerokosc = 0, Wysokosc = 0;
    bool Odwracanie = false;
    TRozdzielczosc Dpi;
    bool operator==(const TKlucz&) const = default;
};

struct THashKlucza {
    size_t operator()(const TKlucz& k) const
    {
        size_t h = std::hash<std::string>{}(k.Tekst);
        const auto dodaj = [&h](size_t v) { h ^= v + 0x9e3779b97f4a7c15ULL + (h << 6) + (h >> 2); };
        dodaj(std::hash<std::string>{}(k.Czcionka.Nazwa));
        dodaj(static_cast<size_t>(k.Czcionka.Rozmiar) * 4 + k.Czcionka.Piksele * 2 + k.Czcionka.Pogrubiona);
        dodaj((size_t(k.Czcionka.Kolor.R) << 16) | (size_t(k.Czcionka.Kolor.G) << 8) | k.Czcionka.Kolor.B);
        dodaj(k.Flagi * 2 + k.Odwracanie);
        dodaj((size_t(std::uint32_t(k.Szerokosc)) << 32) | std::uint32_t(k.Wysokosc));
        dodaj((size_t(std::uint32_t(k.Dpi.X)) << 32) | std::uint32_t(k.Dpi.Y));
        return h;
    }
};

// Texts come and go with the trains; the kept ones are forgotten all at once when too many.
constexpr size_t NajwiecejTekstow = 4096;

TGotowyTekst Przygotuj(QPainter& p, const TProstokat& r, const std::string& tekst, const TCzcionka& czcionka,
                       unsigned flagi, bool odwracanie)
{
    TGotowyTekst t;
    QFont f = NaQFont(czcionka);
    // Xor-ed onto a coloured line, the grey edges of smoothed glyphs would turn into fringes of the
    // line's opposite colour: inverted text is drawn in whole pixels.
    if (odwracanie)
        f.setStyleStrategy(QFont::NoAntialias);
    t.Pioro = QPen(odwracanie ? QColor(Qt::white) : NaQColor(czcionka.Kolor));
    t.Tekst = QString::fromStdString(tekst);
    if (flagi & tfWielokropek)
        t.Tekst = TekstWMiejscu(f, t.Tekst, r.Width(), p.device());
    p.setFont(f);
    // The painter's own font, resolved against its device, is the one the text is drawn in.
    t.Czcionka = p.font();
    t.Flagi = Qt::AlignTop | ((flagi & tfSrodek) ? Qt::AlignHCenter : Qt::AlignLeft);
    if (flagi & tfJednaLinia)
        t.Flagi |= Qt::TextSingleLine;
    if (flagi & tfBezObciecia)
        t.Flagi |= Qt::TextDontClip;
    if (t.Tekst.contains(QLatin1Char('\n')))
        return t;
    QStaticText st(t.Tekst);
    st.setTextFormat(Qt::PlainText);
    st.setPerformanceHint(QStaticText::AggressiveCaching);
    st.prepare(QTransform(), t.Czcionka);
    const QSizeF rozmiar = st.size();
    // Wider or taller than its rectangle, a clipped text is left to drawText.
    if (!(flagi & tfBezObciecia) && (rozmiar.width() > r.Width() || rozmiar.height() > r.Height()))
        return t;
    t.OdLewej = (flagi & tfSrodek) ? (r.Width() - rozmiar.width()) / 2 : 0;
    t.Statyczny = std::move(st);
    return t;
}

}  // namespace

const TGotowyTekst& GotowyTekst(QPainter& p, TRozdzielczosc dpi, const TProstokat& r, const std::string& tekst,
                                const TCzcionka& czcionka, unsigned flagi, bool odwracanie)
{
    static std::unordered_map<TKlucz, TGotowyTekst, THashKlucza> pamiec;
    TKlucz klucz{tekst, czcionka, flagi, r.Width(), r.Height(), odwracanie, dpi};
    auto it = pamiec.find(klucz);
    if (it == pamiec.end()) {
        if (pamiec.size() >= NajwiecejTekstow)
            pamiec.clear();
        TGotowyTekst gotowy = Przygotuj(p, r, tekst, czcionka, flagi, odwracanie);
        it = pamiec.emplace(std::move(klucz), std::move(gotowy)).first;
    }
    return it->second;
}

void RysujGotowyTekst(QPainter& p, const QRect& r, const TGotowyTekst& t)
{
    if (t.Statyczny)
        p.drawStaticText(QPointF(r.x() + t.OdLewej, r.y()), *t.Statyczny);
    else
        p.drawText(r, t.Flagi, t.Tekst);
}
