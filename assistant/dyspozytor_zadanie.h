#pragma once

// The automatic dispatcher's plan of one train, shared by the dispatcher and the checkpoint that
// keeps it in a saved game.

#include "assistant/dyspozytor.h"
#include "station/wlot.h"
#include "trains/czas.h"

#include <algorithm>
#include <vector>

// One move of a shunting unit, from a stop to the next, in the direction.
struct TAutomatycznyDyspozytor::TRuch {
    tSemType Kierunek = stLewy;
    TDrogaUkladu Droga;
    TPunkt* Od() const { return Droga.Punkty.front(); }
    TPunkt* Do() const { return Droga.Punkty.back(); }
};

// One train of the timetable and how far the dispatcher has brought it.
struct TAutomatycznyDyspozytor::TZadanie {
    TPociag* Pociag = nullptr;
    std::string Numer;
    TWlot* Wjazd = nullptr;   // none: the train starts here
    TWlot* Wyjazd = nullptr;  // none: it ends here
    TPunkt* Peron = nullptr;
    const TPrzebieg* DrogaWjazdu = nullptr;
    const TPrzebieg* DrogaWyjazdu = nullptr;
    tSemType KierunekWjazdu = stLewy, KierunekWyjazdu = stLewy;
    double Przyjazd = 0, Odjazd = 0;
    bool BezPostoju = false;
    TZadanie* Poprzednik = nullptr;  // the train whose consist this one takes over
    TZadanie* Nastepca = nullptr;
    tEtap Etap = tEtap::czeka;
    bool Widziany = false;
    bool Zgloszony[2] = {false, false};
    // Forming: the locomotive's moves round its coaches, how far, and whether one is under way.
    std::vector<TRuch> Objazd;
    bool ObjazdZaplanowany = false;
    std::size_t Krok = 0;
    bool RuchTrwa = false;
    // Signals of its locked routes that a fault kept at stop when they were set: cleared once repaired.
    std::vector<TSemafor*> PoUsterce;

    // When the train is due onto its entry.
    double NaWlocie() const { return Przyjazd - (Wjazd != nullptr ? Wjazd->WyprzedzenieJakoCzas() : 0.0); }
    double TerminWjazdu() const { return NaWlocie() - Minuta(MinutyPrzedWjazdem); }
    double TerminWyjazdu() const { return Odjazd - Minuta(MinutyPrzedWyjazdem); }
    // A train that passes without a stop comes in as the route is locked, timed so that it leaves
    // in the middle of its punctual two minutes: a train takes about 2.5 s a point.
    double TerminPrzelotu() const
    {
        const std::size_t punkty = DrogaWjazdu->Droga.Punkty.size() + DrogaWyjazdu->Droga.Punkty.size();
        return std::max(NaWlocie(), Odjazd + Minuta(1) - Sekunda(static_cast<int>(punkty * 5 / 2)));
    }
};

