// The start window on the offscreen platform: the start line, the commands, a run, the start-up
// guard.
#include "run/nowy_dzien.h"
#include "run/symulacja_stacji.h"
#include "simulation/linia_startowa.h"
#include "tests/support/pociag_testowy.h"
#include "tests/support/srodowisko_testowe.h"
#include "trains/czas.h"
#include "trains/rozklad.h"
#include "ui/canvas/qplotno.h"
#include "ui/okno_glowne.h"
#include "ui/services/o_programie.h"
#include "ui/services/okno_pomocy.h"
#include "ui/services/okno_postepu.h"
#include "ui/station/diagram.h"
#include "ui/station/okno_stacji.h"
#include "ui/timetable/okno_rozkladu.h"
#include "ui/znacznik_kopii.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QInputDialog>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTimer>
#include <QtTest>

#include <fstream>
#include <functional>

namespace {

double G(int h, int m) { return (h * 3600 + m * 60) / 86400.0; }

// Runs the action, handing every modal window that opens meanwhile to `obsluga`, which closes it;
// answers the class names of those windows in the order they came.
QStringList Modalne(const std::function<void()>& akcja, const std::function<void(QWidget*)>& obsluga)
{
    QStringList otwarte;
    QPointer<QWidget> ostatnie;
    QTimer straz;
    straz.setInterval(10);
    QObject::connect(&straz, &QTimer::timeout, [&] {
        QWidget* w = QApplication::activeModalWidget();
        if (w == nullptr || w == ostatnie || !w->isVisible())
            return;
        ostatnie = w;
        otwarte << QString::fromLatin1(w->metaObject()->className());
        obsluga(w);
    });
    straz.start();
    akcja();
    straz.stop();
    return otwarte;
}

void Zamknij(QWidget* w)
{
    if (auto* d = qobject_cast<QDialog*>(w))
        d->reject();
    else
        w->close();
}

// The start window with the lesson chosen beforehand instead of in the list's dialog.
class TeMainLekcji : public TeMain {
public:
    using TeMain::TeMain;
    QStringList tytuly;

protected:
    int WybierzLekcje(const QStringList& t) override
    {
        tytuly = t;
        return 0;
    }
};

struct TStanowisko {
    TSrodowiskoTestowe s;
    TeMain eMain{s.Uslugi, s.Rozklad};
    TStanowisko()
    {
        s.Rozklad.ZapiszRozklad();
        eMain.show();
    }
    std::string Zapisana() const
    {
        return s.Ustawienia.Czytaj(TLiniaStartowa::Klucz, TLiniaStartowa::GodzStartu, "(brak)");
    }
    // One run started by `start`; `wTrakcie` looks at the station window, which is then closed.
    QStringList Bieg(const std::function<void()>& start, const std::function<void(TOknoStacji&)>& wTrakcie)
    {
        return Modalne(start, [&](QWidget* w) {
            if (auto* stacja = qobject_cast<TOknoStacji*>(w))
                wTrakcie(*stacja);
            Zamknij(w);
        });
    }
};

QString Tekst(const QLabel* etykieta)
{
    QTextDocument d;
    d.setHtml(etykieta->text());
    return d.toPlainText();
}

// A marker that a copy left behind when it crashed: written in Qt's own format by a lock taken
// here, then given the number of a process that has ended.
void ZostawMartwyZnacznik(const QString& plik)
{
    QByteArray tresc;
    {
        QLockFile blokada(plik);
        QVERIFY(blokada.tryLock(0));
        QFile f(plik);
        QVERIFY(f.open(QIODevice::ReadOnly));
        tresc = f.readAll();
    }
    QProcess powloka;
    powloka.start("sh", {"-c", "echo $$"});
    QVERIFY(powloka.waitForFinished());
    const QByteArray martwy = powloka.readAllStandardOutput().trimmed();
    QVERIFY(!martwy.isEmpty());
    tresc = martwy + tresc.mid(tresc.indexOf('\n'));
    QFile f(plik);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(tresc);
}

}  // namespace

class OknoGlowneTest : public QObject {
    Q_OBJECT

private slots:
    void aNewcomerIsOfferedTheLessonsOnceAtTheFirstStart()
    {
        TSrodowiskoTestowe s;
        s.Rozklad.ZapiszRozklad();
        for (int i = 0; i < 2; ++i) {
            TeMain eMain{s.Uslugi, s.Rozklad};
            eMain.show();
            QApplication::processEvents();
        }
        // Answered "Nie" by the stand-in: nothing opens, and the second start asks nothing.
        QCOMPARE(s.Komunikaty.Pytania.size(), std::size_t{1});
        QVERIFY(s.Komunikaty.Pytania[0].find("samouczka") != std::string::npos);
        QCOMPARE(s.Ustawienia.Czytaj("Start", "samouczekZaproponowany", ""), std::string("true"));
    }

    void aLessonChosenInTheStartWindowPlaysStepByStepInTheStationWindowAndKeepsNothing()
    {
        TSrodowiskoTestowe s;
        s.Rozklad.ZapiszRozklad();
        TeMainLekcji eMain{s.Uslugi, s.Rozklad};
        eMain.show();
        QString tytul;
        QStringList kroki;
        bool dalejNaPoczatku = false, dalejPoTym = true, calyKrok = false;
        Modalne([&] { eMain.findChild<QAction*>("Samouczek1")->trigger(); },
                [&](QWidget* w) {
                    if (auto* stacja = qobject_cast<TOknoStacji*>(w)) {
                        tytul = stacja->windowTitle();
                        const auto* krok = stacja->findChild<QLabel*>("lbKrok");
                        auto* dalej = stacja->findChild<QPushButton*>("bDalej");
                        kroki << krok->text();
                        // However low the journal's share, the step is whole: its text scrolls.
                        QApplication::processEvents();
                        calyKrok = krok->height() >= krok->heightForWidth(krok->width());
                        dalejNaPoczatku = dalej->isEnabled();
                        dalej->click();
                        kroki << krok->text();
                        dalejPoTym = dalej->isEnabled();
                        // The step's act, done as the player does it, completes the step.
                        stacja->Symulacja().Akt({"click", "zw1"});
                        kroki << krok->text();
                    }
                    Zamknij(w);
                });
        QVERIFY(eMain.tytuly.size() >= 3);
        QCOMPARE(eMain.tytuly.first(), QStringLiteral("1. Schemat stacji i zwrotnica"));
        QCOMPARE(tytul, QStringLiteral("Drelinko 99 - lekcja"));
        QCOMPARE(kroki.size(), 3);
        QVERIFY2(kroki[0].startsWith(QStringLiteral("Krok 1 z 4. ")), qPrintable(kroki[0]));
        QVERIFY2(kroki[1].startsWith(QStringLiteral("Krok 2 z 4. ")), qPrintable(kroki[1]));
        QVERIFY2(kroki[2].startsWith(QStringLiteral("Krok 3 z 4. ")), qPrintable(kroki[2]));
        QVERIFY(dalejNaPoczatku);
        QVERIFY(!dalejPoTym);  // a step done on the station, not by "Dalej"
        QVERIFY(calyKrok);
        // A lesson keeps no game and leaves the start hour alone.
        QVERIFY(!QFile::exists(TOknoStacji::PlikAutozapisu()));
        QCOMPARE(s.Ustawienia.Czytaj(TLiniaStartowa::Klucz, TLiniaStartowa::GodzStartu, "(brak)"), std::string("(brak)"));
    }

    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QSettings("WKT", "Drelinko").clear();
        ZaladujCzcionki();
    }

    void theWindowHasItsExactCaptionAFixedClientAreaAndNoMaximiseButton()
    {
        TStanowisko t;
        QCOMPARE(t.eMain.windowTitle(), QStringLiteral("Lorvia 99 - Drelinko"));
        QCOMPARE(t.eMain.centralWidget()->size(), QSize(586, 321));
        QCOMPARE(t.eMain.minimumSize(), t.eMain.maximumSize());
        QCOMPARE(t.eMain.size().height(), 321 + t.eMain.menuBar()->height());
        QVERIFY(t.eMain.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!t.eMain.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        QCOMPARE(t.eMain.centralWidget()->palette().color(QPalette::Window), QColor(0xEF, 0xE4, 0xD1));
        QCOMPARE(t.eMain.font().pointSize(), 8);
        QCOMPARE(QFontInfo(t.eMain.Powitanie()->font()).family(), QFontInfo(NaQFont(TCzcionka{})).family());
    }

    void thePanelHoldsThePictureWithAHintTheTextTheStartLineAndTheFooterNothingClipped()
    {
        TStanowisko t;
        QCOMPARE(t.eMain.Obraz()->size(), QSize(190, 266));
        QVERIFY(!t.eMain.Obraz()->toolTip().isEmpty());
        QCOMPARE(t.eMain.LiniaStartowa()->height(), TeMain::WysokoscLiniiStartowej);
        auto* stopka = t.eMain.findChild<QLabel*>("lbStopka");
        QVERIFY(stopka != nullptr);
        QCOMPARE(stopka->height(), 43);
        QVERIFY(!stopka->text().isEmpty());
        for (QLabel* l : {t.eMain.Powitanie(), t.eMain.LiniaStartowa(), stopka}) {
            const int potrzebne = l->hasHeightForWidth() ? l->heightForWidth(l->width()) : l->sizeHint().height();
            QVERIFY2(potrzebne <= l->height(), qPrintable(l->objectName()));
            QVERIFY2(l->sizeHint().width() <= l->width() || l->wordWrap(), qPrintable(l->objectName()));
        }
        // Side by side inside the window, not over each other.
        const QRect obraz(t.eMain.Obraz()->mapTo(&t.eMain, QPoint()), t.eMain.Obraz()->size());
        const QRect tekst(t.eMain.Powitanie()->mapTo(&t.eMain, QPoint()), t.eMain.Powitanie()->size());
        QVERIFY(!obraz.intersects(tekst));
        QVERIFY(t.eMain.rect().contains(obraz));
    }

    // A kept game adds a line to the welcome ("Możesz też wznowić ostatnią grę"): the fixed window
    // still shows it whole, above the start line.
    void theWelcomeWithAKeptGameStillFitsAboveTheStartLine()
    {
        TStanowisko t;
        const QString plik = TOknoStacji::PlikAutozapisu();
        QVERIFY(QDir().mkpath(QFileInfo(plik).path()));
        {
            QFile kept(plik);
            QVERIFY(kept.open(QIODevice::WriteOnly));
        }
        // Looked for again whenever the menu opens.
        emit t.eMain.menuBar()->actions().at(0)->menu()->aboutToShow();
        QApplication::processEvents();
        QLabel* l = t.eMain.Powitanie();
        QVERIFY(Tekst(l).contains(QStringLiteral("wznowić ostatnią grę")));
        QVERIFY2(l->heightForWidth(l->width()) <= l->height(),
                 qPrintable(QStringLiteral("%1 > %2").arg(l->heightForWidth(l->width())).arg(l->height())));
        QVERIFY(QFile::remove(plik));
    }

    void theMenuHasItsItemsCaptionsAndShortcuts()
    {
        TStanowisko t;
        QStringList menu;
        for (QAction* a : t.eMain.menuBar()->actions())
            menu << a->text();
        QCOMPARE(menu, (QStringList{"&Symulacja", "&Internet", "Pomo&c"}));
        const struct {
            const char* nazwa;
            const char* tekst;
            QKeySequence skrot;
        } pozycje[] = {
            {"Nowy1", "&Zacznij", QKeySequence(Qt::CTRL | Qt::Key_N)},
            {"Zacznijodwskazanejgodziny1", "Zacznij od wskazanej &godziny", QKeySequence(Qt::CTRL | Qt::Key_M)},
            {"Zamknij1", "&Zamknij", QKeySequence()},
            {"Nowydzien1", "&Nowy dzień...", QKeySequence()},
            {"Aktualizacja1", "&Aktualizacja...", QKeySequence()},
            {"Instrukcjaobsugi1", "&Instrukcja obsługi", QKeySequence()},
            {"Oprogramie1", "&O programie...", QKeySequence(Qt::CTRL | Qt::Key_F1)},
        };
        for (const auto& p : pozycje) {
            auto* a = t.eMain.findChild<QAction*>(p.nazwa);
            QVERIFY2(a != nullptr, p.nazwa);
            QCOMPARE(a->text(), QString::fromUtf8(p.tekst));
            QCOMPARE(a->shortcut(), p.skrot);
        }
    }

    void theStartLineReadsThreeSentencesWithFiveNavyBoldUnderlinedLinks()
    {
        TStanowisko t;
        QCOMPARE(Tekst(t.eMain.LiniaStartowa()),
                 QStringLiteral("Kliknij tutaj, aby zacząć od początku.\nAby zacząć od godziny 4:10, kliknij tutaj.\n"
                                "Utrudnienia: 0 (brak), ziarno dnia: losowe."));
        const QString html = t.eMain.LiniaStartowa()->text();
        QCOMPARE(html.count("<a "), 5);
        QVERIFY(html.indexOf("href=\"44\"") < html.indexOf("href=\"GodzStartu\""));
        QVERIFY(html.indexOf("href=\"GodzStartu\"") < html.indexOf("href=\"414\""));
        QVERIFY(html.indexOf("href=\"414\"") < html.indexOf("href=\"Utrudnienia\""));
        QVERIFY(html.indexOf("href=\"Utrudnienia\"") < html.indexOf("href=\"Ziarno\""));
        QCOMPARE(html.count("color:#000080; font-weight:bold; text-decoration:underline"), 5);
    }

    void theLevelIsChosenFromItsNamedListAndTheSeedTypedOrLeftEmptyForADrawnOne()
    {
        TStanowisko t;
        QStringList poziomy;
        Modalne([&] { emit t.eMain.LiniaStartowa()->linkActivated("Utrudnienia"); },
                [&](QWidget* w) {
                    auto* d = qobject_cast<QInputDialog*>(w);
                    QVERIFY(d != nullptr);
                    poziomy = d->comboBoxItems();
                    d->setTextValue(poziomy.value(2));
                    d->accept();
                });
        QCOMPARE(poziomy.size(), 4);
        QVERIFY(poziomy.value(0).startsWith("0 – bez utrudnień"));
        QCOMPARE(t.eMain.Linia().PoziomUtrudnien(), 2);
        QVERIFY(Tekst(t.eMain.LiniaStartowa()).contains("Utrudnienia: 2 (z usterkami)"));

        const auto wpisz = [&](const QString& tekst) {
            Modalne([&] { emit t.eMain.LiniaStartowa()->linkActivated("Ziarno"); },
                    [&](QWidget* w) {
                        auto* d = qobject_cast<QInputDialog*>(w);
                        QVERIFY(d != nullptr);
                        d->setTextValue(tekst);
                        d->accept();
                    });
        };
        wpisz("12345");
        QCOMPARE(t.eMain.Linia().WybraneZiarno(), std::optional<std::uint64_t>(12345));
        QVERIFY(Tekst(t.eMain.LiniaStartowa()).contains("ziarno dnia: 12345."));
        wpisz("dwanaście");
        QCOMPARE(t.s.Komunikaty.Teksty.back(), std::string(TLiniaStartowa::ZleZiarno));
        QCOMPARE(t.eMain.Linia().WybraneZiarno(), std::optional<std::uint64_t>(12345));
        wpisz("");
        QCOMPARE(t.eMain.Linia().WybraneZiarno(), std::nullopt);
        QVERIFY(Tekst(t.eMain.LiniaStartowa()).contains("ziarno dnia: losowe."));
    }

    void aShiftStartedFromTheCommandLinePlaysTheStartLinesLevelAndSeed()
    {
        TStanowisko t;
        t.s.Rozklad.Rozklad.Append(PociagTestowy(
            {"34101", "Olszarzyna", "Brzelany", "s122", "wOlsz", "wBrz", "4:08", "4:12", "osobowy"}));
        QVERIFY(t.s.Rozklad.ZapiszRozklad());
        t.eMain.WpiszParametr(TLiniaStartowa::Utrudnienia, "2");
        t.eMain.WpiszParametr(TLiniaStartowa::Ziarno, "4242");
        int poziom = -1;
        std::uint64_t ziarno = 0;
        t.Bieg([&] { t.eMain.ZacznijOd(G(7, 5), 0); },
               [&](TOknoStacji& s) {
                   poziom = s.Symulacja().Utrudnienia().Poziom;
                   ziarno = s.Symulacja().Utrudnienia().Ziarno;
               });
        QCOMPARE(poziom, 2);
        QCOMPARE(ziarno, std::uint64_t{4242});
    }

    void clickingTheHourAsksForOneAndStoresItAsHMm()
    {
        TStanowisko t;
        QString pytanie, poprzednia;
        const QStringList okna = Modalne([&] { emit t.eMain.LiniaStartowa()->linkActivated("GodzStartu"); },
                                         [&](QWidget* w) {
                                             auto* d = qobject_cast<QInputDialog*>(w);
                                             QVERIFY(d != nullptr);
                                             pytanie = d->labelText();
                                             poprzednia = d->textValue();
                                             d->setTextValue("07:05:30");
                                             d->accept();
                                         });
        QCOMPARE(okna, QStringList{"QInputDialog"});
        QCOMPARE(pytanie, QStringLiteral("Podaj godzinę rozpoczęcia"));
        QCOMPARE(poprzednia, QStringLiteral("4:10"));
        QCOMPARE(t.Zapisana(), std::string("7:05"));
        QVERIFY(Tekst(t.eMain.LiniaStartowa()).contains("Aby zacząć od godziny 7:05, kliknij tutaj."));
        QVERIFY(t.s.Komunikaty.Teksty.empty());
    }

    void entering2500ShowsTheMessageAndKeepsTheLastValue()
    {
        TStanowisko t;
        t.eMain.WpiszGodzineStartu("6:40");
        Modalne([&] { emit t.eMain.LiniaStartowa()->linkActivated("GodzStartu"); },
                [&](QWidget* w) {
                    auto* d = qobject_cast<QInputDialog*>(w);
                    QVERIFY(d != nullptr);
                    d->setTextValue("25:00");
                    d->accept();
                });
        QCOMPARE(t.s.Komunikaty.Teksty, std::vector<std::string>{"Musisz podać poprawną godzinę!"});
        QCOMPARE(t.Zapisana(), std::string("6:40"));
        QVERIFY(Tekst(t.eMain.LiniaStartowa()).contains("godziny 6:40,"));
    }

    void cancellingThePromptChangesNothing()
    {
        TStanowisko t;
        Modalne([&] { emit t.eMain.LiniaStartowa()->linkActivated("GodzStartu"); },
                [&](QWidget* w) {
                    auto* d = qobject_cast<QInputDialog*>(w);
                    QVERIFY(d != nullptr);
                    d->setTextValue("9:00");
                    d->reject();
                });
        QCOMPARE(t.Zapisana(), std::string("(brak)"));
        QVERIFY(t.s.Komunikaty.Teksty.empty());
    }

    void aRunMinimisesTheStartWindowShowsTheStationModallyAndRestoresTheStartWindow()
    {
        TStanowisko t;
        t.eMain.WpiszGodzineStartu("14:20");
        QStringList postep;
        auto polaczenie = connect(&OknoPostepu(), &TOknoPostepu::pokazano, this,
                                  [&](const QString& tekst) { postep << tekst; });
        bool zminimalizowane = false, modalne = false, widoczne = false, postepUkryty = false;
        TOknoStacji* wBiegu = nullptr;
        QString czas;
        QPointer<TOknoStacji> stacja;
        const QStringList okna = t.Bieg([&] { t.eMain.findChild<QAction*>("Nowy1")->trigger(); },
                                        [&](TOknoStacji& s) {
                                            zminimalizowane = t.eMain.isMinimized();
                                            modalne = s.windowModality() == Qt::ApplicationModal;
                                            widoczne = s.isVisible();
                                            postepUkryty = !OknoPostepu().isVisible();
                                            wBiegu = t.eMain.Stacja();
                                            czas = QString::fromStdString(CzasHHMM(s.Symulacja().CzasSymulacji));
                                            stacja = &s;
                                        });
        disconnect(polaczenie);
        QCOMPARE(okna.size(), 1);
        QVERIFY(zminimalizowane);
        QVERIFY(modalne);
        QVERIFY(widoczne);
        QVERIFY(postepUkryty);
        QVERIFY(wBiegu != nullptr);
        // "&Zacznij" starts at 04:00 whatever hour is stored.
        QCOMPARE(czas, QStringLiteral("04:00"));
        QCOMPARE(postep, (QStringList{"Tworzę układ stacji", "Odczytuję rozkład jazdy.", "Kończę pracę stacji.",
                                      "Zamykam stację na cztery spusty"}));
        QVERIFY(stacja.isNull());
        QVERIFY(t.eMain.Stacja() == nullptr);
        QVERIFY(!t.eMain.isMinimized());
        QVERIFY(t.eMain.isVisible());
        QVERIFY(!OknoPostepu().isVisible());
        // Closing at 04:00 stored 4:00 as the next start hour, and the line shows it.
        QCOMPARE(t.Zapisana(), std::string("4:00"));
        QVERIFY(Tekst(t.eMain.LiniaStartowa()).contains("godziny 4:00,"));
    }

    void theDemoLinkPlaysACopyOfTheShippedDayWithTheAutomaticDispatcherAtTheHighestSpeed()
    {
        TStanowisko t;
        QVERIFY(t.eMain.Powitanie()->text().contains("href='99'"));
        QVERIFY(Tekst(t.eMain.Powitanie()).contains("Pokaz"));
        t.s.Rozklad.Rozklad.Append(PociagTestowy(
            {"34101", "Olszarzyna", "Brzelany", "s122", "wOlsz", "wBrz", "4:08", "4:12", "osobowy"}));
        QVERIFY(t.s.Rozklad.ZapiszRozklad());
        bool wszystkie = false, kopia = false;
        int szybkosc = 0;
        std::size_t pociagi = 0;
        t.Bieg([&] { t.eMain.HTMLabel1AnchorClick("99"); },
               [&](TOknoStacji& s) {
                   wszystkie = s.Symulacja().Dyspozytor().WlaczonyDlaWszystkich();
                   szybkosc = s.Szybkosc()->value();
                   kopia = &s.Symulacja().Rozklad() != &t.s.Rozklad;
                   pociagi = s.Symulacja().Silnik().PociagiDnia().size();
               });
        QVERIFY(wszystkie);
        QCOMPARE(szybkosc, 100);
        QVERIFY(kopia);
        QCOMPARE(pociagi, std::size_t{1});
    }

    void theDemoKeepsNothingOfThePlayersNeitherTheKeptGameNorTheStartHourNorTheWindowsSettings()
    {
        TStanowisko t;
        t.s.Rozklad.Rozklad.Append(PociagTestowy(
            {"34101", "Olszarzyna", "Brzelany", "s122", "wOlsz", "wBrz", "4:08", "4:12", "osobowy"}));
        QVERIFY(t.s.Rozklad.ZapiszRozklad());
        // The player's own shift, closed at 7:30: its game is kept and 7:30 is the next start hour.
        t.Bieg([&] { t.eMain.Nowy1Click(false); }, [&](TOknoStacji& s) { s.Symulacja().Akt({"time", "7:30"}); });
        QCOMPARE(t.Zapisana(), std::string("7:30"));
        QFile kept(TOknoStacji::PlikAutozapisu());
        QVERIFY(kept.open(QIODevice::ReadOnly));
        const QByteArray gra = kept.readAll();
        kept.close();
        const auto ustawieniaOkna = [] {
            QSettings s("WKT", "Drelinko");
            QMap<QString, QVariant> wartosci;
            for (const QString& k : s.allKeys())
                wartosci[k] = s.value(k);
            return wartosci;
        };
        const auto przed = ustawieniaOkna();
        const QByteArray rozklad = [&] {
            QFile f(QString::fromStdString(t.s.Rozklad.Plik()));
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        }();

        bool zmieniono = false;
        t.Bieg([&] { t.eMain.HTMLabel1AnchorClick("99"); },
               [&](TOknoStacji& s) {
                   s.Symulacja().CzasSymulacji = G(12, 15);
                   // Whatever the viewer changes meanwhile: zoom, page, options, size, the timetable.
                   s.Diagram()->UstawPowiekszenie(2.0);
                   s.findChild<QTabWidget*>("pcInfo1")->setCurrentIndex(3);
                   s.findChild<QCheckBox*>("cbDzwieki")->click();
                   s.findChild<QCheckBox*>("cbEtykiety")->click();
                   s.resize(s.size() + QSize(120, 80));
                   s.Symulacja().Rozklad().Rozklad.Append(PociagTestowy(
                       {"99", "Wirowa", "Olszarzyna", "a", "wWirowa", "wOlsz", "9:00", "9:05", "pokaz"}));
                   zmieniono = s.Symulacja().Rozklad().ZapiszRozklad();
               });
        QVERIFY(zmieniono);
        QCOMPARE(t.Zapisana(), std::string("7:30"));
        QVERIFY(Tekst(t.eMain.LiniaStartowa()).contains("godziny 7:30,"));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), gra);
        kept.close();
        QCOMPARE(ustawieniaOkna(), przed);
        QFile plikRozkladu(QString::fromStdString(t.s.Rozklad.Plik()));
        QVERIFY(plikRozkladu.open(QIODevice::ReadOnly));
        QCOMPARE(plikRozkladu.readAll(), rozklad);
        // "Wznów ostatnią grę" resumes the player's game, not the demo.
        QString czas;
        bool automat = true;
        t.Bieg([&] { t.eMain.findChild<QAction*>("Wznowostatniagre1")->trigger(); },
               [&](TOknoStacji& s) {
                   czas = QString::fromStdString(CzasHHMM(s.Symulacja().CzasSymulacji));
                   automat = s.Symulacja().Dyspozytor().WlaczonyDlaWszystkich();
               });
        QCOMPARE(czas, QStringLiteral("07:30"));
        QVERIFY(!automat);
        QVERIFY(t.s.Komunikaty.Teksty.empty());
    }

    void aDemoWhoseCopyOfTheShippedDayCannotBeMadeIsNotShownRatherThanPlayedOnThePlayersTimetable()
    {
        TStanowisko t;
        // Nothing to copy: the shipped day is gone (the player's timetable in memory stays).
        QVERIFY(QFile::remove(QString::fromStdString(t.s.Rozklad.Plik())));
        const QStringList okna = Modalne([&] { t.eMain.Polecenie(99); }, Zamknij);
        QVERIFY(okna.isEmpty());
        QVERIFY(t.eMain.Stacja() == nullptr);
        QCOMPARE(t.s.Komunikaty.Teksty.size(), std::size_t{1});
        QVERIFY2(QString::fromStdString(t.s.Komunikaty.Teksty[0]).startsWith("Nie mogę pokazać gry."),
                 t.s.Komunikaty.Teksty[0].c_str());
        QVERIFY(!QFile::exists(QString::fromStdString(t.s.Rozklad.Plik())));
        QVERIFY(!QFile::exists(TOknoStacji::PlikAutozapisu()));
    }

    void aKeptGameThatCannotBeSavedIsToldAboveEverythingWithItsCauseTheSplashHiddenFirst()
    {
        TStanowisko t;
        // A folder where the kept game goes: the save cannot replace it.
        QVERIFY(QDir().mkpath(TOknoStacji::PlikAutozapisu() + "/zajete"));
        QString tekst;
        bool splashWidoczny = true, naWierzchu = false;
        const auto obsluga = [&](QWidget* w) {
            if (auto* m = qobject_cast<QMessageBox*>(w)) {
                tekst = m->text();
                splashWidoczny = OknoPostepu().isVisible();
                naWierzchu = m->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
                Zamknij(w);
            } else {
                // Closed from the event loop, so that the box it opens is seen too.
                QMetaObject::invokeMethod(w, &QWidget::close, Qt::QueuedConnection);
            }
        };
        const QStringList ostrzezenia = Modalne([&] { t.eMain.Nowy1Click(false); }, obsluga);
        QCOMPARE(ostrzezenia, (QStringList{"TOknoStacji", "QMessageBox"}));
        QVERIFY2(tekst.startsWith("Nie udało się zachować gry do wznowienia.\n"), qPrintable(tekst));
        // The cause, naming the file, follows.
        QVERIFY2(tekst.contains(TOknoStacji::PlikAutozapisu()), qPrintable(tekst));
        QVERIFY(!splashWidoczny);
        QVERIFY(naWierzchu);
        QVERIFY(!OknoPostepu().isVisible());
        QVERIFY(t.eMain.Stacja() == nullptr);
    }

    void aRunEndedAt1420MakesTheNextRunAtTheChosenHourStartAt1420()
    {
        TStanowisko t;
        QStringList czasy;
        const auto zapamietaj = [&](TOknoStacji& s, double koniec) {
            czasy << QString::fromStdString(CzasHHMM(s.Symulacja().CzasSymulacji));
            s.Symulacja().CzasSymulacji = koniec;
        };
        t.Bieg([&] { t.eMain.findChild<QAction*>("Nowy1")->trigger(); },
               [&](TOknoStacji& s) { zapamietaj(s, G(14, 20) + 30.0 / 86400); });
        QCOMPARE(t.Zapisana(), std::string("14:20"));
        t.Bieg([&] { t.eMain.findChild<QAction*>("Zacznijodwskazanejgodziny1")->trigger(); },
               [&](TOknoStacji& s) { zapamietaj(s, G(22, 10)); });
        // Closed at 22:10: too late to start from, the stored hour stays.
        t.Bieg([&] { emit t.eMain.LiniaStartowa()->linkActivated("414"); },
               [&](TOknoStacji& s) { zapamietaj(s, G(21, 35)); });
        t.Bieg([&] { emit t.eMain.LiniaStartowa()->linkActivated("44"); },
               [&](TOknoStacji& s) { zapamietaj(s, G(9, 0)); });
        QCOMPARE(czasy, (QStringList{"04:00", "14:20", "14:20", "04:00"}));
        QCOMPARE(t.Zapisana(), std::string("9:00"));
    }

    void anUnreadableStoredHourStartsTheRunAt410AndStaysInTheStore()
    {
        TStanowisko t;
        t.s.Ustawienia.Zapisz(TLiniaStartowa::Klucz, TLiniaStartowa::GodzStartu, "popołudnie");
        QString czas;
        // A new start window reads the store afresh.
        TeMain drugie(t.s.Uslugi, t.s.Rozklad);
        QVERIFY(Tekst(drugie.LiniaStartowa()).contains("godziny 4:10,"));
        QCOMPARE(t.Zapisana(), std::string("popołudnie"));
        Modalne([&] { drugie.Polecenie(414); },
                [&](QWidget* w) {
                    if (auto* s = qobject_cast<TOknoStacji*>(w))
                        czas = QString::fromStdString(CzasHHMM(s->Symulacja().CzasSymulacji));
                    Zamknij(w);
                });
        QCOMPARE(czas, QStringLiteral("04:10"));
    }

    void command31AndHelpRequest777With31OpenTheTimetableModallyAndDestroyIt()
    {
        TStanowisko t;
        for (const auto& polecenie : std::vector<std::function<void()>>{
                 [&] { t.eMain.Polecenie(31); }, [&] { t.eMain.ZadaniePomocy(777, 31); },
                 [&] { emit t.eMain.Powitanie()->linkActivated("31"); }}) {
            const QStringList okna = Modalne(polecenie, Zamknij);
            QCOMPARE(okna, QStringList{"TeRozklad"});
            QVERIFY(t.eMain.findChildren<TeRozklad*>().isEmpty());
            QVERIFY(!t.eMain.isMinimized());
        }
    }

    void command43AndTheManualItemOpenTheHelpWindowOnTheManual()
    {
        for (const auto& polecenie : std::vector<std::function<void(TeMain&)>>{
                 [](TeMain& m) { m.Polecenie(43); }, [](TeMain& m) { emit m.Powitanie()->linkActivated("43"); },
                 [](TeMain& m) { m.findChild<QAction*>("Instrukcjaobsugi1")->trigger(); }}) {
            TStanowisko t;
            QVERIFY(OknoPomocy() == nullptr);
            polecenie(t.eMain);
            QVERIFY(OknoPomocy() != nullptr);
            QCOMPARE(OknoPomocy()->Strona(), QStringLiteral("drelinko.htm"));
            QVERIFY(OknoPomocy()->isVisible());
        }
    }

    void theStationsHelpItemsOpenTheHelpWindowWhichTheModalRunDoesNotBlock()
    {
        TStanowisko t;
        t.eMain.Polecenie(43);  // opened before the run, by the start window
        QStringList strony;
        bool nalezyDoStacji = false;
        t.Bieg([&] { t.eMain.Nowy1Click(false); },
               [&](TOknoStacji& s) {
                   for (const char* pozycja : {"Instrukcjamanewrw1", "Instrukcjaobsugi1"}) {
                       auto* a = s.findChild<QAction*>(pozycja);
                       QVERIFY2(a != nullptr, pozycja);
                       a->trigger();
                       QVERIFY(OknoPomocy() != nullptr);
                       strony << OknoPomocy()->Strona();
                   }
                   // Only the modal window's own windows take input during the run.
                   nalezyDoStacji = OknoPomocy()->parentWidget() == &s && OknoPomocy()->isVisible();
               });
        QCOMPARE(strony, (QStringList{"manewry.htm", "drelinko.htm"}));
        QVERIFY(nalezyDoStacji);
    }

    void anyOtherNumberAndAHelpRequestWithAnotherCodeDoNothing()
    {
        TStanowisko t;
        const QStringList okna = Modalne(
            [&] {
                t.eMain.Polecenie(42);
                t.eMain.Polecenie(0);
                t.eMain.ZadaniePomocy(777, 42);
                t.eMain.ZadaniePomocy(1, 31);
                t.eMain.ZadaniePomocy(1, 44);
                emit t.eMain.Powitanie()->linkActivated("drelinko.htm");
                emit t.eMain.Powitanie()->linkActivated("31x");
                emit t.eMain.LiniaStartowa()->linkActivated("nic");
            },
            Zamknij);
        QVERIFY(okna.isEmpty());
        QVERIFY(OknoPomocy() == nullptr);
        QVERIFY(!t.eMain.isMinimized());
        QVERIFY(t.s.Komunikaty.Teksty.empty());
    }

    void zamknijClosesTheRunningStationOrElseTheStartWindow()
    {
        TStanowisko t;
        bool mainWidoczneWBiegu = false;
        Modalne([&] { t.eMain.Nowy1Click(false); },
                [&](QWidget*) {
                    t.eMain.findChild<QAction*>("Zamknij1")->trigger();
                    mainWidoczneWBiegu = t.eMain.isVisible();
                });
        QVERIFY(t.eMain.Stacja() == nullptr);
        QVERIFY(mainWidoczneWBiegu);
        QVERIFY(t.eMain.isVisible());
        t.eMain.findChild<QAction*>("Zamknij1")->trigger();
        QVERIFY(!t.eMain.isVisible());
    }

    void theAboutBoxTellsTheBuildsVersionTheLicenceAndTheFontsLicences()
    {
        TStanowisko t;
        QString tekst;
        const QStringList okna = Modalne([&] { t.eMain.findChild<QAction*>("Oprogramie1")->trigger(); },
                                         [&](QWidget* w) {
                                             if (auto* m = qobject_cast<QMessageBox*>(w))
                                                 tekst = m->text();
                                             Zamknij(w);
                                         });
        QCOMPARE(okna, QStringList{"QMessageBox"});
        QCOMPARE(WersjaProgramu(), QStringLiteral(DRELINKO_WERSJA_PROJEKTU));
        QTextDocument d;
        d.setHtml(tekst);
        const QString zwykly = d.toPlainText();
        QVERIFY2(zwykly.contains("Lorvia 99 - Drelinko"), qPrintable(zwykly));
        QVERIFY2(zwykly.contains("wersja " DRELINKO_WERSJA_PROJEKTU), qPrintable(zwykly));
        QVERIFY(zwykly.contains("Wszelkie prawa zastrzeżone"));
        QVERIFY(zwykly.contains("DejaVu Sans Condensed") && zwykly.contains("fonts-dejavu-extra"));
        QVERIFY(zwykly.contains("DejaVu Sans (pakiet fonts-dejavu-core)") && zwykly.contains("Bitstream Vera"));
    }

    void anUpdateFromASoundCsvReplacesTheTimetableTheNextRunUses()
    {
        class TeMainZPlikiem : public TeMain {
        public:
            using TeMain::TeMain;
            QString plik;

        protected:
            QString PlikAktualizacji() override { return plik; }
        };
        TSrodowiskoTestowe s;
        s.Rozklad.ZapiszRozklad();
        TeMainZPlikiem eMain(s.Uslugi, s.Rozklad);
        const std::string naglowek = "numer,relacja_od,relacja_do,sklad,wjezdza,wyjezdza,przyjazd,odjazd,opis,bez_peronu\n";
        std::ofstream(s.Katalog.Sciezka("zly.csv")) << naglowek << "1,A,B,s12,wNigdzie,wBrz,5:00,5:05,x,0\n";
        std::ofstream(s.Katalog.Sciezka("nowy.csv")) << naglowek << "1,A,B,s12,wOlsz,wBrz,5:00,5:05,x,0\n"
                                                      << "2,A,B,s12,wBrz,wOlsz,6:00,6:05,x,0\n";
        eMain.plik = QString::fromStdString(s.Katalog.Sciezka("zly.csv"));
        eMain.Aktualizacja1Click();
        QCOMPARE(s.Rozklad.Ile(), 0);
        QCOMPARE(s.Komunikaty.Teksty.size(), std::size_t{1});
        eMain.plik = QString::fromStdString(s.Katalog.Sciezka("nowy.csv"));
        eMain.Aktualizacja1Click();
        QCOMPARE(s.Rozklad.Ile(), 2);
        QCOMPARE(s.Komunikaty.Teksty.size(), std::size_t{2});
        QVERIFY(QString::fromStdString(s.Komunikaty.Teksty.back()).startsWith("Rozkład jazdy zaktualizowany: 2 pociągi."));
        eMain.plik.clear();
        eMain.Aktualizacja1Click();
        QCOMPARE(s.Komunikaty.Teksty.size(), std::size_t{2});
    }

    void aNewDayIsKeptAsTheTimetableOrPlayedOnceLeavingTheTimetableAsItWas()
    {
        class TeMainDnia : public TeMain {
        public:
            using TeMain::TeMain;
            using TeMain::tCoZDniem;
            tCoZDniem co = tCoZDniem::nic;
            QString opis;

        protected:
            std::optional<TZamowienieDnia> ZamowDzien() override { return TZamowienieDnia{NajmniejPociagowDnia, 3}; }
            tCoZDniem CoZDniem(const QString& o) override
            {
                opis = o;
                return co;
            }
        };
        TSrodowiskoTestowe s;
        s.Rozklad.ZapiszRozklad();
        TeMainDnia eMain(s.Uslugi, s.Rozklad);
        const TNowyDzien dzien = WygenerujDzien(NajmniejPociagowDnia, 3);
        // Asked, then given up: nothing changes.
        eMain.NowyDzien();
        QVERIFY(eMain.opis.startsWith(QStringLiteral("Nowy dzień z ziarna 3: %1 pociągów").arg(dzien.Pociagi)));
        QCOMPARE(s.Rozklad.Ile(), 0);
        // Played once: a run of the day's trains, the timetable untouched.
        eMain.co = TeMainDnia::tCoZDniem::zagraj;
        const QStringList okna = Modalne([&] { eMain.NowyDzien(); }, [&](QWidget* w) {
            if (auto* stacja = qobject_cast<TOknoStacji*>(w))
                QCOMPARE(stacja->Symulacja().Rozklad().Ile(), dzien.Pociagi);
            Zamknij(w);
        });
        QVERIFY2(okna.contains(QStringLiteral("TOknoStacji")), qPrintable(okna.join(" ")));
        QCOMPARE(s.Rozklad.Ile(), 0);
        // Kept: the timetable is the day, the update told as any other.
        eMain.co = TeMainDnia::tCoZDniem::zachowaj;
        eMain.NowyDzien();
        QCOMPARE(s.Rozklad.Ile(), dzien.Pociagi);
        QVERIFY(QString::fromStdString(s.Komunikaty.Teksty.back()).startsWith("Rozkład jazdy zaktualizowany"));
    }

    void twoUpdatesInOneSessionLeaveTheNextShiftWithTheTrainsOfTheFileOnce()
    {
        class TeMainZPlikiem : public TeMain {
        public:
            using TeMain::TeMain;
            QString plik;

        protected:
            QString PlikAktualizacji() override { return plik; }
        };
        TStanowisko t;
        TeMainZPlikiem eMain(t.s.Uslugi, t.s.Rozklad);
        std::ofstream(t.s.Katalog.Sciezka("nowy.csv"))
            << "numer,relacja_od,relacja_do,sklad,wjezdza,wyjezdza,przyjazd,odjazd,opis,bez_peronu\n"
            << "1,A,B,s12,wOlsz,wBrz,5:00,5:05,x,0\n2,A,B,s12,wBrz,wOlsz,6:00,6:05,x,0\n";
        eMain.plik = QString::fromStdString(t.s.Katalog.Sciezka("nowy.csv"));
        eMain.Aktualizacja1Click();
        eMain.Aktualizacja1Click();
        QCOMPARE(t.s.Rozklad.Ile(), 2);
        std::size_t pociagi = 0;
        std::string zapis, blad;
        Modalne([&] { eMain.Nowy1Click(false); },
                [&](QWidget* w) {
                    if (auto* s = qobject_cast<TOknoStacji*>(w)) {
                        pociagi = s->Symulacja().Silnik().PociagiDnia().size();
                        zapis = s->Symulacja().ZapisGry(blad);
                    }
                    Zamknij(w);
                });
        QCOMPARE(pociagi, std::size_t{2});
        // The saved game's timetable is the file's: each train once.
        QVERIFY2(!zapis.empty(), blad.c_str());
        TWczytanaGra gra = TSymulacjaStacji::Wczytaj(zapis, t.s.Uslugi, t.s.Katalog.Sciezka("inny.dat"));
        QVERIFY2(gra.Symulacja != nullptr, gra.Blad.c_str());
        QCOMPARE(gra.Symulacja->Rozklad().Ile(), 2);
    }

    void qtsOwnButtonsSpeakPolish()
    {
        QVERIFY(ZaladujTlumaczeniaQt());
        QMessageBox okno(QMessageBox::Warning, "", "", QMessageBox::No | QMessageBox::Ignore | QMessageBox::Cancel);
        QCOMPARE(okno.button(QMessageBox::No)->text().remove('&'), QStringLiteral("Nie"));
        QCOMPARE(okno.button(QMessageBox::Cancel)->text().remove('&'), QStringLiteral("Anuluj"));
        QVERIFY(okno.button(QMessageBox::Ignore)->text().remove('&') != QStringLiteral("Ignore"));
    }

    void theMarkerIsNamedAfterTheExecutablesFullPath()
    {
        QTemporaryDir katalog;
        QVERIFY(QFile::copy(QApplication::applicationFilePath(), katalog.filePath("drelinko")));
        QVERIFY(QFile::copy(QApplication::applicationFilePath(), katalog.filePath("drelinko2")));
        const QString plik = TZnacznikKopii::PlikZnacznika(katalog.filePath("drelinko"));
        QCOMPARE(TZnacznikKopii::PlikZnacznika(katalog.path() + "/./drelinko"), plik);
        QVERIFY(TZnacznikKopii::PlikZnacznika(katalog.filePath("drelinko2")) != plik);
    }

    void aMarkerLeftByACrashedCopyIsTakenOverWithoutAWord()
    {
        QTemporaryDir katalog;
        const QString plik = katalog.filePath("drelinko.lock");
        ZostawMartwyZnacznik(plik);
        QVERIFY(QFile::exists(plik));
        TZnacznikKopii znacznik(plik);
        bool dalej = false;
        const QStringList okna = Modalne([&] { dalej = StrazKopii(znacznik); }, Zamknij);
        QVERIFY(okna.isEmpty());
        QVERIFY(dalej);
        QVERIFY(znacznik.Trzymany());
    }

    void aMarkerNoLiveCopyHoldsIsTakenOverWhateverItHolds()
    {
        QTemporaryDir katalog;
        const QString plik = katalog.filePath("drelinko.lock");
        const QString cel = katalog.filePath("cel.txt");
        const std::vector<std::pair<const char*, std::function<void()>>> zepsute{
            {"empty", [&] { QFile f(plik); QVERIFY(f.open(QIODevice::WriteOnly)); }},
            {"garbage", [&] {
                 QFile f(plik);
                 QVERIFY(f.open(QIODevice::WriteOnly));
                 f.write("\x01\xffnie\nznacznik\n\n\n");
             }},
            {"cut short", [&] { QFile f(plik); QVERIFY(f.open(QIODevice::WriteOnly)); f.write("12"); }},
            {"an empty folder", [&] { QVERIFY(QDir().mkdir(plik)); }},
            {"a link to nowhere", [&] { QVERIFY(QFile::link(katalog.filePath("nic"), plik)); }},
            {"a link to a file", [&] {
                 QFile f(cel);
                 QVERIFY(f.open(QIODevice::WriteOnly));
                 f.write("nie ruszać");
                 f.close();
                 QVERIFY(QFile::link(cel, plik));
             }},
        };
        for (const auto& [opis, zepsuj] : zepsute) {
            zepsuj();
            {
                TZnacznikKopii znacznik(plik);
                bool dalej = false;
                const QStringList okna = Modalne([&] { dalej = StrazKopii(znacznik); }, Zamknij);
                QVERIFY2(okna.isEmpty(), opis);
                QVERIFY2(dalej, opis);
                QVERIFY2(znacznik.Trzymany(), opis);
                const QFileInfo info(plik);
                QVERIFY2(info.isFile() && !info.isSymLink(), opis);
                // A second copy now sees this one.
                TZnacznikKopii druga(plik);
                QCOMPARE(druga.Zajmij(), TZnacznikKopii::tZajecie::zaInnaKopia);
            }
            QVERIFY2(!QFileInfo::exists(plik), opis);
        }
        // What a link pointed to is left alone.
        QFile f(cel);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("nie ruszać"));
    }

    void aRunningCopysMarkerCountsWhateverItsFileHolds()
    {
        QTemporaryDir katalog;
        const QString plik = katalog.filePath("drelinko.lock");
        TZnacznikKopii pierwsza(plik);
        QCOMPARE(pierwsza.Zajmij(), TZnacznikKopii::tZajecie::zaZajety);
        QFile f(plik);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write("śmieci");
        f.close();
        TZnacznikKopii druga(plik);
        QCOMPARE(druga.Zajmij(), TZnacznikKopii::tZajecie::zaInnaKopia);
        QVERIFY(pierwsza.Trzymany());
        QVERIFY(!druga.Trzymany());
    }

    void aFolderWithFilesInTheMarkersPlaceIsLeftAloneAndTheGameSaysWhyItCannotWarn()
    {
        QTemporaryDir katalog;
        const QString plik = katalog.filePath("drelinko.lock");
        QVERIFY(QDir().mkpath(plik + "/czyjes"));
        TZnacznikKopii znacznik(plik);
        bool dalej = false;
        QString tekst;
        const QStringList okna = Modalne([&] { dalej = StrazKopii(znacznik); },
                                         [&](QWidget* w) {
                                             if (auto* m = qobject_cast<QMessageBox*>(w))
                                                 tekst = m->text();
                                             Zamknij(w);
                                         });
        QCOMPARE(okna, QStringList{"QMessageBox"});
        QVERIFY(dalej);
        QVERIFY(!znacznik.Trzymany());
        QVERIFY2(tekst.contains(QDir::toNativeSeparators(plik)), qPrintable(tekst));
        QVERIFY2(tekst.contains(QStringLiteral("folder")), qPrintable(tekst));
        QVERIFY(QFileInfo(plik + "/czyjes").isDir());
    }

    void aRunningCopysMarkerWarnsWithNoAndIgnoreHoweverOldItIs()
    {
        QTemporaryDir katalog;
        const QString plik = katalog.filePath("drelinko.lock");
        TZnacznikKopii pierwsza(plik);
        QCOMPARE(pierwsza.Zajmij(), TZnacznikKopii::tZajecie::zaZajety);
        // A game runs for hours: an old marker of a running copy is not stale.
        QFile f(plik);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.setFileTime(QDateTime::currentDateTime().addSecs(-3 * 3600), QFileDevice::FileModificationTime));
        f.close();

        for (const auto przycisk : {QMessageBox::No, QMessageBox::Ignore}) {
            TZnacznikKopii druga(plik);
            QString tekst;
            QMessageBox::StandardButtons przyciski;
            bool dalej = przycisk == QMessageBox::No;
            const QStringList okna = Modalne([&] { dalej = StrazKopii(druga); },
                                             [&](QWidget* w) {
                                                 auto* m = qobject_cast<QMessageBox*>(w);
                                                 QVERIFY(m != nullptr);
                                                 tekst = m->text();
                                                 przyciski = m->standardButtons();
                                                 m->button(przycisk)->click();
                                             });
            QCOMPARE(okna, QStringList{"QMessageBox"});
            QCOMPARE(przyciski, QMessageBox::StandardButtons(QMessageBox::No | QMessageBox::Ignore));
            QCOMPARE(tekst, QStringLiteral("Lorvia 99 - Drelinko\nPrzynajmniej jedna kopia tego programu już jest "
                                           "uruchomiona. Czy jesteś pewien, że chcesz uruchomić KOLEJNĄ kopię tego "
                                           "samego programu?\n\nZignoruj to ostrzeżenie, jeśli poprzednia kopia "
                                           "programu niespodziewanie zakończyła pracę."));
            QCOMPARE(dalej, przycisk == QMessageBox::Ignore);
            // Either way the running copy keeps its marker.
            QVERIFY(!druga.Trzymany());
            QVERIFY(pierwsza.Trzymany());
            QVERIFY(QFile::exists(plik));
        }
    }

    void theMarkerIsRemovedWhenTheProgramEnds()
    {
        QTemporaryDir katalog;
        const QString plik = katalog.filePath("drelinko.lock");
        {
            TZnacznikKopii znacznik(plik);
            QVERIFY(StrazKopii(znacznik));
            QVERIFY(QFile::exists(plik));
        }
        QVERIFY(!QFile::exists(plik));
        TZnacznikKopii nastepna(plik);
        QCOMPARE(nastepna.Zajmij(), TZnacznikKopii::tZajecie::zaZajety);
    }
};

QTEST_MAIN(OknoGlowneTest)
#include "okno_glowne_test.moc"
