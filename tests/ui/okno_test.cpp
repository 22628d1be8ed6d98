// The station window on the offscreen platform.
#include "interlocking/przyciski.h"
#include "run/podpowiedz.h"
#include "run/symulacja_stacji.h"
#include "station/zwrotnica.h"
#include "tests/support/okno_testowe.h"
#include "tests/support/srodowisko_testowe.h"
#include "trains/czas.h"
#include "ui/canvas/qplotno.h"
#include "ui/services/okno_ostrzezenia.h"
#include "ui/station/diagram.h"
#include "ui/station/okno_stacji.h"
#include "ui/station/przycisk_widok.h"
#include "ui/text/dziennik_widok.h"
#include "ui/text/etykieta_skrocona.h"

#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTextBlock>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

namespace {

using TStanowisko = TStanowiskoOkna;

}  // namespace

class OknoStacjiTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QSettings("WKT", "Drelinko").clear();
    }

    void theWindowHasEveryComponentOfTheLayout()
    {
        TStanowisko t;
        QCOMPARE(t.okno.windowTitle(), QStringLiteral("Drelinko 99"));
        QCOMPARE(static_cast<int>(t.okno.Przyciski().size()), 27 + 21 + 17);
        auto* pcInfo1 = t.okno.findChild<QTabWidget*>("pcInfo1");
        QVERIFY(pcInfo1 != nullptr);
        QStringList strony;
        for (int i = 0; i < pcInfo1->count(); ++i)
            strony << pcInfo1->tabText(i);
        QCOMPARE(strony, (QStringList{"Szlak", "Stacja", "Rozkład", "Przebiegi", "Sterowanie", "Opcje"}));
        for (const char* nazwa : {"lbNazwa", "zegar", "bStop", "pScore", "lbScore", "Panel1", "lbCzas", "lbCzasSek",
                                  "rxSl", "lbIloscPoc", "Splitter6", "reInfo", "scb", "bKolorOkna", "cbDzwieki", "cbZegar"})
            QVERIFY2(t.okno.findChild<QWidget*>(nazwa) != nullptr, nazwa);
        QCOMPARE(t.okno.Szybkosc()->value(), 5);
        QCOMPARE(t.okno.EtykietaScore()->text(), QStringLiteral("400"));
    }

    void theHintFramesWhatToUseAndThePlayersOwnActEndsIt()
    {
        TStanowisko t;
        QVERIFY(t.sym.Pokazane());
        const TPodpowiedz p = Podpowiedz(t.sym);
        QVERIFY2(p.Cokolwiek() && !p.Element.empty() && !p.Przycisk.empty(), p.Powod.c_str());
        TKomponent* element = t.sym.Stacja().Znajdz(p.Element);
        TPrzyciskWidok* widok = nullptr;
        for (TPrzyciskWidok* w : t.okno.Przyciski())
            if (w->Przycisk().Name == p.Przycisk)
                widok = w;
        QVERIFY(element != nullptr && widok != nullptr);
        auto* linia = t.okno.findChild<QLabel*>("lbNazwa");

        t.okno.findChild<QToolButton*>("bPodpowiedz")->click();
        QCOMPARE(linia->text(), QStringLiteral("Podpowiedź: ") + QString::fromStdString(p.Powod));
        QVERIFY(t.sym.Stacja().Wyroznienia().Miga(element));
        QVERIFY(widok->Wyrozniony());
        QCOMPARE(t.sym.Dziennik().Score(), 400);  // asking costs nothing

        QCOMPARE(p.Polecenie, "press " + p.Przycisk);
        QCOMPARE(t.sym.Akt({"press", p.Przycisk}), std::string());
        QVERIFY(!t.okno.PodpowiedzWidoczna());
        QVERIFY(!t.sym.Stacja().Wyroznienia().Miga(element));
        QVERIFY(!widok->Wyrozniony());
        QVERIFY(!linia->text().startsWith(QStringLiteral("Podpowiedź")));
    }

    void aClickAtASwitchThrowsIt()
    {
        TStanowisko t;
        auto& zw1 = *t.sym.Stacja().Znajdz<TZwrotnica>("zw1");
        const QPoint srodek(zw1.Left + zw1.Width / 2, zw1.Top + zw1.Height / 2);
        QCOMPARE(t.okno.Diagram()->ElementPod(srodek), static_cast<TElement*>(&zw1));
        QTest::mouseClick(t.okno.Diagram(), Qt::LeftButton, {}, srodek);
        QCOMPARE(zw1.Status(), tZwrStatus::gora);
    }

    void aPressedButtonWorksItsElement()
    {
        TStanowisko t;
        TPrzyciskWidok* przycisk = nullptr;
        for (auto* p : t.okno.Przyciski())
            if (p->objectName() == "ZatwierdzButton14")
                przycisk = p;
        QVERIFY(przycisk != nullptr);
        QTest::mouseClick(przycisk, Qt::LeftButton);
        QCOMPARE(t.sym.Stacja().Znajdz<TPunkt>("Tor7")->Stan(), tStan::utwierdzony);
    }

    void theOptionsPageShowsTheDaysDisturbancesAndTheSeedThatPlaysThemAgain()
    {
        {
            TStanowisko t;
            auto* l = t.okno.findChild<QLabel*>("lbUtrudnienia");
            QVERIFY(l != nullptr);
            QCOMPARE(l->text(), QStringLiteral("Utrudnienia dnia: 0 (bez utrudnień)."));
        }
        TSrodowiskoTestowe s;
        s.Rozklad.ZapiszRozklad();
        TSymulacjaStacji sym{s.Uslugi, s.Rozklad};
        sym.UstawUtrudnienia(2, 4242);
        TOknoTestowe okno{sym};
        okno.show();
        okno.Zegar()->stop();
        auto* l = okno.findChild<QLabel*>("lbUtrudnienia");
        QVERIFY(l != nullptr);
        QCOMPARE(l->text(), QStringLiteral("Utrudnienia dnia: 2 (opóźnienia i usterki), ziarno 4242."));
    }

    void theAutomaticDispatcherIsSwitchedFromTheOptionsPageAndTheCommandsMenuAndShowsItsActsInTheHintLine()
    {
        TStanowisko t;
        auto* wirowa = t.okno.findChild<QCheckBox*>("cbAutowWirowa");
        auto* wszystkie = t.okno.findChild<QCheckBox*>("cbAutoWszystkie");
        QVERIFY(wirowa != nullptr && wszystkie != nullptr);
        for (const char* nazwa : {"cbAutowOlsz", "cbAutowBrz", "cbAutostacja_Drelinko"})
            QVERIFY2(t.okno.findChild<QCheckBox*>(nazwa) != nullptr, nazwa);
        wirowa->click();
        QVERIFY(t.sym.Dyspozytor().Wlaczony("wWirowa"));
        QVERIFY(!t.sym.Dyspozytor().Wlaczony("wOlsz"));
        QVERIFY(!wszystkie->isChecked());

        // The commands menu shows the same switches; choosing "wszystkie" checks every box.
        QMenu* polecenia = nullptr;
        for (QAction* a : t.okno.menuBar()->actions())
            if (a->text() == QStringLiteral("&Polecenia"))
                polecenia = a->menu();
        QVERIFY(polecenia != nullptr);
        emit polecenia->aboutToShow();
        QMenu* automat = nullptr;
        for (QAction* a : polecenia->actions())
            if (a->text() == QStringLiteral("Dyżurny &automatyczny"))
                automat = a->menu();
        QVERIFY(automat != nullptr);
        QCOMPARE(automat->actions().size(), 5);
        QVERIFY(!automat->actions().at(0)->isChecked());
        QVERIFY(automat->actions().at(3)->isChecked());  // wWirowa
        automat->actions().at(0)->trigger();
        emit polecenia->aboutToHide();
        QVERIFY(t.sym.Dyspozytor().WlaczonyDlaWszystkich());
        QVERIFY(wszystkie->isChecked());
        QVERIFY(t.okno.findChild<QCheckBox*>("cbAutowOlsz")->isChecked());

        // Nothing is due on an empty day but the barriers, which go up: the hint line says so.
        t.okno.Tyknij();
        QVERIFY2(t.okno.findChild<QLabel*>("lbNazwa")->text().startsWith(QStringLiteral("Dyżurny automatyczny: podnoszę rogatki")),
                 qPrintable(t.okno.findChild<QLabel*>("lbNazwa")->text()));
    }

    void theClockMovesOnlyWhileTheWindowIsActiveAndStopIsUp()
    {
        TStanowisko t;
        t.okno.Tyknij();
        QCOMPARE(t.okno.EtykietaCzasu()->Tekst(), QStringLiteral("04:00"));
        QCOMPARE(Milisekundy(t.sym.CzasSymulacji), Milisekundy(4.0 / 24 + 5.0 / 86400));
        t.okno.aktywne = false;
        t.okno.Tyknij();
        QCOMPARE(Milisekundy(t.sym.CzasSymulacji), Milisekundy(4.0 / 24 + 5.0 / 86400));
        t.okno.aktywne = true;
        t.okno.PrzyciskStop()->click();
        t.okno.Tyknij();
        QCOMPARE(Milisekundy(t.sym.CzasSymulacji), Milisekundy(4.0 / 24 + 5.0 / 86400));
        t.okno.PrzyciskStop()->click();
        t.okno.Tyknij();
        QCOMPARE(Milisekundy(t.sym.CzasSymulacji), Milisekundy(4.0 / 24 + 10.0 / 86400));
    }

    void theSpeedSliderSetsTheTimersInterval()
    {
        TStanowisko t;
        t.okno.Szybkosc()->setValue(100);
        QCOMPARE(t.okno.Zegar()->interval(), 50);
        QCOMPARE(t.okno.findChild<QLabel*>("lbNazwa")->text(),
                 QStringLiteral("Symulacja będzie 100 razy szybsza od rzeczywistości. Ekran będzie odświeżany co 0,05 sek."));
    }

    void aFaultShowsTheWarningAndWritesTheJournalLine()
    {
        TStanowisko t;
        auto& zw1 = *t.sym.Stacja().Znajdz<TZwrotnica>("zw1");
        zw1.SetStan(tStan::utwierdzony);
        QTest::mouseClick(t.okno.Diagram(), Qt::LeftButton, {}, QPoint(zw1.Left + 5, zw1.Top + 5));
        QCOMPARE(t.s.Komunikaty.Ostrzezenia.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(t.s.Komunikaty.Ostrzezenia[0].Tytul), QStringLiteral("Próba przestawienia zwrotnicy."));
        QCOMPARE(t.okno.EtykietaScore()->text(), QStringLiteral("390"));
        QVERIFY(t.okno.Dziennik()->toPlainText().contains(QStringLiteral("(kara 10 pkt) 04:00 -> Próba przestawienia zwrotnicy.")));
    }

    void aJournalLineIsThreeRunsUnderlinedBoldColouredAndPlain()
    {
        TDziennikWidok widok;
        widok.Dodaj({-33, "O mało co doszło do wypadku!", "Dwa pociągi", 8.25 / 24, 46000.5, false});
        const int ostatnia = widok.LiczbaLinii() - 1;
        const QString tekst = widok.TekstLinii(ostatnia);
        const auto czesci = widok.CzesciLinii(ostatnia);
        QCOMPARE(czesci.size(), 3);
        auto napis = [&](int i) { return tekst.mid(czesci[i].start, czesci[i].length); };
        QCOMPARE(napis(0), QStringLiteral("(kara 33 pkt) 08:15 -> "));
        QVERIFY(czesci[0].format.fontUnderline());
        QCOMPARE(napis(1), QStringLiteral("O mało co doszło do wypadku!"));
        QCOMPARE(czesci[1].format.fontWeight(), static_cast<int>(QFont::Bold));
        QCOMPARE(czesci[1].format.foreground().color(), QColor(128, 0, 0));
        QCOMPARE(napis(2), QStringLiteral(" Dwa pociągi (12:00:00) "));
        QVERIFY(!czesci[2].format.fontUnderline());
        widok.Dodaj({20, "Odjazd", "", 8.25 / 24, 46000.5, false});
        QCOMPARE(widok.CzesciLinii(widok.LiczbaLinii() - 1).front().format.fontUnderline(), true);
    }

    void theSettingsSurviveARestart()
    {
        {
            TStanowisko t;
            t.okno.findChild<QTabWidget*>("pcInfo1")->setCurrentIndex(3);
            t.okno.findChild<QCheckBox*>("cbDzwieki")->setChecked(false);
            t.okno.Diagram()->UstawPowiekszenie(2.0);
            t.sym.CzasSymulacji = 6.5 / 24;
            t.okno.close();
            QCOMPARE(t.s.Ustawienia.Czytaj(TSymulacjaStacji::KluczStartu, "GodzStartu", ""), std::string("6:30"));
        }
        TStanowisko t;
        QCOMPARE(t.okno.findChild<QTabWidget*>("pcInfo1")->currentIndex(), 3);
        QVERIFY(!t.okno.findChild<QCheckBox*>("cbDzwieki")->isChecked());
        QVERIFY(!t.sym.Stacja().OdtwarzajDzwieki);
        QCOMPARE(t.okno.Diagram()->Powiekszenie(), 2.0);
        QSettings("WKT", "Drelinko").clear();
    }

    void theWindowAtStartMatchesTheReviewedPicture()
    {
        TStanowisko t;
        t.okno.resize(742, 449);
        QApplication::processEvents();
        const QImage obraz = t.okno.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QString wzorzec = QStringLiteral(DRELINKO_TEST_DATA "/okno.png");
        if (qEnvironmentVariableIsSet("DRELINKO_NOWY_WZORZEC"))
            obraz.save(wzorzec);
        const QImage w = QImage(wzorzec).convertToFormat(QImage::Format_RGB32);
        QVERIFY2(!w.isNull(), "the reference picture is missing");
        QCOMPARE(obraz.size(), w.size());
        int rozne = 0;
        for (int y = 0; y < w.height(); ++y)
            for (int x = 0; x < w.width(); ++x) {
                const QColor a = obraz.pixelColor(x, y), b = w.pixelColor(x, y);
                rozne += std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
                                   std::abs(a.blue() - b.blue())}) > 48;
            }
        QVERIFY2(rozne < w.width() * w.height() / 100, "the window differs from the reviewed picture");
    }

    void theTrainMenuIsBuiltFromTheEnginesModel()
    {
        TStanowisko t;
        QMenu* menu = t.okno.ZbudujMenu(t.sym.Stacja().Znajdz<TElement>("p1"));
        QVERIFY(menu != nullptr);
        QStringList teksty;
        for (QAction* a : menu->actions())
            if (!a->isSeparator())
                teksty << a->text();
        QCOMPARE(teksty.first(), QStringLiteral("nie ma pociągu w tym punkcie"));
        QVERIFY(teksty.contains(QStringLiteral("Ustaw drogę do wBrz")));
        QCOMPARE(menu->defaultAction()->text(), QStringLiteral("p1..."));
        QVERIFY(t.okno.ZbudujMenu(t.sym.Stacja().Znajdz<TElement>("zBrzelan")) == nullptr);
        delete menu;
    }
};

class OknoOstrzezeniaTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        sygnaly = 0;
        TOknoOstrzezenia::Sygnal = [this] { ++sygnaly; };
    }

    void zeroSecondsShowNothing() { QCOMPARE(TOknoOstrzezenia::PokazOstrzezenie("Lorvia 99", "a", "b", 0, true), 1); }

    void aThreeSecondDialogCountsFromFourAndClosesAtTheSeventeenthTick()
    {
        TOknoOstrzezenia okno("Lorvia 99", "Tytuł", "Opis", 3);
        QStringList teksty;
        for (int i = 0; i < 17 && okno.Wynik() == 0; ++i) {
            okno.Tyknij();
            if (teksty.isEmpty() || teksty.last() != okno.TekstCzasu())
                teksty << okno.TekstCzasu();
        }
        QCOMPARE(teksty, (QStringList{"jeszcze 4 sekundy", "jeszcze 3 sekundy", "jeszcze 2 sekundy", "jeszcze 1 sekunda"}));
        QCOMPARE(okno.Wynik(), 1);
        QCOMPARE(sygnaly, 3);
    }

    void aOneSecondDialogBeepsOnceAndATwelveSecondOneOnlyAtTheEnd()
    {
        TOknoOstrzezenia krotkie("Lorvia 99", "a", "b", 1);
        krotkie.Tyknij();
        QCOMPARE(krotkie.TekstCzasu(), QStringLiteral("jeszcze 2 sekundy"));
        while (krotkie.Wynik() == 0)
            krotkie.Tyknij();
        QCOMPARE(sygnaly, 1);
        sygnaly = 0;
        TOknoOstrzezenia dlugie("Lorvia 99", "a", "b", 12);
        dlugie.Tyknij();
        QCOMPARE(dlugie.TekstCzasu(), QStringLiteral("jeszcze 13 sekund"));
        QCOMPARE(sygnaly, 0);
        while (dlugie.Wynik() == 0)
            dlugie.Tyknij();
        QCOMPARE(sygnaly, 4);  // k = 40, 45, 50 and 55 of 60: the whole seconds of the last five
    }

    void aClickStopsTheCountdownUntilAButton()
    {
        TOknoOstrzezenia okno("Lorvia 99", "a", "b", 3);
        okno.show();
        QVERIFY(okno.Odlicza());
        okno.Zatrzymaj();
        QVERIFY(!okno.Odlicza());
        QCOMPARE(okno.TekstCzasu(), QStringLiteral("Naciśnij OK lub Anuluj, aby zakończyć."));
        for (QPushButton* b : okno.findChildren<QPushButton*>())
            if (b->text() == "Anuluj")
                b->click();
        QCOMPARE(okno.Wynik(), 2);
    }

private:
    int sygnaly = 0;
};

int main(int argc, char** argv)
{
    QApplication aplikacja(argc, argv);
    // One style everywhere, so that the picture of the window is the same on every machine.
    QApplication::setStyle("Fusion");
    ZaladujCzcionki();
    OknoStacjiTest okno;
    OknoOstrzezeniaTest ostrzezenia;
    return QTest::qExec(&okno, argc, argv) | QTest::qExec(&ostrzezenia, argc, argv);
}

#include "okno_test.moc"
