// The journal pane: every line kept however many, the text copied as shown, "Wyczyść".
#include "simulation/dziennik.h"
#include "ui/dziennik_widok.h"

#include <QApplication>
#include <QClipboard>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTextBlock>
#include <QtTest>

class DziennikWidokTest : public QObject {
    Q_OBJECT

private slots:
    void everyLineIsKeptAsABlockOfItsOwnAndTheNewestStaysInSight()
    {
        TDziennikWidok widok;
        widok.resize(600, 120);
        widok.show();
        for (int i = 0; i < 3000; ++i)
            widok.Dodaj({i % 2 == 0 ? -10 : 0, "Linia " + std::to_string(i), "opis", 0.25, 46000.5, false});
        QApplication::processEvents();
        QCOMPARE(widok.document()->blockCount(), 3001);  // the greeting and every line
        QCOMPARE(widok.document()->firstBlock().text(), QStringLiteral("Dzień dobry, witamy w Drelinku."));
        QCOMPARE(widok.document()->lastBlock().text(), QStringLiteral("06:00 -> Linia 2999 opis (12:00:00) "));
        QCOMPARE(widok.verticalScrollBar()->value(), widok.verticalScrollBar()->maximum());
        QVERIFY(widok.verticalScrollBar()->maximum() > 0);
    }

    void theTextIsCopiedAsShownAndATipIsBoldThenPlain()
    {
        TDziennikWidok widok;
        widok.Dodaj({20, "Odjazd", "34101", 0.25, 46000.5, false});
        widok.Dodaj({0, "Porada", "Rogatki opuszczaj wcześnie.", 0, 0, true});
        const QTextBlock porada = widok.document()->lastBlock();
        QCOMPARE(porada.begin().fragment().text(), QStringLiteral("Porada"));
        QCOMPARE(porada.begin().fragment().charFormat().fontWeight(), static_cast<int>(QFont::Bold));
        widok.selectAll();
        widok.copy();
        QCOMPARE(QApplication::clipboard()->text(),
                 QStringLiteral("Dzień dobry, witamy w Drelinku.\n(premia 20 pkt) 06:00 -> Odjazd 34101 (12:00:00) \n"
                                "Porada Rogatki opuszczaj wcześnie."));
    }

    void clearingEmptiesThePaneAndSaysSo()
    {
        TDziennikWidok widok;
        widok.Dodaj({-5, "Kara", "", 0.25, 46000.5, false});
        QSignalSpy wyczyszczony(&widok, &TDziennikWidok::wyczyszczony);
        widok.Wyczysc();
        QCOMPARE(wyczyszczony.count(), 1);
        QVERIFY(widok.toPlainText().isEmpty());
        widok.Dodaj({-5, "Kara", "", 0.25, 46000.5, false});
        QVERIFY(widok.toPlainText().endsWith(QStringLiteral("Kara  (12:00:00) ")));
    }
};

QTEST_MAIN(DziennikWidokTest)
#include "dziennik_widok_test.moc"
