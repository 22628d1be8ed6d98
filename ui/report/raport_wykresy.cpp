// Making the report's charts and laying out its printable pages, table of trains included.

#include "ui/report/raport_wykresy.h"

#include "core/wkt_stream.h"
#include "report/raport_dnia.h"
#include "trains/czas.h"
#include "ui/canvas/obraz.h"
#include "ui/report/rysownik_strony.h"
#include "ui/report/wykres_pasm.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QBuffer>
#include <QChart>
#include <QGraphicsScene>
#include <QHorizontalStackedBarSeries>
#include <QImage>
#include <QLineSeries>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QStackedBarSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <span>

namespace {

const QColor Zielony(0, 128, 0);
const QColor Bordowy(128, 0, 0);
const QColor TloSpoznionego(255, 220, 220);
// The part of a delay the line brought in: not the dispatcher's, so not in his red.
const QColor KolorZTrasy(220, 150, 30);

QString Q(const std::string& s) { return QString::fromStdString(s); }

// Hours since the start of the day's date, for the time axes (a train after midnight is past 24).
double Godziny(const TRaportDnia& dzien, double czas) { return (czas - dzien.NrDnia) * 24.0; }

// The time axis of a day: from its first hour to its last (or to the hour of the last event).
QValueAxis* OsCzasu(const TRaportDnia& dzien, double doCzasu)
{
    auto* os = new QValueAxis;
    const double od = std::floor(Godziny(dzien, dzien.Poczatek));
    const double do_ = std::max(od + 1, std::ceil(Godziny(dzien, doCzasu)));
    os->setRange(od, do_);
    os->setTickType(QValueAxis::TicksDynamic);
    os->setTickAnchor(0);
    os->setTickInterval(do_ - od > 12 ? 2 : 1);
    os->setLabelFormat("%.0f:00");
    os->setTitleText(QStringLiteral("godzina"));
    return os;
}

// The latest moment the report knows of: its end, or its last score change or occupation.
double OstatniCzas(const TRaportDnia& dzien)
{
    if (dzien.Koniec)
        return *dzien.Koniec;
    double t = dzien.Poczatek;
    for (const auto& w : dzien.Wynik)
        t = std::max(t, w.Czas);
    for (const auto& z : dzien.Zajetosc)
        t = std::max(t, z.Do);
    for (const auto& p : dzien.Pociagi)
        for (const auto& c : {p.Przyjazd, p.Odjazd})
            if (c)
                t = std::max(t, *c);
    return t;
}

QChart* NowyWykres(const QString& tytul)
{
    auto* w = new QChart;
    w->setTitle(tytul);
    w->setAnimationOptions(QChart::NoAnimation);
    w->legend()->setVisible(false);
    return w;
}

// Printed charts take their fonts in pixels of the page, so that PNG and PDF look alike.
void UstawCzcionki(QChart* w, int piksele)
{
    QFont f = w->titleFont();
    f.setPixelSize(piksele + 2);
    f.setBold(true);
    w->setTitleFont(f);
    QFont zwykla;
    zwykla.setPixelSize(piksele);
    QFont mala;
    mala.setPixelSize(std::max(8, piksele - 3));
    w->legend()->setFont(zwykla);
    for (QAbstractAxis* os : w->axes()) {
        os->setLabelsFont(mala);
        os->setTitleFont(zwykla);
    }
}

void RysujWykres(QPainter& p, QChart* wykres, const QRectF& gdzie)
{
    QGraphicsScene scena;
    scena.addItem(wykres);  // the scene frees it
    wykres->setGeometry(QRectF(QPointF(0, 0), gdzie.size()));
    scena.setSceneRect(wykres->geometry());
    scena.render(&p, gdzie, scena.sceneRect());
}

struct TKolumna {
    const char* naglowek;
    double szerokosc;
};
constexpr TKolumna Kolumny[] = {{"Numer", 0.10},   {"Relacja", 0.30}, {"Przyjazd", 0.09}, {"rzecz.", 0.10},
                                {"Odjazd", 0.09},  {"rzecz.", 0.10},  {"Opóźn.", 0.10},   {"Punkty", 0.10}};
// A day with disturbances: the delay's split beside it, the relation narrower to make room.
constexpr TKolumna KolumnyZPodzialem[] = {{"Numer", 0.09},   {"Relacja", 0.23},  {"Przyjazd", 0.08}, {"rzecz.", 0.09},
                                          {"Odjazd", 0.08},  {"rzecz.", 0.09},   {"Opóźn.", 0.08},   {"Z trasy", 0.08},
                                          {"Na stacji", 0.08}, {"Punkty", 0.08}};

std::span<const TKolumna> KolumnyTabeli(const TRaportDnia& dzien)
{
    if (dzien.ZUtrudnieniami)
        return KolumnyZPodzialem;
    return Kolumny;
}

QStringList Wiersz(const TRaportDnia& dzien, const TPociagRaportu& t)
{
    const auto godzina = [](const std::optional<double>& c) { return c ? Q(GodzinaRaportu(*c)) : QStringLiteral("-"); };
    const auto plan = [](double c) { return Q(GodzinaMinuty(c - std::floor(c))); };
    const auto minuty = [](const std::optional<int>& m) { return m ? QString::number(*m) : QStringLiteral("-"); };
    QStringList w = {Q(t.Numer),
                     Q(t.RelacjaOd + " - " + t.RelacjaDo),
                     plan(t.PrzyjazdPlan),
                     godzina(t.Przyjazd),
                     plan(t.OdjazdPlan),
                     godzina(t.Odjazd),
                     minuty(t.Opoznienie())};
    if (dzien.ZUtrudnieniami)
        w << minuty(t.OpoznienieZTrasy()) << minuty(t.OpoznienieTutaj());
    w << QString::number(t.Punkty);
    return w;
}

// The page's measures, in proportion to its width.
struct TMiary {
    double margines, tekst, wiersz, naglowek;
    explicit TMiary(const QRectF& strona)
        : margines(strona.width() * 0.05), tekst(strona.width() / 90.0), wiersz(strona.width() / 45.0),
          naglowek(strona.width() / 14.0)
    {
    }
};

int WierszyNaStronie(const QRectF& strona)
{
    const TMiary m(strona);
    return std::max(1, static_cast<int>((strona.height() - 2 * m.margines - m.naglowek) / m.wiersz) - 1);
}

void RysujTabele(TRysownikStrony& r, const TRaportDnia& dzien, const QRectF& obszar, int od, int ile, const TMiary& m)
{
    const std::span<const TKolumna> kolumny = KolumnyTabeli(dzien);
    const auto rysujWiersz = [&](double y, const QStringList& teksty, const QColor* tlo, bool naglowek, bool spozniony) {
        const QRectF pas(obszar.left(), y, obszar.width(), m.wiersz);
        if (tlo != nullptr)
            r.Wypelnij(pas, *tlo);
        double x = obszar.left();
        for (int k = 0; k < teksty.size(); ++k) {
            const double w = obszar.width() * kolumny[static_cast<std::size_t>(k)].szerokosc;
            const QRectF komorka(x + m.tekst * 0.3, y, w - m.tekst * 0.6, m.wiersz);
            const bool wyrozniona = naglowek || (spozniony && k == 6);
            r.Tekst(komorka, (k >= 2 ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter, teksty[k],
                    wyrozniona ? tCzcionkaStrony::tabelaGruba : tCzcionkaStrony::tabela,
                    spozniony && k == 6 ? Bordowy : QColor(Qt::black), true);
            x += w;
        }
        r.Kreska(pas.bottomLeft(), pas.bottomRight(), QColor(200, 200, 200));
    };
    QStringList naglowki;
    for (const auto& k : kolumny)
        naglowki << QString::fromUtf8(k.naglowek);
    const QColor szare(230, 230, 230);
    rysujWiersz(obszar.top(), naglowki, &szare, true, false);
    double y = obszar.top() + m.wiersz;
    for (int i = od; i < std::min<int>(od + ile, static_cast<int>(dzien.Pociagi.size())); ++i) {
        const TPociagRaportu& t = dzien.Pociagi[static_cast<std::size_t>(i)];
        rysujWiersz(y, Wiersz(dzien, t), t.Spozniony() ? &TloSpoznionego : nullptr, false, t.Spozniony());
        y += m.wiersz;
    }
}

// The page's title, its day and its number; the rest of the page below it.
QRectF RysujNaglowekStrony(TRysownikStrony& r, const TRaportDnia& dzien, const QRectF& strona, int nrStrony, const TMiary& m)
{
    const QRectF tresc = strona.adjusted(m.margines, m.margines, -m.margines, -m.margines);
    const QColor czarny(Qt::black);
    const QRectF tytul(tresc.left(), tresc.top(), tresc.width(), m.naglowek * 0.5);
    r.Tekst(tytul, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Lorvia 99 - Drelinko: raport dnia"), tCzcionkaStrony::tytul,
            czarny, false);
    r.Tekst(QRectF(tresc.left(), tresc.top() + m.naglowek * 0.5, tresc.width(), m.naglowek * 0.4),
            Qt::AlignLeft | Qt::AlignVCenter, NaglowekRaportu(dzien), tCzcionkaStrony::zwykla, czarny, false);
    r.Tekst(tytul, Qt::AlignRight | Qt::AlignVCenter,
            QStringLiteral("strona %1 z %2").arg(nrStrony + 1).arg(LiczbaStronRaportu(dzien, strona)), tCzcionkaStrony::zwykla,
            czarny, false);
    return tresc.adjusted(0, m.naglowek, 0, 0);
}

}  // namespace

QChart* WykresWyniku(const TRaportDnia& dzien)
{
    QChart* w = NowyWykres(QStringLiteral("Punkty w ciągu dnia"));
    auto* seria = new QLineSeries;
    // A step line: the score holds until the next line changes it.
    std::int32_t ostatni = dzien.ScorePoczatkowy;
    for (const auto& punkt : dzien.Wynik) {
        const double x = Godziny(dzien, punkt.Czas);
        if (seria->count() > 0)
            seria->append(x, ostatni);
        seria->append(x, punkt.Score);
        ostatni = punkt.Score;
    }
    const double koniec = OstatniCzas(dzien);
    seria->append(Godziny(dzien, koniec), ostatni);
    seria->setColor(Zielony);
    w->addSeries(seria);
    QValueAxis* x = OsCzasu(dzien, koniec);
    auto* y = new QValueAxis;
    y->setTitleText(QStringLiteral("punkty"));
    y->setLabelFormat("%d");
    w->addAxis(x, Qt::AlignBottom);
    w->addAxis(y, Qt::AlignLeft);
    seria->attachAxis(x);
    seria->attachAxis(y);
    y->applyNiceNumbers();
    return w;
}

namespace {

// The delay chart's bars: on time below, then the line's part (on a day with disturbances, with a
// legend telling it apart), the station's on top; pointing at a bar tells its description.
QStackedBarSeries* SeriaOpoznien(QChart* w, QBarSet* inne, QBarSet* zTrasy, QBarSet* spoznione, const QStringList& opisy)
{
    auto* seria = new QStackedBarSeries;
    seria->append(inne);
    if (zTrasy != nullptr) {
        zTrasy->setColor(KolorZTrasy);
        seria->append(zTrasy);
        w->legend()->setVisible(true);
        w->legend()->setAlignment(Qt::AlignBottom);
    }
    seria->append(spoznione);
    seria->setBarWidth(0.8);
    w->addSeries(seria);
    QObject::connect(seria, &QStackedBarSeries::hovered, w, [w, opisy](bool nad, int i) {
        w->setToolTip(nad && i >= 0 && i < opisy.size() ? opisy[i] : QString());
    });
    return seria;
}

// A crowded day's delays: a bar per hour of the timetable with the mean delay of that hour's trains,
// split as a train's bar is; pointing at a bar tells the hour, its trains and the late ones.
QChart* WykresOpoznienGodzinami(const TRaportDnia& dzien)
{
    QChart* w = NowyWykres(QStringLiteral("Średnie opóźnienie pociągów w godzinach [min]"));
    const bool podzial = dzien.ZUtrudnieniami;
    struct TGodzina {
        int Ile = 0, Spoznionych = 0;
        double WCzasie = 0, ZTrasy = 0, Tutaj = 0;
    };
    std::map<int, TGodzina> godziny;
    for (const auto& t : dzien.Pociagi) {
        const auto o = t.Opoznienie();
        if (!o)
            continue;
        TGodzina& g = godziny[static_cast<int>(std::floor(Godziny(dzien, t.PrzyjazdPlan)))];
        ++g.Ile;
        if (!t.Spozniony()) {
            g.WCzasie += *o;
            continue;
        }
        ++g.Spoznionych;
        if (podzial) {
            g.ZTrasy += t.OpoznienieZTrasy().value_or(0);
            g.Tutaj += t.OpoznienieTutaj().value_or(*o);
        } else {
            g.Tutaj += *o;
        }
    }
    auto* spoznione = new QBarSet(podzial ? QStringLiteral("na stacji") : QStringLiteral("opóźnione"));
    auto* zTrasy = podzial ? new QBarSet(QStringLiteral("z trasy")) : nullptr;
    auto* inne = new QBarSet(QStringLiteral("w czasie"));
    spoznione->setColor(Bordowy);
    inne->setColor(Zielony);
    QStringList etykiety, opisy;
    double najwieksze = 1, najmniejsze = 0;
    for (const auto& [godzina, g] : godziny) {
        const double n = g.Ile;
        etykiety << QString::number(((godzina % 24) + 24) % 24);
        *inne << g.WCzasie / n;
        if (zTrasy != nullptr)
            *zTrasy << g.ZTrasy / n;
        *spoznione << g.Tutaj / n;
        const double srednie = (g.WCzasie + g.ZTrasy + g.Tutaj) / n;
        opisy << QStringLiteral("godzina %1: pociągów %2, spóźnionych %3, średnio %4 min")
                     .arg(etykiety.back())
                     .arg(g.Ile)
                     .arg(g.Spoznionych)
                     .arg(srednie, 0, 'f', 1);
        najwieksze = std::max(najwieksze, std::max(srednie, (g.ZTrasy + g.Tutaj) / n));
        najmniejsze = std::min(najmniejsze, g.WCzasie / n);
    }
    auto* seria = SeriaOpoznien(w, inne, zTrasy, spoznione, opisy);
    auto* x = new QBarCategoryAxis;
    x->append(etykiety.isEmpty() ? QStringList{QStringLiteral("-")} : etykiety);
    x->setTitleText(QStringLiteral("godzina rozkładowego przyjazdu"));
    auto* y = new QValueAxis;
    y->setRange(najmniejsze, najwieksze);
    y->setLabelFormat("%.0f");
    y->applyNiceNumbers();
    w->addAxis(x, Qt::AlignBottom);
    w->addAxis(y, Qt::AlignLeft);
    seria->attachAxis(x);
    seria->attachAxis(y);
    return w;
}

}  // namespace

QChart* WykresOpoznien(const TRaportDnia& dzien)
{
    const auto zOpoznieniem = std::count_if(dzien.Pociagi.begin(), dzien.Pociagi.end(),
                                            [](const TPociagRaportu& t) { return t.Opoznienie().has_value(); });
    if (zOpoznieniem > NajwiecejSlupkowOpoznien)
        return WykresOpoznienGodzinami(dzien);
    QChart* w = NowyWykres(QStringLiteral("Opóźnienie pociągów [min]"));
    // On a day with disturbances a late train's bar is split: the line's part below, the station's
    // on top of it, told apart in the legend.
    const bool podzial = dzien.ZUtrudnieniami;
    auto* spoznione = new QBarSet(podzial ? QStringLiteral("na stacji") : QStringLiteral("opóźnione"));
    auto* zTrasy = podzial ? new QBarSet(QStringLiteral("z trasy")) : nullptr;
    auto* inne = new QBarSet(QStringLiteral("w czasie"));
    spoznione->setColor(Bordowy);
    inne->setColor(Zielony);
    QStringList numery, opisy;
    int najwieksze = 1, najmniejsze = 0;
    for (const auto& t : dzien.Pociagi) {
        const auto o = t.Opoznienie();
        if (!o)
            continue;
        numery << Q(t.Numer);
        QString opis = QStringLiteral("pociąg %1: %2 min").arg(Q(t.Numer)).arg(*o);
        if (podzial && t.Spozniony()) {
            const int trasa = t.OpoznienieZTrasy().value_or(0), tutaj = t.OpoznienieTutaj().value_or(*o);
            *zTrasy << trasa;
            *spoznione << tutaj;
            opis += QStringLiteral(" (z trasy %1, na stacji %2)").arg(trasa).arg(tutaj);
        } else {
            if (zTrasy != nullptr)
                *zTrasy << 0;
            *spoznione << (t.Spozniony() ? *o : 0);
        }
        *inne << (t.Spozniony() ? 0 : *o);
        opisy << opis;
        najwieksze = std::max(najwieksze, *o);
        najmniejsze = std::min(najmniejsze, *o);
    }
    auto* seria = SeriaOpoznien(w, inne, zTrasy, spoznione, opisy);
    auto* x = new QBarCategoryAxis;
    x->append(numery.isEmpty() ? QStringList{QStringLiteral("-")} : numery);
    x->setLabelsAngle(-90);
    // A busy day's numbers would run into one another under the bars: the bars stay, in the day's
    // order, and pointing at one tells its train.
    if (numery.size() > NajwiecejPodpisowOpoznien) {
        x->setLabelsVisible(false);
        x->setTitleText(QStringLiteral("pociągi w kolejności dnia (wskaż słupek: numer i opóźnienie)"));
    }
    auto* y = new QValueAxis;
    y->setRange(najmniejsze, najwieksze);
    y->setLabelFormat("%d");
    y->applyNiceNumbers();
    // Whole minutes only on a short axis.
    if (y->max() - y->min() <= 10)
        y->setTickCount(static_cast<int>(y->max() - y->min()) + 1);
    w->addAxis(x, Qt::AlignBottom);
    w->addAxis(y, Qt::AlignLeft);
    seria->attachAxis(x);
    seria->attachAxis(y);
    return w;
}

QChart* WykresRodzajow(const TRaportDnia& dzien)
{
    QChart* w = NowyWykres(QStringLiteral("Punkty według rodzaju oceny"));
    auto* premie = new QBarSet(QStringLiteral("premie"));
    auto* kary = new QBarSet(QStringLiteral("kary"));
    premie->setColor(Zielony);
    kary->setColor(Bordowy);
    QStringList rodzaje;
    for (int i = 0; i < LiczbaRodzajowOceny; ++i) {
        const TSumaRodzaju& s = dzien.Rodzaje[static_cast<std::size_t>(i)];
        if (s.Ile == 0)
            continue;
        rodzaje << QStringLiteral("%1 (%2×)").arg(QString::fromUtf8(NazwaRodzaju(static_cast<tRodzajOceny>(i)))).arg(s.Ile);
        *premie << std::max(0, s.Punkty);
        *kary << std::min(0, s.Punkty);
    }
    auto* seria = new QHorizontalStackedBarSeries;
    seria->append(premie);
    seria->append(kary);
    seria->setLabelsVisible(true);
    w->addSeries(seria);
    auto* y = new QBarCategoryAxis;
    y->append(rodzaje.isEmpty() ? QStringList{QStringLiteral("-")} : rodzaje);
    auto* x = new QValueAxis;
    x->setLabelFormat("%d");
    w->addAxis(y, Qt::AlignLeft);
    w->addAxis(x, Qt::AlignBottom);
    seria->attachAxis(y);
    seria->attachAxis(x);
    x->applyNiceNumbers();
    return w;
}

QChart* WykresZajetosci(const TRaportDnia& dzien)
{
    std::vector<TWierszPasm> wiersze;
    for (std::size_t i = 0; i < ToryRaportu.size(); ++i)
        wiersze.push_back({Q(std::string(ToryRaportu[i])), KolorToru(static_cast<int>(i))});
    std::vector<TPasmo> pasma;
    for (const auto& z : dzien.Zajetosc) {
        const auto tor = std::find(ToryRaportu.begin(), ToryRaportu.end(), z.Tor);
        if (tor != ToryRaportu.end())
            pasma.push_back({static_cast<int>(tor - ToryRaportu.begin()), Godziny(dzien, z.Od), Godziny(dzien, z.Do),
                             Q(z.Pociag), tWygladPasma::pelny});
    }
    return WykresPasm(QStringLiteral("Zajętość torów"), OsCzasu(dzien, OstatniCzas(dzien)), wiersze, pasma);
}

QColor KolorToru(int i)
{
    static const QColor kolory[] = {QColor(0, 90, 160),  QColor(0, 130, 110), QColor(160, 100, 0), QColor(150, 60, 120),
                                    QColor(90, 90, 90),  QColor(110, 75, 40), QColor(40, 110, 40), QColor(70, 70, 170)};
    return kolory[static_cast<std::size_t>(i) % std::size(kolory)];
}

QString NaglowekRaportu(const TRaportDnia& dzien)
{
    const QString godziny = dzien.Koniec ? QStringLiteral("od %1 do %2").arg(Q(GodzinaMinuty(dzien.Poczatek - dzien.NrDnia)),
                                                                             QStringLiteral("24:00"))
                                         : QStringLiteral("od %1").arg(Q(GodzinaMinuty(dzien.Poczatek - dzien.NrDnia)));
    return QStringLiteral("Dzień %1 (%2): %3 pkt, pociągów %4, punktualnie odprawionych %5")
        .arg(dzien.NrDnia + 1)
        .arg(godziny)
        .arg(dzien.Punkty > 0 ? QStringLiteral("+%1").arg(dzien.Punkty) : QString::number(dzien.Punkty))
        .arg(dzien.Pociagi.size())
        .arg(dzien.Punktualne());
}

int LiczbaStronRaportu(const TRaportDnia& dzien, const QRectF& strona)
{
    const int wiersze = WierszyNaStronie(strona);
    return 1 + static_cast<int>((dzien.Pociagi.size() + static_cast<std::size_t>(wiersze) - 1) / static_cast<std::size_t>(wiersze));
}

void RysujStroneRaportu(QPainter& p, const TRaportDnia& dzien, const QRectF& strona, int nrStrony)
{
    const TMiary m(strona);
    p.fillRect(strona, Qt::white);
    TRysownikQPainter rysownik(p, m.tekst);
    const QRectF obszar = RysujNaglowekStrony(rysownik, dzien, strona, nrStrony, m);
    if (nrStrony == 0) {
        // The charts, one above the other; the occupation gets the most room.
        const double h = obszar.height();
        const double wysokosci[] = {0.22, 0.24, 0.24, 0.30};
        QChart* (*wykresy[])(const TRaportDnia&) = {WykresWyniku, WykresOpoznien, WykresRodzajow, WykresZajetosci};
        double y = obszar.top();
        for (int i = 0; i < 4; ++i) {
            QChart* w = wykresy[i](dzien);
            UstawCzcionki(w, static_cast<int>(m.tekst));
            RysujWykres(p, w, QRectF(obszar.left(), y, obszar.width(), h * wysokosci[i]));
            y += h * wysokosci[i];
        }
        return;
    }
    const int wiersze = WierszyNaStronie(strona);
    RysujTabele(rysownik, dzien, obszar, (nrStrony - 1) * wiersze, wiersze, m);
}

void RysujStroneTabeli(TRysownikStrony& r, const TRaportDnia& dzien, const QRectF& strona, int nrStrony)
{
    const TMiary m(strona);
    r.Wypelnij(strona, Qt::white);
    const QRectF obszar = RysujNaglowekStrony(r, dzien, strona, nrStrony, m);
    const int wiersze = WierszyNaStronie(strona);
    RysujTabele(r, dzien, obszar, (nrStrony - 1) * wiersze, wiersze, m);
}

QByteArray RaportPdf(const TRaportDnia& dzien)
{
    QByteArray dane;
    {
        QBuffer bufor(&dane);
        if (!bufor.open(QIODevice::WriteOnly))
            return {};
        QPdfWriter pdf(&bufor);
        pdf.setTitle(QStringLiteral("Raport dnia"));
        pdf.setCreator(QStringLiteral("Lorvia 99 - Drelinko"));
        pdf.setResolution(150);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        QPainter p;
        if (!p.begin(&pdf))
            return {};
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF strona(0, 0, pdf.width(), pdf.height());
        const int stron = LiczbaStronRaportu(dzien, strona);
        for (int i = 0; i < stron; ++i) {
            if (i > 0 && !pdf.newPage())
                return {};
            RysujStroneRaportu(p, dzien, strona, i);
        }
        if (!p.end())
            return {};
    }
    return dane.startsWith("%PDF-") && dane.trimmed().endsWith("%%EOF") ? dane : QByteArray();
}

std::string ZapiszRaportPdf(const TRaportDnia& dzien, const std::string& plik)
{
    return ZapiszNarysowany(RaportPdf(dzien), plik, "raportu");
}
