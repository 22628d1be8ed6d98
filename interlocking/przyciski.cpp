// What the control page's buttons do when pressed, and how they draw their state.

#include "interlocking/przyciski.h"

#include "core/format.h"
#include "interlocking/droga.h"
#include "station/przejazd.h"
#include "station/rogatka.h"
#include "station/semafor.h"
#include "station/stacja.h"
#include "station/typy_torow.h"
#include "station/zwrotnica.h"
#include "trains/czas.h"
#include "trains/pociag.h"

namespace {

TCzcionka Czcionka7(TKolor kolor = kolory::Czarny)
{
    TCzcionka c;
    c.Nazwa = "Tahoma";
    c.Rozmiar = 7;
    c.Kolor = kolor;
    return c;
}

constexpr int WysokoscLicznika = 9;
constexpr int Wskaznik = 8;  // the lamp or switch square, in pixels

}  // namespace

TPunktButton::TPunktButton(TStacja& stacja) : TWktColorButton(stacja) {}

void TPunktButton::SetElement(TElement* element)
{
    if (element_ != nullptr && element_->Przycisk == this)
        element_->Przycisk = nullptr;
    element_ = element;
    if (element_ != nullptr) {
        element_->Przycisk = this;
        if (!WlasnyNapis())
            Caption = element_->Name;
        if (dynamic_cast<TZwrotnica*>(element_) != nullptr) {
            Color = {209, 237, 227};
            ParentColor = false;
        } else if (dynamic_cast<TRogatka*>(element_) != nullptr || dynamic_cast<TPrzejazd*>(element_) != nullptr) {
            Color = {242, 252, 228};
            ParentColor = false;
        }
    }
    Repaint();
}

void TPunktButton::PokazStan(tStan stan, TKolor kolor)
{
    BorderColor = kolor;
    ActiveBorderColor = kolor;
    SetStan(stan);
}

void TPunktButton::Click()
{
    if (element_ == nullptr)
        return;
    if (auto* s = dynamic_cast<TSemafor*>(element_))
        s->OperateSignal(tZrodloPolecenia::przycisk, this);
    else if (dynamic_cast<TRogatka*>(element_) != nullptr || dynamic_cast<TPrzejazd*>(element_) != nullptr)
        element_->Click();
    else if (stan_ == tStan::utwierdzony || stan_ == tStan::zajety)
        element_->Error("Próba przestawienia stanu punktu.");
    else if (auto* z = dynamic_cast<TZwrotnica*>(element_))
        z->FlipStatus(this);
    ZwyklyKlik();
}

void TPunktButton::RysujLicznik(TPlotno& p, int szerokosc)
{
    p.BezPiora();
    p.Pedzel(Stacja().KolorOkna);
    p.WypelnijProstokat({0, 0, szerokosc, WysokoscLicznika});
    const std::int32_t n = Licznik();
    p.Tekst({0, -1, szerokosc, WysokoscLicznika}, Formatuj("%.03d", n), Czcionka7(n != 0 ? kolory::Czerwony : kolory::Bialy),
            tfJednaLinia | tfBezObciecia);
}

void TPunktButton::RysujWskaznik(TPlotno& p, const TProstokat& obszar)
{
    const int d = Wcisniety() ? 1 : 0;
    const TProstokat kwadrat{Width - 1 - Wskaznik + d, Height - 1 - Wskaznik + d, Width - 1 + d, Height - 1 + d};
    if (auto* s = dynamic_cast<TSemafor*>(element_)) {
        p.Pioro(kolory::Czarny);
        p.Pedzel(s->Status() == tSemStatus::zielony    ? kolory::Limonkowy
                 : s->Status() == tSemStatus::czerwony ? kolory::Czerwony
                                                       : kolory::Bialy);
        p.ZaokraglonyProstokat(kwadrat, 8);
    } else if (auto* pr = dynamic_cast<TPrzejazd*>(element_)) {
        p.Pioro(kolory::Czarny);
        p.Pedzel(pr->Migajacy() ? kolory::Czerwony : kolory::Szary);
        p.ZaokraglonyProstokat({kwadrat.Left, kwadrat.Top - 10, kwadrat.Right, kwadrat.Bottom - 10}, 8);
        p.ZaokraglonyProstokat(kwadrat, 8);
    } else if (dynamic_cast<TRogatka*>(element_) != nullptr) {
        const TProstokat ramie{obszar.Left + 1 + d, obszar.Top + d, obszar.Right - 1 + d, obszar.Bottom + d};
        p.BezPiora();
        p.Pedzel(kolory::Czerwony);
        p.WypelnijProstokat(ramie);
        p.Pedzel(kolory::Bialy);
        p.Zapisz();
        p.Obetnij(ramie);
        for (int wiersz = 0; ramie.Top + 4 * wiersz < ramie.Bottom; ++wiersz)
            for (int kolumna = 0; ramie.Left + 4 * kolumna < ramie.Right; ++kolumna)
                if (wiersz % 2 != 0 || kolumna % 2 != 0)
                    p.WypelnijProstokat({ramie.Left + 4 * kolumna, ramie.Top + 4 * wiersz, ramie.Left + 4 * kolumna + 4,
                                         ramie.Top + 4 * wiersz + 4});
        p.Przywroc();
    } else if (auto* z = dynamic_cast<TZwrotnica*>(element_)) {
        p.BezPiora();
        p.Pedzel(kolory::Czarny);
        p.WypelnijProstokat(kwadrat);
        const bool jedenNaDwa = z->Typ() == tZwrTyp::JedenNaDwa;
        const tUkladRysowania uklad = jedenNaDwa ? z->LewyUkladRysowania() : z->PrawyUkladRysowania();
        const bool prosto = (uklad == urDol && z->Status() == tZwrStatus::dol) ||
                            (uklad == urGora && z->Status() == tZwrStatus::gora);
        const int l = kwadrat.Left, t = kwadrat.Top, r = kwadrat.Right, b = kwadrat.Bottom, m = (t + b) / 2;
        p.Pioro(kolory::Bialy, 2);
        if (prosto)
            p.Linia({{l, m}, {r, m}});
        else if ((jedenNaDwa && z->Status() == tZwrStatus::dol) || (!jedenNaDwa && z->Status() == tZwrStatus::gora))
            p.Linia({{l, t}, {r, b}});
        else
            p.Linia({{l, b}, {r, t}});
    }
}

void TPunktButton::Paint(TPlotno& p)
{
    RysujLicznik(p, Width);
    int prawo = 5, dol = 0;
    TProstokat wskaznik{Width - 5, WysokoscLicznika, Width, Height};
    if (auto* r = dynamic_cast<TRogatka*>(element_)) {
        if (r->Podniesione()) {
            prawo = 3;
            wskaznik = {Width - 3, WysokoscLicznika, Width, Height};
        } else {
            prawo = 0;
            dol = 3;
            wskaznik = {0, Height - 3, Width, Height};
        }
    }
    RysujTwarz(p, {0, WysokoscLicznika, Width, Height}, prawo, dol, Czcionka7());
    RysujWskaznik(p, wskaznik);
}

bool TPunktButton::UstawWlasciwosc(const std::string& nazwa, const std::string& wartosc)
{
    if (nazwa == "Stan")
        return UstawWartosc<tStan>(wartosc, CzytajWartosc<tStan>, [this](tStan s) { SetStan(s); });
    return TWktColorButton::UstawWlasciwosc(nazwa, wartosc);
}

bool TPunktButton::UstawReferencje(const std::string& nazwa, TKomponent* cel)
{
    if (nazwa == "Element") {
        auto* e = dynamic_cast<TElement*>(cel);
        if (cel != nullptr && e == nullptr)
            return false;
        SetElement(e);
        return true;
    }
    return TWktColorButton::UstawReferencje(nazwa, cel);
}

void TPunktButton::Usuwany(TKomponent* k)
{
    if (element_ != nullptr && static_cast<TKomponent*>(element_) == k)
        element_ = nullptr;
}

void TZatwierdzButton::SetLewyPunkt(TPunkt* p)
{
    lewy_ = p;
    UstawNapis();
}

void TZatwierdzButton::SetPrawyPunkt(TPunkt* p)
{
    prawy_ = p;
    UstawNapis();
}

void TZatwierdzButton::UstawNapis()
{
    if (lewy_ != nullptr && prawy_ != nullptr)
        Caption = lewy_->Name + " - " + prawy_->Name;
    Repaint();
}

void TZatwierdzButton::Click()
{
    if (lewy_ == nullptr || prawy_ == nullptr)
        return;
    const tRouteCheck stan = WalkRoute(lewy_, rmCheck, stPrawy, prawy_);
    if (stan == rcLocked) {
        const tOdpowiedz o = Stacja().Komunikaty().Pytanie(
            "Czy jesteś pewien, że chcesz zerwać utwierdzoną drogę przebiegu?", tPrzyciski::takNie,
            tRodzajPytania::ostrzezenie);
        if (o == tOdpowiedz::tak) {
            WalkRoute(lewy_, rmRelease, stPrawy, prawy_);
            lewy_->Error("Zerwano ustawioną drogę przebiegu!");
        }
    } else {
        WalkRoute(lewy_, rmLock, stPrawy, prawy_);
    }
    ZwyklyKlik();
}

bool TZatwierdzButton::UstawReferencje(const std::string& nazwa, TKomponent* cel)
{
    if (nazwa == "LewyPunkt" || nazwa == "PrawyPunkt") {
        auto* p = dynamic_cast<TPunkt*>(cel);
        if (cel != nullptr && p == nullptr)
            return false;
        nazwa == "LewyPunkt" ? SetLewyPunkt(p) : SetPrawyPunkt(p);
        return true;
    }
    return TWktColorButton::UstawReferencje(nazwa, cel);
}

void TZatwierdzButton::Usuwany(TKomponent* k)
{
    if (lewy_ != nullptr && static_cast<TKomponent*>(lewy_) == k)
        lewy_ = nullptr;
    if (prawy_ != nullptr && static_cast<TKomponent*>(prawy_) == k)
        prawy_ = nullptr;
}

TSpecialPunktButton::TSpecialPunktButton(TStacja& stacja) : TPunktButton(stacja) { Caption = "zwolnij utwierdzenie"; }

void TSpecialPunktButton::SetTYp(TTypSpecial typ)
{
    typ_ = typ;
    Caption = typ == tsZerwijUtwierdzenie ? "zwolnij utwierdzenie" : "i";
    Repaint();
}

void TSpecialPunktButton::Error(const std::string& tekst) { ZglosBlad(*this, nullptr, tekst); }

std::string TSpecialPunktButton::Informacja() const
{
    std::string tekst = Hint;
    const auto* punkt = dynamic_cast<const TPunkt*>(Element());
    if (punkt == nullptr)
        return tekst;
    if (const TPociag* t = punkt->Pociag()) {
        tekst += Formatuj("przyjazd %s, odjazd %s\r\nskład: %s\r\n%s %s-%s", GodzinaMinuty(t->Przyjazd()).c_str(),
                          GodzinaMinuty(t->Odjazd()).c_str(), EtykietaPunktu(*t).c_str(), t->Numer().c_str(),
                          t->RelacjaOd().c_str(), t->RelacjaDo().c_str());
    } else {
        tekst += "\r\n" + punkt->Elementy();
    }
    return tekst;
}

void TSpecialPunktButton::Click()
{
    if (typ_ == tsWiecejInformacji) {
        Stacja().Komunikaty().Komunikat(Informacja());
        ZwyklyKlik();
        return;
    }
    if (!PotwierdzWyjatkowe(Stacja().Komunikaty(), "Czy zerwać wszystkie ustawione i zatwierdzone drogi?",
                            "Zerwanie"))
        return;
    for (const auto& k : Stacja().Komponenty()) {
        auto* punkt = dynamic_cast<TPunkt*>(k.get());
        if (punkt == nullptr)
            continue;
        if (punkt->Stan() == tStan::utwierdzony)
            punkt->SetStan(tStan::wolny);
        if (auto* s = dynamic_cast<TSemafor*>(punkt))
            s->SetStatus(tSemStatus::czerwony);
    }
    Error("Zerwano zatwierdzenie drogi.");
}

void TSpecialPunktButton::Paint(TPlotno& p)
{
    if (typ_ != tsWiecejInformacji) {
        TPunktButton::Paint(p);
        return;
    }
    // A two-line panel: the point button's strip and face squeezed into the right 8 pixels.
    constexpr int pasek = 8;
    p.Zapisz();
    p.Przesun(Width - pasek, 0);
    p.Obetnij({0, 0, pasek, Height});
    RysujLicznik(p, pasek);
    RysujTwarz(p, {0, 9, pasek, Height}, 0, 0, Czcionka7());
    p.Przywroc();
    p.BezPiora();
    p.Pedzel(Stacja().KolorOkna);
    p.WypelnijProstokat({0, -1, Width, 11});
    const auto* punkt = dynamic_cast<const TPunkt*>(Element());
    if (punkt != nullptr)
        p.Tekst({1, -1, Width - pasek, 11}, Formatuj("%s • %s", punkt->Name.c_str(), punkt->Hint.c_str()), Czcionka7(),
                tfJednaLinia | tfWielokropek);
    p.Pedzel(Color);
    p.WypelnijProstokat({0, 11, Width - pasek, Height});
    if (punkt != nullptr && punkt->Pociag() != nullptr)
        p.Tekst({1, 12, Width - pasek, Height}, OpisPociagu(*punkt->Pociag()), Czcionka7(), tfJednaLinia | tfWielokropek);
}

bool TSpecialPunktButton::UstawWlasciwosc(const std::string& nazwa, const std::string& wartosc)
{
    if (nazwa == "TYp")
        return UstawWartosc<TTypSpecial>(wartosc, CzytajWartosc<TTypSpecial>, [this](TTypSpecial t) { SetTYp(t); });
    if (nazwa == "Panel") {
        Panel = wartosc;
        return true;
    }
    return TPunktButton::UstawWlasciwosc(nazwa, wartosc);
}
