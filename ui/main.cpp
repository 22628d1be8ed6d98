// Lorvia 99 - Drelinko: the start window, from which the dispatcher's runs start.

#include "core/wkt_files.h"
#include "run/symulacja_stacji.h"
#include "trains/czas.h"
#include "trains/pociag.h"
#include "trains/rozklad.h"
#include "ui/canvas/qplotno.h"
#include "ui/okno_glowne.h"
#include "ui/services/foldery.h"
#include "ui/services/qt_uslugi.h"
#include "ui/station/okno_stacji.h"
#include "ui/znacznik_kopii.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <optional>

namespace {

// The help, answered before the application starts: it needs no display, and it is all Polish.
constexpr const char* Pomoc =
    "Sposób użycia: drelinko [opcje]\n"
    "\n"
    "„Lorvia 99 - Drelinko”: gra w dyżurnego ruchu jednej stacji. Bez opcji otwiera okno startowe.\n"
    "\n"
    "Opcje:\n"
    "  -h, --help         Pokazuje tę pomoc.\n"
    "  --start <godzina>  Zaczyna zmianę od razu, o tej godzinie (np. 7:05).\n"
    "  --speed <1-100>    Szybkość symulacji zmiany zaczętej przez --start, od 1 do 100.\n";

bool ProsbaOPomoc(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        for (const char* p : {"-h", "--help", "-help", "-?", "--help-all"})
            if (std::strcmp(argv[i], p) == 0)
                return true;
    return false;
}

}  // namespace

int main(int argc, char** argv)
{
    if (ProsbaOPomoc(argc, argv)) {
        std::fputs(Pomoc, stdout);
        return 0;
    }
    QApplication aplikacja(argc, argv);
    QApplication::setOrganizationName("WKT");
    QApplication::setApplicationName("Drelinko");
    QGuiApplication::setDesktopFileName("pl.wkt.Drelinko");
    // No display name: Qt would append it to every window's caption, and each window of the game
    // has its own exact one.
    ZaladujTlumaczeniaQt();
    ZaladujCzcionki();

    // A shift can start straight away, without a click in the start window: for a quick look and
    // for measuring the station window.
    QCommandLineParser parametry;
    const QCommandLineOption start(QStringLiteral("start"), QStringLiteral("Zaczyna zmianę od razu, o tej godzinie (np. 7:05)."),
                                   QStringLiteral("godzina"));
    const QCommandLineOption szybkosc(QStringLiteral("speed"),
                                      QStringLiteral("Szybkość symulacji zmiany zaczętej przez --start, od 1 do 100."),
                                      QStringLiteral("1-100"));
    parametry.addOption(start);
    parametry.addOption(szybkosc);
    parametry.process(aplikacja);
    std::optional<double> godzinaStartu;
    int szybkoscStartu = 0;
    if (parametry.isSet(start)) {
        godzinaStartu = CzytajGodzine(parametry.value(start).toStdString());
        if (!godzinaStartu) {
            std::fprintf(stderr, "drelinko: --start: „%s” nie jest godziną (np. 7:05).\n", qPrintable(parametry.value(start)));
            return 2;
        }
    }
    if (parametry.isSet(szybkosc)) {
        bool liczba = false;
        szybkoscStartu = parametry.value(szybkosc).toInt(&liczba);
        if (!liczba || szybkoscStartu < 1 || szybkoscStartu > 100 || !godzinaStartu) {
            std::fprintf(stderr, "drelinko: --speed: podaj liczbę od 1 do 100, razem z --start.\n");
            return 2;
        }
    }

    // A second copy from the same executable is asked about; a crashed copy's marker is not.
    TZnacznikKopii znacznik(TZnacznikKopii::PlikZnacznika(QApplication::applicationFilePath()));
    if (!StrazKopii(znacznik))
        return 0;
    if (!UstawFolderyGry())
        return 1;

    ZarejestrujPociag();
    TQtZegary zegary;
    TQtDzwieki dzwieki;
    TQtKomunikaty komunikaty;
    TQtKursory kursory;
    TQtZegarScienny zegarScienny;
    TLosowanieProste losowanie;
    TQtUstawienia ustawienia;
    TUslugi uslugi{zegary, dzwieki, komunikaty, kursory, zegarScienny, losowanie, ustawienia};
    TRozkladJazdy rozklad(NazwaPlikuRozkladu(), komunikaty, kursory);
    TeMain eMain(uslugi, rozklad);
    // Boxes stand over the window the player looks at: the station window during a run.
    komunikaty.UstawRodzica(&eMain);
    QObject::connect(&eMain, &TeMain::stacjaUtworzona, &eMain,
                     [&komunikaty](TOknoStacji* okno) { komunikaty.UstawRodzica(okno); });
    QObject::connect(&eMain, &TeMain::stacjaZamknieta, &eMain,
                     [&komunikaty, &eMain] { komunikaty.UstawRodzica(&eMain); });
    // A run the command line asks for is queued before the window shows, so that it starts ahead of
    // anything the window's first showing queues (the lessons' offer, which a run puts off).
    if (godzinaStartu)
        QTimer::singleShot(0, &eMain, [&eMain, &godzinaStartu, szybkoscStartu] { eMain.ZacznijOd(*godzinaStartu, szybkoscStartu); });
    eMain.show();
    return aplikacja.exec();
}
