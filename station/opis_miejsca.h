#pragma once

// Where on the diagram a refused act met its obstacle, said in the player's terms.

#include <string>

class TElement;

// One line naming the place a refused act stopped at by what the player can find on the diagram: a
// switch and the way it lies ("zwrotnica zw27 leży w kierunku zw28."), or a track by the points at its
// ends ("Tor19 leży między zw3 a zw19."). `miejsce` is where a refused route's walk stopped, if
// anywhere; else the element of the fault is described. Empty where its name and hint say enough.
std::string OpisMiejsca(const TElement* element, const TElement* miejsce);
