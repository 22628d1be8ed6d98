// The train list beside the journal and the trains' labels on the diagram, in the station window on
// the offscreen platform.
#include "models/lista_pociagow.h"
#include "run/symulacja_stacji.h"
#include "station/tor.h"
#include "station/zapowiedz.h"
#include "tests/support/okno_testowe.h"
#include "tests/support/pociag_testowy.h"
#include "tests/support/srodowisko_testowe.h"
#include "ui/station/diagram.h"
#include "ui/station/lista_pociagow_widok.h"
#include "ui/station/okno_stacji.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QHelpEvent>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTimer>
#include <QToolTip>
#include <QtTest>

namespace {

// The window at 4:00 with four trains of the day: 34101 from Olszarzyna at 4:30, 44713 starting
// here at 6:58, 34102 from Brzelany at 5:36, 34199 from Wirowa at 10:05.
struct TStanowisko {
    TSrodowiskoTestowe s;
    std::unique_ptr<TSymulacjaStacji> sym;
    std::unique_ptr<TOknoTestowe> okno;
    TStanowisko()
    {
        s.Rozklad.Rozklad.Append(PociagTestowy({"34101", "Olszarzyna", "Brzelany", "s122", "wOlsz", "wBrz", "4:30",
                                                "4:36", "osobowy"}));
        s.Rozklad.Rozklad.Append(
            PociagTestowy({"44713", "Drelinko", "Morzyn Gł.", "a", "", "wWirowa", "6:58", "6:58", "szynobus"}));
        s.Rozklad.Rozklad.Append(PociagTestowy({"34102", "Plażno", "Chrostowo", "s122", "wBrz", "wOlsz", "5:36",
                                                "5:40", "osobowy"}));
        s.Rozklad.Rozklad.Append(PociagTestowy({"34199", "Wirowa", "Olszarzyna", "s122", "wWirowa", "wOlsz", "10:05",
                                                "10:09", "osobowy"}));
        s.Rozklad.ZapiszRozklad();
        sym = std::make_unique<TSymulacjaStacji>(s.Uslugi, s.Rozklad);
        okno = std::make_unique<TOknoTestowe>(*sym);
        okno->show();
        okno->Zegar()->stop();  // ticks only when the test asks
        pokazListe();
    }
    TListaPociagowWidok& lista() const { return *okno->ListaPociagow(); }
    void pokazListe() const
    {
        auto* zakladki = okno->findChild<QTabWidget*>("pcDziennik");
        zakladki->setCurrentWidget(okno->ListaPociagow());
        QApplication::processEvents();
    }
    QStringList numery() const
    {
        QStringList n;
        for (int i = 0; i < lista().model()->rowCount(); ++i)
            n << lista().model()->index(i, TModelPociagow::kNumer).data().toString();
        return n;
    }
    QPoint srodekWiersza(int wiersz) const
    {
        return lista().visualRect(lista().model()->index(wiersz, TModelPociagow::kGdzie)).center();
    }
    int wierszPociagu(const QString& numer) const { return static_cast<int>(numery().indexOf(numer)); }
};

}  // namespace

class ListaPociagowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QSettings("WKT", "Drelinko").clear();
    }

    void theListIsATabBesideTheJournalWithEveryTrainOfTheDayInTheDaysOrder()
    {
        TStanowisko t;
        auto* zakladki = t.okno->findChild<QTabWidget*>("pcDziennik");
        QVERIFY(zakladki != nullptr);
        QCOMPARE(zakladki->tabText(0), QStringLiteral("Dziennik"));
        QCOMPARE(zakladki->tabText(1), QStringLiteral("Pociągi"));
        QCOMPARE(t.numery(), (QStringList{"34101", "34102", "44713", "34199"}));
        QStringList naglowki;
        for (int i = 0; i < TModelPociagow::kKolumn; ++i)
            naglowki << t.lista().model()->headerData(i, Qt::Horizontal).toString();
        QCOMPARE(naglowki, (QStringList{"Numer", "Relacja", "Przyjazd", "Odjazd", "Gdzie", "Opóźnienie", "Stan"}));
        const auto komorka = [&](int k) { return t.lista().model()->index(0, k).data().toString(); };
        QCOMPARE(komorka(TModelPociagow::kRelacja), QStringLiteral("Olszarzyna - Brzelany"));
        QCOMPARE(komorka(TModelPociagow::kPrzyjazd), QStringLiteral("4:30"));
        QCOMPARE(komorka(TModelPociagow::kGdzie), QStringLiteral("w rozkładzie, wOlsz"));
        QCOMPARE(komorka(TModelPociagow::kStan), QString());
    }

    void aClickOnAHeaderSortsByThatColumnAndAThirdReturnsToTheDaysOrder()
    {
        TStanowisko t;
        QHeaderView* naglowek = t.lista().horizontalHeader();
        const auto kliknij = [&](int kolumna) {
            QTest::mouseClick(naglowek->viewport(), Qt::LeftButton, {},
                              QPoint(naglowek->sectionViewportPosition(kolumna) + 5, naglowek->height() / 2));
        };
        // Times sort as times: 10:09 after 6:58, though before it as text.
        kliknij(TModelPociagow::kOdjazd);
        QCOMPARE(t.numery(), (QStringList{"34101", "34102", "44713", "34199"}));
        kliknij(TModelPociagow::kOdjazd);
        QCOMPARE(t.numery(), (QStringList{"34199", "44713", "34102", "34101"}));
        kliknij(TModelPociagow::kOdjazd);
        QCOMPARE(t.numery(), (QStringList{"34101", "34102", "44713", "34199"}));
        kliknij(TModelPociagow::kRelacja);
        QCOMPARE(t.numery(), (QStringList{"44713", "34101", "34102", "34199"}));  // Drelinko, Olszarzyna, Plażno, Wirowa
        // The place sorts by how far a train is in its day: the announced one after those only planned.
        t.sym->CzasSymulacji = (4 * 60 + 6) / 1440.0;
        t.okno->Tyknij();
        kliknij(TModelPociagow::kGdzie);
        QCOMPARE(t.numery().last(), QStringLiteral("34101"));
    }

    void aRowFollowsTheTrainOnEveryTickAndOnlyChangedRowsAreRedrawn()
    {
        TStanowisko t;
        QSignalSpy zmiany(t.lista().Model(), &QAbstractItemModel::dataChanged);
        t.okno->Tyknij();  // 4:00 -> 4:00:05, nothing changes
        QCOMPARE(zmiany.count(), 0);
        t.sym->CzasSymulacji = (4 * 60 + 6) / 1440.0;  // the Olszarzyna train is announced at 4:06
        t.okno->Tyknij();
        QCOMPARE(zmiany.count(), 1);
        QCOMPARE(zmiany[0][0].value<QModelIndex>().row(), 0);
        QCOMPARE(t.lista().model()->index(t.wierszPociagu("34101"), TModelPociagow::kGdzie).data().toString(),
                 QStringLiteral("zapowiedziany, wOlsz"));
    }

    void aListBehindTheJournalsTabWaitsAndIsUpToDateOnceShown()
    {
        TStanowisko t;
        auto* zakladki = t.okno->findChild<QTabWidget*>("pcDziennik");
        zakladki->setCurrentIndex(0);
        QApplication::processEvents();
        QSignalSpy zmiany(t.lista().Model(), &QAbstractItemModel::dataChanged);
        t.sym->CzasSymulacji = (4 * 60 + 6) / 1440.0;  // the Olszarzyna train is announced at 4:06
        t.okno->Tyknij();
        QCOMPARE(zmiany.count(), 0);  // hidden: not a row looked at
        t.pokazListe();
        QCOMPARE(t.lista().model()->index(t.wierszPociagu("34101"), TModelPociagow::kGdzie).data().toString(),
                 QStringLiteral("zapowiedziany, wOlsz"));
    }

    void aClickSelectsTheTrainAndBlinksItOnTheDiagramForAMoment()
    {
        TStanowisko t;
        t.sym->CzasSymulacji = (4 * 60 + 6) / 1440.0;
        t.okno->Tyknij();
        const int w = t.wierszPociagu("34101");
        QTest::mouseClick(t.lista().viewport(), Qt::LeftButton, {}, t.srodekWiersza(w));
        QCOMPARE(t.lista().selectionModel()->selectedRows().size(), 1);
        QCOMPARE(t.lista().selectionModel()->selectedRows()[0].row(), w);
        auto* pole = t.sym->Stacja().Znajdz<TZapowiedz>("zOlszarzyny");
        QVERIFY(t.sym->Stacja().Wyroznienia().Miga(pole));
        t.s.Zegary.Uplyw(TListaPociagow::CzasWskazania);
        QVERIFY(!t.sym->Stacja().Wyroznienia().Miga(pole));
    }

    void aDoubleClickOpensTheTrainsDialogAsADoubleClickOnItsPointDoes()
    {
        TStanowisko t;
        auto* tor = t.sym->Stacja().Znajdz<TTor>("Tor14");
        const TPociag* pociag = t.lista().Model()->Pociag(0);
        tor->SetPociag(const_cast<TPociag*>(pociag));
        const_cast<TPociag*>(pociag)->StanJazdy = tStanJazdy::zatrzymany;
        t.okno->Tyknij();
        // A double click comes after the click of its first press.
        const QPoint wiersz = t.srodekWiersza(t.wierszPociagu("34101"));
        QTest::mouseClick(t.lista().viewport(), Qt::LeftButton, {}, wiersz);
        QTest::mouseDClick(t.lista().viewport(), Qt::LeftButton, {}, wiersz);
        QCOMPARE(t.s.Komunikaty.Pytania.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(t.s.Komunikaty.Pytania[0]),
                 QString::fromStdString("Tor14 • Tor Tor14\r\n" + OpisPociagu(*pociag) + "\r\nDać sygnał do odjazdu?"));
    }

    void theLabelOptionIsOnByDefaultRemembersItselfAndDrivesTheDiagram()
    {
        {
            TStanowisko t;
            auto* cb = t.okno->findChild<QCheckBox*>("cbEtykiety");
            QVERIFY(cb != nullptr);
            QCOMPARE(cb->text(), QStringLiteral("wyświetlaj etykiety pociągów przy torach"));
            QVERIFY(cb->isChecked());
            QVERIFY(t.sym->Stacja().EtykietyPociagow);
            cb->setChecked(false);
            QVERIFY(!t.sym->Stacja().EtykietyPociagow);
            t.okno->close();
        }
        {
            TStanowisko t;
            QVERIFY(!t.okno->findChild<QCheckBox*>("cbEtykiety")->isChecked());
            QVERIFY(!t.sym->Stacja().EtykietyPociagow);
        }
        QSettings("WKT", "Drelinko").clear();
    }

    void hoveringAnOccupiedTrackShowsItsTrainAndAFreeOneItsHint()
    {
        TStanowisko t;
        TDiagram* diagram = t.okno->Diagram();
        auto* tor = t.sym->Stacja().Znajdz<TTor>("Tor7");
        const QPoint punkt(static_cast<int>((tor->Left + tor->Width / 2) * diagram->Powiekszenie()),
                           static_cast<int>((tor->Top + tor->Height / 2) * diagram->Powiekszenie()));
        QCOMPARE(diagram->ElementPod(punkt), tor);
        const auto najedz = [&] {
            QHelpEvent e(QEvent::ToolTip, punkt, diagram->mapToGlobal(punkt));
            QApplication::sendEvent(diagram, &e);
            return QToolTip::text();
        };
        QCOMPARE(najedz(), QStringLiteral("Tor Tor7"));
        const TPociag* pociag = t.lista().Model()->Pociag(0);
        tor->SetPociag(const_cast<TPociag*>(pociag));
        QCOMPARE(najedz(), QString::fromStdString(OpisPociagu(*pociag)));
        QToolTip::hideText();
    }
};

QTEST_MAIN(ListaPociagowTest)
#include "lista_pociagow_test.moc"
