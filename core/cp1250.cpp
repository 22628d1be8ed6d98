// Conversion between the game's UTF-8 texts and the Windows-1250 of its files, through iconv.

#include "core/cp1250.h"

#include <cerrno>
#include <iconv.h>

#include <algorithm>

namespace {

bool TylkoAscii(std::string_view s)
{
    return std::all_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// One iconv descriptor per direction and thread: opening one costs far more than converting a
// short train description.
class Konwerter {
public:
    Konwerter(const char* na, const char* z) : cd_(iconv_open(na, z)) {}
    ~Konwerter()
    {
        if (cd_ != reinterpret_cast<iconv_t>(-1))
            iconv_close(cd_);
    }
    Konwerter(const Konwerter&) = delete;
    Konwerter& operator=(const Konwerter&) = delete;

    std::optional<std::string> operator()(std::string_view wejscie)
    {
        if (cd_ == reinterpret_cast<iconv_t>(-1))
            return std::nullopt;
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);  // a fresh shift state for every text
        std::string wynik(wejscie.size() * 4 + 4, '\0');
        char* we = const_cast<char*>(wejscie.data());
        std::size_t zostalo = wejscie.size();
        char* wy = wynik.data();
        std::size_t miejsce = wynik.size();
        if (iconv(cd_, &we, &zostalo, &wy, &miejsce) == static_cast<std::size_t>(-1))
            return std::nullopt;
        if (iconv(cd_, nullptr, nullptr, &wy, &miejsce) == static_cast<std::size_t>(-1))
            return std::nullopt;
        wynik.resize(wynik.size() - miejsce);
        return wynik;
    }

private:
    iconv_t cd_;
};

}  // namespace

std::optional<std::string> NaCp1250(std::string_view utf8)
{
    if (TylkoAscii(utf8))
        return std::string(utf8);
    thread_local Konwerter konwerter("WINDOWS-1250", "UTF-8");
    return konwerter(utf8);
}

std::optional<std::string> ZCp1250(std::string_view cp1250)
{
    if (TylkoAscii(cp1250))
        return std::string(cp1250);
    thread_local Konwerter konwerter("UTF-8", "WINDOWS-1250");
    return konwerter(cp1250);
}

bool PoprawneUtf8(std::string_view tekst)
{
    std::size_t i = 0;
    while (i < tekst.size()) {
        const auto c = static_cast<unsigned char>(tekst[i]);
        std::size_t dlugosc = 0;
        char32_t kod = 0;
        if (c < 0x80) {
            ++i;
            continue;
        }
        if ((c & 0xE0) == 0xC0) {
            dlugosc = 2;
            kod = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            dlugosc = 3;
            kod = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            dlugosc = 4;
            kod = c & 0x07;
        } else {
            return false;
        }
        if (i + dlugosc > tekst.size())
            return false;
        for (std::size_t k = 1; k < dlugosc; ++k) {
            const auto d = static_cast<unsigned char>(tekst[i + k]);
            if ((d & 0xC0) != 0x80)
                return false;
            kod = (kod << 6) | (d & 0x3F);
        }
        static constexpr char32_t najmniejszy[] = {0, 0, 0x80, 0x800, 0x10000};
        if (kod < najmniejszy[dlugosc] || kod > 0x10FFFF || (kod >= 0xD800 && kod <= 0xDFFF))
            return false;
        i += dlugosc;
    }
    return true;
}
