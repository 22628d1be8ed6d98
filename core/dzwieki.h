#pragma once

#include <string>

// Plays a wave file asynchronously; a new sound cuts off the one playing.
class TDzwieki {
public:
    virtual ~TDzwieki() = default;
    virtual void Odtworz(const std::string& plik) = 0;
};
