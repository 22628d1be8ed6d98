#pragma once

// Reading a station layout written as text, such as Drelinko's own.

#include "station/uklad.h"

#include <string_view>
#include <vector>

// Reads a layout written as text, in the form data/drelinko.uklad describes at its top: class
// defaults, then one element a line in creation order, each with its class defaults filled in.
// Raises TBladUkladu naming the line of the first fault.
std::vector<TRekordUkladu> CzytajUklad(std::string_view tekst);

// The text of data/drelinko.uklad as the build embeds it.
std::string_view TekstUkladuDrelinka();
