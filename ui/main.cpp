// Lorvia 99 - Drelinko: the start window, from which the dispatcher's runs start.

#include "core/wkt_files.h"
#include "trains/pociag.h"
#include "trains/rozklad.h"
#include "ui/foldery.h"
#include "ui/okno_glowne.h"
#include "ui/okno_stacji.h"
#include "ui/qplotno.h"
#include "ui/qt_uslugi.h"
#include "ui/znacznik_kopii.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication aplikacja(argc, argv);
    QApplication::setOrganizationName("WKT");
    QApplication::setApplicationName("Drelinko");
    QGuiApplication::setDesktopFileName("pl.wkt.Drelinko");
    // No display name: Qt would append it to every window's caption, and each window of the game
    // has its own exact one.
    ZaladujTlumaczeniaQt();
    ZaladujCzcionki();

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
    eMain.show();
    return aplikacja.exec();
}
