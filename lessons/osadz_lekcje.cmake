# Writes the lesson files PLIKI (a list, in lesson order) as the C++ source WYJSCIE defining
# `std::vector<TPlikLekcji> PlikiLekcji()`, each file's name and text byte for byte.
# usage: cmake -DPLIKI=a;b -DWYJSCIE=... -P osadz_lekcje.cmake
set(tablice "")
set(wpisy "")
set(n 0)
foreach(plik IN LISTS PLIKI)
    file(READ ${plik} bajty HEX)
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bajty "${bajty}")
    string(REPEAT "0x..," 16 wiersz)
    string(REGEX REPLACE "(${wiersz})" "\\1\n    " bajty "${bajty}")
    get_filename_component(nazwa ${plik} NAME)
    string(APPEND tablice "const unsigned char Lekcja${n}[] = {\n    ${bajty}0};\n")
    string(APPEND wpisy "        {\"${nazwa}\", {reinterpret_cast<const char*>(Lekcja${n}), sizeof Lekcja${n} - 1}},\n")
    math(EXPR n "${n} + 1")
endforeach()
file(WRITE ${WYJSCIE}
"// Made by the build from data/lekcje/; edit those files, not this one.
#include \"lessons/lekcja.h\"

namespace {

// A zero after each text, so that no array is empty.
${tablice}
}  // namespace

std::vector<TPlikLekcji> PlikiLekcji()
{
    return {
${wpisy}    };
}
")
