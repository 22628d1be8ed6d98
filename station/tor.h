#pragma once

// The track between two points, with the barriers and crossings that guard it.

#include "station/typy_torow.h"
#include "station/upunkt.h"

class TRogatka;
class TPrzejazd;

// A track: a point that joins the point at its left end to the point at its right end.
class TTor : public TPunkt {
public:
    explicit TTor(TStacja& stacja);
    const char* NazwaKlasy() const override { return "TTor"; }
    unsigned Rodzaje() const override { return rpTor; }

    // Where the track meets its end points, in diagram coordinates; (-1, -1) while not located.
    TPunktXY LewyKoniec{-1, -1};
    TPunktXY PrawyKoniec{-1, -1};

    TPunkt* LewyPunkt() const { return lewyPunkt_; }
    TPunkt* PrawyPunkt() const { return prawyPunkt_; }
    void SetLewyPunkt(TPunkt* punkt);
    void SetPrawyPunkt(TPunkt* punkt);
    tZwrStatus LewyStatus() const { return lewyStatus_; }
    tZwrStatus PrawyStatus() const { return prawyStatus_; }
    void SetLewyStatus(tZwrStatus s);
    void SetPrawyStatus(tZwrStatus s);
    TRogatka* RogatkaGorne = nullptr;
    TRogatka* RogatkaDolne = nullptr;
    TPrzejazd* PrzejazdGorne = nullptr;
    TPrzejazd* PrzejazdDolne = nullptr;

    // Attaches the track to its end points and fits its bounds between them.
    void RelayoutTrack();
    bool AnyBarrierRaised() const;

    TPunkt* Neighbour(int strona) const override;
    void Paint(TPlotno& p) override;
    bool MaEtykiete() const override { return false; }
    std::vector<TMiejsceEtykiety> MiejscaEtykietyPociagu(int szerokosc) const override;
    bool UstawWlasciwosc(const std::string& nazwa, const std::string& wartosc) override;
    bool UstawReferencje(const std::string& nazwa, TKomponent* cel) override;
    void Usuwany(TKomponent* k) override;

protected:
    void PoZmianieStanu() override;

private:
    TPunkt* lewyPunkt_ = nullptr;
    TPunkt* prawyPunkt_ = nullptr;
    tZwrStatus lewyStatus_ = tZwrStatus::gora;
    tZwrStatus prawyStatus_ = tZwrStatus::gora;
};
