#pragma once

// Small text helpers for messages: printf-style formatting and line breaks shown on one line.

#include <string>

#include <string_view>

// Every line break of the text (CR LF or a lone LF) replaced by `na`, to show it on one line.
std::string ZamienKonceLinii(const std::string& tekst, std::string_view na);

// printf-style formatting into a std::string, for the numbered and templated messages of the game.
std::string Formatuj(const char* wzor, ...) __attribute__((format(printf, 1, 2)));
