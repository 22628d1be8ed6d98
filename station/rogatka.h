#pragma once

// The level-crossing barrier, which when raised closes the tracks it guards.

#include "station/upunkt.h"

// A level-crossing barrier. Raised, it makes the tracks it guards unusable; the two barriers of a
// track always move together.
class TRogatka : public TElement {
public:
    explicit TRogatka(TStacja& stacja);
    const char* NazwaKlasy() const override { return "TRogatka"; }
    const char* PlikDzwieku() const override { return "pzwr.wav"; }

    bool Podniesione() const { return podniesione_; }
    // Raising is refused while a guarded track is locked or occupied.
    void SetPodniesione(bool wartosc);
    // The barrier with a fault, itself or one it moves with (the other barrier of a track it
    // guards), that keeps it from coming down; none when it can be lowered.
    TRogatka* Niesprawna();
    // A saved game's position, with nothing checked or moved along with it.
    void PrzywrocPodniesione(bool wartosc) { podniesione_ = wartosc; }

    // Raises or lowers the barrier; its OnClick is not called.
    void Click() override;
    void Paint(TPlotno& p) override;
    bool UstawWlasciwosc(const std::string& nazwa, const std::string& wartosc) override;

private:
    bool podniesione_ = true;
};
