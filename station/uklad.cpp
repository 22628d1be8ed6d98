#include "station/uklad.h"

#include "interlocking/przyciski.h"
#include "interlocking/semafor.h"
#include "station/peron.h"
#include "station/przejazd.h"
#include "station/rogatka.h"
#include "station/stacja.h"
#include "station/tor.h"
#include "station/wlot.h"
#include "station/zapowiedz.h"
#include "station/zwrotnica.h"

#include <functional>
#include <map>

namespace {

using Fabryka = std::function<TKomponent&(TStacja&, const std::string&)>;

template <typename T>
Fabryka Klasa()
{
    return [](TStacja& s, const std::string& nazwa) -> TKomponent& { return s.Dodaj<T>(nazwa); };
}

const std::map<std::string, Fabryka>& Fabryki()
{
    static const std::map<std::string, Fabryka> fabryki = {
        {"TTor", Klasa<TTor>()},           {"TZwrotnica", Klasa<TZwrotnica>()},
        {"TSemafor", Klasa<TSemafor>()},   {"TWlot", Klasa<TWlot>()},
        {"TWlotStacyjny", Klasa<TWlotStacyjny>()}, {"TZapowiedz", Klasa<TZapowiedz>()},
        {"TPeron", Klasa<TPeron>()},       {"TBocznica", Klasa<TBocznica>()},
        {"TPunktTorowy", Klasa<TPunktTorowy>()},   {"TRogatka", Klasa<TRogatka>()},
        {"TPrzejazd", Klasa<TPrzejazd>()}, {"TDRoga", Klasa<TDRoga>()},
        {"TPunktButton", Klasa<TPunktButton>()}, {"TZatwierdzButton", Klasa<TZatwierdzButton>()},
        {"TSpecialPunktButton", Klasa<TSpecialPunktButton>()},
    };
    return fabryki;
}

}  // namespace

void ZbudujUklad(TStacja& stacja, const std::vector<TRekordUkladu>& uklad)
{
    for (const TRekordUkladu& r : uklad) {
        const auto fabryka = Fabryki().find(r.Klasa);
        if (fabryka == Fabryki().end())
            throw TBladUkladu("Nieznana klasa " + r.Klasa + " elementu " + r.Nazwa + ".");
        if (stacja.Znajdz(r.Nazwa) != nullptr)
            throw TBladUkladu("Element " + r.Nazwa + " jest w układzie dwa razy.");
        TKomponent& k = fabryka->second(stacja, r.Nazwa);
        k.Kontener = r.Kontener;
        k.Left = r.Left;
        k.Top = r.Top;
        k.Width = r.Width;
        k.Height = r.Height;
        for (const auto& w : r.Wlasciwosci)
            if (!k.UstawWlasciwosc(w.Nazwa, w.Wartosc))
                throw TBladUkladu("Element " + r.Nazwa + " (" + r.Klasa + ") nie przyjmuje " + w.Nazwa + " = \"" +
                                  w.Wartosc + "\".");
    }
    for (const TRekordUkladu& r : uklad) {
        TKomponent* k = stacja.Znajdz(r.Nazwa);
        for (const auto& w : r.Referencje) {
            TKomponent* cel = stacja.Znajdz(w.Wartosc);
            if (cel == nullptr)
                throw TBladUkladu("Element " + r.Nazwa + " wskazuje w " + w.Nazwa + " nieistniejący element " +
                                  w.Wartosc + ".");
            if (!k->UstawReferencje(w.Nazwa, cel))
                throw TBladUkladu("Element " + r.Nazwa + " (" + r.Klasa + ") nie przyjmuje " + w.Nazwa + " = " +
                                  w.Wartosc + ".");
        }
    }
    // Roads lie under everything.
    for (TDRoga* d : stacja.Wszystkie<TDRoga>())
        stacja.NaSpod(d);
}
