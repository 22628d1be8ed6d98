#include "ui/obraz.h"

#include "station/stacja.h"
#include "station/upunkt.h"
#include "ui/qplotno.h"

#include <QPainter>

QSize RozmiarDiagramu(const TStacja& stacja)
{
    TPunktXY r = stacja.Rozmiar();
    // Name labels reach past their elements: leave room for a line of label text below each.
    constexpr int WysokoscEtykiety = 12;
    for (TKomponent* k : stacja.KolejnoscRysowania()) {
        const auto* e = dynamic_cast<const TElement*>(k);
        if (e == nullptr || !e->Visible || e->Kontener != TKomponent::Diagram || !e->MaEtykiete())
            continue;
        const TProstokat etykieta = e->ProstokatEtykiety();
        r.x = std::max(r.x, e->Left + etykieta.Right);
        r.y = std::max(r.y, e->Top + etykieta.Top + WysokoscEtykiety);
    }
    return QSize(r.x, r.y);
}

QImage ObrazDiagramu(const TStacja& stacja, int skala)
{
    skala = std::clamp(skala, 1, 8);
    const QSize rozmiar = RozmiarDiagramu(stacja);
    QImage obraz(rozmiar * skala, QImage::Format_RGB32);
    obraz.setDevicePixelRatio(skala);
    obraz.setDotsPerMeterX(3780);  // 96 dots per inch, as the layout was drawn
    obraz.setDotsPerMeterY(3780);
    obraz.fill(NaQColor(stacja.KolorOkna));
    QPainter painter(&obraz);
    TQPlotno plotno(painter);
    stacja.Rysuj(plotno);
    painter.end();
    return obraz;
}
