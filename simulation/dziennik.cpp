// Adding journal lines and tips with their points, and the head, colour and tail a line is shown with.

#include "simulation/dziennik.h"

#include "core/format.h"
#include "trains/czas.h"

#include <cstdlib>
#include <limits>
#include <stdexcept>

void TDziennik::SetScore(std::int32_t wartosc)
{
    score_ = wartosc;
    if (OnScore)
        OnScore(score_);
}

void TDziennik::DodajLinie(std::int32_t punkty, const std::string& tekst, const std::string& opis, double czas,
                           double czasRzeczywisty, tRodzajOceny rodzaj, std::uint32_t pociag)
{
    const std::int64_t suma = std::int64_t{score_} + punkty;
    if (suma > std::numeric_limits<std::int32_t>::max() || suma < std::numeric_limits<std::int32_t>::min())
        throw std::overflow_error("Przepełnienie licznika punktów.");
    SetScore(static_cast<std::int32_t>(suma));
    linie_.push_back({punkty, tekst, opis, czas, czasRzeczywisty, false, rodzaj, pociag});
    if (OnLinia)
        OnLinia(linie_.back());
}

void TDziennik::DodajPorade(const std::string& tytul, const std::string& tekst)
{
    TLiniaDziennika porada;
    porada.Tekst = tytul;
    porada.Opis = tekst;
    porada.Porada = true;
    linie_.push_back(porada);
    if (OnLinia)
        OnLinia(linie_.back());
}

std::string NaglowekLinii(const TLiniaDziennika& l)
{
    std::string znak;
    if (l.Punkty >= 1)
        znak = Formatuj("(premia %d pkt) ", l.Punkty);
    else if (l.Punkty < 0)
        znak = Formatuj("(kara %lld pkt) ", std::llabs(static_cast<long long>(l.Punkty)));
    return znak + CzasHHMM(l.Czas) + " -> ";
}

TKolor KolorTekstuLinii(const TLiniaDziennika& l, TKolor poprzedni)
{
    if (l.Punkty > 0)
        return {0, 128, 0};
    if (l.Punkty < 0)
        return {128, 0, 0};
    return poprzedni;
}

std::string KoncowkaLinii(const TLiniaDziennika& l) { return " " + l.Opis + " (" + CzasHHMMSS(l.CzasRzeczywisty) + ") "; }

