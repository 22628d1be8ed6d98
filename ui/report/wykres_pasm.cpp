// Laying stretches out as bands over a time axis, with their tooltips and the line of now.

#include "ui/report/wykres_pasm.h"

#include <QAreaSeries>
#include <QCategoryAxis>
#include <QChart>
#include <QLineSeries>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

// Beyond this many bands in a row, bands that nearly touch are drawn as one: the gap between them
// is below what a chart of the widest screen shows, and a crowded day's thousands of bands would
// otherwise take seconds to lay out.
constexpr std::size_t NajwiecejPasmWiersza = 1000;
constexpr double NajmniejszaPrzerwa = 1.0 / 4000;  // of the time axis

// The bands of one row drawn alike: they rise between their edges, which they do not own.
QAreaSeries* Pas(int wiersz, int wierszy, const std::vector<TPasmo>& pasma, tWygladPasma wyglad, double od, double do_)
{
    // From the top: the first row highest.
    const double srodek = wierszy - 1 - wiersz, dol = srodek - 0.35, gora = srodek + 0.35;
    // A train seen at one look only still gets a visible sliver of its five seconds.
    std::vector<std::pair<double, double>> odcinki;
    for (const TPasmo& p : pasma)
        if (p.Wiersz == wiersz && p.Wyglad == wyglad)
            odcinki.emplace_back(p.Od, std::max(p.Do, p.Od + 5.0 / 3600));
    if (odcinki.size() > NajwiecejPasmWiersza) {
        std::sort(odcinki.begin(), odcinki.end());
        const double przerwa = (do_ - od) * NajmniejszaPrzerwa;
        std::size_t n = 0;
        for (const auto& o : odcinki) {
            if (n > 0 && o.first <= odcinki[n - 1].second + przerwa)
                odcinki[n - 1].second = std::max(odcinki[n - 1].second, o.second);
            else
                odcinki[n++] = o;
        }
        odcinki.resize(n);
    }
    auto* dolna = new QLineSeries;
    auto* gorna = new QLineSeries;
    dolna->append(od, dol);
    dolna->append(do_, dol);
    QList<QPointF> punkty;
    punkty.reserve(static_cast<qsizetype>(odcinki.size() * 4 + 2));
    punkty << QPointF(od, dol);
    for (const auto& [a, b] : odcinki)
        punkty << QPointF(a, dol) << QPointF(a, gora) << QPointF(b, gora) << QPointF(b, dol);
    punkty << QPointF(do_, dol);
    gorna->append(punkty);
    auto* pas = new QAreaSeries(gorna, dolna);
    gorna->setParent(pas);
    dolna->setParent(pas);
    pas->setPen(Qt::NoPen);
    return pas;
}

}  // namespace

QString OpisPasma(const std::vector<TPasmo>& pasma, int wierszy, const QPointF& wartosc)
{
    const int wiersz = wierszy - 1 - static_cast<int>(std::lround(wartosc.y()));
    if (wiersz < 0 || wiersz >= wierszy || std::abs(wartosc.y() - (wierszy - 1 - wiersz)) > 0.35)
        return {};
    for (const TPasmo& p : pasma) {
        if (p.Wiersz != wiersz || wartosc.x() < p.Od || wartosc.x() > std::max(p.Do, p.Od + 5.0 / 3600))
            continue;
        QString tekst = QStringLiteral("pociąg %1: %2–%3").arg(p.Pociag, GodzinaOsi(p.Od), GodzinaOsi(p.Do));
        if (p.Wyglad == tWygladPasma::jasny)
            tekst += QStringLiteral(" (plan)");
        else if (p.Wyglad == tWygladPasma::czerwony)
            tekst += QStringLiteral(" (plan, konflikt)");
        return tekst;
    }
    return {};
}

QColor KolorPlanowany(const QColor& kolor)
{
    // Towards white, so that it still reads as its row's colour on the chart's white.
    return QColor::fromRgbF(0.6 + 0.4 * kolor.redF(), 0.6 + 0.4 * kolor.greenF(), 0.6 + 0.4 * kolor.blueF());
}

QString GodzinaOsi(double godziny)
{
    const long minuty = std::lround(godziny * 60) % 1440;
    return QStringLiteral("%1:%2").arg(minuty / 60).arg(minuty % 60, 2, 10, QLatin1Char('0'));
}

QChart* WykresPasm(const QString& tytul, QAbstractAxis* osCzasu, const std::vector<TWierszPasm>& wiersze,
                   const std::vector<TPasmo>& pasma, std::optional<double> teraz)
{
    auto* w = new QChart;
    w->setTitle(tytul);
    w->setAnimationOptions(QChart::NoAnimation);
    w->legend()->setVisible(false);
    const double od = osCzasu->property("min").toDouble(), do_ = osCzasu->property("max").toDouble();
    auto* y = new QCategoryAxis;
    y->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    const int n = static_cast<int>(wiersze.size());
    y->setRange(-0.6, n - 0.4);
    w->addAxis(osCzasu, Qt::AlignBottom);
    w->addAxis(y, Qt::AlignLeft);
    // The axis takes its labels bottom up.
    for (int i = n - 1; i >= 0; --i)
        y->append(wiersze[static_cast<std::size_t>(i)].Nazwa, n - 1 - i);
    const auto wspolne = std::make_shared<const std::vector<TPasmo>>(pasma);
    for (int i = 0; i < n; ++i) {
        const QColor kolor = wiersze[static_cast<std::size_t>(i)].Kolor;
        for (const tWygladPasma wyglad : {tWygladPasma::pelny, tWygladPasma::jasny, tWygladPasma::czerwony}) {
            // The row's own band is always there; the others only when they have something to draw.
            if (wyglad != tWygladPasma::pelny && std::none_of(pasma.begin(), pasma.end(), [&](const TPasmo& p) {
                    return p.Wiersz == i && p.Wyglad == wyglad;
                }))
                continue;
            QAreaSeries* pas = Pas(i, n, pasma, wyglad, od, do_);
            pas->setColor(wyglad == tWygladPasma::pelny  ? kolor
                          : wyglad == tWygladPasma::jasny ? KolorPlanowany(kolor)
                                                          : KolorKonfliktu);
            w->addSeries(pas);
            pas->attachAxis(osCzasu);
            pas->attachAxis(y);
            QObject::connect(pas, &QAreaSeries::hovered, w, [w, n, wspolne](const QPointF& punkt, bool nad) {
                w->setToolTip(nad ? OpisPasma(*wspolne, n, punkt) : QString());
            });
        }
    }
    if (teraz) {
        auto* linia = new QLineSeries;
        linia->setName(QStringLiteral("teraz"));
        linia->append(*teraz, -0.6);
        linia->append(*teraz, n - 0.4);
        QPen pioro(Qt::black);
        pioro.setWidthF(1.5);
        linia->setPen(pioro);
        w->addSeries(linia);
        linia->attachAxis(osCzasu);
        linia->attachAxis(y);
    }
    return w;
}
