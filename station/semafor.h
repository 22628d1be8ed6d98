#pragma once

// The signal, its aspects, and the way the dispatcher's act on it reaches the interlocking.

#include "core/nazwy_wartosci.h"
#include "core/zegary.h"
#include "station/upunkt.h"

#include <memory>

enum class tSemStatus : std::uint8_t { zielony = 0, czerwony = 1, bialy = 2 };
enum class tSemRodzaj : std::uint8_t { Swietlny = 0, Ksztaltowy = 1 };

template <>
struct TNazwyWartosci<tSemStatus> {
    static constexpr TNazwaWartosci<tSemStatus> Tabela[] = {
        {tSemStatus::zielony, "zielony"}, {tSemStatus::czerwony, "czerwony"}, {tSemStatus::bialy, "bialy"}};
};
template <>
struct TNazwyWartosci<tSemRodzaj> {
    static constexpr TNazwaWartosci<tSemRodzaj> Tabela[] = {{tSemRodzaj::Swietlny, "Swietlny"},
                                                            {tSemRodzaj::Ksztaltowy, "Ksztaltowy"}};
};

// Where the dispatcher's act on a signal comes from. Only the point button may give the substitute
// signal and only it looks for a train coming in on the line.
enum class tZrodloPolecenia : std::uint8_t { diagram, przycisk, menu };

class TSemafor;

// The dispatcher's act on a signal, with its checks; the interlocking supplies it to the station.
class TSterowanieSemaforem {
public:
    virtual ~TSterowanieSemaforem() = default;
    // `nadawca` is only handed on to the signal's OnModified.
    virtual void OperateSignal(TSemafor& semafor, tZrodloPolecenia zrodlo, TKomponent* nadawca) = 0;
    // Set while the automatic dispatcher presses the button of a signal that cannot show S2 for its
    // own fault: the substitute signal is what it means to give, so nobody is asked.
    bool SzBezPytania = false;
};

// A signal: a point of the layout that also shows stop, proceed or the substitute signal.
class TSemafor : public TPunkt {
public:
    // The substitute signal blinks for this many ticks past the first, 500 ms each.
    static constexpr int OdliczanieSz = 60;
    static constexpr int OkresMigania = 500;  // ms

    explicit TSemafor(TStacja& stacja);
    const char* NazwaKlasy() const override { return "TSemafor"; }
    unsigned Rodzaje() const override { return rpSemafor; }
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
    const TZegar* Zegar() const { return zegar_.get(); }
    // A saved game's signal: its aspect and countdown as they were, without the timer; and the
    // substitute signal's timer taken up again.
    void PrzywrocSygnal(tSemStatus status, int odliczanie);
    void WznowMiganie();

    virtual void BlinkTick();
    // The signal action through the station's interlocking; a program error when it has none.
    void OperateSignal(tZrodloPolecenia zrodlo, TKomponent* nadawca = nullptr);

    void Click() override;
    TPunktXY ConnectionPoint(const TTor* tor) const override;
    void Paint(TPlotno& p) override;
    bool UstawWlasciwosc(const std::string& nazwa, const std::string& wartosc) override;

protected:
    TPunktXY DomyslnePrzesuniecieEtykiety() const override { return {21, 3}; }

private:
    tSemStatus status_ = tSemStatus::czerwony;
    tSemRodzaj rodzaj_ = tSemRodzaj::Swietlny;
    tSemType typ_ = stLewy;
    std::unique_ptr<TZegar> zegar_;
    int odliczanie_ = 0;
};
