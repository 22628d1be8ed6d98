#pragma once

#include "core/ustawienia.h"

// The engine's settings, each defined here once with its default and what counts as its value,
// read and written through TUstawieniaGry.
namespace ustawienia {

// The start line's hour. (The station window's layout and options are the Qt side's own, checked
// where the window reads them.)
extern const TOpisUstawienia GodzStartu;

}  // namespace ustawienia
