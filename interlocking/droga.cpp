// Walking a route point by point to check, lock or release it.

#include "interlocking/droga.h"

#include "core/format.h"
#include "station/semafor.h"
#include "station/stacja.h"
#include "station/upunkt.h"

#include <vector>

tRouteCheck WalkRoute(TPunkt* start, tRouteMode tryb, int kierunek, TPunkt* finish)
{
    if (start == nullptr || finish == nullptr)
        return rcOther;
    // The point at which a refused walk stopped, shown to the dispatcher with the fault.
    TPunkt* zatrzymanie = nullptr;
    try {
        std::vector<TPunkt*> droga;
        // The layout has no loops; a walk longer than the station has points is a broken layout,
        // reported as a missing path rather than left to run for ever.
        const std::size_t granica = start->Stacja().Komponenty().size();
        TPunkt* p = start;
        while (p != finish && p != nullptr) {
            droga.push_back(p);
            p = p->Neighbour(kierunek);
            if (p != nullptr && p->Stan() == tStan::nieaktywny && p != start && p != finish) {
                zatrzymanie = p;
                throw TElemExc(start, Formatuj("Punkt %s jest niaktywny!\r\nMoże nie zamknąłeś rogatek?", p->Name.c_str()),
                               -33);
            }
            if (p == nullptr || droga.size() > granica) {
                zatrzymanie = droga.back();
                droga.clear();
            }
            if (droga.empty())
                break;
        }
        if (droga.empty()) {
            if (tryb == rmCheck)
                return rcOther;
            throw TElemExc(start, "Brak ścieżki dojścia.", -1);
        }
        switch (tryb) {
        case rmCheck: {
            int wolne = 0, utwierdzone = 0;
            for (TPunkt* q : droga) {
                if (q->Stan() == tStan::wolny) {
                    ++wolne;
                } else if (q->Stan() == tStan::utwierdzony) {
                    ++utwierdzone;
                } else if (q != start) {
                    wolne = -1;
                    break;
                }
            }
            if (wolne > 0 && utwierdzone == 0)
                return rcFree;
            if (wolne == 0 && utwierdzone > 0)
                return rcLocked;
            return rcOther;
        }
        case rmLock:
            for (TPunkt* q : droga)
                if (q->Stan() != tStan::zajety)
                    q->SetStan(tStan::utwierdzony);
            if (finish->Stan() != tStan::zajety)
                finish->SetStan(tStan::utwierdzony);
            return rcLocked;
        case rmRelease:
            for (TPunkt* q : droga)
                q->SetStan(tStan::wolny);
            for (TPunkt* q : droga)
                if (auto* s = dynamic_cast<TSemafor*>(q))
                    s->SetStatus(tSemStatus::czerwony);
            finish->SetStan(tStan::wolny);
            return rcFree;
        }
        return rcOther;
    } catch (const std::exception& e) {
        try {
            start->Error(Formatuj("Nie można ustawić drogi od %s do %s.\r\n", start->Name.c_str(),
                                  finish->Name.c_str()) +
                         e.what());
        } catch (TElemExc& blad) {
            blad.Miejsce = zatrzymanie;
            throw;
        }
    }
    return rcOther;  // not reached: Error always raises
}
