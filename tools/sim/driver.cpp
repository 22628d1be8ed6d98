#include "tools/sim/driver.h"

#include "interlocking/przyciski.h"
#include "station/semafor.h"
#include "trains/czas.h"
#include "simulation/menu_pociagu.h"
#include "trains/pociag.h"
#include "trains/rozklad.h"
#include "trains/rozklad_csv.h"
#include "simulation/symulacja_stacji.h"
#include "station/przejazd.h"
#include "station/rogatka.h"
#include "station/zwrotnica.h"
#include "tools/sim/skrypt.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <filesystem>
#include <istream>
#include <ostream>
#include <sstream>
#include <stdexcept>

namespace {

// A line the script got wrong: the driver stops with exit status 2.
struct TZlaLinia : std::runtime_error {
    using std::runtime_error::runtime_error;
};
// A file the driver could not write: exit status 1.
struct TBladPliku : std::runtime_error {
    using std::runtime_error::runtime_error;
};

const char* NazwaOdpowiedzi(tOdpowiedz o)
{
    switch (o) {
    case tOdpowiedz::tak:
        return "yes";
    case tOdpowiedz::nie:
        return "no";
    case tOdpowiedz::anuluj:
        return "cancel";
    }
    return "cancel";
}

const char* NazwaStanu(tStan s)
{
    static const char* nazwy[] = {"nieaktywny", "wolny", "utwierdzony", "zajety"};
    return nazwy[static_cast<int>(s)];
}

const char* NazwaJazdy(tStanJazdy s)
{
    switch (s) {
    case tStanJazdy::postoj:
        return "postoj";
    case tStanJazdy::zatrzymany:
        return "zatrzymany";
    case tStanJazdy::jazda:
        return "jazda";
    }
    return "postoj";
}

}  // namespace

// Message and question boxes as output lines; questions take the queued answers.
class TDriverSymulacji::Komunikaty : public TKomunikaty {
public:
    explicit Komunikaty(std::ostream& out) : out_(out) {}

    void Komunikat(const std::string& tekst) override { out_ << "MESSAGE " << BezLamania(tekst) << '\n'; }

    tOdpowiedz Pytanie(const std::string& tekst, tPrzyciski przyciski, tRodzajPytania) override
    {
        tOdpowiedz o = przyciski == tPrzyciski::takNie ? tOdpowiedz::nie : tOdpowiedz::anuluj;
        if (!Odpowiedzi.empty()) {
            o = Odpowiedzi.front();
            Odpowiedzi.pop_front();
        }
        out_ << "QUESTION " << BezLamania(tekst) << " -> " << NazwaOdpowiedzi(o) << '\n';
        return o;
    }

    void Ostrzezenie(const std::string&, const std::string& tytul, const std::string& opis, int) override
    {
        out_ << "WARNING " << BezLamania(tytul) << " | " << BezLamania(opis) << '\n';
    }

    std::deque<tOdpowiedz> Odpowiedzi;

private:
    std::ostream& out_;
};

class TDriverSymulacji::Dzwieki : public TDzwieki {
public:
    explicit Dzwieki(std::ostream& out) : out_(out) {}
    void Odtworz(const std::string& plik) override
    {
        out_ << "SOUND " << std::filesystem::path(plik).filename().string() << '\n';
    }

private:
    std::ostream& out_;
};

// The driver's world: real time is the manual timers' time, on a fixed day, so that every run of a
// script prints the same; settings live as long as the run.
class TDriverSymulacji::Uslugi : public TZegarScienny, public TUstawienia, public TKursory {
public:
    explicit Uslugi(const TZegaryReczne& zegary) : zegary_(zegary) {}

    double Teraz() const override { return 46000.5 + zegary_.Teraz() / 86400000.0; }
    std::string Czytaj(const std::string& k, const std::string& n, const std::string& d) const override
    {
        const auto it = wartosci_.find(k + "\\" + n);
        return it == wartosci_.end() ? d : it->second;
    }
    void Zapisz(const std::string& k, const std::string& n, const std::string& w) override { wartosci_[k + "\\" + n] = w; }
    void UstawKursor(tKursor) override {}

    TLosowanieProste Losowanie;

private:
    const TZegaryReczne& zegary_;
    std::map<std::string, std::string> wartosci_;
};

TDriverSymulacji::TDriverSymulacji(std::ostream& wyjscie, Renderowanie renderowanie)
    : out_(wyjscie),
      renderowanie_(std::move(renderowanie)),
      komunikaty_(std::make_unique<Komunikaty>(wyjscie)),
      dzwieki_(std::make_unique<Dzwieki>(wyjscie)),
      uslugi_(std::make_unique<Uslugi>(zegary_))
{
    ZarejestrujPociag();
    uslugiSymulacji_ = std::make_unique<TUslugi>(TUslugi{zegary_, *dzwieki_, *komunikaty_, *uslugi_, *uslugi_,
                                                          uslugi_->Losowanie, *uslugi_});
    rozklad_ = std::make_unique<TRozkladJazdy>(NazwaPlikuRozkladu(), *komunikaty_, *uslugi_);
    symulacja_ = std::make_unique<TSymulacjaStacji>(*uslugiSymulacji_, *rozklad_);
    symulacja_->Dziennik().OnLinia = [this](const TLiniaDziennika& l) {
        if (l.Porada)
            out_ << "TIP " << BezLamania(l.Tekst) << " | " << BezLamania(l.Opis) << '\n';
        else
            out_ << "JOURNAL " << CzasHHMMSS(l.Czas) << ' ' << l.Punkty << ' ' << BezLamania(l.Tekst) << " | "
                 << BezLamania(l.Opis) << '\n';
    };
    symulacja_->OnPodpowiedz = [this](const std::string& tekst) { out_ << "HINT " << BezLamania(tekst) << '\n'; };
}

TDriverSymulacji::~TDriverSymulacji() = default;

void TDriverSymulacji::Zle(const std::string& powod) { throw TZlaLinia(powod); }

int TDriverSymulacji::Wykonaj(std::istream& skrypt)
{
    std::string linia;
    int numer = 0;
    while (std::getline(skrypt, linia)) {
        ++numer;
        try {
            std::string blad;
            const auto slowa = RozbijLinie(linia, blad);
            if (!slowa)
                Zle(blad);
            if (!slowa->empty())
                Polecenie(*slowa);
            out_.flush();
        } catch (const TZlaLinia& e) {
            out_ << "ERROR " << numer << ": " << e.what() << '\n';
            return ZlaLinia;
        } catch (const TBladPliku& e) {
            out_ << "ERROR " << numer << ": " << e.what() << '\n';
            return BladPliku;
        }
    }
    return Dobrze;
}

void TDriverSymulacji::Polecenie(const std::vector<std::string>& s)
{
    const std::string& p = s[0];
    const auto argumenty = [&](std::size_t min, std::size_t max) {
        if (s.size() - 1 < min || s.size() - 1 > max)
            Zle("wrong number of arguments for " + p);
    };
    if (symulacja_ == nullptr)
        Zle("the station is closed");
    TSymulacjaStacji& sym = *symulacja_;

    if (p == "time") {
        argumenty(1, 1);
        const auto czas = CzytajGodzine(s[1]);
        if (!czas)
            Zle("bad time " + s[1]);
        sym.CzasSymulacji = *czas;
    } else if (p == "start") {
        argumenty(0, 0);
        if (sym.Pokazane())
            Zle("already started");
        sym.Wykonaj([&] { sym.Pokaz(); });
    } else if (p == "tick") {
        argumenty(0, 1);
        int ile = 1;
        if (s.size() == 2) {
            std::istringstream we(s[1]);
            if (!(we >> ile) || !(we >> std::ws).eof() || ile < 0 || ile > 10 * 17280)
                Zle("bad number of ticks " + s[1]);
        }
        Tyknij(ile);
    } else if (p == "until") {
        argumenty(1, 1);
        const auto czas = CzytajGodzine(s[1]);
        if (!czas)
            Zle("bad time " + s[1]);
        Do(*czas);
    } else if (p == "stop") {
        argumenty(1, 1);
        if (s[1] != "on" && s[1] != "off")
            Zle("stop must be on or off");
        sym.Stop = s[1] == "on";
    } else if (p == "window") {
        argumenty(1, 1);
        if (s[1] != "active" && s[1] != "inactive")
            Zle("window must be active or inactive");
        sym.OknoAktywne = s[1] == "active";
    } else if (p == "speed") {
        argumenty(1, 1);
        int v = 0;
        std::istringstream we(s[1]);
        if (!(we >> v) || !(we >> std::ws).eof() || v < 0 || v > 100)
            Zle("speed must be 1 to 100");
        sym.UstawSzybkosc(v);
    } else if (p == "trains") {
        argumenty(0, 0);
        Pociagi();
    } else if (p == "wait") {
        argumenty(1, 1);
        double sekundy = 0;
        std::istringstream we(s[1]);
        if (!(we >> sekundy) || !(we >> std::ws).eof() || sekundy < 0 || sekundy > 86400)
            Zle("bad number of seconds " + s[1]);
        zegary_.Uplyw(std::llround(sekundy * 1000));
    } else if (p == "click" || p == "dblclick") {
        argumenty(1, 1);
        TKomponent* k = sym.Stacja().Znajdz(s[1]);
        auto* e = dynamic_cast<TElement*>(k);
        if (e == nullptr || e->Kontener != TKomponent::Diagram)
            Zle("unknown element " + s[1]);
        if (p == "click") {
            sym.Wykonaj([e] { e->Click(); });
        } else {
            auto* punkt = dynamic_cast<TPunkt*>(e);
            if (punkt == nullptr)
                Zle(s[1] + " is not a point");
            sym.Wykonaj([punkt] { punkt->DblClick(); });
        }
    } else if (p == "press") {
        argumenty(1, 1);
        auto* b = dynamic_cast<TWktColorButton*>(sym.Stacja().Znajdz(s[1]));
        if (b == nullptr)
            Zle("unknown button " + s[1]);
        sym.Wykonaj([b] {
            b->MouseEnter();
            b->MouseDown();
            b->MouseUp(true);
        });
        b->MouseLeave();
    } else if (p == "answer") {
        argumenty(1, 1);
        if (s[1] == "yes")
            komunikaty_->Odpowiedzi.push_back(tOdpowiedz::tak);
        else if (s[1] == "no")
            komunikaty_->Odpowiedzi.push_back(tOdpowiedz::nie);
        else if (s[1] == "cancel")
            komunikaty_->Odpowiedzi.push_back(tOdpowiedz::anuluj);
        else
            Zle("answer must be yes, no or cancel");
    } else if (p == "show") {
        argumenty(1, 1);
        Pokaz(s[1]);
    } else if (p == "score") {
        argumenty(0, 0);
        out_ << "SCORE " << sym.Dziennik().Score() << '\n';
    } else if (p == "sound") {
        argumenty(1, 1);
        if (s[1] != "on" && s[1] != "off")
            Zle("sound must be on or off");
        sym.Stacja().OdtwarzajDzwieki = s[1] == "on";
    } else if (p == "render") {
        argumenty(1, 3);
        std::string strona;
        int skala = 1;
        for (std::size_t i = 2; i < s.size(); ++i) {
            int v = 0;
            std::istringstream we(s[i]);
            if (we >> v && (we >> std::ws).eof()) {
                if (v < 1 || v > 8)
                    Zle("scale must be 1 to 8");
                skala = v;
            } else if (s[i] == "Sterowanie" || s[i] == "Przebiegi") {
                strona = "ts" + s[i];
            } else {
                Zle("unknown page " + s[i]);
            }
        }
        if (!renderowanie_)
            Zle("not available yet");
        if (!renderowanie_(sym, s[1], strona, skala))
            throw TBladPliku("cannot write " + s[1]);
    } else if (p == "close") {
        argumenty(0, 0);
        sym.Zamknij();
        symulacja_.reset();
    } else if (p == "menu") {
        argumenty(1, 3);
        Menu(s, false);
    } else if (p == "commands") {
        argumenty(0, 2);
        Menu(s, true);
    } else {
        Zle("unknown command " + p);
    }
}

void TDriverSymulacji::Tyknij(int ile)
{
    for (int i = 0; i < ile; ++i)
        symulacja_->Wykonaj([&] { symulacja_->Tyknij(); });
}

void TDriverSymulacji::Do(double czas)
{
    // Ticks until the clock has reached or passed the time, across midnight if need be; at most one
    // simulated day of ticks, so a frozen clock ends the command too.
    constexpr long long Doba = 86400000;
    const auto naprzod = [](long long od, long long do_) { return ((do_ - od) % Doba + Doba) % Doba; };
    const long long potrzeba = naprzod(Milisekundy(symulacja_->CzasSymulacji), Milisekundy(czas));
    const int maks = 86400 / std::max(1, symulacja_->SekIncrement);
    long long uplynelo = 0;
    for (int i = 0; i < maks && uplynelo < potrzeba; ++i) {
        const long long przedtem = Milisekundy(symulacja_->CzasSymulacji);
        symulacja_->Wykonaj([&] { symulacja_->Tyknij(); });
        uplynelo += naprzod(przedtem, Milisekundy(symulacja_->CzasSymulacji));
    }
}

namespace {

void Wypisz(std::ostream& out, const std::vector<TPozycjaMenu>& pozycje, const std::string& wciecie)
{
    int n = 0;
    for (const auto& p : pozycje) {
        if (!p.Visible)
            continue;
        out << wciecie << "MENU " << ++n << ' ' << BezLamania(p.Caption);
        if (!p.Enabled)
            out << " [disabled]";
        if (p.Checked)
            out << " [checked]";
        if (p.Radio)
            out << " [radio]";
        if (p.Default)
            out << " [default]";
        if (p.Podmenu)
            out << " [submenu]";
        out << '\n';
        if (!p.Submenu.empty())
            Wypisz(out, p.Submenu, wciecie + "  ");
    }
}

// The visible item named by its caption or its 1-based position among the visible items.
const TPozycjaMenu* Wybierz(const std::vector<TPozycjaMenu>& pozycje, const std::string& nazwa)
{
    std::vector<const TPozycjaMenu*> widoczne;
    for (const auto& p : pozycje)
        if (p.Visible)
            widoczne.push_back(&p);
    for (const auto* p : widoczne)
        if (p->Caption == nazwa)
            return p;
    int numer = 0;
    std::istringstream we(nazwa);
    if (we >> numer && (we >> std::ws).eof() && numer >= 1 && numer <= static_cast<int>(widoczne.size()))
        return widoczne[static_cast<std::size_t>(numer - 1)];
    return nullptr;
}

}  // namespace

void TDriverSymulacji::Menu(const std::vector<std::string>& s, bool polecenia)
{
    TSymulacjaStacji& sym = *symulacja_;
    TMenuPociagu menu(sym);
    std::vector<TPozycjaMenu> pozycje;
    if (polecenia) {
        pozycje = menu.Polecenia();
    } else {
        auto* k = sym.Stacja().Znajdz(s[1]);
        auto* e = dynamic_cast<TElement*>(k);
        if (e == nullptr || e->Kontener != TKomponent::Diagram)
            Zle("unknown element " + s[1]);
        if (!menu.Otworz(dynamic_cast<TPunkt*>(e))) {
            if (s.size() > 2)
                Zle("no menu opens on " + s[1]);
            return;
        }
        pozycje = menu.Pozycje();
    }
    const std::size_t pierwszy = polecenia ? 1 : 2;
    if (s.size() <= pierwszy) {
        Wypisz(out_, pozycje, "");
        return;
    }
    const TPozycjaMenu* wybrana = Wybierz(pozycje, s[pierwszy]);
    if (wybrana == nullptr)
        Zle("no menu item " + s[pierwszy]);
    if (s.size() > pierwszy + 1) {
        wybrana = Wybierz(wybrana->Submenu, s[pierwszy + 1]);
        if (wybrana == nullptr)
            Zle("no menu item " + s[pierwszy + 1]);
    }
    if (!wybrana->Enabled || wybrana->Separator())
        Zle("menu item " + wybrana->Caption + " cannot be chosen");
    if (wybrana->Podmenu || !wybrana->Akcja)
        Zle("menu item " + wybrana->Caption + " opens a submenu");
    const std::function<void()> akcja = wybrana->Akcja;
    sym.Wstrzymany = true;
    sym.Wykonaj(akcja);
    sym.Wstrzymany = false;
}

void TDriverSymulacji::Pociagi()
{
    const TSilnikSymulacji& silnik = symulacja_->Silnik();
    const auto punktPociagu = [&](const TPociag* t) -> std::string {
        for (const TPunkt* p : symulacja_->Stacja().Wszystkie<TPunkt>())
            if (p->Pociag() == t)
                return p->Name;
        return "-";
    };
    for (const auto& t : silnik.PociagiDnia()) {
        out_ << "TRAIN numer=" << Cytat(t->Numer()) << " punkt=" << punktPociagu(t.get())
             << " jazda=" << NazwaJazdy(t->StanJazdy) << " kierunek=" << (t->Kierunek == stLewy ? "stLewy" : "stPrawy")
             << " sklad=" << Cytat(t->Sklad()) << " manewrowy=" << (t->Manewrowy() ? 1 : 0)
             << " zapowiedziany=" << (t->Zapowiedziany() ? 1 : 0) << " poprzyjezdzie=" << (t->PoPrzyjezdzie() ? 1 : 0)
             << " skonczylbieg=" << (t->SkonczylBieg() ? 1 : 0) << " dorozdzielenia=" << (t->DoRozdzielenia() ? 1 : 0)
             << " opis=" << Cytat(OpisPociagu(*t)) << '\n';
    }
}

void TDriverSymulacji::Pokaz(const std::string& nazwa)
{
    TKomponent* k = symulacja_->Stacja().Znajdz(nazwa);
    std::ostringstream o;
    if (auto* z = dynamic_cast<TZatwierdzButton*>(k)) {
        o << "STATE " << z->Name << " lewy=" << (z->LewyPunkt() ? z->LewyPunkt()->Name : "-")
          << " prawy=" << (z->PrawyPunkt() ? z->PrawyPunkt()->Name : "-") << " caption=" << Cytat(z->Caption);
        out_ << o.str() << '\n';
        return;
    }
    if (auto* b = dynamic_cast<TPunktButton*>(k)) {
        // A button shows its own state copy, then its element's as `show` of the element would.
        o << "STATE " << b->Name << " stan=" << NazwaStanu(b->Stan()) << " bledy=" << b->Licznik()
          << " element=" << (b->Element() ? b->Element()->Name : "-") << " caption=" << Cytat(b->Caption);
        out_ << o.str() << '\n';
        return;
    }
    auto* e = dynamic_cast<TElement*>(k);
    if (e == nullptr)
        Zle("unknown element " + nazwa);
    o << "STATE " << e->Name;
    auto* punkt = dynamic_cast<TPunkt*>(e);
    if (punkt != nullptr)
        o << " stan=" << NazwaStanu(punkt->Stan());
    if (auto* z = dynamic_cast<TZwrotnica*>(e))
        o << " status=" << (z->Status() == tZwrStatus::gora ? "gora" : "dol");
    if (auto* s = dynamic_cast<TSemafor*>(e))
        o << " status=" << (s->Status() == tSemStatus::zielony ? "zielony" : s->Status() == tSemStatus::czerwony ? "czerwony" : "bialy");
    if (auto* r = dynamic_cast<TRogatka*>(e))
        o << " podniesione=" << (r->Podniesione() ? 1 : 0);
    if (auto* pr = dynamic_cast<TPrzejazd*>(e))
        o << " migajacy=" << (pr->Migajacy() ? 1 : 0);
    o << " bledy=" << e->LicznikBledow;
    if (punkt != nullptr) {
        o << " elementy=" << Cytat(punkt->Elementy());
        o << " pociag=" << (punkt->Pociag() != nullptr ? Cytat(OpisPociagu(*punkt->Pociag())) : "-");
    }
    o << " hint=" << Cytat(e->Hint);
    if (punkt != nullptr && punkt->Pociag() != nullptr) {
        const TPociag& t = *punkt->Pociag();
        o << " jazda=" << NazwaJazdy(t.StanJazdy) << " kierunek=" << (t.Kierunek == stLewy ? "stLewy" : "stPrawy")
          << " sklad=" << Cytat(t.Sklad()) << " manewrowy=" << (t.Manewrowy() ? 1 : 0) << " numer=" << Cytat(t.Numer());
    }
    out_ << o.str() << '\n';
}
