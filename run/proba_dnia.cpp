// A day played from 04:00 to midnight with nobody watching, and the report of how it went.

#include "run/proba_dnia.h"

#include "core/format.h"
#include "core/zegary_reczne.h"
#include "run/cisza.h"
#include "run/symulacja_stacji.h"
#include "trains/czas.h"
#include "trains/pociag.h"
#include "trains/rozklad.h"

#include <set>

TWynikProby ZagrajDzien(TRozkladJazdy& rozklad)
{
    TWynikProby wynik;
    TCisza cisza;
    TZegaryReczne zegary;
    TLosowanieProste losowanie;
    TUslugi uslugi{zegary, cisza, cisza, cisza, cisza, losowanie, cisza};
    TSymulacjaStacji sym(uslugi, rozklad);
    sym.Stacja().OdtwarzajDzwieki = false;
    sym.CzasSymulacji = TSymulacjaStacji::GodzinaStartu;
    std::set<std::string> punktualne;
    sym.Dziennik().OnLinia = [&wynik, &punktualne](const TLiniaDziennika& l) {
        if (l.Porada)
            return;
        wynik.Punkty += l.Punkty;
        if (l.Punkty < 0) {
            wynik.PunktyKar += l.Punkty;
            wynik.Kary.push_back(Formatuj("%s %d %s | %s", CzasHHMMSS(l.Czas).c_str(), l.Punkty, l.Tekst.c_str(),
                                          l.Opis.c_str()));
        }
        // "Pociąg NUMBER opuścił stację punktualnie."
        const std::string przed = "Pociąg ", po = " opuścił stację punktualnie.";
        if (l.Punkty > 0 && l.Tekst.rfind(przed, 0) == 0 && l.Tekst.size() > przed.size() + po.size() &&
            l.Tekst.compare(l.Tekst.size() - po.size(), po.size(), po) == 0) {
            ++wynik.Punktualne;
            punktualne.insert(l.Tekst.substr(przed.size(), l.Tekst.size() - przed.size() - po.size()));
        }
    };
    sym.Dyspozytor().Wlacz(true);
    sym.Pokaz();
    std::vector<std::string> odjezdzajace;
    for (const auto& t : sym.Silnik().PociagiDnia())
        if (!t->Wyjezdza().empty())
            odjezdzajace.push_back(t->Numer());
    wynik.Odjazdy = static_cast<int>(odjezdzajace.size());
    // Ticks until the clock passes midnight (the next day's opening line is not the day's).
    bool polnoc = false;
    for (int i = 0; i < 86400 / sym.SekIncrement && !polnoc; ++i) {
        const double przedtem = sym.CzasSymulacji;
        sym.Wykonaj([&] { sym.Tyknij(); });
        polnoc = sym.CzasSymulacji < przedtem;
    }
    if (polnoc)
        wynik.Punkty -= 200;  // the new day's opening line
    for (const std::string& numer : odjezdzajace)
        if (!punktualne.count(numer))
            wynik.Spoznione.push_back(numer);
    if (!sym.Dyspozytor().Konflikty().empty())
        wynik.Konflikt = sym.Dyspozytor().Konflikty().front();
    wynik.Polnoc = polnoc;
    wynik.Grywalny = polnoc && wynik.Kary.empty() && wynik.Punktualne == wynik.Odjazdy;
    return wynik;
}

std::vector<std::string> TWynikProby::Raport() const
{
    // The verdict first, then what led to it, then the figures; the figures never contradict the
    // verdict (a day of no penalty in the journal can still fail by a train that never left).
    std::vector<std::string> r;
    if (Grywalny) {
        r.push_back("Dzień można rozegrać bez żadnej kary.");
        r.push_back(Formatuj("Odjazdów %d, punktualnych %d, kar 0, punktów %d.", Odjazdy, Punktualne, Punkty));
        return r;
    }
    r.push_back("Tego dnia nie da się rozegrać bez kary.");
    if (Konflikt)
        r.push_back("Pierwszy konflikt: " + Konflikt->Tekst());
    if (!Kary.empty()) {
        r.push_back(Formatuj(Konflikt ? "Prowadzi do kar: %d, razem %d pkt." : "Kar w dzienniku: %d, razem %d pkt.",
                             static_cast<int>(Kary.size()), PunktyKar));
        r.push_back("Pierwsza kara: " + Kary.front());
    }
    if (!Spoznione.empty()) {
        std::string lista;
        for (const std::string& n : Spoznione)
            lista += (lista.empty() ? "" : ", ") + n;
        r.push_back("Nie odjechały na czas: " + lista + ".");
        if (Kary.empty())
            r.push_back("W dzienniku nie ma jeszcze kary: przyjdzie z ich spóźnionym odjazdem.");
    }
    if (!Polnoc)
        r.push_back("Dzień nie dobiegł północy.");
    r.push_back(Formatuj("Odjazdów %d, punktualnych %d, punktów %d.", Odjazdy, Punktualne, Punkty));
    return r;
}

TWynikProby ZagrajDzien(const std::string& plikRozkladu)
{
    TCisza cisza;
    TRozkladJazdy rozklad(plikRozkladu, cisza, cisza);
    return ZagrajDzien(rozklad);
}
