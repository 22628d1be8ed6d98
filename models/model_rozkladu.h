#pragma once

// The timetable window's model (TModelRozkladu): the filter, the search, the list of trains and the
// editor, without any widget, so that the window and the headless driver share it.

#include "core/komunikaty.h"
#include "station/stacja.h"
#include "station/wlot.h"
#include "trains/sklad.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

class TPociag;
class TRozkladJazdy;

// An entry element of the station as the timetable window needs it: no running simulation is
// required, so the window opens from the start window as well as from the station window.
struct TWlotRozkladu {
    std::string Nazwa;  // the element's name, as the trains' Wjezdza / Wyjezdza name it
    std::string Hint;   // "z Brzelan"
    TRodzajWlotu RodzajWlotu = rwWlotWylot;
    std::vector<std::string> KierunkiJazdy;
    bool Stacyjny = false;  // the station's own entry (TWlotStacyjny)
};

// The entries of a built station, in the station's order.
std::vector<TWlotRozkladu> WlotyStacji(const TStacja& stacja);
// The entries of Drelinko straight from the layout, for when no station window exists; problems
// of building the layout go to the message boxes.
std::vector<TWlotRozkladu> WlotyUkladu(TKomunikaty& komunikaty);

// One row of a check list: the entry's name and whether it is checked.
struct TWierszFiltru {
    std::string Nazwa;
    bool Zaznaczony = false;
};

// One row of the train list: its text with the markup and the train it stands for (owned by the
// timetable; valid until the next change of the timetable).
struct TWierszRozkladu {
    std::string Tekst;
    TPociag* Pociag = nullptr;
};

// The two check lists of the filter.
enum class tListaFiltru { przyjazd, odjazd };  // clbPrzyjazd, clbOdjazd
// The two entry drop-downs of the editor.
enum class tListaWlotow { wjezdza, wyjezdza };  // cbWjezdza, cbWyjezdza

// The editor's fields as typed. The window copies its controls here before a button is pressed,
// and shows them again after every call of the model (loading a train fills them).
struct TEdytorRozkladu {
    std::string Numer;            // eNumer
    std::string Sklad;            // eSklad
    std::string Opis;             // eOpis
    std::string RelacjaOd;        // cbRelacjaOd, its text
    std::string RelacjaDo;        // cbRelacjaDo, its text
    int Wjezdza = -1;             // cbWjezdza: position of the selected item, -1 for none
    std::string GodzWjezdza;      // cbGodzWjezdza
    int Wyjezdza = -1;            // cbWyjezdza: position of the selected item, -1 for none
    std::string GodzWyjezdza;     // cbGodzWyjezdza
    bool NieWymagaPeronu = false; // cbNieWymagaPeronu
};

// The timetable window without the window: its lists, the filtered list of trains with their
// cards, the editor and its buttons, and saving after every change. The game's window (TeRozklad)
// draws it; the headless driver prints it. Created when the window is created (the lists are
// filled then), Pokaz when it is shown; positions of rows and items count from 0.
//
// After every call the window shows Wiersze(), Zaznaczony() and Edytor again: a refill may move the
// selection and load another train into the editor.
class TModelRozkladu {
public:
    // The timetable and the message boxes are the program's; `wloty` the station's entries in the
    // station's order (WlotyStacji or WlotyUkladu).
    TModelRozkladu(TRozkladJazdy& rozklad, TKomunikaty& komunikaty, std::vector<TWlotRozkladu> wloty);

    // ---- Lists filled at creation ----
    // cbWjezdza: "- (rozpoczyna bieg)", then "<hint without "z "/"do "><<element name>" for every
    // entry through which trains can arrive. cbWyjezdza likewise with "- (kończy bieg)".
    const std::vector<std::string>& Wloty(tListaWlotow lista) const;
    // cbRelacjaOd and cbRelacjaDo (one list for both): every direction of every entry, sorted
    // without regard to case, without duplicates.
    const std::vector<std::string>& Kierunki() const { return kierunki_; }
    // clbPrzyjazd / clbOdjazd: the station's own entry first, then the entries of the matching
    // drop-down.
    const std::vector<TWierszFiltru>& Filtr(tListaFiltru lista) const;

    // The part of an entry item that the drop-down shows (before "<"), and the element name the
    // editor reads back (after "<"; empty for the first item).
    static std::string WidocznyTekst(const std::string& pozycja);
    static std::string NazwaElementu(const std::string& pozycja);

    // ---- Showing and the list ----
    // FormShow: every row of both check lists checked, the search emptied, the list filled.
    void Pokaz();
    // Fills the list: loads the timetable when it is empty at the first filling, sorts it by
    // PorownajPociagi (equal trains keep their order), shows the trains the filter and the search
    // let through, and keeps the selected row number (no selection when the row is gone).
    void PokazRozklad();
    const std::vector<TWierszRozkladu>& Wiersze() const { return wiersze_; }
    // The selected row, -1 for none.
    int Zaznaczony() const { return zaznaczony_; }
    TPociag* ZaznaczonyPociag() const;

    // PokazTylkoNiektore: checks or unchecks a row of a check list and fills the list again. False
    // (and nothing done) when there is no such row.
    bool ZaznaczFiltr(tListaFiltru lista, int wiersz, bool zaznaczony);
    // The row by its 1-based position or its text (without regard to case); -1 when none.
    int ZnajdzWierszFiltru(tListaFiltru lista, const std::string& wiersz) const;

    // The search text: only trains whose number, relation or description contains it (without
    // regard to case) are shown, besides the filter; blank switches it off. Fills the list again.
    void UstawSzukanie(const std::string& tekst);
    const std::string& Szukanie() const { return szukanie_; }

    // lbClick: selects the row and loads its train into the editor. False (and nothing done) when
    // there is no such row.
    bool Wybierz(int wiersz);

    // ---- The editor ----
    TEdytorRozkladu Edytor;
    // Types a value into a field, by the names the driver uses: numer, sklad, opis, od, do,
    // godz_wjezdza, godz_wyjezdza (as typed; read when a button is pressed), bez_peronu (0 or 1),
    // wjezdza, wyjezdza (an item by its 1-based position, its whole text or its element name).
    // Answers why the value was refused (for the script's error line), empty when it was typed.
    std::string UstawPole(std::string_view pole, const std::string& wartosc);
    // The fields in the driver's order and form: numer, sklad, opis, od, do, wjezdza (the selected
    // item's whole text or "-"), godz_wjezdza, wyjezdza, godz_wyjezdza, bez_peronu ("0"/"1").
    std::vector<std::pair<std::string, std::string>> PolaEdytora() const;
    // An item of an entry drop-down by its 1-based position, its whole text or its element name
    // (without regard to case); -1 when none.
    int ZnajdzWlot(tListaWlotow lista, const std::string& tekst) const;

    // ---- The buttons ----
    // "&Dodaj" and "&Zmień" (bDodajZmienClick). A time that cannot be read, an entry not chosen, a
    // text the file cannot hold or a full timetable is refused with "Nie można dodać." and the
    // reason; doubts about the train (SprawdzPociag) are asked, and No leaves everything as it was.
    // "&Zmień" without a selected row changes nothing. On success the list is filled again, the
    // train's row selected and loaded into the editor, and the timetable saved; a failed save is
    // told and undoes the change, so that memory, file and list agree. True when the timetable
    // was changed and saved.
    bool Dodaj();
    bool Zmien();
    // "&Usuń": removes the selected row's train without asking, fills the list and saves; a failed
    // save puts the train back. True when a train was removed and the timetable saved.
    bool Usun();
    // Whether "&Zmień" and "&Usuń" have a row to act on.
    bool JestZaznaczony() const { return ZaznaczonyPociag() != nullptr; }

    // Doubts about a train against the layout and the consist codes, one line each: departure
    // before arrival, an unknown vehicle code, a consist without traction, a train that needs a
    // platform but neither comes from nor goes to a line, a train without a number. Empty when
    // none.
    std::vector<std::string> SprawdzPociag(const TPociag& t) const;

    // ---- CSV ----
    // "Importuj CSV...": replaces the whole timetable with the file's trains (the format of
    // drelinko-rozklad). Every row is checked first; any error is shown naming its line and field
    // and nothing changes. Problems against the layout and the replacing itself are asked first.
    // True when the timetable was replaced and saved.
    bool ImportujCsv(const std::string& plik);
    // "Eksportuj CSV...": the whole timetable, in its order, unfiltered. True when written; a
    // failure is shown.
    bool EksportujCsv(const std::string& plik);

    // ---- Texts ----
    // The row text of a train, markup included.
    static std::string TekstWiersza(const TPociag& t);
    // The consist codes in the legend's order.
    static const std::vector<TKodPojazdu>& KodyPojazdow();
    // HTMLabel1: the legend of consist codes and the line on saving and when edits take effect.
    static std::string Legenda();
    // The hint of eSklad: the consist codes on one line.
    static std::string PodpowiedzSkladu();

private:
    TRozkladJazdy& rozklad_;
    TKomunikaty& komunikaty_;
    std::vector<TWlotRozkladu> wloty_;
    std::vector<std::string> wjazdy_, wyjazdy_, kierunki_;
    std::vector<TWierszFiltru> przyjazdy_, odjazdy_;
    std::vector<TWierszRozkladu> wiersze_;
    int zaznaczony_ = -1;
    std::string szukanie_;
    // The train the editor was last loaded from; none once it is removed.
    const TPociag* wEdytorze_ = nullptr;
    // The file is read at most once, when the list is first filled: an emptied timetable is the
    // player's, not a sign that it was never loaded.
    bool sprawdzonoPlik_ = false;

    bool DodajZmien(bool dodaj);
    void WczytajDoEdytora(const TPociag& t);
    void ZaznaczPociag(const TPociag* t);
    int PozycjaWlotu(tListaWlotow lista, const std::string& nazwa) const;
    bool WlotStacyjny(const std::string& nazwa) const;
    void Sortuj();
    bool Widoczny(const TPociag& t) const;
    bool Zapisz(const std::string& coNieWyszlo);
    int Indeks(const TPociag* t) const;
};
