#pragma once

// The sound player the engine is given, so that the game, the tools and the tests supply their own.

#include <string>

// Plays a wave file asynchronously; a new sound cuts off the one playing.
class TDzwieki {
public:
    virtual ~TDzwieki() = default;
    virtual void Odtworz(const std::string& plik) = 0;
};

// For a station only looked at (its entries read, its lessons checked): it plays nothing.
class TBezDzwiekow : public TDzwieki {
public:
    void Odtworz(const std::string&) override {}
};
