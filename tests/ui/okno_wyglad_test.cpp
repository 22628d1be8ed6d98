// The station window as the player sees it: how it scales, whether anything is cut off, what shows
// the clock's pause, and the texts of its menus, status bar and warning dialog.
#include "run/symulacja_stacji.h"
#include "station/kolor.h"
#include "station/plotno.h"
#include "station/upunkt.h"
#include "tests/support/okno_testowe.h"
#include "tests/support/srodowisko_testowe.h"
#include "ui/canvas/qplotno.h"
#include "ui/services/okno_ostrzezenia.h"
#include "ui/station/diagram.h"
#include "ui/station/okno_stacji.h"
#include "ui/text/etykieta_skrocona.h"

#include <QAbstractButton>
#include <QActionGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QSplitter>
#include <QSplitterHandle>
#include <QStandardPaths>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <map>

namespace {

using TStanowisko = TStanowiskoOkna;

void WyczyscUstawienia() { QSettings("WKT", "Drelinko").clear(); }

// The box of the diagram's drawing within the scroll area on a screenshot of the window: every
// pixel that is not the window's colour.
QRect ZasiegRysunku(TOknoStacji& okno)
{
    auto* obszar = okno.findChild<QScrollArea*>("scbObszar");
    const QImage obraz = obszar->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRgb tlo = QColor(0xE8, 0xD8, 0xBD).rgb();
    QRect r;
    for (int y = 0; y < obraz.height(); ++y)
        for (int x = 0; x < obraz.width(); ++x)
            if (obraz.pixel(x, y) != tlo)
                r |= QRect(x, y, 1, 1);
    return r;
}

// Every control the player can see, with what cuts it off: a control reaching past the window or
// past the control that holds it. Controls inside the diagram's scroll area scroll by design.
QStringList Obciete(QWidget& okno)
{
    QStringList obciete;
    const auto* obszar = okno.findChild<QScrollArea*>("scbObszar");
    for (QWidget* w : okno.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&okno) || w->isWindow() || obszar->isAncestorOf(w))
            continue;
        const QRect wOknie(w->mapTo(&okno, QPoint(0, 0)), w->size());
        if (!okno.rect().contains(wOknie))
            obciete << QStringLiteral("%1 (%2) past the window").arg(w->objectName(), w->metaObject()->className());
        else if (w->parentWidget() != nullptr && !w->parentWidget()->rect().contains(w->geometry()))
            obciete << QStringLiteral("%1 (%2) past %3").arg(w->objectName(), w->metaObject()->className(),
                                                              w->parentWidget()->objectName());
    }
    return obciete;
}

}  // namespace

class OknoWygladTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        WyczyscUstawienia();
    }
    void cleanup() { WyczyscUstawienia(); }

    void theDiagramGrowsWithTheWindowAndNoControlIsCutOff()
    {
        TStanowisko t;
        QRect poprzedni;
        double powiekszenie = 0;
        for (const QSize rozmiar : {QSize(742, 449), QSize(1024, 700), QSize(1600, 1000)}) {
            t.Rozmiar(rozmiar.width(), rozmiar.height());
            QCOMPARE(t.okno.size(), rozmiar);
            const QRect zasieg = ZasiegRysunku(t.okno);
            QVERIFY2(zasieg.width() > poprzedni.width() && zasieg.height() > poprzedni.height(),
                     qPrintable(QStringLiteral("at %1x%2 the drawing is %3x%4")
                                    .arg(rozmiar.width())
                                    .arg(rozmiar.height())
                                    .arg(zasieg.width())
                                    .arg(zasieg.height())));
            QVERIFY(t.okno.Diagram()->Powiekszenie() > powiekszenie);
            const QStringList obciete = Obciete(t.okno);
            QVERIFY2(obciete.isEmpty(), qPrintable(obciete.join(", ")));
            poprzedni = zasieg;
            powiekszenie = t.okno.Diagram()->Powiekszenie();
        }
        // Maximised, the diagram takes most of the width; the journal grows too.
        QVERIFY(poprzedni.width() > 1600 * 9 / 10);
        QVERIFY(t.okno.findChild<QSplitter*>("Splitter6")->sizes().at(1) > 200);
    }

    void theWholeDesignGrowsWithTheWindowAsOneAndComesBackExactlyAtTheDesignSize()
    {
        TStanowisko t;
        // A new scale lays the window out again: the status bar fits itself to its labels' new
        // height on later turns of the event loop.
        const auto rozmiar = [&t](int w, int h) {
            t.Rozmiar(w, h);
            QApplication::processEvents();
            QApplication::processEvents();
        };
        rozmiar(742, 449);
        QCOMPARE(t.okno.SkalaOkna(), 1.0);
        // Every control's size at the design size, to come back to.
        std::map<QString, QSize> projekt;
        for (const char* nazwa : {"bStop", "pScore", "lbCzas", "lbCzasSek", "zegar", "panelinfo", "bZerwij", "status4"})
            projekt[QString::fromLatin1(nazwa)] = t.okno.findChild<QWidget*>(nazwa)->size();
        auto* strony = t.okno.findChild<QTabWidget*>("pcInfo1");
        const int zakladka = strony->tabBar()->height();
        const int punkty = t.okno.EtykietaScore()->font().pointSize();

        rozmiar(742 * 2, 449 * 2);
        QCOMPARE(t.okno.SkalaOkna(), 2.0);
        auto* zerwij = t.okno.findChild<QWidget*>("bZerwij");
        QCOMPARE(zerwij->size(), projekt["bZerwij"] * 2);
        QCOMPARE(t.okno.findChild<QWidget*>("zegar")->size(), projekt["zegar"] * 2);
        QCOMPARE(t.okno.findChild<QWidget*>("panelinfo")->height(), projekt["panelinfo"].height() * 2);
        QCOMPARE(t.okno.EtykietaScore()->font().pointSize(), punkty * 2);
        // The menus, windows of their own, grow too, their submenus with them.
        QMenu* polecenia = t.okno.menuBar()->actions().at(1)->menu();
        QCOMPARE(polecenia->font().pointSizeF(), 2 * QApplication::font(polecenia).pointSizeF());
        emit polecenia->aboutToShow();
        QMenu* automat = polecenia->actions().last()->menu();
        QVERIFY(automat != nullptr);
        QCOMPARE(automat->font(), polecenia->font());
        emit polecenia->aboutToHide();
        // What takes the fonts grows with them: the button with a style of its own, the pages' tabs,
        // the clock's labels.
        for (const char* nazwa : {"bStop", "lbCzas", "lbCzasSek", "status4"}) {
            const QSize teraz = t.okno.findChild<QWidget*>(nazwa)->size();
            QVERIFY2(teraz.height() * 10 >= projekt[nazwa].height() * 14,
                     qPrintable(QStringLiteral("%1 %2 high at the design size, %3 at twice it")
                                    .arg(QString::fromLatin1(nazwa))
                                    .arg(projekt[nazwa].height())
                                    .arg(teraz.height())));
        }
        QVERIFY(strony->tabBar()->height() > zakladka * 3 / 2);
        const QStringList obciete = Obciete(t.okno);
        QVERIFY2(obciete.isEmpty(), qPrintable(obciete.join(", ")));
        // A window between the two scales by what it holds of both.
        rozmiar(1280, 720);
        QCOMPARE(t.okno.SkalaOkna(), 1.6);

        rozmiar(742, 449);
        QCOMPARE(t.okno.SkalaOkna(), 1.0);
        for (const auto& [nazwa, rozmiar] : projekt)
            QVERIFY2(t.okno.findChild<QWidget*>(nazwa)->size() == rozmiar,
                     qPrintable(QStringLiteral("%1 %2x%3, was %4x%5")
                                    .arg(nazwa)
                                    .arg(t.okno.findChild<QWidget*>(nazwa)->width())
                                    .arg(t.okno.findChild<QWidget*>(nazwa)->height())
                                    .arg(rozmiar.width())
                                    .arg(rozmiar.height())));
        QCOMPARE(strony->tabBar()->height(), zakladka);

        // The "Opcje" page shows every option whole, at the design size and at twice it.
        strony->setCurrentIndex(strony->count() - 1);
        for (const QSize r : {QSize(742, 449), QSize(742 * 2, 449 * 2)}) {
            rozmiar(r.width(), r.height());
            QCOMPARE(t.okno.size(), r);
            for (QAbstractButton* b : strony->currentWidget()->findChildren<QAbstractButton*>()) {
                QVERIFY2(b->width() >= b->sizeHint().width() && b->height() >= b->sizeHint().height() &&
                             strony->currentWidget()->rect().contains(b->geometry()),
                         qPrintable(QStringLiteral("%1 at %2x%3").arg(b->text()).arg(r.width()).arg(r.height())));
            }
        }
    }

    void theSpeedSliderSaysWhatItSetsAndTakesHomeAndEnd()
    {
        TStanowisko t;
        auto* etykieta = t.okno.findChild<QLabel*>("lbSzybkosc");
        QVERIFY(etykieta != nullptr);
        QCOMPARE(etykieta->text(), QStringLiteral("szybkość 5×"));
        QScrollBar* suwak = t.okno.Szybkosc();
        suwak->setFocus();
        QTest::keyClick(suwak, Qt::Key_End);
        QCOMPARE(suwak->value(), 100);
        QCOMPARE(etykieta->text(), QStringLiteral("szybkość 100×"));
        QCOMPARE(t.okno.Symulacja().Szybkosc(), 100);
        QTest::keyClick(suwak, Qt::Key_Home);
        QCOMPARE(t.okno.Symulacja().Szybkosc(), 1);
        QCOMPARE(etykieta->text(), QStringLiteral("szybkość 1×"));
        // The manual is F1 in the station window too, and the menu says so.
        QAction* instrukcja = t.okno.findChild<QAction*>("Instrukcjaobsugi1");
        QVERIFY(instrukcja != nullptr);
        QCOMPARE(instrukcja->shortcut(), QKeySequence(Qt::Key_F1));
    }

    void theSmallestWindowStillShowsEveryControlWhole()
    {
        TStanowisko t;
        const QSize najmniejszy = t.okno.minimumSize();
        // The window's design size is allowed.
        QVERIFY(najmniejszy.width() <= 742 && najmniejszy.height() <= 449);
        t.Rozmiar(600, 400);
        QVERIFY(t.okno.width() >= najmniejszy.width() && t.okno.height() >= najmniejszy.height());
        const QStringList obciete = Obciete(t.okno);
        QVERIFY2(obciete.isEmpty(), qPrintable(obciete.join(", ")));
        // What was cut off at 600 x 400: the release button on its page and the analog clock.
        auto* pcInfo1 = t.okno.findChild<QTabWidget*>("pcInfo1");
        pcInfo1->setCurrentIndex(3);
        QApplication::processEvents();
        for (const char* nazwa : {"bZerwij", "zegar"}) {
            auto* w = t.okno.findChild<QWidget*>(nazwa);
            QVERIFY2(w != nullptr && w->isVisible(), nazwa);
            QVERIFY2(t.okno.rect().contains(QRect(w->mapTo(&t.okno, QPoint(0, 0)), w->size())), nazwa);
            QVERIFY2(w->parentWidget()->rect().contains(w->geometry()), nazwa);
        }
    }

    void theZoomFitsUntilThePlayerChoosesOneAndCtrl0FitsAgain()
    {
        TStanowisko t;
        TDiagram* d = t.okno.Diagram();
        t.Rozmiar(1024, 700);
        QVERIFY(d->Dopasowane());
        const double dopasowane = d->Powiekszenie();
        QVERIFY(dopasowane > 1.2);
        QTest::keyClick(&t.okno, Qt::Key_Minus, Qt::ControlModifier);
        QVERIFY(!d->Dopasowane());
        QCOMPARE(d->Powiekszenie(), dopasowane * 0.8);
        // A chosen zoom stays when the window changes.
        t.Rozmiar(1600, 1000);
        QCOMPARE(d->Powiekszenie(), dopasowane * 0.8);
        QTest::keyClick(&t.okno, Qt::Key_0, Qt::ControlModifier);
        QVERIFY(d->Dopasowane());
        QVERIFY(d->Powiekszenie() > dopasowane);
        // The fitted diagram never needs a scroll bar.
        auto* obszar = t.okno.findChild<QScrollArea*>("scbObszar");
        QVERIFY(d->width() <= obszar->viewport()->width() && d->height() <= obszar->viewport()->height());
    }

    void aFittingZoomNeverGoesBelowOneWhereTextStaysLegible()
    {
        TStanowisko t;
        TDiagram* d = t.okno.Diagram();
        QCOMPARE(d->PowiekszenieDla(QSize(100, 50)), 1.0);
        QCOMPARE(d->PowiekszenieDla(QSize(100000, 100000)), TDiagram::NajwiekszePowiekszenie);
        const QSize jeden = d->sizeHint() / d->Powiekszenie();
        QCOMPARE(d->PowiekszenieDla(jeden * 2), 2.0);
    }

    void theSplitterAndTheZoomAreRememberedAndBadStoredValuesFallBackUnwritten()
    {
        QList<int> podzial;
        {
            TStanowisko t;
            t.Rozmiar(1024, 700);
            auto* splitter = t.okno.findChild<QSplitter*>("Splitter6");
            const QList<int> samo = splitter->sizes();
            // The player drags the handle 120 px up.
            QSplitterHandle* uchwyt = splitter->handle(1);
            const QPoint srodek = uchwyt->rect().center();
            QTest::mousePress(uchwyt, Qt::LeftButton, {}, srodek);
            QMouseEvent ruch(QEvent::MouseMove, QPointF(srodek - QPoint(0, 120)), uchwyt->mapToGlobal(QPointF(srodek - QPoint(0, 120))),
                             Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(uchwyt, &ruch);
            QTest::mouseRelease(uchwyt, Qt::LeftButton, {}, srodek - QPoint(0, 120));
            podzial = splitter->sizes();
            QCOMPARE(podzial.at(1), samo.at(1) + 120);
            // The dragged share stays when the window changes.
            t.Rozmiar(1024, 800);
            QVERIFY(splitter->sizes().at(1) > podzial.at(1));
            t.Rozmiar(1024, 700);
            QVERIFY(std::abs(splitter->sizes().at(1) - podzial.at(1)) <= 1);
            t.okno.close();
        }
        QCOMPARE(QSettings("WKT", "Drelinko").value("Stacja/powiekszenie").toDouble(), 0.0);
        {
            TStanowisko t;
            t.Rozmiar(1024, 700);
            QVERIFY(std::abs(t.okno.findChild<QSplitter*>("Splitter6")->sizes().at(1) - podzial.at(1)) <= 1);
            QVERIFY(t.okno.Diagram()->Dopasowane());
        }
        WyczyscUstawienia();
        int samoczynny = 0;
        {
            TStanowisko t;
            samoczynny = t.okno.findChild<QSplitter*>("Splitter6")->sizes().at(1);
            QVERIFY(samoczynny >= 88);
        }
        for (const char* zla : {"abc", "9", "-1", "nan", ""}) {
            WyczyscUstawienia();
            {
                QSettings s("WKT", "Drelinko");
                s.setValue("Stacja/powiekszenie", zla);
                s.setValue("Stacja/udzialDziennika", "1.5");
                s.setValue("Stacja/strona", "siedem");
                s.setValue("Stacja/dzwieki", "moze");
            }
            TStanowisko t;
            QVERIFY2(t.okno.Diagram()->Dopasowane(), zla);
            QCOMPARE(t.okno.findChild<QTabWidget*>("pcInfo1")->currentIndex(), 0);
            QVERIFY(t.sym.Stacja().OdtwarzajDzwieki);
            QCOMPARE(t.okno.findChild<QSplitter*>("Splitter6")->sizes().at(1), samoczynny);  // follows the diagram
            // Reading never writes: the bad value is still there until the window closes.
            QCOMPARE(QSettings("WKT", "Drelinko").value("Stacja/powiekszenie").toString(), QString::fromUtf8(zla));
            QCOMPARE(QSettings("WKT", "Drelinko").value("Stacja/strona").toString(), QStringLiteral("siedem"));
        }
    }

    void aWindowGivenBadSettingsShowsTheDefaultsAndWritesNothingBack()
    {
        {
            QSettings s("WKT", "Drelinko");
            s.setValue("Stacja/powiekszenie", "nan");
            s.setValue("Stacja/udzialDziennika", "inf");
            s.setValue("Stacja/strona", "-1");
            s.setValue("Stacja/kolor", "zielony");
            s.setValue("Stacja/geometria", "to nie jest okno");
            s.setValue("Stacja/dzwieki", "moze");
            s.setValue("Stacja/zegar", "2");
            s.setValue("Stacja/etykiety", "");
        }
        const auto zapisane = [] {
            QSettings s("WKT", "Drelinko");
            QMap<QString, QString> wartosci;
            for (const QString& k : s.allKeys())
                wartosci[k] = s.value(k).toString();
            return wartosci;
        };
        const QMap<QString, QString> przed = zapisane();
        QCOMPARE(przed.size(), 8);
        {
            TStanowisko t;
            QVERIFY(t.okno.Diagram()->Dopasowane());
            QVERIFY(t.okno.Diagram()->height() > 0);
            QCOMPARE(t.okno.findChild<QTabWidget*>("pcInfo1")->currentIndex(), 0);
            QCOMPARE(t.okno.palette().color(QPalette::Window), QColor(0xE8, 0xD8, 0xBD));
            QVERIFY(t.sym.Stacja().KolorOkna == kolory::TloOkna);
            QVERIFY(t.okno.findChild<QCheckBox*>("cbDzwieki")->isChecked());
            QVERIFY(t.okno.findChild<QCheckBox*>("cbZegar")->isChecked());
            QVERIFY(t.okno.findChild<QCheckBox*>("cbEtykiety")->isChecked());
            QVERIFY(t.sym.Stacja().OdtwarzajDzwieki);
            QVERIFY(t.sym.Stacja().EtykietyPociagow);
            t.okno.close();
        }
        QCOMPARE(zapisane(), przed);

        // A change of the player's is written, and that alone.
        {
            TStanowisko t;
            t.okno.findChild<QCheckBox*>("cbDzwieki")->click();
            t.okno.close();
        }
        QMap<QString, QString> oczekiwane = przed;
        oczekiwane["Stacja/dzwieki"] = "false";
        QCOMPARE(zapisane(), oczekiwane);
    }

    void theWindowKeepsItsColourAndPlaceInTheFormsEarlierVersionsWrote()
    {
        {
            TStanowisko t;
            t.Rozmiar(900, 640);
            QTimer::singleShot(0, [] {
                auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
                QVERIFY(dialog != nullptr);
                dialog->setCurrentColor(QColor(0x11, 0x22, 0x33));
                dialog->accept();
            });
            t.okno.findChild<QPushButton*>("bKolorOkna")->click();
            t.okno.close();
        }
        QSettings s("WKT", "Drelinko");
        QCOMPARE(s.value("Stacja/kolor").typeId(), int(QMetaType::QColor));
        QCOMPARE(s.value("Stacja/kolor").value<QColor>(), QColor(0x11, 0x22, 0x33));
        QCOMPARE(s.value("Stacja/geometria").typeId(), int(QMetaType::QByteArray));
        QVERIFY(!s.contains("Stacja/powiekszenie"));  // never changed, never written
        TStanowisko t;
        QCOMPARE(t.okno.size(), QSize(900, 640));
        QCOMPARE(t.okno.palette().color(QPalette::Window), QColor(0x11, 0x22, 0x33));
    }

    void theClockPanelShowsThePauseAndWhy()
    {
        TStanowisko t;
        auto* panel = t.okno.findChild<QFrame*>("Panel1");
        const auto kolor = [&] {
            return panel->grab().toImage().pixelColor(2, 2);
        };
        t.okno.Tyknij();
        QVERIFY(t.okno.Pauza().isEmpty());
        QVERIFY(panel->toolTip().isEmpty());
        QCOMPARE(kolor(), QColor(0xFF, 0x80, 0x00));

        t.okno.PrzyciskStop()->click();
        QVERIFY(t.okno.PrzyciskStop()->isChecked());
        QVERIFY(panel->toolTip().startsWith("pauza"));
        QVERIFY(panel->toolTip().contains("STOP"));
        QVERIFY(kolor() != QColor(0xFF, 0x80, 0x00));
        t.okno.PrzyciskStop()->click();
        QVERIFY(panel->toolTip().isEmpty());

        t.okno.aktywne = false;
        t.okno.Tyknij();
        QCOMPARE(panel->toolTip(), QStringLiteral("pauza: okno stacji nie jest aktywne"));
        QVERIFY(kolor() != QColor(0xFF, 0x80, 0x00));
        t.okno.aktywne = true;
        t.okno.Tyknij();
        QVERIFY(panel->toolTip().isEmpty());

        // An open menu holds the clock as well.
        QTimer::singleShot(0, [&] {
            QCOMPARE(panel->toolTip(), QStringLiteral("pauza: otwarte menu lub okno"));
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget()))
                menu->close();
        });
        QMenu* polecenia = nullptr;
        for (QMenu* m : t.okno.findChildren<QMenu*>())
            if (m->title() == QStringLiteral("&Polecenia"))
                polecenia = m;
        QVERIFY(polecenia != nullptr);
        polecenia->exec();
        QVERIFY(panel->toolTip().isEmpty());
    }

    void theStatusBarTimeFollowsTheClockAtOnce()
    {
        TStanowisko t;
        t.okno.aktywne = false;  // the ticks stand
        t.okno.Tyknij();
        auto* czas = t.okno.findChild<TEtykietaSkrocona*>("status3");
        QCOMPARE(czas->Tekst(), QStringLiteral("04:00:00"));
        QTest::mouseClick(t.okno.EtykietaCzasu(), Qt::LeftButton);
        QCOMPARE(czas->Tekst(), QStringLiteral("04:01:00"));
        QTest::mouseDClick(t.okno.EtykietaCzasu(), Qt::LeftButton);
        QCOMPARE(czas->Tekst(), t.okno.EtykietaCzasu()->Tekst() + QStringLiteral(":00"));
        QVERIFY(czas->Tekst() >= QStringLiteral("04:15:00"));
    }

    void aLongStatusTextIsShortenedWithTheWholeTextAsTooltip()
    {
        TStanowisko t;
        t.Rozmiar(742, 449);
        const std::string dlugi(400, 'x');
        t.sym.DodajDoDziennika(0, "Krótko", dlugi);
        auto* krotki = t.okno.findChild<TEtykietaSkrocona*>("status4");
        auto* opis = t.okno.findChild<TEtykietaSkrocona*>("status5");
        QCOMPARE(krotki->Widoczny(), QStringLiteral("Krótko"));
        QVERIFY(krotki->toolTip().isEmpty());
        QVERIFY(opis->Widoczny().endsWith(QStringLiteral("…")));
        QCOMPARE(opis->toolTip(), QString::fromStdString(dlugi));
        QCOMPARE(t.okno.width(), 742);  // the long text did not widen the window
    }

    void theInactiveTabsTakeTheWindowColour()
    {
        {
            QSettings s("WKT", "Drelinko");
            s.setValue("Stacja/kolor", QColor(0xA0, 0xC8, 0xF0));
        }
        TStanowisko t;
        auto* pasek = t.okno.findChild<QTabWidget*>("pcInfo1")->tabBar();
        QCOMPARE(pasek->currentIndex(), 0);
        const QImage obraz = pasek->grab().toImage();
        const QRect nieaktywna = pasek->tabRect(2);
        QCOMPARE(obraz.pixelColor(nieaktywna.center() + QPoint(nieaktywna.width() / 2 - 4, 0)), QColor(0xA0, 0xC8, 0xF0));
    }

    void routesTowardsALineOrAPlatformShowABulletNotACheckMark()
    {
        TStanowisko t;
        std::unique_ptr<QMenu> menu(t.okno.ZbudujMenu(t.sym.Stacja().Znajdz<TElement>("p1")));
        QVERIFY(menu != nullptr);
        int kropki = 0;
        for (QAction* a : menu->actions()) {
            if (!a->text().startsWith(QStringLiteral("Ustaw drogę do ")))
                continue;
            const bool doWlotuLubPeronu = a->text().endsWith("wBrz") || a->text().endsWith("wWirowa") ||
                                          a->text().endsWith("wOlsz") || a->text().endsWith("p2");
            if (!doWlotuLubPeronu)
                continue;
            // A checked action of an exclusive group is what a menu draws with a bullet.
            QVERIFY2(a->isCheckable() && a->isChecked(), qPrintable(a->text()));
            QVERIFY2(a->actionGroup() != nullptr && a->actionGroup()->isExclusive(), qPrintable(a->text()));
            ++kropki;
        }
        QVERIFY(kropki >= 2);
    }

    void aRouteButtonNamesBothEndsAndOnlyAFarTooLongTextIsCut()
    {
        QFont f = NaQFont(TCzcionka{"Tahoma", 7});
        const QString trasa = QStringLiteral("pM2 - wWirowa");
        // The route button's text area: 79 px less 2 px at either side.
        QCOMPARE(TekstWMiejscu(f, trasa, 75), trasa);
        QVERIFY(f.letterSpacing() <= 0);
        QFont g = NaQFont(TCzcionka{"Tahoma", 7});
        const QString dlugi = QStringLiteral("Olszarzyna - Brzelany - Wirowa");
        const QString wynik = TekstWMiejscu(g, dlugi, 75);
        QVERIFY(wynik.endsWith(QStringLiteral("…")));
        QCOMPARE(g.letterSpacing(), 0.0);
    }

    void invertedTextOnALineLeavesNoFringesOfOtherColours()
    {
        QImage obraz(80, 16, QImage::Format_RGB32);
        obraz.fill(QColor(255, 0, 0));
        {
            QPainter p(&obraz);
            TQPlotno plotno(p);
            plotno.Odwracanie(true);
            plotno.Tekst({0, 0, 80, 16}, "5:08 s»", TCzcionka{"MS Sans Serif", 9, true}, tfJednaLinia);
            plotno.Odwracanie(false);
        }
        int odwrocone = 0;
        for (int y = 0; y < obraz.height(); ++y)
            for (int x = 0; x < obraz.width(); ++x) {
                const QRgb k = obraz.pixel(x, y) & 0xFFFFFF;
                QVERIFY2(k == 0xFF0000 || k == 0x00FFFF, qPrintable(QString::number(k, 16)));
                odwrocone += k == 0x00FFFF;
            }
        QVERIFY(odwrocone > 20);
    }

    void theFontsAreRealFacesWithTheirOwnBold()
    {
        const QFont f = NaQFont(TCzcionka{});
        QCOMPARE(QFontInfo(f).family(), QStringLiteral("DejaVu Sans Condensed"));
        QFont gruba = f;
        gruba.setBold(true);
        QCOMPARE(QFontInfo(gruba).styleName(), QStringLiteral("Condensed Bold"));
        QCOMPARE(QFontInfo(NaQFont(TCzcionka{"MS Sans Serif", 9, true})).family(), QStringLiteral("DejaVu Sans Condensed"));
        // Rich text naming the Windows face finds the same one.
        QFont tahoma(QStringLiteral("Tahoma"));
        QCOMPARE(QFontInfo(tahoma).family(), QStringLiteral("DejaVu Sans Condensed"));
    }
};

class OstrzezenieWygladTest : public QObject {
    Q_OBJECT

private slots:
    void init() { TOknoOstrzezenia::Sygnal = [] {}; }

    void aShortWarningKeepsTheDesignSize()
    {
        TOknoOstrzezenia okno("Lorvia 99", "Tytuł", "Opis", 3);
        okno.show();
        QCOMPARE(okno.size(), QSize(308, 144));
        // The "?" button says what it does: it keeps the warning open.
        QPushButton* stoj = nullptr;
        for (QPushButton* b : okno.findChildren<QPushButton*>())
            if (b->text() == QStringLiteral("?"))
                stoj = b;
        QVERIFY(stoj != nullptr);
        QVERIFY(stoj->toolTip().contains(QStringLiteral("zostaje otwarte")));
    }

    void aLongWarningGrowsUntilEveryLineAndTheElementShow()
    {
        const QString tytul = QStringLiteral("Nie można ustawić drogi od wOlsz do p1. Brak ścieżki dojścia przez "
                                             "przestawioną zwrotnicę na torze głównym.");
        const QString opis = QStringLiteral("wOlsz\nwOlsz\nzw4 przełożona na tor boczny, droga nie prowadzi do "
                                            "peronu\nTor29\nz Olszarzyny: sA");
        TOknoOstrzezenia okno("Lorvia 99", tytul, opis, 3);
        okno.show();
        QApplication::processEvents();
        QVERIFY(okno.width() >= 308);
        QVERIFY(okno.height() > 144);
        for (QLabel* l : okno.findChildren<QLabel*>()) {
            if (!l->isVisible())
                continue;
            QVERIFY2(okno.rect().contains(l->geometry()), qPrintable(l->text()));
            // Every line fits: the label is as tall as its text needs at its width.
            QVERIFY2(l->height() >= l->heightForWidth(l->width()), qPrintable(l->text()));
        }
        for (QAbstractButton* b : okno.findChildren<QAbstractButton*>())
            QVERIFY2(okno.rect().contains(b->geometry()), qPrintable(b->text()));
        // After a click the countdown line says more, in the same dialog.
        const QSize rozmiar = okno.size();
        okno.Zatrzymaj();
        QApplication::processEvents();
        QCOMPARE(okno.size(), rozmiar);
        for (QLabel* l : okno.findChildren<QLabel*>())
            if (l->isVisible())
                QVERIFY2(l->height() >= l->heightForWidth(l->width()), qPrintable(l->text()));
    }
};

int main(int argc, char** argv)
{
    QApplication aplikacja(argc, argv);
    QApplication::setStyle("Fusion");
    ZaladujCzcionki();
    OknoWygladTest okno;
    OstrzezenieWygladTest ostrzezenie;
    return QTest::qExec(&okno, argc, argv) | QTest::qExec(&ostrzezenie, argc, argv);
}

#include "okno_wyglad_test.moc"
