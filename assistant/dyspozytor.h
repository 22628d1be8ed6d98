#pragma once

// The automatic dispatcher (TAutomatycznyDyspozytor), which plays the station by the timetable
// through the player's own acts, and the conflicts it reports.

#include "assistant/przebiegi.h"
#include "trains/kierunek.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

class TPociag;
class TPunkt;
class TRogatka;
class TSemafor;
class TSilnikSymulacji;
class TStacja;
class TTor;
class TWlot;
class TWktColorButton;

// What the dispatcher works on: the station, the engine and the clock of the run that owns it, and the
// run's way of doing an act, whose fault goes to the run's handler. The run hands over these rather
// than itself, so that the assistant needs nothing of the window's duties or of the record.
struct TWidokRuchu {
    TStacja& Stacja;
    TSilnikSymulacji& Silnik;
    const double& Czas;
    // Holds the ticks back while an order is given, as the open train menu does for the player.
    bool& Wstrzymany;
    std::function<void(const std::function<void()>&)> Wykonaj;
};

// One act of the automatic dispatcher, as the player would make it: a button pressed or a train
// menu item chosen.
struct TAktDyspozytora {
    // The driver command that does the same: `press NAME` or `menu POINT "ITEM" ["SUBITEM"]`.
    std::string Polecenie;
    // What the hint line says about it.
    std::string Opis;
    // The same told to the player as advice ("Przełóż zwrotnicę zw1 dla pociągu 34101").
    std::string Rada;
    // The train it is made for, if any, and the diagram element and page button to use (empty for
    // none: a route has no element, a train order no button).
    std::string Pociag;
    std::string Element;
    std::string Przycisk;
};

// What the dispatcher will do next when it has nothing to do now.
struct TNastepnaPraca {
    double Czas = 0;
    std::string Opis;  // "droga wjazdu dla pociągu 34101 z wOlsz"
};

// Where the automatic dispatcher found two trains needing one thing at once.
struct TKonfliktDyspozytora {
    double Czas = 0;
    std::string Pociagi;  // "34101" or "34101, 44601"
    std::string Miejsce;  // a point's name, or "linia wOlsz"
    std::string Tekst() const;
};

// The automatic dispatcher: it plays the station by the timetable through the player's own acts
// only (switch, barrier, signal and route buttons, the train menu), so that everything it does is
// judged as the player's acts are. It can play every line or only the trains of some entries
// (the station's own entry standing for the trains that start here); whatever the player does
// meanwhile it takes as done and never undoes.
class TAutomatycznyDyspozytor {
public:
    // Setting up a train's way in starts this long before the train is due on the entry; its way
    // out this long before its departure.
    static constexpr int MinutyPrzedWjazdem = 3;
    static constexpr int MinutyPrzedWyjazdem = 2;
    // Barriers stay down when a movement over them is due within this many minutes.
    static constexpr int MinutyRogatek = 5;
    // The name that stands for the trains starting in the station.
    static constexpr const char* WlotStacji = "stacja_Drelinko";

    explicit TAutomatycznyDyspozytor(TWidokRuchu ruch);
    ~TAutomatycznyDyspozytor();

    // Every line (empty name) or one entry's trains; false for a name that is no entry.
    bool Wlacz(bool wlaczony, const std::string& wlot = {});
    bool Wlaczony(const std::string& wlot) const;
    bool WlaczonyDlaWszystkich() const { return wszystkie_; }
    bool CokolwiekWlaczone() const { return wszystkie_ || !wloty_.empty(); }
    // The entries the dispatcher can be switched on for, in component order.
    std::vector<std::string> Wloty() const;

    // Plans the day's trains again (the day was prepared, or the dispatcher switched on).
    void Planuj();
    // Once per tick, before the simulation step: makes every act that is due.
    void Dzialaj();
    // For a hint: the first act due now, made on nothing (the station and the run are left exactly
    // as they are); false when none is due. A dispatcher used for this treats every barrier as its
    // own, since it advises the player who moves them all.
    bool PierwszyAkt(TAktDyspozytora& akt);
    // Makes this a dispatcher that only advises: it never acts, so what it would have done it learns
    // from the layout (where a locomotive running round its coaches has got to), and every barrier
    // is the player's to raise.
    void UstawDoradce() { doradca_ = true; }
    // The earliest act planned after now, if any.
    bool NastepnaPraca(TNastepnaPraca& praca) const;

    // Told of every act as it is made.
    std::function<void(const TAktDyspozytora&)> OnAkt;
    // The first conflicts found, in order (at most one per train and act).
    const std::vector<TKonfliktDyspozytora>& Konflikty() const { return konflikty_; }
    // The platform planned for the train; nullptr when it has none.
    const TPunkt* PlanowanyPeron(const std::string& numer) const;

private:
    friend class TPunktKontrolny;
    enum class tEtap : std::uint8_t { czeka, wjezdza, stoi, formuje, wyjezdza, odjechal, koniec };
    struct TRuch;
    struct TZadanie;

    TWidokRuchu ruch_;
    std::unique_ptr<TMapaPrzebiegow> mapa_;
    bool wszystkie_ = false;
    std::set<std::string> wloty_;
    std::vector<std::unique_ptr<TZadanie>> zadania_;
    std::vector<TKonfliktDyspozytora> konflikty_;

    // Built once per tick: the point of each train on the layout (a few, so looked through rather
    // than hashed; a train asked for and not there gets an empty entry, as a map's operator[] would).
    std::vector<std::pair<const TPociag*, TPunkt*>> gdzie_;
    TPunkt*& Gdzie(const TPociag* t);
    TPunkt* GdzieJest(const TPociag* t) const;
    // The kinds of the layout's tracks, gathered once with the barriers.
    std::vector<TTor*> toryMapy_;
    // The tick's queue of tasks, kept to spare its memory.
    std::vector<std::size_t> kolejka_;
    // A train waiting at its entry to come in, neither announced nor next there, can do nothing in a
    // tick; on a long day most trains wait so. A tick looks at the others only: the tasks below, by
    // their place in the plan, and those whose train is on the layout, next at its entry, or freed
    // since the last tick. The plan's order of acts stays.
    std::vector<std::size_t> czynne_;
    std::unordered_map<const TPociag*, std::size_t> nrZadania_;
    // Whether nrZadania_ is of the plan as it is, whether czynne_ is (made by a tick that gave every
    // task of its queue its turn), and how far the engine's list of freed trains has been read.
    bool planZnany_ = false;
    bool czynneZnane_ = false;
    std::uint64_t epokaUsunietych_ = 0;
    std::size_t przeczytaneUsuniete_ = 0;
    // The barriers on the map's routes, in the order of the routes; gathered once.
    std::vector<TRogatka*> rogatkiMapy_;
    bool rogatkiZebrane_ = false;
    // Points held by a shunting movement under way, and who locked what.
    std::set<const TPunkt*> rezerwacje_;
    std::map<const TPunkt*, std::string> wlasciciele_;
    // The barriers' positions as the dispatcher last left them; those the player moved since are his.
    std::map<TRogatka*, bool> rogatki_;
    std::set<TRogatka*> rogatkiGracza_;
    // The barriers the dispatcher lowered itself.
    std::set<TRogatka*> nasze_;
    double teraz_ = 0;
    bool doradca_ = false;
    // Peeking for a hint: the first act is kept here instead of being made.
    TAktDyspozytora* podglad_ = nullptr;
    // The train of the plan being worked on.
    const TZadanie* biezace_ = nullptr;

    TMapaPrzebiegow& Mapa();
    bool Obslugiwany(const TZadanie& z) const;
    // A tick's work on one train: what became of it, then its next act if it is due.
    void Pracuj(TZadanie& z);
    // Whether the task may act in a tick whatever its train does (see czynne_).
    static bool Czynne(const TZadanie& z);
    void Rozpoznaj(TZadanie& z);
    void Prowadz(TZadanie& z);
    void Formuj(TZadanie& z);
    // Advising: how far the run-round has got, seen on the layout.
    void RozpoznajObjazd(TZadanie& z, const TPociag& sklad);
    void PilnujRogatek();

    // A train's movement over a route: everything missing is done at once, or nothing when the
    // route cannot be had now (the reason goes into `powod`).
    bool UstawDroge(TZadanie& z, const TPrzebieg& p, tSemType kierunek, const TPunkt* pomin, std::string& powod,
                    TWlot* naLinie = nullptr);
    bool DrogaWolna(const TPrzebieg& p, const TPunkt* pomin, std::string& powod) const;
    bool DrogaUtwierdzona(const TPrzebieg& p, const TPunkt* pomin) const;
    bool WolnaDlaManewru(const TDrogaUkladu& d, std::string& powod) const;
    // Whether the route's switches that must move and its barriers that must come down can, for the
    // day's faults; otherwise `powod` names the faulty element, and the route waits for its repair.
    bool Sprawna(const TDrogaUkladu& d, std::string& powod) const;
    bool Sprawna(const TPrzebieg& p, std::string& powod) const;
    // Whether the train may take its platform now, leaving enough for trains on their way in before it.
    bool PeronDlaWczesniejszych(const TZadanie& z) const;
    // Another platform for a train whose planned one is taken when it comes: the nearest free now.
    void ZmienPeron(TZadanie& z);
    // The substitute signal at a signal that cannot show S2, on its locked route.
    void DajSz(TZadanie& z, TSemafor* s);
    // A signal of the train's route left at stop: S2, or Sz when it cannot show S2.
    void OtworzSemafor(TZadanie& z, TSemafor* s);
    // A signal of the train's locked route that a fault left at stop, repaired since: S2 now.
    void SemaforyPoNaprawie(TZadanie& z);
    // A train held at such a signal: the signal, then on Sz the order to go on.
    void PrzepuscNaSz(TZadanie& z);
    void UstawZwrotnice(const TDrogaUkladu& d, const std::string& numer);
    void OpuscRogatke(TRogatka* r, const std::string& numer);

    void Nacisnij(TWktColorButton* b, const std::string& opis, const std::string& rada);
    bool Menu(TPunkt* p, const std::vector<std::string>& pozycje, const std::string& opis, const std::string& rada);
    // Tells of the act; true when it is only peeked at and must not be made.
    bool Zglos(TAktDyspozytora akt);
    void Konflikt(TZadanie& z, int akt, const std::string& powod);
    // The ways of a locomotive round the coaches standing at `peron`, shortest first: from the
    // platform, or from the point where the locomotive already stands.
    std::vector<std::vector<TRuch>> Objazdy(TPunkt* peron, tSemType kierunek, TPunkt* lokomotywa = nullptr) const;
};
