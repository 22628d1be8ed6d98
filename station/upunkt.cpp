// The element and point base: faults, sound, labels, state and the train a point holds.

#include "station/upunkt.h"

#include "core/format.h"
#include "core/wkt_files.h"
#include "station/przycisk_elementu.h"
#include "station/semafor.h"
#include "station/stacja.h"
#include "station/tor.h"
#include "station/typy_torow.h"
#include "station/wlot.h"
#include "station/zapowiedz.h"
#include "station/zwrotnica.h"
#include "trains/pociag.h"
#include "trains/sklad.h"

namespace {

std::string WiadomoscBledu(TElement* element, const std::string& tekst)
{
    return element == nullptr ? tekst : tekst + "\r\n" + element->Name;
}

}  // namespace

TElemExc::TElemExc(TElement* element, const std::string& tekst, std::int32_t punkty)
    : std::runtime_error(WiadomoscBledu(element, tekst)), Element(element), Punkty(punkty)
{
}

TElement::TElement(TStacja& stacja) : TKomponent(stacja) {}

void TElement::RepaintButtons()
{
    for (TPrzyciskElementu* p : Stacja().Przyciski())
        if (p->ElementPrzycisku() == this)
            p->OdswiezPrzycisk();
}

void TElement::Error(const std::string& tekst) { ZglosBlad(*this, this, tekst); }

void TElement::SetUsterka(const std::string& opis)
{
    if (Usterka == opis)
        return;
    Stacja().ZmienUsterki((opis.empty() ? 0 : 1) - (Usterka.empty() ? 0 : 1));
    Usterka = opis;
    Repaint();
    RepaintButtons();
}

void TElement::OdmowaUsterki(const std::string& tekst)
{
    TElemExc e(this, tekst + "\r\n" + Usterka, 0);
    e.UsterkaUrzadzenia = true;
    throw e;
}

void TElement::PlaySound()
{
    const std::string plik = PlikDzwieku();
    if (!Stacja().OdtwarzajDzwieki || plik.empty())
        return;
    const std::string sciezka = ProgramDir() + plik;
    if (PlikIstnieje(sciezka))
        Stacja().Dzwieki().Odtworz(sciezka);
}

void TElement::Click()
{
    if (OnClick)
        OnClick();
}

void TElement::DblClick()
{
    if (OnDblClick)
        OnDblClick();
}

bool TElement::UstawWlasciwosc(const std::string& nazwa, const std::string& wartosc)
{
    if (nazwa == "CustomOffsetX")
        return CzytajLiczbe(wartosc, CustomOffsetX);
    if (nazwa == "CustomOffsetY")
        return CzytajLiczbe(wartosc, CustomOffsetY);
    return TKomponent::UstawWlasciwosc(nazwa, wartosc);
}

void TElement::Usuwany(TKomponent* k)
{
    if (Przycisk != nullptr && dynamic_cast<TKomponent*>(Przycisk) == k)
        Przycisk = nullptr;
}

TCzcionka CzcionkaEtykiety()
{
    TCzcionka c;
    c.Nazwa = "Tahoma";
    c.Rozmiar = 7;
    c.Kolor = kolory::Czarny;
    return c;
}

void TElement::DrawCaption(TPlotno& p)
{
    const std::string tekst = TekstPunktu();
    if (!tekst.empty()) {
        p.Odwracanie(true);
        p.Tekst(ClientRect(), tekst, Font, tfSrodek | tfJednaLinia | tfWielokropek | tfBezObciecia);
        p.Odwracanie(false);
    }
    // The name label goes on the parent's surface, outside the element.
    p.Zapisz();
    p.BezObciecia();
    p.Tekst(ProstokatEtykiety(), Name, CzcionkaEtykiety(), tfJednaLinia | tfBezObciecia);
    p.Przywroc();
}

TProstokat TElement::ProstokatEtykiety() const
{
    const TPunktXY przesuniecie = (CustomOffsetX != 0 || CustomOffsetY != 0)
                                      ? TPunktXY{CustomOffsetX, CustomOffsetY}
                                      : DomyslnePrzesuniecieEtykiety();
    return {przesuniecie.x, przesuniecie.y, przesuniecie.x + Width, przesuniecie.y + Height};
}

TPunkt::TPunkt(TStacja& stacja) : TElement(stacja)
{
    KoloryStanow = {{kolory::Granatowy, kolory::Szary, kolory::Zielony, kolory::Czerwony}};
}

void TPunkt::SetStan(tStan wartosc)
{
    if (wartosc == stan_)
        return;
    stan_ = wartosc;
    Repaint();
    RepaintButtons();
    if (Przycisk != nullptr) {
        try {
            Przycisk->PokazStan(stan_, KolorStanu());
            Przycisk->OdswiezPrzycisk();
        } catch (...) {
        }
    }
    PoZmianieStanu();
    if (Przycisk != nullptr) {
        try {
            Przycisk->OdswiezPrzycisk();
        } catch (...) {
        }
    }
}

void TPunkt::SetPojemnosc(std::int32_t wartosc)
{
    pojemnosc_ = wartosc;
    Repaint();
}

void TPunkt::SetPociag(TPociag* wartosc)
{
    if (wartosc == nullptr) {
        SetStan(tStan::wolny);
    } else if (pociag_ == nullptr) {
        SetStan(tStan::zajety);
        if (!elementy_.empty()) {
            // Vehicles standing here join the arriving train, uncoupled.
            wartosc->SetDoRozdzielenia(true);
            wartosc->SetSklad(wartosc->Kierunek == stLewy ? elementy_ + " " + wartosc->Sklad()
                                                         : wartosc->Sklad() + " " + elementy_);
        }
    }
    if ((pociag_ == nullptr) != (wartosc == nullptr) && LiczySieDoStacji())
        Stacja().ZmienPociagiNaStacji(wartosc != nullptr ? 1 : -1);
    pociag_ = wartosc;
    SetElementy(wartosc != nullptr ? EtykietaPunktu(*wartosc) : std::string());
    if (wartosc != nullptr && !wartosc->Manewrowy() && Jest(rpWlot))
        PlaySound();
    Repaint();
    RepaintButtons();
}

void TPunkt::PrzywrocStan(tStan stan, TPociag* pociag, const std::string& elementy)
{
    if ((pociag_ == nullptr) != (pociag == nullptr) && LiczySieDoStacji())
        Stacja().ZmienPociagiNaStacji(pociag != nullptr ? 1 : -1);
    stan_ = stan;
    pociag_ = pociag;
    elementy_ = elementy;
    Repaint();
}

void TPunkt::SetElementy(const std::string& wartosc)
{
    if (wartosc == elementy_)
        return;
    elementy_ = wartosc;
    RepaintButtons();
    Repaint();
}

TPunktXY TPunkt::ConnectionPoint(const TTor* tor) const
{
    if (tor != nullptr && tor == LewyTor)
        return NaDiagramie({0, Height / 2});
    if (tor != nullptr && tor == PrawyTor)
        return NaDiagramie({Width, Height / 2});
    return {-1, -1};
}

TPunkt* TPunkt::Neighbour(int strona) const
{
    if (strona == stLewy)
        return LewyTor;
    if (strona == stPrawy)
        return PrawyTor;
    return nullptr;
}

void TPunkt::DblClick()
{
    TElement::DblClick();
    const std::string glowa = Formatuj("%s • %s", Name.c_str(), Hint.c_str());
    TKomunikaty& komunikaty = Stacja().Komunikaty();
    if (pociag_ == nullptr) {
        komunikaty.Komunikat(glowa + "\r\nW tym punkcie nie ma żadnego pociągu.");
        return;
    }
    std::string tekst = glowa + "\r\n" + OpisPociagu(*pociag_);
    if (pociag_->StanJazdy == tStanJazdy::jazda || Jest(rpZapowiedz)) {
        komunikaty.Komunikat(tekst);
        return;
    }
    tekst += pociag_->Manewrowy() ? "\r\nDać sygnał do jazdy manewrowej?" : "\r\nDać sygnał do odjazdu?";
    if (komunikaty.Pytanie(tekst, tPrzyciski::takAnuluj, tRodzajPytania::potwierdzenie) == tOdpowiedz::tak)
        UstawStanJazdy(*pociag_, tStanJazdy::jazda);
}

bool TPunkt::PokazujePociagSam() const { return MiejscePostoju(this) || Jest(rpZapowiedz); }

std::string TPunkt::TekstPunktu() const { return PokazujePociagSam() ? elementy_ : std::string(); }

TCzcionka CzcionkaEtykietyPociagu()
{
    TCzcionka c = CzcionkaEtykiety();
    c.Kolor = kolory::Bordowy;
    return c;
}

std::vector<TMiejsceEtykiety> TPunkt::MiejscaEtykietyPociagu(int szerokosc) const
{
    constexpr unsigned Flagi = tfSrodek | tfJednaLinia | tfBezObciecia;
    constexpr int Wysokosc = WysokoscEtykietyPociagu;
    const int lewa = Width / 2 - szerokosc / 2;
    return {{{lewa, -Wysokosc - 1, lewa + szerokosc, -1}, Flagi},
            {{lewa, Height + 1, lewa + szerokosc, Height + 1 + Wysokosc}, Flagi}};
}

void TPunkt::RysujEtykietePociagu(TPlotno& p, const TMiejsceEtykiety& miejsce) const
{
    p.Tekst(miejsce.Prostokat, elementy_, CzcionkaEtykietyPociagu(), miejsce.Flagi);
}

std::string TekstDymka(const TElement& element)
{
    if (const auto* punkt = dynamic_cast<const TPunkt*>(&element); punkt != nullptr && punkt->Pociag() != nullptr)
        return OpisPociagu(*punkt->Pociag());
    return element.ShowHint ? element.Hint : std::string();
}

void TPunkt::Paint(TPlotno& p)
{
    p.Pioro(KolorStanu());
    p.Pedzel(KolorStanu());
    p.Prostokat(ClientRect());
    DrawCaption(p);
}

bool TPunkt::UstawWlasciwosc(const std::string& nazwa, const std::string& wartosc)
{
    if (nazwa == "Pojemnosc")
        return UstawWartosc<int>(wartosc, CzytajLiczbe, [this](int v) { SetPojemnosc(v); });
    if (nazwa == "DisablePopupMenu")
        return CzytajLogiczna(wartosc, DisablePopupMenu);
    if (nazwa == "Elementy") {
        SetElementy(wartosc);
        return true;
    }
    if (nazwa == "Stan")
        return UstawWartosc<tStan>(wartosc, CzytajWartosc<tStan>, [this](tStan s) { SetStan(s); });
    return TElement::UstawWlasciwosc(nazwa, wartosc);
}

void TPunkt::Usuwany(TKomponent* k)
{
    TElement::Usuwany(k);
    if (LewyTor != nullptr && static_cast<TKomponent*>(LewyTor) == k)
        LewyTor = nullptr;
    if (PrawyTor != nullptr && static_cast<TKomponent*>(PrawyTor) == k)
        PrawyTor = nullptr;
}

bool MiejscePostoju(const TPunkt* punkt)
{
    return punkt != nullptr && !punkt->Jest(rpTor | rpZwrotnica | rpSemafor | rpZapowiedz);
}

void DrawTrackLine(TPlotno& p, TKolor kolor, tStan stan, TPunktXY a, TPunktXY b)
{
    p.Pioro(kolor, 1);
    if (stan == tStan::nieaktywny) {
        p.Linia({a, b});
        return;
    }
    p.Linia({{a.x, a.y - 1}, {b.x, b.y - 1}});
    p.Linia({{a.x, a.y + 1}, {b.x, b.y + 1}});
    if (stan == tStan::utwierdzony || stan == tStan::zajety) {
        p.Pioro(kolor, 2);
        p.Linia({{a.x + 1, a.y}, {b.x - 1, b.y}});
    }
}
