// The hint made from the automatic dispatcher's first act, with the train it is for.

#include "run/podpowiedz.h"

#include "assistant/dyspozytor.h"
#include "core/format.h"
#include "run/symulacja_stacji.h"
#include "trains/czas.h"
#include "trains/pociag.h"

namespace {

// "Pociąg 34101: przyjazd 7:08 z Olszarzyny, odjazd 7:10 do Brzelan."
std::string OPociagu(const TSymulacjaStacji& sym, const std::string& numer)
{
    for (const auto& t : sym.Silnik().PociagiDnia()) {
        if (t->Numer() != numer)
            continue;
        std::string tekst = "Pociąg " + numer + ":";
        if (!t->Wjezdza().empty() && !t->RelacjaOd().empty())
            tekst += " przyjazd " + FormatGodziny(*t, t->Przyjazd()) + " z " + t->RelacjaOd();
        if (!t->Wyjezdza().empty() && !t->RelacjaDo().empty())
            tekst += std::string(tekst.back() == ':' ? "" : ",") + " odjazd " + FormatGodziny(*t, t->Odjazd()) +
                     " do " + t->RelacjaDo();
        return tekst.back() == ':' ? std::string() : tekst + ".";
    }
    return {};
}

// "7:05", as the timetable writes hours.
std::string Godzina(double czas)
{
    std::string tekst = CzasHHMM(czas);
    return tekst.size() > 4 && tekst[0] == '0' ? tekst.substr(1) : tekst;
}

}  // namespace

TPodpowiedz Podpowiedz(TSymulacjaStacji& sym)
{
    TAutomatycznyDyspozytor& doradca = sym.Doradca();
    TPodpowiedz p;
    TAktDyspozytora akt;
    if (doradca.PierwszyAkt(akt)) {
        p.Polecenie = akt.Polecenie;
        p.Powod = akt.Rada + ".";
        if (const std::string o = OPociagu(sym, akt.Pociag); !o.empty())
            p.Powod += " " + o;
        p.Element = akt.Element;
        p.Przycisk = akt.Przycisk;
        return p;
    }
    TNastepnaPraca praca;
    if (doradca.NastepnaPraca(praca))
        p.Powod = Formatuj("Teraz nic do zrobienia. O %s: %s.", Godzina(praca.Czas).c_str(), praca.Opis.c_str());
    else
        p.Powod = "Na dziś nic więcej do zrobienia.";
    return p;
}
