#pragma once

// Text helpers for names: comparison without regard to case, trimming, character count.

#include <string>
#include <string_view>

// Names of elements, directions and vehicle codes are compared without regard to case. Texts are
// UTF-8; the letters of Polish names (ASCII, Latin-1, Latin Extended-A) are lowered, every other
// byte is kept as it is.
std::string MaleLitery(std::string_view tekst);
bool RowneBezWielkosci(std::string_view a, std::string_view b);
// Without the blanks and control characters at either end.
std::string Przytnij(std::string_view tekst);
// Less than zero, zero or more than zero, as the lowered texts compare byte by byte.
int PorownajBezWielkosci(std::string_view a, std::string_view b);
// The characters of a UTF-8 text: its bytes that begin one.
int LiczbaZnakow(std::string_view tekst);
