#pragma once

// The station: the owner of every component of the window and the services they share.

#include "core/dzwieki.h"
#include "core/komunikaty.h"
#include "core/zegary.h"
#include "station/komponent.h"
#include "station/plotno.h"
#include "station/wyroznienia.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <typeindex>
#include <typeinfo>
#include <unordered_map>
#include <vector>

class TElement;
class TPunkt;
class TPrzyciskElementu;
class TSemafor;
class TSterowanieSemaforem;
class TWlot;
class TZwrotnica;

// The model of the station window's components: it owns every component in creation order, which
// is the order of every walk over them, and keeps the drawing order of the diagram.
class TStacja {
public:
    // The timers of the frames that only draw the eye (TWyroznienia) may be others than the
    // elements' own: what only the window shows has no place in the game's record.
    TStacja(TZegary& zegary, TDzwieki& dzwieki, TKomunikaty& komunikaty, TZegary* zegaryWidoku = nullptr);
    ~TStacja();
    TStacja(const TStacja&) = delete;
    TStacja& operator=(const TStacja&) = delete;

    template <typename T>
    T& Dodaj(const std::string& nazwa)
    {
        auto k = std::make_unique<T>(*this);
        k->Name = nazwa;
        T& ref = *k;
        Przyjmij(std::move(k));
        return ref;
    }

    // By name, without regard to case; nullptr when there is none.
    TKomponent* Znajdz(const std::string& nazwa) const;
    template <typename T>
    T* Znajdz(const std::string& nazwa) const
    {
        return dynamic_cast<T*>(Znajdz(nazwa));
    }
    const std::vector<std::unique_ptr<TKomponent>>& Komponenty() const { return komponenty_; }
    // The components the simulation walks on every step, by kind, each in creation order; kept as
    // components come and go.
    const std::vector<TPunkt*>& Punkty() const { return punkty_; }
    const std::vector<TWlot*>& Wloty() const { return wloty_; }
    const std::vector<TSemafor*>& Semafory() const { return semafory_; }
    const std::vector<TZwrotnica*>& Zwrotnice() const { return zwrotnice_; }
    // Every button that shows an element.
    const std::vector<TPrzyciskElementu*>& Przyciski() const { return przyciski_; }
    // How many points that count as the station (TPunkt::LiczySieDoStacji) hold a train; the
    // points tell of every change.
    int PociagiNaStacji() const { return pociagiNaStacji_; }
    void ZmienPociagiNaStacji(int zmiana) { pociagiNaStacji_ += zmiana; }
    // How many elements have a fault now (TElement::SetUsterka tells); the diagram marks them.
    int Usterki() const { return usterek_; }
    void ZmienUsterki(int zmiana) { usterek_ += zmiana; }
    static constexpr TKolor KolorUsterki{255, 140, 0};

    // Every component of the class, in creation order. Each class's list is looked up once and kept
    // until a component comes or goes: the automatic dispatcher asks for some on every tick, and a
    // type lookup over the whole layout each time was most of its cost. A copy, so that a walk over
    // it may add or remove components.
    template <typename T>
    std::vector<T*> Wszystkie() const
    {
        std::unique_ptr<TListaRodzaju>& lista = listyRodzajow_[std::type_index(typeid(T))];
        if (lista == nullptr) {
            auto nowa = std::make_unique<TLista<T>>();
            for (const auto& k : komponenty_)
                if (auto* t = dynamic_cast<T*>(k.get()))
                    nowa->Elementy.push_back(t);
            lista = std::move(nowa);
        }
        return static_cast<const TLista<T>&>(*lista).Elementy;
    }

    // Removes and destroys the component after every other one has forgotten it.
    void Usun(TKomponent* komponent);

    // The diagram's drawing order, back to front.
    const std::vector<TKomponent*>& KolejnoscRysowania() const { return kolejnosc_; }
    void NaWierzch(TKomponent* komponent);
    void NaSpod(TKomponent* komponent);

    // Draws every visible component of the container, back to front, each at its place; with a
    // filter, only those it lets through.
    void Rysuj(TPlotno& p, const std::string& kontener = TKomponent::Diagram,
               const std::function<bool(TKomponent&)>& filtr = {}) const;
    // The topmost visible element under the point of the diagram: the one target of clicks, double
    // clicks, hints and menus.
    TElement* ElementW(TPunktXY punkt) const;
    // Size of a container's content: the farthest edge of any visible component on it.
    TPunktXY Rozmiar(const std::string& kontener = TKomponent::Diagram) const;

    TZegary& Zegary() const { return zegary_; }
    // The timers of what only the window shows.
    TZegary& ZegaryWidoku() const { return zegaryWidoku_; }
    TDzwieki& Dzwieki() const { return dzwieki_; }
    TKomunikaty& Komunikaty() const { return komunikaty_; }
    // The interlocking's signal action, which clicks on signals go through; none until it is given.
    TSterowanieSemaforem* SterowanieSemaforem() const { return sterowanieSemaforem_; }
    void UstawSterowanieSemaforem(TSterowanieSemaforem* sterowanie) { sterowanieSemaforem_ = sterowanie; }

    // The window's colour, which components without a colour of their own show.
    TKolor KolorOkna = kolory::TloOkna;
    // The game's sounds switch ("odtwarzaj dźwięki").
    bool OdtwarzajDzwieki = true;
    // The window's option that writes each train's label beside the track, switch or signal that
    // holds it, where the element itself shows none. Off, the diagram is exactly the elements' own.
    bool EtykietyPociagow = false;
    // What the trains' labels keep clear of; worked out for the layout on the first call after a
    // component came or went.
    const std::vector<TProstokat>& ObszaryBezEtykiet() const;
    // Frames that blink around elements for a while, drawn over the diagram.
    TWyroznienia& Wyroznienia() { return wyroznienia_; }
    const TWyroznienia& Wyroznienia() const { return wyroznienia_; }
    // Told of every repaint request; the window repaints the component, tests count.
    std::function<void(TKomponent*)> OnOdswiez;
    void Odswiez(TKomponent* komponent) const;

private:
    struct TListaRodzaju {
        virtual ~TListaRodzaju() = default;
    };
    template <typename T>
    struct TLista : TListaRodzaju {
        std::vector<T*> Elementy;
    };

    void Przyjmij(std::unique_ptr<TKomponent> komponent);

    TZegary& zegary_;
    TZegary& zegaryWidoku_;
    TDzwieki& dzwieki_;
    TKomunikaty& komunikaty_;
    TSterowanieSemaforem* sterowanieSemaforem_ = nullptr;
    std::vector<std::unique_ptr<TKomponent>> komponenty_;
    std::vector<TKomponent*> kolejnosc_;
    mutable std::optional<std::vector<TProstokat>> obszaryBezEtykiet_;
    TWyroznienia wyroznienia_{*this};
    std::vector<TPunkt*> punkty_;
    std::vector<TWlot*> wloty_;
    std::vector<TSemafor*> semafory_;
    std::vector<TZwrotnica*> zwrotnice_;
    std::vector<TPrzyciskElementu*> przyciski_;
    // Wszystkie's lists by class, made on the first call.
    mutable std::unordered_map<std::type_index, std::unique_ptr<TListaRodzaju>> listyRodzajow_;
    int pociagiNaStacji_ = 0;
    int usterek_ = 0;
};
