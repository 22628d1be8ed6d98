// The report window on the offscreen platform: its table, its charts and its three exports.
#include "core/wkt_stream.h"
#include "report/raport_dnia.h"
#include "tests/support/katalog_tymczasowy.h"
#include "tests/support/menu_kontekstowe.h"
#include "tests/support/usterka_plikow.h"
#include "ui/canvas/obraz.h"
#include "ui/report/okno_raportu.h"
#include "ui/report/raport_png.h"
#include "ui/report/raport_wykresy.h"

#include <QAreaSeries>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLegend>
#include <QLineSeries>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QStackedBarSeries>
#include <QTabWidget>
#include <QTableWidget>
#include <QtTest>

#include <cerrno>
#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

double G(int h, int m, int s = 0) { return (h * 3600 + m * 60 + s) / 86400.0; }

// A day of three trains: one punctual, one late, one that never came; a score line and occupation.
TRaportDnia Dzien()
{
    TRaportDnia d;
    d.Poczatek = G(4, 0);
    d.ScorePoczatkowy = 200;
    TPociagRaportu a;
    a.Id = 1;
    a.Numer = "34101";
    a.RelacjaOd = "Olszarzyna";
    a.RelacjaDo = "Brzelany";
    a.PrzyjazdPlan = G(4, 30);
    a.OdjazdPlan = G(4, 35);
    a.Przyjazd = G(4, 29, 30);
    a.Odjazd = G(4, 35, 20);
    a.Punktualny = true;
    a.Punkty = 20;
    TPociagRaportu b = a;
    b.Id = 2;
    b.Numer = "1034";
    b.PrzyjazdPlan = G(5, 0);
    b.OdjazdPlan = G(5, 5);
    b.Przyjazd = G(5, 4);
    b.Odjazd = G(5, 16);
    b.Punktualny = false;
    b.Punkty = -19;
    TPociagRaportu c = a;
    c.Id = 3;
    c.Numer = "44601";
    c.PrzyjazdPlan = G(6, 0);
    c.OdjazdPlan = G(6, 5);
    c.Przyjazd.reset();
    c.Odjazd.reset();
    c.Punktualny = false;
    c.Punkty = 0;
    d.Pociagi = {a, b, c};
    d.Rodzaje[static_cast<std::size_t>(tRodzajOceny::otwarcieDnia)] = {1, 200};
    d.Rodzaje[static_cast<std::size_t>(tRodzajOceny::odjazdPunktualny)] = {1, 20};
    d.Rodzaje[static_cast<std::size_t>(tRodzajOceny::odjazdOpozniony)] = {1, -11};
    d.Rodzaje[static_cast<std::size_t>(tRodzajOceny::przetrzymanie)] = {1, -8};
    d.Punkty = 201;
    d.Wynik = {{G(4, 0), 200}, {G(4, 0), 400}, {G(4, 35, 20), 420}, {G(5, 4), 412}, {G(5, 16), 401}};
    d.Zajetosc = {{"p1", G(4, 29, 30), G(4, 35, 10), "34101"}, {"p2", G(5, 4), G(5, 16), "1034"}};
    return d;
}

// The same day with disturbances: the late train brought five of its eleven minutes in from the
// line, the one that never came was to bring three.
TRaportDnia DzienZUtrudnieniami()
{
    TRaportDnia d = Dzien();
    d.ZUtrudnieniami = true;
    d.Pociagi[1].OpoznienieWjazdu = 300;
    d.Pociagi[2].OpoznienieWjazdu = 180;
    return d;
}

QStringList Naglowki(QTableWidget* t)
{
    QStringList n;
    for (int k = 0; k < t->columnCount(); ++k)
        n << t->horizontalHeaderItem(k)->text();
    return n;
}

int Wiersz(QTableWidget* t, const QString& numer)
{
    for (int r = 0; r < t->rowCount(); ++r)
        if (t->item(r, 0)->text() == numer)
            return r;
    return -1;
}

// A day of n trains, every third of them late.
TRaportDnia DzienPociagow(int n)
{
    TRaportDnia d = Dzien();
    d.Pociagi.clear();
    for (int i = 0; i < n; ++i) {
        TPociagRaportu t = Dzien().Pociagi[i % 3 == 1 ? 1 : 0];
        t.Id = static_cast<std::uint32_t>(i + 1);
        t.Numer = std::to_string(34100 + i);
        d.Pociagi.push_back(t);
    }
    return d;
}

// A disk that takes every file but one page's, whichever thread writes it.
class TUsterkaStrony : public TOperacjePlikowe {
public:
    explicit TUsterkaStrony(std::string strona) : strona_("/" + std::move(strona) + PrzyrostekTymczasowego) {}
    int UtworzTymczasowy(std::string& wzor) override
    {
        if (wzor.find(strona_) != std::string::npos) {
            errno = ENOSPC;
            return -1;
        }
        return TOperacjePlikowe::UtworzTymczasowy(wzor);
    }

private:
    std::string strona_;
};

// The report window telling what it would show the player instead of showing it.
class TOknoRaportuTestowe : public TOknoRaportu {
public:
    explicit TOknoRaportuTestowe(const TRaportDnia& dzien) : TOknoRaportu(dzien, QStringLiteral("Raport dnia")) {}
    QStringList Bledy;

protected:
    void PokazBlad(const QString& tekst) override { Bledy << tekst; }
};

}  // namespace

class OknoRaportuTest : public QObject {
    Q_OBJECT

private slots:
    void TheTableListsEveryTrainAndLateOnesStandOut()
    {
        TOknoRaportu okno(Dzien(), QStringLiteral("Raport dnia"));
        QTableWidget* t = okno.Tabela();
        QCOMPARE(t->rowCount(), 3);
        const int pozny = Wiersz(t, "1034"), punktualny = Wiersz(t, "34101"), brak = Wiersz(t, "44601");
        QCOMPARE(t->item(pozny, 6)->text(), QStringLiteral("11"));
        QCOMPARE(t->item(pozny, 7)->text(), QStringLiteral("-19"));
        QVERIFY(t->item(pozny, 6)->font().bold());
        QCOMPARE(t->item(pozny, 0)->background().color(), QColor(255, 220, 220));
        QVERIFY(t->item(punktualny, 0)->background().style() == Qt::NoBrush);
        // A train that never came has no actual times.
        QCOMPARE(t->item(brak, 3)->text(), QStringLiteral("-"));
        QCOMPARE(t->item(brak, 5)->text(), QStringLiteral("-"));
        QCOMPARE(t->item(brak, 6)->text(), QStringLiteral("-"));
    }

    void TheTableSplitsTheDelayIntoTheLinesPartAndTheStationsOnlyOnADayWithDisturbances()
    {
        const QStringList zwykle = {QStringLiteral("Numer"),          QStringLiteral("Relacja"),
                                    QStringLiteral("Przyjazd"),       QStringLiteral("Przyjazd rzecz."),
                                    QStringLiteral("Odjazd"),         QStringLiteral("Odjazd rzecz."),
                                    QStringLiteral("Opóźnienie [min]"), QStringLiteral("Punkty")};
        {
            TOknoRaportu okno(Dzien(), QStringLiteral("Raport dnia"));
            QCOMPARE(Naglowki(okno.Tabela()), zwykle);
        }
        TOknoRaportu okno(DzienZUtrudnieniami(), QStringLiteral("Raport dnia"));
        QTableWidget* t = okno.Tabela();
        QStringList podzielone = zwykle;
        podzielone.insert(7, QStringLiteral("Z trasy"));
        podzielone.insert(8, QStringLiteral("Na stacji"));
        QCOMPARE(Naglowki(t), podzielone);
        const int pozny = Wiersz(t, "1034"), punktualny = Wiersz(t, "34101"), brak = Wiersz(t, "44601");
        QCOMPARE(t->item(pozny, 6)->text(), QStringLiteral("11"));
        QCOMPARE(t->item(pozny, 7)->text(), QStringLiteral("5"));
        QCOMPARE(t->item(pozny, 8)->text(), QStringLiteral("6"));
        QCOMPARE(t->item(pozny, 9)->text(), QStringLiteral("-19"));
        QCOMPARE(t->item(pozny, 8)->background().color(), QColor(255, 220, 220));
        QCOMPARE(t->item(punktualny, 7)->text(), QStringLiteral("0"));
        QCOMPARE(t->item(punktualny, 8)->text(), QStringLiteral("0"));
        // Never came: only what the line told of it is known.
        QCOMPARE(t->item(brak, 7)->text(), QStringLiteral("3"));
        QCOMPARE(t->item(brak, 8)->text(), QStringLiteral("-"));
        // The station's part sorts as numbers, the unknown last.
        t->sortByColumn(8, Qt::DescendingOrder);
        QCOMPARE(t->item(0, 0)->text(), QStringLiteral("1034"));
        QCOMPARE(t->item(2, 0)->text(), QStringLiteral("44601"));
    }

    void TheDelayChartSplitsALateTrainsBarWithALegendOnlyOnADayWithDisturbances()
    {
        const auto zestawy = [](QChart* w) {
            auto* seria = qobject_cast<QStackedBarSeries*>(w->series().at(0));
            return seria != nullptr ? seria->barSets() : QList<QBarSet*>();
        };
        std::unique_ptr<QChart> zwykly(WykresOpoznien(Dzien()));
        QCOMPARE(zestawy(zwykly.get()).size(), 2);
        QVERIFY(!zwykly->legend()->isVisible());

        std::unique_ptr<QChart> podzielony(WykresOpoznien(DzienZUtrudnieniami()));
        QVERIFY(podzielony->legend()->isVisible());
        const QList<QBarSet*> z = zestawy(podzielony.get());
        QCOMPARE(z.size(), 3);
        QCOMPARE(z[0]->label(), QStringLiteral("w czasie"));
        QCOMPARE(z[1]->label(), QStringLiteral("z trasy"));
        QCOMPARE(z[2]->label(), QStringLiteral("na stacji"));
        QVERIFY(z[1]->color() != z[2]->color());
        // The bars in the day's order: the punctual train, then the late one; the third never came.
        QCOMPARE(z[0]->count(), 2);
        QCOMPARE(z[0]->at(0), 0.0);
        QCOMPARE(z[1]->at(0) + z[2]->at(0), 0.0);
        QCOMPARE(z[0]->at(1), 0.0);
        QCOMPARE(z[1]->at(1), 5.0);
        QCOMPARE(z[2]->at(1), 6.0);
        auto* seria = qobject_cast<QStackedBarSeries*>(podzielony->series().at(0));
        emit seria->hovered(true, 1, z[2]);
        QCOMPARE(podzielony->toolTip(), QStringLiteral("pociąg 1034: 11 min (z trasy 5, na stacji 6)"));
    }

    void ATrainThatCostPointsOffersItsMomentInTheRecordAndClosesTheWindowWithIt()
    {
        TOknoRaportu okno(Dzien(), QStringLiteral("Raport dnia"));
        okno.show();
        QTableWidget* t = okno.Tabela();
        t->sortByColumn(0, Qt::AscendingOrder);
        const auto srodek = [t](const char* numer) { return t->visualItemRect(t->item(Wiersz(t, numer), 1)).center(); };
        // Not offered where nobody takes it.
        QVERIFY(!PozycjaMenuKontekstowego(t->viewport(), srodek("1034"), "Pokazwzapisie1", false).Jest);
        okno.UstawPokazWZapisie(true);
        const TPozycjaMenuKontekstowego dobry = PozycjaMenuKontekstowego(t->viewport(), srodek("34101"), "Pokazwzapisie1", false);
        QVERIFY(dobry.Jest);
        QVERIFY(!dobry.Wlaczona);
        QVERIFY(okno.isVisible());
        QVERIFY(PozycjaMenuKontekstowego(t->viewport(), srodek("1034"), "Pokazwzapisie1", true).Wlaczona);
        QVERIFY(!okno.isVisible());
        QCOMPARE(okno.result(), int(QDialog::Accepted));
        QCOMPARE(okno.PociagDoPokazania().value_or(0), 2u);
    }

    void ColumnsSortByTheirValuesNotTheirText()
    {
        TOknoRaportu okno(Dzien(), QStringLiteral("Raport dnia"));
        QTableWidget* t = okno.Tabela();
        t->sortByColumn(0, Qt::AscendingOrder);
        QCOMPARE(t->item(0, 0)->text(), QStringLiteral("1034"));  // 1034 before 34101 as numbers
        t->sortByColumn(6, Qt::DescendingOrder);
        QCOMPARE(t->item(0, 0)->text(), QStringLiteral("1034"));
        QCOMPARE(t->item(2, 0)->text(), QStringLiteral("44601"));  // no delay comes last
        t->sortByColumn(2, Qt::DescendingOrder);
        QCOMPARE(t->item(0, 2)->text(), QStringLiteral("6:00"));
    }

    void TheWindowShowsItsChartsOffscreen()
    {
        TOknoRaportu okno(Dzien(), QStringLiteral("Raport dnia"));
        okno.show();
        okno.Zakladki()->setCurrentIndex(1);
        QVERIFY(QTest::qWaitForWindowExposed(&okno));
        const QImage obraz = okno.grab().toImage();
        QVERIFY(!obraz.isNull());
        std::set<QRgb> kolory;
        for (int y = 0; y < obraz.height(); y += 7)
            for (int x = 0; x < obraz.width(); x += 7)
                kolory.insert(obraz.pixel(x, y));
        QVERIFY(kolory.size() > 10);
    }

    void TheWindowOpensAtTheScaleOfTheStationWindowWithinTheScreen()
    {
        TOknoRaportu okno(Dzien(), QStringLiteral("Raport dnia"));
        const QSize projekt = okno.size();
        const qreal punkty = okno.Tabela()->font().pointSizeF();
        okno.UstawSkale(2.0);
        QCOMPARE(okno.Tabela()->font().pointSizeF(), 2 * punkty);
        const QSize ekran = okno.screen()->availableGeometry().size();
        QCOMPARE(okno.size(), (projekt * 2).boundedTo(ekran));
    }

    void TheOccupationChartsBandsGoWithTheChart()
    {
        QList<QPointer<QLineSeries>> krawedzie;
        {
            std::unique_ptr<QChart> wykres(WykresZajetosci(Dzien()));
            for (QAbstractSeries* s : wykres->series())
                if (auto* pas = qobject_cast<QAreaSeries*>(s))
                    krawedzie << pas->upperSeries() << pas->lowerSeries();
            QVERIFY(!krawedzie.isEmpty());
        }
        for (const auto& k : krawedzie)
            QVERIFY(k.isNull());
    }

    void TheThreeExportsWriteTheirFiles()
    {
        TKatalogTymczasowy katalog;
        TOknoRaportu okno(Dzien(), QStringLiteral("Raport dnia"));
        const QString csv = QString::fromStdString(katalog.Sciezka("raport.csv"));
        const QString png = QString::fromStdString(katalog.Sciezka("raport.png"));
        const QString pdf = QString::fromStdString(katalog.Sciezka("raport.pdf"));
        QVERIFY(okno.EksportujCsv(csv));
        QVERIFY(okno.EksportujPng(png));
        QVERIFY(okno.EksportujPdf(pdf));

        QFile c(csv);
        QVERIFY(c.open(QIODevice::ReadOnly));
        QCOMPARE(c.readAll().toStdString(), RaportCsv(okno.Dzien()));

        const QImage obraz(png);
        QVERIFY(!obraz.isNull());
        QVERIFY(obraz.width() > 500);
        int ciemne = 0;
        for (int y = 0; y < obraz.height(); y += 3)
            for (int x = 0; x < obraz.width(); x += 3)
                ciemne += qGray(obraz.pixel(x, y)) < 128;
        QVERIFY2(ciemne > 500, "the PNG is blank");

        QFile p(pdf);
        QVERIFY(p.open(QIODevice::ReadOnly));
        const QByteArray dane = p.readAll();
        QVERIFY(dane.startsWith("%PDF"));
        const int strony = static_cast<int>(dane.count("/Type /Page\n") + dane.count("/Type /Page ") +
                                            dane.count("/Type /Page>") + dane.count("/Type /Page/"));
        QVERIFY2(strony >= 1, dane.left(400).constData());
        QCOMPARE(strony, LiczbaStronRaportu(okno.Dzien(), QRectF(0, 0, 1240, 1754)));
    }

    // Every export says under the table what it wrote; one that fails takes back what an earlier
    // one said.
    void TheWindowTellsWhatAnExportWroteAndNothingAfterOneFails()
    {
        TKatalogTymczasowy katalog;
        TOknoRaportuTestowe okno(Dzien());
        QVERIFY(okno.OpisEksportu()->isHidden());
        QVERIFY(okno.EksportujCsv(QString::fromStdString(katalog.Sciezka("dzien.csv"))));
        QCOMPARE(okno.OpisEksportu()->text(), QStringLiteral("Zapisano dzien.csv."));
        QVERIFY(!okno.OpisEksportu()->isHidden());
        QVERIFY(okno.EksportujPdf(QString::fromStdString(katalog.Sciezka("dzien.pdf"))));
        QCOMPARE(okno.OpisEksportu()->text(), QStringLiteral("Zapisano dzien.pdf."));
        QVERIFY(!okno.EksportujPdf(QStringLiteral("/nie/ma/takiego/katalogu/dzien.pdf")));
        QVERIFY(okno.OpisEksportu()->isHidden());
    }

    void AnExportToAFolderThatDoesNotExistFailsNamingTheFolder()
    {
        for (const std::string& powod : {ZapiszRaportPdf(Dzien(), "/nie/ma/takiego/katalogu/raport.pdf"),
                                         ZapiszRaportPng(Dzien(), "/nie/ma/takiego/katalogu/raport.png")})
            QVERIFY2(powod.find("/nie/ma/takiego/katalogu") != std::string::npos, powod.c_str());
    }

    // A disk that fills up half way through the file: the old export stays as it was, no temporary
    // is left beside it, and the player is told which file and why.
    void AFullDiskKeepsTheOldExportAndTellsWhy()
    {
        TKatalogTymczasowy katalog;
        TOknoRaportuTestowe okno(Dzien());
        const std::pair<const char*, bool (TOknoRaportu::*)(const QString&)> eksporty[] = {
            {"raport.csv", &TOknoRaportu::EksportujCsv},
            {"raport.png", &TOknoRaportu::EksportujPng},
            {"raport.pdf", &TOknoRaportu::EksportujPdf}};
        for (const auto& [nazwa, eksport] : eksporty) {
            const std::string plik = katalog.Sciezka(nazwa);
            PiszBajty(plik, {'s', 't', 'a', 'r', 'y'});
            for (const tKrok krok : {tKrok::pisanie, tKrok::synchronizacja, tKrok::zamkniecie}) {
                okno.Bledy.clear();
                TUsterka usterka(krok, 1, ENOSPC);
                TPodmianaOperacjiPlikowych podmiana(usterka);
                QVERIFY2(!(okno.*eksport)(QString::fromStdString(plik)), nazwa);
                QCOMPARE(CzytajBajty(plik), (std::vector<std::uint8_t>{'s', 't', 'a', 'r', 'y'}));
                QCOMPARE(okno.Bledy.size(), 1);
                QVERIFY2(okno.Bledy[0].contains(QString::fromStdString(plik)), qPrintable(okno.Bledy[0]));
                QVERIFY2(okno.Bledy[0].contains(QStringLiteral("brak miejsca na dysku")), qPrintable(okno.Bledy[0]));
            }
        }
        QCOMPARE(katalog.Pliki(), (std::vector<std::string>{"raport.csv", "raport.pdf", "raport.png"}));
    }

    // The name's bytes are the file system's: a name that is not UTF-8 is written as it is.
    void AFileNameThatIsNotUtf8IsWrittenAsItIs()
    {
        TKatalogTymczasowy katalog;
        for (const char* rozszerzenie : {".png", ".pdf"}) {
            const std::string plik = katalog.Sciezka(std::string("raport\xff") + rozszerzenie);
            const std::string powod = rozszerzenie == std::string(".png") ? ZapiszRaportPng(Dzien(), plik)
                                                                          : ZapiszRaportPdf(Dzien(), plik);
            QCOMPARE(powod, std::string());
            QVERIFY(std::filesystem::is_regular_file(plik));
        }
        // The day's two pages of PNG under the name's very bytes, and the PDF.
        QCOMPARE(katalog.Pliki(), (std::vector<std::string>{"raport\xff-2.png", "raport\xff.pdf", "raport\xff.png"}));
    }


    void theDelayChartOfABusyDayKeepsItsBarsAndTellsATrainWhenPointedAt()
    {
        const auto os = [](QChart* w) {
            for (QAbstractAxis* a : w->axes(Qt::Horizontal))
                if (auto* k = qobject_cast<QBarCategoryAxis*>(a))
                    return k;
            return static_cast<QBarCategoryAxis*>(nullptr);
        };
        TRaportDnia d = Dzien();
        std::unique_ptr<QChart> malo(WykresOpoznien(d));
        QVERIFY(os(malo.get())->labelsVisible());
        while (static_cast<int>(d.Pociagi.size()) <= NajwiecejPodpisowOpoznien + 30) {
            TPociagRaportu t = d.Pociagi[1];
            t.Numer = std::to_string(50000 + d.Pociagi.size());
            d.Pociagi.push_back(t);
        }
        std::unique_ptr<QChart> duzo(WykresOpoznien(d));
        QBarCategoryAxis* x = os(duzo.get());
        QVERIFY(!x->labelsVisible());
        QVERIFY(x->titleText().contains(QStringLiteral("wskaż słupek")));
        auto* seria = qobject_cast<QStackedBarSeries*>(duzo->series().at(0));
        QVERIFY(seria != nullptr);
        QCOMPARE(x->count(), static_cast<int>(d.Pociagi.size()) - 1);  // the one that never came has no bar
        emit seria->hovered(true, x->count() - 1, seria->barSets().at(0));
        QCOMPARE(duzo->toolTip(), QStringLiteral("pociąg %1: 11 min").arg(QString::fromStdString(d.Pociagi.back().Numer)));
        emit seria->hovered(false, x->count() - 1, seria->barSets().at(0));
        QVERIFY(duzo->toolTip().isEmpty());
    }

    // A crowded day's delay chart has a bar per hour of the timetable, each the mean of its trains'
    // delays (the punctual part below, the late part above), and pointing at one tells the hour.
    void theDelayChartOfACrowdedDayHasABarPerHourWithItsTrainsMeanDelay()
    {
        TRaportDnia d;
        d.Poczatek = 4 / 24.0;
        const auto pociag = [&](int godzina, int opoznienie) {
            TPociagRaportu t;
            t.Numer = std::to_string(60000 + d.Pociagi.size());
            t.PrzyjazdPlan = (godzina * 60 + 10) / 1440.0;
            t.OdjazdPlan = t.PrzyjazdPlan + 4 / 1440.0;
            t.Odjazd = t.OdjazdPlan + (opoznienie * 60 + 10) / 86400.0;
            d.Pociagi.push_back(t);
        };
        const int naGodzine = NajwiecejSlupkowOpoznien / 2 + 1;
        for (int i = 0; i < naGodzine; ++i)
            pociag(8, 1);  // on time, a minute behind
        for (int i = 0; i < naGodzine; ++i)
            pociag(9, i % 2 == 0 ? 10 : 0);  // every other one ten minutes late
        std::unique_ptr<QChart> w(WykresOpoznien(d));
        QVERIFY(w->title().contains(QStringLiteral("w godzinach")));
        auto* seria = qobject_cast<QStackedBarSeries*>(w->series().at(0));
        QVERIFY(seria != nullptr);
        QBarCategoryAxis* x = nullptr;
        for (QAbstractAxis* a : w->axes(Qt::Horizontal))
            x = x != nullptr ? x : qobject_cast<QBarCategoryAxis*>(a);
        QVERIFY(x != nullptr);
        QCOMPARE(x->categories(), (QStringList{QStringLiteral("8"), QStringLiteral("9")}));
        const QBarSet* wCzasie = seria->barSets().front();
        const QBarSet* spoznione = seria->barSets().back();
        QCOMPARE(wCzasie->at(0), 1.0);
        QCOMPARE(spoznione->at(0), 0.0);
        const int spoznionych = (naGodzine + 1) / 2;
        QCOMPARE(spoznione->at(1), 10.0 * spoznionych / naGodzine);
        QCOMPARE(wCzasie->at(1), 0.0);
        emit seria->hovered(true, 1, seria->barSets().at(0));
        QCOMPARE(w->toolTip(), QStringLiteral("godzina 9: pociągów %1, spóźnionych %2, średnio %3 min")
                                   .arg(naGodzine)
                                   .arg(spoznionych)
                                   .arg(10.0 * spoznionych / naGodzine, 0, 'f', 1));
    }

    // The report of a day of 120 trains is four A4 pages: the charts' in the file named, the table's
    // beside it, each a whole PNG of its own; the window tells which files it wrote.
    void AReportOfManyPagesIsWrittenAFilePerPage()
    {
        TKatalogTymczasowy katalog;
        TOknoRaportuTestowe okno(DzienPociagow(120));
        QVERIFY(okno.OpisEksportu()->isHidden());
        QVERIFY(okno.EksportujPng(QString::fromStdString(katalog.Sciezka("raport.png"))));
        QCOMPARE(LiczbaStronPng(okno.Dzien()), 4);
        QCOMPARE(katalog.Pliki(), (std::vector<std::string>{"raport-2.png", "raport-3.png", "raport-4.png", "raport.png"}));
        for (const char* nazwa : {"raport.png", "raport-2.png", "raport-3.png", "raport-4.png"}) {
            const QImage strona(QString::fromStdString(katalog.Sciezka(nazwa)), "PNG");
            QVERIFY2(!strona.isNull(), nazwa);
            QCOMPARE(strona.size(), QSize(827, 1169));
        }
        QVERIFY(!okno.OpisEksportu()->isHidden());
        QCOMPARE(okno.OpisEksportu()->text(), QStringLiteral("Zapisano 4 strony: raport.png, raport-2.png … raport-4.png."));
        QVERIFY(okno.Bledy.isEmpty());
    }

    // A table page drawn from kept words into a palette shows what the page drawn with a QPainter
    // shows, where it shows it: the late trains' rows, the rules, and about as much text.
    void ATablePageOfThePngShowsWhatThePdfsPageShows()
    {
        const TRaportDnia d = DzienPociagow(120);
        QImage png;
        QVERIFY(png.loadFromData(StronaRaportuPng(d, 2), "PNG"));
        png = png.convertToFormat(QImage::Format_RGB32);
        QImage wzor(827, 1169, QImage::Format_RGB32);
        {
            QPainter p(&wzor);
            p.setRenderHint(QPainter::Antialiasing);
            p.setRenderHint(QPainter::TextAntialiasing);
            RysujStroneRaportu(p, d, StronaPng, 2);
        }
        int tloZgodne = 0, tlo = 0, ciemneWzoru = 0, ciemne = 0;
        for (int y = 0; y < wzor.height(); ++y)
            for (int x = 0; x < wzor.width(); ++x) {
                const QRgb a = wzor.pixel(x, y), b = png.pixel(x, y);
                const bool rozowyA = a == qRgb(255, 220, 220), rozowyB = b == qRgb(255, 220, 220);
                tlo += rozowyA;
                tloZgodne += rozowyA && rozowyB;
                ciemneWzoru += qGray(a) < 128;
                ciemne += qGray(b) < 128;
            }
        QVERIFY2(tlo > 10000, "the day has late trains");
        QVERIFY2(tloZgodne > tlo * 95 / 100, qPrintable(QStringLiteral("%1 of %2").arg(tloZgodne).arg(tlo)));
        QVERIFY2(std::abs(ciemne - ciemneWzoru) < ciemneWzoru / 5, qPrintable(QStringLiteral("%1 against %2").arg(ciemne).arg(ciemneWzoru)));
        // The rule under the first train's row is there, a late train's row below it.
        const int linia = static_cast<int>(827 * 0.05 + 827 / 14.0 + 2 * 827 / 45.0);
        int szare = 0;
        for (int y = linia - 2; y <= linia + 2; ++y)
            szare += png.pixel(400, y) == qRgb(200, 200, 200);
        QCOMPARE(szare, 1);
    }

    // A day with no trains is one page: the file named and nothing beside it, the very bytes the
    // single page has always been written as.
    void AOnePageReportWritesOneFileAsItAlwaysDid()
    {
        TKatalogTymczasowy katalog;
        TRaportDnia d = Dzien();
        d.Pociagi.clear();
        QCOMPARE(LiczbaStronPng(d), 1);
        QCOMPARE(ZapiszRaportPng(d, katalog.Sciezka("raport.png")), std::string());
        QCOMPARE(katalog.Pliki(), std::vector<std::string>{"raport.png"});
        QImage obraz(827, 1169, QImage::Format_RGB32);
        obraz.fill(Qt::white);
        {
            QPainter p(&obraz);
            p.setRenderHint(QPainter::Antialiasing);
            p.setRenderHint(QPainter::TextAntialiasing);
            RysujStroneRaportu(p, d, StronaPng, 0);
        }
        QFile plik(QString::fromStdString(katalog.Sciezka("raport.png")));
        QVERIFY(plik.open(QIODevice::ReadOnly));
        QCOMPARE(plik.readAll(), BajtyPng(obraz));
    }

    // A page that cannot be written stops the export and is named; no page is put in place (an old
    // export stays as it was), no temporary is left, and the window says it failed.
    void AFailedPageIsReportedNamingItsFile()
    {
        TKatalogTymczasowy katalog;
        TOknoRaportuTestowe okno(DzienPociagow(120));
        const std::string plik = katalog.Sciezka("raport.png");
        TUsterkaStrony usterka("raport-3.png");
        TPodmianaOperacjiPlikowych podmiana(usterka);
        QVERIFY(!okno.EksportujPng(QString::fromStdString(plik)));
        QCOMPARE(okno.Bledy.size(), 1);
        QVERIFY2(okno.Bledy[0].contains(QString::fromStdString(katalog.Sciezka("raport-3.png"))), qPrintable(okno.Bledy[0]));
        QVERIFY2(okno.Bledy[0].contains(QStringLiteral("brak miejsca na dysku")), qPrintable(okno.Bledy[0]));
        QCOMPARE(katalog.Pliki(), std::vector<std::string>{});
        QVERIFY(okno.OpisEksportu()->isHidden());
    }

    // Page k of a long report sorts after page k - 1 by name: its number is as wide as the last.
    void APagesFileIsNamedAfterTheFileAndNumberedToTheWidthOfTheLast()
    {
        QCOMPARE(PlikStronyPng("/d/raport.png", 0, 550), std::string("/d/raport.png"));
        QCOMPARE(PlikStronyPng("/d/raport.png", 1, 550), std::string("/d/raport-002.png"));
        QCOMPARE(PlikStronyPng("/d/raport.png", 549, 550), std::string("/d/raport-550.png"));
        QCOMPARE(PlikStronyPng("/d/raport.png", 1, 9), std::string("/d/raport-2.png"));
        QCOMPARE(PlikStronyPng("/d/raport.png", 9, 10), std::string("/d/raport-10.png"));
        QCOMPARE(PlikStronyPng("RAPORT.PNG", 2, 12), std::string("RAPORT-03.PNG"));
        QCOMPARE(PlikStronyPng("/d/dzie\xc5\x84.1.png", 1, 2), std::string("/d/dzie\xc5\x84.1-2.png"));
    }

    void ALongDayTakesMoreTablePages()
    {
        TRaportDnia d = Dzien();
        const QRectF a4(0, 0, 1240, 1754);
        const int krotki = LiczbaStronRaportu(d, a4);
        for (int i = 0; i < 120; ++i)
            d.Pociagi.push_back(d.Pociagi[0]);
        QCOMPARE(krotki, 2);
        QVERIFY(LiczbaStronRaportu(d, a4) > krotki);
    }
};

QTEST_MAIN(OknoRaportuTest)
#include "okno_raportu_test.moc"
