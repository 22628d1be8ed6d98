// The game the station window keeps holds what the player did and nothing of what only the window
// showed, and it is kept as it stood when the player closed the window.
#include "models/lista_pociagow.h"
#include "run/chwila_zapisu.h"
#include "run/symulacja_stacji.h"
#include "tests/support/menu_kontekstowe.h"
#include "tests/support/okno_testowe.h"
#include "tests/support/pociag_testowy.h"
#include "tests/support/srodowisko_testowe.h"
#include "tools/sim/stan.h"
#include "ui/canvas/qplotno.h"
#include "ui/station/lista_pociagow_widok.h"
#include "ui/station/okno_stacji.h"
#include "ui/text/dziennik_widok.h"

#include <QLabel>
#include <QScrollBar>
#include <QSettings>
#include <QToolButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QtTest>

#include <fstream>
#include <sstream>

namespace {

// The station window of a run, which lets events through as it closes (the run's progress window
// is painted then), its timer ticking as fast as it can.
class TOknoBiegu : public TOknoTestowe {
public:
    using TOknoTestowe::TOknoTestowe;

protected:
    void closeEvent(QCloseEvent* e) override
    {
        QTest::qWait(30);
        TOknoTestowe::closeEvent(e);
    }
};

std::string Plik(const std::string& nazwa)
{
    std::ifstream we(nazwa, std::ios::binary);
    std::ostringstream o;
    o << we.rdbuf();
    return o.str();
}

// The window at 4:08 with the Olszarzyna train announced.
struct TStanowisko {
    TSrodowiskoTestowe s;
    std::unique_ptr<TSymulacjaStacji> sym;
    std::unique_ptr<TOknoBiegu> okno;
    TStanowisko()
    {
        s.Rozklad.Rozklad.Append(PociagTestowy(
            {"34101", "Olszarzyna", "Brzelany", "s221", "wOlsz", "wBrz", "4:30", "4:35", "os. 34101"}));
        s.Rozklad.ZapiszRozklad();
        sym = std::make_unique<TSymulacjaStacji>(s.Uslugi, s.Rozklad);
        okno = std::make_unique<TOknoBiegu>(*sym);
        okno->show();
        okno->Zegar()->stop();
        while (sym->CzasSymulacji < (4 * 60 + 8) / 1440.0)
            okno->Tyknij();
        auto* zakladki = okno->findChild<QTabWidget*>("pcDziennik");
        zakladki->setCurrentWidget(okno->ListaPociagow());
        QApplication::processEvents();
    }
    QPoint Wiersz() const
    {
        TListaPociagowWidok& lista = *okno->ListaPociagow();
        return lista.visualRect(lista.model()->index(0, 0)).center();
    }
    // The kept game, loaded on services of its own.
    TWczytanaGra Wczytana()
    {
        return TSymulacjaStacji::WczytajPlik(TOknoStacji::PlikAutozapisu().toStdString(), drugie, NazwaPlikuRozkladu());
    }
    TZegaryReczne zegary2;
    TZegarSciennyReczny sciany2{zegary2};
    TUslugi drugie{zegary2, s.Dzwieki, s.Komunikaty, s.Kursory, sciany2, s.Losowanie, s.Ustawienia};
};

}  // namespace

class ZapisOknaTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QSettings("WKT", "Drelinko").clear();
        ZaladujCzcionki();
    }

    void aTrainChosenInTheListBlinksButTheKeptGameStillLoads()
    {
        TStanowisko t;
        QTest::mouseClick(t.okno->ListaPociagow()->viewport(), Qt::LeftButton, {}, t.Wiersz());
        QVERIFY(!t.sym->Stacja().Wyroznienia().Puste());
        // Real time passes: the frame blinks out.
        t.s.Zegary.Uplyw(TListaPociagow::CzasWskazania);
        QVERIFY(t.sym->Stacja().Wyroznienia().Puste());
        t.okno->Tyknij();
        const std::string przed = ZrzutStanu(*t.sym);
        t.okno->close();
        QVERIFY(Plik(TOknoStacji::PlikAutozapisu().toStdString()).find(" fire ") == std::string::npos);
        TWczytanaGra gra = t.Wczytana();
        QVERIFY2(gra.Symulacja != nullptr, gra.Blad.c_str());
        QCOMPARE(ZrzutStanu(*gra.Symulacja), przed);
    }

    void aTrainsDialogOpenedFromTheListIsThePlayersDoubleClickInTheKeptGame()
    {
        TStanowisko t;
        // A double click comes after the click of its first press.
        QTest::mouseClick(t.okno->ListaPociagow()->viewport(), Qt::LeftButton, {}, t.Wiersz());
        QTest::mouseDClick(t.okno->ListaPociagow()->viewport(), Qt::LeftButton, {}, t.Wiersz());
        // The announcement field tells about its train.
        QCOMPARE(t.s.Komunikaty.Teksty.size(), std::size_t{1});
        t.okno->close();
        QVERIFY(Plik(TOknoStacji::PlikAutozapisu().toStdString()).find(" dblclick zOlszarzyny\n") !=
                std::string::npos);
        QVERIFY2(t.Wczytana().Symulacja != nullptr, t.Wczytana().Blad.c_str());
    }

    void aPenalisedJournalLineOpensItsMomentForLookingOnlyAndTheGameStaysAsItWas()
    {
        TSrodowiskoTestowe s;
        s.Rozklad.ZapiszRozklad();
        TSymulacjaStacji sym(s.Uslugi, s.Rozklad);
        TOknoTestowe okno(sym);
        std::vector<std::size_t> pokazane;
        okno.OnPokazWZapisie = [&pokazane](std::size_t linia) { pokazane.push_back(linia); };
        okno.show();
        okno.Zegar()->stop();
        while (sym.CzasSymulacji < (4 * 60 + 10) / 1440.0)
            okno.Tyknij();
        // A signal clicked on the diagram with no route: a fault that costs points.
        QCOMPARE(sym.Akt({"click", "sA"}), std::string());
        for (int i = 0; i < 24; ++i)
            okno.Tyknij();
        QApplication::processEvents();
        const std::size_t kara = sym.Dziennik().Linie().size() - 1;
        QVERIFY(sym.Dziennik().Linie()[kara].Punkty < 0);
        TDziennikWidok* d = okno.Dziennik();
        d->verticalScrollBar()->setValue(d->verticalScrollBar()->maximum());
        QApplication::processEvents();
        const QPoint dol(20, d->viewport()->height() - 4);
        QVERIFY(PozycjaMenuKontekstowego(d->viewport(), dol, "Pokazwzapisie1", true).Wlaczona);
        QCOMPARE(pokazane, std::vector<std::size_t>{kara});
        // A line without points offers nothing.
        QVERIFY(!PozycjaMenuKontekstowego(d->viewport(), QPoint(20, 4), "Pokazwzapisie1", false).Wlaczona);

        const std::string gra = ZrzutStanu(sym);
        TChwilaZapisu chwila = OdtworzPrzedLinia(sym, kara, s.Uslugi, NazwaPlikuRozkladu());
        QVERIFY2(chwila.Symulacja != nullptr, chwila.Blad.c_str());
        QCOMPARE(ZrzutStanu(sym), gra);
        TOknoTestowe podglad(*chwila.Symulacja);
        podglad.UstawPodglad(chwila.Rada, QStringLiteral("Minutę przed: "));
        podglad.show();
        podglad.Zegar()->stop();
        QVERIFY(!podglad.findChild<QAction*>("Przejmijgre1")->isVisible());
        QVERIFY(!podglad.findChild<QAction*>("Zapiszgre1")->isVisible());
        QVERIFY(podglad.PrzyciskStop()->isChecked());
        auto* linijka = podglad.findChild<QLabel*>("lbNazwa");
        QVERIFY(linijka->text().startsWith(QStringLiteral("Minutę przed: Podpowiedź: ")));
        // It stands until STOP lets it go, and at the end of its record it stands again, never the player's.
        const double od = chwila.Symulacja->CzasSymulacji;
        podglad.Tyknij();
        QCOMPARE(chwila.Symulacja->CzasSymulacji, od);
        podglad.PrzyciskStop()->click();
        for (int i = 0; i < 200 && !podglad.PrzyciskStop()->isChecked(); ++i)
            podglad.Tyknij();
        QVERIFY(podglad.PrzyciskStop()->isChecked());
        QVERIFY(chwila.Symulacja->Odtwarzana());
        QVERIFY(linijka->text().startsWith(QStringLiteral("Koniec zapisu")));
        QCOMPARE(chwila.Symulacja->Dziennik().Linie().size(), sym.Dziennik().Linie().size());
    }

    void closingKeepsTheGameAsItStoodWhenThePlayerClosedTheWindow()
    {
        TStanowisko t;
        t.okno->Zegar()->setInterval(1);
        t.okno->Zegar()->start();
        QTest::qWait(20);
        const std::string przed = ZrzutStanu(*t.sym);
        t.okno->close();
        TWczytanaGra gra = t.Wczytana();
        QVERIFY2(gra.Symulacja != nullptr, gra.Blad.c_str());
        QCOMPARE(ZrzutStanu(*gra.Symulacja), przed);
    }
};

QTEST_MAIN(ZapisOknaTest)
#include "zapis_okna_test.moc"
