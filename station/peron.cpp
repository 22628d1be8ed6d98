// Connecting and drawing the platform point.

#include "station/peron.h"

#include "station/tor.h"

void TPeron::SetTyp(tSemType t)
{
    typ_ = t;
    Repaint();
}

TPunktXY TPeron::ConnectionPoint(const TTor* tor) const
{
    if (tor != nullptr && tor == LewyTor)
        return NaDiagramie({0, YToru()});
    if (tor != nullptr && tor == PrawyTor)
        return NaDiagramie({Width - 1, YToru()});
    return {-1, -1};
}

void TPeron::Paint(TPlotno& p)
{
    p.Pioro(KolorStanu(), 1);
    DrawTrackLine(p, KolorStanu(), Stan(), {0, YToru()}, {Width, YToru()});
    TProstokat peron = ClientRect();
    if (typ_ == stPrawy)
        peron.Top += 3;
    else
        peron.Bottom -= 3;
    p.BezPiora();
    p.Pedzel(Kolor());
    p.WypelnijProstokat(peron);
    DrawCaption(p);
}

bool TPeron::UstawWlasciwosc(const std::string& nazwa, const std::string& wartosc)
{
    if (nazwa == "Typ")
        return UstawWartosc<tSemType>(wartosc, CzytajWartosc<tSemType>, [this](tSemType t) { SetTyp(t); });
    return TPunkt::UstawWlasciwosc(nazwa, wartosc);
}
