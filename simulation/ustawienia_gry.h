#pragma once

// The game's settings, each with its key, default and valid values, defined once for reading and
// writing.

#include "core/ustawienia.h"

// The game's settings, each defined here once with its key, its default and what counts as its
// value, read and written through TUstawieniaGry. The key names and the forms are those players'
// stores already hold.
namespace ustawienia {

// The start line's hour, the day's level of disturbances and the seed of their chance.
extern const TOpisUstawienia GodzStartu;
extern const TOpisUstawienia Utrudnienia;
extern const TOpisUstawienia Ziarno;

// The station window, in the store's group "Stacja".
// Where the window was and how large (Qt's own bytes).
extern const TOpisUstawienia Geometria;
// The journal's share of the height below the menu, 0 to 1, once the player has dragged the
// splitter. The default, -1, lies outside on purpose: the journal then takes whatever the fitted
// diagram leaves.
extern const TOpisUstawienia UdzialDziennika;
// The page of the information panel shown, one of LiczbaStron.
inline constexpr int LiczbaStron = 6;
extern const TOpisUstawienia Strona;
extern const TOpisUstawienia KolorOkna;
extern const TOpisUstawienia Dzwieki;
extern const TOpisUstawienia Zegar;
// Trains' labels beside the tracks.
extern const TOpisUstawienia Etykiety;
// The diagram's zoom: 0 fits the diagram to the window, otherwise NajmniejszePowiekszenie to
// NajwiekszePowiekszenie.
inline constexpr double NajmniejszePowiekszenie = 0.5;
inline constexpr double NajwiekszePowiekszenie = 4.0;
extern const TOpisUstawienia Powiekszenie;

// The start window, in the store's group "Start": whether the lessons were offered at the first
// start (once only).
extern const TOpisUstawienia SamouczekZaproponowany;

}  // namespace ustawienia
