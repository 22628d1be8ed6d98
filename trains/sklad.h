#pragma once

// The consist text of a train: its vehicles, traction, coupling and splitting.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "trains/pociag.h"

// The consist text: one character per vehicle, left to right as on the screen; "+" joins coupled
// vehicles and a blank separates vehicles that stand together uncoupled. Traction is p, s or a.

bool MaLokomotywe(std::string_view sklad);
// Whether the head of the consist (its first character running left, its last running right) is
// a traction vehicle.
bool LokomotywaNaCzele(const TPociag& t, std::string_view sklad);
// Sets the state; `jazda` is granted only to a consist that can move under its own traction.
void UstawStanJazdy(TPociag& t, tStanJazdy stan);
// Turns the timetable consist so that the locomotive leads in the train's direction and couples it.
void PrzygotujSklad(TPociag& t);
void Rozprzegnij(TPociag& t);
void Sprzegnij(TPociag& t);
void ZmienKierunek(TPociag& t);
// The unit that drives away at the joint, when it has traction; nullptr otherwise.
std::unique_ptr<TPociag> CzescCzolowa(const TPociag& t);
// Leaves in t the part that stays behind at the joint; t is returned.
TPociag& CzescPozostala(TPociag& t);
// Joins the moving train t to the train a standing where it arrives (side 0: a stands to the left
// of t, 1: to its right). Answers the one of the two that stays on the layout, or nullptr when
// they do not couple.
TPociag* Polacz(int strona, TPociag* a, TPociag* t);
// One vehicle code of the consist text and what it stands for.
struct TKodPojazdu {
    char Kod;
    const char* Znaczenie;
};
// The vehicle codes in the order the timetable's legend lists them.
const std::vector<TKodPojazdu>& KodyPojazdow();
// Whether the character is a vehicle code; the letters are also taken in capitals.
bool ZnanyPojazd(char c);

// Whether every vehicle kind of the timetable consist occurs in s.
bool SkladZgodny(const TPociag& t, std::string_view sklad);
// Reversed character by character (whole UTF-8 characters, never their bytes).
std::string OdwrocTekst(std::string_view s);
