#pragma once

#include "core/zegary.h"
#include "station/upunkt.h"

#include <memory>

enum tSemStatus : std::uint8_t { zielony = 0, czerwony = 1, bialy = 2 };
enum tSemRodzaj : std::uint8_t { Swietlny = 0, Ksztaltowy = 1 };

// A signal: a point of the layout that also shows stop, proceed or the substitute signal.
class TSemafor : public TPunkt {
public:
    // The substitute signal blinks for this many ticks past the first, 500 ms each.
    static constexpr int OdliczanieSz = 60;
    static constexpr int OkresMigania = 500;  // ms

    explicit TSemafor(TStacja& stacja);
    const char* NazwaKlasy() const override { return "TSemafor"; }
    const char* PlikDzwieku() const override { return "pzsem.wav"; }

    tSemStatus Status() const { return status_; }
    void SetStatus(tSemStatus v);
    tSemRodzaj Rodzaj() const { return rodzaj_; }
    void SetRodzaj(tSemRodzaj r);
    // The direction of the movements the signal governs.
    tSemType Typ() const { return typ_; }
    void SetTyp(tSemType t);
    // Whether the substitute signal's timer runs, and its countdown.
    bool MaZegar() const { return zegar_ != nullptr; }
    int Odliczanie() const { return odliczanie_; }

    virtual void BlinkTick();
    // The signal action, from its point button or a click on the diagram (the sender tells which).
    virtual void OperateSignal(TKomponent* sender);

    void Click() override;
    TPunktXY ConnectionPoint(const TTor* tor) const override;
    void Paint(TPlotno& p) override;
    bool UstawWlasciwosc(const std::string& nazwa, const std::string& wartosc) override;

protected:
    TPunktXY DomyslnePrzesuniecieEtykiety() const override { return {21, 3}; }

private:
    void GiveS2(TKomponent* sender);
    void CheckS2Conflicts(int kierunek, TKomponent* sender);
    // Refuses the aspect: a fault from the diagram; from a button, the offer of the substitute
    // signal, which when accepted is itself recorded as a fault. Returns only when declined.
    void OfferSz(const std::string& powod, TKomponent* sender);
    void RuszPociagPodSemaforem();

    tSemStatus status_ = czerwony;
    tSemRodzaj rodzaj_ = Swietlny;
    tSemType typ_ = stLewy;
    std::unique_ptr<TZegar> zegar_;
    int odliczanie_ = 0;
};
