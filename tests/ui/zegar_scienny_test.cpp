// The wall clock of the journal's lines: the local date and time, counted in days from the end of
// 1899, whatever the zone's offset was in 1899.
#include "ui/services/qt_uslugi.h"

#include <QDateTime>
#include <QFile>
#include <QtTest>

#include <ctime>

namespace {

void UstawStrefe(const char* strefa)
{
    qputenv("TZ", strefa);
    tzset();
}

// The local time now, as the journal counts it.
double LokalnieTeraz()
{
    const QDateTime teraz = QDateTime::currentDateTime();
    return QDate(1899, 12, 30).daysTo(teraz.date()) + teraz.time().msecsSinceStartOfDay() / 86400000.0;
}

}  // namespace

class ZegarSciennyTest : public QObject {
    Q_OBJECT

private slots:
    void theWallClockReadsTheLocalTimeOfTheZone_data()
    {
        QTest::addColumn<QByteArray>("strefa");
        // A zone given by its rule alone, an hour east of Greenwich, with summer time.
        QTest::newRow("rule") << QByteArray("CET-1CEST,M3.5.0,M10.5.0/3");
        // A zone whose offset in 1899 (local mean time, 1:24) was not its offset of today.
        QTest::newRow("Warsaw") << QByteArray("Europe/Warsaw");
        QTest::newRow("New York") << QByteArray("America/New_York");
    }

    void theWallClockReadsTheLocalTimeOfTheZone()
    {
        QFETCH(QByteArray, strefa);
        if (!strefa.contains(',') && !QFile::exists("/usr/share/zoneinfo/" + strefa))
            QSKIP("the zone database is not installed");
        const QByteArray dawna = qgetenv("TZ");
        UstawStrefe(strefa.constData());
        const TQtZegarScienny zegar;
        const double oczekiwany = LokalnieTeraz();
        const double odczyt = zegar.Teraz();
        UstawStrefe(dawna.isEmpty() ? "UTC" : dawna.constData());
        // Within two seconds of each other.
        QVERIFY2(std::abs(odczyt - oczekiwany) < 2.0 / 86400,
                 qPrintable(QStringLiteral("%1 against %2").arg(odczyt, 0, 'f', 6).arg(oczekiwany, 0, 'f', 6)));
    }
};

QTEST_MAIN(ZegarSciennyTest)
#include "zegar_scienny_test.moc"
