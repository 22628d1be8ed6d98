#pragma once

// The dispatcher's signal action with its checks, given to every station.

#include "station/semafor.h"

#include <string>

// The signal action of the dispatcher: clearing, the S2 conflict checks, the offer of the
// substitute signal Sz, and setting off a train held at the signal.
class TObslugaSemaforow : public TSterowanieSemaforem {
public:
    void OperateSignal(TSemafor& semafor, tZrodloPolecenia zrodlo, TKomponent* nadawca) override;

private:
    void GiveS2(TSemafor& semafor, tZrodloPolecenia zrodlo);
    void CheckS2Conflicts(TSemafor& semafor, int kierunek, tZrodloPolecenia zrodlo);
    // Refuses the aspect: a fault from the diagram; from a button or the menu, the offer of the
    // substitute signal, which when accepted is itself recorded as a fault. Returns only when declined.
    void OfferSz(TSemafor& semafor, const std::string& powod, tZrodloPolecenia zrodlo);
    void RuszPociagPodSemaforem(TSemafor& semafor);
};

// The one signal operation every station of the game is given.
TObslugaSemaforow& ObslugaSemaforow();
