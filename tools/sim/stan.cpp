// The state lines of components and trains, and the whole game's dump.

#include "tools/sim/stan.h"

#include "core/slowa_polecen.h"
#include "core/nazwy_wartosci.h"
#include "interlocking/przyciski.h"
#include "run/symulacja_stacji.h"
#include "station/przejazd.h"
#include "station/rogatka.h"
#include "station/semafor.h"
#include "station/zwrotnica.h"
#include "trains/czas.h"
#include "trains/pociag.h"

#include <sstream>

std::string LiniaStanu(const TKomponent& k)
{
    std::ostringstream o;
    if (auto* z = dynamic_cast<const TZatwierdzButton*>(&k)) {
        o << "STATE " << z->Name << " lewy=" << (z->LewyPunkt() ? z->LewyPunkt()->Name : "-")
          << " prawy=" << (z->PrawyPunkt() ? z->PrawyPunkt()->Name : "-") << " caption=" << Cytat(z->Caption);
        return o.str();
    }
    if (auto* b = dynamic_cast<const TPunktButton*>(&k)) {
        // A button shows its own state copy, then its element's as `show` of the element would.
        o << "STATE " << b->Name << " stan=" << NazwaWartosci(b->Stan()) << " bledy=" << b->Licznik()
          << " element=" << (b->Element() ? b->Element()->Name : "-") << " caption=" << Cytat(b->Caption);
        return o.str();
    }
    auto* e = dynamic_cast<const TElement*>(&k);
    if (e == nullptr)
        return {};
    o << "STATE " << e->Name;
    auto* punkt = dynamic_cast<const TPunkt*>(e);
    if (punkt != nullptr)
        o << " stan=" << NazwaWartosci(punkt->Stan());
    if (auto* z = dynamic_cast<const TZwrotnica*>(e))
        o << " status=" << NazwaWartosci(z->Status());
    if (auto* s = dynamic_cast<const TSemafor*>(e))
        o << " status=" << NazwaWartosci(s->Status());
    if (auto* r = dynamic_cast<const TRogatka*>(e))
        o << " podniesione=" << (r->Podniesione() ? 1 : 0);
    if (auto* pr = dynamic_cast<const TPrzejazd*>(e))
        o << " migajacy=" << (pr->Migajacy() ? 1 : 0);
    o << " bledy=" << e->LicznikBledow;
    if (punkt != nullptr) {
        o << " elementy=" << Cytat(punkt->Elementy());
        o << " pociag=" << (punkt->Pociag() != nullptr ? Cytat(OpisPociagu(*punkt->Pociag())) : "-");
    }
    o << " hint=" << Cytat(e->Hint);
    if (punkt != nullptr && punkt->Pociag() != nullptr) {
        const TPociag& t = *punkt->Pociag();
        o << " jazda=" << NazwaWartosci(t.StanJazdy) << " kierunek=" << NazwaWartosci(t.Kierunek)
          << " sklad=" << Cytat(t.Sklad()) << " manewrowy=" << (t.Manewrowy() ? 1 : 0) << " numer=" << Cytat(t.Numer());
    }
    return o.str();
}

std::string LiniaPociagu(const TStacja& stacja, const TPociag& t)
{
    std::string punkt = "-";
    for (const TPunkt* p : stacja.Wszystkie<TPunkt>())
        if (p->Pociag() == &t) {
            punkt = p->Name;
            break;
        }
    std::ostringstream o;
    o << "TRAIN numer=" << Cytat(t.Numer()) << " punkt=" << punkt << " jazda=" << NazwaWartosci(t.StanJazdy)
      << " kierunek=" << NazwaWartosci(t.Kierunek) << " sklad=" << Cytat(t.Sklad())
      << " manewrowy=" << (t.Manewrowy() ? 1 : 0) << " zapowiedziany=" << (t.Zapowiedziany() ? 1 : 0)
      << " poprzyjezdzie=" << (t.PoPrzyjezdzie() ? 1 : 0) << " skonczylbieg=" << (t.SkonczylBieg() ? 1 : 0)
      << " dorozdzielenia=" << (t.DoRozdzielenia() ? 1 : 0) << " opis=" << Cytat(OpisPociagu(t));
    return o.str();
}

std::string ZrzutStanu(const TSymulacjaStacji& sym)
{
    std::ostringstream o;
    o << "CLOCK " << CzasHHMMSS(sym.CzasSymulacji) << " ms=" << Milisekundy(sym.CzasSymulacji)
      << " takty=" << sym.Takty() << '\n';
    o << "SCORE " << sym.Dziennik().Score() << '\n';
    o << "STOP " << (sym.Stop ? 1 : 0) << " speed=" << sym.Szybkosc() << '\n';
    for (const auto& k : sym.Stacja().Komponenty())
        if (std::string linia = LiniaStanu(*k); !linia.empty())
            o << linia << '\n';
    for (const auto& t : sym.Silnik().PociagiDnia())
        o << LiniaPociagu(sym.Stacja(), *t) << '\n';
    for (const TLiniaDziennika& l : sym.Dziennik().Linie()) {
        std::ostringstream czas;
        czas.precision(17);
        czas << l.CzasRzeczywisty;
        o << "JOURNAL " << l.Punkty << ' ' << Milisekundy(l.Czas) << ' ' << czas.str() << ' '
          << static_cast<int>(l.Rodzaj) << ' ' << l.Pociag << (l.Porada ? " porada " : " ") << Cytat(l.Tekst) << ' '
          << Cytat(l.Opis) << '\n';
    }
    return o.str();
}
