#include "core/wkt_files.h"

#include "core/format.h"
#include "core/wkt_list.h"
#include "core/wkt_sorted_list.h"
#include "core/wkt_stream.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <limits>
#include <stdexcept>
#include <system_error>

namespace {

std::string& NadpisanyKatalog()
{
    static std::string katalog;
    return katalog;
}

std::string ZUkosnikiem(std::string katalog)
{
    if (!katalog.empty() && katalog.back() != '/')
        katalog += '/';
    return katalog;
}

std::string NazwaBezKatalogu(const std::string& plik)
{
    return std::filesystem::path(plik).filename().string().substr(0, 24);
}

// Anything under the name counts, a folder too: a backup must never be written over it.
bool Zajete(const std::string& sciezka)
{
    std::error_code blad;
    return std::filesystem::exists(std::filesystem::symlink_status(sciezka, blad));
}

std::string NumerowanaKopia(const std::string& nazwa)
{
    for (int i = 2;; ++i) {
        std::string kandydat = ProgramDir() + Formatuj("Kopia %d z %s", i, nazwa.c_str());
        if (!Zajete(kandydat))
            return kandydat;
    }
}

std::string Skopiuj(const std::string& plik, const std::string& kopia)
{
    const int wynik = CopyFileLZ(plik, kopia);
    if (wynik <= 0)
        throw std::runtime_error(Formatuj("Błąd biblioteki LZ %d", wynik));
    return kopia;
}

}  // namespace

std::string ProgramDir()
{
    if (!NadpisanyKatalog().empty())
        return NadpisanyKatalog();
    std::error_code blad;
    const auto sciezka = std::filesystem::read_symlink("/proc/self/exe", blad);
    if (blad)
        return ZUkosnikiem(std::filesystem::current_path().string());
    return ZUkosnikiem(sciezka.parent_path().string());
}

void UstawProgramDir(const std::string& katalog) { NadpisanyKatalog() = ZUkosnikiem(katalog); }

bool PlikIstnieje(const std::string& plik)
{
    std::error_code blad;
    return std::filesystem::is_regular_file(plik, blad);
}

bool LoadFromFile(tWktList& lista, const std::string& plik)
{
    if (!PlikIstnieje(plik))
        return false;
    const int przedtem = lista.Count();
    auto* posortowana = dynamic_cast<tWktSortedList*>(&lista);
    const bool duplikaty = posortowana != nullptr && posortowana->AllowDuplicates;
    try {
        tWktStream strumien;
        strumien.LoadFromFile(plik);
        lista.Load(strumien);
        return true;
    } catch (...) {
        while (lista.Count() > przedtem)
            lista.Delete(lista.Count() - 1);
        if (posortowana != nullptr)
            posortowana->AllowDuplicates = duplikaty;
        return false;
    }
}

bool SaveToFile(const tWktList& lista, const std::string& plik, bool kopia)
{
    try {
        // The whole content is made first: a text the file cannot hold stops the save before
        // anything on disk is touched.
        tWktStream strumien;
        lista.Store(strumien);
        if (kopia) {
            try {
                MakeBackup(plik);
            } catch (...) {
            }
        }
        strumien.SaveToFile(plik);
        return true;
    } catch (...) {
        return false;
    }
}

std::string MakeBackup(const std::string& plik)
{
    if (!PlikIstnieje(plik))
        return {};
    const std::string nazwa = NazwaBezKatalogu(plik);
    std::string kandydat = ProgramDir() + "Kopia " + nazwa;
    if (Zajete(kandydat) && std::remove(kandydat.c_str()) != 0)
        kandydat = NumerowanaKopia(nazwa);
    return Skopiuj(plik, kandydat);
}

std::string ZachowajKopie(const std::string& plik)
{
    if (!PlikIstnieje(plik))
        return {};
    return Skopiuj(plik, NumerowanaKopia(NazwaBezKatalogu(plik)));
}

int CopyFileLZ(const std::string& zrodlo, const std::string& cel)
{
    if (zrodlo.empty() || cel.empty())
        return -7;
    std::ifstream we(zrodlo, std::ios::binary);
    if (!we)
        return -1;
    std::ofstream wy(cel, std::ios::binary | std::ios::trunc);
    if (!wy)
        return -2;
    char bufor[64 * 1024];
    long long razem = 0;
    while (we) {
        we.read(bufor, sizeof bufor);
        const std::streamsize n = we.gcount();
        if (n > 0 && !wy.write(bufor, n))
            return -4;
        razem += n;
    }
    if (we.bad())
        return -3;
    if (!wy.flush())
        return -4;
    return static_cast<int>(std::min<long long>(razem, std::numeric_limits<int>::max()));
}
