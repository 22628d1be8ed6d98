// Finding a journal line's moment in the game's record: played once to find the tick that wrote it,
// then again to stand a minute before it.

#include "run/chwila_zapisu.h"

#include "core/format.h"
#include "run/symulacja_stacji.h"
#include "trains/czas.h"

#include <algorithm>

namespace {

// One line of the journal and another are the same line written again: a replay writes the very
// lines of the game, so the n-th such line is the same one in both.
bool TaSama(const TLiniaDziennika& a, const TLiniaDziennika& b)
{
    return Milisekundy(a.Czas) == Milisekundy(b.Czas) && a.Punkty == b.Punkty && a.Tekst == b.Tekst &&
           a.Opis == b.Opis;
}

std::size_t IleTakich(const std::vector<TLiniaDziennika>& linie, std::size_t koniec, const TLiniaDziennika& wzor)
{
    return static_cast<std::size_t>(std::count_if(linie.begin(), linie.begin() + static_cast<std::ptrdiff_t>(koniec),
                                                  [&wzor](const TLiniaDziennika& l) { return TaSama(l, wzor); }));
}

}  // namespace

TChwilaZapisu OdtworzPrzedLinia(TSymulacjaStacji& gra, std::size_t linia, TUslugi& uslugi,
                                const std::string& plikRozkladu)
{
    TChwilaZapisu wynik;
    const std::vector<TLiniaDziennika>& linie = gra.Dziennik().Linie();
    if (linia >= linie.size()) {
        wynik.Blad = "Nie ma takiej linii dziennika.";
        return wynik;
    }
    const TLiniaDziennika wzor = linie[linia];
    const std::size_t wczesniejsze = IleTakich(linie, linia, wzor);
    std::string blad;
    const std::string tekst = gra.ZapisGry(blad);
    if (tekst.empty()) {
        wynik.Blad = blad;
        return wynik;
    }

    // The record played on a new station, or the reason why not.
    const auto odtworz = [&]() {
        TWczytanaGra g = TSymulacjaStacji::Odtwarzaj(tekst, uslugi, plikRozkladu);
        if (g.Symulacja == nullptr)
            wynik.Blad = g.Blad;
        return std::move(g.Symulacja);
    };

    // First the tick in which the line is written.
    const std::unique_ptr<TSymulacjaStacji> proba = odtworz();
    if (proba == nullptr)
        return wynik;
    TSymulacjaStacji& p = *proba;
    const std::size_t juz = IleTakich(p.Dziennik().Linie(), p.Dziennik().Linie().size(), wzor);
    if (juz > wczesniejsze) {
        wynik.Blad = Formatuj("Zapis gry zaczyna się o %s, po tej chwili: wcześniejszej gry już w nim nie ma.",
                              CzasHHMMSS(p.CzasSymulacji).c_str());
        return wynik;
    }
    std::size_t napisane = juz;
    p.Dziennik().OnLinia = [&napisane, &wzor](const TLiniaDziennika& l) { napisane += TaSama(l, wzor); };
    std::int64_t takt = -1;
    while (napisane <= wczesniejsze) {
        const std::int64_t przed = p.Takty();
        const bool dalej = p.KrokOdtwarzania(blad);
        if (napisane > wczesniejsze)
            takt = przed;
        if (!dalej)
            break;
    }
    p.Dziennik().OnLinia = nullptr;
    if (takt < 0) {
        wynik.Blad = blad.empty() ? "Tej chwili nie ma w zapisie gry." : blad;
        return wynik;
    }

    // Then the playback itself, a minute before.
    std::unique_ptr<TSymulacjaStacji> odtwarzana = odtworz();
    if (odtwarzana == nullptr)
        return wynik;
    TSymulacjaStacji& s = *odtwarzana;
    // Never before the game's start: a moment in its first minute is shown from there.
    const std::int64_t cel = takt - SekundPrzedChwila / std::max(1, s.SekIncrement);
    while ((s.Takty() < cel || !s.Pokazane()) && s.KrokOdtwarzania(blad)) {
    }
    wynik.Rada = Podpowiedz(s);
    wynik.Symulacja = std::move(odtwarzana);
    return wynik;
}

bool LiniaKaryPociagu(const TSymulacjaStacji& gra, std::uint32_t pociag, std::size_t& linia)
{
    const std::vector<TLiniaDziennika>& linie = gra.Dziennik().Linie();
    for (std::size_t i = 0; i < linie.size(); ++i)
        if (pociag != 0 && linie[i].Pociag == pociag && linie[i].Punkty < 0) {
            linia = i;
            return true;
        }
    return false;
}
