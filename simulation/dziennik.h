#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// One line of the journal: the points it brought, its headline, its detail, and the simulated
// time it is stamped with.
struct TLiniaDziennika {
    std::int32_t Punkty = 0;
    std::string Tekst;
    std::string Opis;
    double Czas = 0.0;
};

// The journal and the score. Every bonus and penalty reaches the score through DodajLinie, so the
// two always agree.
class TDziennik {
public:
    static constexpr std::int32_t ScorePoczatkowy = 200;

    std::int32_t Score() const { return score_; }
    void SetScore(std::int32_t wartosc);
    // Adds the points and appends the line; a sum outside 32 bits is refused before anything
    // changes (std::overflow_error).
    void DodajLinie(std::int32_t punkty, const std::string& tekst, const std::string& opis, double czas);
    const std::vector<TLiniaDziennika>& Linie() const { return linie_; }
    // Empties the text; the score stays.
    void Wyczysc() { linie_.clear(); }

    // Told of every new line and of every change of the score (the window's pane and labels).
    std::function<void(const TLiniaDziennika&)> OnLinia;
    std::function<void(std::int32_t)> OnScore;

private:
    std::int32_t score_ = ScorePoczatkowy;
    std::vector<TLiniaDziennika> linie_;
};

// "hh:mm:ss" of a time of day.
std::string CzasHHMMSS(double czas);
// "hh:mm" of a time of day.
std::string CzasHHMM(double czas);
