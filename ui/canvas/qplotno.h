#pragma once

// The Qt canvas (TQPlotno) the elements draw through, and the game's fonts and colours in Qt's terms.

#include "station/plotno.h"
#include "ui/canvas/tekst_pamiec.h"

#include <QImage>
#include <QPainter>
#include <QStringList>

#include <string>

// The canvas of the game's drawing: elements paint through it onto a widget or an image.
//
// A repaint draws some hundred and fifty components, each saving the state, moving, clipping and
// restoring: through QPainter's own save and restore that was a good part of the repaint. The
// canvas keeps its state itself instead (the offset is added to the coordinates, the painter's
// transform is left alone) and hands the painter a clip, a pen or a mode only when a shape is
// drawn and only where it differs from what the painter has. The painter is given back as it came.
class TQPlotno : public TPlotno {
public:
    explicit TQPlotno(QPainter& painter);
    ~TQPlotno() override;
    TQPlotno(const TQPlotno&) = delete;
    TQPlotno& operator=(const TQPlotno&) = delete;

    void Zapisz() override;
    void Przywroc() override;
    void Przesun(int dx, int dy) override;
    void Obetnij(const TProstokat& r) override;
    void BezObciecia() override;
    void Pioro(TKolor kolor, int szerokosc) override;
    void BezPiora() override;
    void Pedzel(TKolor kolor) override;
    void BezPedzla() override;
    void WypelnijProstokat(const TProstokat& r) override;
    void Prostokat(const TProstokat& r) override;
    void ZaokraglonyProstokat(const TProstokat& r, int naroznik) override;
    void Elipsa(const TProstokat& r) override;
    void Wielokat(const std::vector<TPunktXY>& punkty) override;
    void Linia(const std::vector<TPunktXY>& punkty) override;
    void Tekst(const TProstokat& r, const std::string& tekst, const TCzcionka& czcionka, unsigned flagi) override;
    void Odwracanie(bool wlaczone) override;

private:
    enum class tObciecie { Malarza, Brak, Prostokat };
    struct TStan {
        QPoint Przesuniecie;
        // The painter's own clip it came with, none, or a rectangle of the painter's coordinates.
        tObciecie Obciecie = tObciecie::Malarza;
        QRect ProstokatObciecia;
        bool Odwracanie = false;
        // The pen and the brush as the elements set them; the Qt ones are made when they change.
        bool JestPioro = true;
        TKolor KolorPiora = kolory::Czarny;
        int SzerokoscPiora = 1;
        bool JestPedzel = true;
        TKolor KolorPedzla = kolory::Bialy;
    };

    // Brings the painter's clip and mode to the canvas's state before a shape is drawn.
    void Przygotuj();
    const QPen& QtPioro();
    // The rounded rectangle of this size in the state's pen and brush, drawn once with a margin.
    const QImage& ObrazZaokraglonego(QSize rozmiar, int naroznik, int margines);
    const QBrush& QtPedzel();
    QRect Na(const TProstokat& r) const;
    QPoint Na(TPunktXY p) const { return {p.x + stan_.Przesuniecie.x(), p.y + stan_.Przesuniecie.y()}; }

    QPainter& p_;
    TStan stan_;
    std::vector<TStan> stos_;
    // What the painter has now.
    tObciecie obciecieMalarza_ = tObciecie::Malarza;
    QRect prostokatMalarza_;
    bool odwracanieMalarza_ = false;
    // The Qt pen and brush made from the state's; remade after a change.
    QPen pioro_;
    QBrush pedzel_;
    bool pioroAktualne_ = false, pedzelAktualny_ = false;
    // The font last given to the painter, so that a run of labels in one font sets it once.
    QFont czcionka_;
    bool czcionkaUstawiona_ = false;
    TRozdzielczosc dpi_;
    bool pikselNaPiksel_ = false;
};

QColor NaQColor(TKolor k);
// The families that draw a face the layout names: the Windows faces map to free ones, first choice
// first.
QStringList RodzinyCzcionki(const std::string& nazwa);
// The Qt font for a font of the game, with the Windows families mapped as above.
QFont NaQFont(const TCzcionka& czcionka);
// The text as it fits a width in a font: whole, perhaps with the font's letters set a little
// closer, or cut with an ellipsis.
QString TekstWMiejscu(QFont& czcionka, const QString& tekst, int szerokosc, QPaintDevice* urzadzenie = nullptr);
// Prepares the game's fonts; safe to call many times.
void ZaladujCzcionki();
