#pragma once

// CSV text cells: quoted as needed and kept from being run as spreadsheet formulas.

#include <string>
#include <string_view>

// A text cell of a CSV file (RFC 4180: quoted when it holds a separator, a quote or a line break).
// Spreadsheets run a cell that begins with = + - @, a tab or a carriage return as a formula, and a
// formula can fetch or start things on the player's machine: such a text is written after an
// apostrophe, which spreadsheets take for "text follows" and do not show. A text that already begins
// with apostrophes before such a character gets one more, so that every text reads back as it was.
// Only texts: a number a column holds (points, a delay) is written as it is.
std::string PoleTekstuCsv(std::string_view tekst);

// The text of a cell as PoleTekstuCsv wrote it: the apostrophe it put before a formula's first
// character taken off, anything else kept.
std::string TekstPolaCsv(std::string_view pole);
