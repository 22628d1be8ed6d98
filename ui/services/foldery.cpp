// Finding the game's data folders, installed or in the build tree, and copying the shipped timetable
// into the player's folder.

#include "ui/services/foldery.h"

#include "core/wkt_files.h"
#include "trains/rozklad.h"

#include <QCoreApplication>
#include <QFile>
#include <QMessageBox>
#include <QStandardPaths>
#include <QString>

#include <filesystem>
#include <iostream>
#include <string>

namespace {

void PokazBlad(const std::string& tekst)
{
    // On the terminal as well: a box may have nowhere to show itself.
    std::cerr << "drelinko: " << tekst << '\n';
    QMessageBox::critical(nullptr, QStringLiteral("Lorvia 99"), QString::fromStdString(tekst));
}

}  // namespace

bool UstawFolderyGry()
{
    const std::string wydane = ZainstalowaneDane(KatalogPlikuWykonywalnego());
    if (wydane.empty())
        return true;
    // Without the names the location is the bare data folder of every program.
    if (QCoreApplication::organizationName().isEmpty() || QCoreApplication::applicationName().isEmpty()) {
        PokazBlad("Folder danych gracza zależy od nazwy programu, której jeszcze nie ustawiono.");
        return false;
    }
    const QString gracza = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (gracza.isEmpty()) {
        PokazBlad("Nie udało się ustalić folderu danych gracza (sprawdź zmienne HOME i XDG_DATA_HOME).");
        return false;
    }
    const std::string katalog = QFile::encodeName(gracza).toStdString();
    // Everything the game writes; what it only reads stays in the installed data.
    const std::string rozklad = std::filesystem::path(NazwaPlikuRozkladu()).filename().string();
    if (const std::string blad = PrzygotujKatalogDanych(katalog, wydane, {rozklad}); !blad.empty()) {
        PokazBlad(blad + "\nGra nie może działać bez własnego folderu danych.");
        return false;
    }
    UstawKatalogDanych(katalog);
    return true;
}
