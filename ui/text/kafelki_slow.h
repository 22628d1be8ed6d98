#pragma once

// The journal's words drawn once and kept as masks (TKafelkiSlow), so that a line is put together
// from them rather than laid out again.

#include <QFont>
#include <QHash>
#include <QImage>
#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

// The journal's words drawn once and kept as masks of coverage: a line is made of the same few
// hundred words over and over (the messages, the stations, the digits of times and numbers), and
// putting a kept word on the line costs a fraction of laying out and drawing its glyphs again.
// Two faces, plain and bold; the colour is given when a word is put down, so one mask serves all.
class TKafelkiSlow {
public:
    struct TKafelek {
        // Coverage 0..255 over the glyphs' bounding box, Szerokosc x Wysokosc device pixels, whose
        // top left corner is Lewo right of the pen and Gora below the row's top.
        std::vector<std::uint8_t> Maska;
        int Szerokosc = 0;
        int Wysokosc = 0;
        int Lewo = 0;
        int Gora = 0;
        qreal Przesun = 0;  // how far the pen moves, in logical pixels
    };

    // The faces and the screen's pixel ratio; a change forgets every word.
    void Ustaw(const QFont& czcionka, qreal skala);

    // The word in the given face, drawn now if not kept yet. A reference stays good until Porzadkuj or
    // Ustaw forgets the words.
    const TKafelek& Kafelek(QStringView slowo, bool gruby);
    // How far a part of a word moves the pen, for hit tests and selection edges.
    qreal Szerokosc(QStringView tekst, bool gruby) const;

    // Forgets every word when too many are kept (and says so); called where no reference is held.
    bool Porzadkuj();

    qreal Skala() const { return skala_; }
    // A row of text: its height and where its base line stands, in logical pixels.
    int WysokoscWiersza() const { return wysokosc_; }
    int Linia() const { return linia_; }
    int PozycjaPodkreslenia() const { return podkreslenie_; }
    int GruboscPodkreslenia() const { return grubosc_; }
    qsizetype Liczba() const { return slowa_[0].size() + slowa_[1].size(); }

private:
    std::unique_ptr<TKafelek> Narysuj(const QString& slowo, bool gruby) const;

    QFont czcionki_[2];
    qreal skala_ = 0;
    int wysokosc_ = 0;
    int linia_ = 0;
    int podkreslenie_ = 0;
    int grubosc_ = 1;
    QHash<QString, std::shared_ptr<TKafelek>> slowa_[2];
};

// The end of the piece of a text that starts at j, before koniec: a run of spaces, a word, or one
// other sign (a digit, a mark). Times and numbers are so made of kept digits, not of words seen once.
int KoniecKawalka(const QString& tekst, int j, int koniec);

// Puts a word's mask in the colour given onto an opaque 32-bit image, the pen at device pixel x of
// the row whose top is y, only in the columns [od, do).
void NalozKafelek(QImage& obraz, const TKafelkiSlow::TKafelek& kafelek, int x, int y, QRgb kolor, int od, int doo);
