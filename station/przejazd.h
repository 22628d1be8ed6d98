#pragma once

// The level crossing: its flashing lamps, and the road drawn under the tracks.

#include "core/zegary.h"
#include "station/typy_torow.h"
#include "station/upunkt.h"

#include <memory>

// The lamps of a level crossing: they flash by themselves, on real time, while any track they
// guard is locked into a route or occupied.
class TPrzejazd : public TElement {
public:
    static constexpr int OkresMigania = 500;  // ms

    explicit TPrzejazd(TStacja& stacja);
    const char* NazwaKlasy() const override { return "TPrzejazd"; }

    bool Migajacy() const { return migajacy_; }
    void SetMigajacy(bool wartosc);
    bool Zapalone() const { return zapalone_; }
    tZwrStatus Typ() const { return typ_; }
    void SetTyp(tZwrStatus t);

    const TZegar* Zegar() const { return zegar_.get(); }
    // A saved game's lamps as they were, without the timer; and the timer taken up again.
    void PrzywrocMiganie(bool migajacy, bool zapalone);
    void WznowMiganie();

    // Flashes exactly while one of its tracks is locked or occupied.
    void PrzeliczMiganie();

    // Neither a click nor its OnClick does anything.
    void Click() override {}
    void Paint(TPlotno& p) override;
    bool MaEtykiete() const override { return false; }
    bool UstawWlasciwosc(const std::string& nazwa, const std::string& wartosc) override;

private:
    std::unique_ptr<TZegar> zegar_;
    bool migajacy_ = false;
    bool zapalone_ = false;
    tZwrStatus typ_ = tZwrStatus::gora;
};

// A road where it crosses the line: a plain shape under the tracks, not an element.
class TDRoga : public TKomponent {
public:
    explicit TDRoga(TStacja& stacja) : TKomponent(stacja) { Color = {197, 190, 180}; ParentColor = false; }
    const char* NazwaKlasy() const override { return "TDRoga"; }
    void Paint(TPlotno& p) override;
    bool UstawWlasciwosc(const std::string& nazwa, const std::string& wartosc) override;
};
