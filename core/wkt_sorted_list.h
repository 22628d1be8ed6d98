#pragma once

// The persistent list kept in the order of its items' keys.

#include "core/wkt_list.h"

#include <memory>

// A list kept in the order of its items' keys. The base key is the item's address, so a list that
// does not override KeyOf and Compare keeps an order that means nothing.
class tWktSortedList : public tWktList {
public:
    using Klucz = const void*;

    // Lists made by the program allow duplicates; a list read from a stream takes the flag stored
    // with it.
    tWktSortedList() = default;

    bool AllowDuplicates = true;

    void Load(tWktStream& strumien) override;
    void Store(tWktStream& strumien) const override;

    // Binary search: the first position whose key is not smaller than `klucz` (for equal keys
    // with duplicates allowed, before the first equal one); true when an equal key was met.
    virtual bool Find(Klucz klucz, int& indeks) const;
    virtual int Compare(Klucz klucz1, Klucz klucz2) const;
    virtual Klucz KeyOf(const tWktInstance* obiekt) const;

    // Inserts at the item's key position; raises when an equal key exists and duplicates are not
    // allowed. Answers the position.
    int Add(std::unique_ptr<tWktInstance> obiekt);
};
