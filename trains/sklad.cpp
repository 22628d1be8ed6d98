// Working on the consist text: turning, coupling, splitting and joining trains.

#include "trains/sklad.h"

#include "core/tekst.h"

#include <algorithm>
#include <cctype>

namespace {

bool Trakcja(char c)
{
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return c == 'p' || c == 's' || c == 'a';
}

// The consist split at its first blank: the part that drives away (by the direction) and the part
// that stays. Without a blank the whole consist drives away and nothing stays.
struct Podzial {
    std::string czolowa;
    std::string pozostala;
};

Podzial Podziel(const TPociag& t)
{
    const std::string& s = t.Sklad();
    const auto spacja = s.find(' ');
    if (spacja == std::string::npos)
        return {Przytnij(s), {}};
    const std::string przed = Przytnij(std::string_view(s).substr(0, spacja));
    const std::string po = Przytnij(std::string_view(s).substr(spacja + 1));
    if (t.Kierunek == stLewy)
        return {przed, po};
    return {po, przed};
}

}  // namespace

bool MaLokomotywe(std::string_view sklad) { return std::any_of(sklad.begin(), sklad.end(), Trakcja); }

bool LokomotywaNaCzele(const TPociag& t, std::string_view sklad)
{
    if (sklad.empty())
        return false;
    return Trakcja(t.Kierunek == stLewy ? sklad.front() : sklad.back());
}

void UstawStanJazdy(TPociag& t, tStanJazdy stan)
{
    if (stan != tStanJazdy::jazda) {
        t.StanJazdy = stan;
        return;
    }
    const bool moze = t.DoRozdzielenia() ? MaLokomotywe(Podziel(t).czolowa) : MaLokomotywe(t.Sklad());
    t.StanJazdy = moze ? tStanJazdy::jazda : tStanJazdy::zatrzymany;
}

void PrzygotujSklad(TPociag& t)
{
    std::string s = MaleLitery(Przytnij(t.SkladRozkladowy()));
    if (s.empty()) {
        s = "s";
    } else if (s.size() > 1) {
        if (t.Kierunek == stLewy) {
            if (!Trakcja(s.front()))
                s = OdwrocTekst(s);
            s.insert(1, "+");
        } else {
            if (!Trakcja(s.back()))
                s = OdwrocTekst(s);
            s.insert(s.size() - 1, "+");
        }
    }
    t.SetSklad(s);
    UstawStanJazdy(t, tStanJazdy::jazda);
}

void Rozprzegnij(TPociag& t)
{
    std::string s = t.Sklad();
    if (s.size() <= 1)
        return;
    if (const auto plus = s.find('+'); plus != std::string::npos)
        s[plus] = ' ';
    t.SetDoRozdzielenia(true);
    t.SetManewrowy(true);
    t.SetSklad(s);
}

void Sprzegnij(TPociag& t)
{
    std::string s = t.Sklad();
    if (s.size() <= 1)
        return;
    if (const auto spacja = s.find(' '); spacja != std::string::npos)
        s[spacja] = '+';
    t.SetDoRozdzielenia(false);
    t.SetSklad(s);
}

void ZmienKierunek(TPociag& t) { t.Kierunek = Przeciwny(t.Kierunek); }

std::unique_ptr<TPociag> CzescCzolowa(const TPociag& t)
{
    std::string czolowa = Podziel(t).czolowa;
    if (!MaLokomotywe(czolowa))
        return nullptr;
    auto jednostka = std::make_unique<TPociag>();
    jednostka->Kierunek = t.Kierunek;
    jednostka->SetSklad(czolowa);
    UstawStanJazdy(*jednostka, tStanJazdy::jazda);
    jednostka->SetManewrowy(true);
    return jednostka;
}

TPociag& CzescPozostala(TPociag& t)
{
    const Podzial podzial = Podziel(t);
    if (!MaLokomotywe(podzial.czolowa))
        return t;
    t.SetSklad(podzial.pozostala);
    t.StanJazdy = tStanJazdy::postoj;
    t.SetManewrowy(true);
    return t;
}

TPociag* Polacz(int strona, TPociag* a, TPociag* t)
{
    if (a == nullptr || t == nullptr)
        return nullptr;
    const bool trakcjaA = MaLokomotywe(a->Sklad());
    if (trakcjaA && MaLokomotywe(t->Sklad()))
        return nullptr;
    if (!a->Manewrowy() || !t->Manewrowy())
        return nullptr;
    const bool jedzieA = a->StanJazdy == tStanJazdy::jazda;
    const bool jedzieT = t->StanJazdy == tStanJazdy::jazda;
    if (jedzieA == jedzieT)
        return nullptr;
    TPociag* r = jedzieA ? t : a;
    r->Kierunek = trakcjaA ? a->Kierunek : t->Kierunek;
    const std::string razem = strona == 0 ? a->Sklad() + " " + t->Sklad() : t->Sklad() + " " + a->Sklad();
    a->SetSklad(razem);
    t->SetSklad(razem);
    r->SetDoRozdzielenia(true);
    return r;
}

bool SkladZgodny(const TPociag& t, std::string_view sklad)
{
    const std::string wzor = MaleLitery(t.SkladRozkladowy());
    const std::string s = MaleLitery(sklad);
    return std::all_of(wzor.begin(), wzor.end(), [&](char c) { return s.find(c) != std::string::npos; });
}

std::string OdwrocTekst(std::string_view s)
{
    std::string wynik;
    wynik.reserve(s.size());
    std::size_t koniec = s.size();
    while (koniec > 0) {
        std::size_t poczatek = koniec - 1;
        while (poczatek > 0 && (static_cast<unsigned char>(s[poczatek]) & 0xC0) == 0x80)
            --poczatek;
        wynik.append(s.substr(poczatek, koniec - poczatek));
        koniec = poczatek;
    }
    return wynik;
}

const std::vector<TKodPojazdu>& KodyPojazdow()
{
    static const std::vector<TKodPojazdu> kody = {
        {'p', "parowóz"},         {'s', "lokomotywa spalinowa"}, {'e', "lokomotywa elektryczna"},
        {'a', "autobus szynowy"}, {'1', "wagon 1 klasy"},        {'2', "wagon 2 klasy"},
        {'B', "wagon piętrowy Bhpu"}, {'t', "wagon towarowy"},   {'n', "zespół EZT"}};
    return kody;
}

bool ZnanyPojazd(char c)
{
    for (const TKodPojazdu& k : KodyPojazdow())
        if (c == k.Kod || (std::islower(static_cast<unsigned char>(k.Kod)) &&
                           c == std::toupper(static_cast<unsigned char>(k.Kod))))
            return true;
    return false;
}
