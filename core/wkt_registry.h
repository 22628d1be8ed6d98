#pragma once

// The registry of stored classes by number, so a file can name the class of each object.

#include "core/wkt_object.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <typeindex>
#include <vector>

// One registered class: its storage number and how to make a blank instance of it.
struct tWktRecObject {
    std::uint16_t Numer;
    std::type_index Klasa;
    std::string Nazwa;
    std::function<std::unique_ptr<tWktInstance>()> Utworz;
};

// Maps classes to the 16-bit numbers under which they are stored. Number 0 stands for "no object".
class tWktRejestr {
public:
    // Raises 201 when the number is taken already.
    void RegisterType(std::uint16_t numer, std::type_index klasa, std::string nazwa,
                      std::function<std::unique_ptr<tWktInstance>()> utworz);

    template <typename T>
    void RegisterType(std::uint16_t numer, std::string nazwa)
    {
        RegisterType(numer, typeid(T), std::move(nazwa), [] { return std::make_unique<T>(); });
    }

    const tWktRecObject* ZnajdzNumer(std::uint16_t numer) const;
    // The first record of the class; a class may be registered under several numbers.
    const tWktRecObject* ZnajdzKlase(std::type_index klasa) const;

private:
    std::vector<tWktRecObject> rekordy_;
};

// The program-wide registry. The persistence layer's own classes (50, 100, 101, 700, 711, 712)
// are in it from its first use, whatever the order in which the program's files were initialised.
tWktRejestr& Rejestr();
