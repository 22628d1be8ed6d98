#pragma once

// Message and question boxes and screen cursors, as the engine asks the window for them.

#include <string>

enum class tOdpowiedz { tak, nie, anuluj };
// The buttons of a question box.
enum class tPrzyciski { takNie, takAnuluj };
// The icon of a question box.
enum class tRodzajPytania { potwierdzenie, ostrzezenie };

// Message, question and warning boxes. The game shows windows; the tools print lines and take
// queued answers; tests record what was asked.
class TKomunikaty {
public:
    virtual ~TKomunikaty() = default;
    virtual void Komunikat(const std::string& tekst) = 0;
    // A failure the player should not mistake for news: a file that cannot be read or written, a
    // value refused. Where nothing tells the two apart, it is shown as a message.
    virtual void Blad(const std::string& tekst) { Komunikat(tekst); }
    virtual tOdpowiedz Pytanie(const std::string& tekst, tPrzyciski przyciski, tRodzajPytania rodzaj) = 0;
    // The timed warning: a title, a description, closing itself after the given seconds.
    virtual void Ostrzezenie(const std::string& naglowek, const std::string& tytul, const std::string& opis,
                             int sekundy) = 0;
};

// Asks about an act the dispatcher may take only in exceptional cases, each of which the journal
// records; true when the answer is yes.
inline bool PotwierdzWyjatkowe(TKomunikaty& komunikaty, const std::string& pytanie, const std::string& czynnosc)
{
    return komunikaty.Pytanie(pytanie + "\r\n\r\n" + czynnosc +
                                  " jest możliwe tylko w wyjątkowych wypadkach i każde takie zdarzenie jest "
                                  "rejestrowane w dzienniku.",
                              tPrzyciski::takAnuluj, tRodzajPytania::ostrzezenie) == tOdpowiedz::tak;
}

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
