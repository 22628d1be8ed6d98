#pragma once

#include <string>

// printf-style formatting into a std::string, for the numbered and templated messages of the game.
std::string Formatuj(const char* wzor, ...) __attribute__((format(printf, 1, 2)));
