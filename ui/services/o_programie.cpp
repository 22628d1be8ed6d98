// The program's version, the about box's text and the about box.

#include "ui/services/o_programie.h"

#include <QMessageBox>

#ifndef DRELINKO_WERSJA
#error "DRELINKO_WERSJA comes from the project's version in CMakeLists.txt"
#endif

QString WersjaProgramu() { return QStringLiteral(DRELINKO_WERSJA); }

QString TekstOProgramie()
{
    return QStringLiteral(
               "<p><b>%1</b><br>wersja %2</p>"
               "<p>Symulator posterunku dyżurnego ruchu stacji Drelinko, w której spotykają się linie "
               "z Olszarzyny, Brzelan i Wirowej.</p>"
               "<p>© WKT. Wszelkie prawa zastrzeżone.</p>"
               "<p>Czcionki:<br>"
               "DejaVu Sans Condensed (pakiet fonts-dejavu-extra) i DejaVu Sans (pakiet fonts-dejavu-core), "
               "licencja czcionek Bitstream Vera.</p>")
        .arg(QString::fromUtf8(TytulProgramu), WersjaProgramu());
}

void PokazOProgramie(QWidget* rodzic)
{
    QMessageBox okno(rodzic);
    okno.setObjectName("eOProgramie");
    okno.setWindowTitle(QStringLiteral("O programie"));
    okno.setTextFormat(Qt::RichText);
    okno.setText(TekstOProgramie());
    okno.setIcon(QMessageBox::Information);
    okno.setStandardButtons(QMessageBox::Ok);
    okno.exec();
}
