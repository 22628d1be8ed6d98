#pragma once

// Routes between two points: checking, locking and releasing them.

#include <cstdint>

class TPunkt;

enum tRouteMode : std::uint8_t { rmCheck = 0, rmLock = 1, rmRelease = 2 };
enum tRouteCheck : std::uint8_t { rcLocked = 0, rcFree = 1, rcOther = 2 };

// Walks the route from Start along Neighbour in the direction, with the switches as they lie, to
// Finish: checks it, locks it or releases it. A walk that fails changes no state and ends in a
// fault on Start ("Nie można ustawić drogi od ... do ...").
tRouteCheck WalkRoute(TPunkt* start, tRouteMode tryb, int kierunek, TPunkt* finish);
