#pragma once

// Frames that blink around elements for a while to draw the player's eye.

#include "station/kolor.h"
#include "station/plotno.h"

#include <memory>
#include <vector>

class TKomponent;
class TStacja;
class TZegar;

// Elements that draw the eye for a while: a frame blinks around each on the diagram (the point
// where a refused route stopped, the train chosen in the train list). It runs on real time, so it
// blinks as long whatever the simulation's speed, and also while the clock stands. Nothing of the
// game depends on it, so it runs on the station's timers of the window (TStacja::ZegaryWidoku),
// which the game's record never sees.
class TWyroznienia {
public:
    // Milliseconds between the frame's lit and dark phases.
    static constexpr int OkresMigania = 250;

    explicit TWyroznienia(TStacja& stacja);
    ~TWyroznienia();
    TWyroznienia(const TWyroznienia&) = delete;
    TWyroznienia& operator=(const TWyroznienia&) = delete;

    // A frame of the colour blinks around the component for `ms` milliseconds, lit first; a
    // component already blinking starts afresh in the new colour.
    void Mignij(TKomponent* komponent, TKolor kolor, int ms);
    bool Miga(const TKomponent* komponent) const;
    // Whether the frame around the component is lit now.
    bool Zapalone(const TKomponent* komponent) const;
    // The component is going away: it blinks no more.
    void Zapomnij(const TKomponent* komponent);
    bool Puste() const { return wpisy_.empty(); }

    // The lit frames, in the coordinates of the diagram.
    void Rysuj(TPlotno& p) const;

private:
    struct Wpis {
        TKomponent* komponent = nullptr;
        TKolor kolor;
        int pozostalo = 0;  // phases still to come
        bool zapalone = true;
        std::unique_ptr<TZegar> zegar;
    };
    void Tyk(Wpis* wpis);
    const Wpis* Znajdz(const TKomponent* komponent) const;

    TStacja& stacja_;
    std::vector<std::unique_ptr<Wpis>> wpisy_;
};
