#pragma once

// The train list "Pociągi" as data (TListaPociagow): every train of the day with where it is, its delay
// and its state, kept up to date row by row.

#include "station/kolor.h"
#include "trains/pociag.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

class TElement;
class TPunkt;
class TSymulacjaStacji;
class TWlot;

// Where a train of the day is now, in the order the list sorts them.
enum class tMiejscePociagu : std::uint8_t {
    wRozkladzie,    // queued at its entry, not announced yet
    zapowiedziany,  // announced on its line
    czekaNaWjazd,   // announced, and its time to come in has come: it waits at the entry for a way in
    czekaNaSklad,   // starts in the station, its time has come, and its consist is still to be formed
    naStacji,       // on a point of the diagram
    odjechal,       // gone: left the station through its exit
};

// One row of the train list "Pociągi", as it is shown.
struct TWierszPociagu {
    const TPociag* Pociag = nullptr;
    std::string Numer;
    std::string Relacja;
    // Planned times, and as shown ("h:mm", "h.mm" without a platform stop; empty for a shunting unit).
    double Przyjazd = 0, Odjazd = 0;
    std::string PrzyjazdTekst, OdjazdTekst;
    tMiejscePociagu Miejsce = tMiejscePociagu::wRozkladzie;
    // The point holding the train, or the entry it waits at or is queued at; none when gone.
    const TElement* Gdzie = nullptr;
    std::string MiejsceTekst;
    // Whole minutes, late positive, early negative; none where no time is due (a shunting unit, a
    // train that ended its run, a departure the day did not see).
    std::optional<int> Opoznienie;
    std::string OpoznienieTekst;
    tStanJazdy Stan = tStanJazdy::postoj;
    std::string StanTekst;
    // The one-line description, for the row's tooltip.
    std::string Opis;

    // Which of the shown values the last refresh changed, so that a view redraws only those.
    enum tPole : std::uint8_t {
        pNumer = 1u << 0,
        pRelacja = 1u << 1,
        pPrzyjazd = 1u << 2,
        pOdjazd = 1u << 3,
        pMiejsce = 1u << 4,
        pOpoznienie = 1u << 5,
        pStan = 1u << 6,
        pOpis = 1u << 7,
    };
    std::uint8_t ZmienionePola = 0;

private:
    friend class TListaPociagow;
    // What the texts were made from, to tell a changed row from an unchanged one cheaply.
    std::string sklad_;
    std::string numer_;
    std::uint8_t flagi_ = 0;
    tSemType kierunek_ = stLewy;
    bool wypelniony_ = false;
};

// The train list "Pociągi": every train of the day with where it is, its delay and its state. It is
// brought up to date on every tick and tells which rows changed, so that a view redraws only those.
class TListaPociagow {
public:
    // How long and in which colour a chosen train is shown on the diagram.
    static constexpr int CzasWskazania = 1500;
    static constexpr TKolor KolorWskazania{0, 144, 255};

    explicit TListaPociagow(TSymulacjaStacji& symulacja);

    // Brings the rows up to date. True when the day's set of trains changed, and every row is to be
    // taken afresh; otherwise Zmienione() names the rows that changed.
    bool Odswiez();
    const std::vector<TWierszPociagu>& Wiersze() const { return wiersze_; }
    const std::vector<std::size_t>& Zmienione() const { return zmienione_; }

    // The element of the diagram that shows the train: the point that holds it, else the field that
    // announces it, else its entry; none when it is not on the diagram.
    TElement* Element(const TPociag* pociag) const;
    // Draws the eye to the train on the diagram for a moment; the element that blinks, or none.
    TElement* Wskaz(const TPociag* pociag);
    // As a double click on the train's point, the player's act `dblclick POINT`: its dialog there. A train that no point holds is
    // described in a message. A train no longer of the day is passed over.
    void Otworz(const TPociag* pociag);

    static const char* NazwaMiejsca(tMiejscePociagu m);

private:
    struct Polozenie {
        const TPunkt* punkt = nullptr;  // a point of the layout that holds it
        const TPunkt* pole = nullptr;   // the announcement field of the entry that announces it
        const TWlot* zapowiedz = nullptr;
        const TWlot* kolejka = nullptr;  // the entry at which it is queued
    };
    void Przebuduj();
    void Uzupelnij(TWierszPociagu& w, const Polozenie& gdzie);
    const TPociag* ZDnia(const TPociag* pociag) const;

    TSymulacjaStacji& sym_;
    std::vector<TWierszPociagu> wiersze_;
    std::vector<std::size_t> zmienione_;
    std::unordered_map<const TPociag*, std::size_t> indeks_;
    std::vector<Polozenie> polozenia_;
    // The points that may hold a train on the layout (announcement fields excepted), in component
    // order; taken again if the station's components change.
    std::vector<TPunkt*> punkty_;
    std::size_t liczbaKomponentow_ = 0;
};
