// The diagram drawn for real, against a reviewed picture of the whole station.
#include "core/wkt_files.h"
#include "core/zegary_reczne.h"
#include "run/symulacja_stacji.h"
#include "station/rogatka.h"
#include "station/tor.h"
#include "tests/support/stacja_testowa.h"
#include "ui/canvas/obraz.h"

#include <QImage>
#include <QtTest>

namespace {

const QString Wzorzec = QStringLiteral(DRELINKO_TEST_DATA "/stacja.png");

// Share of pixels that differ visibly; a little is allowed for font rendering.
double Rozne(const QImage& a, const QImage& b)
{
    int rozne = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y), q = b.pixelColor(x, y);
            if (std::max({std::abs(p.red() - q.red()), std::abs(p.green() - q.green()), std::abs(p.blue() - q.blue())}) > 48)
                ++rozne;
        }
    return double(rozne) / (a.width() * a.height());
}

}  // namespace

class ObrazDiagramuTest : public QObject {
    Q_OBJECT

private slots:
    void theWholeStationMatchesTheReviewedPicture()
    {
        TStacjaTestowa t;
        const QImage obraz = ObrazDiagramu(t.Stacja, 1).convertToFormat(QImage::Format_RGB32);
        if (qEnvironmentVariableIsSet("DRELINKO_NOWY_WZORZEC"))
            obraz.save(Wzorzec);
        const QImage wzorzec = QImage(Wzorzec).convertToFormat(QImage::Format_RGB32);
        QVERIFY2(!wzorzec.isNull(), "the reference picture is missing");
        QCOMPARE(obraz.size(), wzorzec.size());
        QVERIFY2(Rozne(obraz, wzorzec) < 0.005, "the diagram differs from the reviewed picture");
    }

    void stateChangesShowOnThePicture()
    {
        TStacjaTestowa t;
        const QImage przed = ObrazDiagramu(t.Stacja, 1);
        t.E<TTor>("Tor11").SetStan(tStan::utwierdzony);
        const QImage po = ObrazDiagramu(t.Stacja, 1);
        // The middle of Tor11's stroke turns from the background to the lock colour.
        const TTor& tor = t.E<TTor>("Tor11");
        const QPoint srodek(tor.Left + tor.Width / 2, tor.Top + tor.Height / 2);
        QCOMPARE(przed.pixelColor(srodek), QColor(0xE8, 0xD8, 0xBD));
        QCOMPARE(po.pixelColor(srodek), QColor(0, 128, 0));
    }

    void aLargerScaleIsDrawnAfreshNotEnlarged()
    {
        TStacjaTestowa t;
        const QImage raz = ObrazDiagramu(t.Stacja, 1);
        const QImage dwa = ObrazDiagramu(t.Stacja, 2);
        QCOMPARE(dwa.size(), raz.size() * 2);
        const QImage powiekszony = raz.scaled(raz.size() * 2).convertToFormat(dwa.format());
        QVERIFY(Rozne(dwa, powiekszony) > 0.001);
    }
};

QTEST_MAIN(ObrazDiagramuTest)
#include "obraz_test.moc"
