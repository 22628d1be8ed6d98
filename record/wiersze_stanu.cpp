// The flat lines of a game's state.

#include "record/wiersze_stanu.h"

#include <limits>
#include <stdexcept>

void TWierszeStanu::NowyWiersz()
{
    if (slowa_.size() >= std::numeric_limits<std::uint32_t>::max())
        throw std::length_error("za dużo słów stanu gry");
    wiersze_.push_back(static_cast<std::uint32_t>(slowa_.size()));
}

void TWierszeStanu::DodajSlowo(std::string_view slowo)
{
    if (wiersze_.empty())
        NowyWiersz();
    if (slowo.size() >= std::numeric_limits<std::uint32_t>::max() - bajty_.size() ||
        slowa_.size() >= std::numeric_limits<std::uint32_t>::max())
        throw std::length_error("za duży stan gry");
    slowa_.push_back(static_cast<std::uint32_t>(bajty_.size()));
    bajty_.append(slowo);
}

void TWierszeStanu::Dopasuj()
{
    bajty_.shrink_to_fit();
    slowa_.shrink_to_fit();
    wiersze_.shrink_to_fit();
}

std::string_view TWierszeStanu::Slowo(std::size_t wiersz, std::size_t slowo) const
{
    const std::size_t i = wiersze_[wiersz] + slowo;
    const std::size_t koniec = i + 1 < slowa_.size() ? slowa_[i + 1] : bajty_.size();
    return std::string_view(bajty_).substr(slowa_[i], koniec - slowa_[i]);
}

std::vector<std::string> TWierszeStanu::Wiersz(std::size_t wiersz) const
{
    std::vector<std::string> slowa;
    slowa.reserve(SlowWWierszu(wiersz));
    for (std::size_t i = 0; i < SlowWWierszu(wiersz); ++i)
        slowa.emplace_back(Slowo(wiersz, i));
    return slowa;
}
