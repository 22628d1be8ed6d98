#pragma once

// The journal and the score (TDziennik): the lines that judge the dispatcher, and how the pane shows
// each one.

#include "simulation/ocena.h"
#include "station/kolor.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// One entry of the journal pane: a judged line (points, headline, detail, the simulated time it is
// stamped with, the wall-clock time it was written), or a tip (headline and text only).
struct TLiniaDziennika {
    std::int32_t Punkty = 0;
    std::string Tekst;
    std::string Opis;
    double Czas = 0.0;
    double CzasRzeczywisty = 0.0;
    bool Porada = false;
    // What the line judges, and the day's report number of the train it concerns (0: none).
    tRodzajOceny Rodzaj = tRodzajOceny::informacja;
    std::uint32_t Pociag = 0;
};

// The journal and the score. Every bonus and penalty reaches the score through DodajLinie, so the
// two always agree.
class TDziennik {
public:
    static constexpr std::int32_t ScorePoczatkowy = 200;

    std::int32_t Score() const { return score_; }
    void SetScore(std::int32_t wartosc);
    // The score panel's colour: green from 0 up, red below.
    TKolor KolorScore() const { return score_ >= 0 ? TKolor{0, 128, 0} : TKolor{255, 0, 0}; }
    // Adds the points and appends the line; a sum outside 32 bits is refused before anything
    // changes (std::overflow_error).
    void DodajLinie(std::int32_t punkty, const std::string& tekst, const std::string& opis, double czas,
                    double czasRzeczywisty, tRodzajOceny rodzaj = tRodzajOceny::informacja, std::uint32_t pociag = 0);
    void DodajPorade(const std::string& tytul, const std::string& tekst);
    const std::vector<TLiniaDziennika>& Linie() const { return linie_; }
    // Empties the pane; the score stays.
    void Wyczysc() { linie_.clear(); }

    // Told of every new entry and of every change of the score (the window's pane and labels).
    std::function<void(const TLiniaDziennika&)> OnLinia;
    std::function<void(std::int32_t)> OnScore;

private:
    friend class TPunktKontrolny;
    std::int32_t score_ = ScorePoczatkowy;
    std::vector<TLiniaDziennika> linie_;
};

// How the pane shows a line: underlined head (points mark, "hh:mm", " -> "), the bold headline in
// the colour of the points, then plain: " ", the detail, " (", the wall-clock time, ") ".
std::string NaglowekLinii(const TLiniaDziennika& linia);
TKolor KolorTekstuLinii(const TLiniaDziennika& linia, TKolor poprzedni);
std::string KoncowkaLinii(const TLiniaDziennika& linia);

