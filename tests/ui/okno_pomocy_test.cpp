// The help window with the game's own pages from the program folder, on the offscreen platform.
#include "core/wkt_files.h"
#include "simulation/linia_startowa.h"
#include "ui/services/okno_pomocy.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QtTest>

namespace {

const QString Program = QStringLiteral(DRELINKO_PROGRAM_DIR);

QString Czytaj(const QString& sciezka)
{
    QFile plik(sciezka);
    if (!plik.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(plik.readAll());
}

void Zapisz(const QString& sciezka, const QString& tekst)
{
    QFile plik(sciezka);
    QVERIFY(plik.open(QIODevice::WriteOnly));
    plik.write(tekst.toUtf8());
}

// The window shown and laid out, as the player sees it.
void Pokaz(TOknoPomocy& okno)
{
    okno.resize(800, 600);
    okno.show();
    QVERIFY(QTest::qWaitForWindowExposed(&okno));
}

// Clicks the first link of the page shown that leads to the address given, where it is drawn.
bool KliknijLacze(TOknoPomocy& okno, const QString& adres)
{
    QTextBrowser* tekst = okno.Przegladarka();
    for (QTextBlock b = tekst->document()->begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            if (!f.charFormat().isAnchor() || f.charFormat().anchorHref() != adres)
                continue;
            QTextCursor c(tekst->document());
            c.setPosition(f.position() + f.length() / 2);
            tekst->setTextCursor(c);
            tekst->ensureCursorVisible();
            const QPoint gdzie = tekst->cursorRect(c).center();
            QTest::mouseClick(tekst->viewport(), Qt::LeftButton, Qt::NoModifier, gdzie);
            return true;
        }
    }
    return false;
}

// Every href and src of a page, in the order written.
QStringList Adresy(const QString& html, const QString& atrybut)
{
    QStringList wynik;
    const QRegularExpression wzor(atrybut + QStringLiteral("\\s*=\\s*\"([^\"]*)\""),
                                  QRegularExpression::CaseInsensitiveOption);
    for (auto it = wzor.globalMatch(html); it.hasNext();)
        wynik << it.next().captured(1);
    return wynik;
}

}  // namespace

class OknoPomocyTest : public QObject {
    Q_OBJECT

private slots:
    void theViewerOpensTheManualFromTheGivenFolder()
    {
        TOknoPomocy okno(Program);
        okno.Otworz(QStringLiteral("drelinko.htm"));
        QCOMPARE(okno.windowTitle(), QStringLiteral("Pomoc — Lorvia 99 - Drelinko"));
        QCOMPARE(okno.Strona(), QStringLiteral("drelinko.htm"));
        QCOMPARE(okno.Przegladarka()->documentTitle(), QStringLiteral("Lorvia 99 - Drelinko: instrukcja obsługi"));
        // Read as UTF-8: the Polish letters come out whole.
        QVERIFY(okno.Przegladarka()->toPlainText().contains(QStringLiteral("Dyżurny ruchu w Drelinku")));
        QVERIFY(!okno.AkcjaWstecz()->isEnabled());
        QVERIFY(!okno.AkcjaDalej()->isEnabled());
    }

    void aClickOnTheLinkToTheShuntingPageOpensItAndBackAndForwardMoveThroughTheHistory()
    {
        TOknoPomocy okno(Program);
        Pokaz(okno);
        okno.Otworz(QStringLiteral("drelinko.htm"));
        QVERIFY(KliknijLacze(okno, QStringLiteral("manewry.htm")));
        QCOMPARE(okno.Strona(), QStringLiteral("manewry.htm"));
        QCOMPARE(okno.Przegladarka()->documentTitle(), QStringLiteral("Lorvia 99 - Drelinko: opis manewrów"));
        QVERIFY(okno.AkcjaWstecz()->isEnabled());
        okno.AkcjaWstecz()->trigger();
        QCOMPARE(okno.Strona(), QStringLiteral("drelinko.htm"));
        QVERIFY(okno.AkcjaDalej()->isEnabled());
        okno.AkcjaDalej()->trigger();
        QCOMPARE(okno.Strona(), QStringLiteral("manewry.htm"));
        QVERIFY(!okno.AkcjaDalej()->isEnabled());
    }

    void theContentsButtonOpensTheTopOfTheManualFromAnyPage()
    {
        TOknoPomocy okno(Program);
        Pokaz(okno);
        okno.Otworz(QStringLiteral("drelinko.htm#przyklad"));
        QVERIFY(okno.Przegladarka()->verticalScrollBar()->value() > 0);
        okno.AkcjaSpisTresci()->trigger();
        QCOMPARE(okno.Strona(), QStringLiteral("drelinko.htm"));
        QCOMPARE(okno.Przegladarka()->verticalScrollBar()->value(), 0);
        okno.Otworz(QStringLiteral("manewry.htm"));
        okno.AkcjaSpisTresci()->trigger();
        QCOMPARE(okno.Strona(), QStringLiteral("drelinko.htm"));
    }

    void theSearchFindsAWordAndThenItsNextOccurrence()
    {
        TOknoPomocy okno(Program);
        okno.Otworz(QStringLiteral("drelinko.htm"));
        QVERIFY(okno.Szukaj(QStringLiteral("rogatki")));
        const QTextCursor pierwsze = okno.Przegladarka()->textCursor();
        QCOMPARE(pierwsze.selectedText().toLower(), QStringLiteral("rogatki"));
        QVERIFY(okno.Szukaj(QStringLiteral("rogatki")));
        QVERIFY(okno.Przegladarka()->textCursor().selectionStart() > pierwsze.selectionStart());
        QVERIFY(okno.Komunikat()->text().isEmpty());
    }

    void theSearchReportsAMissingWordAndKeepsTheSelection()
    {
        TOknoPomocy okno(Program);
        okno.Otworz(QStringLiteral("manewry.htm"));
        QVERIFY(okno.Szukaj(QStringLiteral("lokomotywa")));
        const int bylo = okno.Przegladarka()->textCursor().selectionStart();
        okno.PoleSzukania()->setText(QStringLiteral("elektrowóz"));
        QVERIFY(!okno.Szukaj(QStringLiteral("elektrowóz")));
        QVERIFY(okno.Komunikat()->text().contains(QStringLiteral("Nie znaleziono")));
        QVERIFY(okno.Komunikat()->text().contains(QStringLiteral("elektrowóz")));
        QCOMPARE(okno.Przegladarka()->textCursor().selectionStart(), bylo);
        // Typing anew takes the mark away.
        okno.PoleSzukania()->setText(QStringLiteral("elektro"));
        QVERIFY(okno.Komunikat()->text().isEmpty());
    }

    void theSearchGoesRoundToTheTopAfterTheLastOccurrence()
    {
        QTemporaryDir katalog;
        Zapisz(katalog.filePath("a.htm"), QStringLiteral("<html><body><p>semafor</p><p>zwrotnica</p>"
                                                         "<p>semafor</p></body></html>"));
        TOknoPomocy okno(katalog.path());
        okno.Otworz(QStringLiteral("a.htm"));
        QVERIFY(okno.Szukaj(QStringLiteral("semafor")));
        const int pierwsze = okno.Przegladarka()->textCursor().selectionStart();
        QVERIFY(okno.Szukaj(QStringLiteral("semafor")));
        QVERIFY(okno.Przegladarka()->textCursor().selectionStart() > pierwsze);
        QVERIFY(okno.Szukaj(QStringLiteral("semafor")));
        QCOMPARE(okno.Przegladarka()->textCursor().selectionStart(), pierwsze);
        QCOMPARE(okno.Komunikat()->text(), QStringLiteral("od początku strony"));
    }

    void aMissingPageShowsAMessageNamingItInsteadOfAnEmptyPane()
    {
        QTemporaryDir katalog;
        TOknoPomocy okno(katalog.path());
        okno.Otworz(QStringLiteral("manewry.htm"));
        const QString tekst = okno.Przegladarka()->toPlainText();
        QVERIFY(tekst.contains(QStringLiteral("Nie ma tej strony pomocy")));
        QVERIFY(tekst.contains(QStringLiteral("manewry.htm")));
        QVERIFY(tekst.contains(QDir::toNativeSeparators(QDir(katalog.path()).absolutePath())));
    }

    void aLinkToAMissingPageShowsTheMessageAndBackStillReturns()
    {
        QTemporaryDir katalog;
        Zapisz(katalog.filePath("a.htm"),
               QStringLiteral("<html><body><p><a href=\"brak.htm\">dalej</a></p></body></html>"));
        TOknoPomocy okno(katalog.path());
        Pokaz(okno);
        okno.Otworz(QStringLiteral("a.htm"));
        QVERIFY(KliknijLacze(okno, QStringLiteral("brak.htm")));
        QCOMPARE(okno.Strona(), QStringLiteral("brak.htm"));
        QVERIFY(okno.Przegladarka()->toPlainText().contains(QStringLiteral("Nie ma tej strony pomocy")));
        okno.AkcjaWstecz()->trigger();
        QCOMPARE(okno.Strona(), QStringLiteral("a.htm"));
        QVERIFY(okno.Przegladarka()->toPlainText().contains(QStringLiteral("dalej")));
    }

    void aLinkOutOfTheHelpIsNotFollowed()
    {
        QTemporaryDir katalog;
        Zapisz(katalog.filePath("a.htm"),
               QStringLiteral("<html><body><p><a href=\"http://example.com/drelinko.htm\">w sieci</a></p></body></html>"));
        TOknoPomocy okno(katalog.path());
        Pokaz(okno);
        okno.Otworz(QStringLiteral("a.htm"));
        QVERIFY(KliknijLacze(okno, QStringLiteral("http://example.com/drelinko.htm")));
        QCOMPARE(okno.Strona(), QStringLiteral("a.htm"));
        QCOMPARE(okno.Przegladarka()->source().scheme(), QStringLiteral("file"));
        QVERIFY(okno.Przegladarka()->toPlainText().contains(QStringLiteral("w sieci")));
        QVERIFY(!okno.AkcjaWstecz()->isEnabled());
        QVERIFY(okno.Komunikat()->text().contains(QStringLiteral("nie są otwierane")));
    }

    void aCommandLinkAsksTheStartWindowForItsCommandAndStaysOnThePage()
    {
        QTemporaryDir katalog;
        Zapisz(katalog.filePath("a.htm"),
               QStringLiteral("<html><body><p><a href=\"polecenie:45\">samouczek</a></p></body></html>"));
        TOknoPomocy okno(katalog.path());
        Pokaz(okno);
        okno.Otworz(QStringLiteral("a.htm"));
        QList<int> polecenia;
        connect(&okno, &TOknoPomocy::polecenie, this, [&polecenia](int n) { polecenia << n; });
        QVERIFY(KliknijLacze(okno, QStringLiteral("polecenie:45")));
        QCOMPARE(polecenia, QList<int>{45});
        QCOMPARE(okno.Strona(), QStringLiteral("a.htm"));
    }

    void showingHelpAgainReusesTheOneWindowOnTheNewPage()
    {
        UstawProgramDir(Program.toStdString());
        PokazPomoc(nullptr, QStringLiteral("drelinko.htm"));
        TOknoPomocy* pierwsze = OknoPomocy();
        QVERIFY(pierwsze != nullptr);
        QVERIFY(pierwsze->isVisible());
        QCOMPARE(pierwsze->Strona(), QStringLiteral("drelinko.htm"));
        pierwsze->close();
        PokazPomoc(nullptr, QStringLiteral("manewry.htm"));
        QCOMPARE(OknoPomocy(), pierwsze);
        QVERIFY(pierwsze->isVisible());
        QCOMPARE(pierwsze->Strona(), QStringLiteral("manewry.htm"));
        int okna = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            okna += qobject_cast<TOknoPomocy*>(w) != nullptr ? 1 : 0;
        QCOMPARE(okna, 1);
        delete pierwsze;
        QVERIFY(OknoPomocy() == nullptr);
        UstawProgramDir(std::string());
    }

    void escClosesTheHelpWindow()
    {
        UstawProgramDir(Program.toStdString());
        QWidget gra;
        gra.show();
        PokazPomoc(&gra, QStringLiteral("drelinko.htm"));
        TOknoPomocy* pomoc = OknoPomocy();
        QVERIFY(pomoc != nullptr && pomoc->isVisible());
        QTest::keyClick(pomoc->Przegladarka(), Qt::Key_Escape);
        QVERIFY(!pomoc->isVisible());
        delete pomoc;
        UstawProgramDir(std::string());
    }

    void aNewHelpWindowOpensBesideTheGameWhereThereIsRoomAndStaysOnTheScreenWhereThereIsNot()
    {
        const QRect dostepne = QGuiApplication::primaryScreen()->availableGeometry();
        QWidget pomoc(nullptr, Qt::Window);
        pomoc.resize(dostepne.width() / 2, dostepne.height() / 2);
        QWidget gra;
        gra.setGeometry(dostepne.left(), dostepne.top(), dostepne.width() / 3, dostepne.height() / 2);
        gra.show();
        PolozObok(pomoc, &gra);
        // Beside it, not in a corner over it.
        QVERIFY2(pomoc.x() > gra.frameGeometry().right(),
                 qPrintable(QStringLiteral("help at x %1, the game ends at %2").arg(pomoc.x()).arg(gra.frameGeometry().right())));
        QVERIFY(dostepne.contains(QRect(pomoc.pos(), pomoc.size())));
        // A game that fills the screen leaves no room: the help stays whole on the screen.
        gra.setGeometry(dostepne);
        PolozObok(pomoc, &gra);
        QVERIFY(dostepne.contains(QRect(pomoc.pos(), pomoc.size())));
    }

    void everyLinkAndPictureOfTheHelpPagesPointsToAFileInTheProgramFolder()
    {
        const QDir katalog(Program);
        int obrazy = 0;
        for (const QString& strona : {QStringLiteral("drelinko.htm"), QStringLiteral("manewry.htm")}) {
            const QString html = Czytaj(katalog.filePath(strona));
            QVERIFY2(!html.isEmpty(), qPrintable(strona + " is not in the program folder"));
            QVERIFY2(html.contains(QStringLiteral("charset=utf-8"), Qt::CaseInsensitive), qPrintable(strona));
            for (const QString& adres : Adresy(html, QStringLiteral("href"))) {
                // A command of the start window's, which it must know.
                if (adres.startsWith(QStringLiteral("polecenie:"))) {
                    QVERIFY2(PolecenieStartu(NumerLinku(adres.mid(10).toStdString())) != tPolecenieStartu::psBrak,
                             qPrintable(strona + ": no such command " + adres));
                    continue;
                }
                const int krzyzyk = adres.indexOf(QLatin1Char('#'));
                const QString plik = krzyzyk < 0 ? adres : adres.left(krzyzyk);
                const QString kotwica = krzyzyk < 0 ? QString() : adres.mid(krzyzyk + 1);
                const QString cel = plik.isEmpty() ? strona : plik;
                QVERIFY2(QUrl(adres).scheme().isEmpty(), qPrintable(strona + ": a link out of the help: " + adres));
                QVERIFY2(katalog.exists(cel), qPrintable(strona + ": no page " + cel));
                if (!kotwica.isEmpty()) {
                    const QString docelowa = Czytaj(katalog.filePath(cel));
                    QVERIFY2(docelowa.contains(QStringLiteral("name=\"%1\"").arg(kotwica)),
                             qPrintable(strona + ": no anchor " + adres));
                }
            }
            for (const QString& obraz : Adresy(html, QStringLiteral("src"))) {
                QVERIFY2(katalog.exists(obraz), qPrintable(strona + ": no picture " + obraz));
                QVERIFY2(!QImage(katalog.filePath(obraz)).isNull(), qPrintable(strona + ": not a picture " + obraz));
                ++obrazy;
            }
        }
        QVERIFY(obrazy > 0);
    }
};

QTEST_MAIN(OknoPomocyTest)
#include "okno_pomocy_test.moc"
