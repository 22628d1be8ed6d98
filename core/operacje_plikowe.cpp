// The system's own file calls behind every write, and the stand-in switch for tests.

#include "core/operacje_plikowe.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <unistd.h>

namespace {

TOperacjePlikowe*& Biezace()
{
    static TOperacjePlikowe systemowe;
    static TOperacjePlikowe* biezace = &systemowe;
    return biezace;
}

}  // namespace

int TOperacjePlikowe::UtworzTymczasowy(std::string& wzor) { return ::mkstemp(wzor.data()); }

ssize_t TOperacjePlikowe::Pisz(int fd, const void* dane, std::size_t ile) { return ::write(fd, dane, ile); }

int TOperacjePlikowe::Synchronizuj(int fd) { return ::fsync(fd); }

int TOperacjePlikowe::SynchronizujSystemPlikow(int fd) { return ::syncfs(fd); }

int TOperacjePlikowe::Zamknij(int fd) { return ::close(fd); }

int TOperacjePlikowe::ZmienNazwe(const std::string& z, const std::string& na)
{
    return std::rename(z.c_str(), na.c_str());
}

TOperacjePlikowe& OperacjePlikowe() { return *Biezace(); }

TPodmianaOperacjiPlikowych::TPodmianaOperacjiPlikowych(TOperacjePlikowe& zastepcza) : poprzednie_(Biezace())
{
    Biezace() = &zastepcza;
}

TPodmianaOperacjiPlikowych::~TPodmianaOperacjiPlikowych() { Biezace() = poprzednie_; }

std::string OpisBleduSystemu(int numer)
{
    switch (numer) {
    case ENOSPC:
        return "brak miejsca na dysku";
    case EDQUOT:
        return "przekroczony przydział miejsca na dysku";
    case EROFS:
        return "system plików jest tylko do odczytu";
    case EACCES:
    case EPERM:
        return "brak uprawnień do zapisu";
    case ENOENT:
        return "nie ma takiego pliku ani folderu";
    case ENOTDIR:
        return "część ścieżki nie jest folderem";
    case EISDIR:
        return "pod tą nazwą jest folder";
    case EIO:
        return "błąd wejścia-wyjścia";
    case EFBIG:
        return "plik jest za duży";
    case ELOOP:
        return "za dużo dowiązań symbolicznych";
    case ENAMETOOLONG:
        return "za długa nazwa pliku";
    case EMFILE:
    case ENFILE:
        return "za dużo otwartych plików";
    default:
        return std::strerror(numer);
    }
}
