#pragma once

// The sound player the engine is given, so that the game, the tools and the tests supply their own.

#include <string>

// Plays a wave file asynchronously; a new sound cuts off the one playing.
class TDzwieki {
public:
    virtual ~TDzwieki() = default;
    virtual void Odtworz(const std::string& plik) = 0;
};
