// The Plan tab beside the journal, in the station window on the offscreen platform: bands for a
// running game, made without a trace on it, with tooltips and conflicts in red.
#include "run/symulacja_stacji.h"
#include "tests/support/dzien_z_danych.h"
#include "tests/support/okno_testowe.h"
#include "tests/support/srodowisko_testowe.h"
#include "ui/report/wykres_pasm.h"
#include "ui/station/plan_widok.h"

#include <QAbstractScrollArea>
#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QSettings>
#include <QStandardPaths>
#include <QTabWidget>
#include <QtTest>

#include <algorithm>

namespace {

// The window at 7:00 of the shipped day, ticking only when the test asks.
struct TStanowiskoPlanu {
    TSrodowiskoTestowe s;
    std::unique_ptr<TSymulacjaStacji> sym;
    std::unique_ptr<TOknoTestowe> okno;
    explicit TStanowiskoPlanu(const char* godzina = "7:00")
    {
        DzienZDanych(s.Rozklad);
        s.Rozklad.ZapiszRozklad();
        sym = std::make_unique<TSymulacjaStacji>(s.Uslugi, s.Rozklad);
        sym->Akt({"time", godzina});
        okno = std::make_unique<TOknoTestowe>(*sym);
        okno->show();
        okno->Zegar()->stop();
    }
    QTabWidget* zakladki() const { return okno->findChild<QTabWidget*>("pcDziennik"); }
    TPlanWidok* plan() const { return okno->findChild<TPlanWidok*>("Plan"); }
    // Shows the tab and waits for its forecast to be drawn.
    void pokaz() const
    {
        zakladki()->setCurrentWidget(plan());
        QApplication::processEvents();
        plan()->Dokoncz();
    }
    void tyknij(int razy) const
    {
        for (int i = 0; i < razy; ++i)
            okno->Tyknij();
    }
    QList<QAreaSeries*> pasy() const
    {
        QList<QAreaSeries*> p;
        for (QAbstractSeries* s : plan()->Wykres()->series())
            if (auto* a = qobject_cast<QAreaSeries*>(s))
                p << a;
        return p;
    }
    QList<QColor> kolory() const
    {
        QList<QColor> k;
        for (QAreaSeries* a : pasy())
            if (a->upperSeries()->count() > 3)
                k << a->color();
        return k;
    }
};

}  // namespace

class PlanWidokTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QSettings("WKT", "Drelinko").clear();
    }

    void ThePlanTabStandsBesideTheJournalAndTheTrains()
    {
        TStanowiskoPlanu st;
        QTabWidget* z = st.zakladki();
        QVERIFY(z != nullptr);
        QStringList nazwy;
        for (int i = 0; i < z->count(); ++i)
            nazwy << z->tabText(i);
        QCOMPARE(nazwy, (QStringList{"Dziennik", "Pociągi", "Plan"}));
        QVERIFY(st.plan() != nullptr);
    }

    void AHiddenPlanIsNotMade()
    {
        TStanowiskoPlanu st;
        st.tyknij(30);
        // Long enough for the tab's own timer to look twice.
        QTest::qWait(600);
        QCOMPARE(st.plan()->Narysowane(), 0);
    }

    void AShownPlanDrawsBandsOfTracksAndLinesWithNowAndChangesNothingOfTheGame()
    {
        TStanowiskoPlanu st;
        st.tyknij(20);
        const auto przed = st.sym->StanGry();
        st.pokaz();
        QCOMPARE(st.plan()->Narysowane(), 1);
        QCOMPARE(st.sym->StanGry(), przed);
        QChart* w = st.plan()->Wykres();
        QVERIFY(w != nullptr);
        // A band per row and kind that has stretches: the eight rows' own, and the planned ones.
        QVERIFY(st.pasy().size() > 8);
        // What the dispatcher will do is drawn light; the line's 34107 already on its way, solid.
        const QList<QColor> k = st.kolory();
        QVERIFY(std::any_of(k.begin(), k.end(), [](const QColor& c) { return c.lightness() > 150; }));
        QVERIFY(std::any_of(k.begin(), k.end(), [](const QColor& c) { return c.lightness() < 120; }));
        QVERIFY(!k.contains(KolorKonfliktu));
        // Now, as a vertical line.
        const auto linie = w->series();
        const auto teraz =
            std::find_if(linie.begin(), linie.end(), [](QAbstractSeries* s) { return s->name() == "teraz"; });
        QVERIFY(teraz != linie.end());
        auto* kreska = qobject_cast<QLineSeries*>(*teraz);
        QCOMPARE(kreska->at(0).x(), kreska->at(1).x());
    }

    void ABandToldOfTellsItsTrainAndTimes()
    {
        TStanowiskoPlanu st;
        st.pokaz();
        const TPlanStacji& plan = st.plan()->Plan();
        const auto p1 = std::find_if(plan.Odcinki.begin(), plan.Odcinki.end(), [](const TOdcinekPlanu& o) {
            return o.Wiersz == "p1" && o.Pociag == "34107";
        });
        QVERIFY(p1 != plan.Odcinki.end());
        // p1 is the top row of eight: its band is centred at 7 on the rows' axis.
        const double godzina = (p1->Od + p1->Do) / 2 * 24 - std::floor(plan.Teraz) * 24;
        bool powiedziane = false;
        for (QAreaSeries* a : st.pasy()) {
            emit a->hovered(QPointF(godzina, 7.0), true);
            if (st.plan()->Wykres()->toolTip().startsWith("pociąg 34107: 7:0")) {
                powiedziane = true;
                QVERIFY(st.plan()->Wykres()->toolTip().endsWith("(plan)"));
            }
        }
        QVERIFY(powiedziane);
        // The view tells it too, whichever chart the last forecast made.
        QChart* w = st.plan()->Wykres();
        const QPointF naScenie = w->mapToScene(w->mapToPosition(QPointF(godzina, 7.0)));
        const QPoint miejsce = st.plan()->findChild<QChartView*>()->mapFromScene(naScenie);
        QVERIFY(st.plan()->OpisMiejsca(miejsce).startsWith("pociąg 34107: 7:0"));
        // Off the bands: what the plan is.
        QVERIFY(st.plan()->OpisMiejsca(QPoint(1, 1)).startsWith("Co zrobi dyżurny automatyczny"));
    }

    void AConflictThePlanCannotAvoidIsRedWithItsTrains()
    {
        TStanowiskoPlanu st;
        // Half an hour with nobody letting the trains in.
        st.tyknij(360);
        st.pokaz();
        QVERIFY(!st.plan()->Plan().Konflikty.empty());
        QVERIFY(st.kolory().contains(KolorKonfliktu));
        QVERIFY(st.plan()->Wykres()->title().startsWith("Konflikt o 7:3"));
    }

    void ThePlanFollowsTheGameAMinuteOn()
    {
        TStanowiskoPlanu st;
        st.pokaz();
        const double teraz = st.plan()->Plan().Teraz;
        st.tyknij(13);
        QTest::qWait(300);
        st.plan()->Dokoncz();
        QCOMPARE(st.plan()->Narysowane(), 2);
        QVERIFY(st.plan()->Plan().Teraz > teraz);
    }

    void AStoppedGameIsNotForecastAgainUntilThePlayerActs()
    {
        TStanowiskoPlanu st;
        QCOMPARE(st.sym->Akt({"stop", "on"}), std::string());
        st.pokaz();
        QCOMPARE(st.plan()->Narysowane(), 1);
        QTest::qWait(2600);
        st.plan()->Dokoncz();
        QCOMPARE(st.plan()->Narysowane(), 1);
        QCOMPARE(st.sym->Akt({"click", "zw3"}), std::string());
        QTest::qWait(2600);
        st.plan()->Dokoncz();
        QCOMPARE(st.plan()->Narysowane(), 2);
    }

    void AtTheSmallestWindowThePlanScrollsRatherThanCutsItsRows()
    {
        TStanowiskoPlanu st;
        st.okno->resize(742, 449);
        st.pokaz();
        auto* przewijany = st.plan()->findChild<QAbstractScrollArea*>("przewijanyPlan");
        QVERIFY(przewijany != nullptr);
        QVERIFY(st.plan()->Wykres()->plotArea().height() >= 8 * 10);
        QVERIFY(st.okno->width() <= 742 + 1);
    }

    void ChosenThePlanTakesTheRoomItsRowsNeedUpToHalfTheWindowAndGivesItBack()
    {
        TStanowiskoPlanu st;
        st.okno->resize(1280, 720);
        QApplication::processEvents();
        const int dziennik = st.zakladki()->height();
        st.pokaz();
        QApplication::processEvents();
        const int potrzebne = st.plan()->WysokoscCala();
        QVERIFY2(st.zakladki()->height() >= std::min(potrzebne, 720 / 2 - 40),
                 qPrintable(QStringLiteral("%1 < %2").arg(st.zakladki()->height()).arg(potrzebne)));
        QVERIFY(st.zakladki()->height() > dziennik);
        st.zakladki()->setCurrentIndex(0);
        QApplication::processEvents();
        QCOMPARE(st.zakladki()->height(), dziennik);
    }
};

QTEST_MAIN(PlanWidokTest)
#include "plan_widok_test.moc"
