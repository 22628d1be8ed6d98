// drelinko-sim: the station without a window, driven by a script.
//
//   drelinko-sim [--dir DIR] [SCRIPT | -]
//
// Exit status: 0 every line ran, 1 a file could not be read or written, 2 a bad script line.

#include "core/wkt_files.h"
#include "simulation/symulacja_stacji.h"
#include "tools/sim/driver.h"
#include "ui/obraz.h"

#include <QGuiApplication>
#include <QImage>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <iostream>
#include <memory>
#include <string>

namespace {

// Drawing needs a GUI application (for the fonts). It is made on the first render only, on the
// offscreen platform unless the caller chose one, and lives until main returns.
class TRysowanie {
public:
    bool operator()(const TSymulacjaStacji& symulacja, const std::string& plik, const std::string& strona, int skala)
    {
        if (QGuiApplication::instance() == nullptr) {
            if (std::getenv("QT_QPA_PLATFORM") == nullptr)
                setenv("QT_QPA_PLATFORM", "offscreen", 1);
            aplikacja_ = std::make_unique<QGuiApplication>(argc_, argv_);
        }
        const TStacja& stacja = symulacja.Stacja();
        const QImage obraz = strona.empty() ? ObrazDiagramu(stacja, skala) : ObrazStrony(stacja, strona, skala);
        return obraz.save(QString::fromStdString(plik), "PNG");
    }

private:
    int argc_ = 1;
    char nazwa_[16] = "drelinko-sim";
    char* argv_[2] = {nazwa_, nullptr};
    std::unique_ptr<QGuiApplication> aplikacja_;
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
    if (skrypt == "-")
        return driver.Wykonaj(std::cin);
    std::ifstream we(skrypt);
    if (!we) {
        std::cerr << "drelinko-sim: " << skrypt << ": nie można otworzyć pliku\n";
        return TDriverSymulacji::BladPliku;
    }
    return driver.Wykonaj(we);
}
