#pragma once

// Conversion of texts between UTF-8 and the Windows-1250 code page of the game's files.

#include <optional>
#include <string>
#include <string_view>

// The game keeps every text in UTF-8; the files it shares with the world are Windows-1250.
// Both directions refuse what they cannot convert instead of mangling it.

// UTF-8 -> Windows-1250; nullopt when the text holds a character the code page lacks or is not
// valid UTF-8.
std::optional<std::string> NaCp1250(std::string_view utf8);

// Windows-1250 -> UTF-8; nullopt when a byte has no character in the code page.
std::optional<std::string> ZCp1250(std::string_view cp1250);

// Whether the text is valid UTF-8.
bool PoprawneUtf8(std::string_view tekst);
