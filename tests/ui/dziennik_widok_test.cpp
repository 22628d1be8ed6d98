// The journal pane: every line kept however many, the text copied as shown, selecting with the
// mouse, lines wrapped at the pane's width, the newest line painted in place, "Wyczyść".
#include "simulation/dziennik.h"
#include "ui/text/dziennik_widok.h"

#include <QApplication>
#include <QClipboard>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

namespace {

TLiniaDziennika Linia(int i)
{
    return {i % 2 == 0 ? -10 : 0, "Linia " + std::to_string(i), "opis", 0.25, 46000.5, false};
}

}  // namespace

class DziennikWidokTest : public QObject {
    Q_OBJECT

private slots:
    void everyLineIsKeptAsALineOfItsOwnAndTheNewestStaysInSight()
    {
        TDziennikWidok widok;
        widok.resize(600, 120);
        widok.show();
        for (int i = 0; i < 3000; ++i)
            widok.Dodaj(Linia(i));
        QApplication::processEvents();
        QCOMPARE(widok.LiczbaLinii(), 3001);  // the greeting and every line
        QCOMPARE(widok.TekstLinii(0), QStringLiteral("Dzień dobry, witamy w Drelinku."));
        QCOMPARE(widok.TekstLinii(3000), QStringLiteral("06:00 -> Linia 2999 opis (12:00:00) "));
        // The scroll bar follows a run of lines a moment later, once.
        QTRY_COMPARE(widok.verticalScrollBar()->maximum(), 3001 - widok.verticalScrollBar()->pageStep());
        QCOMPARE(widok.verticalScrollBar()->value(), widok.verticalScrollBar()->maximum());
        // The lines filled while hidden are in sight at the end once the pane is shown.
        TDziennikWidok ukryty;
        for (int i = 0; i < 50; ++i)
            ukryty.Dodaj(Linia(i));
        ukryty.resize(600, 120);
        ukryty.show();
        QApplication::processEvents();
        QVERIFY(ukryty.verticalScrollBar()->maximum() > 0);
        QCOMPARE(ukryty.verticalScrollBar()->value(), ukryty.verticalScrollBar()->maximum());
    }

    void aLineReadAboveStaysPutWhenNewLinesCome()
    {
        TDziennikWidok widok;
        widok.resize(600, 120);
        widok.show();
        for (int i = 0; i < 100; ++i)
            widok.Dodaj(Linia(i));
        QTRY_VERIFY(widok.verticalScrollBar()->maximum() > 50);
        widok.verticalScrollBar()->setValue(10);
        widok.Dodaj(Linia(100));
        QCOMPARE(widok.verticalScrollBar()->value(), 10);
        QCOMPARE(widok.verticalScrollBar()->maximum(), 102 - widok.verticalScrollBar()->pageStep());
        // Back at the end, the pane follows the newest line again.
        widok.verticalScrollBar()->setValue(widok.verticalScrollBar()->maximum());
        widok.Dodaj(Linia(101));
        QTRY_COMPARE(widok.verticalScrollBar()->maximum(), 103 - widok.verticalScrollBar()->pageStep());
        QCOMPARE(widok.verticalScrollBar()->value(), widok.verticalScrollBar()->maximum());
    }

    void theNewestLinePaintedInPlaceLooksAsTheWholePanePaintedAgain()
    {
        // A line at the bottom moves the pixels above it up and paints only its own strip: what
        // the screen shows must be what a full repaint would draw.
        TDziennikWidok widok;
        widok.resize(500, 140);
        widok.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widok));
        for (int i = 0; i < 40; ++i) {
            widok.Dodaj(Linia(i));
            if (i % 7 == 0)
                widok.Dodaj({0, "Porada", "Rogatki opuszczaj wcześnie, zanim pociąg minie semafor wjazdowy na tor.", 0, 0, true});
            QApplication::processEvents();
        }
        const QImage naEkranie = widok.screen()->grabWindow(widok.winId()).toImage().convertToFormat(QImage::Format_RGB32);
        const QImage odNowa = widok.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(naEkranie.size(), odNowa.size());
        QVERIFY(naEkranie == odNowa);
    }

    void theTextIsCopiedAsShownAndATipIsBoldThenPlain()
    {
        TDziennikWidok widok;
        widok.Dodaj({20, "Odjazd", "34101", 0.25, 46000.5, false});
        widok.Dodaj({0, "Porada", "Rogatki opuszczaj wcześnie.", 0, 0, true});
        const auto porada = widok.CzesciLinii(2);
        QCOMPARE(widok.TekstLinii(2).mid(porada[0].start, porada[0].length), QStringLiteral("Porada"));
        QCOMPARE(porada[0].format.fontWeight(), static_cast<int>(QFont::Bold));
        QVERIFY(porada[1].format.fontWeight() != QFont::Bold);
        widok.selectAll();
        widok.copy();
        QCOMPARE(QApplication::clipboard()->text(),
                 QStringLiteral("Dzień dobry, witamy w Drelinku.\n(premia 20 pkt) 06:00 -> Odjazd 34101 (12:00:00) \n"
                                "Porada Rogatki opuszczaj wcześnie."));
    }

    void draggingTheMouseOverLinesSelectsTheirTextAndCtrlCCopiesIt()
    {
        TDziennikWidok widok;
        widok.resize(600, 200);
        widok.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widok));
        widok.Dodaj({20, "Odjazd", "34101", 0.25, 46000.5, false});
        widok.Dodaj({-10, "Kara", "34102", 0.25, 46000.5, false});
        QApplication::processEvents();
        QWidget* v = widok.viewport();
        const int wiersz = widok.WysokoscLinii(0);
        // From the start of the greeting to the far right of the second journal line.
        QTest::mousePress(v, Qt::LeftButton, {}, QPoint(1, 4 + wiersz / 2));
        QMouseEvent ruch(QEvent::MouseMove, QPointF(v->width() - 2, 4 + 2 * wiersz + wiersz / 2),
                         v->mapToGlobal(QPointF(v->width() - 2, 4 + 2 * wiersz + wiersz / 2)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(v, &ruch);
        QTest::mouseRelease(v, Qt::LeftButton, {}, QPoint(v->width() - 2, 4 + 2 * wiersz + wiersz / 2));
        QCOMPARE(widok.ZaznaczonyTekst(), QStringLiteral("Dzień dobry, witamy w Drelinku.\n(premia 20 pkt) 06:00 -> Odjazd 34101 "
                                                          "(12:00:00) \n(kara 10 pkt) 06:00 -> Kara 34102 (12:00:00) "));
        QApplication::clipboard()->clear();
        QTest::keyClick(&widok, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), widok.ZaznaczonyTekst());
        // A click without a drag selects nothing.
        QTest::mouseClick(v, Qt::LeftButton, {}, QPoint(5, 4 + wiersz / 2));
        QVERIFY(widok.ZaznaczonyTekst().isEmpty());
    }

    void aLongLineWrapsAtThePanesWidthAndAgainWhenItNarrows()
    {
        TDziennikWidok widok;
        widok.resize(700, 150);
        widok.show();
        QApplication::processEvents();
        const std::string dlugi = "Pociąg osobowy 34101 Olszarzyna - Brzelany stoi przed semaforem wjazdowym od dłuższego czasu.";
        widok.Dodaj({-10, "Brak ustawionego przebiegu dla pociagu.", dlugi, 0.3, 46000.5, false});
        QApplication::processEvents();
        const int jedna = widok.WysokoscLinii(0);
        const int szeroko = widok.WysokoscLinii(1);
        QCOMPARE(widok.SzerokoscZawijania(), widok.viewport()->width() - 8);
        widok.resize(220, 150);
        QApplication::processEvents();
        QCOMPARE(widok.SzerokoscZawijania(), widok.viewport()->width() - 8);
        const int waski = widok.WysokoscLinii(1);
        QCOMPARE(widok.WysokoscLinii(0), jedna);  // the greeting still fits
        QVERIFY(waski >= 3 * jedna);
        QVERIFY(waski > szeroko);
        QCOMPARE(widok.verticalScrollBar()->value(), widok.verticalScrollBar()->maximum());
        // A larger face lays every line out again.
        QFont wieksza = widok.font();
        wieksza.setPixelSize(2 * QFontInfo(wieksza).pixelSize());
        widok.setFont(wieksza);
        QApplication::processEvents();
        QVERIFY(widok.WysokoscLinii(0) >= 2 * jedna - 2);
        QVERIFY(widok.WysokoscLinii(1) > waski);
    }

    void aWordWiderThanThePaneIsBrokenAnywhereAndEveryPartIsDrawn()
    {
        TDziennikWidok widok;
        widok.resize(300, 300);
        widok.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widok));
        const std::string slowo(100, 'W');
        widok.Dodaj({0, "", slowo, 0.3, 46000.5, false});
        QApplication::processEvents();
        const int wiersz = widok.WysokoscLinii(0);  // the greeting fits on a row
        const qreal szerokosc = QFontMetricsF(widok.font()).horizontalAdvance(QString(100, QLatin1Char('W')));
        const int wiersze = widok.WysokoscLinii(1) / wiersz;
        QVERIFY(wiersze >= std::ceil(szerokosc / widok.SzerokoscZawijania()));
        // Every row of the word carries ink, and none of it reaches past the pane's right edge.
        const QImage obraz = widok.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QRgb tlo = obraz.pixel(obraz.width() - 1, obraz.height() - 1);
        for (int r = 0; r < wiersze; ++r) {
            int tusz = 0;
            for (int y = 4 + (r + 1) * wiersz; y < 4 + (r + 2) * wiersz; ++y)
                for (int x = 0; x < obraz.width(); ++x)
                    tusz += obraz.pixel(x, y) != tlo;
            QVERIFY2(tusz > 20, qPrintable(QStringLiteral("row %1 of the word is empty").arg(r)));
        }
        for (int y = 0; y < obraz.height(); ++y)
            for (int x = widok.SzerokoscZawijania() + 6; x < obraz.width(); ++x)
                QCOMPARE(obraz.pixel(x, y), tlo);
    }

    void eachRunIsDrawnInItsColourAndASelectionInTheHighlightsColours()
    {
        TDziennikWidok widok;
        widok.resize(600, 120);
        widok.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widok));
        widok.Dodaj({-10, "Kara", "34102", 0.25, 46000.5, false});
        widok.Dodaj({20, "Premia", "34101", 0.25, 46000.5, false});
        QApplication::processEvents();
        // Counts the pixels close to a colour in the strip of line i, the lines standing from the top.
        const auto ile = [&](int i, QColor kolor) {
            const QImage obraz = widok.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
            const int h = widok.WysokoscLinii(i);
            int n = 0;
            for (int y = 4 + i * h; y < 4 + (i + 1) * h; ++y)
                for (int x = 0; x < obraz.width(); ++x) {
                    const QColor p = obraz.pixelColor(x, y);
                    n += std::abs(p.red() - kolor.red()) + std::abs(p.green() - kolor.green()) + std::abs(p.blue() - kolor.blue()) < 40;
                }
            return n;
        };
        QVERIFY(ile(1, QColor(128, 0, 0)) > 20);  // the penalty in dark red
        QCOMPARE(ile(1, QColor(0, 128, 0)), 0);
        QVERIFY(ile(2, QColor(0, 128, 0)) > 20);  // the bonus in green
        QCOMPARE(ile(2, QColor(128, 0, 0)), 0);
        const QColor podswietlenie = widok.palette().color(QPalette::Highlight);
        QCOMPARE(ile(2, podswietlenie), 0);
        widok.selectAll();
        QApplication::processEvents();
        QVERIFY(ile(2, podswietlenie) > 500);
        QVERIFY(ile(2, widok.palette().color(QPalette::HighlightedText)) > 20);
        QCOMPARE(ile(2, QColor(0, 128, 0)), 0);
    }

    void clearingEmptiesThePaneAndSaysSo()
    {
        TDziennikWidok widok;
        widok.Dodaj({-5, "Kara", "", 0.25, 46000.5, false});
        widok.selectAll();
        QSignalSpy wyczyszczony(&widok, &TDziennikWidok::wyczyszczony);
        widok.Wyczysc();
        QCOMPARE(wyczyszczony.count(), 1);
        QVERIFY(widok.toPlainText().isEmpty());
        QVERIFY(widok.ZaznaczonyTekst().isEmpty());
        widok.Dodaj({-5, "Kara", "", 0.25, 46000.5, false});
        QCOMPARE(widok.toPlainText(), QStringLiteral("(kara 5 pkt) 06:00 -> Kara  (12:00:00) "));
    }
};

QTEST_MAIN(DziennikWidokTest)
#include "dziennik_widok_test.moc"
