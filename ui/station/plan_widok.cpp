// The Plan tab: the forecast made off the window's thread and drawn as the report's chart.

#include "ui/station/plan_widok.h"

#include "run/symulacja_stacji.h"
#include "ui/report/raport_wykresy.h"
#include "ui/report/wykres_pasm.h"

#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QGraphicsLayout>
#include <QHelpEvent>
#include <QScrollArea>
#include <QTimer>
#include <QToolTip>
#include <QVBoxLayout>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <exception>

namespace {

// The player's acts reach the plan within this many milliseconds; the game's time within a minute.
constexpr int OdswiezanieMs = 2000;
constexpr int SprawdzanieMs = 250;
constexpr int WysokoscWiersza = 17;

std::vector<TWierszPasm> Wiersze()
{
    std::vector<TWierszPasm> w;
    for (std::size_t i = 0; i < ToryRaportu.size(); ++i)
        w.push_back({QString::fromStdString(std::string(ToryRaportu[i])), KolorToru(static_cast<int>(i))});
    for (std::size_t i = 0; i < LiniePlanu.size(); ++i)
        w.push_back({QString::fromUtf8(LiniePlanu[i].Nazwa.data(), static_cast<qsizetype>(LiniePlanu[i].Nazwa.size())),
                     KolorToru(static_cast<int>(ToryRaportu.size() + i))});
    return w;
}

int NumerWiersza(const std::string& nazwa)
{
    for (std::size_t i = 0; i < ToryRaportu.size(); ++i)
        if (ToryRaportu[i] == nazwa)
            return static_cast<int>(i);
    for (std::size_t i = 0; i < LiniePlanu.size(); ++i)
        if (LiniePlanu[i].Wlot == nazwa)
            return static_cast<int>(ToryRaportu.size() + i);
    return -1;
}

}  // namespace

TPlanWidok::TPlanWidok(TSymulacjaStacji& symulacja, QWidget* rodzic)
    : QWidget(rodzic), sym_(symulacja), linie_(symulacja.Stacja())
{
    setObjectName("Plan");
    // The lines are watched at every tick, shown or not: their past is nowhere else.
    poprzedniTyk_ = sym_.OnTyk;
    sym_.OnTyk = [this] {
        linie_.Probkuj(sym_.Raporty().Czas(sym_.CzasSymulacji));
        if (poprzedniTyk_)
            poprzedniTyk_();
    };
    auto* uklad = new QVBoxLayout(this);
    uklad->setContentsMargins(0, 0, 0, 0);
    widok_ = new QChartView;
    widok_->setRenderHint(QPainter::Antialiasing);
    // The chart is made anew with every forecast, so the view tells what is pointed at itself.
    widok_->viewport()->installEventFilter(this);
    // Every row keeps room for its label, besides the conflict above and the time axis with the
    // legend below; a journal lower than that scrolls.
    widok_->setMinimumHeight(WysokoscWiersza * static_cast<int>(ToryRaportu.size() + LiniePlanu.size()) + 90);
    auto* przewijany = new QScrollArea;
    przewijany->setObjectName("przewijanyPlan");
    przewijany->setWidgetResizable(true);
    przewijany->setFrameShape(QFrame::NoFrame);
    przewijany->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    przewijany->setWidget(widok_);
    uklad->addWidget(przewijany);
    zegar_ = new QTimer(this);
    zegar_->setInterval(SprawdzanieMs);
    connect(zegar_, &QTimer::timeout, this, &TPlanWidok::Sprawdz);
}

TPlanWidok::~TPlanWidok()
{
    sym_.OnTyk = poprzedniTyk_;
    // The worker works on copies only; it is let finish before its result has nowhere to go.
    if (liczony_.valid())
        liczony_.wait();
}

QChart* TPlanWidok::Wykres() const { return widok_->chart(); }

int TPlanWidok::WysokoscCala() const { return widok_->minimumHeight(); }

QString TPlanWidok::OpisMiejsca(const QPoint& miejsce) const
{
    QChart* w = widok_->chart();
    if (w != nullptr && !pasma_.empty()) {
        const QPointF wartosc = w->mapToValue(w->mapFromScene(widok_->mapToScene(miejsce)));
        const QString opis = OpisPasma(pasma_, static_cast<int>(Wiersze().size()), wartosc);
        if (!opis.isEmpty())
            return opis;
    }
    QStringList teksty;
    const double dzien = std::floor(plan_.Teraz);
    for (const TKonfliktPlanu& k : plan_.Konflikty)
        teksty << QStringLiteral("%1 %2").arg(GodzinaOsi((k.Czas - dzien) * 24), QString::fromStdString(k.Tekst));
    if (!teksty.isEmpty())
        return teksty.join(QLatin1Char('\n'));
    return QStringLiteral("Co zrobi dyżurny automatyczny przez najbliższe dwie godziny, gdyby przejął wszystkie "
                          "linie. Wskaż pasek, by zobaczyć pociąg i jego godziny.");
}

bool TPlanWidok::eventFilter(QObject* obiekt, QEvent* e)
{
    if (obiekt == widok_->viewport() && e->type() == QEvent::ToolTip) {
        const QPoint miejsce = static_cast<QHelpEvent*>(e)->pos();
        QToolTip::showText(static_cast<QHelpEvent*>(e)->globalPos(), OpisMiejsca(miejsce), widok_->viewport());
        return true;
    }
    return QWidget::eventFilter(obiekt, e);
}

void TPlanWidok::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    // Hidden, the tab neither looks nor wakes the program; a forecast finished meanwhile is drawn now.
    zegar_->start();
    Przelicz();
}

void TPlanWidok::hideEvent(QHideEvent* e)
{
    QWidget::hideEvent(e);
    zegar_->stop();
}

void TPlanWidok::Przelicz()
{
    if (liczony_.valid() || !sym_.Pokazane())
        return;
    czasPlanu_ = sym_.Raporty().Czas(sym_.CzasSymulacji);
    odOstatniego_.start();
    TStanDoPlanu stan = StanDoPlanu(sym_, &linie_);
    // A game standing still, nothing done by the player, has the plan it had.
    if (narysowane_ > 0 && stan.Punkt == ostatniPunkt_)
        return;
    ostatniPunkt_ = stan.Punkt;
    liczony_ = std::async(std::launch::async, [stan = std::move(stan)] { return Planuj(stan); });
}

void TPlanWidok::Dokoncz()
{
    if (liczony_.valid())
        liczony_.wait();
    Sprawdz();
}

void TPlanWidok::Sprawdz()
{
    if (liczony_.valid()) {
        if (liczony_.wait_for(std::chrono::seconds(0)) != std::future_status::ready)
            return;
        try {
            Narysuj(liczony_.get());
        } catch (const std::exception& e) {
            liczony_ = {};
            auto* blad = new QChart;
            blad->setTitle(QStringLiteral("Planu nie da się policzyć: %1").arg(QString::fromStdString(e.what())));
            Pokaz(blad);
        }
        return;
    }
    if (!isVisible() || !sym_.Pokazane())
        return;
    const bool minuta = std::abs(sym_.Raporty().Czas(sym_.CzasSymulacji) - czasPlanu_) * 1440 >= 1.0;
    if (minuta || !odOstatniego_.isValid() || odOstatniego_.elapsed() >= OdswiezanieMs)
        Przelicz();
}

void TPlanWidok::Pokaz(QChart* wykres)
{
    QChart* stary = widok_->chart();
    widok_->setChart(wykres);
    delete stary;
}

void TPlanWidok::Narysuj(TPlanStacji plan)
{
    plan_ = std::move(plan);
    // Hours from the start of the day of now, as the report counts them.
    const double dzien = std::floor(plan_.Teraz);
    const auto godziny = [dzien](double czas) { return (czas - dzien) * 24.0; };
    std::vector<TPasmo> pasma;
    for (const TOdcinekPlanu& o : plan_.Odcinki) {
        const int wiersz = NumerWiersza(o.Wiersz);
        if (wiersz < 0)
            continue;
        const tWygladPasma wyglad = o.Rodzaj == tRodzajOdcinka::zrobiony    ? tWygladPasma::pelny
                                    : o.Rodzaj == tRodzajOdcinka::planowany ? tWygladPasma::jasny
                                                                            : tWygladPasma::czerwony;
        pasma.push_back({wiersz, godziny(o.Od), godziny(o.Do), QString::fromStdString(o.Pociag), wyglad});
    }
    pasma_ = pasma;
    auto* os = new QCategoryAxis;
    os->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    const double od = godziny(plan_.Od), do_ = godziny(plan_.Do);
    os->setRange(od, do_);
    os->setStartValue(od);
    // A label every half hour.
    for (double h = std::ceil(od * 2) / 2; h <= do_ + 1e-9; h += 0.5)
        os->append(GodzinaOsi(h), h);
    // The legend under the time axis; the first conflict, if any, above the chart.
    os->setTitleText(QStringLiteral("pełne: było · jasne: plan · "
                                    "<font color='#c80000'>czerwone: konflikt</font> · kreska: teraz"));
    const QString tytul = plan_.Konflikty.empty()
                              ? QString()
                              : QStringLiteral("Konflikt o %1: %2%3")
                                    .arg(GodzinaOsi(godziny(plan_.Konflikty.front().Czas)),
                                         QString::fromStdString(plan_.Konflikty.front().Tekst),
                                         plan_.Konflikty.size() > 1
                                             ? QStringLiteral(" (i %1 więcej)").arg(plan_.Konflikty.size() - 1)
                                             : QString());
    QChart* wykres = WykresPasm(tytul, os, Wiersze(), pasma, godziny(plan_.Teraz));
    wykres->setMargins(QMargins(0, 0, 0, 0));
    wykres->setBackgroundRoundness(0);
    wykres->layout()->setContentsMargins(0, 0, 0, 0);
    QFont mala = font();
    mala.setPixelSize(WysokoscWiersza - 6);
    wykres->setTitleFont(mala);
    wykres->setTitleBrush(KolorKonfliktu);
    for (QAbstractAxis* a : wykres->axes()) {
        a->setLabelsFont(mala);
        a->setTitleFont(mala);
        a->setGridLineVisible(a == os);
        a->setTruncateLabels(false);
    }
    Pokaz(wykres);

    ++narysowane_;
}
