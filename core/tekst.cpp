// Case folding for Polish letters in UTF-8, trimming, and counting characters.

#include "core/tekst.h"

#include <algorithm>

namespace {

unsigned MalaLitera(unsigned cp)
{
    if (cp >= 'A' && cp <= 'Z')
        return cp + 0x20;
    if (cp >= 0xC0 && cp <= 0xDE && cp != 0xD7)
        return cp + 0x20;
    if ((cp >= 0x100 && cp <= 0x137) || (cp >= 0x14A && cp <= 0x177))
        return cp | 1U;
    if ((cp >= 0x139 && cp <= 0x148) || (cp >= 0x179 && cp <= 0x17E))
        return cp % 2 == 1 ? cp + 1 : cp;
    return cp;
}

bool Kontynuacja(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

}  // namespace

std::string MaleLitery(std::string_view s)
{
    std::string wynik;
    wynik.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) {
            wynik += static_cast<char>(MalaLitera(c));
            ++i;
        } else if ((c & 0xE0) == 0xC0 && i + 1 < s.size() && Kontynuacja(s[i + 1])) {
            const unsigned cp = MalaLitera(((c & 0x1FU) << 6) | (static_cast<unsigned char>(s[i + 1]) & 0x3FU));
            wynik += static_cast<char>(0xC0 | (cp >> 6));
            wynik += static_cast<char>(0x80 | (cp & 0x3F));
            i += 2;
        } else {
            wynik += s[i++];
        }
    }
    return wynik;
}

std::string Przytnij(std::string_view s)
{
    const auto pusty = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    while (!s.empty() && pusty(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && pusty(s.back()))
        s.remove_suffix(1);
    return std::string(s);
}

int PorownajBezWielkosci(std::string_view a, std::string_view b)
{
    // Plain ASCII names, the common case, compare without making copies.
    std::size_t i = 0;
    for (; i < a.size() && i < b.size(); ++i) {
        const auto x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
        if (x >= 0x80 || y >= 0x80)
            return MaleLitery(a.substr(i)).compare(MaleLitery(b.substr(i)));
        const unsigned mx = MalaLitera(x), my = MalaLitera(y);
        if (mx != my)
            return mx < my ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool RowneBezWielkosci(std::string_view a, std::string_view b) { return PorownajBezWielkosci(a, b) == 0; }

int LiczbaZnakow(std::string_view tekst)
{
    return static_cast<int>(
        std::count_if(tekst.begin(), tekst.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}
