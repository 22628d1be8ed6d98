#pragma once

// The control page's buttons: one per element, one per fixed route, and the special ones.

#include "core/nazwy_wartosci.h"
#include "interlocking/wktcolorbutton.h"
#include "station/przycisk_elementu.h"
#include "station/upunkt.h"

// The button of one station element on the control page: it throws the switch, moves the barrier
// or works the signal, and shows the element's fault counter and state.
class TPunktButton : public TWktColorButton, public TPrzyciskElementu {
public:
    explicit TPunktButton(TStacja& stacja);
    const char* NazwaKlasy() const override { return "TPunktButton"; }

    TElement* Element() const { return element_; }
    void SetElement(TElement* element);
    tStan Stan() const { return stan_; }
    virtual void SetStan(tStan stan) { stan_ = stan; }

    void Click() override;
    void Paint(TPlotno& p) override;
    bool UstawWlasciwosc(const std::string& nazwa, const std::string& wartosc) override;
    bool UstawReferencje(const std::string& nazwa, TKomponent* cel) override;
    void Usuwany(TKomponent* k) override;

    TElement* ElementPrzycisku() const override { return element_; }
    void PokazStan(tStan stan, TKolor kolor) override;
    void OdswiezPrzycisk() override { Repaint(); }

    // The fault count shown in the strip: the element's, or the button's own.
    virtual std::int32_t Licznik() const { return element_ != nullptr ? element_->LicznikBledow : 0; }

protected:
    // Whether the caption keeps its own text when the element is set.
    virtual bool WlasnyNapis() const { return false; }
    void RysujLicznik(TPlotno& p, int szerokosc);
    void RysujWskaznik(TPlotno& p, const TProstokat& obszar);

private:
    TElement* element_ = nullptr;
    tStan stan_ = tStan::wolny;
};

// The button of one fixed route: checks it, then locks it, or releases it after asking.
class TZatwierdzButton : public TWktColorButton {
public:
    explicit TZatwierdzButton(TStacja& stacja) : TWktColorButton(stacja) {}
    const char* NazwaKlasy() const override { return "TZatwierdzButton"; }

    TPunkt* LewyPunkt() const { return lewy_; }
    TPunkt* PrawyPunkt() const { return prawy_; }
    void SetLewyPunkt(TPunkt* p);
    void SetPrawyPunkt(TPunkt* p);

    void Click() override;
    bool UstawReferencje(const std::string& nazwa, TKomponent* cel) override;
    void Usuwany(TKomponent* k) override;

private:
    void UstawNapis();
    TPunkt* lewy_ = nullptr;
    TPunkt* prawy_ = nullptr;
};

enum TTypSpecial : std::uint8_t { tsZerwijUtwierdzenie = 0, tsWiecejInformacji = 1 };

template <>
struct TNazwyWartosci<TTypSpecial> {
    static constexpr TNazwaWartosci<TTypSpecial> Tabela[] = {{tsZerwijUtwierdzenie, "tsZerwijUtwierdzenie"},
                                                             {tsWiecejInformacji, "tsWiecejInformacji"}};
};

// Breaks every lock of the station at once, or shows what stands at one element.
class TSpecialPunktButton : public TPunktButton {
public:
    explicit TSpecialPunktButton(TStacja& stacja);
    const char* NazwaKlasy() const override { return "TSpecialPunktButton"; }

    TTypSpecial TYp() const { return typ_; }
    void SetTYp(TTypSpecial typ);
    std::int32_t LicznikBledow = 0;
    std::function<void(TSpecialPunktButton& sender)> OnError;
    // The panel of the page that holds an information button.
    std::string Panel;
    // The button's own fault: counted here, raised without an element.
    [[noreturn]] virtual void Error(const std::string& tekst);

    // The information text: the hint and what stands at the element.
    std::string Informacja() const;

    void Click() override;
    void Paint(TPlotno& p) override;
    bool UstawWlasciwosc(const std::string& nazwa, const std::string& wartosc) override;

    std::int32_t Licznik() const override { return Element() != nullptr ? Element()->LicznikBledow : LicznikBledow; }

protected:
    bool WlasnyNapis() const override { return typ_ == tsWiecejInformacji; }

private:
    TTypSpecial typ_ = tsZerwijUtwierdzenie;
};
