// Saved games in the windows on the offscreen platform: the game kept when the station window
// closes, "Wznów ostatnią grę" in the start window, saving from the station window's menu.
#include "run/symulacja_stacji.h"
#include "station/upunkt.h"
#include "tests/support/pociag_testowy.h"
#include "tests/support/srodowisko_testowe.h"
#include "trains/czas.h"
#include "trains/rozklad.h"
#include "ui/canvas/qplotno.h"
#include "ui/okno_glowne.h"
#include "ui/station/diagram.h"
#include "ui/station/okno_stacji.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QScrollBar>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <functional>

namespace {

// Runs the action; the first station window that opens meanwhile is handed to `wTrakcie` and then
// closed. False when none opened.
bool Bieg(const std::function<void()>& start, const std::function<void(TOknoStacji&)>& wTrakcie)
{
    bool byla = false;
    QTimer straz;
    straz.setInterval(10);
    QObject::connect(&straz, &QTimer::timeout, [&] {
        auto* stacja = qobject_cast<TOknoStacji*>(QApplication::activeModalWidget());
        if (stacja == nullptr || !stacja->isVisible() || byla)
            return;
        byla = true;
        wTrakcie(*stacja);
        stacja->close();
    });
    straz.start();
    start();
    straz.stop();
    return byla;
}

// The start window with the game file chosen beforehand instead of in a dialog.
class TeMainZPlikiem : public TeMain {
public:
    TeMainZPlikiem(TUslugi& uslugi, TRozkladJazdy& rozklad, const std::string& gra)
        : TeMain(uslugi, rozklad), plik(QString::fromStdString(gra))
    {
    }
    QString plik;

protected:
    QString PlikGry() override { return plik; }
};

struct TStanowisko {
    TSrodowiskoTestowe s;
    TeMain eMain{s.Uslugi, s.Rozklad};
    TStanowisko()
    {
        s.Rozklad.Rozklad.Append(PociagTestowy(
            {"34101", "Olszarzyna", "Brzelany", "s221", "wOlsz", "wBrz", "14:30", "14:35", "os. 34101"}));
        s.Rozklad.ZapiszRozklad();
        eMain.show();
    }
    QAction* Akcja(const char* nazwa) { return eMain.findChild<QAction*>(nazwa); }
};

// A game started at 14:00, played by `graj` and saved to the folder's "zapis.gra"; the file's path,
// or empty when it was not saved.
std::string ZapisanaGra(TStanowisko& t, const std::function<void(TSymulacjaStacji&)>& graj)
{
    const std::string plik = t.s.Katalog.Sciezka("zapis.gra");
    TSymulacjaStacji sym(t.s.Uslugi, t.s.Rozklad);
    sym.Akt({"time", "14:00"});
    sym.Akt({"start"});
    graj(sym);
    std::string blad;
    return sym.ZapiszGre(plik, blad) ? plik : std::string();
}

void Tyknij(TSymulacjaStacji& sym, int ile)
{
    for (int i = 0; i < ile; ++i)
        sym.Tyknij();
}

// What a player sees of the station, to be found again after resuming.
struct TObraz {
    QString Czas, Score, Tor7, Przyciski;
    int Linie = 0;
    QString Ostatnia;
    double CzasRzeczywisty = 0;
    bool Stop = false;
    int Szybkosc = 0;

    static TObraz Z(TOknoStacji& okno)
    {
        TSymulacjaStacji& sym = okno.Symulacja();
        TObraz o;
        o.Czas = QString::fromStdString(CzasHHMMSS(sym.CzasSymulacji));
        o.Score = okno.EtykietaScore()->text();
        o.Tor7 = QString::number(static_cast<int>(sym.Stacja().Znajdz<TPunkt>("Tor7")->Stan()));
        o.Linie = static_cast<int>(sym.Dziennik().Linie().size());
        if (o.Linie > 0) {
            o.Ostatnia = QString::fromStdString(sym.Dziennik().Linie().back().Tekst);
            o.CzasRzeczywisty = sym.Dziennik().Linie().back().CzasRzeczywisty;
        }
        o.Stop = okno.PrzyciskStop()->isChecked();
        o.Szybkosc = okno.Szybkosc()->value();
        return o;
    }
};

}  // namespace

class ZapisGryTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QSettings("WKT", "Drelinko").clear();
        ZaladujCzcionki();
    }

    void closingAt1420KeepsTheGameAndResumingFindsTheStationExactlyAsItWas()
    {
        TStanowisko t;
        QVERIFY(!QFile::exists(TOknoStacji::PlikAutozapisu()));
        QVERIFY(!t.Akcja("Wznowostatniagre1")->isEnabled());
        QVERIFY(!t.eMain.findChild<QLabel*>("HTMLabel1")->text().contains(QStringLiteral("wznowić")));
        TObraz przed;
        QVERIFY(Bieg([&] { t.Akcja("Nowy1")->trigger(); },
                     [&](TOknoStacji& okno) {
                         TSymulacjaStacji& sym = okno.Symulacja();
                         sym.Akt({"time", "14:06"});
                         // The window's ticks run only while it is the active one; these stand for them.
                         for (int i = 0; i < 60; ++i) {
                             sym.OknoAktywne = true;
                             sym.Tyknij();
                         }
                         sym.Akt({"press", "ZatwierdzButton14"});
                         sym.Akt({"click", "zw1"});
                         okno.Szybkosc()->setValue(30);
                         okno.PrzyciskStop()->click();
                         przed = TObraz::Z(okno);
                     }));
        QCOMPARE(przed.Czas, QStringLiteral("14:11:00"));
        QVERIFY(przed.Linie >= 2);
        QVERIFY(przed.Stop);
        QVERIFY(QFile::exists(TOknoStacji::PlikAutozapisu()));
        QVERIFY(t.Akcja("Wznowostatniagre1")->isEnabled());
        // The welcome text offers it too; its link resumes the game.
        auto* powitanie = t.eMain.findChild<QLabel*>("HTMLabel1");
        QVERIFY(powitanie != nullptr);
        QVERIFY(powitanie->text().contains(QStringLiteral("wznowić ostatnią grę")));

        TObraz po;
        QVERIFY(Bieg([&] { emit powitanie->linkActivated(QStringLiteral("wznow")); },
                     [&](TOknoStacji& okno) { po = TObraz::Z(okno); }));
        QCOMPARE(po.Czas, przed.Czas);
        QCOMPARE(po.Score, przed.Score);
        QCOMPARE(po.Tor7, przed.Tor7);
        QCOMPARE(po.Linie, przed.Linie);
        QCOMPARE(po.Ostatnia, przed.Ostatnia);
        // The journal keeps the wall-clock time its lines were written at.
        QCOMPARE(po.CzasRzeczywisty, przed.CzasRzeczywisty);
        QCOMPARE(po.Stop, true);
        QCOMPARE(po.Szybkosc, 30);
    }

    void aDamagedKeptGameIsRefusedWithItsMessageAndNoRunStarts()
    {
        TStanowisko t;
        {
            QFile f(TOknoStacji::PlikAutozapisu());
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("DRELINKO-GAME 1\nprogram 0.1\nhour x\n");
        }
        const bool bieg = Bieg([&] { t.eMain.WznowGre(); }, [](TOknoStacji&) {});
        QVERIFY(!bieg);
        QVERIFY(t.eMain.Stacja() == nullptr);
        QCOMPARE(t.s.Komunikaty.Teksty.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(t.s.Komunikaty.Teksty[0]),
                 QStringLiteral("Nie można wczytać gry.\r\n%1, wiersz 3: zła godzina startu")
                     .arg(TOknoStacji::PlikAutozapisu()));
    }

    void aSavedGamePlaysBackInTheWindowAndThePlayerTakesOver()
    {
        TStanowisko t;
        const std::string plik = ZapisanaGra(t, [](TSymulacjaStacji& sym) {
            Tyknij(sym, 20);
            sym.Akt({"press", "ZatwierdzButton14"});
            Tyknij(sym, 20);
        });
        QVERIFY(!plik.empty());
        TeMainZPlikiem eMain(t.s.Uslugi, t.s.Rozklad, plik);
        eMain.show();
        QString tytul, czasPoDwudziestu, tytulPo;
        QString odmowa, poPrzejeciu;
        bool przejmijWidoczne = false;
        QVERIFY(Bieg([&] { eMain.findChild<QAction*>("Odtworzzapis1")->trigger(); },
                     [&](TOknoStacji& okno) {
                         TSymulacjaStacji& sym = okno.Symulacja();
                         tytul = okno.windowTitle();
                         przejmijWidoczne = okno.findChild<QAction*>("Przejmijgre1")->isVisible();
                         for (int i = 0; i < 21; ++i)
                             okno.Tyknij();
                         czasPoDwudziestu = QString::fromStdString(CzasHHMMSS(sym.CzasSymulacji));
                         odmowa = QString::fromStdString(sym.Akt({"click", "zw1"}));
                         okno.findChild<QAction*>("Przejmijgre1")->trigger();
                         tytulPo = okno.windowTitle();
                         poPrzejeciu = QString::fromStdString(sym.Akt({"click", "zw1"}));
                     }));
        QCOMPARE(tytul, QStringLiteral("Drelinko 99 - odtwarzanie zapisu"));
        QVERIFY(przejmijWidoczne);
        // The first tick of the window starts the game and plays its first tick.
        QCOMPARE(czasPoDwudziestu, QStringLiteral("14:01:45"));
        QCOMPARE(odmowa, QStringLiteral("the game is being played back"));
        QCOMPARE(tytulPo, QStringLiteral("Drelinko 99"));
        QCOMPARE(poPrzejeciu, QString());
    }

    void aGamePlayedBackRunsAtTheSlidersSpeedWhateverSpeedsTheRecordHoldsAndGoesOnAtItWhenTakenOver()
    {
        TStanowisko t;
        const std::string plik = ZapisanaGra(t, [](TSymulacjaStacji& sym) {
            sym.Akt({"speed", "10"});
            Tyknij(sym, 5);
            sym.Akt({"speed", "2"});
            Tyknij(sym, 5);
        });
        QVERIFY(!plik.empty());
        TeMainZPlikiem eMain(t.s.Uslugi, t.s.Rozklad, plik);
        eMain.show();
        int suwak = 0, interwal = 0, szybkoscGry = 0, suwakPo = 0;
        bool odtwarzana = false;
        QString linia;
        QVERIFY(Bieg([&] { eMain.findChild<QAction*>("Odtworzzapis1")->trigger(); },
                     [&](TOknoStacji& okno) {
                         auto* rxSl = okno.findChild<QScrollBar*>("rxSl");
                         rxSl->setValue(20);
                         // Past the record's change of speed, short of its end.
                         for (int i = 0; i < 8; ++i)
                             okno.Tyknij();
                         odtwarzana = okno.Symulacja().Odtwarzana();
                         suwak = rxSl->value();
                         interwal = okno.findChild<QTimer*>("Timer1")->interval() * 20 /
                                    okno.Symulacja().SekIncrement;
                         linia = okno.findChild<QLabel*>("lbNazwa")->text();
                         okno.findChild<QAction*>("Przejmijgre1")->trigger();
                         szybkoscGry = okno.Symulacja().Szybkosc();
                         suwakPo = rxSl->value();
                     }));
        QVERIFY(odtwarzana);
        QCOMPARE(suwak, 20);
        QCOMPARE(interwal, 1000);
        QCOMPARE(linia, QStringLiteral("Zapis będzie odtwarzany 20 razy szybciej od rzeczywistości."));
        QCOMPARE(szybkoscGry, 20);
        QCOMPARE(suwakPo, 20);
    }

    void aGameOnlyWatchedKeepsNeitherTheStartHourNorTheWindowsSettingsNorATimetableEdit()
    {
        TStanowisko t;
        const std::string plik = ZapisanaGra(t, [](TSymulacjaStacji& sym) {
            Tyknij(sym, 20);
        });
        QVERIFY(!plik.empty());
        t.s.Ustawienia.Zapisz(TLiniaStartowa::Klucz, TLiniaStartowa::GodzStartu, "6:40");
        const auto ustawieniaOkna = [] {
            QSettings s("WKT", "Drelinko");
            QMap<QString, QVariant> wartosci;
            for (const QString& k : s.allKeys())
                wartosci[k] = s.value(k);
            return wartosci;
        };
        const auto przed = ustawieniaOkna();
        QFile rozklad(QString::fromStdString(t.s.Rozklad.Plik()));
        QVERIFY(rozklad.open(QIODevice::ReadOnly));
        const QByteArray bajtyRozkladu = rozklad.readAll();
        rozklad.close();
        TeMainZPlikiem eMain(t.s.Uslugi, t.s.Rozklad, plik);
        eMain.show();
        bool zapisany = false;
        QVERIFY(Bieg([&] { eMain.findChild<QAction*>("Odtworzzapis1")->trigger(); },
                     [&](TOknoStacji& okno) {
                         for (int i = 0; i < 5; ++i)
                             okno.Tyknij();
                         okno.Diagram()->UstawPowiekszenie(2.0);
                         okno.findChild<QCheckBox*>("cbZegar")->click();
                         okno.resize(okno.size() + QSize(100, 50));
                         // What the timetable window does with a train added while the game is watched.
                         okno.Symulacja().Rozklad().Rozklad.Append(PociagTestowy(
                             {"99", "Wirowa", "Olszarzyna", "a", "wWirowa", "wOlsz", "15:00", "15:05", "x"}));
                         zapisany = okno.Symulacja().Rozklad().ZapiszRozklad();
                     }));
        QVERIFY(zapisany);
        QCOMPARE(t.s.Ustawienia.Czytaj(TLiniaStartowa::Klucz, TLiniaStartowa::GodzStartu, ""), std::string("6:40"));
        QCOMPARE(ustawieniaOkna(), przed);
        QVERIFY(!QFile::exists(TOknoStacji::PlikAutozapisu()));
        QVERIFY(rozklad.open(QIODevice::ReadOnly));
        QCOMPARE(rozklad.readAll(), bajtyRozkladu);
    }

    void theStationMenuSavesTheGameToANamedFileThatLoads()
    {
        TSrodowiskoTestowe s;
        TSymulacjaStacji sym(s.Uslugi, s.Rozklad);
        class TOkno : public TOknoStacji {
        public:
            using TOknoStacji::TOknoStacji;
            QString plik;

        protected:
            QString PlikDoZapisu() override { return plik; }
        } okno(sym);
        okno.plik = QString::fromStdString(s.Katalog.Sciezka("moja_gra"));
        okno.show();
        sym.Akt({"click", "zw1"});
        auto* zapisz = okno.findChild<QAction*>("Zapiszgre1");
        QVERIFY(zapisz != nullptr);
        QCOMPARE(zapisz->text(), QStringLiteral("Zapisz &grę..."));
        // Nobody takes a loaded game from this window: loading is not offered.
        QVERIFY(!okno.findChild<QAction*>("Wczytajgre1")->isVisible());
        zapisz->trigger();
        const std::string plik = s.Katalog.Sciezka("moja_gra.gra");
        TWczytanaGra gra = TSymulacjaStacji::WczytajPlik(plik, s.Uslugi, NazwaPlikuRozkladu());
        QVERIFY2(gra.Symulacja != nullptr, gra.Blad.c_str());
        QCOMPARE(gra.Symulacja->Dziennik().Score(), sym.Dziennik().Score());
        QCOMPARE(gra.Symulacja->Stacja().Znajdz<TPunkt>("zw1")->Stan(), sym.Stacja().Znajdz<TPunkt>("zw1")->Stan());
        okno.close();
    }
};

QTEST_MAIN(ZapisGryTest)
#include "zapis_gry_test.moc"
