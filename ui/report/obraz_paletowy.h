#pragma once

// A page of few colours drawn straight as palette indices (TObrazPaletowy), for the report's table
// pages.

#include "ui/text/kafelki_slow.h"

#include <QHash>
#include <QImage>
#include <QRect>

#include <cstdint>
#include <vector>

// A page of a few solid colours and text in them, drawn straight into an 8-bit palette picture: such
// a page is written as a PNG many times quicker than a 32-bit one. Text is put from kept word
// masks (TKafelkiSlow), its coverage in 16 steps between the text's colour and what is under it;
// each mix met becomes a colour of the palette. Past 256 colours the nearest one already there
// stands in, which a page of a table never comes near.
class TObrazPaletowy {
public:
    TObrazPaletowy(int szerokosc, int wysokosc, QRgb tlo);

    void Wypelnij(const QRect& r, QRgb kolor);
    // A word's mask in the colour given, the pen at x of the row whose top is y, only in the
    // columns [od, doo).
    void Naloz(const TKafelkiSlow::TKafelek& kafelek, int x, int y, QRgb kolor, int od, int doo);

    // The picture with its palette as it stands.
    const QImage& Obraz();

private:
    std::uint8_t Indeks(QRgb kolor);

    QImage obraz_;
    std::vector<QRgb> paleta_;
    QHash<QRgb, std::uint8_t> indeksy_;
    // The colour each palette index turns into under text of a colour, per step of coverage; -1 not
    // met yet. A few colours of text, each with its own table.
    struct TMieszanki {
        QRgb Kolor;
        std::vector<std::int16_t> Wynik;
    };
    std::vector<TMieszanki> mieszanki_;
};
