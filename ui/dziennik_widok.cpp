#include "ui/dziennik_widok.h"

#include "simulation/dziennik.h"
#include "ui/qplotno.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QTextLine>

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
    QTextCharFormat zwykly;
    zwykly.setForeground(Qt::black);
    const QString powitanie = QStringLiteral("Dzień dobry, witamy w Drelinku.");
    DodajLinie({powitanie, {Czesc(0, static_cast<int>(powitanie.size()), zwykly)}});
}

void TDziennikWidok::Dodaj(const TLiniaDziennika& l)
{
    QTextCharFormat zwykly;
    zwykly.setForeground(Qt::black);
    TLinia linia;
    if (l.Porada) {
        QTextCharFormat gruby = zwykly;
        gruby.setFontWeight(QFont::Bold);
        const QString tekst = QString::fromStdString(l.Tekst);
        linia.Tekst = tekst + " " + QString::fromStdString(l.Opis);
        linia.Czesci = {Czesc(0, static_cast<int>(tekst.size()), gruby),
                        Czesc(static_cast<int>(tekst.size()), static_cast<int>(linia.Tekst.size() - tekst.size()), zwykly)};
        DodajLinie(std::move(linia));
        return;
    }
    QTextCharFormat naglowek;
    naglowek.setFontUnderline(true);
    naglowek.setForeground(NaQColor(kolor_));
    const QString glowa = QString::fromStdString(NaglowekLinii(l));
    kolor_ = KolorTekstuLinii(l, kolor_);
    QTextCharFormat tekst;
    tekst.setFontWeight(QFont::Bold);
    tekst.setForeground(NaQColor(kolor_));
    const QString srodek = QString::fromStdString(l.Tekst);
    const QString koniec = QString::fromStdString(KoncowkaLinii(l));
    linia.Tekst = glowa + srodek + koniec;
    const int g = static_cast<int>(glowa.size());
    const int s = static_cast<int>(srodek.size());
    for (auto [poczatek, dlugosc, format] : {std::tuple{0, g, naglowek}, std::tuple{g, s, tekst},
                                             std::tuple{g + s, static_cast<int>(koniec.size()), zwykly}})
        if (dlugosc > 0)
            linia.Czesci.push_back(Czesc(poczatek, dlugosc, format));
    kolor_ = kolory::Czarny;
    DodajLinie(std::move(linia));
}

void TDziennikWidok::DodajLinie(TLinia linia)
{
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
    const int h = WysokoscLinii(LiczbaLinii() - 1);
    if (calyDoOdmalowania_ || przesuniecie_ + h >= viewport()->height()) {
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

QTextLayout& TDziennikWidok::Uklad(int i)
{
    const int szerokosc = SzerokoscZawijania();
    if (szerokosc != szerokoscUkladow_ || uklady_.size() >= NajwiecejUkladow) {
        uklady_.clear();
        szerokoscUkladow_ = szerokosc;
    }
    auto& u = uklady_[i];
    if (!u) {
        const TLinia& linia = linie_[static_cast<std::size_t>(i)];
        u = std::make_unique<QTextLayout>(linia.Tekst, font(), viewport());
        u->setFormats(linia.Czesci);
        QTextOption opcje;
        opcje.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        u->setTextOption(opcje);
        u->setCacheEnabled(true);
        qreal y = 0;
        u->beginLayout();
        for (QTextLine w = u->createLine(); w.isValid(); w = u->createLine()) {
            w.setLineWidth(szerokosc);
            w.setPosition(QPointF(0, y));
            y += w.height();
        }
        u->endLayout();
    }
    return *u;
}

int TDziennikWidok::WysokoscLinii(int i)
{
    const QTextLayout& u = Uklad(i);
    if (u.lineCount() == 0)
        return fontMetrics().lineSpacing();
    const QTextLine ostatnia = u.lineAt(u.lineCount() - 1);
    return static_cast<int>(std::ceil(ostatnia.y() + ostatnia.height()));
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
    QPainter p(viewport());
    const QRect obszar = e->rect();
    calyDoOdmalowania_ = false;
    przesuniecie_ = 0;
    widoczne_.clear();
    if (linie_.empty())
        return;
    const TMiejsce od = std::min(kotwica_, kursor_);
    const TMiejsce doo = std::max(kotwica_, kursor_);
    QTextCharFormat zaznaczony;
    zaznaczony.setBackground(palette().brush(QPalette::Highlight));
    zaznaczony.setForeground(palette().brush(QPalette::HighlightedText));
    auto rysuj = [&](int i, int gora) {
        const int h = WysokoscLinii(i);
        widoczne_.push_back({i, gora});
        // An underline reaches a little below its line: a line just above the painted strip is
        // drawn again (clipped) so the strip does not cut it off.
        if (gora + h + Margines() <= obszar.top() || gora >= obszar.bottom() + 1)
            return;
        QList<QTextLayout::FormatRange> zaznaczenie;
        if (od != doo && i >= od.Linia && i <= doo.Linia) {
            const int poczatek = i == od.Linia ? od.Znak : 0;
            const int koniec = i == doo.Linia ? doo.Znak : static_cast<int>(linie_[static_cast<std::size_t>(i)].Tekst.size());
            if (koniec > poczatek)
                zaznaczenie.push_back(Czesc(poczatek, koniec - poczatek, zaznaczony));
        }
        Uklad(i).draw(&p, QPointF(Margines(), gora), zaznaczenie);
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
        const QTextLayout& u = Uklad(w.Linia);
        for (int j = 0; j < u.lineCount(); ++j) {
            const QTextLine wiersz = u.lineAt(j);
            if (p.y() - w.Gora < wiersz.y() + wiersz.height() || j == u.lineCount() - 1)
                return {w.Linia, wiersz.xToCursor(p.x() - Margines())};
        }
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
    uklady_.clear();
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
    menu.exec(e->globalPos());
}
