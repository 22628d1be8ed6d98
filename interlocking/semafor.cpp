#include "interlocking/semafor.h"

#include "core/format.h"
#include "interlocking/przyciski.h"
#include "simulation/pociag.h"
#include "simulation/postoj.h"
#include "simulation/sklad.h"
#include "station/stacja.h"
#include "station/wlot.h"
#include "station/zapowiedz.h"
#include "station/tor.h"

TSemafor::TSemafor(TStacja& stacja) : TPunkt(stacja)
{
    Width = 14;
    Height = 13;
}

void TSemafor::SetStatus(tSemStatus v)
{
    if (v == status_)
        return;
    status_ = v;
    if (v == bialy) {
        odliczanie_ = OdliczanieSz;
        zegar_ = Stacja().Zegary().Uruchom(OkresMigania, [this] { BlinkTick(); });
    } else {
        zegar_.reset();
    }
    RepaintButtons();
    Repaint();
}

void TSemafor::SetRodzaj(tSemRodzaj r)
{
    rodzaj_ = r;
    RepaintButtons();
    Repaint();
}

void TSemafor::SetTyp(tSemType t)
{
    typ_ = t;
    Repaint();
}

void TSemafor::BlinkTick()
{
    if (zegar_ == nullptr)
        return;
    --odliczanie_;
    Repaint();
    if (odliczanie_ < 0)
        SetStatus(czerwony);
}

void TSemafor::OperateSignal(TKomponent* sender)
{
    switch (Stan()) {
    case nieaktywny:
        OfferSz("Próba ustawienia semafora na torze wyłączonym.", sender);
        break;
    case wolny:
        if (status_ == zielony)
            Error("Próba ustawienia semafora bez drogi.");
        else if (status_ == czerwony)
            OfferSz("Nie utwierdzono drogi.", sender);
        else
            SetStatus(czerwony);
        break;
    case utwierdzony:
        if (status_ == czerwony)
            GiveS2(sender);
        else
            SetStatus(czerwony);
        break;
    case zajety:
        if (status_ == zielony)
            Error("Próba przestawienia semafora na zajętym torze.");
        else if (status_ == czerwony)
            OfferSz("Tor jest zajęty.", sender);
        else
            SetStatus(czerwony);
        break;
    }
    PlaySound();
    if (OnModified)
        OnModified(sender);
}

namespace {

// A declined offer from the conflict check ends the clearing quietly.
struct TOdmowaSz {};

}  // namespace

void TSemafor::GiveS2(TKomponent* sender)
{
    try {
        CheckS2Conflicts(stLewy, sender);
        CheckS2Conflicts(stPrawy, sender);
        SetStatus(zielony);
        RuszPociagPodSemaforem();
    } catch (const TOdmowaSz&) {
        return;
    } catch (const std::exception& e) {
        Error(Formatuj("Nie można podać sygnału S2 na semaforze %s.\r\n", Name.c_str()) + e.what());
    }
}

void TSemafor::CheckS2Conflicts(int kierunek, TKomponent* sender)
{
    const bool zPrzycisku = dynamic_cast<TPunktButton*>(sender) != nullptr;
    const TPunkt* p = this;
    for (std::size_t krok = 0; krok <= Stacja().Komponenty().size(); ++krok) {
        p = p->Neighbour(kierunek);
        if (const auto* w = dynamic_cast<const TWlot*>(p); w != nullptr && zPrzycisku && w->Typ() == typ_ &&
                                                            w->Zapowiedz != nullptr && w->Zapowiedz->Pociag() != nullptr) {
            OfferSz(Formatuj("Nie można podać sygnału S2 na semaforze wyjazdowym, gdy z przeciwnego kierunku po tym "
                             "samym torze zmierza pociąg %s.",
                             OpisPociagu(*w->Zapowiedz->Pociag()).c_str()),
                    sender);
            throw TOdmowaSz{};
        }
        if (const auto* s = dynamic_cast<const TSemafor*>(p); s != nullptr && s->Typ() != typ_ && s->Status() != czerwony) {
            OfferSz(Formatuj("Nie można podać sygnału S2 na semaforze, gdy dozwolona jest droga po tym samym odstępie w "
                             "kierunku przeciwnym na semaforze %s.",
                             s->Name.c_str()),
                    sender);
            throw TOdmowaSz{};
        }
        if (p == nullptr || p->Stan() != utwierdzony)
            return;
    }
}

void TSemafor::OfferSz(const std::string& powod, TKomponent* sender)
{
    if (dynamic_cast<TSemafor*>(sender) != nullptr)
        Error("NIe można podać sygnału na semaforze.\r\n" + powod + "\r\nAby podać " +
              "sygnał zastępczy Sz, naciśnij przycisk sterowania semaforem.");
    const tOdpowiedz o = Stacja().Komunikaty().Pytanie(
        "Czy ustawić sygnał zastępczy Sz?\r\n\r\nPodanie Sz jest możliwe tylko w wyjątkowych wypadkach i każde "
        "takie zdarzenie jest rejestrowane w dzienniku.",
        tPrzyciski::takAnuluj, tRodzajPytania::ostrzezenie);
    if (o != tOdpowiedz::tak)
        return;
    SetStatus(bialy);
    Error("Podano sygnał zastępczy.");
}

void TSemafor::RuszPociagPodSemaforem()
{
    // The train waits on the approach side, at most two points away.
    const int strona = typ_ == stLewy ? stPrawy : stLewy;
    TPunkt* p = Neighbour(strona);
    if (p != nullptr && p->Pociag() == nullptr)
        p = p->Neighbour(strona);
    if (p == nullptr || p->Pociag() == nullptr)
        return;
    TPociag& t = *p->Pociag();
    if (t.StanJazdy == tStanJazdy::zatrzymany && t.Kierunek == typ_ && !MiejscePostoju(t, p))
        UstawStanJazdy(t, tStanJazdy::jazda);
}

void TSemafor::Click()
{
    OperateSignal(this);
    TPunkt::Click();
}

TPunktXY TSemafor::ConnectionPoint(const TTor* tor) const
{
    const int y = typ_ == stLewy ? Height - 2 : 1;
    if (tor != nullptr && tor == LewyTor)
        return NaDiagramie({0, y});
    if (tor != nullptr && tor == PrawyTor)
        return NaDiagramie({Width - 1, y});
    return {-1, -1};
}

void TSemafor::Paint(TPlotno& p)
{
    Width = 14;
    Height = 15;
    p.Pioro(Kolor());
    p.Pedzel(Kolor());
    p.Prostokat(ClientRect());
    p.Pioro(kolory::Czarny, 1);
    TKolor lampa = kolory::Czerwony;
    if (status_ == zielony)
        lampa = kolory::Limonkowy;
    else if (status_ == bialy)
        lampa = zegar_ == nullptr ? kolory::Szary : (odliczanie_ % 2 == 0 ? kolory::Bialy : kolory::Srebrny);
    p.Pedzel(lampa);
    if (typ_ == stLewy) {
        p.Linia({{13, 0}, {13, 8}, {13, 4}, {8, 4}});
        p.ZaokraglonyProstokat({0, 0, 9, 9}, 7);
    } else {
        p.Linia({{0, 4}, {0, 12}, {0, 8}, {5, 8}});
        p.ZaokraglonyProstokat({4, 5, 13, 14}, 7);
    }
    const int y = typ_ == stLewy ? Height - 2 : 1;
    DrawTrackLine(p, KolorStanu(), Stan(), {0, y}, {Width, y});
    p.Pedzel(Kolor());
    DrawCaption(p);
}

bool TSemafor::UstawWlasciwosc(const std::string& nazwa, const std::string& wartosc)
{
    if (nazwa == "Status") {
        static const std::pair<const char*, tSemStatus> nazwy[] = {
            {"zielony", zielony}, {"czerwony", czerwony}, {"bialy", bialy}};
        for (const auto& [n, s] : nazwy)
            if (wartosc == n) {
                SetStatus(s);
                return true;
            }
        return false;
    }
    if (nazwa == "Rodzaj") {
        if (wartosc == "Swietlny" || wartosc == "Ksztaltowy") {
            SetRodzaj(wartosc == "Swietlny" ? Swietlny : Ksztaltowy);
            return true;
        }
        return false;
    }
    if (nazwa == "Typ")
        return UstawWartosc<tSemType>(wartosc, CzytajSemType, [this](tSemType t) { SetTyp(t); });
    return TPunkt::UstawWlasciwosc(nazwa, wartosc);
}
