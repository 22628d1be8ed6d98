# Writes the text file WEJSCIE as the C++ source WYJSCIE defining `std::string_view FUNKCJA()`,
# which returns the text byte for byte; HEADER is the header that declares it.
# usage: cmake -DWEJSCIE=... -DWYJSCIE=... -DFUNKCJA=... -DHEADER=... -P osadz_tekst.cmake
file(READ ${WEJSCIE} bajty HEX)
# Sixteen bytes a line, not one line of a hundred kilobytes.
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bajty "${bajty}")
string(REPEAT "0x..," 16 wiersz)
string(REGEX REPLACE "(${wiersz})" "\\1\n    " bajty "${bajty}")
file(WRITE ${WYJSCIE}
"// Made by the build from ${WEJSCIE}; edit that file, not this one.
#include \"${HEADER}\"

namespace {

// A zero after the text, so that the array is never empty.
const unsigned char Bajty[] = {
    ${bajty}0};

}  // namespace

std::string_view ${FUNKCJA}() { return {reinterpret_cast<const char*>(Bajty), sizeof Bajty - 1}; }
")
