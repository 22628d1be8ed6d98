#pragma once

// The owning list of persistent objects that the game's files are made of.

#include "core/wkt_object.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

class tWktStream;

// An owning list of persistent objects; entries may be empty. The list frees what it holds.
class tWktList : public tWktInstance {
public:
    using Test = std::function<bool(tWktInstance*)>;
    using TestKontekst = std::function<bool(void*, tWktInstance*)>;
    using Akcja = std::function<void(tWktInstance*)>;
    using AkcjaKontekst = std::function<void(void*, tWktInstance*)>;

    // Walking directions of FirstThat and ForEach.
    static constexpr int OdPierwszego = 0;
    static constexpr int OdOstatniego = 1;

    tWktList() = default;
    tWktList(const tWktList&) = delete;
    tWktList& operator=(const tWktList&) = delete;
    ~tWktList() override;

    bool LongFormat = false;

    int Count() const { return static_cast<int>(elementy_.size()); }
    // Capacity grows in the steps the file format has always recorded: 4, 8, 12, 16, then by 16
    // up to 64 and by a quarter beyond.
    int Capacity() const { return pojemnosc_; }

    tWktInstance* Items(int indeks) const;
    template <typename T>
    T* At(int indeks) const
    {
        return dynamic_cast<T*>(Items(indeks));
    }

    int Append(std::unique_ptr<tWktInstance> obiekt);
    void Insert(int indeks, std::unique_ptr<tWktInstance> obiekt);
    // Takes the object out of the list without freeing it.
    std::unique_ptr<tWktInstance> Extract(int indeks);
    void Delete(int indeks);
    // Removes the empty entries.
    void Pack();

    virtual tWktInstance* FirstThat(int kierunek, const TestKontekst& test, void* kontekst) const;
    virtual void ForEach(int kierunek, const AkcjaKontekst& akcja, void* kontekst) const;
    virtual tWktInstance* FirstThat(int kierunek, const Test& test) const;
    virtual void ForEach(int kierunek, const Akcja& akcja) const;
    virtual void Load(tWktStream& strumien);
    virtual void Store(tWktStream& strumien) const;
    virtual void FreeAll();

private:
    void Powieksz();

    std::vector<std::unique_ptr<tWktInstance>> elementy_;
    int pojemnosc_ = 0;
};
