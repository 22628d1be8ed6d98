// The component base: bounds, repaint, colour, and the properties every layout sets.

#include "station/komponent.h"

#include "station/stacja.h"

#include <charconv>
#include <sstream>

void TKomponent::SetBounds(int left, int top, int width, int height)
{
    Left = left;
    Top = top;
    Width = width;
    Height = height;
    Repaint();
}

void TKomponent::Repaint() { stacja_.Odswiez(this); }

TKolor TKomponent::Kolor() const { return ParentColor ? stacja_.KolorOkna : Color; }

bool TKomponent::UstawWlasciwosc(const std::string& nazwa, const std::string& wartosc)
{
    if (nazwa == "Hint") {
        Hint = wartosc;
        return true;
    }
    if (nazwa == "Visible")
        return CzytajLogiczna(wartosc, Visible);
    if (nazwa == "ShowHint")
        return CzytajLogiczna(wartosc, ShowHint);
    if (nazwa == "ParentShowHint")
        return CzytajLogiczna(wartosc, ParentShowHint);
    if (nazwa == "ParentFont")
        return CzytajLogiczna(wartosc, ParentFont);
    if (nazwa == "Color") {
        ParentColor = false;
        return CzytajKolor(wartosc, Color);
    }
    if (nazwa == "Font.Name") {
        Font.Nazwa = wartosc;
        return true;
    }
    if (nazwa == "Font.Height") {
        Font.Piksele = true;
        return CzytajLiczbe(wartosc, Font.Rozmiar);
    }
    if (nazwa == "ParentColor")
        return CzytajLogiczna(wartosc, ParentColor);
    return false;
}

bool TKomponent::UstawReferencje(const std::string&, TKomponent*) { return false; }

bool CzytajLiczbe(const std::string& tekst, int& wynik)
{
    const char* poczatek = tekst.data();
    const char* koniec = tekst.data() + tekst.size();
    const auto [p, blad] = std::from_chars(poczatek, koniec, wynik);
    return blad == std::errc() && p == koniec && !tekst.empty();
}

bool CzytajLogiczna(const std::string& tekst, bool& wynik)
{
    if (tekst == "True" || tekst == "true") {
        wynik = true;
        return true;
    }
    if (tekst == "False" || tekst == "false") {
        wynik = false;
        return true;
    }
    return false;
}

bool CzytajKolor(const std::string& tekst, TKolor& wynik)
{
    static const std::pair<const char*, TKolor> nazwy[] = {
        {"clGray", kolory::Szary},   {"clBlack", kolory::Czarny}, {"clWhite", kolory::Bialy},
        {"clRed", kolory::Czerwony}, {"clGreen", kolory::Zielony}, {"clNavy", kolory::Granatowy},
        {"clSilver", kolory::Srebrny}};
    for (const auto& [nazwa, kolor] : nazwy)
        if (tekst == nazwa) {
            wynik = kolor;
            return true;
        }
    std::istringstream we(tekst);
    int r = -1, g = -1, b = -1;
    char c1 = 0, c2 = 0;
    if (!(we >> r >> c1 >> g >> c2 >> b) || c1 != ',' || c2 != ',' || !(we >> std::ws).eof())
        return false;
    if (r < 0 || r > 255 || g < 0 || g > 255 || b < 0 || b > 255)
        return false;
    wynik = TKolor(static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g), static_cast<std::uint8_t>(b));
    return true;
}
