#pragma once

#include "core/operacje_plikowe.h"

#include <cerrno>
#include <string>

#include <unistd.h>

enum class tKrok { utworzenie, pisanie, synchronizacja, zamkniecie, zmianaNazwy };

// Fails the n-th call of one operation as the system would (a write stops half way, as on a disk
// that fills up), or kills the process right there.
class TUsterka : public TOperacjePlikowe {
public:
    TUsterka(tKrok krok, int ktora, int blad = ENOSPC, bool zabij = false)
        : krok_(krok), ktora_(ktora), blad_(blad), zabij_(zabij)
    {
    }

    int UtworzTymczasowy(std::string& wzor) override
    {
        return Teraz(tKrok::utworzenie) ? Awaria() : TOperacjePlikowe::UtworzTymczasowy(wzor);
    }
    ssize_t Pisz(int fd, const void* dane, std::size_t ile) override
    {
        if (pelny_)
            return Awaria();
        if (Teraz(tKrok::pisanie) && ile > 1) {
            const ssize_t n = TOperacjePlikowe::Pisz(fd, dane, ile / 2);
            if (zabij_)
                _exit(0);
            pelny_ = true;
            return n;
        }
        return TOperacjePlikowe::Pisz(fd, dane, ile);
    }
    int Synchronizuj(int fd) override
    {
        return Teraz(tKrok::synchronizacja) ? Awaria() : TOperacjePlikowe::Synchronizuj(fd);
    }
    // Files saved together are flushed at once: that flush is their synchronizacja.
    int SynchronizujSystemPlikow(int fd) override
    {
        return Teraz(tKrok::synchronizacja) ? Awaria() : TOperacjePlikowe::SynchronizujSystemPlikow(fd);
    }
    int Zamknij(int fd) override
    {
        const int wynik = TOperacjePlikowe::Zamknij(fd);
        return Teraz(tKrok::zamkniecie) ? Awaria() : wynik;
    }
    int ZmienNazwe(const std::string& z, const std::string& na) override
    {
        return Teraz(tKrok::zmianaNazwy) ? Awaria() : TOperacjePlikowe::ZmienNazwe(z, na);
    }

private:
    bool Teraz(tKrok k) { return k == krok_ && ++wywolan_ == ktora_; }
    int Awaria()
    {
        if (zabij_)
            _exit(0);
        errno = blad_;
        return -1;
    }

    tKrok krok_;
    int ktora_;
    int blad_;
    bool zabij_;
    int wywolan_ = 0;
    bool pelny_ = false;
};
