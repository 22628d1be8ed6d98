// Clearing a signal: its checks, the substitute signal offer, and sending the train off.

#include "interlocking/sterowanie_semaforem.h"

#include "core/format.h"
#include "station/postoj.h"
#include "station/stacja.h"
#include "station/wlot.h"
#include "station/zapowiedz.h"
#include "trains/pociag.h"
#include "trains/sklad.h"

namespace {

// A declined offer from the conflict check ends the clearing quietly.
struct TOdmowaSz {};

}  // namespace

TObslugaSemaforow& ObslugaSemaforow()
{
    static TObslugaSemaforow obsluga;
    return obsluga;
}

void TObslugaSemaforow::OperateSignal(TSemafor& s, tZrodloPolecenia zrodlo, TKomponent* nadawca)
{
    switch (s.Stan()) {
    case tStan::nieaktywny:
        OfferSz(s, "Próba ustawienia semafora na torze wyłączonym.", zrodlo);
        break;
    case tStan::wolny:
        if (s.Status() == tSemStatus::zielony)
            s.Error("Próba ustawienia semafora bez drogi.");
        else if (s.Status() == tSemStatus::czerwony)
            OfferSz(s, "Nie utwierdzono drogi.", zrodlo);
        else
            s.SetStatus(tSemStatus::czerwony);
        break;
    case tStan::utwierdzony:
        if (s.Status() == tSemStatus::czerwony)
            GiveS2(s, zrodlo);
        else
            s.SetStatus(tSemStatus::czerwony);
        break;
    case tStan::zajety:
        if (s.Status() == tSemStatus::zielony)
            s.Error("Próba przestawienia semafora na zajętym torze.");
        else if (s.Status() == tSemStatus::czerwony)
            OfferSz(s, "Tor jest zajęty.", zrodlo);
        else
            s.SetStatus(tSemStatus::czerwony);
        break;
    }
    s.PlaySound();
    if (s.OnModified)
        s.OnModified(nadawca);
}

void TObslugaSemaforow::GiveS2(TSemafor& s, tZrodloPolecenia zrodlo)
{
    if (!s.Usterka.empty()) {
        // The device's own fault: the diagram says so at no cost, the button offers Sz.
        if (zrodlo == tZrodloPolecenia::diagram)
            s.OdmowaUsterki("Semafor nie podaje sygnału S2. Aby podać sygnał zastępczy Sz, naciśnij przycisk "
                            "sterowania semaforem.");
        OfferSz(s, "Usterka semafora: nie można podać sygnału S2.", zrodlo);
        return;
    }
    try {
        CheckS2Conflicts(s, stLewy, zrodlo);
        CheckS2Conflicts(s, stPrawy, zrodlo);
        s.SetStatus(tSemStatus::zielony);
        RuszPociagPodSemaforem(s);
    } catch (const TOdmowaSz&) {
        return;
    } catch (const std::exception& e) {
        s.Error(Formatuj("Nie można podać sygnału S2 na semaforze %s.\r\n", s.Name.c_str()) + e.what());
    }
}

void TObslugaSemaforow::CheckS2Conflicts(TSemafor& s, int kierunek, tZrodloPolecenia zrodlo)
{
    const TPunkt* p = &s;
    for (std::size_t krok = 0; krok <= s.Stacja().Komponenty().size(); ++krok) {
        p = p->Neighbour(kierunek);
        if (const auto* w = dynamic_cast<const TWlot*>(p);
            w != nullptr && zrodlo == tZrodloPolecenia::przycisk && w->Typ() == s.Typ() && w->Zapowiedz != nullptr &&
            w->Zapowiedz->Pociag() != nullptr) {
            OfferSz(s,
                    Formatuj("Nie można podać sygnału S2 na semaforze wyjazdowym, gdy z przeciwnego kierunku po tym "
                             "samym torze zmierza pociąg %s.",
                             OpisPociagu(*w->Zapowiedz->Pociag()).c_str()),
                    zrodlo);
            throw TOdmowaSz{};
        }
        if (const auto* inny = dynamic_cast<const TSemafor*>(p);
            inny != nullptr && inny->Typ() != s.Typ() && inny->Status() != tSemStatus::czerwony) {
            OfferSz(s,
                    Formatuj("Nie można podać sygnału S2 na semaforze, gdy dozwolona jest droga po tym samym odstępie "
                             "w kierunku przeciwnym na semaforze %s.",
                             inny->Name.c_str()),
                    zrodlo);
            throw TOdmowaSz{};
        }
        if (p == nullptr || p->Stan() != tStan::utwierdzony)
            return;
    }
}

void TObslugaSemaforow::OfferSz(TSemafor& s, const std::string& powod, tZrodloPolecenia zrodlo)
{
    if (zrodlo == tZrodloPolecenia::diagram)
        s.Error("NIe można podać sygnału na semaforze.\r\n" + powod + "\r\nAby podać " +
                "sygnał zastępczy Sz, naciśnij przycisk sterowania semaforem.");
    const bool bezPytania = SzBezPytania && !s.Usterka.empty();
    if (!bezPytania && !PotwierdzWyjatkowe(s.Stacja().Komunikaty(), "Czy ustawić sygnał zastępczy Sz?", "Podanie Sz"))
        return;
    s.SetStatus(tSemStatus::bialy);
    // At a signal that cannot show S2 for its own fault, Sz is the rule, not the dispatcher's fault.
    if (!s.Usterka.empty())
        s.OdmowaUsterki("Podano sygnał zastępczy przy usterce semafora.");
    s.Error("Podano sygnał zastępczy.");
}

void TObslugaSemaforow::RuszPociagPodSemaforem(TSemafor& s)
{
    // The train waits on the approach side, at most two points away.
    const int strona = s.Typ() == stLewy ? stPrawy : stLewy;
    TPunkt* p = s.Neighbour(strona);
    if (p != nullptr && p->Pociag() == nullptr)
        p = p->Neighbour(strona);
    if (p == nullptr || p->Pociag() == nullptr)
        return;
    TPociag& t = *p->Pociag();
    if (t.StanJazdy == tStanJazdy::zatrzymany && t.Kierunek == s.Typ() && !MiejscePostoju(t, p))
        UstawStanJazdy(t, tStanJazdy::jazda);
}
