#pragma once

#include "trains/kierunek.h"

#include <cstdint>

// State of a station point, in the order that comparisons rely on ("at least utwierdzony" means
// locked or occupied).
enum tStan : std::uint8_t { nieaktywny, wolny, utwierdzony, zajety };
