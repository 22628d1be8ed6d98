// The blinking frames around elements: their timers and drawing.

#include "station/wyroznienia.h"

#include "core/zegary.h"
#include "station/stacja.h"

#include <algorithm>

TWyroznienia::TWyroznienia(TStacja& stacja) : stacja_(stacja) {}

TWyroznienia::~TWyroznienia() = default;

void TWyroznienia::Mignij(TKomponent* komponent, TKolor kolor, int ms)
{
    if (komponent == nullptr)
        return;
    Zapomnij(komponent);
    auto wpis = std::make_unique<Wpis>();
    wpis->komponent = komponent;
    wpis->kolor = kolor;
    wpis->pozostalo = std::max(1, ms / OkresMigania);
    Wpis* w = wpis.get();
    wpis->zegar = stacja_.ZegaryWidoku().Uruchom(OkresMigania, [this, w] { Tyk(w); });
    wpisy_.push_back(std::move(wpis));
    stacja_.Odswiez(komponent);
}

void TWyroznienia::Tyk(Wpis* wpis)
{
    const auto it = std::find_if(wpisy_.begin(), wpisy_.end(), [wpis](const auto& w) { return w.get() == wpis; });
    if (it == wpisy_.end())
        return;
    TKomponent* komponent = wpis->komponent;
    wpis->zapalone = !wpis->zapalone;
    if (--wpis->pozostalo <= 0)
        wpisy_.erase(it);  // the timer goes with it; nothing of the entry is touched after this
    stacja_.Odswiez(komponent);
}

const TWyroznienia::Wpis* TWyroznienia::Znajdz(const TKomponent* komponent) const
{
    for (const auto& w : wpisy_)
        if (w->komponent == komponent)
            return w.get();
    return nullptr;
}

bool TWyroznienia::Miga(const TKomponent* komponent) const { return Znajdz(komponent) != nullptr; }

bool TWyroznienia::Zapalone(const TKomponent* komponent) const
{
    const Wpis* w = Znajdz(komponent);
    return w != nullptr && w->zapalone;
}

void TWyroznienia::Zapomnij(const TKomponent* komponent)
{
    const bool byl = Miga(komponent);
    std::erase_if(wpisy_, [komponent](const auto& w) { return w->komponent == komponent; });
    if (byl)
        stacja_.Odswiez(const_cast<TKomponent*>(komponent));
}

void TWyroznienia::Rysuj(TPlotno& p) const
{
    // A frame three pixels clear of the element, two pixels wide, so that it reads against the
    // track strokes of every state colour.
    constexpr int Odstep = 3;
    for (const auto& w : wpisy_) {
        if (!w->zapalone || !w->komponent->Visible)
            continue;
        const TProstokat g = w->komponent->Granice();
        p.Pioro(w->kolor, 2);
        p.BezPedzla();
        p.Prostokat({g.Left - Odstep, g.Top - Odstep, g.Right + Odstep, g.Bottom + Odstep});
    }
}
