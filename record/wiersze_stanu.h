#pragma once

// The lines of a game's state (TWierszeStanu): a checkpoint as the record keeps it in memory.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Lines of words, each line's first word its kind, kept flat: the words' bytes one after another in
// one buffer, with where each word and each line starts. A long game's checkpoint holds its whole
// journal; as a vector of lines of strings it took about ten times the bytes of its text, and every
// copy (the record's, the forecast's) made each word again.
class TWierszeStanu {
public:
    // Opens a line; the words added go to it.
    void NowyWiersz();
    // Adds a word to the open line (std::length_error past 4 GB: offsets are 32-bit).
    void DodajSlowo(std::string_view slowo);

    std::size_t size() const { return wiersze_.size(); }
    bool empty() const { return wiersze_.empty(); }
    std::size_t Slow() const { return slowa_.size(); }
    std::size_t SlowWWierszu(std::size_t wiersz) const { return KoniecWiersza(wiersz) - wiersze_[wiersz]; }
    std::string_view Slowo(std::size_t wiersz, std::size_t slowo) const;
    // Gives back what the buffers took beyond their content: for a state kept long.
    void Dopasuj();
    // The line's words as strings.
    std::vector<std::string> Wiersz(std::size_t wiersz) const;

    friend bool operator==(const TWierszeStanu&, const TWierszeStanu&) = default;

private:
    std::size_t KoniecWiersza(std::size_t wiersz) const
    {
        return wiersz + 1 < wiersze_.size() ? wiersze_[wiersz + 1] : slowa_.size();
    }

    std::string bajty_;
    std::vector<std::uint32_t> slowa_;    // where each word's bytes start
    std::vector<std::uint32_t> wiersze_;  // each line's first word
};
