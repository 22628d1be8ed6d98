#pragma once

// The station elements: the base classes every element of the diagram shares.

#include "station/komponent.h"
#include "station/typy.h"

#include <array>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

class TPociag;
class TElement;
class TTor;

// A dispatcher's fault: the act is refused, the fault costs points and is shown and logged by the
// station's fault handler.
class TElemExc : public std::runtime_error {
public:
    TElemExc(TElement* element, const std::string& tekst, std::int32_t punkty);

    TElement* Element;
    std::int32_t Punkty;
    // Where on the diagram the fault shows, when that is not the element: the point at which a
    // refused route's walk stopped. None by default.
    TElement* Miejsce = nullptr;
    // Refused by a fault of the element itself rather than the dispatcher's: it costs nothing.
    bool UsterkaUrzadzenia = false;
};

// A fault of the dispatcher at a component (an element, or a button acting on no element): counted
// and repainted there, told to its hook, and raised with -10 points naming the element, if any.
template <typename Sprawca>
[[noreturn]] void ZglosBlad(Sprawca& sprawca, TElement* element, const std::string& tekst)
{
    ++sprawca.LicznikBledow;
    sprawca.Repaint();
    if (sprawca.OnError)
        sprawca.OnError(sprawca);
    throw TElemExc(element, tekst, -10);
}

// Hook called on every fault, before the exception is raised.
using TPunktError = std::function<void(TElement& sender)>;
// One journal line: points (positive a bonus, negative a penalty), a headline and a detail.
using TDodajDoDziennikaProc = std::function<void(std::int32_t punkty, const std::string& s1, const std::string& s2)>;
using TNotifyEvent = std::function<void(TKomponent* sender)>;

class TPrzyciskElementu;

// Every object of the diagram: fault reporting, sound, the link to its point button, its label.
class TElement : public TKomponent {
public:
    explicit TElement(TStacja& stacja);

    std::int32_t LicznikBledow = 0;
    TPunktError OnError;
    TNotifyEvent OnModified;
    std::function<void()> OnClick;
    std::function<void()> OnDblClick;
    TPrzyciskElementu* Przycisk = nullptr;
    std::int32_t CustomOffsetX = 0;
    std::int32_t CustomOffsetY = 0;

    // Repaints every point button that shows this element.
    virtual void RepaintButtons();
    // Counts the fault and raises TElemExc with -10 points: the calling act goes no further.
    [[noreturn]] virtual void Error(const std::string& tekst);
    // A fault of the device itself, for a while of a day with disturbances: what it says, empty
    // while the element works. The diagram marks a faulty element.
    std::string Usterka;
    void SetUsterka(const std::string& opis);
    // Refuses the act the fault prevents, at no cost to the dispatcher: the calling act goes no further.
    [[noreturn]] void OdmowaUsterki(const std::string& tekst);
    virtual void PlaySound();

    // A click on the element on the diagram; a double click.
    virtual void Click();
    virtual void DblClick();

    // The sound file of the class; empty for silent classes.
    virtual const char* PlikDzwieku() const { return ""; }

    bool UstawWlasciwosc(const std::string& nazwa, const std::string& wartosc) override;
    void Usuwany(TKomponent* k) override;

    // Where the name label's rectangle lies, relative to the element.
    TProstokat ProstokatEtykiety() const;
    // Whether the element draws a name label at all (tracks and crossing lamps do not).
    virtual bool MaEtykiete() const { return true; }

protected:
    // Where the name label sits relative to the element when no custom offset is given.
    virtual TPunktXY DomyslnePrzesuniecieEtykiety() const { return {5, Height - 2}; }
    // The point text (trains' labels) and the name label on the parent's surface.
    void DrawCaption(TPlotno& p);
    // The text drawn inside the element; empty for elements that show none.
    virtual std::string TekstPunktu() const { return {}; }
};

// The kinds of point the simulation asks about on every step. A point answers with the kinds of its
// class and of every class it derives from, so the step needs no run-time type lookup.
enum tRodzajPunktu : unsigned {
    rpTor = 1u << 0,
    rpZwrotnica = 1u << 1,
    rpSemafor = 1u << 2,
    rpZapowiedz = 1u << 3,
    rpPeron = 1u << 4,
    rpBocznica = 1u << 5,
    rpWlot = 1u << 6,
    rpWlotStacyjny = 1u << 7,
    rpPunktTorowy = 1u << 8,
};

// A place for a train's label beside its point: the rectangle, relative to the point, and how the
// text is placed in it.
struct TMiejsceEtykiety {
    TProstokat Prostokat;
    unsigned Flagi = 0;
};

// A point: has a state, may hold one train, shows its label, and joins the tracks on its sides.
class TPunkt : public TElement {
public:
    explicit TPunkt(TStacja& stacja);
    const char* NazwaKlasy() const override { return "TPunkt"; }

    virtual unsigned Rodzaje() const { return 0; }
    bool Jest(unsigned rodzaj) const { return (Rodzaje() & rodzaj) != 0; }
    // Whether a train held here counts as a train in the station: every point but the entries and
    // the announcement fields.
    bool LiczySieDoStacji() const { return !Jest(rpWlot | rpZapowiedz); }

    tStan Stan() const { return stan_; }
    virtual void SetStan(tStan wartosc);
    TPoStanie<TKolor> KoloryStanow;
    // The colour the point shows in its present state.
    virtual TKolor KolorStanu() const { return KoloryStanow[stan_]; }
    std::int32_t Pojemnosc() const { return pojemnosc_; }
    void SetPojemnosc(std::int32_t wartosc);
    TPociag* Pociag() const { return pociag_; }
    virtual void SetPociag(TPociag* wartosc);
    const std::string& Elementy() const { return elementy_; }
    virtual void SetElementy(const std::string& wartosc);
    // Puts back the state, train and text a saved game had, with nothing else done on the way
    // (no train is coupled, no sound, no button told).
    void PrzywrocStan(tStan stan, TPociag* pociag, const std::string& elementy);
    bool DisablePopupMenu = false;
    TTor* LewyTor = nullptr;
    TTor* PrawyTor = nullptr;

    // Where the track attaches to this point, in diagram coordinates; (-1, -1) when it does not.
    virtual TPunktXY ConnectionPoint(const TTor* tor) const;
    // The next point along which a train or a route continues on the side (0 left, 1 right),
    // with the switches as they lie now.
    virtual TPunkt* Neighbour(int strona) const;

    void DblClick() override;
    void Paint(TPlotno& p) override;
    // Whether the point's own drawing shows the train it holds (platforms, sidings, entries and
    // announcement fields); tracks, switches and signals need a label beside them.
    bool PokazujePociagSam() const;
    bool MaEtykietePociagu() const { return pociag_ != nullptr && !elementy_.empty() && !PokazujePociagSam(); }
    // The places a label of the width may take, relative to the point, best first: by default one
    // line centred just above the point, then just below it.
    virtual std::vector<TMiejsceEtykiety> MiejscaEtykietyPociagu(int szerokosc) const;
    // Writes the label at the place, with the origin at the point's top-left corner.
    void RysujEtykietePociagu(TPlotno& p, const TMiejsceEtykiety& miejsce) const;
    bool UstawWlasciwosc(const std::string& nazwa, const std::string& wartosc) override;
    void Usuwany(TKomponent* k) override;

protected:
    TPunktXY DomyslnePrzesuniecieEtykiety() const override { return {Width + 3, Height - 6}; }
    std::string TekstPunktu() const override;
    // Called inside SetStan after the button is updated; tracks re-evaluate their crossings.
    virtual void PoZmianieStanu() {}
    TPunktXY NaDiagramie(TPunktXY p) const { return {Left + p.x, Top + p.y}; }

private:
    tStan stan_ = tStan::wolny;
    std::int32_t pojemnosc_ = 1;
    TPociag* pociag_ = nullptr;
    std::string elementy_;
};

// A plain point of a track.
class TPunktTorowy : public TPunkt {
public:
    using TPunkt::TPunkt;
    const char* NazwaKlasy() const override { return "TPunktTorowy"; }
    unsigned Rodzaje() const override { return rpPunktTorowy; }
};

// Whether a train may stop at the point: every point but tracks, switches, signals and
// announcement fields.
bool MiejscePostoju(const TPunkt* punkt);

// One track stroke from a to b in the pen colour set by the caller: a single line for an inactive
// point, a hollow double line otherwise, filled for locked and occupied points.
void DrawTrackLine(TPlotno& p, TKolor kolor, tStan stan, TPunktXY a, TPunktXY b);

// The font of the name labels.
TCzcionka CzcionkaEtykiety();
// The font of the trains' labels written beside tracks.
TCzcionka CzcionkaEtykietyPociagu();
// A train's label is one line high, and never clipped.
inline constexpr int WysokoscEtykietyPociagu = 12;

// What hovering the element shows: the one-line description of the train a point holds, otherwise
// the element's hint (nothing when it shows no hint).
std::string TekstDymka(const TElement& element);
