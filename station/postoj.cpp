// The rule of where a train stops on its way.

#include "station/postoj.h"

#include "station/peron.h"
#include "station/wlot.h"
#include "trains/pociag.h"

bool MiejscePostoju(const TPociag& pociag, const TPunkt* punkt)
{
    if (punkt == nullptr)
        return false;
    const bool bocznica = punkt->Jest(rpBocznica);
    const bool peron = punkt->Jest(rpPeron);
    if (pociag.Manewrowy())
        return bocznica || peron || punkt->Jest(rpPunktTorowy);
    return bocznica || (peron && !pociag.NieWymagaPeronu());
}
