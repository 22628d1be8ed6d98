// Lorvia 99 - Drelinko: the dispatcher's station window.

#include "core/wkt_files.h"
#include "simulation/symulacja_stacji.h"
#include "trains/pociag.h"
#include "trains/rozklad.h"
#include "ui/okno_stacji.h"
#include "ui/qplotno.h"
#include "ui/qt_uslugi.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication aplikacja(argc, argv);
    QApplication::setOrganizationName("WKT");
    QApplication::setApplicationName("Drelinko");
    QApplication::setApplicationDisplayName("Lorvia 99");
    ZaladujCzcionki();
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
    TSymulacjaStacji symulacja(uslugi, rozklad);
    TOknoStacji okno(symulacja);
    komunikaty.UstawRodzica(&okno);
    okno.show();
    return aplikacja.exec();
}
