// The game's folders, loading and saving lists as whole files, and the backup copies.

#include "core/wkt_files.h"

#include "core/format.h"
#include "core/wkt_exception.h"
#include "core/wkt_list.h"
#include "core/wkt_sorted_list.h"
#include "core/wkt_stream.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>
#include <stdexcept>
#include <system_error>

namespace {

std::string& NadpisanyKatalog()
{
    static std::string katalog;
    return katalog;
}

std::string& NadpisanyKatalogDanych()
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

// The file's name without its folder, cut to 24 characters: whole letters, as a name cut inside
// a letter is not a name the file system shows or the player can type.
std::string NazwaBezKatalogu(const std::string& plik)
{
    const std::string nazwa = std::filesystem::path(plik).filename().string();
    int znakow = 0;
    for (std::size_t i = 0; i < nazwa.size(); ++i) {
        const bool poczatekZnaku = (static_cast<unsigned char>(nazwa[i]) & 0xC0) != 0x80;
        if (poczatekZnaku && ++znakow > 24)
            return nazwa.substr(0, i);
    }
    return nazwa;
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
        std::string kandydat = KatalogDanych() + Formatuj("Kopia %d z %s", i, nazwa.c_str());
        if (!Zajete(kandydat))
            return kandydat;
    }
}

// A copy written whole or not at all: the backup it replaces stays until the new one is complete.
std::string Skopiuj(const std::string& plik, const std::string& kopia)
{
    const auto tresc = CzytajCalyPlik(plik);
    if (!tresc)
        throw EwktException(Formatuj("Nie udało się zrobić kopii zapasowej pliku %s: nie można go odczytać.",
                                     plik.c_str()));
    try {
        ZapiszPlikCaly(kopia, *tresc);
    } catch (const EwktException& e) {
        throw EwktException(Formatuj("Nie udało się zrobić kopii zapasowej pliku %s. %s", plik.c_str(), e.what()));
    }
    return kopia;
}

// A backup name that holds something a backup must not replace: a folder, anything but a plain
// file, or a file its owner protected from writing.
bool NieDoZastapienia(const std::string& sciezka)
{
    std::error_code blad;
    const auto stan = std::filesystem::status(sciezka, blad);
    if (!std::filesystem::exists(stan))
        return std::filesystem::is_symlink(std::filesystem::symlink_status(sciezka, blad));
    using std::filesystem::perms;
    return !std::filesystem::is_regular_file(stan) ||
           (stan.permissions() & (perms::owner_write | perms::group_write | perms::others_write)) == perms::none;
}

std::string OpisBleduKopii(int wynik)
{
    switch (wynik) {
    case -1:
        return "nie można otworzyć pliku źródłowego";
    case -2:
        return "nie można utworzyć pliku";
    case -3:
        return "błąd odczytu";
    case -4:
        return "błąd zapisu";
    default:
        return Formatuj("błąd %d", wynik);
    }
}

}  // namespace

std::string ProgramDir()
{
    if (!NadpisanyKatalog().empty())
        return NadpisanyKatalog();
    const std::string program = KatalogPlikuWykonywalnego();
    const std::string zainstalowane = ZainstalowaneDane(program);
    return zainstalowane.empty() ? program : zainstalowane;
}

void UstawProgramDir(const std::string& katalog) { NadpisanyKatalog() = ZUkosnikiem(katalog); }

std::string KatalogPlikuWykonywalnego()
{
    std::error_code blad;
    const auto sciezka = std::filesystem::read_symlink("/proc/self/exe", blad);
    if (blad)
        return ZUkosnikiem(std::filesystem::current_path().string());
    return ZUkosnikiem(sciezka.parent_path().string());
}

std::string ZainstalowaneDane(const std::string& katalogProgramu)
{
    std::filesystem::path bin(katalogProgramu);
    if (!bin.has_filename())
        bin = bin.parent_path();
    if (bin.filename() != "bin")
        return {};
    const std::filesystem::path dane = bin.parent_path() / "share" / "drelinko";
    std::error_code blad;
    if (!std::filesystem::is_directory(dane, blad))
        return {};
    return ZUkosnikiem(dane.string());
}

std::string KatalogDanych()
{
    if (!NadpisanyKatalogDanych().empty())
        return NadpisanyKatalogDanych();
    return ProgramDir();
}

void UstawKatalogDanych(const std::string& katalog) { NadpisanyKatalogDanych() = ZUkosnikiem(katalog); }

std::string PrzygotujKatalogDanych(const std::string& katalog, const std::string& wydane,
                                   const std::vector<std::string>& pliki)
{
    namespace fs = std::filesystem;
    std::error_code blad;
    fs::create_directories(katalog, blad);
    if (blad)
        return Formatuj("Nie udało się utworzyć folderu %s: %s.", katalog.c_str(), blad.message().c_str());
    if (!fs::is_directory(katalog, blad))
        return Formatuj("Nie udało się utworzyć folderu %s: pod tą nazwą jest plik.", katalog.c_str());
    for (const auto& nazwa : pliki) {
        const std::string cel = (fs::path(katalog) / nazwa).string();
        const std::string zrodlo = (fs::path(wydane) / nazwa).string();
        if (Zajete(cel) || !PlikIstnieje(zrodlo))
            continue;
        // Renamed into place only when whole: a copy cut short must not pass for the player's file
        // on the next start, which would leave it there for good.
        const std::string tymczasowy = cel + ".tmp";
        const int wynik = CopyFileLZ(zrodlo, tymczasowy);
        if (wynik < 0) {
            fs::remove(tymczasowy, blad);
            return Formatuj("Nie udało się skopiować %s do %s: %s.", zrodlo.c_str(), cel.c_str(),
                            OpisBleduKopii(wynik).c_str());
        }
        fs::rename(tymczasowy, cel, blad);
        if (blad) {
            const std::string opis = blad.message();
            fs::remove(tymczasowy, blad);
            return Formatuj("Nie udało się skopiować %s do %s: %s.", zrodlo.c_str(), cel.c_str(), opis.c_str());
        }
    }
    return {};
}

bool PlikIstnieje(const std::string& plik)
{
    std::error_code blad;
    return std::filesystem::is_regular_file(plik, blad);
}

std::optional<std::string> CzytajCalyPlik(const std::string& plik)
{
    if (!PlikIstnieje(plik))
        return std::nullopt;
    std::ifstream we(plik, std::ios::binary);
    std::ostringstream tekst;
    if (!we || !(tekst << we.rdbuf()) || we.bad())
        return std::nullopt;
    return std::move(tekst).str();
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

bool SaveToFile(const tWktList& lista, const std::string& plik, bool kopia, std::string* powod)
{
    try {
        // The whole content is made first: a text the file cannot hold stops the save before
        // anything on disk is touched.
        tWktStream strumien;
        lista.Store(strumien);
        // Without its backup the old file is not replaced: the player would lose it for good.
        if (kopia)
            MakeBackup(plik);
        strumien.SaveToFile(plik);
        return true;
    } catch (const std::exception& e) {
        if (powod != nullptr)
            *powod = e.what();
        return false;
    } catch (...) {
        if (powod != nullptr)
            *powod = "nieznany błąd";
        return false;
    }
}

std::string MakeBackup(const std::string& plik)
{
    // An empty file holds nothing to keep, and its copy would replace the last backup worth having.
    std::error_code blad;
    if (!PlikIstnieje(plik) || std::filesystem::file_size(plik, blad) == 0)
        return {};
    const std::string nazwa = NazwaBezKatalogu(plik);
    std::string kandydat = KatalogDanych() + "Kopia " + nazwa;
    if (NieDoZastapienia(kandydat))
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
