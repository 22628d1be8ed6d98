// The station's element classes, its layout, and building a station from layout records.

#include "station/uklad.h"

#include "station/peron.h"
#include "station/przejazd.h"
#include "station/rogatka.h"
#include "station/semafor.h"
#include "station/stacja.h"
#include "station/tor.h"
#include "station/uklad_tekst.h"
#include "station/wlot.h"
#include "station/zapowiedz.h"
#include "station/zwrotnica.h"

namespace {

// A fault in a record read from text names its line first.
TBladUkladu BladRekordu(const TRekordUkladu& r, const std::string& tresc)
{
    return TBladUkladu(r.Wiersz > 0 ? "Wiersz " + std::to_string(r.Wiersz) + ": " + tresc : tresc);
}

}  // namespace

const TKlasyUkladu& KlasyStacji()
{
    static const TKlasyUkladu klasy = {
        {"TTor", FabrykaKlasy<TTor>()},           {"TZwrotnica", FabrykaKlasy<TZwrotnica>()},
        {"TSemafor", FabrykaKlasy<TSemafor>()},   {"TWlot", FabrykaKlasy<TWlot>()},
        {"TWlotStacyjny", FabrykaKlasy<TWlotStacyjny>()}, {"TZapowiedz", FabrykaKlasy<TZapowiedz>()},
        {"TPeron", FabrykaKlasy<TPeron>()},       {"TBocznica", FabrykaKlasy<TBocznica>()},
        {"TPunktTorowy", FabrykaKlasy<TPunktTorowy>()}, {"TRogatka", FabrykaKlasy<TRogatka>()},
        {"TPrzejazd", FabrykaKlasy<TPrzejazd>()}, {"TDRoga", FabrykaKlasy<TDRoga>()},
    };
    return klasy;
}

const std::vector<TRekordUkladu>& UkladDrelinka()
{
    // A throw leaves the static unmade, so every later call reads the text again and throws again:
    // a fault in the shipped layout cannot be missed.
    static const std::vector<TRekordUkladu> uklad = CzytajUklad(TekstUkladuDrelinka());
    return uklad;
}

std::vector<std::string> NazwyElementow(const std::vector<TRekordUkladu>& uklad, std::string_view klasa)
{
    std::vector<std::string> nazwy;
    for (const TRekordUkladu& r : uklad)
        if (r.Klasa == klasa)
            nazwy.push_back(r.Nazwa);
    return nazwy;
}

void ZbudujUklad(TStacja& stacja, const std::vector<TRekordUkladu>& uklad, const TKlasyUkladu& klasy)
{
    for (const TRekordUkladu& r : uklad) {
        const auto fabryka = klasy.find(r.Klasa);
        if (fabryka == klasy.end())
            throw BladRekordu(r, "Nieznana klasa " + r.Klasa + " elementu " + r.Nazwa + ".");
        if (stacja.Znajdz(r.Nazwa) != nullptr)
            throw BladRekordu(r, "Element " + r.Nazwa + " jest w układzie dwa razy.");
        TKomponent& k = fabryka->second(stacja, r.Nazwa);
        k.Kontener = r.Kontener;
        k.Left = r.Left;
        k.Top = r.Top;
        k.Width = r.Width;
        k.Height = r.Height;
        for (const auto& w : r.Wlasciwosci)
            if (!k.UstawWlasciwosc(w.Nazwa, w.Wartosc))
                throw BladRekordu(r, "Element " + r.Nazwa + " (" + r.Klasa + ") nie przyjmuje " + w.Nazwa + " = \"" +
                                         w.Wartosc + "\".");
    }
    for (const TRekordUkladu& r : uklad) {
        TKomponent* k = stacja.Znajdz(r.Nazwa);
        for (const auto& w : r.Referencje) {
            TKomponent* cel = stacja.Znajdz(w.Wartosc);
            if (cel == nullptr)
                throw BladRekordu(r, "Element " + r.Nazwa + " wskazuje w " + w.Nazwa + " nieistniejący element " +
                                         w.Wartosc + ".");
            if (!k->UstawReferencje(w.Nazwa, cel))
                throw BladRekordu(r, "Element " + r.Nazwa + " (" + r.Klasa + ") nie przyjmuje " + w.Nazwa + " = " +
                                         w.Wartosc + ".");
        }
    }
    // Roads lie under everything.
    for (TDRoga* d : stacja.Wszystkie<TDRoga>())
        stacja.NaSpod(d);
}
