// drelinko-sim: the station without a window, driven by a script.
//
//   drelinko-sim [--dir DIR] [SCRIPT | -]
//
// Exit status: 0 every line ran, 1 a file could not be read or written, 2 a bad script line.

#include "core/wkt_files.h"
#include "simulation/symulacja_stacji.h"
#include "tools/sim/driver.h"
#include "ui/obraz.h"
#include "ui/raport_wykresy.h"

#include <QApplication>
#include <QImage>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <iostream>
#include <memory>
#include <string>

namespace {

// Drawing needs an application (for the fonts; the report's charts are graphics widgets). It is made
// on the first drawing only, on the offscreen platform unless the caller chose one, and lives until
// main returns.
class TRysowanie {
public:
    bool operator()(const TSymulacjaStacji& symulacja, const std::string& plik, const std::string& strona, int skala)
    {
        Aplikacja();
        const TStacja& stacja = symulacja.Stacja();
        const QImage obraz = strona.empty() ? ObrazDiagramu(stacja, skala) : ObrazStrony(stacja, strona, skala);
        return obraz.save(QString::fromStdString(plik), "PNG");
    }

    bool Raport(const TRaportDnia& dzien, const std::string& plik)
    {
        Aplikacja();
        const QString nazwa = QString::fromStdString(plik);
        return nazwa.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive) ? ZapiszRaportPdf(dzien, nazwa)
                                                                          : ZapiszRaportPng(dzien, nazwa);
    }

private:
    void Aplikacja()
    {
        if (QApplication::instance() == nullptr) {
            if (std::getenv("QT_QPA_PLATFORM") == nullptr)
                setenv("QT_QPA_PLATFORM", "offscreen", 1);
            aplikacja_ = std::make_unique<QApplication>(argc_, argv_);
        }
    }

    int argc_ = 1;
    char nazwa_[16] = "drelinko-sim";
    char* argv_[2] = {nazwa_, nullptr};
    std::unique_ptr<QApplication> aplikacja_;
};

}  // namespace

int main(int argc, char** argv)
{
    std::string skrypt = "-";
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--dir" && i + 1 < argc) {
            UstawProgramDir(argv[++i]);
        } else if (a.rfind("--", 0) == 0 || i + 1 < argc) {
            std::cerr << "użycie: drelinko-sim [--dir KATALOG] [SKRYPT | -]\n";
            return TDriverSymulacji::ZlaLinia;
        } else {
            skrypt = a;
        }
    }
    std::ios::sync_with_stdio(false);
    TRysowanie rysowanie;
    TDriverSymulacji driver(std::cout, std::ref(rysowanie));
    driver.UstawEksportRaportu(
        [&rysowanie](const TRaportDnia& dzien, const std::string& plik) { return rysowanie.Raport(dzien, plik); });
    if (skrypt == "-")
        return driver.Wykonaj(std::cin);
    std::ifstream we(skrypt);
    if (!we) {
        std::cerr << "drelinko-sim: " << skrypt << ": nie można otworzyć pliku\n";
        return TDriverSymulacji::BladPliku;
    }
    return driver.Wykonaj(we);
}
