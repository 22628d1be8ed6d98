// The player's acts entering the station run, and the record they are written into.

#include "run/symulacja_stacji.h"

#include "core/wkt_stream.h"
#include "interlocking/wktcolorbutton.h"
#include "simulation/menu_pociagu.h"
#include "station/upunkt.h"
#include "trains/czas.h"
#include "trains/rozklad.h"

#include <algorithm>
#include <charconv>
#include <span>
#include <stdexcept>

namespace {

// An act that cannot be done: the reason goes back to whoever asked.
struct TOdmowa : std::runtime_error {
    using std::runtime_error::runtime_error;
};

bool Wlaczone(const std::string& slowo, const std::string& komenda)
{
    if (slowo != "on" && slowo != "off")
        throw TOdmowa(komenda + " must be on or off");
    return slowo == "on";
}

TElement& ElementDiagramu(TStacja& stacja, const std::string& nazwa)
{
    auto* e = dynamic_cast<TElement*>(stacja.Znajdz(nazwa));
    if (e == nullptr || e->Kontener != TKomponent::Diagram)
        throw TOdmowa("unknown element " + nazwa);
    return *e;
}

// The action of the item the names choose, level by level.
std::function<void()> WybranaAkcja(const std::vector<TPozycjaMenu>& pozycje, std::span<const std::string> wybor)
{
    const TPozycjaMenu* wybrana = nullptr;
    const std::vector<TPozycjaMenu>* poziom = &pozycje;
    for (const std::string& nazwa : wybor) {
        wybrana = ZnajdzPozycje(*poziom, nazwa);
        if (wybrana == nullptr)
            throw TOdmowa("no menu item " + nazwa);
        poziom = &wybrana->Submenu;
    }
    if (!wybrana->Enabled || wybrana->Separator())
        throw TOdmowa("menu item " + wybrana->Caption + " cannot be chosen");
    if (wybrana->Podmenu)
        throw TOdmowa("menu item " + wybrana->Caption + " opens a submenu");
    if (!wybrana->Akcja)
        throw TOdmowa("menu item " + wybrana->Caption + " has no submenu and does nothing");
    // Copied out before it runs, as running it may change the menu's items.
    return wybrana->Akcja;
}

}  // namespace

std::string TSymulacjaStacji::Akt(const std::vector<std::string>& slowa)
{
    // The game played back is not the player's until taken over.
    if (odtwarzany_ != nullptr)
        return "the game is being played back";
    std::string powod = AktGracza(slowa);
    PoZdarzeniu();
    if (PoAkcie)
        PoAkcie(slowa);
    return powod;
}

std::string TSymulacjaStacji::AktGracza(const std::vector<std::string>& slowa)
{
    if (slowa.empty())
        return "no act";
    // An act while another one waits for an answer (a box of the window) is not taken.
    if (zapis_.WAkcie)
        return "another act is under way";
    if (!zapis_.Odtwarzanie()) {
        ZapiszStanOkna();
        zapis_.OdswiezZegar();
    }
    zapis_.WAkcie = true;
    std::string powod;
    try {
        powod = WykonajAkt(slowa);
    } catch (const TOdmowa& e) {
        powod = e.what();
    } catch (...) {
        zapis_.WAkcie = false;
        throw;
    }
    zapis_.WAkcie = false;
    if (powod.empty() && !zapis_.Odtwarzanie())
        ZapiszWejscie(slowa);
    return powod;
}

void TSymulacjaStacji::UstawUtrudnienia(int poziom, std::optional<std::uint64_t> ziarno)
{
    if (pokazane_ || zapis_.Odtwarzanie())
        return;
    silnik_.Utrudnienia.Poziom = std::clamp(poziom, TUtrudnienia::NajnizszyPoziom, TUtrudnienia::NajwyzszyPoziom);
    ziarnoGracza_ = ziarno;
}

void TSymulacjaStacji::UstawUtrudnieniaSilnika()
{
    // A seed drawn from the wall clock is brought into the range the player enters, so that the
    // seed shown can be entered again for the same day.
    silnik_.Utrudnienia = {gra_.Utrudnienia, gra_.Ziarno % (TUtrudnienia::NajwiekszeZiarno + 1)};
}

std::string TSymulacjaStacji::WykonajAkt(const std::vector<std::string>& s)
{
    const std::string& akt = s[0];
    const auto argumentow = [&](std::size_t min, std::size_t maks) {
        if (s.size() - 1 < min || s.size() - 1 > maks)
            throw TOdmowa("wrong number of arguments for " + akt);
    };
    if (akt == "start") {
        argumentow(0, 0);
        if (pokazane_)
            throw TOdmowa("already started");
        if (zapis_.Odtwarzanie()) {
            CzasSymulacji = gra_.Godzina;
        } else {
            // The day is made from the timetable as it is now: the game's record starts with it.
            if (rozklad_.Ile() == 0)
                rozklad_.WczytajRozklad();
            try {
                gra_.Rozklad = BajtyRozkladu();
                if (gra_.Rozklad.size() > TLimityZapisu::NajwiekszyRozklad)
                    bladRozkladu_ = "rozkład jazdy jest za duży na zapis gry";
            } catch (const std::exception& e) {
                bladRozkladu_ = e.what();
            }
            zapisanyRozklad_ = gra_.Rozklad;
            gra_.Godzina = CzasSymulacji;
            gra_.Ziarno = ziarnoGracza_ ? *ziarnoGracza_
                                        : static_cast<std::uint64_t>(Milisekundy(uslugi_.ZegarScienny.Teraz()));
            gra_.Utrudnienia = silnik_.Utrudnienia.Poziom;
        }
        UstawUtrudnieniaSilnika();
        uslugi_.Losowanie.Zasiej(gra_.Ziarno);
        Wykonaj([this] { Pokaz(); });
    } else if (akt == "time") {
        argumentow(1, 1);
        const auto czas = CzytajGodzine(s[1]);
        if (!czas)
            throw TOdmowa("bad time " + s[1]);
        CzasSymulacji = *czas;
    } else if (akt == "clock") {
        argumentow(1, 1);
        if (s[1] == "click")
            KliknijZegar();
        else if (s[1] == "dblclick")
            DwuklikZegara();
        else
            throw TOdmowa("clock must be click or dblclick");
    } else if (akt == "click") {
        argumentow(1, 1);
        TElement* e = &ElementDiagramu(stacja_, s[1]);
        Wykonaj([e] { e->Click(); });
    } else if (akt == "dblclick") {
        argumentow(1, 1);
        auto* punkt = dynamic_cast<TPunkt*>(&ElementDiagramu(stacja_, s[1]));
        if (punkt == nullptr)
            throw TOdmowa(s[1] + " is not a point");
        Wykonaj([punkt] { punkt->DblClick(); });
    } else if (akt == "press") {
        argumentow(1, 1);
        auto* b = dynamic_cast<TWktColorButton*>(stacja_.Znajdz(s[1]));
        if (b == nullptr)
            throw TOdmowa("unknown button " + s[1]);
        Wykonaj([b] {
            b->MouseEnter();
            b->MouseDown();
            b->MouseUp(true);
        });
        b->MouseLeave();
    } else if (akt == "menu" || akt == "commands") {
        argumentow(akt == "menu" ? 2 : 1, akt == "menu" ? 3 : 2);
        TMenuPociagu menu(stacja_, silnik_);
        std::function<void()> akcja;
        if (akt == "menu") {
            TElement& e = ElementDiagramu(stacja_, s[1]);
            if (!menu.Otworz(dynamic_cast<TPunkt*>(&e)))
                throw TOdmowa("no menu opens on " + s[1]);
            akcja = WybranaAkcja(menu.Pozycje(), std::span<const std::string>(s).subspan(2));
        } else {
            akcja = WybranaAkcja(menu.Polecenia(), std::span<const std::string>(s).subspan(1));
        }
        // The trains do not move under an open menu.
        const bool wstrzymany = Wstrzymany;
        Wstrzymany = true;
        Wykonaj(akcja);
        Wstrzymany = wstrzymany;
    } else if (akt == "stop") {
        argumentow(1, 1);
        Stop = Wlaczone(s[1], "stop");
    } else if (akt == "sound") {
        argumentow(1, 1);
        stacja_.OdtwarzajDzwieki = Wlaczone(s[1], "sound");
    } else if (akt == "auto") {
        argumentow(1, 2);
        const bool wlaczony = Wlaczone(s[1], "auto");
        if (!dyspozytor_.Wlacz(wlaczony, s.size() > 2 ? s[2] : std::string()))
            throw TOdmowa("unknown entry " + s[2]);
    } else if (akt == "labels") {
        argumentow(1, 1);
        stacja_.EtykietyPociagow = Wlaczone(s[1], "labels");
    } else if (akt == "speed") {
        argumentow(1, 1);
        int v = -1;
        const auto [koniec, blad] = std::from_chars(s[1].data(), s[1].data() + s[1].size(), v);
        if (blad != std::errc() || koniec != s[1].data() + s[1].size() || v < 0 || v > 100)
            throw TOdmowa("speed must be 1 to 100");
        UstawSzybkosc(v);
    } else if (akt == "window") {
        argumentow(1, 1);
        if (s[1] != "active" && s[1] != "inactive")
            throw TOdmowa("window must be active or inactive");
        OknoAktywne = s[1] == "active";
        zapisaneOknoAktywne_ = OknoAktywne;
    } else if (akt == "journal") {
        argumentow(1, 1);
        if (s[1] != "clear")
            throw TOdmowa("journal must be followed by clear");
        dziennik_.Wyczysc();
    } else {
        throw TOdmowa("unknown act " + akt);
    }
    return {};
}

void TSymulacjaStacji::ZapiszWejscie(std::vector<std::string> slowa)
{
    if (slowa[0] == "wait") {
        std::int64_t ms = 0;
        CzytajCalkowitaZapisu(slowa[1], ms);
        czekanieOdPunktu_ += ms;
    }
    TWejscieGry w;
    w.Takt = takty_;
    w.Slowa = std::move(slowa);
    gra_.Wejscia.push_back(std::move(w));
}

// Whether the window was active matters only to the ticks, which the record counts; it is written
// down as it stands at each act and at saving, so that a loaded game goes on in the same state.
void TSymulacjaStacji::ZapiszStanOkna()
{
    if (OknoAktywne == zapisaneOknoAktywne_)
        return;
    zapisaneOknoAktywne_ = OknoAktywne;
    ZapiszWejscie({"window", OknoAktywne ? "active" : "inactive"});
}

std::vector<std::uint8_t> TSymulacjaStacji::BajtyRozkladu() const
{
    tWktStream strumien;
    rozklad_.Rozklad.Store(strumien);
    return strumien.Bytes();
}

void TSymulacjaStacji::ZapiszZmianeRozkladu()
{
    if (zapis_.Odtwarzanie() || !pokazane_)
        return;
    try {
        std::vector<std::uint8_t> bajty = BajtyRozkladu();
        if (bajty == zapisanyRozklad_)
            return;
        if (bajty.size() > TLimityZapisu::NajwiekszyRozklad) {
            bladRozkladu_ = "rozkład jazdy jest za duży na zapis gry";
            return;
        }
        zapisanyRozklad_ = bajty;
        bajtyRozkladowOdPunktu_ += bajty.size();
        TWejscieGry w;
        w.Takt = takty_;
        w.Slowa = {"timetable"};
        w.Rozklad = std::move(bajty);
        gra_.Wejscia.push_back(std::move(w));
    } catch (const std::exception& e) {
        bladRozkladu_ = e.what();
    }
    PoZdarzeniu();
}
