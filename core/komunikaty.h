#pragma once

#include <string>

// Plain message boxes. The game shows a window; the tools print a line; tests record the text.
class TKomunikaty {
public:
    virtual ~TKomunikaty() = default;
    virtual void Komunikat(const std::string& tekst) = 0;
};

// The screen cursors shown while the timetable is read or saved.
enum class tKursor { domyslny, czytanie, zapis };

class TKursory {
public:
    virtual ~TKursory() = default;
    virtual void UstawKursor(tKursor kursor) = 0;
};

// Shows a cursor for as long as it lives, and the default one after, however the work ends.
class TKursorNaCzas {
public:
    TKursorNaCzas(TKursory& kursory, tKursor kursor) : kursory_(kursory) { kursory_.UstawKursor(kursor); }
    ~TKursorNaCzas() { kursory_.UstawKursor(tKursor::domyslny); }
    TKursorNaCzas(const TKursorNaCzas&) = delete;
    TKursorNaCzas& operator=(const TKursorNaCzas&) = delete;

private:
    TKursory& kursory_;
};
