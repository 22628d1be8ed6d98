// Splitting command lines into words, and quoting texts for the output.

#include "core/slowa_polecen.h"

#include "core/format.h"

std::optional<std::vector<std::string>> RozbijLinie(const std::string& linia, std::string& blad)
{
    std::vector<std::string> slowa;
    std::size_t i = 0;
    while (i < linia.size()) {
        const char c = linia[i];
        if (c == ' ' || c == '\t' || c == '\r') {
            ++i;
            continue;
        }
        if (c == '#')
            break;
        std::string slowo;
        if (c == '"') {
            ++i;
            bool zamkniety = false;
            while (i < linia.size()) {
                if (linia[i] == '\\' && i + 1 < linia.size() && linia[i + 1] == '"') {
                    slowo += '"';
                    i += 2;
                } else if (linia[i] == '"') {
                    ++i;
                    zamkniety = true;
                    break;
                } else {
                    slowo += linia[i++];
                }
            }
            if (!zamkniety) {
                blad = "unterminated quote";
                return std::nullopt;
            }
        } else {
            while (i < linia.size() && linia[i] != ' ' && linia[i] != '\t' && linia[i] != '\r')
                slowo += linia[i++];
        }
        slowa.push_back(std::move(slowo));
    }
    return slowa;
}

std::string BezLamania(const std::string& tekst) { return ZamienKonceLinii(tekst, "\\n"); }

std::string Cytat(const std::string& tekst)
{
    std::string wynik = "\"";
    for (char c : BezLamania(tekst)) {
        if (c == '"')
            wynik += '\\';
        wynik += c;
    }
    return wynik + "\"";
}
