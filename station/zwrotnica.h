#pragma once

// The switch, whose position decides which branch a train or route takes.

#include "station/typy_torow.h"
#include "station/upunkt.h"

// A switch: three tracks, one on its single side and two branches on its double side; its
// position decides which branch a train or a route takes.
class TZwrotnica : public TPunkt {
public:
    explicit TZwrotnica(TStacja& stacja);
    const char* NazwaKlasy() const override { return "TZwrotnica"; }
    unsigned Rodzaje() const override { return rpZwrotnica; }
    const char* PlikDzwieku() const override { return "pzwr.wav"; }

    tZwrStatus Status() const { return status_; }
    // Stores without any check (the layout's way); the dispatcher's way is FlipStatus.
    void SetStatus(tZwrStatus s);
    tZwrTyp Typ() const { return typ_; }
    void SetTyp(tZwrTyp t);
    tUkladRysowania LewyUkladRysowania() const { return lewyUklad_; }
    void SetLewyUkladRysowania(tUkladRysowania u);
    tUkladRysowania PrawyUkladRysowania() const { return prawyUklad_; }
    void SetPrawyUkladRysowania(tUkladRysowania u);
    TTor* LewyTorDolny = nullptr;
    TTor* PrawyTorDolny = nullptr;

    // The dispatcher throws the switch; refused while it is locked or occupied.
    void FlipStatus(TKomponent* sender);

    void Click() override;
    TPunktXY ConnectionPoint(const TTor* tor) const override;
    TPunkt* Neighbour(int strona) const override;
    void Paint(TPlotno& p) override;
    bool UstawWlasciwosc(const std::string& nazwa, const std::string& wartosc) override;
    void Usuwany(TKomponent* k) override;

protected:
    TPunktXY DomyslnePrzesuniecieEtykiety() const override { return {9, 2}; }

private:
    int WysokoscUkladu(tUkladRysowania u) const;

    tZwrStatus status_ = tZwrStatus::gora;
    tZwrTyp typ_ = tZwrTyp::JedenNaDwa;
    tUkladRysowania lewyUklad_ = urGora;
    tUkladRysowania prawyUklad_ = urGora;
};
