#pragma once

// The game's settings: each described once, and read and written only through checks.

#include "core/komunikaty.h"
#include "core/uslugi.h"

#include <optional>
#include <string>
#include <string_view>

// One setting, described once: where it lives, its default, and what counts as its value.
struct TOpisUstawienia {
    const char* Klucz;
    const char* Nazwa;
    const char* Domyslna;
    // The value in the one form it is written in, or nullopt when the text is not a value of this
    // setting (of another type, not finite, out of range).
    std::optional<std::string> (*Sprawdz)(std::string_view tekst, const TOpisUstawienia& opis);
    double Od = 0.0;
    double Do = 0.0;
};

// The kinds of values, for the descriptions.
std::optional<std::string> UstawienieLogiczne(std::string_view tekst, const TOpisUstawienia& opis);
std::optional<std::string> UstawienieCalkowite(std::string_view tekst, const TOpisUstawienia& opis);
std::optional<std::string> UstawienieRzeczywiste(std::string_view tekst, const TOpisUstawienia& opis);
std::optional<std::string> UstawienieKolor(std::string_view tekst, const TOpisUstawienia& opis);
// Bytes kept as base64 text (window layouts).
std::optional<std::string> UstawienieDane(std::string_view tekst, const TOpisUstawienia& opis);

// The form the store is given the setting's text in.
tPostacUstawienia Postac(const TOpisUstawienia& opis);
// A number in the one form settings keep it in (shortest, with a point whatever the locale).
std::string TekstLiczby(double v);

std::string Base64(std::string_view bajty);
std::optional<std::string> ZBase64(std::string_view tekst);

// The one way in and out of the settings store. A value that is missing, of the wrong type, not
// finite or out of range is read as its default and never written back: a write is checked the
// same way first. When the store cannot keep what is written (a read-only home), the player is
// told once in the program's run, and the game goes on with the values it has.
class TUstawieniaGry {
public:
    TUstawieniaGry(TUstawienia& magazyn, TKomunikaty* komunikaty) : magazyn_(magazyn), komunikaty_(komunikaty) {}

    std::string Tekst(const TOpisUstawienia& opis) const;
    bool Logiczne(const TOpisUstawienia& opis) const;
    int Calkowite(const TOpisUstawienia& opis) const;
    double Rzeczywiste(const TOpisUstawienia& opis) const;
    std::string Dane(const TOpisUstawienia& opis) const;

    // False when the value is not one of the setting's (nothing is written) or was not kept.
    bool Zapisz(const TOpisUstawienia& opis, std::string_view wartosc);
    bool ZapiszLogiczne(const TOpisUstawienia& opis, bool wartosc);
    bool ZapiszCalkowite(const TOpisUstawienia& opis, int wartosc);
    bool ZapiszRzeczywiste(const TOpisUstawienia& opis, double wartosc);
    bool ZapiszDane(const TOpisUstawienia& opis, std::string_view bajty);

    static constexpr const char* TekstBleduZapisu =
        "Nie udało się zachować ustawień gry (%s).\r\nZmiany obowiązują do końca tej gry, ale po ponownym "
        "uruchomieniu programu ustawienia będą takie jak poprzednio.";
    // For tests: the next failed write tells the player again.
    static void ZapomnijOBledzie();

private:
    TUstawienia& magazyn_;
    TKomunikaty* komunikaty_;
};
