#include "ui/qplotno.h"

#include "ui/tekst_pamiec.h"

#include <QFontMetrics>
#include <QPolygon>

namespace {

// Pixel-exact drawing: shapes cover the same pixels as on the game's original canvas, where a
// rectangle's right and bottom edges lie outside it and a line leaves its last point unset.
QRect Wnetrze(const TProstokat& r)
{
    return QRect(QPoint(std::min(r.Left, r.Right), std::min(r.Top, r.Bottom)),
                 QPoint(std::max(r.Left, r.Right) - 1, std::max(r.Top, r.Bottom) - 1));
}

}  // namespace

QColor NaQColor(TKolor k) { return QColor(k.R, k.G, k.B); }

void ZaladujCzcionki()
{
    static const bool zaladowane = [] {
        // Text that names the Windows faces itself (the help pages' style sheets, rich text) finds
        // the same free faces as the diagram.
        for (const char* nazwa : {"Tahoma", "MS Sans Serif"})
            QFont::insertSubstitutions(QString::fromUtf8(nazwa), RodzinyCzcionki(nazwa));
        return true;
    }();
    (void)zaladowane;
}

QStringList RodzinyCzcionki(const std::string& nazwa)
{
    // The layout names Windows faces. Tahoma is a narrow humanist sans with a large x-height; of the
    // faces Debian packages, DejaVu Sans Condensed comes nearest to its widths (within a few per
    // cent, so labels keep the size and place the layout was made for), is hinted for the screen,
    // keeps "5", "S" and "s" apart at 7 pt and has a bold face of its own. MS Sans Serif, the
    // elements' small font, takes the same face. DejaVu Sans and Liberation Sans stand in where
    // the condensed face is missing.
    if (nazwa == "Tahoma" || nazwa == "MS Sans Serif")
        return {QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")};
    return {QString::fromStdString(nazwa)};
}

QFont NaQFont(const TCzcionka& c)
{
    // A repaint asks for the same few fonts for every label: each is made once.
    static std::vector<std::pair<TCzcionka, QFont>> zrobione;
    for (const auto& [czcionka, font] : zrobione)
        if (czcionka == c)
            return font;
    if (zrobione.size() >= 64)
        zrobione.clear();
    QFont f;
    f.setFamilies(RodzinyCzcionki(c.Nazwa));
    if (c.Piksele)
        f.setPixelSize(c.Rozmiar);
    else
        f.setPointSize(c.Rozmiar);
    f.setBold(c.Pogrubiona);
    f.setHintingPreference(QFont::PreferFullHinting);
    zrobione.emplace_back(c, f);
    return f;
}

QString TekstWMiejscu(QFont& czcionka, const QString& tekst, int szerokosc, QPaintDevice* urzadzenie)
{
    // A text a little too long for its place is set a little tighter rather than cut: a route
    // button names both its ends in full. A longer one keeps the usual spacing and ends with the
    // ellipsis.
    for (const qreal ciasniej : {0.0, -0.5, -1.0}) {
        czcionka.setLetterSpacing(QFont::AbsoluteSpacing, ciasniej);
        if (QFontMetrics(czcionka, urzadzenie).horizontalAdvance(tekst) <= szerokosc)
            return tekst;
    }
    czcionka.setLetterSpacing(QFont::AbsoluteSpacing, 0);
    return QFontMetrics(czcionka, urzadzenie).elidedText(tekst, Qt::ElideRight, szerokosc);
}

TQPlotno::TQPlotno(QPainter& painter) : p_(painter)
{
    p_.setRenderHint(QPainter::Antialiasing, false);
    pioro_ = QPen(Qt::black, 1);
    pioro_.setCapStyle(Qt::FlatCap);
    pioro_.setJoinStyle(Qt::MiterJoin);
    pedzel_ = QBrush(Qt::white);
    ZaladujCzcionki();
}

void TQPlotno::Zapisz() { p_.save(); }
void TQPlotno::Przywroc() { p_.restore(); }
void TQPlotno::Przesun(int dx, int dy) { p_.translate(dx, dy); }
void TQPlotno::Obetnij(const TProstokat& r) { p_.setClipRect(QRect(r.Left, r.Top, r.Width(), r.Height())); }
void TQPlotno::BezObciecia() { p_.setClipping(false); }

void TQPlotno::Pioro(TKolor kolor, int szerokosc)
{
    pioro_ = QPen(NaQColor(kolor), std::max(1, szerokosc));
    pioro_.setCapStyle(Qt::FlatCap);
    pioro_.setJoinStyle(Qt::MiterJoin);
}

void TQPlotno::BezPiora() { pioro_ = QPen(Qt::NoPen); }
void TQPlotno::Pedzel(TKolor kolor) { pedzel_ = QBrush(NaQColor(kolor)); }
void TQPlotno::BezPedzla() { pedzel_ = QBrush(Qt::NoBrush); }

void TQPlotno::WypelnijProstokat(const TProstokat& r)
{
    if (pedzel_.style() != Qt::NoBrush)
        p_.fillRect(QRect(r.Left, r.Top, r.Width(), r.Height()), pedzel_);
}

void TQPlotno::Prostokat(const TProstokat& r)
{
    if (pioro_.style() == Qt::NoPen) {
        WypelnijProstokat(r);
        return;
    }
    const QRect w = Wnetrze(r);
    if (pedzel_.style() != Qt::NoBrush)
        p_.fillRect(w, pedzel_);
    p_.setPen(pioro_);
    p_.setBrush(Qt::NoBrush);
    if (pioro_.width() <= 1)
        p_.drawRect(w.adjusted(0, 0, -1, -1));
    else
        p_.drawRect(QRectF(w).adjusted(pioro_.widthF() / 2, pioro_.widthF() / 2, -pioro_.widthF() / 2,
                                       -pioro_.widthF() / 2));
}

void TQPlotno::ZaokraglonyProstokat(const TProstokat& r, int naroznik)
{
    p_.setPen(pioro_);
    p_.setBrush(pedzel_);
    p_.drawRoundedRect(Wnetrze(r).adjusted(0, 0, -1, -1), naroznik / 2.0, naroznik / 2.0);
}

void TQPlotno::Elipsa(const TProstokat& r)
{
    p_.setPen(pioro_);
    p_.setBrush(pedzel_);
    p_.drawEllipse(Wnetrze(r).adjusted(0, 0, -1, -1));
}

void TQPlotno::Wielokat(const std::vector<TPunktXY>& punkty)
{
    QPolygon w;
    for (const auto& p : punkty)
        w << QPoint(p.x, p.y);
    p_.setPen(pioro_);
    p_.setBrush(pedzel_);
    p_.drawPolygon(w);
}

void TQPlotno::Linia(const std::vector<TPunktXY>& punkty)
{
    if (punkty.size() < 2)
        return;
    QPen pioro = pioro_;
    if (odwracanie_)
        pioro.setColor(Qt::white);
    p_.setPen(pioro);
    p_.setBrush(Qt::NoBrush);
    // The last point stays unset, as on the original canvas: stop half a pixel short of it.
    for (std::size_t i = 1; i < punkty.size(); ++i) {
        const QPointF a(punkty[i - 1].x + 0.5, punkty[i - 1].y + 0.5);
        QPointF b(punkty[i].x + 0.5, punkty[i].y + 0.5);
        const QPointF d = b - a;
        const double dlugosc = std::hypot(d.x(), d.y());
        if (dlugosc == 0)
            continue;
        if (i + 1 == punkty.size())
            b -= d / dlugosc * 0.75;
        p_.drawLine(QLineF(a - QPointF(0.5, 0.5), b - QPointF(0.5, 0.5)));
    }
}

void TQPlotno::Tekst(const TProstokat& r, const std::string& tekst, const TCzcionka& czcionka, unsigned flagi)
{
    QFont f = NaQFont(czcionka);
    // Xor-ed onto a coloured line, the grey edges of smoothed glyphs would turn into fringes of the
    // line's opposite colour: inverted text is drawn in whole pixels.
    if (odwracanie_)
        f.setStyleStrategy(QFont::NoAntialias);
    p_.setFont(f);
    p_.setPen(odwracanie_ ? QColor(Qt::white) : NaQColor(czcionka.Kolor));
    const QRect prostokat(r.Left, r.Top, r.Width(), r.Height());
    QString s = QString::fromStdString(tekst);
    if (flagi & tfWielokropek) {
        s = TekstWMiejscu(f, s, prostokat.width(), p_.device());
        p_.setFont(f);
    }
    int wyrownanie = Qt::AlignTop | ((flagi & tfSrodek) ? Qt::AlignHCenter : Qt::AlignLeft);
    if (flagi & tfJednaLinia)
        wyrownanie |= Qt::TextSingleLine;
    if (flagi & tfBezObciecia)
        wyrownanie |= Qt::TextDontClip;
    RysujTekstZPamieci(p_, prostokat, wyrownanie, s);
}

void TQPlotno::Odwracanie(bool wlaczone)
{
    odwracanie_ = wlaczone;
    // White xor-ed onto the surface inverts what lies under whatever is drawn.
    p_.setCompositionMode(wlaczone ? QPainter::RasterOp_SourceXorDestination : QPainter::CompositionMode_SourceOver);
}
