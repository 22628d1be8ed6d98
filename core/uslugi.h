#pragma once

// The services outside the engine that the station reaches through: clocks, sound, boxes,
// chance and settings, with the seeded generator of our own.

#include "core/dzwieki.h"
#include "core/komunikaty.h"
#include "core/zegary.h"

#include <cstdint>
#include <string>

// The wall clock: the date and time as days (whole days and the time of day as a fraction).
class TZegarScienny {
public:
    virtual ~TZegarScienny() = default;
    virtual double Teraz() const = 0;
};

// Chance: seeded, then asked for a number in 0..n-1.
class TLosowanie {
public:
    virtual ~TLosowanie() = default;
    virtual void Zasiej(std::uint64_t ziarno) = 0;
    virtual int Losuj(int n) = 0;
};

// What a setting's text stands for, so that a store may keep it in a form of its own: a colour
// goes through as "#rrggbb", bytes as base64 text.
enum class tPostacUstawienia { tekst, kolor, dane };

// The per-user settings store: values by key path and name.
class TUstawienia {
public:
    virtual ~TUstawienia() = default;
    virtual std::string Czytaj(const std::string& klucz, const std::string& nazwa, const std::string& domyslna) const = 0;
    virtual void Zapisz(const std::string& klucz, const std::string& nazwa, const std::string& wartosc) = 0;
    // The same for a value of the given form; a store that keeps only text keeps it as it is given.
    virtual std::string CzytajJako(tPostacUstawienia, const std::string& klucz, const std::string& nazwa,
                                   const std::string& domyslna) const
    {
        return Czytaj(klucz, nazwa, domyslna);
    }
    virtual void ZapiszJako(tPostacUstawienia, const std::string& klucz, const std::string& nazwa,
                            const std::string& wartosc)
    {
        Zapisz(klucz, nazwa, wartosc);
    }
    // Why the last write was not kept (a read-only home); empty when it was. Read through the
    // validating layer, TUstawieniaGry, which tells the player.
    virtual std::string BladZapisu() const { return {}; }
};

// Everything outside the engine that the station reaches for.
struct TUslugi {
    TZegary& Zegary;
    TDzwieki& Dzwieki;
    TKomunikaty& Komunikaty;
    TKursory& Kursory;
    TZegarScienny& ZegarScienny;
    TLosowanie& Losowanie;
    TUstawienia& Ustawienia;
};

// A small generator of our own, so that a seed gives the same numbers everywhere.
class TLosowanieProste : public TLosowanie {
public:
    void Zasiej(std::uint64_t ziarno) override { stan_ = ziarno * 2862933555777941757ULL + 3037000493ULL; }
    int Losuj(int n) override
    {
        stan_ = stan_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return n <= 0 ? 0 : static_cast<int>((stan_ >> 33) % static_cast<std::uint64_t>(n));
    }

private:
    std::uint64_t stan_ = 0x9E3779B97F4A7C15ULL;
};
