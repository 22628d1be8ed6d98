// Checking settings values as they are read and written, and the base64 of stored bytes.

#include "core/ustawienia.h"

#include "core/format.h"
#include "core/tekst.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

// Told once in the program's run: a home that cannot be written stays so for every later write.
bool& PowiedzianoOBledzie()
{
    static bool powiedziano = false;
    return powiedziano;
}

bool WZakresie(double v, const TOpisUstawienia& opis) { return std::isfinite(v) && v >= opis.Od && v <= opis.Do; }

// Numbers with a point whatever the user's locale, both ways.
std::optional<double> CzytajRzeczywista(std::string_view t)
{
    double v = 0.0;
    const auto [koniec, blad] = std::from_chars(t.data(), t.data() + t.size(), v);
    if (t.empty() || blad != std::errc() || koniec != t.data() + t.size())
        return std::nullopt;
    return v;
}

constexpr std::string_view ZnakiBase64 = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

}  // namespace

std::optional<std::string> UstawienieLogiczne(std::string_view tekst, const TOpisUstawienia&)
{
    const std::string t = MaleLitery(Przytnij(tekst));
    if (t == "true" || t == "1")
        return "true";
    if (t == "false" || t == "0")
        return "false";
    return std::nullopt;
}

std::optional<std::string> UstawienieCalkowite(std::string_view tekst, const TOpisUstawienia& opis)
{
    const std::string t = Przytnij(tekst);
    long long v = 0;
    const auto [koniec, blad] = std::from_chars(t.data(), t.data() + t.size(), v);
    if (t.empty() || blad != std::errc() || koniec != t.data() + t.size() || !WZakresie(static_cast<double>(v), opis))
        return std::nullopt;
    return std::to_string(v);
}

std::optional<std::string> UstawienieRzeczywiste(std::string_view tekst, const TOpisUstawienia& opis)
{
    const auto v = CzytajRzeczywista(Przytnij(tekst));
    if (!v || !WZakresie(*v, opis))
        return std::nullopt;
    return TekstLiczby(*v);
}

std::optional<std::string> UstawienieKolor(std::string_view tekst, const TOpisUstawienia&)
{
    const std::string t = MaleLitery(Przytnij(tekst));
    if (t.size() != 7 || t[0] != '#' || t.find_first_not_of("0123456789abcdef", 1) != std::string::npos)
        return std::nullopt;
    return t;
}

std::optional<std::string> UstawienieDane(std::string_view tekst, const TOpisUstawienia&)
{
    if (!ZBase64(tekst))
        return std::nullopt;
    return std::string(tekst);
}

std::string TekstLiczby(double v)
{
    char bufor[64];
    const auto [koniec, blad] = std::to_chars(bufor, bufor + sizeof bufor, v);
    return blad == std::errc() ? std::string(bufor, koniec) : std::string();
}

tPostacUstawienia Postac(const TOpisUstawienia& opis)
{
    if (opis.Sprawdz == UstawienieKolor)
        return tPostacUstawienia::kolor;
    if (opis.Sprawdz == UstawienieDane)
        return tPostacUstawienia::dane;
    return tPostacUstawienia::tekst;
}

std::string Base64(std::string_view bajty)
{
    std::string wynik;
    wynik.reserve((bajty.size() + 2) / 3 * 4);
    for (std::size_t i = 0; i < bajty.size(); i += 3) {
        std::uint32_t v = static_cast<std::uint8_t>(bajty[i]) << 16;
        if (i + 1 < bajty.size())
            v |= static_cast<std::uint8_t>(bajty[i + 1]) << 8;
        if (i + 2 < bajty.size())
            v |= static_cast<std::uint8_t>(bajty[i + 2]);
        wynik += ZnakiBase64[(v >> 18) & 63];
        wynik += ZnakiBase64[(v >> 12) & 63];
        wynik += i + 1 < bajty.size() ? ZnakiBase64[(v >> 6) & 63] : '=';
        wynik += i + 2 < bajty.size() ? ZnakiBase64[v & 63] : '=';
    }
    return wynik;
}

std::optional<std::string> ZBase64(std::string_view tekst)
{
    if (tekst.size() % 4 != 0)
        return std::nullopt;
    std::string wynik;
    for (std::size_t i = 0; i < tekst.size(); i += 4) {
        std::uint32_t v = 0;
        int dopelnienie = 0;
        for (std::size_t j = 0; j < 4; ++j) {
            const char c = tekst[i + j];
            // '=' only at the very end, at most two, and nothing after it.
            if (c == '=' && i + 4 == tekst.size() && j >= 2) {
                ++dopelnienie;
                v <<= 6;
                continue;
            }
            const auto pozycja = ZnakiBase64.find(c);
            if (pozycja == std::string_view::npos || dopelnienie > 0)
                return std::nullopt;
            v = (v << 6) | static_cast<std::uint32_t>(pozycja);
        }
        wynik += static_cast<char>((v >> 16) & 0xFF);
        if (dopelnienie < 2)
            wynik += static_cast<char>((v >> 8) & 0xFF);
        if (dopelnienie < 1)
            wynik += static_cast<char>(v & 0xFF);
    }
    return wynik;
}

std::string TUstawieniaGry::Tekst(const TOpisUstawienia& opis) const
{
    const std::string surowy = magazyn_.CzytajJako(Postac(opis), opis.Klucz, opis.Nazwa, opis.Domyslna);
    if (auto wartosc = opis.Sprawdz(surowy, opis))
        return *wartosc;
    return opis.Sprawdz(opis.Domyslna, opis).value_or(opis.Domyslna);
}

bool TUstawieniaGry::Logiczne(const TOpisUstawienia& opis) const { return Tekst(opis) == "true"; }

int TUstawieniaGry::Calkowite(const TOpisUstawienia& opis) const
{
    const std::string t = Tekst(opis);
    int v = 0;
    std::from_chars(t.data(), t.data() + t.size(), v);
    return v;
}

double TUstawieniaGry::Rzeczywiste(const TOpisUstawienia& opis) const
{
    return CzytajRzeczywista(Tekst(opis)).value_or(0.0);
}

std::string TUstawieniaGry::Dane(const TOpisUstawienia& opis) const { return ZBase64(Tekst(opis)).value_or(""); }

bool TUstawieniaGry::Zapisz(const TOpisUstawienia& opis, std::string_view wartosc)
{
    const auto sprawdzona = opis.Sprawdz(wartosc, opis);
    if (!sprawdzona)
        return false;
    magazyn_.ZapiszJako(Postac(opis), opis.Klucz, opis.Nazwa, *sprawdzona);
    const std::string blad = magazyn_.BladZapisu();
    if (blad.empty())
        return true;
    // Told once in the program's run: a home that cannot be written stays so for every later write.
    if (!PowiedzianoOBledzie() && komunikaty_ != nullptr) {
        PowiedzianoOBledzie() = true;
        komunikaty_->Blad(Formatuj(TekstBleduZapisu, blad.c_str()));
    }
    return false;
}


bool TUstawieniaGry::ZapiszLogiczne(const TOpisUstawienia& opis, bool wartosc)
{
    return Zapisz(opis, wartosc ? "true" : "false");
}

bool TUstawieniaGry::ZapiszCalkowite(const TOpisUstawienia& opis, int wartosc) { return Zapisz(opis, std::to_string(wartosc)); }

bool TUstawieniaGry::ZapiszRzeczywiste(const TOpisUstawienia& opis, double wartosc)
{
    return Zapisz(opis, TekstLiczby(wartosc));
}

bool TUstawieniaGry::ZapiszDane(const TOpisUstawienia& opis, std::string_view bajty) { return Zapisz(opis, Base64(bajty)); }

void TUstawieniaGry::ZapomnijOBledzie() { PowiedzianoOBledzie() = false; }
