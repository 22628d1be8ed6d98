// The button's response to the mouse, its click and its drawing.

#include "interlocking/wktcolorbutton.h"

#include "station/stacja.h"

TWktColorButton::TWktColorButton(TStacja& stacja) : TKomponent(stacja)
{
    Width = 75;
    Height = 25;
    Color = {240, 240, 240};
    ParentColor = false;
}

void TWktColorButton::MouseEnter()
{
    if (wskazany_)
        return;
    wskazany_ = true;
    if (OnMouseEnter)
        OnMouseEnter();
    Repaint();
}

void TWktColorButton::MouseLeave()
{
    if (!wskazany_ && !wcisniety_)
        return;
    wskazany_ = false;
    wcisniety_ = false;
    if (OnMouseLeave)
        OnMouseLeave();
    Repaint();
}

void TWktColorButton::MouseDown()
{
    if (!Enabled)
        return;
    wcisniety_ = true;
    Repaint();
}

void TWktColorButton::MouseUp(bool nadPrzyciskiem)
{
    const bool byl = wcisniety_;
    wcisniety_ = false;
    Repaint();
    if (byl && nadPrzyciskiem && Enabled)
        Click();
}

void TWktColorButton::Click() { ZwyklyKlik(); }

void TWktColorButton::ZwyklyKlik()
{
    wskazany_ = true;
    if (OnClick)
        OnClick();
    Repaint();
}

void TWktColorButton::RysujTwarz(TPlotno& p, const TProstokat& r, int bezNapisuPrawo, int bezNapisuDol,
                                 const TCzcionka& czcionka)
{
    const bool aktywny = wskazany_ && Enabled;
    p.Pedzel(Color);
    p.Pioro(aktywny ? ActiveBorderColor : BorderColor, aktywny ? 2 : 1);
    p.ZaokraglonyProstokat(r, RoundSize);
    TProstokat napis{r.Left + 2, r.Top + 1, r.Right - 2 - bezNapisuPrawo, r.Bottom - 1 - bezNapisuDol};
    if (wcisniety_) {
        napis.Left += 1;
        napis.Top += 1;
        napis.Right += 1;
        napis.Bottom += 1;
    }
    TCzcionka c = czcionka;
    if (!Enabled)
        c.Kolor = kolory::Szary;
    // Centred in both directions: the text box is moved down to the middle of its area.
    const int wysokosc = c.Piksele ? c.Rozmiar : c.Rozmiar * 96 / 72 + 3;
    const int gora = napis.Top + std::max(0, (napis.Height() - wysokosc) / 2);
    p.Tekst({napis.Left, gora, napis.Right, napis.Bottom}, Caption, c, tfSrodek | tfJednaLinia | tfWielokropek);
}

void TWktColorButton::Paint(TPlotno& p)
{
    RysujTwarz(p, ClientRect(), 0, 0, Font);
}

bool TWktColorButton::UstawWlasciwosc(const std::string& nazwa, const std::string& wartosc)
{
    if (nazwa == "Caption") {
        Caption = wartosc;
        return true;
    }
    if (nazwa == "BorderColor")
        return CzytajKolor(wartosc, BorderColor);
    if (nazwa == "ActiveBorderColor")
        return CzytajKolor(wartosc, ActiveBorderColor);
    if (nazwa == "RoundSize")
        return CzytajLiczbe(wartosc, RoundSize);
    if (nazwa == "Enabled")
        return CzytajLogiczna(wartosc, Enabled);
    return TKomponent::UstawWlasciwosc(nazwa, wartosc);
}
