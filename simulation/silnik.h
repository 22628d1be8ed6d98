#pragma once

// The simulation engine (TSilnikSymulacji), which makes the day's trains from the timetable and moves
// them tick by tick, judging the dispatcher.

#include "simulation/ocena.h"
#include "simulation/utrudnienia.h"
#include "trains/pociag.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

class TRozkladJazdy;
class TStacja;
class TPunkt;
class TWlot;
class TWlotStacyjny;

// The simulation: it prepares the day's trains from the timetable, and on every tick announces,
// admits, moves, stops and dispatches them, judging the dispatcher in the journal.
class TSilnikSymulacji {
public:
    // One journal line: points, text, detail, and what it judges.
    using TDziennik =
        std::function<void(std::int32_t punkty, const std::string& tekst, const std::string& opis, const TOcena& ocena)>;

    // `teraz` reads the simulated clock; `dziennik` takes every judgement of the step, whatever
    // elements the layout has.
    TSilnikSymulacji(TRozkladJazdy& rozklad, std::function<double()> teraz, TDziennik dziennik);
    ~TSilnikSymulacji();
    TSilnikSymulacji(const TSilnikSymulacji&) = delete;
    TSilnikSymulacji& operator=(const TSilnikSymulacji&) = delete;

    // The day's disturbances, set before the first day is prepared.
    TUtrudnienia Utrudnienia;
    // Every entry of the station, in component order (the station's own entry too).
    std::vector<TWlot*> Wloty;
    // Every train of the day, in their order; the engine owns them.
    const std::vector<std::unique_ptr<TPociag>>& PociagiDnia() const { return pociagiDnia_; }

    // Makes the day's trains and queues them at their entries. Run again (at midnight), it keeps the
    // trains still on the layout and drops, with a journal line each, those of the old day that
    // never came in.
    void PrzygotujPociagi(TStacja& okno);
    void KrokSymulacji();

    // kind 0: the first train queued at the entry; 1: the one due to be announced; 2: the one due
    // to come in.
    TPociag* NastepnyPociag(const TWlot& wlot, int rodzaj) const;
    int LiczbaPociagowNaStacji() const;
    void OdswiezEtykiety();
    void ZapiszWDzienniku(std::int32_t punkty, const std::string& tekst, const std::string& opis, TOcena ocena = {});
    TWlotStacyjny* WlotStacyjny() const;
    TWlot* ZnajdzWlot(const std::string& nazwa) const;

    // When the train left the station through its exit, by the simulated clock; none while it has
    // not.
    std::optional<double> CzasOdjazdu(const TPociag* pociag) const;
    // A departure less than this many minutes after its time is punctual.
    static constexpr int MinutyPunktualnosci = 2;
    // A departure's delay in whole minutes as the journal judges it: early below zero, punctual
    // zero, late above (the departure as CzasOdjazdu gives it).
    static int OpoznienieOdjazdu(double planowy, double odjazd);

    // The day's faults of elements (a day with faults only), and which day of the game it is.
    const std::vector<TUsterkaElementu>& Usterki() const { return usterki_; }
    int Dzien() const { return dzien_; }

    // Whether the train is one of the day's and not freed, without a walk over the day.
    bool PociagDnia(const TPociag* pociag) const { return znanePociagi_.count(pociag) != 0; }
    // The trains freed since the day was prepared (or restored), in order, and a number that
    // changes whenever the list starts again: a follower reads on from where it stopped.
    const std::vector<const TPociag*>& Usuniete() const { return usuniete_; }
    std::uint64_t EpokaUsunietych() const { return epokaUsunietych_; }

    // Takes a train made during the run (a split-off unit) into the day's list.
    TPociag* Przyjmij(std::unique_ptr<TPociag> pociag);
    // Takes the train out of the day and frees it, after every reference to it is cleared.
    void Usun(TPociag* pociag);

private:
    friend class TPunktKontrolny;
    void ObsluzWlot(TWlot& wlot);
    // On a day with delays: the train due to be announced from the line, or none while the line is
    // kept for a train here about to leave by it.
    TPociag* ZapowiedzPoOdjezdzie(const TWlot& wlot, TPociag& t);
    // A train announced on the line: the allowances of the trains it keeps from leaving by it.
    void LiniaZajeta(const TWlot& wlot, const TPociag& a);
    void PrzesunPociag(TPunkt& p, TPociag& t);
    double Teraz() const { return teraz_(); }
    // Clears every point, announcement field and queue holding the train.
    void Odlacz(TPociag* pociag);
    void Odlacz(const std::unordered_set<const TPociag*>& pociagi);
    void ZwolnijOdlozone();
    // The day's disturbances laid on the trains just made and on the elements.
    void PrzygotujUtrudnienia(double teraz);
    void OpoznijPociagi(TWlot& wlot);
    void DodajDodatkowe(double teraz);
    void ZwlokiOdjazdow();
    void UsterkiDnia();
    // Faults that begin or end now, and the notices of extra trains due now.
    void KrokUtrudnien();
    // The day's list taken as it is now: PociagDnia's set made again, Usuniete started again.
    void PoliczPociagiDnia();

    TRozkladJazdy& rozklad_;
    std::function<double()> teraz_;
    TDziennik dziennik_;
    TStacja* okno_ = nullptr;
    std::vector<std::unique_ptr<TPociag>> pociagiDnia_;
    std::unordered_set<const TPociag*> znanePociagi_;
    std::vector<const TPociag*> usuniete_;
    std::uint64_t epokaUsunietych_ = 0;
    // Trains joined into others during a step; freed once the step is over.
    std::vector<TPociag*> doUsuniecia_;
    // The departures of the day's trains that have left, by the simulated clock.
    std::unordered_map<const TPociag*, double> odjazdy_;
    // Per entry, the announced train already taken out of its queue: the announcement holds it for
    // many steps, and looking for it in a long queue every step cost more than the rest of the step.
    // Forgotten with the train, so that a new train made at its address is taken out too.
    std::unordered_map<const TWlot*, const TPociag*> wyjeteZKolejki_;
    // The game's day, counted from 0 at its first preparing; it names the day's chance.
    int dzien_ = 0;
    std::vector<TUsterkaElementu> usterki_;
};

