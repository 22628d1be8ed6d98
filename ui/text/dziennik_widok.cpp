// Laying out, painting and scrolling the journal's lines, and selecting and copying their text.

#include "ui/text/dziennik_widok.h"

#include "simulation/dziennik.h"
#include "ui/canvas/qplotno.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>

#include <climits>
#include <cmath>

namespace {

// Enough layouts for the lines in sight of a tall pane and those just scrolled past.
constexpr std::size_t NajwiecejUkladow = 256;

QTextLayout::FormatRange Czesc(int poczatek, int dlugosc, const QTextCharFormat& format)
{
    QTextLayout::FormatRange r;
    r.start = poczatek;
    r.length = dlugosc;
    r.format = format;
    return r;
}

}  // namespace

TDziennikWidok::TDziennikWidok(QWidget* rodzic) : QAbstractScrollArea(rodzic)
{
    setObjectName("reInfo");
    setFrameShape(QFrame::NoFrame);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    viewport()->setCursor(Qt::IBeamCursor);
    verticalScrollBar()->setSingleStep(1);
    pasek_.setSingleShot(true);
    pasek_.setInterval(40);
    connect(&pasek_, &QTimer::timeout, this, [this] {
        const QSignalBlocker cisza(verticalScrollBar());
        UstawPasek();
    });
    const QString powitanie = QStringLiteral("Dzień dobry, witamy w Drelinku.");
    DodajLinie({powitanie, {Czesc(0, static_cast<int>(powitanie.size()), Format(false, false, QColor(Qt::black).rgb()))}});
}

const QTextCharFormat& TDziennikWidok::Format(bool gruby, bool podkreslony, QRgb kolor)
{
    const auto klucz = std::tuple{gruby, podkreslony, kolor};
    if (const auto it = formaty_.find(klucz); it != formaty_.end())
        return it->second;
    QTextCharFormat f;
    f.setForeground(QColor::fromRgb(kolor));
    if (gruby)
        f.setFontWeight(QFont::Bold);
    if (podkreslony)
        f.setFontUnderline(true);
    return formaty_.emplace(klucz, f).first->second;
}

void TDziennikWidok::Dodaj(const TLiniaDziennika& l, int numer)
{
    const QRgb czarny = QColor(Qt::black).rgb();
    TLinia linia;
    if (l.Porada) {
        const QString tekst = QString::fromStdString(l.Tekst);
        linia.Tekst = tekst + " " + QString::fromStdString(l.Opis);
        linia.Czesci = {Czesc(0, static_cast<int>(tekst.size()), Format(true, false, czarny)),
                        Czesc(static_cast<int>(tekst.size()), static_cast<int>(linia.Tekst.size() - tekst.size()),
                              Format(false, false, czarny))};
        DodajLinie(std::move(linia));
        return;
    }
    const QTextCharFormat& naglowek = Format(false, true, NaQColor(kolor_).rgb());
    const QString glowa = QString::fromStdString(NaglowekLinii(l));
    kolor_ = KolorTekstuLinii(l, kolor_);
    const QTextCharFormat& tekst = Format(true, false, NaQColor(kolor_).rgb());
    const QString srodek = QString::fromStdString(l.Tekst);
    const QString koniec = QString::fromStdString(KoncowkaLinii(l));
    linia.Tekst = glowa + srodek + koniec;
    const int g = static_cast<int>(glowa.size());
    const int s = static_cast<int>(srodek.size());
    for (auto [poczatek, dlugosc, format] : {std::tuple{0, g, &naglowek}, std::tuple{g, s, &tekst},
                                             std::tuple{g + s, static_cast<int>(koniec.size()), &Format(false, false, czarny)}})
        if (dlugosc > 0)
            linia.Czesci.push_back(Czesc(poczatek, dlugosc, *format));
    kolor_ = kolory::Czarny;
    linia.Kara = l.Punkty < 0;
    linia.Numer = numer;
    linia.Tekst.squeeze();
    DodajLinie(std::move(linia));
}

void TDziennikWidok::DodajLinie(TLinia linia)
{
    if (kafelki_.Porzadkuj())
        rozklady_.clear();
    linie_.push_back(std::move(linia));
    if (!isVisible()) {
        // Laid out when shown.
        calyDoOdmalowania_ = true;
        return;
    }
    if (!naKoncu_ || !pelny_) {
        // The player reads older lines (they stay where they are), or the pane is not full yet.
        const QSignalBlocker cisza(verticalScrollBar());
        UstawPasek();
        if (naKoncu_) {
            calyDoOdmalowania_ = true;
            viewport()->update();
        }
        return;
    }
    if (!pasek_.isActive())
        pasek_.start();
    if (calyDoOdmalowania_) {
        // Already due to be painted whole: the lines of a burst that scroll out of sight before
        // the paint are never laid out.
        viewport()->update();
        return;
    }
    const int h = WysokoscLinii(LiczbaLinii() - 1);
    if (przesuniecie_ + h >= viewport()->height()) {
        // A burst that outruns the pane: one repaint of everything.
        calyDoOdmalowania_ = true;
        viewport()->update();
        return;
    }
    // The newest line stands on the bottom edge: the lines above move up by its height and only
    // its strip is painted. The bottom margin moved up with them, so the strip starts above the
    // exposed pixels.
    przesuniecie_ += h;
    viewport()->scroll(0, -h);
    viewport()->update(0, viewport()->height() - Margines() - h, viewport()->width(), h + Margines());
}

int TDziennikWidok::SzerokoscZawijania() const
{
    return std::max(1, viewport()->width() - 2 * Margines());
}

void TDziennikWidok::Przygotuj()
{
    const qreal skala = viewport()->devicePixelRatioF();
    const bool inneSlowa = skala != kafelki_.Skala() || font() != czcionkaUkladow_;
    const int szerokosc = SzerokoscZawijania();
    if (!inneSlowa && szerokosc == szerokoscUkladow_)
        return;
    if (inneSlowa) {
        kafelki_.Ustaw(font(), skala);
        czcionkaUkladow_ = font();
    }
    szerokoscUkladow_ = szerokosc;
    rozklady_.clear();
    wysokosci_.assign(linie_.size(), 0);
}

const TDziennikWidok::TRozklad& TDziennikWidok::Rozklad(int i)
{
    Przygotuj();
    if (const auto it = rozklady_.find(i); it != rozklady_.end())
        return it->second;
    if (rozklady_.size() >= NajwiecejUkladow)
        rozklady_.clear();
    TRozklad& kawalki = rozklady_[i];
    const TLinia& linia = linie_[static_cast<std::size_t>(i)];
    const QString& t = linia.Tekst;
    const qreal szerokosc = szerokoscUkladow_;
    qreal x = 0;
    int wiersz = 0;
    bool cos = false;  // the row holds more than spaces
    auto poloz = [&](TKawalek k) {
        k.X = x;
        k.Wiersz = wiersz;
        x += k.Kafelek->Przesun;
        kawalki.push_back(k);
    };
    auto nowyWiersz = [&] {
        ++wiersz;
        x = 0;
        cos = false;
    };
    // The run of pieces between two spaces goes whole onto a row, or onto the next row.
    std::vector<TKawalek> ciag;
    qreal dlugoscCiagu = 0;
    auto polozCiag = [&] {
        if (ciag.empty())
            return;
        if (cos && x + dlugoscCiagu > szerokosc)
            nowyWiersz();
        if (dlugoscCiagu <= szerokosc) {
            for (const TKawalek& k : ciag)
                poloz(k);
        } else {
            // Wider than the pane: broken anywhere, a letter at a time where a word is too wide.
            for (const TKawalek& k : ciag) {
                const bool rozbic = k.Kafelek->Przesun > szerokosc && k.Dlugosc > 1;
                for (int z = 0; z < (rozbic ? k.Dlugosc : 1); ++z) {
                    TKawalek czesc = k;
                    if (rozbic) {
                        czesc.Poczatek = k.Poczatek + z;
                        czesc.Dlugosc = 1;
                        czesc.Kafelek = &kafelki_.Kafelek(QStringView(t).mid(czesc.Poczatek, 1), k.Gruby);
                    }
                    if (cos && x + czesc.Kafelek->Przesun > szerokosc)
                        nowyWiersz();
                    poloz(czesc);
                    cos = true;
                }
            }
        }
        cos = true;
        ciag.clear();
        dlugoscCiagu = 0;
    };
    for (const QTextLayout::FormatRange& czesc : linia.Czesci) {
        const bool gruby = czesc.format.fontWeight() >= QFont::Bold;
        const bool podkreslony = czesc.format.fontUnderline();
        const QRgb kolor = czesc.format.foreground().color().rgb();
        const int koniec = std::min(static_cast<int>(t.size()), czesc.start + czesc.length);
        for (int j = czesc.start, dalej = j; j < koniec; j = dalej) {
            dalej = KoniecKawalka(t, j, koniec);
            TKawalek k;
            k.Poczatek = j;
            k.Dlugosc = dalej - j;
            k.Kolor = kolor;
            k.Gruby = gruby;
            k.Podkreslony = podkreslony;
            k.Kafelek = &kafelki_.Kafelek(QStringView(t).mid(j, dalej - j), gruby);
            if (t[j].isSpace()) {
                // Spaces never break a row: at its end they hang past the edge.
                polozCiag();
                poloz(k);
            } else {
                ciag.push_back(k);
                dlugoscCiagu += k.Kafelek->Przesun;
            }
        }
    }
    polozCiag();
    if (wysokosci_.size() < linie_.size())
        wysokosci_.resize(linie_.size(), 0);
    wysokosci_[static_cast<std::size_t>(i)] = (wiersz + 1) * kafelki_.WysokoscWiersza();
    return kawalki;
}

int TDziennikWidok::WysokoscLinii(int i)
{
    Przygotuj();
    const auto n = static_cast<std::size_t>(i);
    if (n >= wysokosci_.size() || wysokosci_[n] == 0)
        Rozklad(i);
    return wysokosci_[n];
}

qreal TDziennikWidok::XZnaku(int linia, const TKawalek& k, int znak) const
{
    if (znak <= k.Poczatek)
        return k.X;
    if (znak >= k.Poczatek + k.Dlugosc)
        return k.X + k.Kafelek->Przesun;
    const QString& t = linie_[static_cast<std::size_t>(linia)].Tekst;
    return k.X + kafelki_.Szerokosc(QStringView(t).mid(k.Poczatek, znak - k.Poczatek), k.Gruby);
}

void TDziennikWidok::RysujLinie(QPainter& p, int i, int gora, int od, int doo)
{
    const int wys = static_cast<int>(std::ceil(WysokoscLinii(i) * kafelki_.Skala()));
    const TRozklad& kawalki = Rozklad(i);
    const qreal s = kafelki_.Skala();
    const int wiersz = static_cast<int>(std::ceil(kafelki_.WysokoscWiersza() * s));
    const int szer = static_cast<int>(std::ceil((viewport()->width() - Margines()) * s));
    if (linia_.width() < szer || linia_.height() < wys)
        linia_ = QImage(std::max(szer, linia_.width()), std::max(wys, linia_.height()), QImage::Format_RGB32);
    const QRgb tlo = viewport()->palette().color(viewport()->backgroundRole()).rgb();
    uchar* bity = linia_.bits();
    const qsizetype bajtyWiersza = linia_.bytesPerLine();
    const auto wypelnij = [&](int r, int a, int b, QRgb kolor) {
        if (r < 0 || r >= linia_.height())
            return;
        auto* d = reinterpret_cast<QRgb*>(bity + r * bajtyWiersza);
        std::fill(d + std::clamp(a, 0, linia_.width()), d + std::clamp(b, 0, linia_.width()), 0xff000000u | kolor);
    };
    for (int r = 0; r < wys; ++r)
        wypelnij(r, 0, szer, tlo);
    const auto naEkran = [s](qreal x) { return static_cast<int>(std::lround(x * s)); };
    const QRgb zaznaczonyTekst = palette().color(QPalette::HighlightedText).rgb();
    const int podkreslenie = static_cast<int>(std::lround(kafelki_.PozycjaPodkreslenia() * s));
    const int grubosc = std::max(1, static_cast<int>(std::lround(kafelki_.GruboscPodkreslenia() * s)));
    // The selected part of each piece: the background under it first, then every word over it,
    // so a glyph that leans into its neighbour is not covered.
    std::vector<std::pair<int, int>> zaznaczenie(kawalki.size(), {0, 0});
    if (od < doo)
        for (std::size_t n = 0; n < kawalki.size(); ++n) {
            const TKawalek& k = kawalki[n];
            const int a = std::max(od, k.Poczatek), b = std::min(doo, k.Poczatek + k.Dlugosc);
            if (a >= b)
                continue;
            zaznaczenie[n] = {naEkran(XZnaku(i, k, a)), naEkran(XZnaku(i, k, b))};
            const int y = k.Wiersz * wiersz;
            for (int r = y; r < y + wiersz; ++r)
                wypelnij(r, zaznaczenie[n].first, zaznaczenie[n].second, palette().color(QPalette::Highlight).rgb());
        }
    for (std::size_t n = 0; n < kawalki.size(); ++n) {
        const TKawalek& k = kawalki[n];
        const int x = naEkran(k.X);
        const int y = k.Wiersz * wiersz;
        const auto [za, zb] = zaznaczenie[n];
        const auto kreska = [&](int a, int b, QRgb kolor) {
            for (int r = y + podkreslenie; r < y + podkreslenie + grubosc; ++r)
                wypelnij(r, a, b, kolor);
        };
        const int koniec = naEkran(k.X + k.Kafelek->Przesun);
        if (za < zb) {
            NalozKafelek(linia_, *k.Kafelek, x, y, k.Kolor, INT_MIN, za);
            NalozKafelek(linia_, *k.Kafelek, x, y, zaznaczonyTekst, za, zb);
            NalozKafelek(linia_, *k.Kafelek, x, y, k.Kolor, zb, INT_MAX);
            if (k.Podkreslony) {
                kreska(x, za, k.Kolor);
                kreska(za, zb, zaznaczonyTekst);
                kreska(zb, koniec, k.Kolor);
            }
        } else {
            NalozKafelek(linia_, *k.Kafelek, x, y, k.Kolor, INT_MIN, INT_MAX);
            if (k.Podkreslony)
                kreska(x, koniec, k.Kolor);
        }
    }
    p.drawImage(QRectF(Margines(), gora, szer / s, wys / s), linia_, QRectF(0, 0, szer, wys));
}

void TDziennikWidok::UstawPasek()
{
    // The scroll bar counts lines: its end is the first of the last lines that fill the pane.
    const int miejsce = viewport()->height() - 2 * Margines();
    int mieszcza = 0;
    int wysokosc = 0;
    for (int i = LiczbaLinii() - 1; i >= 0; --i) {
        wysokosc += WysokoscLinii(i);
        if (wysokosc > miejsce)
            break;
        ++mieszcza;
    }
    verticalScrollBar()->setPageStep(std::max(1, mieszcza));
    verticalScrollBar()->setRange(0, std::max(0, LiczbaLinii() - std::max(1, mieszcza)));
    pelny_ = verticalScrollBar()->maximum() > 0;
    if (naKoncu_)
        verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

void TDziennikWidok::paintEvent(QPaintEvent* e)
{
    if (kafelki_.Porzadkuj())
        rozklady_.clear();
    QPainter p(viewport());
    const QRect obszar = e->rect();
    calyDoOdmalowania_ = false;
    przesuniecie_ = 0;
    widoczne_.clear();
    if (linie_.empty())
        return;
    const TMiejsce od = std::min(kotwica_, kursor_);
    const TMiejsce doo = std::max(kotwica_, kursor_);
    auto rysuj = [&](int i, int gora) {
        const int h = WysokoscLinii(i);
        widoczne_.push_back({i, gora});
        if (gora + h <= obszar.top() || gora >= obszar.bottom() + 1)
            return;
        int poczatek = 0, koniec = 0;
        if (od != doo && i >= od.Linia && i <= doo.Linia) {
            poczatek = i == od.Linia ? od.Znak : 0;
            koniec = i == doo.Linia ? doo.Znak : static_cast<int>(linie_[static_cast<std::size_t>(i)].Tekst.size());
        }
        RysujLinie(p, i, gora, poczatek, koniec);
    };
    const int wysokosc = viewport()->height();
    if (naKoncu_ && pelny_) {
        // At the end the newest line stands on the bottom edge, whatever the heights above it.
        int dol = wysokosc - Margines();
        for (int i = LiczbaLinii() - 1; i >= 0 && dol > 0; --i) {
            dol -= WysokoscLinii(i);
            rysuj(i, dol);
        }
        std::reverse(widoczne_.begin(), widoczne_.end());
        return;
    }
    const int pierwsza = verticalScrollBar()->value();
    int gora = pierwsza == 0 ? Margines() : 0;
    for (int i = pierwsza; i < LiczbaLinii() && gora < wysokosc; ++i) {
        rysuj(i, gora);
        gora += WysokoscLinii(i);
    }
}

void TDziennikWidok::resizeEvent(QResizeEvent* e)
{
    QAbstractScrollArea::resizeEvent(e);
    {
        const QSignalBlocker cisza(verticalScrollBar());
        UstawPasek();
    }
    calyDoOdmalowania_ = true;
    viewport()->update();
}

void TDziennikWidok::changeEvent(QEvent* e)
{
    QAbstractScrollArea::changeEvent(e);
    // Another face or size: every line is laid out again at the next paint.
    if (e->type() == QEvent::FontChange) {
        {
            const QSignalBlocker cisza(verticalScrollBar());
            UstawPasek();
        }
        calyDoOdmalowania_ = true;
        viewport()->update();
    }
}

void TDziennikWidok::scrollContentsBy(int, int)
{
    // The player moved the scroll bar: at its end the pane follows the newest line again.
    naKoncu_ = verticalScrollBar()->value() == verticalScrollBar()->maximum();
    calyDoOdmalowania_ = true;
    viewport()->update();
}

bool TDziennikWidok::event(QEvent* e)
{
    if (e->type() == QEvent::Show) {
        const QSignalBlocker cisza(verticalScrollBar());
        UstawPasek();
    }
    if (e->type() == QEvent::ShortcutOverride) {
        auto* k = static_cast<QKeyEvent*>(e);
        if (k == QKeySequence::Copy || k == QKeySequence::SelectAll) {
            e->accept();
            return true;
        }
    }
    return QAbstractScrollArea::event(e);
}

TDziennikWidok::TMiejsce TDziennikWidok::MiejscePod(QPoint p)
{
    if (widoczne_.empty())
        return {};
    if (p.y() < widoczne_.front().Gora)
        return {widoczne_.front().Linia, 0};
    for (const TWidoczna& w : widoczne_) {
        const int h = WysokoscLinii(w.Linia);
        if (p.y() >= w.Gora + h)
            continue;
        // The row under the point, then the piece under it, then the nearest edge of a character.
        const int wiersz = std::max(0, (p.y() - w.Gora) / kafelki_.WysokoscWiersza());
        const qreal x = p.x() - Margines();
        const TRozklad& kawalki = Rozklad(w.Linia);
        int znak = -1;
        for (const TKawalek& k : kawalki) {
            if (k.Wiersz != wiersz)
                continue;
            if (x < k.X) {
                if (znak < 0)
                    znak = k.Poczatek;
                break;
            }
            if (x >= k.X + k.Kafelek->Przesun) {
                znak = k.Poczatek + k.Dlugosc;
                continue;
            }
            znak = k.Poczatek;
            qreal najblizej = x - k.X;
            for (int z = k.Poczatek + 1; z <= k.Poczatek + k.Dlugosc; ++z)
                if (const qreal odleglosc = std::abs(XZnaku(w.Linia, k, z) - x); odleglosc < najblizej) {
                    najblizej = odleglosc;
                    znak = z;
                }
            break;
        }
        return {w.Linia, std::max(znak, 0)};
    }
    const int ostatnia = widoczne_.back().Linia;
    return {ostatnia, static_cast<int>(linie_[static_cast<std::size_t>(ostatnia)].Tekst.size())};
}

void TDziennikWidok::mousePressEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton) {
        QAbstractScrollArea::mousePressEvent(e);
        return;
    }
    kotwica_ = kursor_ = MiejscePod(e->position().toPoint());
    zaznaczanie_ = true;
    viewport()->update();
}

void TDziennikWidok::mouseMoveEvent(QMouseEvent* e)
{
    if (!zaznaczanie_ || !(e->buttons() & Qt::LeftButton))
        return;
    // Dragging past an edge carries the view along a line at a time.
    const QPoint p = e->position().toPoint();
    if (p.y() < 0)
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    else if (p.y() >= viewport()->height())
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    kursor_ = MiejscePod(p);
    viewport()->update();
}

void TDziennikWidok::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        zaznaczanie_ = false;
    e->accept();
}

void TDziennikWidok::mouseDoubleClickEvent(QMouseEvent* e)
{
    // A double click takes the whole line.
    const TMiejsce m = MiejscePod(e->position().toPoint());
    if (linie_.empty())
        return;
    kotwica_ = {m.Linia, 0};
    kursor_ = {m.Linia, static_cast<int>(linie_[static_cast<std::size_t>(m.Linia)].Tekst.size())};
    viewport()->update();
}

void TDziennikWidok::keyPressEvent(QKeyEvent* e)
{
    if (e == QKeySequence::Copy)
        copy();
    else if (e == QKeySequence::SelectAll)
        selectAll();
    else
        QAbstractScrollArea::keyPressEvent(e);
}

void TDziennikWidok::selectAll()
{
    if (linie_.empty())
        return;
    kotwica_ = {};
    kursor_ = {LiczbaLinii() - 1, static_cast<int>(linie_.back().Tekst.size())};
    viewport()->update();
}

QString TDziennikWidok::ZaznaczonyTekst() const
{
    const TMiejsce od = std::min(kotwica_, kursor_);
    const TMiejsce doo = std::max(kotwica_, kursor_);
    if (od == doo || linie_.empty())
        return {};
    QStringList czesci;
    for (int i = od.Linia; i <= doo.Linia && i < LiczbaLinii(); ++i) {
        const QString& t = linie_[static_cast<std::size_t>(i)].Tekst;
        const int poczatek = i == od.Linia ? od.Znak : 0;
        const int koniec = i == doo.Linia ? doo.Znak : static_cast<int>(t.size());
        czesci << t.mid(poczatek, koniec - poczatek);
    }
    return czesci.join('\n');
}

void TDziennikWidok::copy()
{
    const QString tekst = ZaznaczonyTekst();
    if (!tekst.isEmpty())
        QApplication::clipboard()->setText(tekst);
}

QString TDziennikWidok::toPlainText() const
{
    QStringList czesci;
    for (const TLinia& l : linie_)
        czesci << l.Tekst;
    return czesci.join('\n');
}

void TDziennikWidok::Wyczysc()
{
    linie_.clear();
    rozklady_.clear();
    wysokosci_.clear();
    widoczne_.clear();
    kotwica_ = kursor_ = {};
    naKoncu_ = true;
    pelny_ = false;
    pasek_.stop();
    {
        const QSignalBlocker cisza(verticalScrollBar());
        verticalScrollBar()->setRange(0, 0);
    }
    calyDoOdmalowania_ = true;
    viewport()->update();
    emit wyczyszczony();
}

void TDziennikWidok::contextMenuEvent(QContextMenuEvent* e)
{
    QMenu menu(this);
    menu.setObjectName("pmReInfo");
    QAction* kopiuj = menu.addAction(QStringLiteral("Kopiuj"), this, &TDziennikWidok::copy);
    kopiuj->setEnabled(!ZaznaczonyTekst().isEmpty());
    menu.addAction(QStringLiteral("Zaznacz wszystko"), this, &TDziennikWidok::selectAll);
    menu.addSeparator();
    menu.addAction(QStringLiteral("Wyczyść"), this, &TDziennikWidok::Wyczysc);
    QAction* pokaz = nullptr;
    // The line under the mouse, or the cursor's when the menu came from the keyboard.
    const int linia = e->reason() == QContextMenuEvent::Mouse ? MiejscePod(e->pos()).Linia : kursor_.Linia;
    if (pokazWZapisie_) {
        menu.addSeparator();
        pokaz = menu.addAction(QStringLiteral("Pokaż w zapisie"));
        pokaz->setObjectName("Pokazwzapisie1");
        pokaz->setEnabled(linia >= 0 && linia < LiczbaLinii() && LiniaKary(linia) && NumerWDzienniku(linia) >= 0);
    }
    // The playback opens once the menu has gone.
    if (menu.exec(e->globalPos()) == pokaz && pokaz != nullptr)
        emit pokazWZapisie(NumerWDzienniku(linia));
}
