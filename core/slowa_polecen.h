#pragma once

// The words of a command line in, and quoted texts out, as the driver's scripts write them and the
// automatic dispatcher's acts and the lessons' steps are written.

#include <optional>
#include <string>
#include <vector>

// One script line split into its words: blanks separate them, "..." holds blanks (\" a quote),
// and # outside quotes starts a comment. nullopt with `blad` set when a quote is left open.
std::optional<std::vector<std::string>> RozbijLinie(const std::string& linia, std::string& blad);

// A text as the driver prints it: in double quotes, \" for a quote, line breaks as \n.
std::string Cytat(const std::string& tekst);
// A text on one output line: CR LF and LF become the two characters \n.
std::string BezLamania(const std::string& tekst);
