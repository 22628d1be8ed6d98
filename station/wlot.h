#pragma once

// Sidings, the line entries trains come in and leave by, and the station's own entry.

#include "core/nazwy_wartosci.h"
#include "station/upunkt.h"

#include <string>
#include <vector>

class TZapowiedz;

// A siding: a dead-end or parking point.
class TBocznica : public TPunkt {
public:
    using TPunkt::TPunkt;
    const char* NazwaKlasy() const override { return "TBocznica"; }
    unsigned Rodzaje() const override { return rpBocznica; }

    tSemType Typ() const { return typ_; }
    void SetTyp(tSemType t);

    void Paint(TPlotno& p) override;
    bool UstawWlasciwosc(const std::string& nazwa, const std::string& wartosc) override;

protected:
    TPunktXY DomyslnePrzesuniecieEtykiety() const override { return {1, Height - 2}; }

private:
    tSemType typ_ = stLewy;
};

enum TRodzajWlotu : std::uint8_t { rwWlot = 0, rwWylot = 1, rwWlotWylot = 2 };

template <>
struct TNazwyWartosci<TRodzajWlotu> {
    static constexpr TNazwaWartosci<TRodzajWlotu> Tabela[] = {
        {rwWlot, "rwWlot"}, {rwWylot, "rwWylot"}, {rwWlotWylot, "rwWlotWylot"}};
};

// A line entry at the edge of the diagram: trains come in from the line and leave into it here,
// and it keeps the queue of the day's trains that will come in through it.
class TWlot : public TBocznica {
public:
    using TBocznica::TBocznica;
    const char* NazwaKlasy() const override { return "TWlot"; }
    unsigned Rodzaje() const override { return TBocznica::Rodzaje() | rpWlot; }
    const char* PlikDzwieku() const override { return "pipipi.wav"; }

    TRodzajWlotu RodzajWlotu() const { return rodzaj_; }
    void SetRodzajWlotu(TRodzajWlotu r);
    TZapowiedz* Zapowiedz = nullptr;
    TZapowiedz* ZapowiedzRozkladu = nullptr;
    const std::vector<std::string>& KierunkiJazdy() const { return kierunki_; }
    // Copies and sorts the places, ignoring case.
    void SetKierunkiJazdy(std::vector<std::string> kierunki);
    std::int32_t Wyprzedzenie = 0;
    // The trains that will come in through this entry, in order; not owned.
    std::vector<TPociag*> Pociagi;

    // Wyprzedzenie as a time of day (a fraction of a day).
    double WyprzedzenieJakoCzas() const;
    // Whether the first train of the queue may come in: a route is locked from here and the way in
    // is clear.
    bool WjazdDozwolony() const;

    TPunktXY ConnectionPoint(const TTor* tor) const override;
    TPunkt* Neighbour(int strona) const override;
    void Paint(TPlotno& p) override;
    bool UstawWlasciwosc(const std::string& nazwa, const std::string& wartosc) override;
    bool UstawReferencje(const std::string& nazwa, TKomponent* cel) override;
    void Usuwany(TKomponent* k) override;

protected:
    TPunktXY DomyslnePrzesuniecieEtykiety() const override { return {5, Height}; }

private:
    TRodzajWlotu rodzaj_ = rwWlot;
    std::vector<std::string> kierunki_;
};

// The station's own, invisible entry: for trains that start or end their run here, and the outlet
// of the simulation's journal lines.
class TWlotStacyjny : public TWlot {
public:
    using TWlot::TWlot;
    const char* NazwaKlasy() const override { return "TWlotStacyjny"; }
    unsigned Rodzaje() const override { return TWlot::Rodzaje() | rpWlotStacyjny; }

    TDodajDoDziennikaProc OnDodajDoDziennika;
    void DoDodajDoDziennika(std::int32_t punkty, const std::string& s1, const std::string& s2);
};
