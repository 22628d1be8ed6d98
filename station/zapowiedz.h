#pragma once

// The announcement field that shows the next train expected on a line.

#include "station/upunkt.h"

// An information field that shows the next train expected on a line.
class TZapowiedz : public TPunkt {
public:
    explicit TZapowiedz(TStacja& stacja);
    const char* NazwaKlasy() const override { return "TZapowiedz"; }
    unsigned Rodzaje() const override { return rpZapowiedz; }
    const char* PlikDzwieku() const override { return "zap.wav"; }

    // Announcement lead in minutes.
    std::int32_t Czas = 0;
    // The lead as a time of day; brings Czas itself into range first.
    double CzasZapowiedzi();

    // Giving the train already shown does nothing.
    void SetPociag(TPociag* wartosc) override;
    // The field always shows its own colour, whatever its state.
    TKolor KolorStanu() const override { return Kolor(); }
    bool UstawWlasciwosc(const std::string& nazwa, const std::string& wartosc) override;

protected:
    TPunktXY DomyslnePrzesuniecieEtykiety() const override { return {5, Height}; }
};
