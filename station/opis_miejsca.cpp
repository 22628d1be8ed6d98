// Naming the place of a refused act by its neighbours on the diagram.

#include "station/opis_miejsca.h"

#include "station/tor.h"
#include "station/zwrotnica.h"

namespace {

std::string Nazwa(const TPunkt* p) { return p != nullptr ? p->Name : std::string(); }

// The point at the other end of what joins the point on that side (0 left, 1 right): a track's own
// end, or the far end of the track attached to a point.
const TPunkt* Sasiad(const TPunkt& p, int strona)
{
    if (const auto* t = dynamic_cast<const TTor*>(&p))
        return strona == 0 ? t->LewyPunkt() : t->PrawyPunkt();
    const TTor* tor = strona == 0 ? p.LewyTor : p.PrawyTor;
    if (tor == nullptr)
        return nullptr;
    return tor->LewyPunkt() == &p ? tor->PrawyPunkt() : tor->LewyPunkt();
}

bool Tor(const TPunkt* p) { return p != nullptr && p->Jest(rpTor | rpPunktTorowy); }

// The first point on the diagram with a name of its own beyond the point, going that way: tracks
// and plain track points between are passed over, as the player does not see their names.
std::string NazwanyDalej(const TPunkt* p, int strona)
{
    for (int krok = 0; krok < 64 && Tor(p); ++krok) {
        const TPunkt* dalej = p->Neighbour(strona);
        p = dalej != nullptr ? dalej : Sasiad(*p, strona);
    }
    return Nazwa(p);
}

// Where a switch leads now on the side where it chooses between two tracks.
std::string Kierunek(const TZwrotnica& z)
{
    const int strona = z.Typ() == tZwrTyp::JedenNaDwa ? 1 : 0;
    return NazwanyDalej(z.Neighbour(strona), strona);
}

}  // namespace

std::string OpisMiejsca(const TElement* element, const TElement* miejsce)
{
    const auto* punkt = dynamic_cast<const TPunkt*>(miejsce != nullptr ? miejsce : element);
    if (punkt == nullptr)
        return {};
    if (const auto* z = dynamic_cast<const TZwrotnica*>(punkt)) {
        const std::string dokad = Kierunek(*z);
        return dokad.empty() ? std::string() : "Zwrotnica " + z->Name + " leży w kierunku " + dokad + ".";
    }
    if (miejsce != nullptr) {
        // A route stops before a switch that lies towards another track than the one it came by.
        for (int strona = 0; strona < 2; ++strona) {
            const auto* z = dynamic_cast<const TZwrotnica*>(Sasiad(*punkt, strona));
            if (z == nullptr || z->Neighbour(0) == punkt || z->Neighbour(1) == punkt)
                continue;
            if (const std::string dokad = Kierunek(*z); !dokad.empty())
                return "Droga zatrzymała się przed zwrotnicą " + z->Name + ", która leży w kierunku " + dokad + ".";
        }
    }
    // Entries, platforms and signals are named on the diagram; a track is found by its ends.
    if (!punkt->Jest(rpTor | rpPunktTorowy))
        return miejsce != nullptr && miejsce != element ? "Droga zatrzymała się na " + punkt->Name + "." : std::string();
    const std::string lewy = NazwanyDalej(Sasiad(*punkt, 0), 0), prawy = NazwanyDalej(Sasiad(*punkt, 1), 1);
    if (lewy.empty() && prawy.empty())
        return {};
    const std::string konce = lewy.empty() || prawy.empty() ? "przy " + (lewy.empty() ? prawy : lewy)
                                                             : "między " + lewy + " a " + prawy;
    return punkt->Name + " leży " + konce + ".";
}
