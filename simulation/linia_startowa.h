#pragma once

// The start window's commands by number, and its start line (TLiniaStartowa) with the start hour the
// player sets.

#include "core/komunikaty.h"
#include "core/uslugi.h"
#include "core/ustawienia.h"
#include "trains/czas.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What the start window can be asked to do. Its welcome text's links, the start line's command
// links and the help requests all name these by number.
enum class tPolecenieStartu {
    psBrak,              // any other number: nothing happens
    psRozklad,           // 31: the timetable window, modal
    psInstrukcja,        // 43: the user manual "drelinko.htm"
    psZacznij,           // 44: a run from the beginning of the day
    psZacznijOdGodziny,  // 414: a run at the chosen start hour
    psPokaz,             // 99: a run from 04:00 played by the automatic dispatcher at the highest speed
    psSamouczek,         // 45: the list of lessons
};

// The command of a number.
tPolecenieStartu PolecenieStartu(int numer);
// A link's target read as a decimal integer, as the links of the start window are written; 0 when
// it is not one (so a link to a page or a parameter is no command).
int NumerLinku(std::string_view cel);
// The program's help requests carry their command in the data when the command code is this one;
// every other help request is no command.
inline constexpr int KodPoleceniaPomocy = 777;
tPolecenieStartu PolecenieZPomocy(int kod, int dane);


// The start line of the start window: three sentences with five clickable parameters,
//   "Kliknij tutaj, aby zacząć od początku."
//   "Aby zacząć od godziny 4:10, kliknij tutaj."
//   "Utrudnienia: 0 (brak), ziarno dnia: losowe."
// The two "tutaj" are the commands 44 and 414; the hour is the parameter "GodzStartu", which the
// player sets with a prompt and which the station window's closing stores; "Utrudnienia" is the
// day's level of disturbances, 0 to 3, and "Ziarno" the seed of their chance, a number or "losowe"
// (drawn anew for every game). The three values live in the per-user settings; nothing else of the
// line does.
class TLiniaStartowa {
public:
    static constexpr const char* Klucz = "Software\\WKT\\Lorvia\\Drelinko\\Main\\Rules\\Main 2";
    static constexpr const char* GodzStartu = "GodzStartu";
    // The start hour before the player or a run ever set one, and in place of a stored value that
    // is not a time of day.
    static constexpr const char* DomyslnaGodzina = "4:10";
    static constexpr const char* Pytanie = "Podaj godzinę rozpoczęcia";
    static constexpr const char* ZlaGodzina = "Musisz podać poprawną godzinę!";
    static constexpr const char* Utrudnienia = "Utrudnienia";
    static constexpr const char* DomyslneUtrudnienia = "0";
    static constexpr const char* PytanieOUtrudnienia = "Wybierz utrudnienia dnia";
    static constexpr const char* ZleUtrudnienia = "Utrudnienia to liczba od 0 do 3!";
    static constexpr const char* Ziarno = "Ziarno";
    // The seed's value while none is chosen: each game draws its own.
    static constexpr const char* LosoweZiarno = "losowe";
    static constexpr const char* PytanieOZiarno =
        "Podaj ziarno dnia (ta sama liczba da ten sam dzień) albo zostaw puste, by losować";
    static constexpr const char* ZleZiarno = "Ziarno to liczba od 0 do 2147483647 albo słowo „losowe”!";

    // One parameter of the line: the sentence it stands in ("%s" marks the link), the line of the
    // two it is on, and whether the player enters its value (the others are fixed command links).
    struct TParametr {
        const char* Nazwa;
        const char* Zdanie;
        int Wiersz;
        bool Edytowalny;
        const char* Domyslna;
    };
    static const std::vector<TParametr>& Parametry();
    // A parameter by name, the name compared without regard to case; nullptr for none.
    static const TParametr* Parametr(std::string_view nazwa);

    // Refusals are told through the message boxes.
    TLiniaStartowa(TUstawienia& ustawienia, TKomunikaty& komunikaty);

    // The value shown for a parameter (its name as for Parametr); empty for an unknown name. The
    // stored start hour is checked as it is read: one that is not a time of day shows as the
    // default, and is left in the store as it is.
    std::string Wartosc(std::string_view nazwa) const;
    // The value as the start window's link shows it: the level of disturbances with its name.
    std::string TekstLinku(std::string_view nazwa) const;
    // The start hour as a fraction of a day.
    double GodzinaStartu() const;
    // The day's level of disturbances, and the chosen seed (none: drawn for each game).
    int PoziomUtrudnien() const;
    std::optional<std::uint64_t> WybraneZiarno() const;

    enum class tWpis {
        wpPrzyjety,   // validated and stored
        wpOdrzucony,  // not a value of the parameter: its message was shown, the old value kept
        wpNieznany,   // no parameter of that name
        wpStaly,      // a command link, whose value the player does not enter
    };
    // The player's entry for a parameter, as the prompt gives it: the start hour is read as a time
    // of day and stored as "h:mm"; a seed left empty is "losowe".
    tWpis Wpisz(std::string_view nazwa, std::string_view wartosc);
    // The reached time of a run, stored as the next start hour in the "h:mm" form.
    void ZapiszGodzine(double czas);

private:
    // The setting an editable parameter is kept in.
    static const TOpisUstawienia& Ustawienie(const TParametr& p);

    TUstawieniaGry ustawienia_;
    TKomunikaty& komunikaty_;
};
