// The station window repaints only what changed: nothing for a tick that changes nothing, the
// rectangles of the changed elements and their buttons for a tick that moves a train.
#include "interlocking/wktcolorbutton.h"
#include "run/symulacja_stacji.h"
#include "station/etykiety_pociagow.h"
#include "station/przycisk_elementu.h"
#include "station/upunkt.h"
#include "tests/support/okno_testowe.h"
#include "tests/support/srodowisko_testowe.h"
#include "trains/sklad.h"
#include "ui/station/diagram.h"
#include "ui/station/okno_stacji.h"
#include "ui/station/przycisk_widok.h"

#include <QPaintEvent>
#include <QSettings>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>

#include <algorithm>
#include <map>
#include <set>

namespace {

// Every paint a widget gets, with the region it repaints.
class TMalowania : public QObject {
public:
    std::map<QObject*, QRegion> Obszary;
    void Obserwuj(QWidget* w) { w->installEventFilter(this); }
    bool Malowany(QObject* w) const { return Obszary.count(w) != 0; }

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Paint)
            Obszary[o] += static_cast<QPaintEvent*>(e)->region();
        return false;
    }
};

struct TStanowisko {
    TSrodowiskoTestowe s;
    TSymulacjaStacji sym{s.Uslugi, s.Rozklad};
    TOknoTestowe okno{sym};
    TMalowania malowania;

    TStanowisko()
    {
        s.Rozklad.ZapiszRozklad();
        okno.resize(900, 600);
        okno.show();
        okno.Zegar()->stop();
        // The page with the signal and switch buttons in sight: hidden buttons are never painted.
        auto* strony = okno.findChild<QTabWidget*>("pcInfo1");
        strony->setCurrentWidget(strony->findChild<QWidget*>("tsSterowanie"));
        okno.Tyknij();
        Ustal();
        malowania.Obserwuj(okno.Diagram());
        for (TPrzyciskWidok* p : okno.Przyciski())
            malowania.Obserwuj(p);
    }
    // Everything pending is painted.
    void Przetworz()
    {
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
    }
    // What is counted starts from here.
    void Ustal()
    {
        Przetworz();
        malowania.Obszary.clear();
    }
    TPunkt& P(const char* nazwa) { return *sym.Stacja().Znajdz<TPunkt>(nazwa); }
    QPoint Srodek(const char* nazwa)
    {
        const TPunkt& p = P(nazwa);
        const double z = okno.Diagram()->Powiekszenie();
        return QPoint(static_cast<int>((p.Left + p.Width / 2) * z), static_cast<int>((p.Top + p.Height / 2) * z));
    }
};

}  // namespace

class OdswiezanieTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QSettings("WKT", "Drelinko").clear();
    }

    void aTickThatChangesNothingRepaintsNeitherTheDiagramNorAnyButton()
    {
        TStanowisko t;
        for (int i = 0; i < 5; ++i) {
            t.okno.Tyknij();
            t.Przetworz();
        }
        QVERIFY(!t.malowania.Malowany(t.okno.Diagram()));
        for (TPrzyciskWidok* p : t.okno.Przyciski())
            QVERIFY2(!t.malowania.Malowany(p), qPrintable(p->objectName()));
    }

    void aQuietTickRepaintsOnlyTheClocksInTheWholeWindow()
    {
        TStanowisko t;
        const QList<QWidget*> wszystkie = t.okno.findChildren<QWidget*>();
        for (QWidget* w : wszystkie)
            t.malowania.Obserwuj(w);
        t.malowania.Obserwuj(&t.okno);
        // The clocks that move with every tick: the hour and seconds labels, the status bar's two
        // times, the dial's hands.
        QRegion zegary;
        for (const char* nazwa : {"lbCzas", "lbCzasSek", "status2", "status3"}) {
            auto* w = t.okno.findChild<QWidget*>(nazwa);
            QVERIFY2(w != nullptr, nazwa);
            zegary += QRect(w->mapTo(&t.okno, QPoint()), w->size());
        }
        for (QWidget* w : wszystkie)
            if (w->inherits("TZegarWidok"))
                zegary += QRect(w->mapTo(&t.okno, QPoint()), w->size());
        for (int i = 0; i < 5; ++i) {
            t.okno.Tyknij();
            t.Przetworz();
        }
        QVERIFY(!t.malowania.Obszary.empty());  // the clocks did move
        QStringList poza;
        for (const auto& [o, obszar] : t.malowania.Obszary) {
            auto* w = static_cast<QWidget*>(o);
            const QRegion wOknie = obszar.translated(w->mapTo(&t.okno, QPoint()));
            if (!(wOknie - zegary).isEmpty())
                poza << w->objectName() + ":" + w->metaObject()->className();
        }
        QVERIFY2(poza.isEmpty(), qPrintable(poza.join(", ")));
    }

    void aTickThatMovesOneTrainRepaintsOnlyTheChangedElementsAndTheirButtons()
    {
        TStanowisko t;
        auto pociag = std::make_unique<TPociag>();
        pociag->SetSklad("s");
        pociag->Kierunek = stPrawy;
        pociag->SetManewrowy(true);
        TPociag* p = t.sym.Silnik().Przyjmij(std::move(pociag));
        t.P("Tor7").SetPociag(p);
        UstawStanJazdy(*p, tStanJazdy::jazda);
        t.Ustal();

        // What the engine asks to repaint during the tick, passed on to the window.
        std::set<const TKomponent*> zmienione;
        auto okna = t.sym.Stacja().OnOdswiez;
        t.sym.Stacja().OnOdswiez = [&](TKomponent* k) {
            zmienione.insert(k);
            okna(k);
        };
        t.okno.Tyknij();
        t.Przetworz();
        t.sym.Stacja().OnOdswiez = okna;
        QCOMPARE(t.P("Tor7").Pociag(), nullptr);
        QVERIFY(zmienione.count(&t.P("sA")));  // it moved on over the signal

        const QRegion diagram = t.malowania.Obszary[t.okno.Diagram()];
        QVERIFY(diagram.contains(t.Srodek("Tor7")));
        QVERIFY(diagram.contains(t.Srodek("sA")));
        // No point that did not change and lies away from those that did is repainted.
        int daleko = 0;
        for (TPunkt* punkt : t.sym.Stacja().Punkty()) {
            if (zmienione.count(punkt) || !punkt->Visible || punkt->Kontener != TKomponent::Diagram)
                continue;
            const QRect r(punkt->Left, punkt->Top, punkt->Width, punkt->Height);
            const bool blisko = std::any_of(zmienione.begin(), zmienione.end(), [&](const TKomponent* k) {
                return k->Kontener == TKomponent::Diagram &&
                       QRect(k->Left, k->Top, k->Width, k->Height).adjusted(-60, -30, 60, 30).intersects(r);
            });
            if (blisko)
                continue;
            ++daleko;
            QVERIFY2(!diagram.contains(t.Srodek(punkt->Name.c_str())), punkt->Name.c_str());
        }
        QVERIFY(daleko > 20);
        const QRect calosc = t.okno.Diagram()->rect();
        QVERIFY(diagram.boundingRect().width() * diagram.boundingRect().height() <
                calosc.width() * calosc.height() / 4);

        // Only buttons that changed or show a changed element are repainted, the signal's among them
        // (and a neighbour where their rectangles touch, which Qt paints together).
        const auto zmieniony = [&](TPrzyciskWidok* w) {
            auto* e = dynamic_cast<TPrzyciskElementu*>(&w->Przycisk());
            return zmienione.count(&w->Przycisk()) || (e != nullptr && zmienione.count(e->ElementPrzycisku()));
        };
        bool sygnal = false;
        int niemalowane = 0;
        for (TPrzyciskWidok* w : t.okno.Przyciski()) {
            if (!t.malowania.Malowany(w)) {
                niemalowane += w->isVisible();
                continue;
            }
            const bool sasiad = std::any_of(t.okno.Przyciski().begin(), t.okno.Przyciski().end(), [&](TPrzyciskWidok* inny) {
                return inny->parentWidget() == w->parentWidget() && zmieniony(inny) &&
                       inny->geometry().adjusted(-1, -1, 1, 1).intersects(w->geometry());
            });
            QVERIFY2(zmieniony(w) || sasiad, qPrintable(w->objectName()));
            auto* e = dynamic_cast<TPrzyciskElementu*>(&w->Przycisk());
            sygnal = sygnal || (e != nullptr && e->ElementPrzycisku() == &t.P("sA"));
        }
        QVERIFY(sygnal);
        QVERIFY(niemalowane > 10);
    }

    void aComponentsOldPlaceIsRepaintedWhenItsTextShrinks()
    {
        TStanowisko t;
        TPunkt& p1 = t.P("p1");
        p1.SetElementy("2211 2211 2211 2211 2211 2211");
        t.Ustal();
        p1.SetElementy("s");
        t.Przetworz();
        const QRegion diagram = t.malowania.Obszary[t.okno.Diagram()];
        QVERIFY(!diagram.isEmpty());
        const QRect szeroki = diagram.boundingRect();
        const double z = t.okno.Diagram()->Powiekszenie();
        // The long text reached well beyond the point on both sides; all of it is repainted.
        QVERIFY(szeroki.left() < p1.Left * z);
        QVERIFY(szeroki.right() > (p1.Left + p1.Width) * z);
    }

    void aTrainsLabelIsRepaintedWhereItAppearsAndWhereItWasWhenItGoes()
    {
        TStanowisko t;
        QVERIFY(t.sym.Stacja().EtykietyPociagow);
        auto pociag = std::make_unique<TPociag>();
        pociag->SetSklad("s");
        pociag->Kierunek = stPrawy;
        pociag->SetManewrowy(true);
        TPociag* p = t.sym.Silnik().Przyjmij(std::move(pociag));
        // A track with room for the label.
        TPunkt* tor = nullptr;
        for (TPunkt* punkt : t.sym.Stacja().Punkty()) {
            if (!punkt->Jest(rpTor))
                continue;
            punkt->SetPociag(p);
            if (!RozmiescEtykietyPociagow(t.sym.Stacja()).empty()) {
                tor = punkt;
                break;
            }
            punkt->SetPociag(nullptr);
        }
        QVERIFY(tor != nullptr);
        const TEtykietaPociagu e = RozmiescEtykietyPociagow(t.sym.Stacja()).front();
        const double z = t.okno.Diagram()->Powiekszenie();
        const TProstokat& m = e.Miejsce.Prostokat;
        const QPoint srodek(static_cast<int>((tor->Left + (m.Left + m.Right) / 2) * z),
                            static_cast<int>((tor->Top + (m.Top + m.Bottom) / 2) * z));
        tor->SetPociag(nullptr);
        t.Ustal();

        tor->SetPociag(p);
        t.Przetworz();
        QVERIFY(t.malowania.Obszary[t.okno.Diagram()].contains(srodek));
        t.malowania.Obszary.clear();
        tor->SetPociag(nullptr);
        t.Przetworz();
        QVERIFY(t.malowania.Obszary[t.okno.Diagram()].contains(srodek));
    }

    void aPlayedBackTickRepaintsOnlyWhatChangedAndAReplayedActEverything()
    {
        TSrodowiskoTestowe s;
        s.Rozklad.ZapiszRozklad();
        std::string zapis;
        {
            TSymulacjaStacji sym(s.Uslugi, s.Rozklad);
            sym.Akt({"start"});
            for (int i = 0; i < 4; ++i)
                sym.Tyknij();
            sym.Akt({"click", "zw1"});
            for (int i = 0; i < 4; ++i)
                sym.Tyknij();
            std::string blad;
            zapis = sym.ZapisGry(blad);
            QVERIFY2(blad.empty(), blad.c_str());
        }
        TWczytanaGra gra = TSymulacjaStacji::Odtwarzaj(zapis, s.Uslugi, NazwaPlikuRozkladu());
        QVERIFY2(gra.Symulacja != nullptr, gra.Blad.c_str());
        TOknoTestowe okno(*gra.Symulacja);
        okno.resize(900, 600);
        okno.show();
        okno.Zegar()->stop();
        TMalowania malowania;
        malowania.Obserwuj(okno.Diagram());
        const auto tyk = [&] {
            malowania.Obszary.clear();
            okno.Tyknij();
            for (int i = 0; i < 3; ++i)
                QApplication::processEvents();
            return malowania.Malowany(okno.Diagram());
        };
        // Played back, the ticks between the acts change nothing on the diagram; the ticks that
        // replay an act (the start, the click) repaint everything, as the player's own do.
        int bezZmian = 0, zAktem = 0;
        while (gra.Symulacja->OdtworzoneAkty() < 2 && gra.Symulacja->Odtwarzana()) {
            const std::size_t przed = gra.Symulacja->OdtworzoneAkty();
            const bool malowany = tyk();
            if (gra.Symulacja->OdtworzoneAkty() == przed) {
                QVERIFY(!malowany);
                ++bezZmian;
            } else {
                QVERIFY(malowany);
                ++zAktem;
            }
        }
        QCOMPARE(zAktem, 2);
        QVERIFY(bezZmian >= 3);
    }
};

QTEST_MAIN(OdswiezanieTest)
#include "odswiezanie_test.moc"
