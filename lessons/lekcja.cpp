// Reading a lesson file and checking every name in it against the layout.

#include "lessons/lekcja.h"

#include "core/format.h"
#include "core/komunikaty.h"
#include "core/slowa_polecen.h"
#include "interlocking/stacja_nastawni.h"
#include "station/rogatka.h"
#include "station/semafor.h"
#include "station/stacja.h"
#include "station/typy.h"
#include "station/wlot.h"
#include "station/zwrotnica.h"
#include "trains/czas.h"
#include "trains/pociag.h"
#include "trains/rozklad_csv.h"

#include <algorithm>
#include <map>

namespace {

constexpr std::string_view NaglowekCsv = "numer,relacja_od,relacja_do,sklad,wjezdza,wyjezdza,przyjazd,odjazd,opis,bez_peronu";

// The words of an act or a condition, split as the driver splits a script line; empty when a
// quote is left open.
std::vector<std::string> Slowa(const std::string& tekst)
{
    std::string blad;
    return RozbijLinie(tekst, blad).value_or(std::vector<std::string>{});
}

double Godzina(const std::string& tekst, int wiersz)
{
    const auto g = CzytajGodzine(tekst);
    if (!g)
        throw TBladLekcji(wiersz, "zła godzina: " + tekst);
    return *g;
}

// "key rest of the line"
std::pair<std::string, std::string> KluczIReszta(std::string_view linia)
{
    const std::size_t spacja = linia.find(' ');
    if (spacja == std::string_view::npos)
        return {std::string(linia), {}};
    std::string reszta(linia.substr(spacja + 1));
    reszta.erase(0, reszta.find_first_not_of(' '));
    return {std::string(linia.substr(0, spacja)), reszta};
}

void SprawdzAkt(const std::string& akt, const TStacja& stacja, int wiersz)
{
    const std::vector<std::string> s = Slowa(akt);
    if (s.size() < 2)
        throw TBladLekcji(wiersz, "akt bez elementu: " + akt);
    if (s[0] != "press" && s[0] != "click" && s[0] != "dblclick" && s[0] != "menu")
        throw TBladLekcji(wiersz, "nieznany akt: " + s[0]);
    if (stacja.Znajdz(s[1]) == nullptr)
        throw TBladLekcji(wiersz, "nie ma elementu " + s[1]);
    if (s[0] == "menu" && s.size() < 3)
        throw TBladLekcji(wiersz, "menu bez pozycji: " + akt);
}

TWarunekKroku CzytajWarunek(const std::string& tekst, const TStacja& stacja, int wiersz)
{
    const std::vector<std::string> s = Slowa(tekst);
    const auto zle = [&](const std::string& powod) { return TBladLekcji(wiersz, powod + ": " + tekst); };
    if (s.empty())
        throw zle("pusty warunek");
    const auto element = [&](auto* wskaznik, const char* czego) {
        if (s.size() != 3)
            throw zle("warunek potrzebuje elementu i stanu");
        if (wskaznik == nullptr)
            throw zle(std::string("nie ma ") + czego + " " + s[1]);
    };
    const auto jedno = [&](std::initializer_list<const char*> wartosci) {
        if (std::none_of(wartosci.begin(), wartosci.end(), [&](const char* w) { return s[2] == w; }))
            throw zle("nieznany stan " + s[2]);
    };
    TWarunekKroku w;
    if (s[0] == "dalej" && s.size() == 1)
        return w;
    if (s[0] == "wykonano" && s.size() == 1) {
        w.Rodzaj = tWarunek::wykonano;
        return w;
    }
    if (s[0] == "zwrotnica") {
        element(stacja.Znajdz<TZwrotnica>(s.size() > 1 ? s[1] : ""), "zwrotnicy");
        jedno({"gora", "dol"});
        w.Rodzaj = tWarunek::zwrotnica;
    } else if (s[0] == "rogatki") {
        element(stacja.Znajdz<TRogatka>(s.size() > 1 ? s[1] : ""), "rogatek");
        jedno({"opuszczone", "podniesione"});
        w.Rodzaj = tWarunek::rogatki;
    } else if (s[0] == "semafor") {
        element(stacja.Znajdz<TSemafor>(s.size() > 1 ? s[1] : ""), "semafora");
        jedno({"zielony", "czerwony", "bialy"});
        w.Rodzaj = tWarunek::semafor;
    } else if (s[0] == "stan") {
        element(stacja.Znajdz<TPunkt>(s.size() > 1 ? s[1] : ""), "punktu");
        jedno({"nieaktywny", "wolny", "utwierdzony", "zajety"});
        w.Rodzaj = tWarunek::stan;
    } else if (s[0] == "stoi" && s.size() == 2) {
        if (stacja.Znajdz<TPunkt>(s[1]) == nullptr)
            throw zle("nie ma punktu " + s[1]);
        return {tWarunek::stoi, s[1], {}};
    } else if (s[0] == "sklad" && s.size() == 3) {
        if (stacja.Znajdz<TPunkt>(s[1]) == nullptr)
            throw zle("nie ma punktu " + s[1]);
        return {tWarunek::sklad, s[1], s[2]};
    } else if (s[0] == "pociag" && s.size() == 4 && s[2] == "stoi") {
        if (stacja.Znajdz<TPunkt>(s[3]) == nullptr)
            throw zle("nie ma punktu " + s[3]);
        w = {tWarunek::pociagStoi, s[1], s[3]};
        return w;
    } else if (s[0] == "pociag" && s.size() == 3 && (s[2] == "jedzie" || s[2] == "odjechal")) {
        w = {s[2] == "jedzie" ? tWarunek::pociagJedzie : tWarunek::pociagOdjechal, s[1], {}};
        return w;
    } else {
        throw zle("nieznany warunek");
    }
    w.Nazwa = s[1];
    w.Wartosc = s[2];
    return w;
}

}  // namespace

TBladLekcji::TBladLekcji(int wiersz, const std::string& powod)
    : std::runtime_error(Formatuj("wiersz %d: %s", wiersz, powod.c_str())), Wiersz(wiersz)
{
}

TLekcja CzytajLekcje(std::string_view tekst, const TStacja& stacja)
{
    std::vector<std::string> wloty;
    for (const TWlot* w : stacja.Wszystkie<TWlot>())
        wloty.push_back(w->Name);
    TLekcja lekcja;
    bool godzina = false;
    int wiersz = 0;
    std::vector<int> wierszeGotowe;
    while (!tekst.empty()) {
        const std::size_t koniec = tekst.find('\n');
        std::string_view linia = tekst.substr(0, koniec);
        tekst = koniec == std::string_view::npos ? std::string_view() : tekst.substr(koniec + 1);
        ++wiersz;
        if (!linia.empty() && linia.back() == '\r')
            linia.remove_suffix(1);
        const std::size_t start = linia.find_first_not_of(" \t");
        if (start == std::string_view::npos || linia[start] == '#')
            continue;
        const bool wciecie = start > 0;
        const auto [klucz, reszta] = KluczIReszta(linia.substr(start));
        if (reszta.empty())
            throw TBladLekcji(wiersz, "brak wartości po „" + klucz + "”");
        if (wciecie) {
            if (lekcja.Kroki.empty())
                throw TBladLekcji(wiersz, "wcięty wiersz przed pierwszym krokiem");
            TKrokLekcji& k = lekcja.Kroki.back();
            if (klucz == "akt") {
                SprawdzAkt(reszta, stacja, wiersz);
                k.Akt = reszta;
            } else if (klucz == "element") {
                if (stacja.Znajdz(reszta) == nullptr)
                    throw TBladLekcji(wiersz, "nie ma elementu " + reszta);
                k.Element = reszta;
            } else if (klucz == "gotowe") {
                k.Gotowe = CzytajWarunek(reszta, stacja, wiersz);
                wierszeGotowe.back() = wiersz;
            } else if (klucz == "blad") {
                k.Blad = reszta;
            } else if (klucz == "odpowiedz") {
                static const std::map<std::string, tOdpowiedz> odpowiedzi{
                    {"tak", tOdpowiedz::tak}, {"nie", tOdpowiedz::nie}, {"anuluj", tOdpowiedz::anuluj}};
                const auto o = odpowiedzi.find(reszta);
                if (o == odpowiedzi.end())
                    throw TBladLekcji(wiersz, "odpowiedź może być tylko „tak”, „nie” albo „anuluj”: " + reszta);
                k.Odpowiedz = o->second;
            } else if (klucz == "od") {
                k.Od = Godzina(reszta, wiersz);
            } else {
                throw TBladLekcji(wiersz, "nieznany rodzaj wiersza kroku: " + klucz);
            }
            continue;
        }
        if (klucz == "tytul") {
            lekcja.Tytul = reszta;
        } else if (klucz == "godzina") {
            lekcja.Godzina = Godzina(reszta, wiersz);
            godzina = true;
        } else if (klucz == "pociag") {
            TImportCsv import = CzytajRozkladCsv(std::string(NaglowekCsv) + "\n" + reszta + "\n", wloty);
            if (!import.Bledy.empty() || import.Pociagi.size() != 1)
                throw TBladLekcji(wiersz, "zły pociąg: " + (import.Bledy.empty() ? reszta : import.Bledy.front()));
            lekcja.Pociagi.push_back(std::shared_ptr<const TPociag>(import.Pociagi.front().release()));
        } else if (klucz == "krok") {
            lekcja.Kroki.push_back({});
            lekcja.Kroki.back().Tekst = reszta;
            lekcja.Kroki.back().Wiersz = wiersz;
            wierszeGotowe.push_back(0);
        } else {
            throw TBladLekcji(wiersz, "nieznany rodzaj wiersza: " + klucz);
        }
    }
    if (lekcja.Tytul.empty())
        throw TBladLekcji(wiersz, "lekcja bez tytułu");
    if (!godzina)
        throw TBladLekcji(wiersz, "lekcja bez godziny");
    if (lekcja.Pociagi.empty())
        throw TBladLekcji(wiersz, "lekcja bez pociągu");
    if (lekcja.Kroki.empty())
        throw TBladLekcji(wiersz, "lekcja bez kroków");
    for (std::size_t i = 0; i < lekcja.Kroki.size(); ++i) {
        const TKrokLekcji& k = lekcja.Kroki[i];
        if (wierszeGotowe[i] == 0 && k.Akt.empty() == false)
            throw TBladLekcji(k.Wiersz, "krok z aktem bez warunku „gotowe”");
        if (k.Gotowe.Rodzaj == tWarunek::wykonano && k.Akt.empty())
            throw TBladLekcji(wierszeGotowe[i], "warunek „wykonano” w kroku bez aktu");
        const TWarunekKroku& g = k.Gotowe;
        const bool pociagowy = g.Rodzaj == tWarunek::pociagStoi || g.Rodzaj == tWarunek::pociagJedzie ||
                               g.Rodzaj == tWarunek::pociagOdjechal;
        const auto tenPociag = [&g](const auto& t) { return t->Numer() == g.Nazwa; };
        if (pociagowy && std::none_of(lekcja.Pociagi.begin(), lekcja.Pociagi.end(), tenPociag))
            throw TBladLekcji(wierszeGotowe[i], "pociągu " + g.Nazwa + " nie ma w lekcji");
    }
    return lekcja;
}

std::vector<TLekcja> WszystkieLekcje(TKomunikaty& komunikaty)
{
    try {
        const TStacjaDoOdczytu uklad(komunikaty);
        return WszystkieLekcje(uklad.Stacja);
    } catch (const std::exception& e) {
        komunikaty.Blad(std::string("Nie można wczytać lekcji.\r\n") + e.what());
    }
    return {};
}

std::vector<TLekcja> WszystkieLekcje(const TStacja& stacja)
{
    std::vector<TLekcja> lekcje;
    for (const TPlikLekcji& plik : PlikiLekcji()) {
        try {
            lekcje.push_back(CzytajLekcje(plik.Tekst, stacja));
        } catch (const TBladLekcji& e) {
            throw TBladLekcji(e.Wiersz, plik.Nazwa + ", " + e.what());
        }
        lekcje.back().Plik = plik.Nazwa;
    }
    return lekcje;
}
