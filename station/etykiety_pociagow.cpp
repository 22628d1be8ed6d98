// Placing the trains' labels clear of what the player reads on the diagram.

#include "station/etykiety_pociagow.h"

#include "station/stacja.h"

#include <algorithm>
#include <unordered_set>

namespace {

TProstokat Przesuniety(const TProstokat& r, int dx, int dy)
{
    return {r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy};
}

}  // namespace

int SzerokoscTekstuEtykiety(const std::string& tekst)
{
    // Five pixels a character and one to spare, counted as characters rather than bytes of UTF-8
    // ("«", "»").
    constexpr int NaZnak = 5;
    int znaki = 0;
    for (const char c : tekst)
        znaki += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return znaki * NaZnak + 1;
}

bool NachodzaNaSiebie(const TProstokat& a, const TProstokat& b)
{
    return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

std::vector<TProstokat> WyznaczObszaryBezEtykiet(const TStacja& stacja)
{
    std::vector<TProstokat> obszary;
    for (const TKomponent* k : stacja.KolejnoscRysowania()) {
        const auto* e = dynamic_cast<const TElement*>(k);
        if (e == nullptr || !e->Visible || e->Kontener != TKomponent::Diagram)
            continue;
        if (e->MaEtykiete() && !e->Name.empty()) {
            const TProstokat r = Przesuniety(e->ProstokatEtykiety(), e->Left, e->Top);
            obszary.push_back({r.Left, r.Top, r.Left + SzerokoscTekstuEtykiety(e->Name), r.Top + WysokoscEtykietyPociagu});
        }
        // Tracks and switches are strokes a label may lie beside; everything else is read whole.
        const auto* punkt = dynamic_cast<const TPunkt*>(e);
        if (punkt == nullptr || !punkt->Jest(rpTor | rpZwrotnica))
            obszary.push_back({e->Left, e->Top, e->Left + e->Width, e->Top + e->Height});
    }
    return obszary;
}

std::vector<TEtykietaPociagu> RozmiescEtykietyPociagow(const TStacja& stacja)
{
    std::vector<TEtykietaPociagu> etykiety;
    std::vector<TProstokat> polozone;
    std::unordered_set<const TPociag*> opisane;
    const std::vector<TProstokat>& stale = stacja.ObszaryBezEtykiet();
    const TPunktXY rozmiar = stacja.Rozmiar();
    const auto wolne = [&](const TProstokat& r) {
        const auto nachodzi = [&](const TProstokat& z) { return NachodzaNaSiebie(r, z); };
        return r.Left >= 0 && r.Top >= 0 && r.Right <= rozmiar.x && r.Bottom <= rozmiar.y &&
               std::none_of(stale.begin(), stale.end(), nachodzi) &&
               std::none_of(polozone.begin(), polozone.end(), nachodzi);
    };
    for (const TKomponent* k : stacja.KolejnoscRysowania()) {
        const auto* punkt = dynamic_cast<const TPunkt*>(k);
        if (punkt == nullptr || !punkt->Visible || punkt->Kontener != TKomponent::Diagram ||
            !punkt->MaEtykietePociagu() || opisane.contains(punkt->Pociag()))
            continue;
        for (const TMiejsceEtykiety& m : punkt->MiejscaEtykietyPociagu(SzerokoscTekstuEtykiety(punkt->Elementy()))) {
            const TProstokat r = Przesuniety(m.Prostokat, punkt->Left, punkt->Top);
            if (wolne(r)) {
                etykiety.push_back({punkt, m});
                polozone.push_back(r);
                opisane.insert(punkt->Pociag());
                break;
            }
        }
    }
    return etykiety;
}
