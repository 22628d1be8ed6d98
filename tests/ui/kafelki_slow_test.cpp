// The journal's kept words: a word drawn once serves every line, and putting its mask down mixes
// the colour with what is under it exactly as antialiased text is mixed.
#include "ui/kafelki_slow.h"

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
};

QTEST_MAIN(KafelkiSlowTest)
#include "kafelki_slow_test.moc"
