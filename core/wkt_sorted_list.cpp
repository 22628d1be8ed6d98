// The sorted list's binary search, insertion and its flag in the stream.

#include "core/wkt_sorted_list.h"

#include "core/wkt_stream.h"

#include <cstdint>
#include <stdexcept>

void tWktSortedList::Load(tWktStream& strumien)
{
    tWktList::Load(strumien);
    AllowDuplicates = strumien.ReadByte() != 0;
}

void tWktSortedList::Store(tWktStream& strumien) const
{
    tWktList::Store(strumien);
    strumien.WriteByte(AllowDuplicates ? 1 : 0);
}

bool tWktSortedList::Find(Klucz klucz, int& indeks) const
{
    bool znaleziony = false;
    int lo = 0;
    int hi = Count() - 1;
    while (lo <= hi) {
        const int mid = (lo + hi) / 2;
        const int c = Compare(KeyOf(Items(mid)), klucz);
        if (c < 0) {
            lo = mid + 1;
        } else {
            hi = mid - 1;
            if (c == 0) {
                znaleziony = true;
                if (!AllowDuplicates)
                    lo = mid;
            }
        }
    }
    indeks = lo;
    return znaleziony;
}

int tWktSortedList::Compare(Klucz klucz1, Klucz klucz2) const
{
    const auto a = reinterpret_cast<std::intptr_t>(klucz1);
    const auto b = reinterpret_cast<std::intptr_t>(klucz2);
    return a < b ? -1 : (a > b ? 1 : 0);
}

tWktSortedList::Klucz tWktSortedList::KeyOf(const tWktInstance* obiekt) const { return obiekt; }

int tWktSortedList::Add(std::unique_ptr<tWktInstance> obiekt)
{
    int indeks = 0;
    if (Find(KeyOf(obiekt.get()), indeks) && !AllowDuplicates)
        throw std::runtime_error("Lista nie dopuszcza duplikatów.");
    Insert(indeks, std::move(obiekt));
    return indeks;
}
