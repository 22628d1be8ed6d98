// Drawing the diagram and the pages of buttons into images, and writing them as whole PNG files.

#include "ui/canvas/obraz.h"

#include "core/wkt_exception.h"
#include "core/wkt_stream.h"
#include "station/stacja.h"
#include "station/upunkt.h"
#include "ui/canvas/qplotno.h"

#include <QBuffer>
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

namespace {

QImage Obraz(const TStacja& stacja, const std::string& kontener, QSize rozmiar, int skala)
{
    skala = std::clamp(skala, 1, 8);
    QImage obraz(rozmiar * skala, QImage::Format_RGB32);
    obraz.setDevicePixelRatio(skala);
    obraz.setDotsPerMeterX(3780);  // 96 dots per inch, as the layout was drawn
    obraz.setDotsPerMeterY(3780);
    obraz.fill(NaQColor(stacja.KolorOkna));
    QPainter painter(&obraz);
    {
        // The canvas gives the painter back as it came before the painter ends.
        TQPlotno plotno(painter);
        stacja.Rysuj(plotno, kontener);
    }
    painter.end();
    return obraz;
}

}  // namespace

QImage ObrazDiagramu(const TStacja& stacja, int skala)
{
    return Obraz(stacja, TKomponent::Diagram, RozmiarDiagramu(stacja), skala);
}

QImage ObrazStrony(const TStacja& stacja, const std::string& strona, int skala)
{
    const TPunktXY r = stacja.Rozmiar(strona);
    return Obraz(stacja, strona, QSize(std::max(r.x, 1), std::max(r.y, 1)), skala);
}

QByteArray BajtyPng(const QImage& obraz)
{
    QByteArray dane;
    QBuffer bufor(&dane);
    if (!bufor.open(QIODevice::WriteOnly) || !obraz.save(&bufor, "PNG"))
        return {};
    return dane;
}

std::string ZapiszNarysowany(const QByteArray& dane, const std::string& plik, const char* czego, TZapisPlikow* razem)
{
    if (dane.isEmpty())
        return "Nie można zapisać pliku " + plik + ": nie udało się narysować " + czego + ".";
    try {
        const std::string_view bajty(dane.constData(), static_cast<std::size_t>(dane.size()));
        if (razem != nullptr)
            razem->Dodaj(plik, bajty);
        else
            ZapiszPlikCaly(plik, bajty);
        return {};
    } catch (const EwktException& e) {
        return e.what();
    }
}
