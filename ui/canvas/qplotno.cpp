// Drawing the canvas's shapes and texts with QPainter pixel for pixel as the elements expect, and
// loading and mapping the game's fonts.

#include "ui/canvas/qplotno.h"

#include "ui/canvas/tekst_pamiec.h"

#include <QPaintDevice>

#include <QFontMetrics>
#include <QPolygon>

#include <cmath>

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
    // Kept so that the painter's own clip can be had back, and given back whole at the end.
    p_.save();
    p_.setRenderHint(QPainter::Antialiasing, false);
    if (!p_.hasClipping())
        stan_.Obciecie = obciecieMalarza_ = tObciecie::Brak;
    dpi_ = {p_.device()->logicalDpiX(), p_.device()->logicalDpiY()};
    // Drawn pixel for pixel, whole shapes may be put together from filled rectangles and kept
    // images; under a zoom they are drawn as ever.
    const QTransform t = p_.deviceTransform();
    pikselNaPiksel_ = t.type() <= QTransform::TxTranslate && t.dx() == std::floor(t.dx()) && t.dy() == std::floor(t.dy());
    ZaladujCzcionki();
}

TQPlotno::~TQPlotno() { p_.restore(); }

void TQPlotno::Zapisz() { stos_.push_back(stan_); }

void TQPlotno::Przywroc()
{
    if (stos_.empty())
        return;
    const TStan &s = stos_.back();
    if (s.JestPioro != stan_.JestPioro || s.KolorPiora != stan_.KolorPiora || s.SzerokoscPiora != stan_.SzerokoscPiora)
        pioroAktualne_ = false;
    if (s.JestPedzel != stan_.JestPedzel || s.KolorPedzla != stan_.KolorPedzla)
        pedzelAktualny_ = false;
    stan_ = s;
    stos_.pop_back();
}

void TQPlotno::Przesun(int dx, int dy) { stan_.Przesuniecie += QPoint(dx, dy); }

void TQPlotno::Obetnij(const TProstokat& r)
{
    stan_.Obciecie = tObciecie::Prostokat;
    stan_.ProstokatObciecia = Na(r);
}

void TQPlotno::BezObciecia() { stan_.Obciecie = tObciecie::Brak; }

QRect TQPlotno::Na(const TProstokat& r) const
{
    return QRect(r.Left + stan_.Przesuniecie.x(), r.Top + stan_.Przesuniecie.y(), r.Width(), r.Height());
}

void TQPlotno::Przygotuj()
{
    if (stan_.Obciecie != obciecieMalarza_ ||
        (stan_.Obciecie == tObciecie::Prostokat && stan_.ProstokatObciecia != prostokatMalarza_)) {
        switch (stan_.Obciecie) {
        case tObciecie::Prostokat:
            p_.setClipRect(stan_.ProstokatObciecia);
            break;
        case tObciecie::Brak:
            p_.setClipping(false);
            break;
        case tObciecie::Malarza:
            // The painter's clip as it came: everything else it has is set again as needed.
            p_.restore();
            p_.save();
            p_.setRenderHint(QPainter::Antialiasing, false);
            odwracanieMalarza_ = false;
            czcionkaUstawiona_ = false;
            break;
        }
        obciecieMalarza_ = stan_.Obciecie;
        prostokatMalarza_ = stan_.ProstokatObciecia;
    }
    if (stan_.Odwracanie != odwracanieMalarza_) {
        // White xor-ed onto the surface inverts what lies under whatever is drawn.
        p_.setCompositionMode(stan_.Odwracanie ? QPainter::RasterOp_SourceXorDestination
                                               : QPainter::CompositionMode_SourceOver);
        odwracanieMalarza_ = stan_.Odwracanie;
    }
}

const QPen& TQPlotno::QtPioro()
{
    if (!pioroAktualne_) {
        if (stan_.JestPioro) {
            pioro_ = QPen(NaQColor(stan_.KolorPiora), stan_.SzerokoscPiora);
            pioro_.setCapStyle(Qt::FlatCap);
            pioro_.setJoinStyle(Qt::MiterJoin);
        } else {
            pioro_ = QPen(Qt::NoPen);
        }
        pioroAktualne_ = true;
    }
    return pioro_;
}

const QBrush& TQPlotno::QtPedzel()
{
    if (!pedzelAktualny_) {
        pedzel_ = stan_.JestPedzel ? QBrush(NaQColor(stan_.KolorPedzla)) : QBrush(Qt::NoBrush);
        pedzelAktualny_ = true;
    }
    return pedzel_;
}

void TQPlotno::Pioro(TKolor kolor, int szerokosc)
{
    szerokosc = std::max(1, szerokosc);
    if (stan_.JestPioro && stan_.KolorPiora == kolor && stan_.SzerokoscPiora == szerokosc)
        return;
    stan_.JestPioro = true;
    stan_.KolorPiora = kolor;
    stan_.SzerokoscPiora = szerokosc;
    pioroAktualne_ = false;
}

void TQPlotno::BezPiora()
{
    if (stan_.JestPioro) {
        stan_.JestPioro = false;
        pioroAktualne_ = false;
    }
}

void TQPlotno::Pedzel(TKolor kolor)
{
    if (stan_.JestPedzel && stan_.KolorPedzla == kolor)
        return;
    stan_.JestPedzel = true;
    stan_.KolorPedzla = kolor;
    pedzelAktualny_ = false;
}

void TQPlotno::BezPedzla()
{
    if (stan_.JestPedzel) {
        stan_.JestPedzel = false;
        pedzelAktualny_ = false;
    }
}

void TQPlotno::WypelnijProstokat(const TProstokat& r)
{
    if (!stan_.JestPedzel)
        return;
    Przygotuj();
    p_.fillRect(Na(r), QtPedzel());
}

void TQPlotno::Prostokat(const TProstokat& r)
{
    if (!stan_.JestPioro) {
        WypelnijProstokat(r);
        return;
    }
    Przygotuj();
    const QRect w = Wnetrze(r).translated(stan_.Przesuniecie);
    if (pikselNaPiksel_ && stan_.JestPedzel && stan_.SzerokoscPiora <= 1 && !stan_.Odwracanie && w.width() > 2 &&
        w.height() > 2) {
        // The one-pixel frame is the outer ring of the rectangle: filled in the pen's colour with
        // the inside filled over it, the same pixels as drawing the frame, at a fraction of its cost.
        p_.fillRect(w, NaQColor(stan_.KolorPiora));
        p_.fillRect(w.adjusted(1, 1, -1, -1), QtPedzel());
        return;
    }
    if (stan_.JestPedzel)
        p_.fillRect(w, QtPedzel());
    const QPen& pioro = QtPioro();
    p_.setPen(pioro);
    p_.setBrush(Qt::NoBrush);
    if (stan_.SzerokoscPiora <= 1)
        p_.drawRect(w.adjusted(0, 0, -1, -1));
    else
        p_.drawRect(QRectF(w).adjusted(pioro.widthF() / 2, pioro.widthF() / 2, -pioro.widthF() / 2, -pioro.widthF() / 2));
}

void TQPlotno::ZaokraglonyProstokat(const TProstokat& r, int naroznik)
{
    Przygotuj();
    const QRect w = Wnetrze(r).translated(stan_.Przesuniecie);
    if (pikselNaPiksel_ && !stan_.Odwracanie) {
        // The signals' lamps, the same few over and over: each drawn once into a kept image,
        // a margin all round for the pen, and copied from it.
        const int m = stan_.SzerokoscPiora + 1;
        const QImage& obraz = ObrazZaokraglonego(w.size(), naroznik, m);
        p_.drawImage(w.topLeft() - QPoint(m, m), obraz);
        return;
    }
    p_.setPen(QtPioro());
    p_.setBrush(QtPedzel());
    p_.drawRoundedRect(w.adjusted(0, 0, -1, -1), naroznik / 2.0, naroznik / 2.0);
}

const QImage& TQPlotno::ObrazZaokraglonego(QSize rozmiar, int naroznik, int margines)
{
    struct TKlucz {
        QSize Rozmiar;
        int Naroznik, Margines;
        bool JestPioro, JestPedzel;
        TKolor KolorPiora, KolorPedzla;
        int SzerokoscPiora;
        bool operator==(const TKlucz&) const = default;
    };
    static std::vector<std::pair<TKlucz, QImage>> obrazy;
    const TKlucz klucz{rozmiar, naroznik, margines, stan_.JestPioro, stan_.JestPedzel, stan_.KolorPiora, stan_.KolorPedzla,
                       stan_.SzerokoscPiora};
    for (const auto& [k, obraz] : obrazy)
        if (k == klucz)
            return obraz;
    if (obrazy.size() >= 64)
        obrazy.clear();
    QImage obraz(rozmiar + QSize(2 * margines, 2 * margines), QImage::Format_ARGB32_Premultiplied);
    obraz.fill(Qt::transparent);
    QPainter p(&obraz);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QtPioro());
    p.setBrush(QtPedzel());
    p.drawRoundedRect(QRect(QPoint(margines, margines), rozmiar).adjusted(0, 0, -1, -1), naroznik / 2.0, naroznik / 2.0);
    p.end();
    obrazy.emplace_back(klucz, std::move(obraz));
    return obrazy.back().second;
}

void TQPlotno::Elipsa(const TProstokat& r)
{
    Przygotuj();
    p_.setPen(QtPioro());
    p_.setBrush(QtPedzel());
    p_.drawEllipse(Wnetrze(r).translated(stan_.Przesuniecie).adjusted(0, 0, -1, -1));
}

void TQPlotno::Wielokat(const std::vector<TPunktXY>& punkty)
{
    QPolygon w;
    w.reserve(static_cast<qsizetype>(punkty.size()));
    for (const auto& p : punkty)
        w << Na(p);
    Przygotuj();
    p_.setPen(QtPioro());
    p_.setBrush(QtPedzel());
    p_.drawPolygon(w);
}

void TQPlotno::Linia(const std::vector<TPunktXY>& punkty)
{
    if (punkty.size() < 2)
        return;
    Przygotuj();
    if (stan_.Odwracanie) {
        QPen pioro = QtPioro();
        pioro.setColor(Qt::white);
        p_.setPen(pioro);
    } else {
        p_.setPen(QtPioro());
    }
    p_.setBrush(Qt::NoBrush);
    // The last point stays unset, as on the original canvas: stop half a pixel short of it. Each
    // segment goes to the painter by itself: drawn together, the stroker would join them and set
    // a pixel where one ends on another.
    for (std::size_t i = 1; i < punkty.size(); ++i) {
        const QPointF a(Na(punkty[i - 1]));
        QPointF b(Na(punkty[i]));
        const QPointF d = b - a;
        const double dlugosc = std::hypot(d.x(), d.y());
        if (dlugosc == 0)
            continue;
        if (i + 1 == punkty.size())
            b -= d / dlugosc * 0.75;
        p_.drawLine(QLineF(a, b));
    }
}

void TQPlotno::Tekst(const TProstokat& r, const std::string& tekst, const TCzcionka& czcionka, unsigned flagi)
{
    Przygotuj();
    const TGotowyTekst& t = GotowyTekst(p_, dpi_, r, tekst, czcionka, flagi, stan_.Odwracanie);
    if (!czcionkaUstawiona_ || !(czcionka_ == t.Czcionka)) {
        p_.setFont(t.Czcionka);
        czcionka_ = t.Czcionka;
        czcionkaUstawiona_ = true;
    }
    p_.setPen(t.Pioro);
    RysujGotowyTekst(p_, Na(r), t);
}

void TQPlotno::Odwracanie(bool wlaczone) { stan_.Odwracanie = wlaczone; }
