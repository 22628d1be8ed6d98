// Building the train menu of a point and the "&Polecenia" menu, preparing a standing consist as a
// timetable train, and finding items by name.

#include "simulation/menu_pociagu.h"

#include "core/format.h"
#include "interlocking/przyciski.h"
#include "simulation/silnik.h"
#include "station/peron.h"
#include "station/semafor.h"
#include "station/stacja.h"
#include "station/tor.h"
#include "station/wlot.h"
#include "station/zapowiedz.h"
#include "station/zwrotnica.h"
#include "trains/pociag.h"
#include "trains/sklad.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace {

TPozycjaMenu Pozycja(std::string caption, std::function<void()> akcja = {})
{
    TPozycjaMenu p;
    p.Caption = std::move(caption);
    p.Akcja = std::move(akcja);
    return p;
}

}  // namespace

std::vector<TPozycjaMenu> TMenuPociagu::PodmenuPrzygotowania(TPociag* stojacy)
{
    std::vector<TPozycjaMenu> podmenu;
    TWlotStacyjny* stacyjny = silnik_.WlotStacyjny();
    if (stacyjny == nullptr)
        return podmenu;
    for (TPociag* rozkladowy : stacyjny->Pociagi) {
        TPozycjaMenu p;
        p.Caption = OpisPociagu(*rozkladowy);
        p.Akcja = [this, stojacy, rozkladowy] {
            PrzygotujSklad(stojacy, rozkladowy);
            silnik_.OdswiezEtykiety();
        };
        podmenu.push_back(std::move(p));
    }
    return podmenu;
}

bool TMenuPociagu::Otworz(TPunkt* punkt)
{
    punkt_ = punkt;
    pociag_ = punkt != nullptr ? punkt->Pociag() : nullptr;
    pozycje_.clear();
    if (punkt == nullptr)
        return false;
    if (punkt->DisablePopupMenu)
        return false;
    if (dynamic_cast<TTor*>(punkt) == nullptr && punkt->LewyTor == nullptr && punkt->PrawyTor == nullptr)
        return false;

    TSilnikSymulacji& silnik = silnik_;
    TPociag* t = pociag_;
    const auto odswiez = [&silnik] { silnik.OdswiezEtykiety(); };
    const bool a = t != nullptr && t->StanJazdy != tStanJazdy::jazda;
    const bool trakcja = a && MaLokomotywe(t->Sklad());

    TPozycjaMenu opis;
    opis.Caption = t != nullptr ? OpisPociagu(*t) : "nie ma pociągu w tym punkcie";
    opis.Akcja = odswiez;
    pozycje_.push_back(opis);

    TPozycjaMenu polacz = Pozycja("Połącz skład");
    polacz.Visible = a && t->DoRozdzielenia();
    polacz.Akcja = [t, odswiez] {
        Sprzegnij(*t);
        odswiez();
    };
    pozycje_.push_back(polacz);

    TPozycjaMenu rozdziel = Pozycja("Rozdziel skład");
    rozdziel.Visible = a && !t->DoRozdzielenia() && t->Sklad().find('+') != std::string::npos;
    rozdziel.Akcja = [t, odswiez] {
        Rozprzegnij(*t);
        odswiez();
    };
    pozycje_.push_back(rozdziel);

    TPozycjaMenu kierunek = Pozycja("Zmień &kierunek jazdy");
    kierunek.Visible = trakcja;
    kierunek.Akcja = [t, odswiez] {
        ZmienKierunek(*t);
        odswiez();
    };
    pozycje_.push_back(kierunek);

    TPozycjaMenu przygotuj = Pozycja("Przygotuj skład do odjazdu");
    przygotuj.Visible = trakcja;
    przygotuj.Podmenu = true;
    przygotuj.Submenu = PodmenuPrzygotowania(t);
    przygotuj.Enabled = !przygotuj.Submenu.empty();
    pozycje_.push_back(przygotuj);

    TPozycjaMenu odjazd = Pozycja("Daj polecenie odjazdu");
    odjazd.Visible = trakcja;
    odjazd.Akcja = [t, odswiez] {
        UstawStanJazdy(*t, tStanJazdy::jazda);
        odswiez();
    };
    pozycje_.push_back(odjazd);

    TPozycjaMenu manewry = Pozycja("Jazda manewrowa");
    manewry.Visible = trakcja;
    manewry.Checked = a && t->Manewrowy();
    manewry.Akcja = [t, odswiez] {
        t->SetManewrowy(!t->Manewrowy());
        odswiez();
    };
    pozycje_.push_back(manewry);

    pozycje_.push_back(Pozycja("-"));

    TPozycjaMenu sam = Pozycja(punkt->Name + "...");
    sam.Default = true;
    sam.Akcja = [punkt] { punkt->DblClick(); };
    pozycje_.push_back(sam);

    TPozycjaMenu przelacz = Pozycja("Przełącz");
    if (auto* s = dynamic_cast<TSemafor*>(punkt)) {
        przelacz.Caption = "zmień sygnał na semaforze";
        przelacz.Akcja = [s, odswiez] {
            s->OperateSignal(tZrodloPolecenia::menu);
            odswiez();
        };
    } else if (auto* z = dynamic_cast<TZwrotnica*>(punkt)) {
        przelacz.Caption = "przełóż zwrotnicę";
        przelacz.Akcja = [z, odswiez] {
            z->FlipStatus(nullptr);
            odswiez();
        };
    } else if (auto* w = dynamic_cast<TWlot*>(punkt)) {
        przelacz.Caption = "pokaż listę planowanych pociągów";
        przelacz.Akcja = [w, &silnik, odswiez] {
            for (TPociag* p : w->Pociagi)
                silnik.ZapiszWDzienniku(0, "pociąg z " + w->Name + ":", OpisPociagu(*p));
            odswiez();
        };
    } else {
        przelacz.Visible = false;
    }
    pozycje_.push_back(przelacz);

    TPozycjaMenu naglowek = Pozycja("- utwierdzanie/zrywanie drogi -");
    naglowek.Enabled = false;
    pozycje_.push_back(naglowek);

    for (auto* b : stacja_.Wszystkie<TZatwierdzButton>()) {
        TPunkt* drugi = nullptr;
        if (b->LewyPunkt() == punkt)
            drugi = b->PrawyPunkt();
        else if (b->PrawyPunkt() == punkt)
            drugi = b->LewyPunkt();
        else
            continue;
        if (drugi == nullptr)
            continue;
        TPozycjaMenu droga = Pozycja(Formatuj("Ustaw drogę do %s", drugi->Name.c_str()));
        if (dynamic_cast<TWlot*>(drugi) != nullptr || dynamic_cast<TPeron*>(drugi) != nullptr) {
            droga.Radio = true;
            droga.Checked = true;
        }
        droga.Akcja = [b, odswiez] {
            b->Click();
            odswiez();
        };
        pozycje_.push_back(droga);
    }
    return true;
}

void TMenuPociagu::PrzygotujSklad(TPociag* p, TPociag* t)
{
    TSilnikSymulacji& silnik = silnik_;
    if (p == nullptr || t == nullptr || silnik.WlotStacyjny() == nullptr)
        return;
    const std::string opisy = OpisPociagu(*p) + "\r\n" + OpisPociagu(*t);
    if (!p->Wyjezdza().empty())
        throw TElemExc(nullptr,
                       "To już jest sformowany pociąg.\r\nNie możesz ot tak sobie wyrzucić pasażerów i pojechać w  "
                       "inną stronę.\r\n" + opisy,
                       -33);
    if (!SkladZgodny(*t, p->Sklad()))
        throw TElemExc(nullptr, "Nieprawidłowy skład dla pociągu.\r\n" + opisy, -10);
    if (!LokomotywaNaCzele(*t, p->Sklad()))
        throw TElemExc(nullptr,
                       "Nie możesz odprawić składu \"na pych\"!\r\nNa przodzie musi znaleźć się wagon motorowy lub "
                       "lokomotywa.\r\n" + opisy,
                       -10);
    std::erase(silnik.WlotStacyjny()->Pociagi, t);
    t->SetSklad(p->Sklad());
    for (TPunkt* punkt : stacja_.Wszystkie<TPunkt>())
        if (punkt->Pociag() == p) {
            // Swapped in place: the point stays occupied, only its train changes.
            punkt->SetPociag(t);
        }
    // Made of a consist that came in late, it may leave as late: that is the line's doing too.
    t->SetZwlokaOdjazdu(std::max(t->ZwlokaOdjazdu(), p->OpoznienieWjazdu()));
    t->SetSkonczylBieg(false);
    t->SetZapowiedziany(true);
    t->SetPoPrzyjezdzie(true);
    t->SetManewrowy(false);
    UstawStanJazdy(*t, tStanJazdy::zatrzymany);
    silnik.Usun(p);
    silnik.ZapiszWDzienniku(20, "Pociąg gotowy do odjazdu", OpisPociagu(*t), {tRodzajOceny::skladGotowy, t});
    silnik.OdswiezEtykiety();
}

std::vector<TPozycjaMenu> TMenuPociagu::Polecenia()
{
    std::vector<TPozycjaMenu> menu;
    TPozycjaMenu zwolnij = Pozycja("&Zwolnij utwierdzenia");
    auto* bZerwij = stacja_.Znajdz<TSpecialPunktButton>("bZerwij");
    zwolnij.Akcja = [bZerwij] {
        if (bZerwij != nullptr)
            bZerwij->Click();
    };
    menu.push_back(zwolnij);
    menu.push_back(Pozycja("-"));
    TSilnikSymulacji& silnik = silnik_;
    const auto odswiez = [&silnik] { silnik.OdswiezEtykiety(); };
    TWlotStacyjny* stacyjny = silnik.WlotStacyjny();
    bool jest = false;
    for (const auto& k : stacja_.Komponenty()) {
        auto* punkt = dynamic_cast<TPunkt*>(k.get());
        if (punkt == nullptr || dynamic_cast<TZapowiedz*>(punkt) != nullptr || punkt->Pociag() == nullptr)
            continue;
        TPociag* t = punkt->Pociag();
        jest = true;
        TPozycjaMenu p = Pozycja(Formatuj("%s: %s\t%s %s-%s", punkt->Name.c_str(), EtykietaPunktu(*t).c_str(), t->Numer().c_str(),
                                t->RelacjaOd().c_str(), t->RelacjaDo().c_str()));
        if (t->StanJazdy != tStanJazdy::jazda) {
            p.Podmenu = true;
            if (t->StanJazdy == tStanJazdy::zatrzymany)
                p.Submenu.push_back(Pozycja("daj polecenie odjazdu", [t, odswiez] {
                                         UstawStanJazdy(*t, tStanJazdy::jazda);
                                         odswiez();
                                     }));
            p.Submenu.push_back(Pozycja("zmień kierunek jazdy", [t, odswiez] {
                                     ZmienKierunek(*t);
                                     odswiez();
                                 }));
            if (t->DoRozdzielenia())
                p.Submenu.push_back(Pozycja("połącz skład", [t, odswiez] {
                                         Sprzegnij(*t);
                                         odswiez();
                                     }));
            else
                p.Submenu.push_back(Pozycja("rozdziel skład", [t, odswiez] {
                                         Rozprzegnij(*t);
                                         odswiez();
                                     }));
            if (t->StanJazdy == tStanJazdy::postoj && stacyjny != nullptr && !stacyjny->Pociagi.empty()) {
                TPozycjaMenu przygotuj = Pozycja("przygotuj skład do odjazdu");
                przygotuj.Podmenu = true;
                przygotuj.Submenu = PodmenuPrzygotowania(t);
                p.Submenu.push_back(std::move(przygotuj));
            }
        }
        menu.push_back(std::move(p));
    }
    if (!jest) {
        TPozycjaMenu brak = Pozycja("(brak pociągów na stacji!)");
        brak.Enabled = false;
        menu.push_back(brak);
    }
    return menu;
}

const TPozycjaMenu* ZnajdzPozycje(const std::vector<TPozycjaMenu>& pozycje, const std::string& nazwa)
{
    std::vector<const TPozycjaMenu*> widoczne;
    for (const auto& p : pozycje)
        if (p.Visible)
            widoczne.push_back(&p);
    for (const auto* p : widoczne)
        if (p->Caption == nazwa)
            return p;
    int numer = 0;
    const auto [koniec, blad] = std::from_chars(nazwa.data(), nazwa.data() + nazwa.size(), numer);
    if (nazwa.empty() || blad != std::errc() || koniec != nazwa.data() + nazwa.size())
        return nullptr;
    if (numer >= 1 && numer <= static_cast<int>(widoczne.size()))
        return widoczne[static_cast<std::size_t>(numer - 1)];
    return nullptr;
}

std::string NazwaPozycji(const std::vector<TPozycjaMenu>& pozycje, const TPozycjaMenu& pozycja)
{
    if (ZnajdzPozycje(pozycje, pozycja.Caption) == &pozycja)
        return pozycja.Caption;
    int numer = 0;
    for (const auto& p : pozycje) {
        if (p.Visible)
            ++numer;
        if (&p == &pozycja)
            break;
    }
    return std::to_string(numer);
}
