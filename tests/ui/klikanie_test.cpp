// The station window played by chance: clicks, double clicks and right clicks on the diagram,
// the buttons, the train list, the menus, keys, the clock and real time passing, as the game builds
// the window with its real timers and clocks (only the boxes answer by themselves). Closed, it keeps
// the game, which must load into the very state the window had and play on.
#include "core/wkt_files.h"
#include "run/symulacja_stacji.h"
#include "station/upunkt.h"
#include "tests/support/katalog_tymczasowy.h"
#include "tests/support/srodowisko_testowe.h"
#include "tests/support/zapisujace.h"
#include "tools/sim/stan.h"
#include "trains/czas.h"
#include "trains/rozklad.h"
#include "ui/canvas/qplotno.h"
#include "ui/okno_glowne.h"
#include "ui/services/qt_uslugi.h"
#include "ui/station/diagram.h"
#include "ui/station/lista_pociagow_widok.h"
#include "ui/station/okno_stacji.h"
#include "ui/station/przycisk_widok.h"

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QStandardPaths>
#include <QTabWidget>
#include <QThread>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <cstdio>
#include <deque>
#include <filesystem>
#include <functional>
#include <random>
#include <sstream>

namespace {

// Boxes that answer by chance at once, so that nothing waits for a player.
class TKomunikatyLosowe : public TKomunikaty {
public:
    explicit TKomunikatyLosowe(std::mt19937& los) : los_(los) {}
    void Komunikat(const std::string& tekst) override { Teksty.push_back(tekst); }
    tOdpowiedz Pytanie(const std::string&, tPrzyciski przyciski, tRodzajPytania) override
    {
        const bool tak = std::uniform_int_distribution<int>(0, 1)(los_) == 1;
        return tak ? tOdpowiedz::tak : przyciski == tPrzyciski::takNie ? tOdpowiedz::nie : tOdpowiedz::anuluj;
    }
    void Ostrzezenie(const std::string&, const std::string&, const std::string&, int) override {}
    std::vector<std::string> Teksty;

private:
    std::mt19937& los_;
};

// Every leaf item of a menu and its submenus that may be chosen.
void Pozycje(QMenu* menu, std::vector<QAction*>& wynik)
{
    for (QAction* a : menu->actions()) {
        if (a->isSeparator() || !a->isEnabled() || !a->isVisible())
            continue;
        if (a->menu() != nullptr)
            Pozycje(a->menu(), wynik);
        else
            wynik.push_back(a);
    }
}

// One game of random acts in the window of a run.
class TGracz {
public:
    TGracz(TOknoStacji& okno, std::uint32_t ziarno) : okno_(okno), los_(ziarno)
    {
        diagram_ = okno.Diagram();
        strony_ = okno.findChild<QTabWidget*>("pcInfo1");
        dolne_ = okno.findChild<QTabWidget*>("pcDziennik");
        for (const auto& k : okno.Symulacja().Stacja().Komponenty())
            if (auto* e = dynamic_cast<TElement*>(k.get()); e != nullptr && e->Kontener == TKomponent::Diagram)
                elementy_.push_back(e->Name);
        for (QCheckBox* cb : okno.findChildren<QCheckBox*>())
            opcje_.push_back(cb);
        // Dialogs the acts open are given up at once, and menus opened by a click get an item
        // chosen by chance, or none.
        straz_.setInterval(5);
        QObject::connect(&straz_, &QTimer::timeout, [this] { Straz(); });
        straz_.start();
    }

    void Graj(int ile)
    {
        for (int i = 0; i < ile; ++i)
            Krok();
    }

    std::string Ostatnie() const
    {
        std::ostringstream o;
        for (const std::string& a : akty_)
            o << "  " << a << '\n';
        return o.str();
    }

private:
    int Los(int od, int do_) { return std::uniform_int_distribution<int>(od, do_)(los_); }
    void Zapisz(std::string akt)
    {
        // Every act as it is done, for a hunt after a hang: DRELINKO_KLIKANIE_SLAD=1.
        if (qEnvironmentVariableIsSet("DRELINKO_KLIKANIE_SLAD"))
            std::fprintf(stderr, "%s\n", akt.c_str());
        akty_.push_back(std::move(akt));
        if (akty_.size() > 40)
            akty_.pop_front();
    }

    QPoint Srodek(const std::string& nazwa) const
    {
        const TKomponent* k = okno_.Symulacja().Stacja().Znajdz(nazwa);
        const double p = diagram_->Powiekszenie();
        return QPoint(static_cast<int>((k->Left + k->Width / 2.0) * p), static_cast<int>((k->Top + k->Height / 2.0) * p));
    }

    void Straz()
    {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            auto* menu = qobject_cast<QMenu*>(popup);
            std::vector<QAction*> pozycje;
            if (menu != nullptr)
                Pozycje(menu, pozycje);
            popup->close();
            if (!pozycje.empty() && Los(0, 4) > 0) {
                QAction* a = pozycje[static_cast<std::size_t>(Los(0, static_cast<int>(pozycje.size()) - 1))];
                Zapisz("  item " + a->text().toStdString());
                a->trigger();
            }
            return;
        }
        QWidget* modalny = QApplication::activeModalWidget();
        if (modalny != nullptr && modalny != &okno_) {
            Zapisz(std::string("  dialog closed ") + modalny->metaObject()->className());
            if (auto* d = qobject_cast<QDialog*>(modalny))
                d->reject();
            else
                modalny->close();
        }
    }

    void Krok()
    {
        // No window manager gives the focus back after a dialog here: the player clicks the window
        // again, mostly at once, sometimes a few acts later (the ticks stand meanwhile).
        if (!okno_.isActiveWindow() && Los(0, 4) > 0) {
            Zapisz("activate");
            okno_.activateWindow();
            // Whether it comes back within the wait or later, the acts go on as a player's would.
            static_cast<void>(QTest::qWaitForWindowActive(&okno_, 200));
        }
        const int r = Los(0, 99);
        if (r < 20) {
            const std::string& e = elementy_[static_cast<std::size_t>(Los(0, static_cast<int>(elementy_.size()) - 1))];
            Zapisz("click " + e);
            QTest::mouseClick(diagram_, Qt::LeftButton, {}, Srodek(e));
        } else if (r < 27) {
            const std::string& e = elementy_[static_cast<std::size_t>(Los(0, static_cast<int>(elementy_.size()) - 1))];
            Zapisz("dblclick " + e);
            QTest::mouseClick(diagram_, Qt::LeftButton, {}, Srodek(e));
            QTest::mouseDClick(diagram_, Qt::LeftButton, {}, Srodek(e));
        } else if (r < 35) {
            const std::string& e = elementy_[static_cast<std::size_t>(Los(0, static_cast<int>(elementy_.size()) - 1))];
            Zapisz("right click " + e);
            QTest::mouseClick(diagram_, Qt::RightButton, {}, Srodek(e));
        } else if (r < 37) {
            const QPoint p(Los(0, diagram_->width() - 1), Los(0, diagram_->height() - 1));
            Zapisz("click at " + std::to_string(p.x()) + "," + std::to_string(p.y()));
            QTest::mouseMove(diagram_, p);
            QTest::mouseClick(diagram_, Los(0, 1) ? Qt::LeftButton : Qt::RightButton, {}, p);
        } else if (r < 55) {
            const auto& przyciski = okno_.Przyciski();
            TPrzyciskWidok* b = przyciski[static_cast<std::size_t>(Los(0, static_cast<int>(przyciski.size()) - 1))];
            Zapisz("press " + b->objectName().toStdString());
            for (int i = 0; i < strony_->count(); ++i)
                if (strony_->widget(i)->isAncestorOf(b))
                    strony_->setCurrentIndex(i);
            QTest::mouseClick(b, Qt::LeftButton, {}, b->rect().center());
        } else if (r < 68) {
            const int n = Los(1, 20);
            Zapisz("ticks " + std::to_string(n));
            for (int i = 0; i < n; ++i)
                okno_.Tyknij();
        } else if (r < 74) {
            const int ms = Los(10, 300);
            Zapisz("wait " + std::to_string(ms));
            QTest::qWait(ms);
        } else if (r < 80) {
            Lista();
        } else if (r < 85) {
            QList<QAction*> menu = okno_.menuBar()->actions();
            QMenu* m = menu[Los(0, static_cast<int>(menu.size()) - 1)]->menu();
            Zapisz("menu bar " + m->title().toStdString());
            m->popup(okno_.mapToGlobal(QPoint(10, 10)));
            std::vector<QAction*> pozycje;
            Pozycje(m, pozycje);
            std::erase_if(pozycje, [](QAction* a) { return a->text() == QStringLiteral("&Zamknij"); });
            m->close();
            if (!pozycje.empty()) {
                QAction* a = pozycje[static_cast<std::size_t>(Los(0, static_cast<int>(pozycje.size()) - 1))];
                Zapisz("  item " + a->text().toStdString());
                a->trigger();
            }
        } else if (r < 89) {
            static const QKeyCombination klawisze[] = {
                Qt::Key_F9, Qt::Key_F5, Qt::CTRL | Qt::Key_S, Qt::CTRL | Qt::Key_O, Qt::CTRL | Qt::Key_R,
                Qt::CTRL | Qt::Key_F1, Qt::CTRL | Qt::Key_Plus, Qt::CTRL | Qt::Key_Minus, Qt::CTRL | Qt::Key_0,
                Qt::CTRL | Qt::Key_P, Qt::Key_Space, Qt::Key_Right, Qt::Key_Left};
            const QKeyCombination k = klawisze[Los(0, static_cast<int>(std::size(klawisze)) - 1)];
            Zapisz("key " + QKeySequence(k).toString().toStdString());
            QWidget* cel = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : &okno_;
            QTest::keyClick(cel, k.key(), k.keyboardModifiers());
        } else if (r < 91) {
            Zapisz("STOP");
            QTest::mouseClick(okno_.PrzyciskStop(), Qt::LeftButton);
        } else if (r < 93) {
            const int v = Los(1, 100);
            Zapisz("speed " + std::to_string(v));
            okno_.Szybkosc()->setValue(v);
        } else if (r < 95) {
            QLabel* zegar = okno_.findChild<QLabel*>("lbCzas");
            const bool podwojny = Los(0, 1) == 1;
            Zapisz(podwojny ? "clock dblclick" : "clock click");
            QTest::mouseClick(zegar, Qt::LeftButton);
            if (podwojny)
                QTest::mouseDClick(zegar, Qt::LeftButton);
        } else if (r < 98) {
            QCheckBox* cb = opcje_[static_cast<std::size_t>(Los(0, static_cast<int>(opcje_.size()) - 1))];
            Zapisz("option " + cb->objectName().toStdString());
            QTest::mouseClick(cb, Qt::LeftButton, {}, QPoint(4, cb->height() / 2));
        } else if (r < 99) {
            dolne_->setCurrentIndex(0);
            Zapisz("journal menu");
            QWidget* dziennik = dolne_->widget(0);
            QContextMenuEvent e(QContextMenuEvent::Mouse, QPoint(5, 5), dziennik->mapToGlobal(QPoint(5, 5)));
            QApplication::sendEvent(dziennik, &e);
        } else {
            Zapisz("window colour");
            okno_.findChild<QPushButton*>("bKolorOkna")->click();
        }
        QApplication::processEvents();
    }

    // The train list: a row chosen to blink its train, or double-clicked for its dialog.
    void Lista()
    {
        TListaPociagowWidok* lista = okno_.ListaPociagow();
        dolne_->setCurrentWidget(lista);
        QApplication::processEvents();
        const int wierszy = lista->model()->rowCount();
        if (wierszy == 0)
            return;
        const int w = Los(0, wierszy - 1);
        lista->scrollTo(lista->model()->index(w, 0));
        const QRect r = lista->visualRect(lista->model()->index(w, 0));
        if (!r.isValid())
            return;
        const bool podwojny = Los(0, 2) == 0;
        Zapisz(std::string(podwojny ? "list dblclick " : "list click ") + std::to_string(w));
        // A double click comes after the click of its first press.
        QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, r.center());
        if (podwojny)
            QTest::mouseDClick(lista->viewport(), Qt::LeftButton, {}, r.center());
    }

    TOknoStacji& okno_;
    std::mt19937 los_;
    TDiagram* diagram_ = nullptr;
    QTabWidget* strony_ = nullptr;
    QTabWidget* dolne_ = nullptr;
    std::vector<std::string> elementy_;
    std::vector<QCheckBox*> opcje_;
    std::deque<std::string> akty_;
    QTimer straz_;
};

// The first line where two dumps part, with the lines of both.
std::string Roznica(const std::string& a, const std::string& b)
{
    std::istringstream x(a), y(b);
    std::string lx, ly;
    for (int n = 1;; ++n) {
        const bool jx = static_cast<bool>(std::getline(x, lx));
        const bool jy = static_cast<bool>(std::getline(y, ly));
        if (!jx && !jy)
            return {};
        if (!jx || !jy || lx != ly)
            return "line " + std::to_string(n) + ":\n  window: " + (jx ? lx : "(none)") + "\n  loaded: " + (jy ? ly : "(none)");
    }
}

}  // namespace

class KlikanieTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QSettings("WKT", "Drelinko").clear();
        ZaladujCzcionki();
    }

    void aWindowPlayedByChanceKeepsAGameThatLoadsIntoItsStateAndPlaysOn_data()
    {
        QTest::addColumn<unsigned>("ziarno");
        QTest::addColumn<int>("aktow");
        // More seeds from the environment, for a longer search: DRELINKO_KLIKANIE=first,count,acts.
        const QByteArray zmienna = qgetenv("DRELINKO_KLIKANIE");
        const QList<QByteArray> czesci = zmienna.split(',');
        if (czesci.size() == 3) {
            const unsigned pierwsze = czesci[0].toUInt();
            for (unsigned i = 0; i < czesci[1].toUInt(); ++i)
                QTest::addRow("seed %u", pierwsze + i) << pierwsze + i << czesci[2].toInt();
            return;
        }
        for (unsigned ziarno : {1u, 2u, 3u})
            QTest::addRow("seed %u", ziarno) << ziarno << 300;
    }

    void aWindowPlayedByChanceKeepsAGameThatLoadsIntoItsStateAndPlaysOn()
    {
        QFETCH(unsigned, ziarno);
        QFETCH(int, aktow);
        TKatalogTymczasowy katalog;
        // The shipped day with its tips, in a data folder of the test's own.
        for (const char* plik : {"rozklad.dat", "info.txt"}) {
            std::error_code blad;
            std::filesystem::copy_file(std::string(DRELINKO_PROGRAM_DIR) + "/" + plik, katalog.Sciezka(plik), blad);
        }
        QVERIFY(QFile::exists(QString::fromStdString(katalog.Sciezka("rozklad.dat"))));

        std::mt19937 losOdpowiedzi(ziarno * 7919u);
        TQtZegary zegary;
        TDzwiekiZapis dzwieki;
        TKomunikatyLosowe komunikaty(losOdpowiedzi);
        TQtKursory kursory;
        TQtZegarScienny zegarScienny;
        TLosowanieProste losowanie;
        TQtUstawienia ustawienia;
        TUslugi uslugi{zegary, dzwieki, komunikaty, kursory, zegarScienny, losowanie, ustawienia};
        TRozkladJazdy rozklad(NazwaPlikuRozkladu(), komunikaty, kursory);
        TeMain eMain(uslugi, rozklad);
        eMain.show();

        std::string zrzut, ostatnie;
        std::int64_t takty = 0;
        bool zagrana = false;
        // Played once the run's window is shown and the run's own loop turns (the window may let
        // events through while it opens, and a close then would come before the loop that waits
        // for it).
        QTimer poczatek;
        poczatek.setInterval(10);
        QObject::connect(&poczatek, &QTimer::timeout, [&] {
            TOknoStacji* okno = eMain.Stacja();
            if (okno == nullptr || !okno->isVisible() || QThread::currentThread()->loopLevel() < 1)
                return;
            poczatek.stop();
            TGracz gracz(*okno, ziarno);
            gracz.Graj(aktow);
            // Whatever blinks for a moment still, the closing saves the game as it stands now.
            zrzut = ZrzutStanu(okno->Symulacja());
            takty = okno->Symulacja().Takty();
            ostatnie = gracz.Ostatnie();
            zagrana = true;
            okno->close();
        });
        poczatek.start();
        // From a busy hour of the day, so that trains come and go.
        std::mt19937 losGodziny(ziarno);
        const int minuta = std::uniform_int_distribution<int>(5 * 60, 19 * 60)(losGodziny);
        eMain.ZacznijOd(minuta / 1440.0, 0);
        QVERIFY(zagrana);
        // The window's ticks ran: the game is more than its acts.
        QVERIFY(takty > 0);
        if (qEnvironmentVariableIsSet("DRELINKO_KLIKANIE_SLAD"))
            std::fprintf(stderr, "%s", zrzut.c_str());
        const std::string opis = "seed " + std::to_string(ziarno) + ", the last acts:\n" + ostatnie;

        TUslugiTestowe drugie;  // a program that loads the kept game, without a screen
        const std::string plik = TOknoStacji::PlikAutozapisu().toStdString();
        TWczytanaGra gra = TSymulacjaStacji::WczytajPlik(plik, drugie.Uslugi, NazwaPlikuRozkladu());
        QVERIFY2(gra.Symulacja != nullptr, (gra.Blad + "\n" + opis).c_str());
        const std::string roznica = Roznica(zrzut, ZrzutStanu(*gra.Symulacja));
        QVERIFY2(roznica.empty(), (roznica + "\n" + opis).c_str());

        // It plays on: acts and ticks, saved again and loaded again into the same state.
        TSymulacjaStacji& sym = *gra.Symulacja;
        sym.OknoAktywne = true;
        std::mt19937 dalej(ziarno);
        std::vector<std::string> punkty;
        for (const TPunkt* p : sym.Stacja().Wszystkie<TPunkt>())
            if (p->Kontener == TKomponent::Diagram)
                punkty.push_back(p->Name);
        for (int i = 0; i < 200; ++i) {
            if (i % 10 == 0)
                sym.Akt({"click", punkty[std::uniform_int_distribution<std::size_t>(0, punkty.size() - 1)(dalej)]});
            sym.Tyknij();
            drugie.Zegary.Uplyw(250);
        }
        std::string blad;
        const std::string tekst = sym.ZapisGry(blad);
        QVERIFY2(blad.empty(), blad.c_str());
        TUslugiTestowe trzecie;
        TWczytanaGra znowu = TSymulacjaStacji::Wczytaj(tekst, trzecie.Uslugi, NazwaPlikuRozkladu());
        QVERIFY2(znowu.Symulacja != nullptr, (znowu.Blad + "\n" + opis).c_str());
        const std::string roznica2 = Roznica(ZrzutStanu(sym), ZrzutStanu(*znowu.Symulacja));
        QVERIFY2(roznica2.empty(), (roznica2 + "\n" + opis).c_str());
    }
};

QTEST_MAIN(KlikanieTest)
#include "klikanie_test.moc"
