#include "station/postoj.h"

#include "station/peron.h"
#include "station/wlot.h"
#include "trains/pociag.h"

bool MiejscePostoju(const TPociag& pociag, const TPunkt* punkt)
{
    if (punkt == nullptr)
        return false;
    const bool bocznica = dynamic_cast<const TBocznica*>(punkt) != nullptr;
    const bool peron = dynamic_cast<const TPeron*>(punkt) != nullptr;
    if (pociag.Manewrowy())
        return bocznica || peron || dynamic_cast<const TPunktTorowy*>(punkt) != nullptr;
    return bocznica || (peron && !pociag.NieWymagaPeronu());
}
