#pragma once

// The one exception the persistence layer raises for damaged or unwritable files.

#include <stdexcept>
#include <string>

// Every failure of the persistence layer: unknown class numbers, damaged input, files that cannot
// be written. File-level operations catch it and answer false.
class EwktException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
