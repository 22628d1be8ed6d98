// Our own palette PNG encoder, read back by Qt's PNG reader.
#include "ui/canvas/png_paletowy.h"

#include <QImage>
#include <QtTest>

#include <random>

namespace {

QImage Paletowy(int w, int h, int kolorow)
{
    QImage obraz(w, h, QImage::Format_Indexed8);
    QList<QRgb> paleta;
    for (int i = 0; i < kolorow; ++i)
        paleta << qRgb((i * 37) % 256, (i * 91) % 256, (i * 151) % 256);
    obraz.setColorTable(paleta);
    obraz.fill(0);
    return obraz;
}

void PorownajPoOdczycie(const QImage& obraz)
{
    const QByteArray png = BajtyPngPaletowe(obraz);
    QVERIFY(!png.isEmpty());
    QImage odczyt;
    QVERIFY(odczyt.loadFromData(png, "PNG"));
    QCOMPARE(odczyt.size(), obraz.size());
    const QImage a = obraz.convertToFormat(QImage::Format_RGB32), b = odczyt.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < a.height(); ++y)
        QVERIFY2(std::memcmp(a.constScanLine(y), b.constScanLine(y), static_cast<std::size_t>(a.width()) * 4) == 0,
                 qPrintable(QStringLiteral("row %1 differs").arg(y)));
}

}  // namespace

class PngPaletowyTest : public QObject {
    Q_OBJECT

private slots:
    // Runs shorter and longer than deflate's longest, runs that go on into the next row, single
    // pixels among them, noise, and an odd width: each read back as it was.
    void aPalettePictureIsReadBackPixelForPixel()
    {
        QImage obraz = Paletowy(827, 300, 256);
        std::mt19937 los(7);
        for (int y = 0; y < obraz.height(); ++y) {
            uchar* w = obraz.scanLine(y);
            const int rodzaj = y % 5;
            for (int x = 0; x < obraz.width(); ++x) {
                if (rodzaj == 0)
                    w[x] = static_cast<uchar>(los() % 256);  // noise
                else if (rodzaj == 1)
                    w[x] = static_cast<uchar>((x / (1 + y % 7)) % 256);  // short runs
                else if (rodzaj == 2)
                    w[x] = x < 600 ? 3 : 4;  // a run past 258, then one into the next row
                else if (rodzaj == 3)
                    w[x] = 4;
                else
                    w[x] = static_cast<uchar>(x % 3 == 0 ? 9 : 255);
            }
        }
        PorownajPoOdczycie(obraz);
        PorownajPoOdczycie(Paletowy(1, 1, 1));
        QImage waski = Paletowy(3, 700, 2);
        for (int y = 0; y < waski.height(); y += 3)
            waski.scanLine(y)[1] = 1;
        PorownajPoOdczycie(waski);
    }

    // A page of text on white is mostly runs: it must come out far smaller than its pixels.
    void aMostlyWhitePageIsSmall()
    {
        QImage obraz = Paletowy(827, 1169, 4);
        for (int y = 100; y < 1100; y += 18)
            for (int x = 50; x < 780; x += 7)
                obraz.scanLine(y)[x] = 1;
        const QByteArray png = BajtyPngPaletowe(obraz);
        QVERIFY2(png.size() < 827 * 1169 / 20, qPrintable(QString::number(png.size())));
        PorownajPoOdczycie(obraz);
    }

    void onlyAPalettePictureIsWritten()
    {
        QCOMPARE(BajtyPngPaletowe(QImage(10, 10, QImage::Format_RGB32)), QByteArray());
        QCOMPARE(BajtyPngPaletowe(QImage()), QByteArray());
    }
};

QTEST_MAIN(PngPaletowyTest)
#include "png_paletowy_test.moc"
