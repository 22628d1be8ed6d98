// A lesson's steps followed on the station, and the wrong acts explained in the player's terms.

#include "lessons/przebieg_lekcji.h"

#include "core/slowa_polecen.h"
#include "interlocking/przyciski.h"
#include "run/symulacja_stacji.h"
#include "station/rogatka.h"
#include "station/semafor.h"
#include "station/stacja.h"
#include "station/typy.h"
#include "station/wlot.h"
#include "station/zapowiedz.h"
#include "station/zwrotnica.h"
#include "trains/czas.h"
#include "trains/pociag.h"
#include "trains/rozklad.h"

#include <algorithm>

std::unique_ptr<TRozkladJazdy> RozkladLekcji(const TLekcja& lekcja, TKomunikaty& komunikaty, TKursory& kursory)
{
    // A file name nothing is written under: the timetable lives in memory only.
    auto rozklad = std::make_unique<TRozkladJazdy>(std::string(), komunikaty, kursory);
    for (const auto& t : lekcja.Pociagi)
        rozklad->Rozklad.Append(std::make_unique<TPociag>(*t));
    return rozklad;
}

namespace {

// Conditions that a move or a departure fulfils in its own time, after the act that started it.
bool CzekaNaRuch(const TWarunekKroku& w)
{
    switch (w.Rodzaj) {
    case tWarunek::stan:
        return w.Wartosc == "zajety";
    case tWarunek::stoi:
    case tWarunek::sklad:
    case tWarunek::pociagStoi:
    case tWarunek::pociagJedzie:
    case tWarunek::pociagOdjechal:
        return true;
    default:
        return false;
    }
}

// While something moves, an order just given is at work; when all stand, it was refused or done.
bool CosJedzie(const TStacja& stacja)
{
    const auto& punkty = stacja.Punkty();
    return std::any_of(punkty.begin(), punkty.end(), [](const TPunkt* p) {
        return p->Pociag() != nullptr && !p->Jest(rpZapowiedz) && p->Pociag()->StanJazdy == tStanJazdy::jazda;
    });
}

}  // namespace

TPrzebiegLekcji::TPrzebiegLekcji(const TLekcja& lekcja, TSymulacjaStacji& symulacja) : lekcja_(lekcja), sym_(symulacja)
{
    // A penalty is explained before the journal line goes wherever it went before.
    auto dalej = sym_.Dziennik().OnLinia;
    sym_.Dziennik().OnLinia = [this, dalej](const TLiniaDziennika& l) {
        if (dalej)
            dalej(l);
        if (l.Punkty >= 0 || Ukonczona() || !OnWyjasnienie)
            return;
        // What went wrong in the journal's words (its first line of cause), then the way on.
        const TKrokLekcji& k = lekcja_.Kroki[krok_];
        std::string przyczyna = l.Opis.substr(0, l.Opis.find_first_of("\r\n"));
        przyczyna = przyczyna.substr(0, przyczyna.find(" • "));
        OnWyjasnienie(l.Tekst + (przyczyna.empty() ? "" : " " + przyczyna) + " " +
                      (k.Blad.empty() ? "Wróć do kroku: " + k.Tekst : k.Blad));
    };
}

TPrzebiegLekcji::~TPrzebiegLekcji() = default;

void TPrzebiegLekcji::Start()
{
    sym_.Akt({"time", CzasHMMSS(lekcja_.Godzina)});
    sym_.Akt({"start"});
    Pokaz();
    Sprawdz();
}

void TPrzebiegLekcji::Pokaz()
{
    aktZrobiony_ = false;
    if (!Ukonczona()) {
        if (OnKrok)
            OnKrok(krok_ + 1, lekcja_.Kroki[krok_]);
    } else if (!koniecOgloszony_) {
        koniecOgloszony_ = true;
        if (OnKoniec)
            OnKoniec();
    }
}

void TPrzebiegLekcji::Sprawdz()
{
    while (!Ukonczona() && lekcja_.Kroki[krok_].Gotowe.Rodzaj != tWarunek::dalej &&
           Spelniony(lekcja_.Kroki[krok_].Gotowe)) {
        ++krok_;
        Pokaz();
    }
}

void TPrzebiegLekcji::Dalej()
{
    if (Ukonczona() || lekcja_.Kroki[krok_].Gotowe.Rodzaj != tWarunek::dalej)
        return;
    ++krok_;
    Pokaz();
    Sprawdz();
}

void TPrzebiegLekcji::PoAkcie(const std::vector<std::string>& slowa)
{
    if (!Ukonczona()) {
        std::string blad;
        aktZrobiony_ = aktZrobiony_ || RozbijLinie(lekcja_.Kroki[krok_].Akt, blad) == slowa;
    }
    Sprawdz();
}

bool TPrzebiegLekcji::Spelniony(const TWarunekKroku& w) const
{
    const TStacja& stacja = sym_.Stacja();
    switch (w.Rodzaj) {
    case tWarunek::dalej:
        return false;
    case tWarunek::wykonano:
        return aktZrobiony_;
    case tWarunek::zwrotnica:
        return stacja.Znajdz<TZwrotnica>(w.Nazwa)->Status() == (w.Wartosc == "gora" ? tZwrStatus::gora : tZwrStatus::dol);
    case tWarunek::rogatki:
        return stacja.Znajdz<TRogatka>(w.Nazwa)->Podniesione() == (w.Wartosc == "podniesione");
    case tWarunek::semafor: {
        const tSemStatus s = stacja.Znajdz<TSemafor>(w.Nazwa)->Status();
        return w.Wartosc == (s == tSemStatus::zielony ? "zielony" : s == tSemStatus::czerwony ? "czerwony" : "bialy");
    }
    case tWarunek::stan:
        return NazwaWartosci(stacja.Znajdz<TPunkt>(w.Nazwa)->Stan()) == w.Wartosc;
    case tWarunek::stoi:
    case tWarunek::sklad: {
        const TPociag* t = stacja.Znajdz<TPunkt>(w.Nazwa)->Pociag();
        if (t == nullptr)
            return false;
        return w.Rodzaj == tWarunek::stoi ? t->StanJazdy != tStanJazdy::jazda : t->Sklad() == w.Wartosc;
    }
    case tWarunek::pociagStoi:
    case tWarunek::pociagJedzie:
    case tWarunek::pociagOdjechal:
        break;
    }
    const TPunkt* gdzie = nullptr;
    for (const TPunkt* p : stacja.Punkty())
        if (p->Pociag() != nullptr && p->Pociag()->Numer() == w.Nazwa && !p->Jest(rpZapowiedz))
            gdzie = p;
    if (w.Rodzaj == tWarunek::pociagStoi)
        return gdzie != nullptr && gdzie->Name == w.Wartosc && gdzie->Pociag()->StanJazdy != tStanJazdy::jazda;
    if (w.Rodzaj == tWarunek::pociagJedzie)
        return gdzie != nullptr && gdzie->Pociag()->StanJazdy == tStanJazdy::jazda;
    // Gone: on no point and waiting at no entry.
    if (gdzie != nullptr)
        return false;
    for (const TWlot* wlot : stacja.Wloty()) {
        for (const TPociag* t : wlot->Pociagi)
            if (t->Numer() == w.Nazwa)
                return false;
        if (wlot->Zapowiedz != nullptr && wlot->Zapowiedz->Pociag() != nullptr &&
            wlot->Zapowiedz->Pociag()->Numer() == w.Nazwa)
            return false;
    }
    return true;
}

TPodpowiedz TPrzebiegLekcji::Podpowiedz() const
{
    TPodpowiedz p;
    if (Ukonczona()) {
        p.Powod = "Lekcja ukończona.";
        return p;
    }
    const TKrokLekcji& k = lekcja_.Kroki[krok_];
    p.Powod = k.Tekst;
    if (k.Od != 0 && Milisekundy(sym_.CzasSymulacji) < Milisekundy(k.Od))
        p.Powod += " Poczekaj do " + CzasHMMSS(k.Od).substr(0, CzasHMMSS(k.Od).size() - 3) + ".";
    else if (!k.Akt.empty() && aktZrobiony_ && CzekaNaRuch(k.Gotowe) && CosJedzie(sym_.Stacja()))
        p.Powod += " Zrobione: teraz poczekaj.";
    else if (!k.Akt.empty())
        p.Polecenie = k.Akt;
    if (k.Odpowiedz && p.Cokolwiek())
        p.Powod += std::string(" Na pytanie odpowiedz „") +
                   (*k.Odpowiedz == tOdpowiedz::tak   ? "Tak"
                    : *k.Odpowiedz == tOdpowiedz::nie ? "Nie"
                                                      : "Anuluj") +
                   "”.";
    if (const TKomponent* c = sym_.Stacja().Znajdz(k.Element)) {
        if (const auto* b = dynamic_cast<const TWktColorButton*>(c)) {
            p.Przycisk = b->Name;
            if (const auto* e = dynamic_cast<const TPunktButton*>(b); e != nullptr && e->Element() != nullptr)
                p.Element = e->Element()->Name;
        } else {
            p.Element = c->Name;
        }
    }
    return p;
}
