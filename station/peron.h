#pragma once

// The platform point: a track point with the platform drawn beside it.

#include "station/upunkt.h"

// A point along a platform track: the track stroke with the platform beside it.
class TPeron : public TPunkt {
public:
    using TPunkt::TPunkt;
    const char* NazwaKlasy() const override { return "TPeron"; }
    unsigned Rodzaje() const override { return rpPeron; }

    // stPrawy: the track runs along the top of the element; stLewy: along the bottom.
    tSemType Typ() const { return typ_; }
    void SetTyp(tSemType t);

    TPunktXY ConnectionPoint(const TTor* tor) const override;
    void Paint(TPlotno& p) override;
    bool UstawWlasciwosc(const std::string& nazwa, const std::string& wartosc) override;

private:
    int YToru() const { return typ_ == stPrawy ? 1 : Height - 2; }
    tSemType typ_ = stLewy;
};
