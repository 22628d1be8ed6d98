#pragma once

// The push button the control page is made of, drawn by the engine.

#include "station/komponent.h"

#include <functional>
#include <string>

// A push button with a caption, a body colour and a rounded frame that thickens while the mouse
// points at it. Behaviour and drawing are the engine's; the window only forwards the mouse.
class TWktColorButton : public TKomponent {
public:
    explicit TWktColorButton(TStacja& stacja);
    const char* NazwaKlasy() const override { return "TWktColorButton"; }

    std::string Caption;
    TKolor BorderColor = kolory::Szary;
    TKolor ActiveBorderColor = kolory::Czarny;
    int RoundSize = 6;
    bool Enabled = true;
    std::function<void()> OnClick;
    std::function<void()> OnMouseEnter;
    std::function<void()> OnMouseLeave;

    bool Wskazany() const { return wskazany_; }
    bool Wcisniety() const { return wcisniety_; }

    // The mouse as the window forwards it.
    void MouseEnter();
    void MouseLeave();
    void MouseDown();
    // Released over the button (a click) or elsewhere.
    void MouseUp(bool nadPrzyciskiem);

    // The button's click: its action, then the ordinary behaviour (OnClick, repaint).
    virtual void Click();

    void Paint(TPlotno& p) override;
    bool UstawWlasciwosc(const std::string& nazwa, const std::string& wartosc) override;

protected:
    // The ordinary click behaviour: OnClick and a repaint; the button counts as pointed at.
    void ZwyklyKlik();
    // The body, the frame and the caption in the rectangle; the caption keeps out of `bezNapisu`
    // pixels on the right and bottom.
    void RysujTwarz(TPlotno& p, const TProstokat& r, int bezNapisuPrawo, int bezNapisuDol, const TCzcionka& czcionka);

private:
    bool wskazany_ = false;
    bool wcisniety_ = false;
};
