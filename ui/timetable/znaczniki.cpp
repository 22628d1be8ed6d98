// Reading the timetable's markup, laying it out in a font with wrapping, and drawing it in lists and
// labels.

#include "ui/timetable/znaczniki.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace {

// The pixels of an indent tag: x=50, x="50" or x='50', in any case.
bool CzytajWciecie(const QString& znacznik, int& x)
{
    static const QRegularExpression wzor(QStringLiteral(R"(\bx\s*=\s*["']?\s*(-?\d+))"),
                                         QRegularExpression::CaseInsensitiveOption);
    const auto wynik = wzor.match(znacznik);
    if (!wynik.hasMatch())
        return false;
    x = std::max(0, wynik.captured(1).toInt());
    return true;
}

// A length on the painter's device snapped to whole device pixels, so that lines and the start of
// text fall on the pixel grid at any scale of the screen.
qreal Przyciagnij(qreal v, qreal dpr) { return std::round(v * dpr) / dpr; }

}  // namespace

std::vector<TKawalek> CzytajZnaczniki(const QString& tekst)
{
    std::vector<TKawalek> wynik;
    int pogrubienie = 0;
    int podkreslenie = 0;
    QString biezacy;
    const auto wypisz = [&] {
        if (biezacy.isEmpty())
            return;
        TKawalek k;
        k.Tekst = biezacy;
        k.Pogrubiony = pogrubienie > 0;
        k.Podkreslony = podkreslenie > 0;
        wynik.push_back(k);
        biezacy.clear();
    };
    const auto dodaj = [&](tRodzajKawalka rodzaj, int x = 0) {
        wypisz();
        TKawalek k;
        k.Rodzaj = rodzaj;
        k.X = x;
        wynik.push_back(k);
    };
    for (qsizetype i = 0; i < tekst.size();) {
        const QChar c = tekst[i];
        if (c == u'\r') {
            ++i;
            continue;
        }
        if (c == u'\n') {
            dodaj(tRodzajKawalka::nowaLinia);
            ++i;
            continue;
        }
        if (c != u'<') {
            biezacy += c;
            ++i;
            continue;
        }
        // An unclosed tag runs to the end of the text.
        const qsizetype koniec = tekst.indexOf(u'>', i + 1);
        const QString znacznik = tekst.mid(i + 1, koniec < 0 ? -1 : koniec - i - 1).trimmed();
        i = koniec < 0 ? tekst.size() : koniec + 1;
        QString nazwa = znacznik.section(QRegularExpression(QStringLiteral("\\s+")), 0, 0).toLower();
        if (nazwa.size() > 1 && nazwa.endsWith(u'/'))
            nazwa.chop(1);
        int x = 0;
        if (nazwa == u"b" || nazwa == u"/b" || nazwa == u"u" || nazwa == u"/u") {
            wypisz();
            int& licznik = nazwa.endsWith(u'b') ? pogrubienie : podkreslenie;
            licznik = nazwa.startsWith(u'/') ? std::max(0, licznik - 1) : licznik + 1;
        } else if (nazwa == u"br") {
            dodaj(tRodzajKawalka::nowaLinia);
        } else if (nazwa == u"hr") {
            dodaj(tRodzajKawalka::kreska);
        } else if (nazwa == u"ind" && CzytajWciecie(znacznik, x)) {
            dodaj(tRodzajKawalka::wciecie, x);
        }
    }
    wypisz();
    return wynik;
}

QString BezZnacznikow(const QString& tekst)
{
    QString wynik;
    for (const auto& k : CzytajZnaczniki(tekst)) {
        switch (k.Rodzaj) {
        case tRodzajKawalka::tekst:
            wynik += k.Tekst;
            break;
        case tRodzajKawalka::wciecie:
            if (!wynik.isEmpty() && !wynik.endsWith(u' ') && !wynik.endsWith(u'\n'))
                wynik += u' ';
            break;
        case tRodzajKawalka::nowaLinia:
        case tRodzajKawalka::kreska:
            wynik += u'\n';
            break;
        }
    }
    while (wynik.endsWith(u'\n'))
        wynik.chop(1);
    return wynik;
}

TUkladZnacznikow::TUkladZnacznikow(const QString& tekst, const QFont& czcionka, qreal szerokosc) : czcionka_(czcionka)
{
    QFont pogrubiona = czcionka;
    pogrubiona.setBold(true);
    const QFontMetricsF zwykla(czcionka);
    const QFontMetricsF gruba(pogrubiona);
    wysokoscLinii_ = std::max(zwykla.height(), gruba.height());
    wzniesienie_ = std::max(zwykla.ascent(), gruba.ascent());
    const bool zawijanie = szerokosc > 0;

    qreal x = 0;
    qreal y = 0;
    qreal prawa = 0;
    int linia = 0;
    bool otwarta = false;       // something stands on the line
    bool poZawinieciu = false;  // blanks that begin a wrapped line are dropped
    bool ciagly = false;        // the next run may join the last one
    const auto nowaLinia = [&] {
        y += wysokoscLinii_;
        x = 0;
        ++linia;
        otwarta = false;
        ciagly = false;
    };
    const auto umiesc = [&](const QString& t, bool pogr, bool podkr) {
        const QFontMetricsF& m = pogr ? gruba : zwykla;
        if (ciagly && !odcinki_.empty() && odcinki_.back().Pogrubiony == pogr && odcinki_.back().Podkreslony == podkr) {
            TOdcinek& ostatni = odcinki_.back();
            ostatni.Tekst += t;
            ostatni.Szerokosc = m.horizontalAdvance(ostatni.Tekst);
            x = ostatni.X + ostatni.Szerokosc;
        } else {
            odcinki_.push_back({t, pogr, podkr, x, y, m.horizontalAdvance(t), linia});
            x += odcinki_.back().Szerokosc;
        }
        otwarta = true;
        ciagly = true;
    };

    for (const auto& k : CzytajZnaczniki(tekst)) {
        switch (k.Rodzaj) {
        case tRodzajKawalka::tekst: {
            if (!zawijanie) {
                umiesc(k.Tekst, k.Pogrubiony, k.Podkreslony);
                prawa = std::max(prawa, x);
                break;
            }
            const QFontMetricsF& m = k.Pogrubiony ? gruba : zwykla;
            // Words and the blanks between them, in turn.
            for (qsizetype i = 0; i < k.Tekst.size();) {
                const bool odstep = k.Tekst[i].isSpace();
                qsizetype j = i;
                while (j < k.Tekst.size() && k.Tekst[j].isSpace() == odstep)
                    ++j;
                const QString slowo = k.Tekst.mid(i, j - i);
                i = j;
                if (odstep) {
                    if (!(poZawinieciu && x == 0))
                        umiesc(slowo, k.Pogrubiony, k.Podkreslony);
                    continue;
                }
                // A word longer than the whole width stays on its own line, sticking out.
                if (x > 0 && x + m.horizontalAdvance(slowo) > szerokosc) {
                    nowaLinia();
                    poZawinieciu = true;
                }
                umiesc(slowo, k.Pogrubiony, k.Podkreslony);
                poZawinieciu = false;
                prawa = std::max(prawa, x);
            }
            break;
        }
        case tRodzajKawalka::wciecie:
            // Text already past the indent is not overwritten: the rest follows it after a blank.
            x = x <= k.X ? k.X : x + zwykla.horizontalAdvance(u' ');
            ciagly = false;
            break;
        case tRodzajKawalka::nowaLinia:
            nowaLinia();
            poZawinieciu = false;
            break;
        case tRodzajKawalka::kreska:
            if (otwarta)
                nowaLinia();
            kreski_.push_back(y);
            y += WysokoscKreski;
            x = 0;
            ciagly = false;
            poZawinieciu = false;
            break;
        }
    }
    linie_ = linia + (otwarta ? 1 : 0);
    rozmiar_ = QSizeF(prawa, y + (otwarta ? wysokoscLinii_ : 0));
}

void TUkladZnacznikow::Rysuj(QPainter& p, const QPointF& poczatek, qreal szerokosc, const QColor& kolor) const
{
    p.save();
    const qreal dpr = p.device() != nullptr ? p.device()->devicePixelRatio() : 1.0;
    p.setPen(kolor);
    for (const auto& o : odcinki_) {
        QFont f = czcionka_;
        f.setBold(o.Pogrubiony);
        f.setUnderline(o.Podkreslony);
        p.setFont(f);
        p.drawText(QPointF(Przyciagnij(poczatek.x() + o.X, dpr), Przyciagnij(poczatek.y() + o.Y + wzniesienie_, dpr)),
                   o.Tekst);
    }
    // An etched rule: a dark line over a light one, each a whole number of device pixels thick.
    p.setRenderHint(QPainter::Antialiasing, false);
    const qreal grubosc = std::max<qreal>(1.0, std::round(dpr)) / dpr;
    for (const qreal y : kreski_) {
        const qreal gora = Przyciagnij(poczatek.y() + y + (WysokoscKreski - 2) / 2, dpr);
        const qreal lewa = Przyciagnij(poczatek.x(), dpr);
        const qreal dlugosc = Przyciagnij(szerokosc, dpr);
        p.fillRect(QRectF(lewa, gora, dlugosc, grubosc), QColor(0xA8, 0x9E, 0x90));
        p.fillRect(QRectF(lewa, gora + grubosc, dlugosc, grubosc), QColor(0xFF, 0xFF, 0xFF));
    }
    p.restore();
}

void TDelegatZnacznikow::paint(QPainter* p, const QStyleOptionViewItem& opcje, const QModelIndex& indeks) const
{
    QStyleOptionViewItem o(opcje);
    initStyleOption(&o, indeks);
    // The style draws the row's background, selection and focus; the text is drawn here.
    o.text.clear();
    const QWidget* widok = o.widget;
    QStyle* styl = widok != nullptr ? widok->style() : QApplication::style();
    styl->drawControl(QStyle::CE_ItemViewItem, &o, p, widok);

    const bool zaznaczony = (o.state & QStyle::State_Selected) != 0;
    const QPalette::ColorGroup grupa = !(o.state & QStyle::State_Enabled) ? QPalette::Disabled
                                       : (o.state & QStyle::State_Active) ? QPalette::Active
                                                                          : QPalette::Inactive;
    const QColor kolor = o.palette.color(grupa, zaznaczony ? QPalette::HighlightedText : QPalette::Text);
    const TUkladZnacznikow uklad(indeks.data(RolaZnacznikow).toString(), o.font);
    p->save();
    p->setClipRect(o.rect);
    uklad.Rysuj(*p, QPointF(o.rect.left() + Margines, o.rect.top() + Margines), o.rect.width() - 2 * Margines, kolor);
    p->restore();
}

QSize TDelegatZnacznikow::sizeHint(const QStyleOptionViewItem& opcje, const QModelIndex& indeks) const
{
    const TUkladZnacznikow uklad(indeks.data(RolaZnacznikow).toString(), opcje.font);
    return QSize(static_cast<int>(std::ceil(uklad.Rozmiar().width())) + 2 * Margines,
                 static_cast<int>(std::ceil(uklad.Rozmiar().height())) + 2 * Margines);
}

TEtykietaZnacznikow::TEtykietaZnacznikow(const QString& tekst, QWidget* rodzic) : QWidget(rodzic), tekst_(tekst)
{
    QSizePolicy polityka(QSizePolicy::Preferred, QSizePolicy::Preferred);
    polityka.setHeightForWidth(true);
    setSizePolicy(polityka);
    // Drawn here from the markup: accessibility tools read the plain text from the name.
    setAccessibleName(BezZnacznikow(tekst_));
}

void TEtykietaZnacznikow::UstawTekst(const QString& tekst)
{
    tekst_ = tekst;
    setAccessibleName(BezZnacznikow(tekst_));
    updateGeometry();
    update();
}

int TEtykietaZnacznikow::heightForWidth(int szerokosc) const
{
    return static_cast<int>(std::ceil(TUkladZnacznikow(tekst_, font(), std::max(1, szerokosc)).Rozmiar().height()));
}

QSize TEtykietaZnacznikow::sizeHint() const
{
    // As wide as its longest line, up to a width a column of text reads well in.
    const qreal wlasna = TUkladZnacznikow(tekst_, font()).Rozmiar().width();
    const int szerokosc = std::min(240, static_cast<int>(std::ceil(wlasna)));
    return QSize(szerokosc, heightForWidth(szerokosc));
}

QSize TEtykietaZnacznikow::minimumSizeHint() const
{
    // Every word on a line of its own: narrower would cut words. The height follows the width the
    // layout gives (heightForWidth), not this narrowest one.
    const int szerokosc = static_cast<int>(std::ceil(TUkladZnacznikow(tekst_, font(), 1).Rozmiar().width()));
    return QSize(szerokosc, 0);
}

void TEtykietaZnacznikow::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    TUkladZnacznikow(tekst_, font(), width()).Rysuj(p, QPointF(0, 0), width(), palette().color(foregroundRole()));
}
