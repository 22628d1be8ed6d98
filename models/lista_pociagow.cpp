// Bringing the train list's rows up to date on every tick, and finding, showing and opening a train
// on the diagram.

#include "models/lista_pociagow.h"

#include "core/format.h"
#include "run/symulacja_stacji.h"
#include "station/wlot.h"
#include "station/zapowiedz.h"
#include "trains/czas.h"

#include <algorithm>

namespace {

// The flags that change a train's description.
std::uint8_t Flagi(const TPociag& t)
{
    return static_cast<std::uint8_t>((t.SkonczylBieg() ? 1 : 0) | (t.DoRozdzielenia() ? 2 : 0) |
                                     (t.Manewrowy() ? 4 : 0) | (t.PoPrzyjezdzie() ? 8 : 0));
}

// Whole minutes from the planned time to now, late only: a train not yet due is not late.
int Spoznienie(double planowy, double teraz)
{
    return Milisekundy(teraz) > Milisekundy(planowy) ? Minuty(teraz - planowy) : 0;
}

const char* NazwaStanu(tStanJazdy s)
{
    switch (s) {
    case tStanJazdy::postoj:
        return "postój";
    case tStanJazdy::zatrzymany:
        return "zatrzymany";
    case tStanJazdy::jazda:
        return "jazda";
    }
    return "";
}

}  // namespace

const char* TListaPociagow::NazwaMiejsca(tMiejscePociagu m)
{
    switch (m) {
    case tMiejscePociagu::wRozkladzie:
        return "w rozkładzie";
    case tMiejscePociagu::zapowiedziany:
        return "zapowiedziany";
    case tMiejscePociagu::czekaNaWjazd:
        return "czeka na wjazd";
    case tMiejscePociagu::czekaNaSklad:
        return "czeka na skład";
    case tMiejscePociagu::naStacji:
        return "na stacji";
    case tMiejscePociagu::odjechal:
        return "odjechał";
    }
    return "";
}

TListaPociagow::TListaPociagow(TSymulacjaStacji& symulacja) : sym_(symulacja) {}

void TListaPociagow::Przebuduj()
{
    const auto& dzien = sym_.Silnik().PociagiDnia();
    wiersze_.assign(dzien.size(), TWierszPociagu{});
    indeks_.clear();
    for (std::size_t i = 0; i < dzien.size(); ++i) {
        wiersze_[i].Pociag = dzien[i].get();
        indeks_[dzien[i].get()] = i;
    }
}

bool TListaPociagow::Odswiez()
{
    zmienione_.clear();
    const auto& dzien = sym_.Silnik().PociagiDnia();
    bool nowe = dzien.size() != wiersze_.size();
    for (std::size_t i = 0; !nowe && i < dzien.size(); ++i)
        nowe = dzien[i].get() != wiersze_[i].Pociag;
    if (nowe)
        Przebuduj();
    const TStacja& stacja = sym_.Stacja();
    if (stacja.Komponenty().size() != liczbaKomponentow_) {
        liczbaKomponentow_ = stacja.Komponenty().size();
        punkty_.clear();
        for (TPunkt* p : stacja.Wszystkie<TPunkt>())
            if (dynamic_cast<TZapowiedz*>(p) == nullptr)
                punkty_.push_back(p);
    }

    // Where every train is: one walk over the points and the entries, not one per train.
    polozenia_.assign(wiersze_.size(), Polozenie{});
    const auto wiersz = [this](const TPociag* t) -> Polozenie* {
        const auto it = indeks_.find(t);
        return it == indeks_.end() ? nullptr : &polozenia_[it->second];
    };
    for (const TPunkt* p : punkty_)
        if (p->Pociag() != nullptr)
            if (Polozenie* g = wiersz(p->Pociag()); g != nullptr && g->punkt == nullptr)
                g->punkt = p;
    for (const TWlot* w : sym_.Silnik().Wloty) {
        if (w->Zapowiedz != nullptr && w->Zapowiedz->Pociag() != nullptr)
            if (Polozenie* g = wiersz(w->Zapowiedz->Pociag())) {
                g->pole = w->Zapowiedz;
                g->zapowiedz = w;
            }
        for (const TPociag* t : w->Pociagi)
            if (Polozenie* g = wiersz(t); g != nullptr && g->kolejka == nullptr)
                g->kolejka = w;
    }

    const double teraz = sym_.CzasSymulacji;
    for (std::size_t i = 0; i < wiersze_.size(); ++i) {
        TWierszPociagu& w = wiersze_[i];
        const TPociag& t = *w.Pociag;
        const Polozenie& g = polozenia_[i];
        const bool stacyjny = g.kolejka != nullptr && dynamic_cast<const TWlotStacyjny*>(g.kolejka) != nullptr;
        tMiejscePociagu miejsce;
        const TElement* gdzie = nullptr;
        if (g.punkt != nullptr) {
            miejsce = tMiejscePociagu::naStacji;
            gdzie = g.punkt;
        } else if (stacyjny) {
            // Its own entry shows it too, but the train only waits for its consist.
            miejsce = Milisekundy(teraz) >= Milisekundy(t.Przyjazd()) ? tMiejscePociagu::czekaNaSklad
                                                                      : tMiejscePociagu::wRozkladzie;
        } else if (g.zapowiedz != nullptr) {
            // Due to come in as the step would let it: it waits for the dispatcher's way in.
            const bool czas = Milisekundy(t.Przyjazd() - g.zapowiedz->WyprzedzenieJakoCzas()) < Milisekundy(teraz);
            miejsce = czas ? tMiejscePociagu::czekaNaWjazd : tMiejscePociagu::zapowiedziany;
            gdzie = g.zapowiedz;
        } else if (g.kolejka != nullptr) {
            miejsce = tMiejscePociagu::wRozkladzie;
            gdzie = g.kolejka;
        } else {
            miejsce = tMiejscePociagu::odjechal;
        }

        std::optional<int> opoznienie;
        if (!t.Numer().empty() && !t.SkonczylBieg()) {
            if (miejsce == tMiejscePociagu::odjechal) {
                // As the journal judged it: a punctual departure shows no delay.
                if (const auto odjazd = sym_.Silnik().CzasOdjazdu(&t))
                    opoznienie = TSilnikSymulacji::OpoznienieOdjazdu(t.Odjazd(), *odjazd);
            } else if (!t.PoPrzyjezdzie()) {
                opoznienie = Spoznienie(t.Przyjazd(), teraz);
            } else if (!t.Wyjezdza().empty()) {
                opoznienie = Spoznienie(t.Odjazd(), teraz);
            }
        }

        const std::uint8_t flagi = Flagi(t);
        if (w.wypelniony_ && w.Miejsce == miejsce && w.Gdzie == gdzie && w.Opoznienie == opoznienie &&
            w.Stan == t.StanJazdy && w.flagi_ == flagi && w.kierunek_ == t.Kierunek && w.numer_ == t.Numer() &&
            w.sklad_ == t.Sklad())
            continue;
        const bool nowy = !w.wypelniony_;
        const bool odjechalPrzedtem = w.Miejsce == tMiejscePociagu::odjechal;
        w.wypelniony_ = true;
        w.Miejsce = miejsce;
        w.Gdzie = gdzie;
        w.Opoznienie = opoznienie;
        w.Stan = t.StanJazdy;
        w.flagi_ = flagi;
        w.kierunek_ = t.Kierunek;
        w.numer_ = t.Numer();
        w.sklad_ = t.Sklad();
        Uzupelnij(w, g);
        // A train gone is shown greyed, the whole row; a new row is new everywhere.
        if (nowy || odjechalPrzedtem != (miejsce == tMiejscePociagu::odjechal))
            w.ZmienionePola = 0xFF;
        zmienione_.push_back(i);
    }
    return nowe;
}

namespace {

// Sets the text and notes the field in the mask when it changed.
void Ustaw(std::string& pole, std::string wartosc, std::uint8_t& maska, std::uint8_t bit)
{
    if (pole != wartosc) {
        pole = std::move(wartosc);
        maska |= bit;
    }
}

}  // namespace

void TListaPociagow::Uzupelnij(TWierszPociagu& w, const Polozenie& g)
{
    const TPociag& t = *w.Pociag;
    using W = TWierszPociagu;
    std::uint8_t& m = w.ZmienionePola;
    m = 0;
    const bool rozkladowy = !t.Numer().empty();
    Ustaw(w.Numer, rozkladowy ? t.Numer() : "(skład manewrowy)", m, W::pNumer);
    Ustaw(w.Relacja, rozkladowy ? t.RelacjaOd() + " - " + t.RelacjaDo() : std::string(), m, W::pRelacja);
    w.Przyjazd = t.Przyjazd();
    w.Odjazd = t.Odjazd();
    Ustaw(w.PrzyjazdTekst, rozkladowy ? FormatGodziny(t, t.Przyjazd()) : std::string(), m, W::pPrzyjazd);
    Ustaw(w.OdjazdTekst, rozkladowy ? FormatGodziny(t, t.Odjazd()) : std::string(), m, W::pOdjazd);
    std::string miejsce;
    switch (w.Miejsce) {
    case tMiejscePociagu::naStacji:
        miejsce = g.punkt->Name;
        break;
    case tMiejscePociagu::zapowiedziany:
    case tMiejscePociagu::czekaNaWjazd:
        miejsce = std::string(NazwaMiejsca(w.Miejsce)) + ", " + g.zapowiedz->Name;
        break;
    case tMiejscePociagu::wRozkladzie:
        miejsce = g.kolejka != nullptr && dynamic_cast<const TWlotStacyjny*>(g.kolejka) == nullptr
                      ? std::string(NazwaMiejsca(w.Miejsce)) + ", " + g.kolejka->Name
                      : std::string(NazwaMiejsca(w.Miejsce));
        break;
    default:
        miejsce = NazwaMiejsca(w.Miejsce);
    }
    Ustaw(w.MiejsceTekst, std::move(miejsce), m, W::pMiejsce);
    if (!w.Opoznienie)
        Ustaw(w.OpoznienieTekst, std::string(), m, W::pOpoznienie);
    else if (*w.Opoznienie > 0)
        Ustaw(w.OpoznienieTekst, Formatuj("+%d min", *w.Opoznienie), m, W::pOpoznienie);
    else
        Ustaw(w.OpoznienieTekst, Formatuj("%d min", *w.Opoznienie), m, W::pOpoznienie);
    // Only a train on the station's points runs, stands or stops there; one still to come or gone
    // has no state of its own here (where it is says it).
    Ustaw(w.StanTekst, w.Miejsce == tMiejscePociagu::naStacji ? std::string(NazwaStanu(w.Stan)) : std::string(), m,
          W::pStan);
    Ustaw(w.Opis, OpisPociagu(t), m, W::pOpis);
}

const TPociag* TListaPociagow::ZDnia(const TPociag* pociag) const
{
    for (const auto& t : sym_.Silnik().PociagiDnia())
        if (t.get() == pociag)
            return pociag;
    return nullptr;
}

TElement* TListaPociagow::Element(const TPociag* pociag) const
{
    if (pociag == nullptr || ZDnia(pociag) == nullptr)
        return nullptr;
    TElement* zapowiedz = nullptr;
    TElement* wlot = nullptr;
    for (TPunkt* p : sym_.Stacja().Wszystkie<TPunkt>()) {
        if (p->Pociag() != pociag || !p->Visible || p->Kontener != TKomponent::Diagram)
            continue;
        if (dynamic_cast<TZapowiedz*>(p) == nullptr)
            return p;
        if (zapowiedz == nullptr)
            zapowiedz = p;
    }
    if (zapowiedz != nullptr)
        return zapowiedz;
    for (TWlot* w : sym_.Silnik().Wloty)
        if (wlot == nullptr && w->Visible && std::find(w->Pociagi.begin(), w->Pociagi.end(), pociag) != w->Pociagi.end())
            wlot = w;
    return wlot;
}

TElement* TListaPociagow::Wskaz(const TPociag* pociag)
{
    TElement* e = Element(pociag);
    if (e != nullptr)
        sym_.Stacja().Wyroznienia().Mignij(e, KolorWskazania, CzasWskazania);
    return e;
}

void TListaPociagow::Otworz(const TPociag* pociag)
{
    if (pociag == nullptr || ZDnia(pociag) == nullptr)
        return;
    if (auto* p = dynamic_cast<TPunkt*>(Element(pociag)); p != nullptr && p->Pociag() == pociag) {
        // The player's act, as on the diagram: the game's record has it.
        sym_.Akt({"dblclick", p->Name});
        return;
    }
    std::string gdzie;
    for (const auto& w : wiersze_)
        if (w.Pociag == pociag)
            gdzie = w.MiejsceTekst;
    sym_.Komunikaty().Komunikat(OpisPociagu(*pociag) + (gdzie.empty() ? std::string() : "\r\n" + gdzie));
}
