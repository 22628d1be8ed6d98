// drelinko-sim: the station without a window, driven by a script.
//
//   drelinko-sim [--dir DIR] [SCRIPT | -]
//
// Exit status: 0 every line ran, 1 a file could not be read or written, 2 a bad script line.

#include "core/operacje_plikowe.h"
#include "core/tekst.h"
#include "core/wkt_files.h"
#include "run/symulacja_stacji.h"
#include "tools/sim/driver.h"
#include "ui/canvas/obraz.h"
#include "ui/report/raport_png.h"
#include "ui/report/raport_wykresy.h"

#include <QApplication>
#include <QImage>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <memory>
#include <streambuf>
#include <string>

#include <unistd.h>

namespace {

// Drawing needs an application (for the fonts; the report's charts are graphics widgets). It is made
// on the first drawing only, on the offscreen platform unless the caller chose one, and lives until
// main returns.
class TRysowanie {
public:
    // The pictures are made in memory and written as every file of the game is (ZapiszPlikCaly): whole
    // or not at all, under the name's very bytes.
    std::string operator()(const TSymulacjaStacji& symulacja, const std::string& plik, const std::string& strona,
                           int skala)
    {
        Aplikacja();
        const TStacja& stacja = symulacja.Stacja();
        const QImage obraz = strona.empty() ? ObrazDiagramu(stacja, skala) : ObrazStrony(stacja, strona, skala);
        return ZapiszNarysowany(BajtyPng(obraz), plik, "obrazu");
    }

    std::string Raport(const TRaportDnia& dzien, const std::string& plik)
    {
        Aplikacja();
        const bool pdf = MaleLitery(std::filesystem::path(plik).extension().string()) == ".pdf";
        return pdf ? ZapiszRaportPdf(dzien, plik) : ZapiszRaportPng(dzien, plik);
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

// Standard output that remembers why a write failed: what the script printed must all arrive, and
// a full disk or a closed pipe is a failed run named by its cause, not a success.
class TWyjscie : public std::streambuf {
public:
    TWyjscie() { setp(bufor_, bufor_ + sizeof bufor_); }
    ~TWyjscie() override { sync(); }
    int Blad() const { return blad_; }
    bool Dobre() const { return !zly_; }

protected:
    int_type overflow(int_type znak) override
    {
        if (sync() != 0)
            return traits_type::eof();
        if (!traits_type::eq_int_type(znak, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(znak);
            pbump(1);
        }
        return traits_type::not_eof(znak);
    }
    int sync() override
    {
        const char* p = pbase();
        while (!zly_ && p < pptr()) {
            const ssize_t n = ::write(1, p, static_cast<std::size_t>(pptr() - p));
            if (n > 0) {
                p += n;
            } else if (n < 0 && errno == EINTR) {
                continue;
            } else {
                zly_ = true;
                blad_ = n < 0 ? errno : ENOSPC;
            }
        }
        setp(bufor_, bufor_ + sizeof bufor_);
        return zly_ ? -1 : 0;
    }

private:
    char bufor_[1 << 16];
    bool zly_ = false;
    int blad_ = 0;
};

int SprawdzWyjscie(std::ostream& strumien, TWyjscie& wyjscie, int kod)
{
    strumien.flush();
    if (wyjscie.Dobre())
        return kod;
    std::cerr << "drelinko-sim: nie udało się zapisać na standardowe wyjście: " << OpisBleduSystemu(wyjscie.Blad())
              << '\n';
    return TDriverSymulacji::BladPliku;
}

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
    TWyjscie wyjscie;
    std::ostream out(&wyjscie);
    TDriverSymulacji driver(out, std::ref(rysowanie));
    driver.UstawEksportRaportu(
        [&rysowanie](const TRaportDnia& dzien, const std::string& plik) { return rysowanie.Raport(dzien, plik); });
    if (skrypt == "-")
        return SprawdzWyjscie(out, wyjscie, driver.Wykonaj(std::cin));
    // A folder opens for reading as well, and reads as an empty script.
    std::error_code blad;
    if (std::filesystem::is_directory(skrypt, blad)) {
        std::cerr << "drelinko-sim: " << skrypt << ": to jest folder, a nie skrypt\n";
        return TDriverSymulacji::BladPliku;
    }
    std::ifstream we(skrypt);
    if (!we) {
        std::cerr << "drelinko-sim: " << skrypt << ": nie można otworzyć pliku\n";
        return TDriverSymulacji::BladPliku;
    }
    const int kod = driver.Wykonaj(we);
    if (we.bad()) {
        std::cerr << "drelinko-sim: " << skrypt << ": błąd odczytu pliku\n";
        return TDriverSymulacji::BladPliku;
    }
    return SprawdzWyjscie(out, wyjscie, kod);
}
