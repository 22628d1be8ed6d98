// The kept words of the journal and of the ticking labels: a word drawn once serves every line,
// putting its mask down mixes the colour with what is under it exactly as antialiased text is
// mixed, and a label drawn from kept words looks as a label drawn by Qt does.
#include "ui/text/etykieta_skrocona.h"
#include "ui/text/kafelki_slow.h"
#include "ui/timetable/znaczniki.h"

#include <QFontMetricsF>
#include <QtTest>

namespace {

// c * a + d * (255 - a) over 255, rounded: the mix the masks must give, channel by channel.
int Mieszanka(int c, int d, int a)
{
    return static_cast<int>(std::lround((c * a + d * (255 - a)) / 255.0));
}

TKafelkiSlow::TKafelek Maska(std::vector<std::uint8_t> pokrycie, int lewo)
{
    TKafelkiSlow::TKafelek k;
    k.Szerokosc = static_cast<int>(pokrycie.size());
    k.Wysokosc = 1;
    k.Lewo = lewo;
    k.Maska = std::move(pokrycie);
    return k;
}

// Where the ink of a widget lies (the pixels not of its background), and how many pixels are of
// the ink's colour.
struct TTusz {
    QRect Granice;
    int WKolorze = 0;
};

TTusz Tusz(QWidget& w, QColor tlo, QColor kolor)
{
    const QImage obraz = w.grab().toImage().convertToFormat(QImage::Format_RGB32);
    TTusz t;
    for (int y = 0; y < obraz.height(); ++y)
        for (int x = 0; x < obraz.width(); ++x) {
            const QColor p = obraz.pixelColor(x, y);
            if (p != tlo)
                t.Granice |= QRect(x, y, 1, 1);
            t.WKolorze += p == kolor;
        }
    return t;
}

}  // namespace

class KafelkiSlowTest : public QObject {
    Q_OBJECT

private slots:
    void aMaskMixesItsColourWithTheImageInEveryColumnItCovers()
    {
        // Long enough for the four-pixel steps and the single pixels after them; every kind of
        // coverage among them, and a background of three different channels.
        const std::vector<std::uint8_t> pokrycie{0, 255, 128, 1, 254, 64, 0, 0, 200, 255, 255, 255, 255, 17, 90};
        const auto k = Maska(pokrycie, 0);
        const QRgb tlo = qRgb(250, 240, 10);
        const QRgb kolor = qRgb(200, 20, 120);
        QImage obraz(20, 1, QImage::Format_RGB32);
        obraz.fill(tlo);
        NalozKafelek(obraz, k, 2, 0, kolor, INT_MIN, INT_MAX);
        for (int x = 0; x < obraz.width(); ++x) {
            const QRgb p = obraz.pixel(x, 0);
            const int i = x - 2;
            const int a = i >= 0 && i < static_cast<int>(pokrycie.size()) ? pokrycie[static_cast<std::size_t>(i)] : 0;
            QCOMPARE(qRed(p), Mieszanka(qRed(kolor), qRed(tlo), a));
            QCOMPARE(qGreen(p), Mieszanka(qGreen(kolor), qGreen(tlo), a));
            QCOMPARE(qBlue(p), Mieszanka(qBlue(kolor), qBlue(tlo), a));
            QCOMPARE(qAlpha(p), 255);
        }
    }

    void aMaskStaysInsideItsColumnsAndInsideTheImage()
    {
        const auto k = Maska(std::vector<std::uint8_t>(12, 255), -3);
        QImage obraz(8, 3, QImage::Format_RGB32);
        obraz.fill(Qt::white);
        // The pen at 1 puts the mask from -2 to 9: cut at the image's edges and at column 5.
        NalozKafelek(obraz, k, 1, 1, qRgb(0, 0, 255), 0, 5);
        for (int y = 0; y < obraz.height(); ++y)
            for (int x = 0; x < obraz.width(); ++x)
                QCOMPARE(obraz.pixel(x, y), y == 1 && x < 5 ? qRgb(0, 0, 255) : qRgb(255, 255, 255));
        // A row below the image is not drawn at all.
        NalozKafelek(obraz, k, 1, 3, qRgb(255, 0, 0), INT_MIN, INT_MAX);
        QCOMPARE(obraz.pixel(4, 2), qRgb(255, 255, 255));
    }

    void aWordIsDrawnOnceInEachFaceAndMovesThePenAsTheFontSays()
    {
        QFont czcionka(QStringLiteral("DejaVu Sans"));
        czcionka.setPixelSize(11);
        TKafelkiSlow kafelki;
        kafelki.Ustaw(czcionka, 1.0);
        const auto& zwykly = kafelki.Kafelek(u"Brzelany", false);
        QCOMPARE(&kafelki.Kafelek(u"Brzelany", false), &zwykly);
        const auto& gruby = kafelki.Kafelek(u"Brzelany", true);
        QVERIFY(&gruby != &zwykly);
        QCOMPARE(zwykly.Przesun, QFontMetricsF(czcionka).horizontalAdvance(QStringLiteral("Brzelany")));
        QVERIFY(gruby.Przesun > zwykly.Przesun);
        // The glyphs' box lies within the row, starting near the pen.
        QVERIFY(!zwykly.Maska.empty());
        QVERIFY(zwykly.Gora >= 0 && zwykly.Gora + zwykly.Wysokosc <= kafelki.WysokoscWiersza());
        QVERIFY(std::abs(zwykly.Lewo) <= 3);
        // A space moves the pen and draws nothing.
        const auto& spacja = kafelki.Kafelek(u" ", false);
        QVERIFY(spacja.Przesun > 0);
        QVERIFY(spacja.Maska.empty());
        QCOMPARE(kafelki.Liczba(), 3);
        // At twice the pixels the same word is drawn again, twice as wide.
        const int szerokosc = zwykly.Szerokosc;
        kafelki.Ustaw(czcionka, 2.0);
        QCOMPARE(kafelki.Liczba(), 0);
        const auto& ostry = kafelki.Kafelek(u"Brzelany", false);
        QVERIFY(ostry.Szerokosc > 1.7 * szerokosc && ostry.Szerokosc < 2.3 * szerokosc);
    }

    void aLabelDrawnFromKeptWordsLooksAsQtDrawsItInEveryAlignment_data()
    {
        QTest::addColumn<int>("wyrownanie");
        QTest::newRow("right") << int(Qt::AlignRight | Qt::AlignVCenter);
        QTest::newRow("left") << int(Qt::AlignLeft | Qt::AlignVCenter);
        QTest::newRow("centre") << int(Qt::AlignCenter);
        QTest::newRow("bottom") << int(Qt::AlignLeft | Qt::AlignBottom);
    }

    void aLabelDrawnFromKeptWordsLooksAsQtDrawsItInEveryAlignment()
    {
        QFETCH(int, wyrownanie);
        const QColor tlo(0xFF, 0x80, 0x00), kolor(Qt::white);
        QFont czcionka(QStringLiteral("DejaVu Sans"));
        czcionka.setPixelSize(16);
        czcionka.setBold(true);
        TEtykietaSkrocona nasza;
        QLabel qt;
        for (QLabel* l : {static_cast<QLabel*>(&nasza), &qt}) {
            QPalette paleta = l->palette();
            paleta.setColor(QPalette::Window, tlo);
            paleta.setColor(QPalette::WindowText, kolor);
            l->setPalette(paleta);
            l->setAutoFillBackground(true);
            l->setFont(czcionka);
            l->setAlignment(Qt::Alignment(wyrownanie));
            l->setFixedSize(200, 30);
        }
        nasza.UstawTekst(QStringLiteral("04:59 Wirowa"));
        qt.setText(QStringLiteral("04:59 Wirowa"));
        const TTusz nasz = Tusz(nasza, tlo, kolor), ich = Tusz(qt, tlo, kolor);
        QVERIFY(!ich.Granice.isEmpty());
        // The same place to a pixel, and as much of the text's full colour within a tenth.
        QVERIFY2(std::abs(nasz.Granice.left() - ich.Granice.left()) <= 1 && std::abs(nasz.Granice.right() - ich.Granice.right()) <= 1 &&
                     std::abs(nasz.Granice.top() - ich.Granice.top()) <= 1 &&
                     std::abs(nasz.Granice.bottom() - ich.Granice.bottom()) <= 1,
                 qPrintable(QStringLiteral("%1,%2 %3x%4 against %5,%6 %7x%8")
                                .arg(nasz.Granice.x()).arg(nasz.Granice.y()).arg(nasz.Granice.width()).arg(nasz.Granice.height())
                                .arg(ich.Granice.x()).arg(ich.Granice.y()).arg(ich.Granice.width()).arg(ich.Granice.height())));
        QVERIFY(std::abs(nasz.WKolorze - ich.WKolorze) <= ich.WKolorze / 10 + 2);
    }
    void labelsThatDrawTheirOwnTextNameItForAccessibilityTools()
    {
        TEtykietaSkrocona skrocona(QStringLiteral("06:00"));
        QCOMPARE(skrocona.accessibleName(), QStringLiteral("06:00"));
        // Shortened on screen, whole for a screen reader.
        skrocona.setFixedSize(30, 20);
        skrocona.UstawTekst(QStringLiteral("Przygotowałem pociągi do drogi."));
        QVERIFY(skrocona.Widoczny() != skrocona.Tekst());
        QCOMPARE(skrocona.accessibleName(), QStringLiteral("Przygotowałem pociągi do drogi."));
        TEtykietaZnacznikow znaczniki(QStringLiteral("<b>Kliknij</b> tutaj"));
        QCOMPARE(znaczniki.accessibleName(), QStringLiteral("Kliknij tutaj"));
        znaczniki.UstawTekst(QStringLiteral("<u>4:10</u>"));
        QCOMPARE(znaczniki.accessibleName(), QStringLiteral("4:10"));
    }
};

QTEST_MAIN(KafelkiSlowTest)
#include "kafelki_slow_test.moc"
