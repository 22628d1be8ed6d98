#pragma once

// The file system calls every save goes through, replaceable so tests can make a save fail.

#include <cstddef>
#include <string>

#include <sys/types.h>

// The system calls through which every file the game writes goes. A test puts a stand-in in place
// to play a full disk, a read-only folder or a process killed between two steps of a save; each
// call answers as the system does (-1 and errno on failure).
class TOperacjePlikowe {
public:
    virtual ~TOperacjePlikowe() = default;
    // Creates and opens a new file from the mkstemp pattern, which it completes.
    virtual int UtworzTymczasowy(std::string& wzor);
    virtual ssize_t Pisz(int fd, const void* dane, std::size_t ile);
    virtual int Synchronizuj(int fd);
    // Flushes the whole file system that holds the open file or folder.
    virtual int SynchronizujSystemPlikow(int fd);
    virtual int Zamknij(int fd);
    virtual int ZmienNazwe(const std::string& z, const std::string& na);
};

// The operations in use: the system's own unless a stand-in is in place.
TOperacjePlikowe& OperacjePlikowe();

// Puts a stand-in in place for as long as it lives.
class TPodmianaOperacjiPlikowych {
public:
    explicit TPodmianaOperacjiPlikowych(TOperacjePlikowe& zastepcza);
    ~TPodmianaOperacjiPlikowych();
    TPodmianaOperacjiPlikowych(const TPodmianaOperacjiPlikowych&) = delete;
    TPodmianaOperacjiPlikowych& operator=(const TPodmianaOperacjiPlikowych&) = delete;

private:
    TOperacjePlikowe* poprzednie_;
};

// What a failed call of the system means to the player, in Polish ("brak miejsca na dysku").
std::string OpisBleduSystemu(int numer);
