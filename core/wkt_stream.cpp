// The byte stream of the game's files: checked reading, writing, and saving by rename.

#include "core/wkt_stream.h"

#include "core/cp1250.h"
#include "core/format.h"
#include "core/operacje_plikowe.h"
#include "core/wkt_exception.h"
#include "core/wkt_list.h"
#include "core/wkt_registry.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <typeinfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

tWktStream::tWktStream() : tWktStream(Rejestr()) {}

tWktStream::tWktStream(std::vector<std::uint8_t> dane) : tWktStream(Rejestr(), std::move(dane)) {}

tWktStream::tWktStream(const tWktRejestr& rejestr, std::vector<std::uint8_t> dane)
    : rejestr_(rejestr), dane_(std::move(dane))
{
}

void tWktStream::Seek(std::size_t pozycja)
{
    if (pozycja > dane_.size())
        throw EwktException("Pozycja poza końcem strumienia.");
    pozycja_ = pozycja;
}

void tWktStream::Wymagaj(std::size_t ile) const
{
    if (ile > Remaining())
        throw EwktException(Formatuj("Nieoczekiwany koniec danych (pozycja %zu, brakuje %zu B).",
                                     pozycja_, ile - Remaining()));
}

void tWktStream::Read(void* cel, std::size_t ile)
{
    Wymagaj(ile);
    if (ile > 0)
        std::memcpy(cel, dane_.data() + pozycja_, ile);
    pozycja_ += ile;
}

void tWktStream::Write(const void* zrodlo, std::size_t ile)
{
    if (ile == 0)
        return;
    const auto* bajty = static_cast<const std::uint8_t*>(zrodlo);
    const std::size_t koniec = pozycja_ + ile;
    if (koniec > dane_.size())
        dane_.resize(koniec);
    std::memcpy(dane_.data() + pozycja_, bajty, ile);
    pozycja_ = koniec;
}

namespace {

template <typename T>
T CzytajLe(tWktStream& s)
{
    std::uint8_t b[sizeof(T)];
    s.Read(b, sizeof(T));
    std::uint64_t v = 0;
    for (std::size_t i = 0; i < sizeof(T); ++i)
        v |= static_cast<std::uint64_t>(b[i]) << (8 * i);
    T wynik;
    if constexpr (sizeof(T) == 8) {
        std::memcpy(&wynik, &v, 8);
    } else {
        using Bez = std::make_unsigned_t<T>;
        const Bez u = static_cast<Bez>(v);
        std::memcpy(&wynik, &u, sizeof(T));
    }
    return wynik;
}

template <typename T>
void PiszLe(tWktStream& s, T wartosc)
{
    std::uint64_t v = 0;
    if constexpr (sizeof(T) == 8) {
        std::memcpy(&v, &wartosc, 8);
    } else {
        using Bez = std::make_unsigned_t<T>;
        Bez u;
        std::memcpy(&u, &wartosc, sizeof(T));
        v = u;
    }
    std::uint8_t b[sizeof(T)];
    for (std::size_t i = 0; i < sizeof(T); ++i)
        b[i] = static_cast<std::uint8_t>(v >> (8 * i));
    s.Write(b, sizeof(T));
}

}  // namespace

std::uint8_t tWktStream::ReadByte() { return CzytajLe<std::uint8_t>(*this); }
std::int16_t tWktStream::ReadInt16() { return CzytajLe<std::int16_t>(*this); }
std::uint16_t tWktStream::ReadUInt16() { return CzytajLe<std::uint16_t>(*this); }
std::int32_t tWktStream::ReadInt32() { return CzytajLe<std::int32_t>(*this); }
double tWktStream::ReadDouble() { return CzytajLe<double>(*this); }
void tWktStream::WriteByte(std::uint8_t v) { PiszLe(*this, v); }
void tWktStream::WriteInt16(std::int16_t v) { PiszLe(*this, v); }
void tWktStream::WriteUInt16(std::uint16_t v) { PiszLe(*this, v); }
void tWktStream::WriteInt32(std::int32_t v) { PiszLe(*this, v); }
void tWktStream::WriteDouble(double v) { PiszLe(*this, v); }

std::string tWktStream::ReadText()
{
    const std::int16_t krotka = ReadInt16();
    std::int64_t dlugosc = 0;
    if (krotka >= 1)
        dlugosc = krotka;
    else if (krotka == -1)
        dlugosc = ReadInt32();
    if (dlugosc <= 0)
        return {};
    Wymagaj(static_cast<std::size_t>(dlugosc));
    const std::string_view surowy(reinterpret_cast<const char*>(dane_.data() + pozycja_),
                                  static_cast<std::size_t>(dlugosc));
    auto tekst = ZCp1250(surowy);
    if (!tekst)
        throw EwktException(Formatuj("Tekst na pozycji %zu zawiera bajty spoza strony kodowej Windows-1250.",
                                     pozycja_));
    pozycja_ += static_cast<std::size_t>(dlugosc);
    return std::move(*tekst);
}

void tWktStream::WriteText(std::string_view tekst)
{
    const auto zakodowany = NaCp1250(tekst);
    if (!zakodowany)
        throw EwktException(Formatuj("Tekstu \"%.*s\" nie da się zapisać w stronie kodowej Windows-1250.",
                                     static_cast<int>(tekst.size()), tekst.data()));
    const std::size_t n = zakodowany->size();
    if (n == 0) {
        WriteInt16(0);
    } else if (n <= KrotkiTekst) {
        WriteInt16(static_cast<std::int16_t>(n));
    } else {
        if (n > static_cast<std::size_t>(INT32_MAX))
            throw EwktException("Tekst jest za długi do zapisania.");
        WriteInt16(-1);
        WriteInt32(static_cast<std::int32_t>(n));
    }
    Write(zakodowany->data(), n);
}

std::unique_ptr<tWktInstance> tWktStream::ReadObject()
{
    const std::uint16_t numer = ReadUInt16();
    if (numer == 0)
        return nullptr;
    const tWktRecObject* rekord = rejestr_.ZnajdzNumer(numer);
    if (rekord == nullptr)
        throw EwktException(Formatuj("202: Próba obsługi niezarejestrowanego typu numer %d.", int{numer}));
    if (zagniezdzenie_ >= NajwiekszeZagniezdzenie)
        throw EwktException("Zbyt głęboko zagnieżdżone listy: plik jest uszkodzony.");

    std::unique_ptr<tWktInstance> obiekt = rekord->Utworz();
    ++zagniezdzenie_;
    try {
        if (auto* o = dynamic_cast<tWktObject*>(obiekt.get()))
            o->Load(*this);
        else if (auto* l = dynamic_cast<tWktList*>(obiekt.get()))
            l->Load(*this);
        else
            throw EwktException(Formatuj("203: Nie można odczytać ze strumienia typu %s.", rekord->Nazwa.c_str()));
    } catch (...) {
        --zagniezdzenie_;
        throw;
    }
    --zagniezdzenie_;
    return obiekt;
}

void tWktStream::WriteObject(const tWktInstance* obiekt)
{
    if (obiekt == nullptr) {
        WriteUInt16(0);
        return;
    }
    const tWktRecObject* rekord = rejestr_.ZnajdzKlase(typeid(*obiekt));
    if (rekord == nullptr)
        throw EwktException(Formatuj("202: Próba obsługi niezarejestrowanego typu %s.", typeid(*obiekt).name()));
    if (auto* o = dynamic_cast<const tWktObject*>(obiekt)) {
        WriteUInt16(rekord->Numer);
        o->Store(*this);
    } else if (auto* l = dynamic_cast<const tWktList*>(obiekt)) {
        WriteUInt16(rekord->Numer);
        l->Store(*this);
    } else {
        throw EwktException(Formatuj("203: Nie można odczytać ze strumienia typu %s.", rekord->Nazwa.c_str()));
    }
}

void tWktStream::LoadFromFile(const std::string& plik)
{
    std::ifstream we(plik, std::ios::binary | std::ios::ate);
    if (!we)
        throw EwktException(Formatuj("Nie można otworzyć pliku %s.", plik.c_str()));
    const std::streamoff rozmiar = we.tellg();
    if (rozmiar < 0 || static_cast<std::uint64_t>(rozmiar) > NajwiekszyPlik)
        throw EwktException(Formatuj("Plik %s ma niedopuszczalny rozmiar.", plik.c_str()));
    std::vector<std::uint8_t> dane(static_cast<std::size_t>(rozmiar));
    we.seekg(0);
    if (!dane.empty() && !we.read(reinterpret_cast<char*>(dane.data()), rozmiar))
        throw EwktException(Formatuj("Błąd odczytu pliku %s.", plik.c_str()));
    dane_ = std::move(dane);
    pozycja_ = 0;
}

void tWktStream::SaveToFile(const std::string& plik) const
{
    ZapiszPlikCaly(plik, {reinterpret_cast<const char*>(dane_.data()), dane_.size()});
}

namespace {

namespace fs = std::filesystem;

// The file a save replaces. A symbolic link is followed to its target, so that the link stays a
// link and the file it points at gets the new content.
fs::path CelZapisu(const std::string& plik)
{
    fs::path cel(plik);
    std::error_code blad;
    for (int skok = 0; fs::is_symlink(fs::symlink_status(cel, blad)); ++skok) {
        const fs::path dokad = fs::read_symlink(cel, blad);
        if (blad || skok >= 40)
            throw EwktException(Formatuj("Nie można zapisać pliku %s: %s.", plik.c_str(), OpisBleduSystemu(ELOOP).c_str()));
        cel = dokad.is_absolute() ? dokad : cel.parent_path() / dokad;
    }
    return cel;
}

// A save killed half way leaves its temporary file; the next save of the same file clears it.
// Only names of our own pattern are touched, never anything the player keeps beside.
void UsunPorzuconeTymczasowe(const fs::path& cel)
{
    const std::string przedrostek = cel.filename().string() + PrzyrostekTymczasowego;
    const std::size_t dlugosc = przedrostek.size() + 6;
    std::error_code blad;
    const fs::path folder = cel.has_parent_path() ? cel.parent_path() : fs::path(".");
    for (fs::directory_iterator it(folder, blad), koniec; !blad && it != koniec; it.increment(blad)) {
        const std::string nazwa = it->path().filename().string();
        if (nazwa.size() != dlugosc || nazwa.compare(0, przedrostek.size(), przedrostek) != 0)
            continue;
        std::error_code b;
        if (fs::is_regular_file(fs::symlink_status(it->path(), b)))
            fs::remove(it->path(), b);
    }
}

}  // namespace

namespace {

[[noreturn]] void OdmowaZapisu(const std::string& plik, const std::string& powod)
{
    throw EwktException(Formatuj("Nie można zapisać pliku %s: %s.", plik.c_str(), powod.c_str()));
}

fs::path FolderPliku(const fs::path& cel) { return cel.has_parent_path() ? cel.parent_path() : fs::path("."); }

// The new content written whole into a temporary file beside the file it is to replace (synced when
// asked); its name. Nothing is replaced yet; a failure leaves no temporary file.
std::string NapiszTymczasowy(const std::string& plik, const fs::path& cel, std::string_view dane, bool synchronizuj)
{
    mode_t tryb = 0644;
    struct stat st {};
    if (::stat(cel.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode))
            OdmowaZapisu(plik, "pod tą nazwą jest folder");
        if (!S_ISREG(st.st_mode))
            OdmowaZapisu(plik, "to nie jest zwykły plik");
        // The missing write permission is the owner's word even where the system would let us
        // through (the administrator may write anything).
        if ((st.st_mode & 0222) == 0 || ::access(cel.c_str(), W_OK) != 0)
            OdmowaZapisu(plik, "plik jest chroniony przed zapisem");
        tryb = st.st_mode & 07777;
    }
    UsunPorzuconeTymczasowe(cel);

    TOperacjePlikowe& operacje = OperacjePlikowe();
    std::string tymczasowy = cel.string() + PrzyrostekTymczasowego + "XXXXXX";
    const int fd = operacje.UtworzTymczasowy(tymczasowy);
    if (fd < 0)
        OdmowaZapisu(plik, Formatuj("nie można utworzyć pliku w folderze %s (%s)", FolderPliku(cel).c_str(),
                                    OpisBleduSystemu(errno).c_str()));
    int numer = 0;
    std::size_t zapisano = 0;
    while (numer == 0 && zapisano < dane.size()) {
        const ssize_t n = operacje.Pisz(fd, dane.data() + zapisano, dane.size() - zapisano);
        if (n > 0)
            zapisano += static_cast<std::size_t>(n);
        else if (n == 0)
            numer = ENOSPC;
        else if (errno != EINTR)
            numer = errno;
    }
    if (numer == 0 && ::fchmod(fd, tryb) != 0)
        numer = errno;
    if (numer == 0 && synchronizuj && operacje.Synchronizuj(fd) != 0)
        numer = errno;
    if (operacje.Zamknij(fd) != 0 && numer == 0)
        numer = errno;
    if (numer != 0) {
        std::remove(tymczasowy.c_str());
        OdmowaZapisu(plik, OpisBleduSystemu(numer));
    }
    return tymczasowy;
}

// The temporary file put in the file's place.
void ZamienNaCel(const std::string& plik, const std::string& tymczasowy, const fs::path& cel)
{
    if (OperacjePlikowe().ZmienNazwe(tymczasowy, cel.string()) != 0) {
        const int numer = errno;
        std::remove(tymczasowy.c_str());
        OdmowaZapisu(plik, OpisBleduSystemu(numer));
    }
}

// The new names themselves are made durable with their folder.
void SynchronizujFolder(const fs::path& folder)
{
    const int katalog = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (katalog >= 0) {
        ::fsync(katalog);
        ::close(katalog);
    }
}

}  // namespace

void ZapiszPlikCaly(const std::string& plik, std::string_view dane)
{
    const fs::path cel = CelZapisu(plik);
    ZamienNaCel(plik, NapiszTymczasowy(plik, cel, dane, true), cel);
    SynchronizujFolder(FolderPliku(cel));
}

TZapisPlikow::~TZapisPlikow()
{
    for (const TPlik& p : pliki_)
        std::remove(p.Tymczasowy.c_str());
}

void TZapisPlikow::Dodaj(const std::string& plik, std::string_view dane)
{
    const fs::path cel = CelZapisu(plik);
    std::string tymczasowy = NapiszTymczasowy(plik, cel, dane, false);
    const std::lock_guard<std::mutex> blokada(m_);
    pliki_.push_back({plik, cel.string(), std::move(tymczasowy)});
}

void TZapisPlikow::Zatwierdz()
{
    const std::lock_guard<std::mutex> blokada(m_);
    std::vector<fs::path> foldery;
    for (const TPlik& p : pliki_) {
        const fs::path folder = FolderPliku(p.Cel);
        if (std::find(foldery.begin(), foldery.end(), folder) == foldery.end())
            foldery.push_back(folder);
    }
    // Every file reaches the disk before any replaces its old one: one flush of each file system
    // rather than one for each file, which took most of an export of hundreds of pages.
    for (const fs::path& folder : foldery) {
        const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
        const int numer = fd < 0 ? errno : OperacjePlikowe().SynchronizujSystemPlikow(fd) != 0 ? errno : 0;
        if (fd >= 0)
            ::close(fd);
        if (numer != 0) {
            const auto it = std::find_if(pliki_.begin(), pliki_.end(), [&](const TPlik& p) { return FolderPliku(p.Cel) == folder; });
            OdmowaZapisu(it->Plik, OpisBleduSystemu(numer));
        }
    }
    for (std::size_t i = 0; i < pliki_.size(); ++i) {
        try {
            ZamienNaCel(pliki_[i].Plik, pliki_[i].Tymczasowy, pliki_[i].Cel);
        } catch (const EwktException&) {
            pliki_.erase(pliki_.begin(), pliki_.begin() + static_cast<std::ptrdiff_t>(i) + 1);
            throw;
        }
    }
    pliki_.clear();
    for (const fs::path& folder : foldery)
        SynchronizujFolder(folder);
}
